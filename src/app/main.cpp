#include "common/app_state.h"
#include "common/help_requests.h"
#include "common/qt_chooser.h"
#include "common/qt_event_pump.h"
#include "common/qt_messenger.h"
#include "common/qt_print_canvas.h"
#include "common/qt_system_ports.h"
#include "shell/about_box.h"
#include "shell/start_up.h"
#include "shell/tolvex12.h"
#include "shell/tolvex_application.h"

#include <QIcon>
#include <QPrinter>

int main(int argc, char** argv) {
    TolvexApplication app(argc, argv);
    app.LoadDutchTranslations();
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == "hicolor")
        QIcon::setThemeName("Adwaita");
    QIcon::setFallbackThemeName("Adwaita");

    ShowSplash();

    AppState state;
    NoHelp help;
    QtMessenger messenger(help);
    QtEventPump pump;
    QtBeeper beeper;
    QtClock clock;
    QPrinter printer(QPrinter::HighResolution);
    QtPrintCanvas canvas(printer);
    QtChooser chooser(printer);
    app.Reporter = &messenger;

    WindowPorts ports{messenger, pump, beeper, clock, chooser, canvas, help};
    ProgramWindows windows = CreateWindows(state, ports);
    chooser.SetParent(windows.Main.get());
    windows.Main->show();
    // "tolvex club.tvs" opens that member file, as desktop programs do.
    if (app.arguments().size() > 1) windows.Main->OpenFileFromCommandLine(app.arguments().at(1));
    int result = app.exec();
    app.Reporter = nullptr;
    return result;
}
