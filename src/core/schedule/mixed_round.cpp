#include "core/schedule/mixed_round.h"

#include "core/schedule/availability.h"
#include "core/schedule/candidate_poll.h"
#include "core/schedule/completion_bound.h"
#include "core/schedule/pair_weights.h"
#include "core/schedule/round_failure.h"
#include "core/schedule/round_reasons.h"
#include "core/schedule/round_search.h"
#include "core/schedule/search_tracking.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

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

namespace {

// What a mixed pair blocks: its man among the men and its woman among the women; with vary
// pairs, pair 2c may not face a pair 2c-1 whose players it has met before. Only the smaller
// group's must-play list counts (the men's when there are no more men than women); the balance
// holds for both groups. Group 1 against group 2 takes the first complete selection.
class MixedPolicy final : public CourtRule {
public:
    MixedPolicy(ScheduleStore& store, const StatusRecord& menStatus,
                const StatusRecord& womenStatus, int round, int courts, bool lastRound)
        : Scratch(store.Scratch)
        , Smaller(store.NumMen <= store.NumWomen ? Men : Women)
        , SmallTables(store.Of(Smaller))
        , MenPlays(store.Of(Men).PlayCount)
        , WomenPlays(store.Of(Women).PlayCount)
        , MenBalance(round)
        , WomenBalance(round)
        , Need(2 * courts)
        , Vary(store.VaryPairs)
        , GroupAgainstGroup(store.Params.PairingOptions >= PairGroupAgainstGroup)
        , LastRound(lastRound)
        , Courts(courts)
        , NumMen(store.NumMen)
        , NumWomen(store.NumWomen)
        , Cuts(store.BoundCuts) {
        const StatusRecord& smallStatus = Smaller == Men ? menStatus : womenStatus;
        for (int p = 1; p <= store.CountOf(Smaller); ++p) {
            if (SmallTables.SatOut[p] != 0 && IsAvailable(smallStatus.Status[p])) {
                MustFlag[p] = 1;
                MustList.Players[++MustList.Count] = static_cast<uint8_t>(p);
            }
        }
        for (int p = 1; p <= store.NumMen; ++p) {
            if (!IsAvailable(menStatus.Status[p])) continue;
            LimitedMan[p] = IsLimited(menStatus.Status[p]) ? 1 : 0;
            MenBalance.AddPlayer(MenPlays[p], LimitedMan[p] != 0);
        }
        for (int p = 1; p <= store.NumWomen; ++p) {
            if (!IsAvailable(womenStatus.Status[p])) continue;
            LimitedWoman[p] = IsLimited(womenStatus.Status[p]) ? 1 : 0;
            WomenBalance.AddPlayer(WomenPlays[p], LimitedWoman[p] != 0);
        }
        if (Vary) BuildEncounters(store, Scratch);
        // The bounds see men as 1..M and women as M + 1..M + W.
        Bound.Start(NumMen + store.NumWomen, true, !GroupAgainstGroup, round);
        for (int p = 1; p <= store.NumMen; ++p)
            if (IsAvailable(menStatus.Status[p]))
                Bound.AddPlayer(p, 0, MenPlays[p], LimitedMan[p] != 0,
                                Smaller == Men && MustFlag[p] != 0);
        for (int p = 1; p <= store.NumWomen; ++p)
            if (IsAvailable(womenStatus.Status[p]))
                Bound.AddPlayer(NumMen + p, 1, WomenPlays[p], LimitedWoman[p] != 0,
                                Smaller == Women && MustFlag[p] != 0);
    }

    bool Accepts(int k, const PlayerPair* sel, PlayerPair q) const {
        return (Used[q.First] | Used[NumMen + q.Second]) == 0 &&
               !(Vary && (k & 1) != 0 && VaryBlocked(sel[k], q));
    }
    void Pick(PlayerPair q) {
        Used[q.First] = Used[NumMen + q.Second] = 1;
        FlipBit(q.First);
        FlipBit(NumMen + q.Second);
        MustSelected += MustOf(q);
        MenBalance.Select(MenPlays[q.First], LimitedMan[q.First] != 0);
        WomenBalance.Select(WomenPlays[q.Second], LimitedWoman[q.Second] != 0);
    }
    void Drop(PlayerPair q) {
        Used[q.First] = Used[NumMen + q.Second] = 0;
        FlipBit(q.First);
        FlipBit(NumMen + q.Second);
        MustSelected -= MustOf(q);
        MenBalance.Unselect(MenPlays[q.First], LimitedMan[q.First] != 0);
        WomenBalance.Unselect(WomenPlays[q.Second], LimitedWoman[q.Second] != 0);
    }
    bool Test() {
        if (!MustListShown) {
            SmallTables.MustPlay = MustList;
            MustListShown = true;
        }
        if (GroupAgainstGroup) return true;
        return MustSelected == MustList.Count && MenBalance.Passes() && WomenBalance.Passes();
    }
    // The smaller group has more players who must play than the round has pairs.
    bool TooFew() const { return SmallTables.MustPlay.Count > Need; }
    // The last mixed round searches on; the others take what they have.
    bool EndsAtTooFew() const { return !LastRound; }
    // Back at an empty selection the search gives up, even when a selection without its first
    // pair would exist.
    int Floor() const { return 1; }
    int CursorAtEmpty(int) const { return Courts + 1; }

    BoundVerdict Verdict(int k, const PlayerPair* sel, const PlayerPair* list, int cursor,
                         int length, uint64_t& work) {
        Edges.clear();
        // With a court half filled, the next pair selected faces its pair: one of the pairs
        // left must be free to.
        const bool halfCourt = Vary && (k & 1) != 0;
        bool opponent = !halfCourt;
        for (int i = cursor; i <= length; ++i) {
            const PlayerPair q = list[i];
            if ((Used[q.First] | Used[NumMen + q.Second]) != 0) continue;
            Edges.push_back({q.First, static_cast<uint16_t>(NumMen + q.Second)});
            if (!opponent && !VaryBlocked(sel[k], q)) opponent = true;
        }
        work = static_cast<uint64_t>(length - cursor + 1 + NumMen + NumWomen);
        if (!opponent) return BoundVerdict::NoOpponent;
        const BoundEdge pending =
            halfCourt ? BoundEdge{sel[k].First, static_cast<uint16_t>(NumMen + sel[k].Second)}
                      : BoundEdge{};
        const BoundVerdict verdict = Bound.Check(Used, Edges.data(), static_cast<int>(Edges.size()),
                                                 Need - k, Vary ? this : nullptr, pending);
        work += Bound.SearchedStates();
        return verdict;
    }
    std::array<uint64_t, 8>& CutCounts() { return Cuts; }
    CompletionBound& Bounds() { return Bound; }

    // The players of the part selection (men 1..M, women M + 1..M + W) and, when a court is
    // half filled, the pair the next pair faces: with vary pairs that decides what it may be.
    DeadEnds& Dead() { return Scratch.Dead; }
    int KeyWords() const { return (NumMen + NumWomen) / 64 + 2; }
    void WriteKey(int k, const PlayerPair* sel, uint64_t* key) const {
        const int words = KeyWords() - 1;
        for (int i = 0; i < words; ++i) key[i] = UsedBits[i];
        key[words] = Vary && (k & 1) != 0 ? (uint64_t{sel[k].First} << 8 | sel[k].Second) + 1 : 0;
    }

    bool SidesMayFace(int a, int b) const override {
        if (a <= NumMen) return !HasBit(Scratch.MenFaced[a], b);
        return !HasBit(Scratch.WomenFaced[a - NumMen], b - NumMen);
    }

    bool MayFace(BoundEdge x, BoundEdge y) const override {
        return !VaryBlocked({static_cast<uint8_t>(x.A), static_cast<uint8_t>(x.B - NumMen)},
                            {static_cast<uint8_t>(y.A), static_cast<uint8_t>(y.B - NumMen)});
    }

private:
    void FlipBit(int id) { UsedBits[id >> 6] ^= uint64_t{1} << (id & 63); }

    int MustOf(PlayerPair q) const { return MustFlag[Smaller == Men ? q.First : q.Second]; }
    // q would face p = (m', w'): blocked when m' and m, or w' and w, have faced each other, or
    // m' and w, or w' and m, have been on one court together.
    bool VaryBlocked(PlayerPair p, PlayerPair q) const {
        return HasBit(Scratch.MenFaced[p.First], q.First) ||
               HasBit(Scratch.WomenFaced[p.Second], q.Second) ||
               HasBit(Scratch.ManWomanAcross[p.First], q.Second) ||
               HasBit(Scratch.ManWomanAcross[q.First], p.Second);
    }

    SearchScratch& Scratch;
    Group Smaller;
    GroupTables& SmallTables;
    const std::array<uint8_t, MaxGroupPlayers + 1>& MenPlays;
    const std::array<uint8_t, MaxGroupPlayers + 1>& WomenPlays;
    BalanceTracker MenBalance, WomenBalance;
    int Need;
    bool Vary, GroupAgainstGroup, LastRound;
    int Courts;
    uint8_t MustFlag[MaxGroupPlayers + 1] = {};
    uint8_t LimitedMan[MaxGroupPlayers + 1] = {};
    uint8_t LimitedWoman[MaxGroupPlayers + 1] = {};
    MustPlayList MustList;
    int MustSelected = 0;
    bool MustListShown = false;
    int NumMen, NumWomen;
    CompletionBound Bound;
    std::array<uint64_t, 8>& Cuts;
    // Who is in the selection, as the bounds number the players: men 1..M, women M + 1..M + W.
    uint8_t Used[CompletionBound::MaxIds + 1] = {};
    std::vector<BoundEdge> Edges;
    uint64_t UsedBits[4] = {};
};

} // namespace

void SelectMixedRound(ScheduleStore& store, RunPorts& ports, int m, int courts) {
    SearchScratch& scratch = store.Scratch;
    const int round = store.NumDoublesRounds + m;
    const bool lastRound = m == store.NumMixedRounds;

    RoundResultList& result = store.MixedResult;
    result.Pairs.fill({});
    store.SearchCursor = 1;
    store.RoundValid = store.TooFewCourts = store.TooManyCourts = false;
    const int need = 2 * courts;
    if (store.MixedPairs.Count < 0 || store.MixedPairs.Count > MaxMixedPairs)
        throw RoundFailure("mixed pair list longer than its table");

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
        if (q.First < 1 || q.First > store.NumMen || q.Second < 1 || q.Second > store.NumWomen)
            throw RoundFailure("mixed pair list names a player outside the groups");
        const uint8_t sm = menStatus.Status[q.First], sw = womenStatus.Status[q.Second];
        if (IsAvailable(sm) && IsAvailable(sw))
            filtered.Pairs[++filtered.Count] = q;
        else if (IsPausing(sm) || IsPausing(sw))
            parked.Pairs[++parked.Count] = q;
    }

    result.Count = 0;
    auto& sel = scratch.Selection;
    auto& pos = scratch.Pos;
    SearchOutcome found;
    std::optional<MixedPolicy> policy;
    const int canPlay =
        store.NumMen + store.NumWomen - menStatus.AbsentCount - womenStatus.AbsentCount;
    if (canPlay < 4 * courts) {
        store.TooManyCourts = true;
    } else {
        policy.emplace(store, menStatus, womenStatus, round, courts, lastRound);
        pos[0] = courts;
        CandidatePoll poll(ports, store.Candidates);
        found = SearchRound(*policy, filtered.Pairs.data(), filtered.Count, need, sel.data(),
                            pos.data(), poll, store.Candidates, !ports.Control.Literal);
        store.TooFewCourts = found.TooFew;
    }
    store.SearchCursor = found.Cursor;

    // Why the round fails, from its counts and from the bounds at its start (the search has
    // dropped every pair again whenever the bounds are asked).
    const Group smaller = store.NumMen <= store.NumWomen ? Men : Women;
    auto explain = [&] {
        RoundFacts f;
        f.GroupIndex = 2;
        f.Courts = courts;
        f.Stopped = found.Stopped;
        f.TooMany = store.TooManyCourts;
        f.CanPlay = canPlay;
        f.Absent = menStatus.AbsentCount + womenStatus.AbsentCount;
        f.TooFew = store.TooFewCourts;
        f.MustPlay = store.Of(smaller).MustPlay.Count;
        f.MustGroup = smaller;
        f.GamesLow = 255;
        for (Group g : {Men, Women}) {
            const StatusRecord& status = g == Men ? menStatus : womenStatus;
            for (int p = 1; p <= store.CountOf(g); ++p) {
                if (IsPausing(status.Status[p])) ++f.Pausing[g];
                if (!IsAvailable(status.Status[p])) continue;
                ++f.Available[g];
                f.GamesLow = std::min<int>(f.GamesLow, store.Of(g).PlayCount[p]);
                f.GamesHigh = std::max<int>(f.GamesHigh, store.Of(g).PlayCount[p]);
            }
        }
        if (f.Available[0] + f.Available[1] == 0) f.GamesLow = 0;
        if (policy && !f.Stopped && !f.TooFew) {
            f.Verdict = ReasonVerdict(*policy, filtered.Pairs.data(), filtered.Count);
            f.WithPartner[0] = policy->Bounds().FreeWithPartner(0);
            f.WithPartner[1] = policy->Bounds().FreeWithPartner(1);
            f.Capacity = policy->Bounds().PairCapacity();
            const int id = policy->Bounds().StrandedId();
            if (f.Verdict == BoundVerdict::Stranded)
                f.Stranded = id > store.NumMen ? PlayerName(store, Women, id - store.NumMen)
                                               : PlayerName(store, Men, id);
            if (filtered.Count > 0)
                f.FirstPair = PlayerName(store, Men, filtered.Pairs[1].First) + " en " +
                              PlayerName(store, Women, filtered.Pairs[1].Second);
        }
        store.RoundReasonText = ExplainRound(store, f);
    };
    store.RoundReasonText.clear();

    if (found.Stopped) {
        // A stopped round has no solution: it ends empty and says so.
        store.RoundValid = false;
        explain();
        return;
    }
    store.RoundValid = found.Valid;
    const int k = found.Selected < 0 ? 0 : found.Selected;
    if (!store.RoundValid || k < need) explain();

    // Having backtracked to an empty selection the search gives up with an empty round, even
    // when it had found part selections before.
    result.Count = k;
    for (int i = 1; i <= k; ++i) result.Pairs[i] = sel[i];
    BuildNextPairList(store.MixedNextPairs, parked, filtered, pos.data(), k, store.PauseMode > 0);
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
