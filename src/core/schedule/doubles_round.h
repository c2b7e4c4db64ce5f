#pragma once
// One doubles round of one group: the partner pairs for its courts, found by a depth-first
// search over the weighted pair list, set against each other court by court, recorded, and the
// group's tables brought up to date.

#include "core/schedule/schedule_store.h"
#include "core/schedule/schedule_view.h"

// Before the group's first round: every pair (i, j), i < j, in order; games, sat-out flags and
// met-sets cleared.
void StartDoublesPhase(ScheduleStore& store, Group g);

// The search of round r with the given courts; leaves the selection in the group's RoundResult,
// sets RoundValid / TooFewCourts / TooManyCourts and builds the group's NextPairList.
void SelectDoublesRound(ScheduleStore& store, RunPorts& ports, Group g, int r, int courts);

// Rounds 2 and later: orders the result so that pairs 2c-1 and 2c have met the fewest players of
// each other before.
void ArrangeMatches(ScheduleStore& store, Group g, int r);

// The result into RoundTable record r, after the other group's courts when that group comes
// first.
void RecordRound(ScheduleStore& store, Group g, int r);

// The mixed result of mixed round m into RoundTable record D + m, from court 1 on.
void RecordMixedRound(ScheduleStore& store, int m);

// Partner blocks, met-sets, games, sat-out flags and opponents after round r.
void AfterDoublesRound(ScheduleStore& store, Group g, int r);
