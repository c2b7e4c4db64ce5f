#include "app/shell/start_up.h"

#include "app/config/court_coding_dialog.h"
#include "app/config/options_window.h"
#include "app/reports/results_form.h"
#include "app/schedule/schedule_setup_window.h"
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
    windows.BanenDlg = std::make_unique<TBanenDlg>(state, ports.Msg, windows.Main.get());
    windows.OptiesForm = std::make_unique<TOptiesForm>(state, ports.Msg, ports.Choose,
                                                       ports.Printer, windows.Main.get());
    windows.Main->SetOptiesForm(windows.OptiesForm.get());
    windows.ResultsForm = std::make_unique<TResultsForm>(state, ports, windows.Main.get());
    windows.Main->SetResultsForm(windows.ResultsForm.get());
    windows.SchemaForm = std::make_unique<TSchemaForm>(state, ports, windows.Main.get());
    windows.SchemaForm->SetBanenDlg(windows.BanenDlg.get());
    windows.Main->SetSchemaForm(windows.SchemaForm.get());
    return windows;
}
