#include "app/config/options_window.h"
#include "app/shell/about_box.h"
#include "app/shell/main_window.h"
#include "app/shell/splash_form.h"
#include "app/shell/start_up.h"
#include "app/shell/tolvex_application.h"
#include "core/common/file_error.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sstream>

#include <stdexcept>

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void TheSplashStaysAtLeastOneAndAHalfSeconds() {
        QElapsedTimer shown;
        shown.start();
        ShowSplash();
        QVERIFY(shown.elapsed() >= 1500);

        TSplashForm splash;
        QCOMPARE(splash.windowTitle(), QString("T O L V E X"));
        QCOMPARE(splash.TennisImageLabel->pixmap().size(), QSize(400, 200));
        QVERIFY(!splash.FormCloseQuery());
        splash.show();
        QVERIFY(!splash.close());
        splash.SplashTimer();
        QVERIFY(splash.FormCloseQuery());
        QVERIFY(splash.close());
    }

    void WindowsAreCreatedHiddenAndTheAboutBoxShowsOnInformatie() {
        AppState state;
        TestPorts fakes;
        ScriptedChooser chooser;
        RecordingPrintCanvas printer;
        NoHelp help;
        ProgramWindows windows =
            CreateWindows(state, WindowPorts{fakes.Messages, fakes.Pump, fakes.Bell, fakes.Time,
                                             chooser, printer, help});
        QVERIFY(!windows.Main->isVisible());
        QVERIFY(!windows.AboutBox->isVisible());
        QVERIFY(windows.OptiesForm && !windows.OptiesForm->isVisible());
        QCOMPARE(windows.AboutBox->windowTitle(), QString("Verantwoording"));
        QCOMPARE(windows.AboutBox->ProductName->text(), QString("TOLVEX  2012"));
        QCOMPARE(windows.AboutBox->Version->text(), QString("Versie 12.0.1"));
        QCOMPARE(windows.AboutBox->OKButton->text(), QString("O&k"));
        for (int round = 0; round < 2; ++round) {
            bool wasShown = false;
            QTimer::singleShot(0, [&] {
                wasShown = windows.AboutBox->isVisible();
                windows.AboutBox->OKButton->click();
            });
            windows.Main->findChild<QAction*>("Info")->trigger();
            QVERIFY(wasShown);
            QVERIFY(!windows.AboutBox->isVisible());
        }
    }

    void AnExceptionAtTheEventLoopIsShownAndTheProgramGoesOn() {
        auto* app = qobject_cast<TolvexApplication*>(QCoreApplication::instance());
        QVERIFY(app);
        ScriptedMessenger messages;
        app->Reporter = &messages;
        QTimer::singleShot(
            0, [] { throw FileError("/tmp/club/leden.tvs", "No space left on device"); });
        QTimer::singleShot(0, [] { throw std::runtime_error("kapot"); });
        QTest::qWait(20);
        app->Reporter = nullptr;
        QCOMPARE(messages.Shown.size(), size_t(2));
        QCOMPARE(messages.Shown[0].Text,
                 std::string("/tmp/club/leden.tvs\rNo space left on device"));
        QCOMPARE(messages.Shown[0].Kind, uint8_t(KindFout));
        QCOMPARE(messages.Shown[0].Buttons, uint16_t(ButtonsOK));
        QCOMPARE(messages.Shown[1].Text, std::string("kapot"));

        FileError accented("/tmp/caf\xC3\xA9.tvs", "");
        QCOMPARE(EscapedErrorText(accented), std::string("/tmp/caf\xE9.tvs"));
        // Before the message window exists, the error goes to standard error.
        std::ostringstream errors;
        app->ErrorStream = &errors;
        QTimer::singleShot(0, [] { throw FileError("/tmp/leden.tvs", "Permission denied"); });
        QTest::qWait(20);
        app->ErrorStream = &std::cerr;
        QCOMPARE(errors.str(), std::string("tolvex: /tmp/leden.tvs: Permission denied\n"));
    }

    void TheApplicationTitleIsTheProgramsDisplayName() {
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString("Tennis Programma TolvexX"));
    }

    void QtsOwnDialogsSpeakDutch() {
        auto* app = qobject_cast<TolvexApplication*>(QCoreApplication::instance());
        QVERIFY(app->LoadDutchTranslations());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Annuleren"));
    }
};

int main(int argc, char** argv) {
    TolvexApplication app(argc, argv);
    StartUpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "start_up_test.moc"
