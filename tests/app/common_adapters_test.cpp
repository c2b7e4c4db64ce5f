#include "app/common/application_hints.h"
#include "app/common/date_edit_adapter.h"
#include "app/common/form_scaling_adapter.h"
#include "app/common/qt_event_pump.h"
#include "app/common/qt_print_canvas.h"
#include "core/common/printer_metrics.h"
#include "scripted_ports.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

class CommonAdaptersTest : public QObject {
    Q_OBJECT
private slots:
    void DateBoxIsCompletedOrReportedAndRefocused() {
        AppState state;
        ScriptedMessenger messages;
        FixedClock clock({2026, 12, 9});
        QLineEdit box;
        box.setText("0503");
        QVERIFY(NormaliseDateEdit(state, messages, clock, &box));
        QCOMPARE(box.text(), QString("5-3-2026"));
        box.setText("05032015");
        QVERIFY(NormaliseDateEdit(state, messages, clock, &box));
        QCOMPARE(box.text(), QString("5-3-2015"));
        box.setText("5-3-201");
        QVERIFY(NormaliseDateEdit(state, messages, clock, &box));
        QCOMPARE(box.text(), QString("5-3-0201")); // the year is written with four digits
        box.setText("");
        QVERIFY(NormaliseDateEdit(state, messages, clock, &box));
        QCOMPARE(box.text(), QString(""));
        QVERIFY(messages.Shown.empty());

        QWidget window;
        QLineEdit other(&window);
        QLineEdit dateBox(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other.setFocus();
        dateBox.setText("3102");
        QVERIFY(!NormaliseDateEdit(state, messages, clock, &dateBox));
        QCOMPARE(dateBox.text(), QString("31-02"));
        QVERIFY(dateBox.hasFocus());
        QCOMPARE(messages.Last().Text, std::string("31-02 is geen geldige datum\n\r"));
        QCOMPARE(state.Common.ErrorCode, 4);
    }

    void HintsOfEveryWindowReachOneHandlerOnce() {
        QStringList shown;
        auto hints = std::make_unique<ApplicationHints>([&](const QString& hint) { shown << hint; },
                                                        nullptr);
        QDialog dialog;
        QWidget panel(&dialog);
        QLineEdit box(&panel);
        QStatusTipEvent tip("Aantal beschikbare banen");
        QCoreApplication::sendEvent(&box, &tip);
        QStatusTipEvent cleared("");
        QCoreApplication::sendEvent(&box, &cleared);
        QCOMPARE(shown, (QStringList{"Aantal beschikbare banen", ""}));
        hints.reset();
        QCoreApplication::sendEvent(&box, &tip);
        QCOMPARE(shown.size(), 2);
    }

    void ScalingMovesControlsButLeavesPanelsAndChildWidgets() {
        QWidget window;
        auto* button = new QPushButton("OK", &window);
        button->setGeometry(100, 50, 75, 25);
        auto* panel = new QFrame(&window);
        panel->setGeometry(10, 10, 200, 40);
        auto* inPanel = new QPushButton("x", panel);
        inPanel->setGeometry(5, 5, 50, 20);

        PasFormAan(&window); // Qt's own coordinates: nothing changes
        QCOMPARE(button->geometry(), QRect(100, 50, 75, 25));

        PasFormAan(&window, 120);
        QCOMPARE(button->geometry(), QRect(80, 40, 60, 20));
        QCOMPARE(panel->geometry(), QRect(10, 10, 200, 40));
        QCOMPARE(inPanel->geometry(), QRect(5, 5, 50, 20));

        PasFormAan(panel, 120); // not a window
        QCOMPARE(inPanel->geometry(), QRect(5, 5, 50, 20));
    }

    void PumpRunsTheEventLoopOnlyEveryTenMilliseconds() {
        long long now = 1000;
        QtEventPump pump([&] { return now; });
        int breathsSeen = 0;
        pump.OnBreath = [&] { ++breathsSeen; };
        QObject receiver;
        int posted = 0;
        auto post = [&] {
            QMetaObject::invokeMethod(
                &receiver, [&] { ++posted; }, Qt::QueuedConnection);
        };
        auto call = [&](int times) {
            for (int i = 0; i < times; ++i) pump.ProcessEvents();
        };
        post();
        call(1600); // the clock stands still: no breath however often it is called
        QCOMPARE(pump.Breaths, 0LL);
        QCOMPARE(posted, 0);
        now += 9;
        call(1600);
        QCOMPARE(pump.Breaths, 0LL);
        now += 1; // 10 ms since the start: the next 16th call runs the event loop
        call(15);
        QCOMPARE(pump.Breaths, 0LL);
        call(1);
        QCOMPARE(pump.Breaths, 1LL);
        QCOMPARE(breathsSeen, 1);
        QCOMPARE(posted, 1);
        post();
        now += 25; // a long candidate: one breath, not one per 10 ms missed
        call(160);
        QCOMPARE(pump.Breaths, 2LL);
        QCOMPARE(posted, 2);
        now += 10;
        call(16);
        QCOMPARE(pump.Breaths, 3LL);
        QCOMPARE(pump.Calls, 3392LL);

        QElapsedTimer pause;
        pause.start();
        pump.Delay(100);
        QVERIFY(pause.elapsed() >= 95);
    }

    void PrinterMetricsOfARealPrinterAndAPrintedPage() {
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        QtPrintCanvas canvas(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        AppState state;
        ScriptedMessenger messages;
        if (!canvas.Ready()) {
            // without an output file and no printer there is nothing to print on
            InitPrinterMetrics(state.Common, messages, canvas);
            QCOMPARE(messages.Last().Text, std::string(" P R I N T E R  N I E T  C O R R E C T "));
            messages.Clear();
        }
        printer.setOutputFileName(folder.filePath("lijst.pdf"));
        QVERIFY(canvas.Ready());
        InitPrinterMetrics(state.Common, messages, canvas);
        QVERIFY(messages.Shown.empty());
        int ppi = printer.resolution();
        QCOMPARE(canvas.FontHeight(), -(10 * ppi) / 72);
        QCOMPARE(int(state.Common.Printer.PrnLineHeight), int(std::lrint((10 * ppi / 72) * 1.2)));
        QCOMPARE(int(state.Common.Printer.PrnLinesPerPage),
                 printer.height() / state.Common.Printer.PrnLineHeight);
        QCOMPARE(int(state.Common.Printer.PrnPixPerCm), printer.width() * 10 / 203);
        QVERIFY(state.Common.Printer.PrnCharWidth > 1);

        canvas.BeginDoc("Ledenlijst");
        QCOMPARE(canvas.PageNumber(), 1);
        canvas.TextOut(100, 100, "Jansen \xE9");
        canvas.Line(100, 300, 1000, 300);
        canvas.NewPage();
        QCOMPARE(canvas.PageNumber(), 2);
        canvas.EndDoc();
        QFile pdf(folder.filePath("lijst.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");
    }
};

QTEST_MAIN(CommonAdaptersTest)
#include "common_adapters_test.moc"
