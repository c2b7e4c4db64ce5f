#include "core/shell/window_states.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using C = MainCommand;
using Commands = std::vector<MainCommand>;

Commands OnCommands(const WindowStates& states) {
    Commands on;
    for (std::size_t i = 0; i < MainCommandCount; ++i)
        if (states.Enabled(static_cast<MainCommand>(i))) on.push_back(static_cast<MainCommand>(i));
    return on;
}

Commands Join(std::initializer_list<Commands> parts) {
    Commands all;
    for (const Commands& part : parts) all.insert(all.end(), part.begin(), part.end());
    std::sort(all.begin(), all.end());
    return all;
}

// In no group: on from the start.
const Commands AlwaysOn = {C::PrintOpties, C::PersGegevens, C::PrintBitBtn};
// The file commands of M that do not belong to G as well.
const Commands FileCommands = {C::Bewaren1,    C::Bewarenals1, C::Print1,       C::Adres1,
                               C::SchemaNamen, C::SchemaParen, C::BewaarSpdBtn, C::BewaarAlsSpdBtn,
                               C::PrintSpdBtn, C::NaamSpdBtn,  C::PaarSpdBtn};
// The menu items of M that are grid commands too.
const Commands SharedWithGrid = {C::Invoegen1, C::Verwijderen1, C::Zoeken1, C::SorterenOp1};
const Commands GridButtons = {C::InvoegSpdBtn, C::WegSpdBtn, C::ZoekSpdbtn, C::SortSpdBtn};
const Commands Reports = {C::PaarSchema, C::BaanSchema, C::AantalGespeeld,
                          C::Kruistabel, C::Wijzigen,   C::UitSpdBtn};

} // namespace

TEST(WindowStates, AtStartUpOnlyTheCommandsOfNoGroupAreOnAndClosingAsksNothing) {
    WindowStates states;
    EXPECT_EQ(OnCommands(states), Join({AlwaysOn}));
    EXPECT_FALSE(states.GridShown());
    EXPECT_TRUE(states.Sluit());
}

TEST(WindowStates, EachStateSwitchesItsGroups) {
    struct Case {
        std::vector<ListWindowState> Steps;
        Commands On;
        bool GridShown;
        bool Sluit;
    };
    const Commands shown = Join({AlwaysOn, FileCommands, SharedWithGrid, GridButtons});
    const std::vector<Case> cases = {
        {{ListWindowState::ListShown}, shown, true, false},
        {{ListWindowState::ListShown, ListWindowState::Empty}, Join({AlwaysOn}), false, true},
        // Closing the grid keeps the file commands; the grid's commands go off, also those that
        // belong to both groups.
        {{ListWindowState::ListShown, ListWindowState::ListClosed},
         Join({AlwaysOn, FileCommands}),
         false,
         true},
        {{ListWindowState::ListClosed}, Join({AlwaysOn}), false, true},
        {{ListWindowState::ListClosed, ListWindowState::ListShown}, shown, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Steps.size());
        WindowStates states;
        for (ListWindowState step : c.Steps) states.Enter(step);
        EXPECT_EQ(OnCommands(states), c.On);
        EXPECT_EQ(states.GridShown(), c.GridShown);
        EXPECT_EQ(states.Sluit(), c.Sluit);
    }
}

TEST(WindowStates, ACommandInTwoGroupsFollowsTheLastSwitch) {
    WindowStates states;
    states.EnableGridItems(true);
    EXPECT_EQ(OnCommands(states), Join({AlwaysOn, SharedWithGrid, GridButtons}));
    states.EnableMenuItems(false);
    EXPECT_EQ(OnCommands(states), Join({AlwaysOn, GridButtons}));
    states.EnableMenuItems(true);
    states.EnableGridItems(false);
    EXPECT_EQ(OnCommands(states), Join({AlwaysOn, FileCommands}));
    states.EnableMenuItems(true);
    EXPECT_EQ(OnCommands(states), Join({AlwaysOn, FileCommands, SharedWithGrid}));
}

TEST(WindowStates, TheReportGroupIsSwitchedOnItsOwn) {
    WindowStates states;
    states.EnableUitVoerItems(true);
    EXPECT_EQ(OnCommands(states), Join({AlwaysOn, Reports}));
    states.EnableMenuItems(true);
    states.EnableGridItems(true);
    states.EnableUitVoerItems(false);
    EXPECT_EQ(OnCommands(states), Join({AlwaysOn, FileCommands, SharedWithGrid, GridButtons}));
}

TEST(WindowStates, EveryCommandIsNamedAfterItsControl) {
    EXPECT_EQ(MainCommandName(C::Bewaren1), "Bewaren1");
    EXPECT_EQ(MainCommandName(C::SorterenOp1), "SorterenOp1");
    EXPECT_EQ(MainCommandName(C::PersGegevens), "PersGegevens");
    EXPECT_EQ(MainCommandName(C::ZoekSpdbtn), "ZoekSpdbtn");
    EXPECT_EQ(MainCommandName(C::UitSpdBtn), "UitSpdBtn");
    EXPECT_EQ(MainCommandName(C::PrintBitBtn), "PrintBitBtn");
}

TEST(WindowStates, SluitCanBeHeldWhileTheListIsShown) {
    WindowStates states;
    states.Enter(ListWindowState::ListShown);
    states.SetSluit(true);
    EXPECT_TRUE(states.Sluit());
    EXPECT_TRUE(states.GridShown());
}
