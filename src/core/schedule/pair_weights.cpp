#include "schedule/pair_weights.h"

#include <algorithm>
#include <functional>

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
                 store.Scratch.SortHeaps);
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
    SortByWeight(list.Pairs.data(), weights, list.Count, store.Scratch.SortHeaps);
}

void SortByWeight(PlayerPair* pairs, uint8_t* weights, int count,
                  std::vector<std::vector<int32_t>>& heaps) {
    if (count < 2) return;
    heaps.resize(256);
    for (auto& heap : heaps) heap.clear();
    // Positions still to be placed, one min-heap per weight; ascending pushes keep the heaps
    // valid without sifting.
    uint64_t present[4] = {};
    for (int i = 1; i <= count; ++i) {
        heaps[weights[i]].push_back(i);
        present[weights[i] >> 6] |= uint64_t{1} << (weights[i] & 63);
    }
    const auto later = std::greater<int32_t>();
    for (int i = 1; i < count; ++i) {
        int top = 3;
        while (present[top] == 0) --top;
        const int best = top * 64 + 63 - __builtin_clzll(present[top]);
        auto& bestHeap = heaps[best];
        std::pop_heap(bestHeap.begin(), bestHeap.end(), later);
        const int p = bestHeap.back();
        bestHeap.pop_back();
        if (p != i) {
            // Entry i moves to p: position i is the smallest left, so it heads its own heap.
            auto& ownHeap = heaps[weights[i]];
            std::pop_heap(ownHeap.begin(), ownHeap.end(), later);
            ownHeap.back() = p;
            std::push_heap(ownHeap.begin(), ownHeap.end(), later);
            std::swap(pairs[i], pairs[p]);
            std::swap(weights[i], weights[p]);
        }
        if (bestHeap.empty()) present[best >> 6] &= ~(uint64_t{1} << (best & 63));
    }
}
