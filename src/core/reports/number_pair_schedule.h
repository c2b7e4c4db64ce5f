#pragma once
// The pair schedule of a schedule with pairs: players shown by group letter and number. Each
// court gives one line of seven fields: round, the two players of pair 1, an empty "against"
// field, the two players of pair 2, court.

#include "core/reports/report_lines.h"
#include "core/reports/report_source.h"

#include <string_view>

inline constexpr std::string_view NumberPairSeparator = "   ";

// Which courts a line block covers: a group's doubles courts, or the mixed courts.
enum class NumberPairBlock { Men, Women, Mixed };

// One player field: three blanks, the letter and the number two wide, at most 12 characters.
std::string NumberPairField(char letter, int player);

void BuildNumberPairLines(const ReportSource& source, ReportLines& lines, int r,
                          NumberPairBlock block, std::string_view letters);

void BuildNumberPairSchedule(const ReportSource& source, ReportLines& lines);
