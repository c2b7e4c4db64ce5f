#include "core/schedule/dead_ends.h"

#include <algorithm>
#include <cstring>

void DeadEnds::Start(int words, int capacity) {
    Capacity = capacity;
    HitCount = 0;
    // A small table of the same shape is emptied in place: short searches start often.
    if (words == Words && !Cursor.empty() && Cursor.size() <= 4096) {
        if (Used > 0) std::fill(Cursor.begin(), Cursor.end(), 0);
        Used = 0;
        return;
    }
    Words = words;
    Used = 0;
    Keys.clear();
    Cursor.clear();
}

// Most searches never fail a part selection twice: the table is made on the first entry and
// doubles as it fills.
void DeadEnds::Grow() {
    std::vector<uint64_t> keys;
    std::vector<int32_t> cursor;
    keys.swap(Keys);
    cursor.swap(Cursor);
    const size_t slots = cursor.empty() ? 1024 : 2 * cursor.size();
    Mask = slots - 1;
    Keys.assign(slots * static_cast<size_t>(Words), 0);
    Cursor.assign(slots, 0);
    for (size_t i = 0; i < cursor.size(); ++i) {
        if (cursor[i] == 0) continue;
        const uint64_t* key = &keys[i * static_cast<size_t>(Words)];
        const int slot = Slot(key, Hash(key, Words));
        Cursor[static_cast<size_t>(slot)] = cursor[i];
        std::memcpy(&Keys[static_cast<size_t>(slot) * static_cast<size_t>(Words)], key,
                    static_cast<size_t>(Words) * sizeof(uint64_t));
    }
}

uint64_t DeadEnds::Hash(const uint64_t* key, int words) {
    uint64_t h = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < words; ++i) {
        h ^= key[i] + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        h *= 0xBF58476D1CE4E5B9ull;
    }
    return h ^ (h >> 31);
}

// The slot that holds the key, or the empty slot where it would go.
int DeadEnds::Slot(const uint64_t* key, uint64_t hash) const {
    const size_t bytes = static_cast<size_t>(Words) * sizeof(uint64_t);
    for (uint64_t i = hash & Mask;; i = (i + 1) & Mask) {
        const int slot = static_cast<int>(i);
        if (Cursor[static_cast<size_t>(slot)] == 0) return slot;
        if (std::memcmp(&Keys[static_cast<size_t>(slot) * static_cast<size_t>(Words)], key,
                        bytes) == 0)
            return slot;
    }
}

bool DeadEnds::Fails(const uint64_t* key, int cursor) const {
    if (Used == 0) return false;
    const int slot = Slot(key, Hash(key, Words));
    const int32_t from = Cursor[static_cast<size_t>(slot)];
    if (from == 0 || from > cursor) return false;
    ++HitCount;
    return true;
}

void DeadEnds::Add(const uint64_t* key, int cursor) {
    if (cursor < 1) return;
    if (Cursor.empty() || (2 * (Used + 1) > static_cast<int>(Cursor.size()) && Used < Capacity))
        Grow();
    const int slot = Slot(key, Hash(key, Words));
    int32_t& from = Cursor[static_cast<size_t>(slot)];
    if (from != 0) {
        from = std::min(from, static_cast<int32_t>(cursor));
        return;
    }
    if (Used >= Capacity) return;
    ++Used;
    from = cursor;
    std::memcpy(&Keys[static_cast<size_t>(slot) * static_cast<size_t>(Words)], key,
                static_cast<size_t>(Words) * sizeof(uint64_t));
}
