#include "core/schedule/court_segment_search.h"

#include <algorithm>

void CourtSegmentSearch::StartRound() {
    Known.clear();
    KnownPairs = 0;
    Wasted = 0;
}

// The same question comes back often: neighbouring states of the round search mostly ask about
// the same segment again. Segments are compared whole, so a remembered answer is the answer.
bool CourtSegmentSearch::Fits(const std::vector<BoundEdge>& segment,
                              const std::vector<int>& required, int pairs, const uint8_t* sideOf,
                              int ids, const CourtRule& rule) {
    uint64_t hash = static_cast<uint64_t>(pairs) * 0x9E3779B97F4A7C15ull;
    for (const BoundEdge& e : segment) hash = (hash ^ (e.A | e.B << 16)) * 0xBF58476D1CE4E5B9ull;
    for (int id : required) hash = (hash ^ static_cast<uint64_t>(id)) * 0x94D049BB133111EBull;
    auto& known = Known[hash];
    auto same = [](BoundEdge x, BoundEdge y) { return x.A == y.A && x.B == y.B; };
    for (const KnownSegment& k : known)
        if (k.Count == pairs && k.Required == required &&
            std::equal(k.Pairs.begin(), k.Pairs.end(), segment.begin(), segment.end(), same))
            return k.Fits;

    Words = (ids + 64) / 64;
    if (Words + 1 > DeadEnds::MaxWords) return true;
    Pairs = segment;
    Required = required;
    // Every search leaves the players as it found them: none taken.
    Taken.assign(static_cast<size_t>(ids) + 1, 0);
    IsRequired.assign(static_cast<size_t>(ids) + 1, 0);
    for (int id : required) IsRequired[static_cast<size_t>(id)] = 1;
    SideOf = sideOf;
    Rule = &rule;
    Ids = ids;
    const bool fits = Search(pairs);
    if (KnownPairs + segment.size() <= MaxKnownPairs) {
        KnownPairs += segment.size();
        known.push_back({segment, required, pairs, fits});
    }
    return fits;
}

// A court reads the same from either end (and who may face whom does not depend on the order of
// the two pairs), so the segment may be searched backwards too; where the hard choices lie at its
// end that finds the answer much sooner. Both ways with a growing limit, so that the easier way
// decides at about its own cost. Searches that give up cost time and cut nothing: a round that
// has wasted its share on them keeps to the smaller limits, and after three shares stops
// searching (the round search itself still decides).
bool CourtSegmentSearch::Search(int pairs) {
    if (Wasted > 3 * MaxWastedStates) return true;
    const int most = Wasted > MaxWastedStates ? MaxStates / 10 : MaxStates;
    int r = -1;
    uint64_t spent = 0;
    for (int limit = MaxStates / 100; r < 0 && limit <= most; limit *= 10) {
        for (int way = 0; way < 2 && r < 0; ++way) {
            if (way == 1) std::reverse(Pairs.begin(), Pairs.end());
            r = SearchOneWay(pairs, limit);
            spent += static_cast<uint64_t>(States);
        }
        if (r < 0) std::reverse(Pairs.begin(), Pairs.end());
    }
    if (r < 0) Wasted += spent;
    return r != 0; // -1: gave up
}

int CourtSegmentSearch::SearchOneWay(int pairs, int limit) {
    const int n = static_cast<int>(Pairs.size());
    const size_t words = static_cast<size_t>(Words);
    LastAt.assign(static_cast<size_t>(Ids) + 1, -1);
    for (int i = 0; i < n; ++i)
        LastAt[Pairs[static_cast<size_t>(i)].A] = LastAt[Pairs[static_cast<size_t>(i)].B] = i;
    // Still[i]: the players with a pair at i or after it.
    Still.assign((static_cast<size_t>(n) + 1) * words, 0);
    for (int i = n - 1; i >= 0; --i) {
        uint64_t* still = &Still[static_cast<size_t>(i) * words];
        std::copy_n(still + words, words, still);
        for (int id : {static_cast<int>(Pairs[static_cast<size_t>(i)].A),
                       static_cast<int>(Pairs[static_cast<size_t>(i)].B)})
            still[id >> 6] |= uint64_t{1} << (id & 63);
    }
    TakenBits.assign(words, 0);
    Dead.Start(Words + 1, MaxStates);
    States = 0;
    StateLimit = limit;
    const int r = From(0, pairs, -1);
    Searched += static_cast<uint64_t>(States);
    return r;
}

// The pairs from `at` on, `left` of them still to take; open: the first pair of a half-filled
// court (-1: none). 1: they fit, 0: they do not, -1: gave up. A player whose pairs in the segment
// all lie before `at` can no longer be taken, so whether he was taken no longer matters: the key
// of the table of dead ends holds `at`, `left`, `open` and the taken players who still have a
// pair from `at` on, and two states with one key have the same completions.
int CourtSegmentSearch::From(int at, int left, int open) {
    if (left == 0) {
        for (int id : Required)
            if (Taken[static_cast<size_t>(id)] == 0) return 0;
        return 1;
    }
    // The next pair comes at the latest where a required player not yet taken has his last
    // pair, and leaves room for the pairs after it.
    int last = static_cast<int>(Pairs.size()) - left;
    int missing[2] = {0, 0};
    for (int id : Required) {
        if (Taken[static_cast<size_t>(id)] != 0) continue;
        last = std::min(last, LastAt[static_cast<size_t>(id)]);
        ++missing[SideOf[id]];
    }
    if (last < at || missing[0] > left || missing[1] > left) return 0;
    if (++States > StateLimit) return -1;
    uint64_t key[DeadEnds::MaxWords];
    const size_t words = static_cast<size_t>(Words);
    for (size_t w = 0; w < words; ++w)
        key[w] = TakenBits[w] & Still[static_cast<size_t>(at) * words + w];
    key[words] = static_cast<uint64_t>(at) | static_cast<uint64_t>(left) << 20 |
                 static_cast<uint64_t>(open + 1) << 40;
    if (Dead.Fails(key, 1)) return 0;
    int result = 0;
    // A side whose required players not yet taken fill its places takes only them.
    const bool onlyRequired[2] = {missing[0] == left, missing[1] == left};
    for (int j = at; j <= last; ++j) {
        const BoundEdge e = Pairs[static_cast<size_t>(j)];
        if (Taken[e.A] != 0 || Taken[e.B] != 0) continue;
        if ((onlyRequired[0] && IsRequired[e.A] == 0) || (onlyRequired[1] && IsRequired[e.B] == 0))
            continue;
        if (open >= 0 && !Rule->MayFace(Pairs[static_cast<size_t>(open)], e)) continue;
        Take(e.A);
        Take(e.B);
        const int r = From(j + 1, left - 1, open >= 0 ? -1 : j);
        Take(e.A);
        Take(e.B);
        if (r == 1) return 1;
        if (r < 0) result = -1;
    }
    if (result == 0) Dead.Add(key, 1);
    return result;
}

void CourtSegmentSearch::Take(int id) {
    Taken[static_cast<size_t>(id)] ^= 1;
    TakenBits[static_cast<size_t>(id >> 6)] ^= uint64_t{1} << (id & 63);
}
