#pragma once
// The start of the program: the splash window for at least 1500 ms, then every window created
// once and hidden, then the main window shown.

#include "app/common/window_ports.h"
#include "state/app_state.h"

#include <memory>

class TolvexApplication;
class TTolvex12;
class TAboutBox;
class TBanenDlg;
class TOptiesForm;
class TSchemaForm;
class TResultsForm;

// The windows of the program, destroyed in the reverse order of their creation (the main window
// last, since it is the parent of the others).
struct ProgramWindows {
    ProgramWindows();
    ProgramWindows(ProgramWindows&&) noexcept;
    ~ProgramWindows();
    std::unique_ptr<TTolvex12> Main;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TBanenDlg> BanenDlg;
    std::unique_ptr<TOptiesForm> OptiesForm;
    std::unique_ptr<TSchemaForm> SchemaForm;
    std::unique_ptr<TResultsForm> ResultsForm;
};

// Shows the splash window and keeps processing events until it may close.
void ShowSplash();

// Creates the windows in their order, all hidden; the caller shows the main window.
ProgramWindows CreateWindows(AppState& state, const WindowPorts& ports);
