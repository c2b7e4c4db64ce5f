#include "core/schedule/mixed_round.h"

#include "core/schedule/availability.h"
#include "core/schedule/candidate_poll.h"
#include "core/schedule/pair_weights.h"
#include "core/schedule/search_tracking.h"

#include <cstring>

namespace {

inline bool HasBit(const std::array<uint64_t, 4>& row, int p) {
    return (row[p >> 6] >> (p & 63)) & 1u;
}
inline void SetBit(std::array<uint64_t, 4>& row, int p) {
    row[p >> 6] |= uint64_t{1} << (p & 63);
}

// Earlier mixed matches as relations across the net, from the block list read two entries per
// match: man against man, woman against woman, and a man across from a woman. Every match is
// stored as played and crossed, so the last one also covers partners.
void BuildEncounters(const ScheduleStore& store, SearchScratch& scratch) {
    std::memset(scratch.MenFaced.data(), 0, sizeof scratch.MenFaced);
    std::memset(scratch.WomenFaced.data(), 0, sizeof scratch.WomenFaced);
    std::memset(scratch.ManWomanAcross.data(), 0, sizeof scratch.ManWomanAcross);
    const auto& block = store.MixBlock;
    for (int e = 1; e + 1 <= block.Count; e += 2) {
        const PlayerPair x = block.Entries[e];
        const PlayerPair y = block.Entries[e + 1];
        SetBit(scratch.MenFaced[x.First], y.First);
        SetBit(scratch.MenFaced[y.First], x.First);
        SetBit(scratch.WomenFaced[x.Second], y.Second);
        SetBit(scratch.WomenFaced[y.Second], x.Second);
        SetBit(scratch.ManWomanAcross[x.First], y.Second);
        SetBit(scratch.ManWomanAcross[y.First], x.Second);
    }
}

} // namespace

void StartMixedPhase(ScheduleStore& store) {
    MixedPairList& list = store.MixedPairs;
    int n = 0;
    for (int m = 1; m <= store.NumMen; ++m)
        for (int w = 1; w <= store.NumWomen; ++w)
            list.Pairs[++n] = {static_cast<uint8_t>(m), static_cast<uint8_t>(w)};
    list.Count = n;
    WeighMixedPairs(store, list);
}

void SelectMixedRound(AppState& state, RunPorts& ports, int m, int courts) {
    ScheduleStore& store = *state.Schedule;
    SearchScratch& scratch = store.Scratch;
    const int round = store.NumDoublesRounds + m;
    const bool lastRound = m == store.NumMixedRounds;

    RoundResultList& result = store.MixedResult;
    result.Pairs.fill({});
    store.SearchCursor = 1;
    store.RoundValid = store.TooFewCourts = store.TooManyCourts = false;
    const int need = 2 * courts;

    // The round's status updates work on copies: the tables themselves stay as they are.
    StatusRecord menStatus = store.Of(Men).StatusTable[round];
    StatusRecord womenStatus = store.Of(Women).StatusTable[round];
    MixedRoundStatusUpdate(store, Men, menStatus);
    MixedRoundStatusUpdate(store, Women, womenStatus);

    MixedPairList& filtered = scratch.Filtered;
    MixedPairList& parked = scratch.Parked;
    filtered.Count = parked.Count = 0;
    for (int i = 1; i <= store.MixedPairs.Count; ++i) {
        const PlayerPair q = store.MixedPairs.Pairs[i];
        const uint8_t sm = menStatus.Status[q.First], sw = womenStatus.Status[q.Second];
        if (IsAvailable(sm) && IsAvailable(sw))
            filtered.Pairs[++filtered.Count] = q;
        else if (IsPausing(sm) || IsPausing(sw))
            parked.Pairs[++parked.Count] = q;
    }

    result.Count = 0;
    auto& sel = scratch.Selection;
    auto& pos = scratch.Pos;
    int k = 0;
    int cursor = 1;
    bool stopped = false;
    bool valid = false;

    if (store.NumMen + store.NumWomen - menStatus.AbsentCount - womenStatus.AbsentCount <
        4 * courts) {
        store.TooManyCourts = true;
    } else {
        const bool vary = store.VaryPairs;
        if (vary) BuildEncounters(store, scratch);
        const bool groupAgainstGroup = store.Params.PairingOptions >= PairGroupAgainstGroup;
        // Only the smaller group's must-play list counts (the men's when there are no more
        // men than women); only that list is built.
        const Group smaller = store.NumMen <= store.NumWomen ? Men : Women;
        GroupTables& smallTables = store.Of(smaller);
        const StatusRecord& smallStatus = smaller == Men ? menStatus : womenStatus;

        uint8_t usedMan[MaxGroupPlayers + 1] = {};
        uint8_t usedWoman[MaxGroupPlayers + 1] = {};
        uint8_t mustFlag[MaxGroupPlayers + 1] = {};
        uint8_t limitedMan[MaxGroupPlayers + 1] = {};
        uint8_t limitedWoman[MaxGroupPlayers + 1] = {};
        MustPlayList mustList;
        for (int p = 1; p <= store.CountOf(smaller); ++p) {
            if (smallTables.SatOut[p] != 0 && IsAvailable(smallStatus.Status[p])) {
                mustFlag[p] = 1;
                mustList.Players[++mustList.Count] = static_cast<uint8_t>(p);
            }
        }
        BalanceTracker menBalance(round), womenBalance(round);
        const auto& menPlays = store.Of(Men).PlayCount;
        const auto& womenPlays = store.Of(Women).PlayCount;
        for (int p = 1; p <= store.NumMen; ++p) {
            if (!IsAvailable(menStatus.Status[p])) continue;
            limitedMan[p] = IsLimited(menStatus.Status[p]) ? 1 : 0;
            menBalance.AddPlayer(menPlays[p], limitedMan[p] != 0);
        }
        for (int p = 1; p <= store.NumWomen; ++p) {
            if (!IsAvailable(womenStatus.Status[p])) continue;
            limitedWoman[p] = IsLimited(womenStatus.Status[p]) ? 1 : 0;
            womenBalance.AddPlayer(womenPlays[p], limitedWoman[p] != 0);
        }
        int mustSelected = 0;
        bool mustListBuilt = false;
        auto mustOf = [&](PlayerPair q) { return mustFlag[smaller == Men ? q.First : q.Second]; };
        auto pick = [&](PlayerPair q) {
            usedMan[q.First] = usedWoman[q.Second] = 1;
            mustSelected += mustOf(q);
            menBalance.Select(menPlays[q.First], limitedMan[q.First] != 0);
            womenBalance.Select(womenPlays[q.Second], limitedWoman[q.Second] != 0);
        };
        auto drop = [&](PlayerPair q) {
            usedMan[q.First] = usedWoman[q.Second] = 0;
            mustSelected -= mustOf(q);
            menBalance.Unselect(menPlays[q.First], limitedMan[q.First] != 0);
            womenBalance.Unselect(womenPlays[q.Second], limitedWoman[q.Second] != 0);
        };
        // q would face p = (m', w'): blocked when m' and m, or w' and w, have faced each other,
        // or m' and w, or w' and m, have been on one court together.
        auto varyBlocked = [&](PlayerPair p, PlayerPair q) {
            return HasBit(scratch.MenFaced[p.First], q.First) ||
                   HasBit(scratch.WomenFaced[p.Second], q.Second) ||
                   HasBit(scratch.ManWomanAcross[p.First], q.Second) ||
                   HasBit(scratch.ManWomanAcross[q.First], p.Second);
        };
        auto tooFew = [&] {
            // The smaller group has more players who must play than the round has pairs.
            return smallTables.MustPlay.Count > need;
        };

        pos[0] = courts;
        const PlayerPair* list = filtered.Pairs.data();
        const int length = filtered.Count;
        CandidatePoll poll(state, ports);
        uint64_t candidates = store.Candidates;
        uint64_t nextPoint = poll.NextPoint(candidates);
        for (;;) {
            while (k < need && cursor <= length) {
                const PlayerPair q = list[cursor];
                if ((usedMan[q.First] | usedWoman[q.Second]) == 0 &&
                    !(vary && (k & 1) != 0 && varyBlocked(sel[k], q))) {
                    ++k;
                    sel[k] = q;
                    pos[k] = cursor;
                    pick(q);
                }
                ++cursor;
                if (++candidates == nextPoint && poll.Slow(candidates, nextPoint)) {
                    stopped = true;
                    break;
                }
            }
            if (stopped) break;
            if (k > 0) {
                if (!mustListBuilt) {
                    smallTables.MustPlay = mustList;
                    mustListBuilt = true;
                }
                valid =
                    mustSelected == mustList.Count && menBalance.Passes() && womenBalance.Passes();
                // Group 1 against group 2: the first complete selection is taken.
                if (groupAgainstGroup) valid = true;
            }
            if (k < need || !valid) {
                if (tooFew()) {
                    store.TooFewCourts = true;
                    // The last mixed round searches on; the others take what they have.
                    if (!lastRound) break;
                }
                cursor = pos[k] + 1; // k >= 0 here: the search stops at k = 0
                if (k > 0) drop(sel[k]);
                --k;
            }
            if (k == need || k <= 0 || cursor < 0) break;
        }
        store.Candidates = candidates;
        poll.Flush(candidates, stopped);
    }
    store.SearchCursor = cursor;

    if (stopped) {
        // A stopped round has no solution: it ends empty and says so.
        store.RoundValid = false;
        return;
    }
    store.RoundValid = valid;
    if (k < 0) k = 0;

    // Having backtracked to an empty selection the search gives up with an empty round, even
    // when it had found part selections before.
    result.Count = k;
    for (int i = 1; i <= k; ++i) result.Pairs[i] = sel[i];

    MixedPairList& next = store.MixedNextPairs;
    next.Count = 0;
    if (store.PauseMode > 0)
        for (int i = 1; i <= parked.Count; ++i) next.Pairs[++next.Count] = parked.Pairs[i];
    int in = 1;
    for (int i = 1; i <= filtered.Count; ++i) {
        if (in <= k && pos[in] == i) {
            ++in;
            continue;
        }
        next.Pairs[++next.Count] = filtered.Pairs[i];
    }
}

void AfterMixedRound(ScheduleStore& store, int m) {
    const int round = store.NumDoublesRounds + m;
    const RoundResultList& result = store.MixedResult;
    GroupTables& men = store.Of(Men);
    GroupTables& women = store.Of(Women);
    const int courts = (result.Count + 1) / 2;

    if (store.VaryPairs) {
        for (int c = 1; c <= courts; ++c) {
            const PlayerPair x = result.Pairs[2 * c - 1];
            const PlayerPair y = result.Pairs[2 * c];
            store.MixBlock.Append({x.First, x.Second});
            store.MixBlock.Append({y.First, y.Second});
            store.MixBlock.Append({x.First, y.Second});
            store.MixBlock.Append({y.First, x.Second});
        }
    }

    for (int p = 1; p <= store.NumMen; ++p) {
        men.SatOut[p] = 1;
        men.OpponentTable[round][p] = {};
    }
    for (int p = 1; p <= store.NumWomen; ++p) {
        women.SatOut[p] = 1;
        women.OpponentTable[round][p] = {};
    }
    for (int k = 1; k <= result.Count; ++k) {
        const PlayerPair q = result.Pairs[k];
        men.SatOut[q.First] = 0;
        ++men.PlayCount[q.First];
        women.SatOut[q.Second] = 0;
        ++women.PlayCount[q.Second];
    }

    if (result.Count != 2 * store.CourtsMixed[m]) return;
    const bool groupAgainstGroup = store.Params.PairingOptions >= PairGroupAgainstGroup;
    auto& menOpp = men.OpponentTable[round];
    auto& womenOpp = women.OpponentTable[round];
    for (int c = 1; c <= result.Count / 2; ++c) {
        const uint8_t m1 = result.Pairs[2 * c - 1].First, f1 = result.Pairs[2 * c - 1].Second;
        const uint8_t m2 = result.Pairs[2 * c].First, f2 = result.Pairs[2 * c].Second;
        if (groupAgainstGroup) {
            // Own partner and the opposing player of the other group.
            menOpp[m1] = {f1, f2};
            menOpp[m2] = {f2, f1};
            womenOpp[f1] = {m2, m1};
            womenOpp[f2] = {m1, m2};
        } else {
            menOpp[m1] = {m2, f2};
            menOpp[m2] = {m1, f1};
            womenOpp[f1] = {m2, f2};
            womenOpp[f2] = {m1, f1};
        }
    }
}
