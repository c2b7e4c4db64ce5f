#pragma once
// The main window's command states. Its commands come in three groups that are switched on and
// off together: M (file and member commands), G (the member grid and its editing commands) and
// U (the reports). A command in two groups follows the last switch of either.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// Every command of the main window that is ever switched off.
enum class MainCommand : std::size_t {
    Bewaren1,
    Bewarenals1,
    Print1,
    Adres1,
    Invoegen1,
    Verwijderen1,
    Zoeken1,
    SorterenOp1,
    SchemaNamen,
    SchemaParen,
    PaarSchema,
    BaanSchema,
    AantalGespeeld,
    Kruistabel,
    Wijzigen,
    PrintOpties,
    PersGegevens,
    BewaarSpdBtn,
    BewaarAlsSpdBtn,
    PrintSpdBtn,
    InvoegSpdBtn,
    WegSpdBtn,
    ZoekSpdbtn,
    SortSpdBtn,
    NaamSpdBtn,
    PaarSpdBtn,
    UitSpdBtn,
    PrintBitBtn,
    Count,
};

inline constexpr std::size_t MainCommandCount = static_cast<std::size_t>(MainCommand::Count);

// The command's name, which is also the objectName of its menu item, tool button or button.
std::string_view MainCommandName(MainCommand command);

// The states of the window as far as its command groups are concerned.
enum class ListWindowState {
    Empty,      // start-up: no list shown, file and member commands off
    ListShown,  // the member grid is open: everything on, closing asks first
    ListClosed, // "&Sluit" or "S&chrap": the grid is hidden, the list stays loaded
};

class WindowStates {
public:
    // Start-up: all three groups off, closing asks nothing.
    WindowStates();

    void EnableMenuItems(bool enbld);    // M
    void EnableGridItems(bool enbld);    // G (the grid's parts are shown with it)
    void EnableUitVoerItems(bool enbld); // U
    // Enters a state: the groups M and G and whether closing asks.
    void Enter(ListWindowState state);

    // Whether a command is on: its group's last switch, and its window exists.
    bool Enabled(MainCommand command) const;
    bool GridShown() const { return GridOn; }
    // "Sluit": the list needs no saving question before the window closes.
    bool Sluit() const { return SluitOn; }
    void SetSluit(bool sluit) { SluitOn = sluit; }

private:
    void Switch(std::span<const MainCommand> group, bool enbld);

    std::array<bool, MainCommandCount> On{};
    bool GridOn = false;
    bool SluitOn = true;
};
