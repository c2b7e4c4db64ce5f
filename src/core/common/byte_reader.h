#pragma once
// Plain reads from a file image in memory: at the end fewer bytes come, the rest of the target
// keeps what it held, and nothing is raised. Loaders work on such images, so any byte sequence a
// user hands us is read without ever going past its end.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

struct ByteReader {
    std::string_view Bytes;
    std::size_t Pos = 0;

    // Copies up to count bytes into target; returns how many came.
    std::size_t Read(void* target, std::size_t count) {
        std::size_t n = std::min(count, Bytes.size() - Pos);
        if (n > 0) std::memcpy(target, Bytes.data() + Pos, n);
        Pos += n;
        return n;
    }
    bool AtEnd() const { return Pos >= Bytes.size(); }
};
