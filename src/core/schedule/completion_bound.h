#pragma once
// Whether a part selection of a round search can still grow into one the round accepts, from
// the pairs left after the search cursor. Every test here is a necessary condition of an
// accepted selection, so a "no" means the part of the search below holds no selection that
// passes the must-play and balance tests, and skipping it loses nothing. A "yes" promises
// nothing: the search itself still decides.
//
// Players are ids 1..count. A doubles round has one side (the group); a mixed round has two:
// men (side 0) and women (side 1), and every pair joins one of each.

#include "core/schedule/court_segment_search.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The first rule that no completion of the part selection can keep.
enum class BoundVerdict : uint8_t {
    Possible,
    TooFewPlayers,   // fewer free players with a free partner than places left
    Stranded,        // a player who must play has no pair left with a free partner
    TooManyMustPlay, // more players must play than places left
    TooFewPairs,     // the pairs left cannot make enough disjoint pairs
    Balance,         // no completion keeps the games within one
    NoOpponent,      // the half-filled court has no pair left it may face
    Known,           // the same players (and half-filled court) failed before
};

class CompletionBound {
public:
    static constexpr int MaxIds = 400;

    // rules: the must-play and balance tests apply (not with group 1 against group 2);
    // round: the start value of the balance test.
    void Start(int ids, bool twoSides, bool rules, int round);
    // An available player: side, games so far, limited (plays 2 or 3 times), must play.
    void AddPlayer(int id, int side, int games, bool limited, bool mustPlay);

    // used[id] != 0: the player is in the part selection. edges: the pairs after the cursor
    // whose two players are both free, in search order. pairsLeft: pairs still to select.
    // rule: who may face whom, when that is restricted; pending: with a rule, the pair of a
    // half-filled court (A = 0: none), which the next pair selected faces.
    BoundVerdict Check(const uint8_t* used, const BoundEdge* edges, int edgeCount, int pairsLeft,
                       const CourtRule* rule = nullptr, BoundEdge pending = {});

    // The finer tests (the places each side must fill, the order of the list and who may face
    // whom) steer the search; a reason for a failed round speaks of the plain counts only.
    void UseFinerTests(bool on) { Finer = on; }

    // After a Stranded verdict: the player it is about.
    int StrandedId() const { return Stranded; }
    // Of the last check: free players with a free partner per side, and the most pairs the
    // parts of the remaining pairs could hold.
    int FreeWithPartner(int side) const { return Free[side]; }
    int PairCapacity() const { return Capacity; }
    // Of the last check: the states its searches of whole courts went through.
    uint64_t SearchedStates() const { return Courts.SearchedStates(); }

    // The available players, as added.
    struct PlayerInfo {
        int Id, Side, Games;
        bool Limited, Must;
    };
    int PlayerCount() const { return Count; }
    PlayerInfo PlayerAt(int i) const {
        const Player& p = Players[i];
        return {p.Id, p.Side, p.Games, p.Limited, p.Must};
    }
    int IdCount() const { return Ids; }
    bool HasTwoSides() const { return TwoSides; }

private:
    struct Player {
        uint16_t Id;
        uint8_t Side;
        uint8_t Games;
        bool Limited;
        bool Must;
    };

    bool WindowsFit(const uint8_t* used, const BoundEdge* edges, int edgeCount, int pairsLeft,
                    int window0, int window1);
    bool FinerFit(const BoundEdge* edges, int edgeCount, int pairsLeft);
    bool ComponentsFit(const BoundEdge* edges, int edgeCount, int pairsLeft);
    bool PlacesFit(const BoundEdge* edges, int edgeCount, int pairsLeft);
    bool TailsFit(const BoundEdge* edges, int edgeCount, int pairsLeft);
    bool CourtsFit(const BoundEdge* edges, int from, int to, int pairs);
    int SideFits(int side, std::size_t at, int left, int open);
    bool CoverFits(const BoundEdge* edges, int edgeCount, int pairs,
                   const std::vector<int>& players);
    bool Augment(int from);
    int Find(int id);

    int Ids = 0;
    bool TwoSides = false;
    bool Rules = true;
    int Round = 1;
    int Count = 0;
    int Stranded = 0;
    int Free[2] = {0, 0};
    int Capacity = 0;
    int LastCapacity = 0;
    const CourtRule* Rule = nullptr;
    BoundEdge Pending;
    bool Finer = true;
    std::array<Player, MaxIds + 1> Players{};
    std::array<uint8_t, MaxIds + 1> SideOf{};
    std::array<uint8_t, MaxIds + 1> Touched{};   // in some edge of this check
    std::array<uint8_t, MaxIds + 1> Forbidden{}; // may not be selected in this window
    std::array<uint8_t, MaxIds + 1> Forced{};    // must be selected in this window
    std::array<uint16_t, MaxIds + 1> Parent{};
    std::array<uint16_t, MaxIds + 1> Size0{}, Size1{}, Forced0{}, Forced1{};
    std::array<int32_t, MaxIds + 1> FirstEdge{}; // of a player, in this window
    std::array<uint8_t, MaxIds + 1> SeenInTail{};
    std::array<uint8_t, MaxIds + 1> Selectable{}; // free, not kept out, with a pair left
    std::vector<int32_t> Before0, Before1, After0, After1, ForcedAfter0, ForcedAfter1;
    std::vector<int32_t> LastEdge, TouchAfter0, TouchAfter1;
    std::vector<BoundEdge> Segment;
    std::vector<int> Required;
    std::array<uint8_t, MaxIds + 1> Taken{};
    static constexpr int MaxSegmentNodes = 300;
    int Nodes = 0;
    std::array<int, MaxIds + 1> Tried{};
    std::vector<std::vector<int>> Adjacent;
    std::vector<int> MatchedTo;
    std::array<int, MaxIds + 1> RequiredMark{};
    int RequiredStamp = 0;
    int StampCount = 0;
    CourtSegmentSearch Courts;
};
