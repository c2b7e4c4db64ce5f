#include "core/schedule/doubles_round.h"

#include "core/schedule/availability.h"
#include "core/schedule/candidate_poll.h"
#include "core/schedule/completion_bound.h"
#include "core/schedule/round_failure.h"
#include "core/schedule/round_reasons.h"
#include "core/schedule/round_search.h"
#include "core/schedule/search_tracking.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

inline bool HasBit(const std::array<uint64_t, 4>& row, int p) {
    return (row[p >> 6] >> (p & 63)) & 1u;
}
inline void SetBit(std::array<uint64_t, 4>& row, int p) {
    row[p >> 6] |= uint64_t{1} << (p & 63);
}

} // namespace

void StartDoublesPhase(ScheduleStore& store, Group g) {
    GroupTables& tables = store.Of(g);
    const int players = store.CountOf(g);
    int n = 0;
    for (int i = 1; i <= players; ++i)
        for (int j = i + 1; j <= players; ++j)
            tables.PairList.Pairs[++n] = {static_cast<uint8_t>(i), static_cast<uint8_t>(j)};
    tables.PairList.Count = n;
    for (int p = 0; p <= MaxGroupPlayers; ++p) {
        tables.PlayCount[p] = 0;
        tables.SatOut[p] = 0;
        tables.Met[p].Clear();
    }
}

namespace {

// What a doubles pair blocks: both its players. The must-play and balance tests follow the
// selection with running totals.
class DoublesPolicy {
public:
    DoublesPolicy(ScheduleStore& store, GroupTables& tables, const StatusRecord& record,
                  int players, int r, int courts)
        : Tables(tables)
        , DeadTable(store.Scratch.Dead)
        , Balance(r)
        , Places(4 * courts)
        , Need(2 * courts)
        , Players(players)
        , Cuts(store.BoundCuts) {
        Bound.Start(players, false, true, r);
        for (int p = 1; p <= players; ++p) {
            if (!IsAvailable(record.Status[p])) continue;
            Limited[p] = IsLimited(record.Status[p]) ? 1 : 0;
            Balance.AddPlayer(tables.PlayCount[p], Limited[p] != 0);
            if (tables.SatOut[p] != 0) {
                MustFlag[p] = 1;
                MustList.Players[++MustList.Count] = static_cast<uint8_t>(p);
            }
            Bound.AddPlayer(p, 0, tables.PlayCount[p], Limited[p] != 0, MustFlag[p] != 0);
        }
    }

    bool Accepts(int, const PlayerPair*, PlayerPair q) const {
        return (Used[q.First] | Used[q.Second]) == 0;
    }
    void Pick(PlayerPair q) {
        Used[q.First] = Used[q.Second] = 1;
        FlipBit(q.First);
        FlipBit(q.Second);
        MustSelected += MustFlag[q.First] + MustFlag[q.Second];
        Balance.Select(Tables.PlayCount[q.First], Limited[q.First] != 0);
        Balance.Select(Tables.PlayCount[q.Second], Limited[q.Second] != 0);
    }
    void Drop(PlayerPair q) {
        Used[q.First] = Used[q.Second] = 0;
        FlipBit(q.First);
        FlipBit(q.Second);
        MustSelected -= MustFlag[q.First] + MustFlag[q.Second];
        Balance.Unselect(Tables.PlayCount[q.First], Limited[q.First] != 0);
        Balance.Unselect(Tables.PlayCount[q.Second], Limited[q.Second] != 0);
    }
    bool Test() {
        if (!MustListShown) {
            Tables.MustPlay = MustList;
            MustListShown = true;
        }
        return MustSelected == MustList.Count && Balance.Passes();
    }
    // The count is that of the group's last must-play test, which may be of an earlier round
    // when this one has not tested a selection yet.
    bool TooFew() const { return Tables.MustPlay.Count > Places; }
    // More players must play than there are places: the partial selection is the round.
    bool EndsAtTooFew() const { return true; }
    int Floor() const { return 0; }
    int CursorAtEmpty(int cursor) const { return cursor; }

    BoundVerdict Verdict(int k, const PlayerPair*, const PlayerPair* list, int cursor, int length,
                         uint64_t& work) {
        Edges.clear();
        for (int i = cursor; i <= length; ++i) {
            const PlayerPair q = list[i];
            if ((Used[q.First] | Used[q.Second]) == 0) Edges.push_back({q.First, q.Second});
        }
        work = static_cast<uint64_t>(length - cursor + 1 + Players);
        return Bound.Check(Used, Edges.data(), static_cast<int>(Edges.size()), Need - k);
    }
    std::array<uint64_t, 8>& CutCounts() { return Cuts; }
    CompletionBound& Bounds() { return Bound; }

    // A doubles pair may join any part selection without these players: the players are the
    // key.
    DeadEnds& Dead() { return DeadTable; }
    int KeyWords() const { return Players / 64 + 1; }
    void WriteKey(int, const PlayerPair*, uint64_t* key) const {
        for (int i = 0; i < KeyWords(); ++i) key[i] = UsedBits[i];
    }

private:
    void FlipBit(int p) { UsedBits[p >> 6] ^= uint64_t{1} << (p & 63); }

    GroupTables& Tables;
    DeadEnds& DeadTable;
    uint64_t UsedBits[4] = {};
    BalanceTracker Balance;
    int Places;
    int Need;
    int Players;
    CompletionBound Bound;
    std::array<uint64_t, 8>& Cuts;
    std::vector<BoundEdge> Edges;
    uint8_t Used[MaxGroupPlayers + 1] = {};
    uint8_t MustFlag[MaxGroupPlayers + 1] = {};
    uint8_t Limited[MaxGroupPlayers + 1] = {};
    MustPlayList MustList;
    int MustSelected = 0;
    bool MustListShown = false;
};

} // namespace

void SelectDoublesRound(ScheduleStore& store, RunPorts& ports, Group g, int r, int courts) {
    GroupTables& tables = store.Of(g);
    SearchScratch& scratch = store.Scratch;
    const int players = store.CountOf(g);

    store.SearchCursor = 1;
    store.RoundValid = store.TooFewCourts = store.TooManyCourts = false;
    const int need = 2 * courts;
    if (tables.PairList.Count < 0 || tables.PairList.Count > MaxDoublesPairs)
        throw RoundFailure("pair list longer than its table");

    StatusRecord& record = tables.StatusTable[r];
    RoundStatusUpdate(store, g, r, record);
    const int absent = record.AbsentCount;
    const auto& status = record.Status;

    // Filter: usable pairs stay in order; pairs with a pausing player are parked for later;
    // the rest are dropped for good. A block is an ordered entry: (b, a) does not block (a, b).
    const auto& blocks = tables.PartnerBlock;
    for (int e = 1; e <= blocks.Count; ++e)
        SetBit(scratch.Blocked[blocks.Entries[e].First], blocks.Entries[e].Second);
    MixedPairList& filtered = scratch.Filtered;
    MixedPairList& parked = scratch.Parked;
    filtered.Count = parked.Count = 0;
    bool outside = false;
    for (int i = 1; i <= tables.PairList.Count; ++i) {
        const PlayerPair q = tables.PairList.Pairs[i];
        if (q.First < 1 || q.First > players || q.Second < 1 || q.Second > players) {
            outside = true;
            continue;
        }
        const bool blocked = HasBit(scratch.Blocked[q.First], q.Second);
        if (!blocked && IsAvailable(status[q.First]) && IsAvailable(status[q.Second]))
            filtered.Pairs[++filtered.Count] = q;
        else if (IsPausing(status[q.First]) || IsPausing(status[q.Second]))
            parked.Pairs[++parked.Count] = q;
    }
    for (int e = 1; e <= blocks.Count; ++e) scratch.Blocked[blocks.Entries[e].First] = {};
    if (outside) throw RoundFailure("pair list names a player outside the group");

    // Places beyond the count read as "no pair", so a partial round never shows pairs of an
    // earlier round.
    RoundResultList& result = tables.RoundResult;
    result.Count = 0;
    result.Pairs.fill({});

    auto& sel = scratch.Selection;
    auto& pos = scratch.Pos;
    SearchOutcome found;
    std::optional<DoublesPolicy> policy;
    if (players - absent < 4 * courts) {
        store.TooManyCourts = true;
    } else {
        policy.emplace(store, tables, record, players, r, courts);
        CandidatePoll poll(ports, store.Candidates);
        found = SearchRound(*policy, filtered.Pairs.data(), filtered.Count, need, sel.data(),
                            pos.data(), poll, store.Candidates, !ports.Control.Literal);
        store.TooFewCourts = found.TooFew;
    }
    store.SearchCursor = found.Cursor;

    // Why the round fails, from its counts and from the bounds at its start (the search has
    // dropped every pair again whenever the bounds are asked).
    auto explain = [&] {
        RoundFacts f;
        f.GroupIndex = g;
        f.Courts = courts;
        f.Stopped = found.Stopped;
        f.TooMany = store.TooManyCourts;
        f.CanPlay = players - absent;
        f.Absent = absent;
        f.TooFew = store.TooFewCourts;
        f.MustPlay = tables.MustPlay.Count;
        f.MustGroup = g;
        f.GamesLow = 255;
        for (int p = 1; p <= players; ++p) {
            if (IsPausing(status[p])) ++f.Pausing[0];
            if (!IsAvailable(status[p])) continue;
            ++f.Available[0];
            f.GamesLow = std::min<int>(f.GamesLow, tables.PlayCount[p]);
            f.GamesHigh = std::max<int>(f.GamesHigh, tables.PlayCount[p]);
        }
        if (f.Available[0] == 0) f.GamesLow = 0;
        if (policy && !f.Stopped && !f.TooFew) {
            f.Verdict = ReasonVerdict(*policy, filtered.Pairs.data(), filtered.Count);
            f.WithPartner[0] = policy->Bounds().FreeWithPartner(0);
            f.Capacity = policy->Bounds().PairCapacity();
            if (f.Verdict == BoundVerdict::Stranded)
                f.Stranded = PlayerName(store, g, policy->Bounds().StrandedId());
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
    int k = found.Selected;
    bool valid = found.Valid;
    if (k < 0) {
        // Every possibility was tried. The flag may still hold the test of a part selection;
        // an exhausted round is not a success and is reported as such.
        k = 0;
        valid = false;
    }
    store.RoundValid = valid;
    if (!valid) explain();

    result.Count = k;
    for (int i = 1; i <= k; ++i) result.Pairs[i] = sel[i];
    BuildNextPairList(tables.NextPairList, parked, filtered, pos.data(), k, store.PauseMode > 0);
}

void ArrangeMatches(ScheduleStore& store, Group g, int r) {
    if (r < 2) return;
    GroupTables& tables = store.Of(g);
    RoundResultList& result = tables.RoundResult;
    const int count = result.Count;
    if (count <= 0) return;
    const int players = store.CountOf(g);

    auto met = [&](int a1, int a2, int b) {
        return b >= 1 && b <= players && (tables.Met[a1].Has(b) || tables.Met[a2].Has(b)) ? 1 : 0;
    };
    int w[MaxResultPairs + 1][MaxResultPairs + 1];
    for (int i = 1; i <= count; ++i) {
        const PlayerPair a = result.Pairs[i];
        for (int j = 1; j <= count; ++j) {
            if (i == j) {
                w[i][j] = 100;
                continue;
            }
            const PlayerPair b = result.Pairs[j];
            w[i][j] = met(a.First, a.Second, b.First) + met(a.First, a.Second, b.Second) +
                      met(b.First, b.Second, a.First) + met(b.First, b.Second, a.Second);
        }
    }

    bool isFree[MaxResultPairs + 1];
    std::fill(std::begin(isFree), std::end(isFree), true);
    int order[MaxResultPairs + 2] = {};
    int placed = 0;
    auto freeWith = [&](int i, int value) {
        int c = 0;
        for (int j = 1; j <= count; ++j)
            if (isFree[j] && w[i][j] == value) ++c;
        return c;
    };
    while (placed < count) {
        int cnt[MaxResultPairs + 1] = {};
        for (int i = 1; i <= count; ++i) {
            int low = 100;
            for (int j = 1; j <= count; ++j)
                if (isFree[j] && w[i][j] < low) low = w[i][j];
            cnt[i] = freeWith(i, low);
        }
        // The pair with the fewest best opponents goes first ...
        int a = 0, fewest = 100;
        for (int i = 1; i <= count; ++i)
            if (isFree[i] && cnt[i] < fewest) fewest = cnt[i], a = i;
        int m = 100;
        for (int j = 1; j <= count; ++j)
            if (isFree[j] && w[a][j] < m) m = w[a][j];
        int b = 0;
        for (int j = 1; j <= count && b == 0; ++j)
            if (isFree[j] && w[a][j] == m) b = j;
        // ... against the opponent with the fewest alternatives at that level.
        int best = 100;
        for (int i = 1; i <= count; ++i) {
            if (!isFree[i] || w[i][a] != m) continue;
            int c = freeWith(i, m);
            if (c < best) best = c, b = i;
        }
        // With an odd count the last pair is left alone: it takes both places and the
        // second falls outside the result.
        order[++placed] = a;
        order[++placed] = b;
        isFree[a] = isFree[b] = false;
    }
    PlayerPair arranged[MaxResultPairs + 1];
    for (int i = 1; i <= count; ++i) arranged[i] = result.Pairs[order[i]];
    for (int i = 1; i <= count; ++i) result.Pairs[i] = arranged[i];
}

namespace {

void WritePairs(RoundRecord& record, const RoundResultList& result, int offset, int32_t& first,
                int32_t& last) {
    for (int k = 1; k <= result.Count; ++k) {
        const int court = offset + (k + 1) / 2;
        if (court > MaxCourts) break; // the run never gives a round more than 32 courts
        const int slot = (k % 2 == 1) ? 0 : 2;
        record.Courts[court][slot] = result.Pairs[k].First;
        record.Courts[court][slot + 1] = result.Pairs[k].Second;
    }
    first = offset + 1;
    last = offset + result.Count / 2;
}

} // namespace

void RecordRound(ScheduleStore& store, Group g, int r) {
    RoundRecord& record = store.RoundTable[r];
    if (g == Men) {
        const int offset = store.LadiesFirst ? store.CourtsWomen[r] : 0;
        WritePairs(record, store.Of(Men).RoundResult, offset, record.FirstMen, record.LastMen);
    } else {
        const int offset = store.LadiesFirst ? 0 : store.CourtsMen[r];
        WritePairs(record, store.Of(Women).RoundResult, offset, record.FirstWomen,
                   record.LastWomen);
    }
}

void RecordMixedRound(ScheduleStore& store, int m) {
    RoundRecord& record = store.RoundTable[store.NumDoublesRounds + m];
    WritePairs(record, store.MixedResult, 0, record.FirstMixed, record.LastMixed);
}

void AfterDoublesRound(ScheduleStore& store, Group g, int r) {
    GroupTables& tables = store.Of(g);
    const RoundResultList& result = tables.RoundResult;
    const int players = store.CountOf(g);
    // A court of the result may hold a single pair (a partial round); its missing pair is 0/0.
    const int courts = (result.Count + 1) / 2;

    if (store.VaryPairs) {
        for (int c = 1; c <= courts; ++c) {
            const PlayerPair x = result.Pairs[2 * c - 1];
            const PlayerPair y = result.Pairs[2 * c];
            tables.PartnerBlock.Append({x.First, y.Second});
            tables.PartnerBlock.Append({x.Second, y.First});
        }
    }

    for (int c = 1; c <= courts; ++c) {
        const uint8_t four[4] = {result.Pairs[2 * c - 1].First, result.Pairs[2 * c - 1].Second,
                                 result.Pairs[2 * c].First, result.Pairs[2 * c].Second};
        for (int i = 0; i < 4; ++i) {
            if (four[i] == 0) continue;
            for (int j = 0; j < 4; ++j)
                if (j != i) tables.Met[four[i]].Add(four[j]);
        }
    }

    auto& opponents = tables.OpponentTable[r];
    for (int p = 1; p <= players; ++p) {
        tables.SatOut[p] = 1;
        opponents[p] = {};
    }
    for (int k = 1; k <= result.Count; ++k) {
        const PlayerPair a = result.Pairs[k];
        for (uint8_t p : {a.First, a.Second}) {
            tables.SatOut[p] = 0;
            ++tables.PlayCount[p];
        }
        if (k % 2 == 1) {
            const PlayerPair b = result.Pairs[k + 1];
            opponents[a.First] = {b.First, b.Second};
            opponents[a.Second] = {b.First, b.Second};
            if (b.First != 0) opponents[b.First] = {a.First, a.Second};
            if (b.Second != 0) opponents[b.Second] = {a.First, a.Second};
        }
    }
}
