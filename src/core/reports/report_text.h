#pragma once
// Text pieces the report builders share. Every text is Windows-1252 bytes; cutting to a length
// keeps the first characters.

#include "core/schedule/schedule_store.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Without leading and trailing blanks (and control characters).
std::string_view TrimText(std::string_view text);

// The first n characters.
std::string Cut(std::string_view text, std::size_t n);

// v in decimal, right-aligned with blanks to w characters; longer numbers are not cut.
std::string Str(long long v, int w);

std::string Decimal(long long v);

// "Voornaam,AchterNaam", both trimmed. Player 0 (an empty slot) and numbers outside the list
// give an empty first and last name.
std::string PlayerName(const NameList& list, int p);

// Three blanks and the printed code of court c, at most 12 characters.
std::string CourtText(const std::array<int32_t, 33>& baanCode, int c);

// The printed code of court c (the court number itself outside 1..32).
int32_t CourtCode(const std::array<int32_t, 33>& baanCode, int c);
