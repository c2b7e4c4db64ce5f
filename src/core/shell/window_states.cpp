#include "core/shell/window_states.h"

#include <algorithm>

namespace {

using C = MainCommand;

constexpr std::array GroupM = {C::Bewaren1,    C::Bewarenals1, C::Invoegen1,    C::Verwijderen1,
                               C::Zoeken1,     C::SorterenOp1, C::Print1,       C::Adres1,
                               C::SchemaNamen, C::SchemaParen, C::BewaarSpdBtn, C::BewaarAlsSpdBtn,
                               C::PrintSpdBtn, C::NaamSpdBtn,  C::PaarSpdBtn};

constexpr std::array GroupG = {C::Invoegen1,    C::Verwijderen1, C::Zoeken1,    C::SorterenOp1,
                               C::InvoegSpdBtn, C::WegSpdBtn,    C::ZoekSpdbtn, C::SortSpdBtn};

constexpr std::array GroupU = {C::PaarSchema, C::BaanSchema, C::AantalGespeeld,
                               C::Kruistabel, C::Wijzigen,   C::UitSpdBtn};

constexpr std::array<std::string_view, MainCommandCount> Names = {
    "Bewaren1",        "Bewarenals1", "Print1",       "Adres1",      "Invoegen1",    "Verwijderen1",
    "Zoeken1",         "SorterenOp1", "SchemaNamen",  "SchemaParen", "PaarSchema",   "BaanSchema",
    "AantalGespeeld",  "Kruistabel",  "Wijzigen",     "PrintOpties", "PersGegevens", "BewaarSpdBtn",
    "BewaarAlsSpdBtn", "PrintSpdBtn", "InvoegSpdBtn", "WegSpdBtn",   "ZoekSpdbtn",   "SortSpdBtn",
    "NaamSpdBtn",      "PaarSpdBtn",  "UitSpdBtn",    "PrintBitBtn"};

} // namespace

std::string_view MainCommandName(MainCommand command) {
    return Names[static_cast<std::size_t>(command)];
}

WindowStates::WindowStates() {
    // Commands in none of the groups are on from the start.
    On.fill(true);
    EnableMenuItems(false);
    EnableUitVoerItems(false);
    EnableGridItems(false);
}

void WindowStates::Switch(std::span<const MainCommand> group, bool enbld) {
    for (MainCommand command : group) On[static_cast<std::size_t>(command)] = enbld;
}

void WindowStates::EnableMenuItems(bool enbld) {
    Switch(GroupM, enbld);
}

void WindowStates::EnableGridItems(bool enbld) {
    Switch(GroupG, enbld);
    GridOn = enbld;
}

void WindowStates::EnableUitVoerItems(bool enbld) {
    Switch(GroupU, enbld);
}

void WindowStates::Enter(ListWindowState state) {
    switch (state) {
    case ListWindowState::Empty:
        EnableMenuItems(false);
        EnableGridItems(false);
        SluitOn = true;
        break;
    case ListWindowState::ListShown:
        EnableMenuItems(true);
        EnableGridItems(true);
        SluitOn = false;
        break;
    case ListWindowState::ListClosed:
        EnableGridItems(false);
        SluitOn = true;
        break;
    }
}

bool WindowStates::Enabled(MainCommand command) const {
    return On[static_cast<std::size_t>(command)];
}
