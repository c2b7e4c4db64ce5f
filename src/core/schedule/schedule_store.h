#pragma once
// The schedule store: the parameters the set-up window fills, the working tables of a run and
// the result tables the reports read. Every table has a fixed size and is indexed from 1
// (players, rounds, courts, pairs); 0 in a player or court slot means "none". The store is one
// heap object for the whole program run and is never written to disk.

#include "core/common/short_string.h"
#include "core/members/member_records.h"
#include "core/schedule/dead_ends.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int MaxGroupPlayers = 200;   // players per group, and men + women together
inline constexpr int MaxRounds = 24;          // doubles + mixed
inline constexpr int MaxCourts = 32;          // courts in one round
inline constexpr int MaxResultPairs = 64;     // two per court
inline constexpr int MaxDoublesPairs = 19900; // every unordered pair of 200 players
inline constexpr int MaxMixedPairs = 40000;   // 200 x 200
inline constexpr int MaxPartnerBlocks = 1536;
// Four entries per mixed match: 24 rounds of 32 courts need 3072, so the mixed block list holds
// that many and a long mixed schedule never loses an earlier match.
inline constexpr int MaxMixBlocks = 4 * MaxCourts * MaxRounds;
inline constexpr int MaxMetPlayers = 208; // a met-set covers player numbers 0..207

enum Group : int { Men = 0, Women = 1 };

struct PlayerPair {
    uint8_t First = 0;
    uint8_t Second = 0;
    bool operator==(const PlayerPair&) const = default;
};

// An int count followed by Capacity pairs, [1..Count] in use.
template <int Capacity> struct PairListOf {
    int32_t Count = 0;
    std::array<PlayerPair, Capacity + 1> Pairs{};
};

using DoublesPairList = PairListOf<MaxDoublesPairs>;
using MixedPairList = PairListOf<MaxMixedPairs>;
using RoundResultList = PairListOf<MaxResultPairs>;

// One round of a group: the players who cannot play, and each player's status byte:
// 0 not available, 1..101 available with that maximum of games (24 = no maximum),
// 102 and above sits out this round but keeps his pairs for later.
struct StatusRecord {
    int32_t AbsentCount = 0;
    std::array<uint8_t, MaxGroupPlayers + 1> Status{};
};

inline constexpr uint8_t NoMaximum = 24;
inline constexpr uint8_t PauseTwoTimes = 102; // also a coded late arrival
inline constexpr uint8_t PauseThreeTimes = 103;

inline bool IsAvailable(uint8_t s) {
    return s >= 1 && s <= 101;
}
inline bool IsPausing(uint8_t s) {
    return s >= 102;
}
inline bool IsLimited(uint8_t s) {
    return s == 2 || s == 3;
}

// Courts[c] holds pair 1 (slots 0, 1) against pair 2 (slots 2, 3); in a mixed round slots 0 and
// 2 are men, 1 and 3 women. A first court one above the last marks a group without courts.
struct RoundRecord {
    int32_t FirstMen = 0, LastMen = 0;
    int32_t FirstWomen = 0, LastWomen = 0;
    int32_t FirstMixed = 0, LastMixed = 0;
    std::array<std::array<uint8_t, 4>, MaxCourts + 1> Courts{};
};

// The players of the same group a player has shared a doubles court with.
struct MetSet {
    std::array<uint64_t, 4> Bits{};
    void Add(int p) { Bits[p >> 6] |= uint64_t{1} << (p & 63); }
    bool Has(int p) const { return (Bits[p >> 6] >> (p & 63)) & 1u; }
    void Clear() { Bits = {}; }
};

struct MustPlayList {
    int32_t Count = 0;
    std::array<uint8_t, MaxGroupPlayers + 1> Players{};
};

struct OpponentEntry {
    uint8_t X = 0;
    uint8_t Y = 0;
    bool operator==(const OpponentEntry&) const = default;
};

template <int Capacity> struct BlockListOf {
    int32_t Count = 0;
    std::array<PlayerPair, Capacity + 1> Entries{};
    void Append(PlayerPair p) {
        if (Count < Capacity) Entries[++Count] = p;
    }
};

struct CourtOfPlayerRecord {
    int32_t Count = 0;
    std::array<uint8_t, MaxGroupPlayers + 1> Court{};
};

using NameList = std::array<TNaamObj, MaxGroupPlayers + 1>;

// The tables kept once per group (men, women).
struct GroupTables {
    NameList Names{};
    DoublesPairList PairList;
    DoublesPairList NextPairList;
    std::array<uint8_t, MaxDoublesPairs + 1> PairWeight{};
    RoundResultList RoundResult;
    std::array<StatusRecord, MaxRounds + 1> StatusTable{};
    std::array<uint8_t, MaxGroupPlayers + 1> PlayCount{};
    std::array<uint8_t, MaxGroupPlayers + 1> SatOut{};
    std::array<MetSet, MaxGroupPlayers + 1> Met{};
    MustPlayList MustPlay;
    std::array<std::array<OpponentEntry, MaxGroupPlayers + 1>, MaxRounds + 1> OpponentTable{};
    BlockListOf<MaxPartnerBlocks> PartnerBlock;
    std::array<CourtOfPlayerRecord, MaxRounds + 1> CourtOfPlayer{};
};

// What the set-up window fills and a run reads.
struct ScheduleParams {
    int32_t NHeren = 0;
    int32_t NDames = 0;
    int32_t NDubRonden = 0;
    int32_t NMixRonden = 0;
    int32_t NBanen = 0;
    double SpeelDatum = 0;                  // days since 30-12-1899
    std::array<int32_t, 7> PageCourtsMen{}; // [1..6]: the court grid page on screen
    std::array<int32_t, 7> PageCourtsWomen{};
    std::array<int32_t, 7> PageCourtsMixed{};
    uint16_t PairingOptions = 0; // 1 ladies first, 2 vary pairs, 4 group 1 against group 2
    uint16_t PauseOptions = 0;   // bits 0-1 pauses of 3-times players, bits 2-3 of 2-times players
};

inline constexpr uint16_t PairLadiesFirst = 1;
inline constexpr uint16_t PairVary = 2;
inline constexpr uint16_t PairGroupAgainstGroup = 4;

// Reusable work space of the round searches and the weight sort; nothing in it outlives a call.
struct SearchScratch {
    MixedPairList Filtered;
    MixedPairList Parked;
    std::array<int32_t, MaxResultPairs + 1> Pos{};
    std::array<PlayerPair, MaxResultPairs + 1> Selection{};
    // Bit rows of "may not be partners" (doubles) and of earlier mixed encounters.
    std::array<std::array<uint64_t, 4>, MaxGroupPlayers + 1> Blocked{};
    std::array<std::array<uint64_t, 4>, MaxGroupPlayers + 1> MenFaced{};
    std::array<std::array<uint64_t, 4>, MaxGroupPlayers + 1> WomenFaced{};
    std::array<std::array<uint64_t, 4>, MaxGroupPlayers + 1> ManWomanAcross{};
    std::array<uint8_t, MaxMixedPairs + 1> MixedWeight{};
    std::vector<int32_t> SortPositions;
    DeadEnds Dead;
};

// Why a round of a run failed: group 0 men, 1 women, 2 mixed; the round of the whole schedule.
struct RoundReasonEntry {
    int Group = 0;
    int Round = 0;
    std::string Text;
    // The cause lies in what the earlier rounds left (who sat out, games, pairs used), not in
    // the round's own counts (no courts, too few players present) or a stop.
    bool DependsOnEarlierRounds = false;
};

struct ScheduleStore {
    ScheduleParams Params;

    // Run values, copied from the parameters when a run starts.
    int32_t NumMen = 0, NumWomen = 0;
    int32_t NumDoublesRounds = 0, NumMixedRounds = 0;
    int32_t NumCourts = 0, NumRounds = 0, NumPlayers = 0;
    int32_t CurrentRound = 0;
    bool LadiesFirst = false;
    bool VaryPairs = false;
    uint8_t PauseMode =
        0; // bit 0 one pause for 3-times players; 2, 4, 6: pauses of 2-times players
    bool RunBlocked = false;
    bool RoundValid = false, TooFewCourts = false, TooManyCourts = false;
    int32_t SearchCursor = 0;

    // Courts per round: [1..24] by doubles round, CourtsMixed by mixed round number.
    std::array<uint8_t, MaxRounds + 1> CourtsMen{};
    std::array<uint8_t, MaxRounds + 1> CourtsWomen{};
    std::array<uint8_t, MaxRounds + 1> CourtsMixed{};

    std::array<GroupTables, 2> Groups{};

    MixedPairList MixedPairs;
    MixedPairList MixedNextPairs;
    RoundResultList MixedResult;
    BlockListOf<MaxMixBlocks> MixBlock;

    std::array<RoundRecord, MaxRounds + 1> RoundTable{};

    std::array<ShortString<10>, 3> GroupLabel{};   // " Heren ", " Dames ", " Mixed "
    std::array<ShortString<10>, 2> GroupHeading{}; // "HEREN  ", "DAMES  "

    // Candidates examined by the round searches since the run started.
    uint64_t Candidates = 0;
    // Parts of the search the bounds skipped since the run started, by the rule that ruled
    // them out (indexed by BoundVerdict; 0 is unused).
    std::array<uint64_t, 8> BoundCuts{};
    // Why the last round searched failed (empty when it did not), and every failed round of
    // the run with its reason.
    std::string RoundReasonText;
    std::vector<RoundReasonEntry> Reasons;
    // The run ended because the user stopped it.
    bool RunStopped = false;
    // Every set-up and every run starts a new edition of the schedule. A report, and the
    // editor's grid, belong to the edition they were built from. RunEdition is the edition of
    // the last run: when a set-up has been opened since, the tables mix the old run with the
    // new set-up's names and counts, and there is no schedule to show.
    uint32_t Edition = 0;
    uint32_t RunEdition = 0;
    bool HoldsRunOfCurrentSetUp() const { return Edition == RunEdition; }
    SearchScratch Scratch;

    GroupTables& Of(Group g) { return Groups[g]; }
    const GroupTables& Of(Group g) const { return Groups[g]; }
    int32_t CountOf(Group g) const { return g == Men ? NumMen : NumWomen; }
};
