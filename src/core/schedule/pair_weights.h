#pragma once
// The order of a pair list steers the next round search: pairs of players who need games most
// come first. Players are classed by games and by whether they sat out the last round, each
// pair weighed by its two classes, and the list sorted by descending weight.

#include "core/schedule/schedule_store.h"

#include <vector>

// Weight of a pair of classes (1, 2, 5, 6) in a doubles round; manySatOut chooses X and Y.
uint8_t DoublesPairWeight(int firstClass, int secondClass, bool manySatOut);
uint8_t MixedPairWeight(int manClass, int womanClass);

// Class of every player 1..players: 1 or 2 by games (2 = fewer than the highest), plus 4 when
// he sat out the last round.
void PlayerClasses(const GroupTables& tables, int players, uint8_t* classes);

// Weighs the group's NextPairList into PairWeight; courts are those of the round just played.
void WeighPairs(ScheduleStore& store, Group g, int courts);

// PairList := NextPairList (with its weights), sorted by weight.
void AdoptNextPairList(ScheduleStore& store, Group g);

// Weighs a mixed pair list by the classes of its man and woman and sorts it.
void WeighMixedPairs(ScheduleStore& store, MixedPairList& list);

// The selection sort by descending weight: for i = 1..count-1 the first entry of the highest
// weight in i..count is swapped with entry i. Equal weights keep their order only as far as
// those swaps allow. The result is exactly that of the plain selection sort, in one pass per
// weight; positions is work space.
void SortByWeight(PlayerPair* pairs, uint8_t* weights, int count, std::vector<int32_t>& positions);
