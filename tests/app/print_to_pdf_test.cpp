#include "../core/report_test_store.h"
#include "app/common/print_dialogs.h"
#include "app/common/qt_print_canvas.h"
#include "app/common/qt_print_preview.h"
#include "app/members/member_grid.h"
#include "app/reports/results_form.h"
#include "app/shell/main_window.h"
#include "app/shell/start_up.h"
#include "core/config/config_file.h"
#include "core/config/print_job.h"
#include "core/config/print_options.h"
#include "core/reports/report_print.h"
#include "file_test_support.h"
#include "scripted_ports.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <memory>

namespace {

// The text of a PDF file as poppler reads it, pages separated by form feeds.
QString PdfText(const std::string& fileName) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", QString::fromStdString(fileName), "-"});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

int PdfPages(const QString& text) {
    QString trimmed = text;
    while (trimmed.endsWith('\f') || trimmed.endsWith('\n')) trimmed.chop(1);
    return static_cast<int>(trimmed.count('\f')) + 1;
}

// The windows' ports on the program's own Qt printer, with the PDF file and preview dialogs.
struct PdfPrinterPorts {
    TestPorts Fakes;
    ScriptedChooser Chooser;
    QPrinter Printer{QPrinter::HighResolution};
    QtPrintCanvas Canvas{Printer};
    NoHelp Help;
    PrintDialogs Dialogs{Canvas, Chooser};
    WindowPorts Ports{Fakes.Messages, Fakes.Pump, Fakes.Bell, Fakes.Time, Chooser, Canvas, Help};

    PdfPrinterPorts() { Ports.Printing = &Dialogs; }
};

// A member as the member dialog adds him, numbered on from 20.
void AddMember(AppState& state, const char* first, const char* last, const char* group,
               const char* code) {
    TLedenObj obj;
    obj.LidRecord.ClubNo = static_cast<int16_t>(20 + state.Members.MemberCount);
    obj.LidRecord.Voornaam = first;
    obj.LidRecord.AchterNaam = last;
    obj.LidRecord.Groep = group;
    obj.LidRecord.StatCode = code;
    state.Members.MemberList.push_back(obj);
    ++state.Members.MemberCount;
    state.Members.MemberDataPresent = true;
}

// The main window on the PDF printer, shown by the test.
struct MainWindowOnPdf {
    explicit MainWindowOnPdf(AppState& state)
        : Window(state, Pdf.Ports) {
        Window.show();
    }
    PdfPrinterPorts Pdf;
    TTolvex12 Window;
};

} // namespace

class PrintToPdfTest : public QObject {
    Q_OBJECT

private slots:
    void APairScheduleOnThreeLandscapePagesReadsBackFromThePdf() {
        ScratchFolder folder;
        HandStore s;
        FillClubSchedule(s);
        AppState& state = *s.State;
        DefaultConfig(state.Common, state.Configuration);
        state.Configuration.Config.CfgRec.ClubNaam = "TC Oost";
        state.Configuration.PrnCfg.Preferent |= PrefLiggend;
        state.Configuration.PrnCfg.LinespPage = 14;

        QPrinter printer(QPrinter::HighResolution);
        QtPrintCanvas canvas(printer);
        // "PDF-bestand" is the last printer of the list, also on a system without printers.
        std::vector<std::string> printers = canvas.Printers();
        QCOMPARE(printers.back(), std::string("PDF-bestand"));
        state.Configuration.PrnCfg.PrntInstel = static_cast<int32_t>(printers.size()) - 1;
        ScriptedChooser chooser;
        chooser.SaveAnswers = {folder.Path("paren")};

        const std::optional<ReportPrintout> report = s.Printout(ReportPairSchedule);
        QVERIFY(report);
        ReportPrintFields fields;
        s.Messages.Answer(ResultYes);
        QVERIFY(PrintReportCommand(state.Common, state.Configuration, s.Messages, canvas, *report,
                                   fields, [&] { return ChoosePdfFile(canvas, chooser); }));
        QCOMPARE(s.Messages.Texts(),
                 std::vector<std::string>{"Afdrukken op printer: \rPDF-bestand"});
        QCOMPARE(chooser.Requests.back().Filter, std::string("PDF-bestanden (*.pdf)"));
        QVERIFY(printer.pageLayout().orientation() == QPageLayout::Landscape);

        QString text = PdfText(folder.Path("paren.pdf"));
        QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
        QCOMPARE(PdfPages(text), 3);
        QStringList pages = text.split('\f');
        QVERIFY(pages[0].contains("TC Oost"));
        QVERIFY(pages[0].contains("PAREN INDELING"));
        QVERIFY(pages[0].contains(QRegularExpression("ronde\\s+Voornaam\\s+Achternaam\\s+tegen")));
        QVERIFY(pages[0].contains(QRegularExpression("Jan\\s+Smit\\s+Kees\\s+de Vries")));
        QVERIFY(pages[0].contains("-1-"));
        QVERIFY(!pages[1].contains("PAREN INDELING")); // no title block on later pages
        QVERIFY(pages[1].contains("-2-"));
        QVERIFY(pages[2].contains("-3-"));
        QVERIFY(pages[2].contains("Ria"));
    }

    void TheMemberListPrintsFromTheMainWindowToAPdf() {
        ScratchFolder folder;
        AppState state;
        DefaultConfig(state.Common, state.Configuration);
        state.Configuration.Config.CfgRec.Grpn[0] = "h";
        state.Configuration.Config.CfgRec.Grpn[1] = "d";
        AddMember(state, "Jan", "Smit", "h", "-");
        AddMember(state, "Els", "Bos", "d", "-");
        AddMember(state, "Piet", "Jong", "h", "-");
        MainWindowOnPdf main(state);
        TestPorts& fakes = main.Pdf.Fakes;
        ScriptedChooser& chooser = main.Pdf.Chooser;
        QtPrintCanvas& canvas = main.Pdf.Canvas;
        TTolvex12& window = main.Window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.OpenLedenInput();
        state.Members.MemberFileName = folder.Path("club.tvs"); // as after opening that file

        // No printer chosen yet: refused.
        window.findChild<QAction*>("Print1")->trigger();
        QCOMPARE(fakes.Messages.Texts(), std::vector<std::string>{"Geen Printer aanwezig"});

        fakes.Messages.Clear();
        state.Configuration.PrnCfg.PrntInstel = static_cast<int32_t>(canvas.Printers().size()) - 1;
        fakes.Messages.Answer(ResultYes);
        chooser.SaveAnswers = {folder.Path("leden.pdf")};
        window.findChild<QAction*>("Print1")->trigger();
        QCOMPARE(fakes.Messages.Texts(),
                 std::vector<std::string>{"Afdrukken op printer: \rPDF-bestand"});
        QString text = PdfText(folder.Path("leden.pdf"));
        QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
        QCOMPARE(PdfPages(text), 1);
        QVERIFY(text.contains("Tennis Tolvex"));
        QVERIFY2(text.contains("club.tvs"), qPrintable(text));
        QVERIFY(text.contains(QRegularExpression("Nr\\.\\s+\\|\\s*Voornaam\\s+\\|\\s*Achternaam")));
        QVERIFY(text.contains(QRegularExpression("Piet\\s+\\|\\s*Jong")));
        QCOMPARE(int(state.Configuration.PrnCfg.LeftMarge), 3 * state.Common.Printer.PrnCharWidth);

        // The preview lays out the same pages; it is closed as soon as it shows.
        bool previewShown = false;
        QTimer::singleShot(0, [&] {
            QWidget* preview = OpenPrintPreview();
            previewShown = preview && preview->isVisible();
            if (preview) preview->close();
        });
        window.findChild<QAction*>("PrintPreview1")->trigger();
        QVERIFY(previewShown);
    }

    void ThePreviewKeepsTheSettingsAndPrintsOnlyThroughThePrintCommand() {
        ScratchFolder folder;
        AppState state;
        DefaultConfig(state.Common, state.Configuration);
        AddMember(state, "Jan", "Smit", "h", "");
        MainWindowOnPdf main(state);
        TestPorts& fakes = main.Pdf.Fakes;
        ScriptedChooser& chooser = main.Pdf.Chooser;
        QtPrintCanvas& canvas = main.Pdf.Canvas;
        TTolvex12& window = main.Window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.OpenLedenInput();
        const TPrnCFGRec before = state.Configuration.PrnCfg;

        // Presses the preview's print button as soon as the preview shows.
        auto pressPrintInPreview = [] {
            QTimer::singleShot(0, [] {
                QWidget* preview = OpenPrintPreview();
                QVERIFY(preview);
                auto* print = preview->findChild<QAction*>("PreviewPrintAction");
                QVERIFY(print);
                QVERIFY(print->isVisible());
                // The paper is the print options' business: no page set-up, no orientation.
                for (const char* text : {"Page setup", "Portrait", "Landscape"})
                    for (QAction* action : preview->findChildren<QAction*>())
                        if (action->text() ==
                            QCoreApplication::translate("QPrintPreviewDialog", text))
                            QVERIFY(!action->isVisible());
                print->trigger();
                if (OpenPrintPreview()) OpenPrintPreview()->close();
            });
        };

        // No printer chosen: the preview's print button is refused like "&Print".
        pressPrintInPreview();
        window.findChild<QAction*>("PrintPreview1")->trigger();
        QCOMPARE(fakes.Messages.Texts(), std::vector<std::string>{"Geen Printer aanwezig"});
        QVERIFY(std::memcmp(&state.Configuration.PrnCfg, &before, sizeof before) == 0);

        // The PDF printer chosen: the same question as "&Print"; "&Nee" prints nothing.
        fakes.Messages.Clear();
        state.Configuration.PrnCfg.PrntInstel = static_cast<int32_t>(canvas.Printers().size()) - 1;
        const TPrnCFGRec chosen = state.Configuration.PrnCfg;
        fakes.Messages.Answer(ResultNo);
        pressPrintInPreview();
        window.findChild<QAction*>("PrintPreview1")->trigger();
        QCOMPARE(fakes.Messages.Texts(),
                 std::vector<std::string>{"Afdrukken op printer: \rPDF-bestand"});
        QVERIFY(chooser.Requests.empty()); // no file asked, nothing printed
        // The preview laid the list out with its own margin, but the settings that are saved
        // stay as they were.
        QVERIFY(std::memcmp(&state.Configuration.PrnCfg, &chosen, sizeof chosen) == 0);

        // "&Ja": printed through the command, to the file it asks for.
        fakes.Messages.Clear();
        fakes.Messages.Answer(ResultYes);
        chooser.SaveAnswers = {folder.Path("leden.pdf")};
        pressPrintInPreview();
        window.findChild<QAction*>("PrintPreview1")->trigger();
        QCOMPARE(fakes.Messages.Texts(),
                 std::vector<std::string>{"Afdrukken op printer: \rPDF-bestand"});
        QVERIFY(PdfText(folder.Path("leden.pdf")).contains("Smit"));
    }

    void TheReportPreviewPrintsThroughPrintAndKeepsTheLineHeight() {
        HandStore s;
        FillClubSchedule(s);
        AppState& state = *s.State;
        DefaultConfig(state.Common, state.Configuration);
        state.Configuration.PrnCfg.LineHeight = 50; // the printer's own line height differs
        PdfPrinterPorts pdf;
        TestPorts& fakes = pdf.Fakes;
        ScriptedChooser& chooser = pdf.Chooser;
        state.Configuration.PrnCfg.PrntInstel =
            static_cast<int32_t>(pdf.Canvas.Printers().size()) - 1;
        ProgramWindows windows = CreateWindows(state, pdf.Ports);
        windows.Main->show();
        windows.Main->EnableUitVoerItems(true);
        windows.Main->findChild<QAction*>("PaarSchema")->trigger();
        TResultsForm* form = windows.ResultsForm.get();
        QVERIFY(form->isVisible());
        const TPrnCFGRec before = state.Configuration.PrnCfg;

        bool laidOut = false;
        QTimer::singleShot(0, [&] {
            QWidget* preview = OpenPrintPreview();
            QVERIFY(preview);
            laidOut = state.Common.Printer.PrnLineHeight != 0;
            preview->findChild<QAction*>("PreviewPrintAction")->trigger();
        });
        fakes.Messages.Answer(ResultNo);
        form->PreviewBtn->click();
        QVERIFY(laidOut);
        QCOMPARE(fakes.Messages.Texts(),
                 std::vector<std::string>{"Afdrukken op printer: \rPDF-bestand"});
        QVERIFY(chooser.Requests.empty());
        QCOMPARE(int(state.Configuration.PrnCfg.LineHeight), 50);
        QVERIFY(std::memcmp(&state.Configuration.PrnCfg, &before, sizeof before) == 0);
    }

    void APdfFileCountsAMarginOfTheDefaultPixelsAsAboutACentimetre() {
        AppState state;
        DefaultConfig(state.Common, state.Configuration);
        TestPorts fakes;
        QPrinter printer(QPrinter::HighResolution);
        QtPrintCanvas canvas(printer);
        state.Configuration.PrnCfg.PrntInstel = static_cast<int32_t>(canvas.Printers().size()) - 1;
        SelectPrinterForJob(state.Common, state.Configuration, fakes.Messages, canvas);
        QVERIFY(fakes.Messages.Shown.empty());
        QCOMPARE(printer.resolution(), 300);
        const int mm = PixelsToMillimetres(state.Configuration.PrnCfg.LeftMarge,
                                           state.Common.Printer.PrnPixPerCm);
        QVERIFY2(mm >= 9 && mm <= 11, qPrintable(QString::number(mm)));
        // The font keeps its size in points: 10 points at 300 dpi.
        QCOMPARE(std::abs(canvas.FontHeight()), 10 * 300 / 72);
    }
};

QTEST_MAIN(PrintToPdfTest)
#include "print_to_pdf_test.moc"
