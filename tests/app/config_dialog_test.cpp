#include "app/config/config_dialog.h"
#include "core/config/config_file.h"
#include "file_test_support.h"
#include "scripted_ports.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>

class ConfigDialogTest : public QObject {
    Q_OBJECT

    struct Setup {
        AppState State;
        ScriptedMessenger Messages;
        CountingBeeper Bell;
        TConfigDial Dialog{State, Messages, Bell};
        // The dialog as "&Nieuw" opens it, shown without blocking.
        void ShowNew() {
            QVERIFY(Dialog.PrepareShow(true));
            Dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&Dialog));
        }
        void Type(int field, const QString& text) {
            Dialog.Edit(field)->setFocus();
            Dialog.Edit(field)->setText(text);
            QTest::keyClick(Dialog.Edit(field), Qt::Key_Return);
        }
    };

private slots:
    void ControlsCarryTheirCaptionsTooltipsAndDefaults() {
        Setup s;
        s.ShowNew();
        QCOMPARE(s.Dialog.windowTitle(), QString("Sleutel gegevens"));
        QCOMPARE(s.Dialog.size(), QSize(530, 440));
        QCOMPARE(s.Dialog.Labels[1]->text(), QString("Aantal leden"));
        QCOMPARE(s.Dialog.Edit(2)->toolTip(), QString("Grootte van de club"));
        QCOMPARE(s.Dialog.Edit(8)->toolTip(), QString("Aantal matches voor tee"));
        QCOMPARE(s.Dialog.BaancodeBox->toolTip(), QString("Banen aangeven met andere nummering "));
        QCOMPARE(s.Dialog.OKBtn1->text(), QString("O&k"));
        QCOMPARE(s.Dialog.Edit(2)->text(), QString("24"));
        QCOMPARE(s.Dialog.Edit(3)->text(), QString("4"));
        QCOMPARE(s.Dialog.Edit(5)->text(), QString("9"));
        QCOMPARE(s.Dialog.Edit(6)->text(), QString("h"));
        QCOMPARE(s.Dialog.Edit(7)->text(), QString("d"));
        QCOMPARE(s.Dialog.Edit(8)->text(), QString());
        QVERIFY(!s.Dialog.Edit(8)->isEnabled());
        QVERIFY(!s.Dialog.AantalMatchLab->isEnabled());
        QVERIFY(s.Dialog.VeelWeinigBox->isChecked());
        QVERIFY(!s.Dialog.HelpmessBox->isChecked());
        QVERIFY(s.Dialog.Edit(1)->hasFocus());
    }

    void EnterChecksTheFieldAndMovesOnOnlyWhenItPassed() {
        Setup s;
        s.ShowNew();
        s.Type(2, "3");
        QCOMPARE(s.Messages.Texts(), std::vector<std::string>{"Aantal Leden = 0 : "});
        QVERIFY(s.Dialog.Edit(2)->hasFocus());
        QCOMPARE(int(s.State.Configuration.Config.CfgRec.NLeden), 3);
        QCOMPARE(s.Bell.Beeps, 1);
        s.Messages.Clear();
        s.Type(2, "36");
        QVERIFY(s.Dialog.Edit(3)->hasFocus());
        s.Type(4, "21");
        QCOMPARE(s.Messages.Texts(),
                 std::vector<std::string>{"Aantal te groot 21 bestaat niet\n\r"});
        QVERIFY(s.Dialog.Edit(4)->hasFocus());
        s.Type(4, "20");
        QVERIFY(s.Dialog.Edit(5)->hasFocus());
        // Field 7 skips the disabled matches field.
        s.Type(7, " v ");
        QVERIFY(s.Dialog.GamesBox->hasFocus());
        QCOMPARE(s.State.Configuration.Config.CfgRec.Grpn[1], std::string_view("v"));
        QVERIFY(s.Dialog.isVisible()); // Enter pressed no button
    }

    void ClubNameInWindows1252() {
        Setup s;
        s.ShowNew();
        s.Type(1, QString::fromUtf8("Tennisclub Zoë"));
        QCOMPARE(s.State.Configuration.Config.CfgRec.ClubNaam,
                 std::string_view("Tennisclub Zo\xEB"));
    }

    void GamesBoxOpensTheMatchesFieldAndOkAsksForARestart() {
        Setup s;
        s.ShowNew();
        QTest::mouseClick(s.Dialog.GamesBox, Qt::LeftButton, {},
                          QPoint(6, s.Dialog.GamesBox->height() / 2));
        QVERIFY(s.Dialog.Edit(8)->isEnabled());
        QCOMPARE(s.Dialog.Edit(8)->text(), QString("1"));
        s.Dialog.Edit(8)->setText("99");
        QTest::mouseClick(s.Dialog.OKBtn1, Qt::LeftButton);
        // OK makes no range checks: 99 is stored.
        QCOMPARE(int(s.State.Configuration.Config.CfgRec.NMatches), 99);
        QCOMPARE(int(s.State.Configuration.Config.CfgRec.Telling), 1);
        QCOMPARE(s.Messages.Texts(),
                 std::vector<std::string>{
                     "Voor het activeren van Matches\rHet programma opnieuw starten"});
        QCOMPARE(s.Dialog.result(), int(QDialog::Accepted));
    }

    void OkWithCountingAlreadyOnShowsNoRestartMessage() {
        Setup s;
        DefaultConfig(s.State.Common, s.State.Configuration);
        s.State.Configuration.Config.CfgRec.Telling = 1;
        s.State.Members.MemberListLoaded = true;
        QVERIFY(s.Dialog.PrepareShow(false));
        s.Dialog.show();
        QVERIFY(s.Dialog.GamesBox->isChecked());
        QCOMPARE(s.Dialog.Edit(8)->text(), QString("1"));
        s.Dialog.OKBtn1->setFocus();
        QTest::keyClick(s.Dialog.OKBtn1, Qt::Key_Return); // Enter presses the focused button
        QCOMPARE(s.Dialog.result(), int(QDialog::Accepted));
        QVERIFY(s.Messages.Shown.empty());
    }

    void OkOnAnUnnamedListWritesNoFileButANamedOneDoes() {
        ScratchFolder folder;
        Setup s;
        s.ShowNew();
        QTest::mouseClick(s.Dialog.OKBtn1, Qt::LeftButton);
        QVERIFY(!Exists("N_N.cfg"));
        s.State.Members.MemberFileName = folder.Path("club.tvs");
        s.State.Members.MemberListLoaded = true;
        QVERIFY(s.Dialog.PrepareShow(false));
        s.Dialog.show();
        s.Dialog.Edit(5)->setText("0");
        QTest::mouseClick(s.Dialog.OKBtn1, Qt::LeftButton);
        std::string bytes = ReadBytes(folder.Path("club.cfg"));
        QCOMPARE(bytes.size(), std::size_t{268});
        QCOMPARE(bytes.substr(49, 2), std::string("\0\0", 2)); // NBanen 0, unchecked on OK
    }

    void OkThatCannotWriteTheFileKeepsTheDialogOpenAndConfigOk() {
        ScratchFolder folder;
        Setup s;
        DefaultConfig(s.State.Common, s.State.Configuration);
        s.State.Members.MemberFileName =
            folder.Path("weg/club.tvs"); // a folder that does not exist
        s.State.Members.MemberListLoaded = true;
        s.State.Configuration.ConfigOK = true;
        bool stillOpen = false;
        QTimer::singleShot(0, [&] {
            s.Dialog.Edit(1)->setText("TC Baan");
            QTest::mouseClick(s.Dialog.OKBtn1, Qt::LeftButton);
            stillOpen = s.Dialog.isVisible() && s.Dialog.Edit(1)->text() == "TC Baan" &&
                        s.State.Configuration.ConfigOK;
            QTest::mouseClick(s.Dialog.CancelBtn1, Qt::LeftButton);
        });
        s.Dialog.OpenConfigDial(false);
        QVERIFY(stillOpen);
        // The system's reason in the language of this machine.
        QCOMPARE(s.Messages.Texts(),
                 std::vector<std::string>{folder.Path("weg/club.cfg") + " (" +
                                          std::strerror(ENOENT) +
                                          ") Wegschrijven NIET gelukt\n\r probeer opnieuw of "
                                          "controleer file"});
        QVERIFY(!Exists(folder.Path("weg/club.cfg")));
        QVERIFY(!s.State.Configuration.ConfigOK); // closed with Cancel in the end
    }

    void InvalidGroupMarkIsReportedOnOkAndTheOldMarkKept() {
        Setup s;
        s.ShowNew();
        s.Dialog.Edit(6)->setText("1x");
        QTest::mouseClick(s.Dialog.OKBtn1, Qt::LeftButton);
        QCOMPARE(s.Messages.Texts(),
                 std::vector<std::string>{"Aanduiding foutief 1x heeft verkeerd formaat\n\r"});
        QCOMPARE(s.State.Configuration.Config.CfgRec.Grpn[0], std::string_view("h"));
        QCOMPARE(s.Dialog.result(), int(QDialog::Accepted));
    }

    void CancelKeepsValuesStoredByEnterAndReenablesNieuw() {
        Setup s;
        int nieuwEnabled = 0;
        s.Dialog.OnCancel = [&] { ++nieuwEnabled; };
        s.ShowNew();
        s.Type(5, "12");
        QTest::keyClick(s.Dialog.Edit(6), Qt::Key_Escape);
        QCOMPARE(nieuwEnabled, 1);
        QVERIFY(!s.Dialog.isVisible());
        QCOMPARE(s.Dialog.result(), int(QDialog::Rejected));
        QCOMPARE(int(s.State.Configuration.Config.CfgRec.NBanen), 12);
    }

    void OpenConfigDialSetsConfigOkFromTheButton() {
        Setup s;
        QTimer::singleShot(0, [&] { QTest::mouseClick(s.Dialog.OKBtn1, Qt::LeftButton); });
        s.Dialog.OpenConfigDial(true);
        QVERIFY(s.State.Configuration.ConfigOK);
        QTimer::singleShot(0, [&] { QTest::mouseClick(s.Dialog.CancelBtn1, Qt::LeftButton); });
        s.State.Members.MemberListLoaded = true;
        s.Dialog.OpenConfigDial(false);
        QVERIFY(!s.State.Configuration.ConfigOK);
    }

    void MenuWithoutAListShowsNoDialog() {
        Setup s;
        s.State.Configuration.ConfigOK = true;
        s.Dialog.OpenConfigDial(false);
        QCOMPARE(s.Messages.Texts(), std::vector<std::string>{"Geen Ledenbestand geladen"});
        QVERIFY(!s.Dialog.isVisible());
    }
};

QTEST_MAIN(ConfigDialogTest)
#include "config_dialog_test.moc"
