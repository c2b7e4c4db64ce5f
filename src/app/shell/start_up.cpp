#include "app/shell/start_up.h"

#include "app/shell/about_box.h"
#include "app/shell/splash_form.h"
#include "app/shell/main_window.h"

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
    // The configuration dialog and the member dialog are made by the windows that open them, on
    // first use.
    return windows;
}
