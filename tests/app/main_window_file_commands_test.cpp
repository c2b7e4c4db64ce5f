#include "app/config/config_dialog.h"
#include "app/config/options_window.h"
#include "app/members/member_file_commands.h"
#include "app/shell/main_window.h"
#include "file_test_support.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

class NoHelpRequests : public HelpRequests {
public:
    void ShowContext(int) override {}
    void ShowContents() override {}
    void ShowHelpOnHelp() override {}
};

struct Fixture {
    AppState State;
    TestPorts Fakes;
    ScriptedChooser Choose;
    RecordingPrintCanvas Printer;
    NoHelpRequests Help;
    std::unique_ptr<TTolvex12> Window;
    ScratchFolder Folder;

    Fixture() {
        Window =
            std::make_unique<TTolvex12>(State, WindowPorts{Fakes.Messages, Fakes.Pump, Fakes.Bell,
                                                           Fakes.Time, Choose, Printer, Help});
    }
    QAction* Action(const char* name) const { return Window->findChild<QAction*>(name); }
    // Presses OK in the configuration dialog as soon as it shows.
    void ConfirmConfiguration() {
        QTimer::singleShot(0, [this] {
            auto* dialog = Window->findChild<TConfigDial*>();
            QVERIFY(dialog);
            QTest::mouseClick(dialog->OKBtn1, Qt::LeftButton);
        });
    }
};

} // namespace

class MainWindowFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void NieuwShowsTheListAndIsOffUntilTheFirstSave() {
        Fixture f;
        f.ConfirmConfiguration();
        f.Action("Nieuw1")->trigger();
        QCOMPARE(f.Window->StatusPanelText(1), QString("N_N"));
        QVERIFY(!f.Action("Nieuw1")->isEnabled());
        QVERIFY(f.Action("Bewaren1")->isEnabled());
        QVERIFY(!f.Window->Sluit()); // the list is shown
        f.Choose.SaveAnswers.push_back(f.Folder.Path("najaar.tvs"));
        f.Action("BewaarSpdBtn")->trigger();
        QCOMPARE(ReadBytes(f.Folder.Path("najaar.tvs")).size(), std::size_t{5800});
        QCOMPARE(f.Window->StatusPanelText(1), QString("najaar.tvs"));
        QVERIFY(f.Action("Nieuw1")->isEnabled());
    }

    void OpenLoadsTheFileAndTheRedButtonSavesWithAReport() {
        Fixture f;
        std::string file = f.Folder.Path("club.tvs");
        WriteBytes(file, HeaderBytes(0, "2") + MemberBytes(1, 4, "Kees", "Bos", "h", "X") +
                             MemberBytes(2, 5, "Els", "Kok", "d", "-"));
        WriteBytes(f.Folder.Path("club.cfg"), ConfigBytes(2));
        f.Choose.OpenAnswers.push_back(file);
        f.Action("Open1")->trigger();
        QVERIFY(f.Fakes.Messages.Shown.empty());
        QCOMPARE(int(f.State.Members.MemberCount), 2);
        QCOMPARE(f.Window->StatusPanelText(1), QString("club.tvs"));
        QVERIFY(!f.Action("PaarSchema")->isEnabled());
        QTest::mouseClick(f.Window->findChild<QPushButton*>("SaveBtn"), Qt::LeftButton);
        QCOMPARE(f.Fakes.Messages.Texts(),
                 std::vector<std::string>{"Wegschrijven van " + file + " gelukt"});
        QCOMPARE(ReadBytes(f.Folder.Path("club.~tv")).size(), std::size_t{3 * 232});
    }

    void ConfiguratieWithoutAListIsRefused() {
        Fixture f;
        f.Action("Configuratie")->trigger();
        QCOMPARE(f.Fakes.Messages.Texts(), std::vector<std::string>{"Geen Ledenbestand geladen"});
    }

    void ConfiguratieAfterACancelledOpenShowsTheLoadedListsConfiguration() {
        Fixture f;
        std::string file = f.Folder.Path("club.tvs");
        WriteBytes(file, HeaderBytes(1, "") + MemberBytes(1, 9, "Wim", "Smit", "h", "X"));
        WriteBytes(f.Folder.Path("club.cfg"), ConfigBytes(1));
        f.Choose.OpenAnswers.push_back(file);
        f.Action("Open1")->trigger();
        f.Choose.OpenAnswers.push_back(std::nullopt);
        f.Action("Open1")->trigger(); // cancelled: the list stays loaded and shown
        QCOMPARE(int(f.State.Members.MemberCount), 1);
        QString shownClub;
        QTimer::singleShot(0, [&] {
            auto* dialog = f.Window->findChild<TConfigDial*>();
            QVERIFY(dialog && dialog->isVisible());
            shownClub = dialog->Edit(2)->text();
            QTest::mouseClick(dialog->CancelBtn1, Qt::LeftButton);
        });
        f.Action("Configuratie")->trigger();
        QVERIFY(f.Fakes.Messages.Shown.empty());
        QCOMPARE(shownClub, QString("1")); // "Aantal leden" of club.cfg
    }

    void AStoredPdfChoiceSurvivesOnASystemWithoutPrinters() {
        Fixture f;
        f.Printer.PrinterNames = {"PDF-bestand"}; // what a system without printers lists
        std::string file = f.Folder.Path("club.tvs");
        WriteBytes(file, HeaderBytes(1, "") + MemberBytes(1, 9, "Wim", "Smit", "h", "X"));
        std::string cfg = ConfigBytes(1);
        cfg.replace(112, 4, std::string(4, '\0')); // printer 0: "PDF-bestand"
        WriteBytes(f.Folder.Path("club.cfg"), cfg);
        f.Choose.OpenAnswers.push_back(file);
        f.Action("Open1")->trigger();
        QVERIFY(f.Fakes.Messages.Shown.empty());
        QCOMPARE(int(f.State.Configuration.PrnCfg.PrntInstel), 0);

        f.Fakes.Messages.Answer(ResultNo);
        f.Action("Print1")->trigger();
        QCOMPARE(f.Fakes.Messages.Texts(),
                 std::vector<std::string>{"Afdrukken op printer: \rPDF-bestand"});

        QString shownPrinter;
        QTimer::singleShot(0, [&] {
            auto* form = f.Window->findChild<TOptiesForm*>();
            QVERIFY(form && form->isVisible());
            shownPrinter = form->PrinterLab->text();
            QTest::mouseClick(form->OkBtn, Qt::LeftButton);
        });
        f.Action("PrintOpties")->trigger();
        QCOMPARE(shownPrinter, QString("Printer: PDF-bestand"));
    }

    void CommandLineFileIsOpened() {
        Fixture f;
        std::string file = f.Folder.Path("voorjaar.tvs");
        WriteBytes(file, HeaderBytes(1, "") + MemberBytes(1, 9, "Wim", "Smit", "h", "X"));
        WriteBytes(f.Folder.Path("voorjaar.cfg"), ConfigBytes(1));
        f.Window->OpenFileFromCommandLine(QString::fromStdString(file));
        QCOMPARE(int(f.State.Members.MemberCount), 1);
        QCOMPARE(f.Window->StatusPanelText(1), QString("voorjaar.tvs"));
        QVERIFY(f.Action("Bewaren1")->isEnabled());
    }
};

QTEST_MAIN(MainWindowFileCommandsTest)
#include "main_window_file_commands_test.moc"
