#pragma once
// A text field of fixed capacity N stored as N + 1 bytes: a length byte and N character bytes
// (Windows-1252). The bytes behind the length are kept as read, so a record that is loaded and
// saved again comes back byte for byte.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

template <std::size_t N> struct ShortString {
    static_assert(N >= 1 && N <= 255, "a short string holds 1..255 characters");
    uint8_t Length;
    char Chars[N];

    static constexpr std::size_t Capacity = N;

    // The meaningful text; a length byte above the capacity (a damaged file) is read as N.
    std::string_view View() const { return {Chars, std::min<std::size_t>(Length, N)}; }
    std::string Str() const { return std::string(View()); }
    std::size_t Size() const { return std::min<std::size_t>(Length, N); }
    bool Empty() const { return Size() == 0; }

    // Stores text cut to the capacity; the bytes behind the new length stay as they were.
    void Assign(std::string_view text) {
        std::size_t n = std::min(text.size(), N);
        if (n > 0) std::memcpy(Chars, text.data(), n);
        Length = static_cast<uint8_t>(n);
    }
    ShortString& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    char operator[](std::size_t i) const { return i < Size() ? Chars[i] : '\0'; }
    bool operator==(std::string_view text) const { return View() == text; }
};

static_assert(sizeof(ShortString<24>) == 25);
static_assert(sizeof(ShortString<3>) == 4);

#include <bit>
static_assert(std::endian::native == std::endian::little,
              "records are memory images of little-endian files");
