#pragma once
// Requests for the help file: a topic by context number, the contents, help on using help. The
// help viewer implements them; NoHelp, for windows that are shown without it, does nothing.
//
// Where a window keeps its help contexts: every window, control, menu and menu item that has a
// topic carries it as the int property "helpContext" (setProperty("helpContext", 271)); F1 reads
// it from the focused control, else from its window.

class HelpRequests {
public:
    virtual ~HelpRequests() = default;
    virtual void ShowContext(int helpContext) = 0;
    virtual void ShowContents() = 0;
    virtual void ShowHelpOnHelp() = 0;
};

class NoHelp : public HelpRequests {
public:
    void ShowContext(int) override {}
    void ShowContents() override {}
    void ShowHelpOnHelp() override {}
};

// The help collection the program opens; the compiled topics beside it are "Tolvex12X.qch".
// Without a folder it is looked for in the program's folder.
inline constexpr const char* HelpFileName = "Tolvex12X.qhc";
