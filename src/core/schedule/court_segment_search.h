#pragma once
// Whether a stretch of a mixed round's pair list can hold a given number of pairs as whole
// courts, taken in list order: every player at most once, the two pairs of a court allowed to
// face each other, and every required player taken. The search is exhaustive within a limit;
// when it gives up the answer is "yes", so a "no" is always a proof.

#include "core/schedule/dead_ends.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

struct BoundEdge {
    uint16_t A = 0, B = 0;
};

// Whether two pairs may face each other on one court (besides having four different players).
class CourtRule {
public:
    virtual bool MayFace(BoundEdge x, BoundEdge y) const = 0;
    // Whether two players of one side may stand on the two pairs of one court.
    virtual bool SidesMayFace(int a, int b) const = 0;

protected:
    ~CourtRule() = default;
};

class CourtSegmentSearch {
public:
    // A new round: what the earlier rounds' segments gave no longer holds.
    void StartRound();
    // segment: the pairs in list order (players 1..ids); required: players the pairs must take;
    // sideOf: a player's side (0: men, 1: women); pairs: an even number.
    bool Fits(const std::vector<BoundEdge>& segment, const std::vector<int>& required, int pairs,
              const uint8_t* sideOf, int ids, const CourtRule& rule);

    // The states searched since ForgetStates.
    uint64_t SearchedStates() const { return Searched; }
    void ForgetStates() { Searched = 0; }

private:
    bool Search(int pairs);
    int SearchOneWay(int pairs, int limit);
    int From(int at, int left, int open);
    void Take(int id);

    // A search of 2 000 states takes well under a millisecond.
    static constexpr int MaxStates = 2000;
    static constexpr uint64_t MaxWastedStates = 30000;
    static constexpr std::size_t MaxKnownPairs = std::size_t{1} << 22; // 16 MB per round

    std::vector<BoundEdge> Pairs;
    std::vector<int> Required;
    const uint8_t* SideOf = nullptr;
    const CourtRule* Rule = nullptr;
    int Ids = 0;
    int Words = 0;
    int States = 0;
    int StateLimit = 0;
    uint64_t Searched = 0;
    uint64_t Wasted = 0;
    std::vector<uint8_t> Taken, IsRequired;
    std::vector<int> LastAt;
    std::vector<uint64_t> Still, TakenBits;
    DeadEnds Dead;

    struct KnownSegment {
        std::vector<BoundEdge> Pairs;
        std::vector<int> Required;
        int Count;
        bool Fits;
    };
    std::unordered_map<uint64_t, std::vector<KnownSegment>> Known;
    std::size_t KnownPairs = 0;
};
