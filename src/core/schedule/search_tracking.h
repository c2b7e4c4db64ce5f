#pragma once
// Running totals that make the must-play and balance tests of a round search O(1) per test:
// the same answers as testing the whole group, kept up to date as pairs are selected and
// dropped.

#include <bit>
#include <cstdint>

// Games after the round of the available players, as a count per value.
class BalanceTracker {
public:
    explicit BalanceTracker(int start)
        : Start(start) {}

    void AddPlayer(int games, bool limited) {
        Put(All, MaskAll, games);
        if (!limited) Put(Full, MaskFull, games);
    }
    // A selected player plays one game more.
    void Select(int games, bool limited) {
        Take(All, MaskAll, games);
        Put(All, MaskAll, games + 1);
        if (!limited) {
            Take(Full, MaskFull, games);
            Put(Full, MaskFull, games + 1);
        }
    }
    void Unselect(int games, bool limited) {
        Take(All, MaskAll, games + 1);
        Put(All, MaskAll, games);
        if (!limited) {
            Take(Full, MaskFull, games + 1);
            Put(Full, MaskFull, games);
        }
    }
    // hi starts at 1 and lo at the round number; limited players count for hi only.
    bool Passes() const {
        int hi = MaskAll != 0 ? 63 - std::countl_zero(MaskAll) : 0;
        if (hi < 1) hi = 1;
        int lo = MaskFull != 0 ? std::countr_zero(MaskFull) : Start;
        if (lo > Start) lo = Start;
        return hi == lo || hi == lo + 1;
    }

private:
    static void Put(uint8_t* counts, uint64_t& mask, int games) {
        if (counts[games]++ == 0) mask |= uint64_t{1} << games;
    }
    static void Take(uint8_t* counts, uint64_t& mask, int games) {
        if (--counts[games] == 0) mask &= ~(uint64_t{1} << games);
    }

    int Start;
    uint64_t MaskAll = 0, MaskFull = 0;
    uint8_t All[64] = {};
    uint8_t Full[64] = {};
};
