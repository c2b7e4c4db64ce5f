#include "app/shell/start_up.h"

#include "app/config/options_window.h"
#include "app/shell/about_box.h"
#include "app/shell/main_window.h"
#include "app/shell/splash_form.h"

#include <QCoreApplication>
#include <QEventLoop>

ProgramWindows::ProgramWindows() = default;
ProgramWindows::ProgramWindows(ProgramWindows&&) noexcept = default;
ProgramWindows::~ProgramWindows() = default;

void ShowSplash() {
    TSplashForm splash;
    splash.show();
    splash.repaint();
    while (!splash.FormCloseQuery()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    splash.hide();
}

ProgramWindows CreateWindows(AppState& state, const WindowPorts& ports) {
    ProgramWindows windows;
    windows.Main = std::make_unique<TTolvex12>(state, ports);
    windows.AboutBox = std::make_unique<TAboutBox>(windows.Main.get());
    windows.Main->SetAboutBox(windows.AboutBox.get());
    windows.OptiesForm = std::make_unique<TOptiesForm>(state, ports.Msg, ports.Choose,
                                                       ports.Printer, windows.Main.get());
    windows.Main->SetOptiesForm(windows.OptiesForm.get());
    // The court coding, print options, reports, member, schedule set-up and configuration
    // windows join here, in that order, as they are built.
    return windows;
}
