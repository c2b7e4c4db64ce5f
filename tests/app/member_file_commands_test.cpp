#include "app/config/config_dialog.h"
#include "app/members/member_file_commands.h"
#include "file_test_support.h"
#include "scripted_ports.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class MemberFileCommandsTest : public QObject {
    Q_OBJECT

    struct Setup {
        Setup() {
            Commands.SetNieuw = [this](bool enabled) { NieuwAction.setEnabled(enabled); };
            Commands.ShowNamePanel = [this](const QString& name) { Panel = name; };
            Commands.EnableFileMenu = [this] { ++FileMenuEnabled; };
            Commands.ShowMemberGrid = [this] { ++GridShown; };
            Commands.HasPrinters = [] { return false; };
        }
        // Presses a button of the configuration dialog as soon as it shows.
        void PressInDialog(QPushButton* button) {
            QTimer::singleShot(0, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        }
        AppState State;
        ScriptedMessenger Messages;
        ScriptedChooser Chooser;
        CountingBeeper Bell;
        TConfigDial Dialog{State, Messages, Bell};
        MemberFileCommands Commands{State, Messages, Chooser, Dialog};
        QAction NieuwAction{"&Nieuw"};
        QString Panel;
        int FileMenuEnabled = 0;
        int GridShown = 0;
    };

private slots:
    void NieuwConfirmedStartsAnUnnamedListAndDisablesNieuw() {
        Setup s;
        s.PressInDialog(s.Dialog.OKBtn1);
        s.Commands.Nieuw();
        QCOMPARE(s.Panel, QString("N_N"));
        QVERIFY(!s.NieuwAction.isEnabled());
        QCOMPARE(int(s.State.Members.MemberCount), 24);
        QCOMPARE(s.GridShown, 1);
        QCOMPARE(int(s.State.Members.MemberList[24].LidRecord.Indx), 24);
    }

    void NieuwCancelledEnablesNieuwAgainAndKeepsTheList() {
        Setup s;
        s.NieuwAction.setEnabled(false);
        s.PressInDialog(s.Dialog.CancelBtn1);
        s.Commands.Nieuw();
        QVERIFY(s.NieuwAction.isEnabled());
        QCOMPARE(int(s.State.Members.MemberCount), 0);
        QCOMPARE(s.GridShown, 0);
    }

    void SaveAsksForANameShowsTheBareNameAndEnablesNieuw() {
        ScratchFolder folder;
        Setup s;
        s.PressInDialog(s.Dialog.OKBtn1);
        s.Commands.Nieuw();
        s.Chooser.SaveAnswers.push_back(folder.Path("leden.tvs"));
        s.Commands.Save(false);
        QCOMPARE(s.Panel, QString("leden.tvs"));
        QVERIFY(s.NieuwAction.isEnabled());
        QCOMPARE(ReadBytes(folder.Path("leden.tvs")).size(), std::size_t{5800});
        QCOMPARE(ReadBytes(folder.Path("leden.cfg")).size(), std::size_t{268});
    }

    void AFileNamedOnTheCommandLineIsOpenedWithItsConfiguration() {
        ScratchFolder folder;
        WriteBytes(folder.Path("club.tvs"),
                   HeaderBytes(0, "1") + MemberBytes(0, 7, "Sanne", "de Wit", "d", "X"));
        WriteBytes(folder.Path("club.cfg"), ConfigBytes(1));
        Setup s;
        s.Commands.OpenNamed(QString::fromStdString(folder.Path("club.tvs")));
        QVERIFY(s.Messages.Shown.empty());
        QCOMPARE(int(s.State.Members.MemberCount), 1);
        QCOMPARE(s.Panel, QString("club.tvs"));
        QCOMPARE(s.GridShown, 1);
        QVERIFY(s.FileMenuEnabled >= 1);
        QCOMPARE(int(s.State.Configuration.PrnCfg.PrntInstel), -1); // no printers here
    }

    void OpenCancelledShowsNoGrid() {
        Setup s;
        s.Chooser.OpenAnswers.push_back(std::nullopt);
        s.Commands.Open();
        QCOMPARE(s.GridShown, 0);
        QVERIFY(!s.State.Members.MemberDataPresent);
    }
};

QTEST_MAIN(MemberFileCommandsTest)
#include "member_file_commands_test.moc"
