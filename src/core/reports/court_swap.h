#pragma once
// The exchange of two players' places in one round, as the court-change editor makes it. It is
// all or nothing: both places are found in the round table and checked against what the grid
// showed before anything changes, so a grid that no longer matches the schedule (or a court code
// that names more than one court, or is cut short) can never leave a player in two places.

#include "core/reports/report_source.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Where a player of a group stands in a round: the court and the slot (0..3), or court 0 when
// he sits out.
struct PlayerPlace {
    int Court = 0;
    int Slot = -1;
};

// The player's place among his group's places of round r: its courts in a doubles round, its
// slots of the mixed courts in a mixed round (men 0 and 2, women 1 and 3). Nothing when the
// player stands there more than once.
std::optional<PlayerPlace> FindPlace(const ScheduleStore& store, const ReportCounts& counts,
                                     Group g, int r, int player);

// One side of a swap: the player and the text his cell showed (trimmed).
struct SwapSide {
    int Player = 0;
    std::string Shown;
};

enum class SwapOutcome {
    Swapped,    // each took the other's place
    SamePlace,  // both on one court, or both sitting out: nothing to do
    NotAsShown, // a cell does not show where its player stands: nothing changed
};

// Exchanges the places of players a and b of group g in round r: the round record, the
// court-of-player entries of both, and one game between their play counts when one of them sat
// out. The opponent tables keep the computed schedule.
SwapOutcome SwapPlaces(ScheduleStore& store, const std::array<int32_t, 33>& baanCode,
                       const ReportCounts& counts, Group g, int r, const SwapSide& a,
                       const SwapSide& b);
