#pragma once
// The part selections of a round search already shown to have no accepted completion.
//
// What the search does below a part selection depends only on the players it holds (what the
// next pair may not repeat, and the must-play and balance tests of the full selection, which
// count players, not their order), on the pair the next pair would face when a court is half
// filled, and on the cursor: every completion takes its pairs from the cursor on. The players
// and the half-filled court make the key. Two part selections with the same key and cursors
// c <= c' have the same completions, except that those of c' are a subset of those of c; so a
// key that failed from cursor c fails from every cursor after it. The table keeps, per key, the
// smallest cursor it failed from.
//
// Keys are compared whole (no hash stands in for a key), so a hit is a proof. A full table takes
// no new keys; a missed entry only costs search time.

#include <cstdint>
#include <vector>

class DeadEnds {
public:
    // Two groups of 200 players and the half-filled court.
    static constexpr int MaxWords = 8;

    // words: 64-bit words of a key; capacity: the most keys kept (a power of two is used).
    void Start(int words, int capacity);

    // Whether the part selection with this key is known to fail from the cursor.
    bool Fails(const uint64_t* key, int cursor) const;
    // The part selection with this key has no accepted completion from the cursor.
    void Add(const uint64_t* key, int cursor);

    uint64_t Hits() const { return HitCount; }
    int Size() const { return Used; }

private:
    void Grow();
    int Slot(const uint64_t* key, uint64_t hash) const;
    static uint64_t Hash(const uint64_t* key, int words);

    int Words = 0;
    int Capacity = 0;
    int Used = 0;
    uint64_t Mask = 0;
    std::vector<uint64_t> Keys;  // Words per slot
    std::vector<int32_t> Cursor; // 0: empty slot
    mutable uint64_t HitCount = 0;
};
