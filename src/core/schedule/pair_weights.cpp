#include "core/schedule/pair_weights.h"

#include <algorithm>

namespace {

// Classes 1, 2, 5, 6 as table rows 0..3.
int ClassIndex(int cls) {
    return ((cls & 4) != 0 ? 2 : 0) + ((cls & 2) != 0 ? 1 : 0);
}

} // namespace

uint8_t DoublesPairWeight(int firstClass, int secondClass, bool manySatOut) {
    // When more players sat out than the round had pairs, pairs of a player who played and
    // one who sat out with fewer games go before pairs of two who sat out with fewer games.
    const uint8_t x = manySatOut ? 128 : 255;
    const uint8_t y = manySatOut ? 255 : 128;
    const uint8_t table[4][4] = {
        {2, 6, 12, 32},
        {6, 9, 18, x},
        {12, 18, 64, 96},
        {32, x, 96, y},
    };
    return table[ClassIndex(firstClass)][ClassIndex(secondClass)];
}

uint8_t MixedPairWeight(int manClass, int womanClass) {
    static constexpr uint8_t table[4][4] = {
        {2, 6, 12, 32},
        {6, 9, 18, 48},
        {12, 18, 64, 128},
        {32, 48, 128, 255},
    };
    return table[ClassIndex(manClass)][ClassIndex(womanClass)];
}

void PlayerClasses(const GroupTables& tables, int players, uint8_t* classes) {
    int hi = tables.PlayCount[1];
    for (int p = 1; p <= players; ++p) hi = std::max<int>(hi, tables.PlayCount[p]);
    for (int p = 1; p <= players; ++p) {
        int cls = tables.PlayCount[p] == hi ? 1 : 2;
        if (tables.SatOut[p] != 0) cls += 4;
        classes[p] = static_cast<uint8_t>(cls);
    }
}

void WeighPairs(ScheduleStore& store, Group g, int courts) {
    GroupTables& tables = store.Of(g);
    const int players = store.CountOf(g);
    uint8_t classes[MaxGroupPlayers + 1] = {};
    PlayerClasses(tables, players, classes);
    int satOut = 0;
    for (int p = 1; p <= players; ++p)
        if (tables.SatOut[p] != 0) ++satOut;
    const bool many = satOut > 2 * courts;
    const DoublesPairList& next = tables.NextPairList;
    for (int i = 1; i <= next.Count; ++i)
        tables.PairWeight[i] =
            DoublesPairWeight(classes[next.Pairs[i].First], classes[next.Pairs[i].Second], many);
}

void AdoptNextPairList(ScheduleStore& store, Group g) {
    GroupTables& tables = store.Of(g);
    tables.PairList.Count = tables.NextPairList.Count;
    std::copy_n(tables.NextPairList.Pairs.begin() + 1, tables.NextPairList.Count,
                tables.PairList.Pairs.begin() + 1);
    SortByWeight(tables.PairList.Pairs.data(), tables.PairWeight.data(), tables.PairList.Count,
                 store.Scratch.SortPositions);
}

void WeighMixedPairs(ScheduleStore& store, MixedPairList& list) {
    uint8_t menClasses[MaxGroupPlayers + 1] = {};
    uint8_t womenClasses[MaxGroupPlayers + 1] = {};
    PlayerClasses(store.Of(Men), store.NumMen, menClasses);
    PlayerClasses(store.Of(Women), store.NumWomen, womenClasses);
    uint8_t* weights = store.Scratch.MixedWeight.data();
    for (int i = 1; i <= list.Count; ++i)
        weights[i] =
            MixedPairWeight(menClasses[list.Pairs[i].First], womenClasses[list.Pairs[i].Second]);
    SortByWeight(list.Pairs.data(), weights, list.Count, store.Scratch.SortPositions);
}

void SortByWeight(PlayerPair* pairs, uint8_t* weights, int count, std::vector<int32_t>& positions) {
    if (count < 2) return;
    int perWeight[256] = {};
    for (int i = 1; i <= count; ++i) ++perWeight[weights[i]];
    // While w is the highest weight left, step i takes the first w at or after i and entry i
    // moves to its place. Entries that move all weigh less than w, so the places of w are
    // taken in ascending order: one scan finds them all, and the sort runs in one pass per
    // weight.
    int i = 1;
    for (int w = 255; w >= 0 && i < count; --w) {
        if (perWeight[w] == 0) continue;
        positions.clear();
        for (int j = i; j <= count; ++j)
            if (weights[j] == w) positions.push_back(j);
        for (int32_t p : positions) {
            if (i >= count) break;
            if (p != i) {
                std::swap(pairs[i], pairs[p]);
                std::swap(weights[i], weights[p]);
            }
            ++i;
        }
    }
}
