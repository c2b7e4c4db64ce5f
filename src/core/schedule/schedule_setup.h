#pragma once
// The one way from the member register or pair counts to a store that is ready for "&Start".
// The set-up window, the command-line front end, the benchmarks and the tests all come through
// here, so that a schedule prepared by any of them is the same schedule.

#include "core/common/common_state.h"
#include "core/config/config_state.h"
#include "core/members/member_state.h"
#include "core/schedule/schedule_store.h"
#include "core/schedule/schedule_view.h"

#include <array>
#include <cstdint>
#include <optional>

using CourtsPerRound = std::array<uint8_t, MaxRounds + 1>; // [1..24]; [0] unused

// What the set-up window's fields hold.
struct ScheduleSetupInput {
    int Kind = 1; // 1: the active members of the register; 2: numbered pairs
    // Kind 2: the numbers of pairs. Kind 1: left out, every active member of the group plays;
    // given, only the first ones of the group's list.
    std::optional<int32_t> NHeren, NDames;
    int32_t NDubRonden = 0;
    int32_t NMixRonden = 0;
    int32_t NBanen = 0;
    double SpeelDatum = 0;
    // Courts per round of each group; a group left out gets the proposal (DefaultCourts).
    std::optional<CourtsPerRound> CourtsMen, CourtsWomen, CourtsMixed;
    uint16_t PairingOptions = PairVary;
    uint16_t PauseOptions = 5;
};

// Opening the set-up: the group labels, both name lists anew, and for a schedule with names the
// active members of each group in them (NHeren, NDames := their counts, no mixed rounds when a
// group has none; a member without surname is reported through the messenger and still taken).
// Returns false, after the message "Geen Schema mogelijk zonder Bestand", for a schedule with names
// while no member file is open.
bool OpenScheduleSetup(CommonState& common, const ConfigState& config, const MemberState& members,
                       ScheduleStore& store, int kind, Messenger& messenger, Beeper& bell);

// The input into the store: the counts (no mixed rounds when a group has no players), the courts
// per round, the date and the options.
void ApplyScheduleSetup(CommonState& common, ScheduleStore& store, const ScheduleSetupInput& input,
                        Beeper& bell, ScheduleView& view);

// Both, as one step: the store is then ready for StartRun. Returns OpenScheduleSetup's answer.
bool PrepareSchedule(CommonState& common, const ConfigState& config, const MemberState& members,
                     ScheduleStore& store, const ScheduleSetupInput& input, Messenger& messenger,
                     Beeper& bell, ScheduleView& view);
