#pragma once
// The message tables of the error reporters, texts exactly as the user reads them.

#include <array>
#include <string_view>

extern const std::array<std::string_view, 45> Messages;
extern const std::array<std::string_view, 16> Kinds;
extern const std::array<std::string_view, 6> Advices;
