#pragma once
// One mixed round: (man, woman) pairs for its courts, pair 2c facing pair 2c-1, found by a
// depth-first search over the weighted mixed pair list that gives up once it is back at an
// empty selection.

#include "core/schedule/schedule_store.h"
#include "core/schedule/schedule_view.h"

// Every (man, woman) pair, man by man, weighed and sorted by the games of the doubles rounds.
void StartMixedPhase(ScheduleStore& store);

// The search of mixed round m with the given courts; leaves the selection in MixedResult, sets
// the three flags and builds MixedNextPairs.
void SelectMixedRound(ScheduleStore& store, RunPorts& ports, int m, int courts);

// Mixed blocks, games, sat-out flags and (for a complete round) opponents after mixed round m.
void AfterMixedRound(ScheduleStore& store, int m);
