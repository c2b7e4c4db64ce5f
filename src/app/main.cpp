#include "app/common/print_dialogs.h"
#include "app/common/qt_chooser.h"
#include "app/common/qt_event_pump.h"
#include "app/common/qt_messenger.h"
#include "app/common/qt_print_canvas.h"
#include "app/common/qt_system_ports.h"
#include "app/help/help_key_filter.h"
#include "app/help/help_viewer.h"
#include "app/members/member_file_chooser.h"
#include "app/shell/about_box.h"
#include "app/shell/main_window.h"
#include "app/shell/start_up.h"
#include "app/shell/tolvex_application.h"
#include "state/app_state.h"

#include <QIcon>
#include <QPrinter>

int main(int argc, char** argv) {
    TolvexApplication app(argc, argv);
    QGuiApplication::setDesktopFileName("nl.tolvex.Tolvex");
    app.LoadDutchTranslations();
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == "hicolor")
        QIcon::setThemeName("Adwaita");
    QIcon::setFallbackThemeName("Adwaita");

    // The help file lies beside the program; F1 asks it for help in every window.
    TQelHtmlHelpViewer help(QString::fromLatin1(HelpFileName));
    app.installEventFilter(new HelpKeyFilter(help, &app));

    ShowSplash();

    AppState state;
    QtMessenger messenger(help);
    QtEventPump pump;
    QtBeeper beeper;
    QtClock clock;
    QPrinter printer(QPrinter::HighResolution);
    QtPrintCanvas canvas(printer);
    QtChooser chooser(printer);
    // The member file's dialogs: a case-insensitive ".tvs" filter, no second overwrite question.
    MemberFileChooser memberFiles(chooser, nullptr);
    // The PDF file of the "PDF-bestand" printer and the print preview.
    PrintDialogs printDialogs(canvas, chooser);
    app.Reporter = &messenger;

    WindowPorts ports{messenger, pump, beeper, clock, chooser, canvas, help};
    ports.MemberFiles = &memberFiles;
    ports.Printing = &printDialogs;
    ProgramWindows windows = CreateWindows(state, ports);
    chooser.SetParent(windows.Main.get());
    memberFiles.SetParent(windows.Main.get());
    windows.Main->show();
    // "tolvex club.tvs" opens that member file, as desktop programs do.
    if (app.arguments().size() > 1) windows.Main->OpenFileFromCommandLine(app.arguments().at(1));
    int result = app.exec();
    app.Reporter = nullptr;
    return result;
}
