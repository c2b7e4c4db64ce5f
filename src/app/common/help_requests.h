#pragma once
// Requests for the help file: a topic by context number, the contents, help on using help. A
// help viewer answers them; NoHelp answers none.

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

inline constexpr const char* HelpFileName = "Tolvex12X.chm";
