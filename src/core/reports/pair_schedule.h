#pragma once
// The pair schedule of a schedule with names: round by round who plays with and against whom,
// and on which court. Each court gives two lines of seven fields (round, first name, last name,
// "against", first name, last name, court); a dash line closes every round.

#include "core/reports/report_lines.h"
#include "core/reports/report_source.h"

#include <string>

// Separator between courts and between the two groups of a doubles round: four blanks.
inline constexpr std::string_view PairSeparator = "    ";

// The dash line under a round: dashes as long as the round text, then twice the sequence of
// first name, last name and court text dashes, two times each (13 fields). The names are player
// 1's names as stored.
std::string DashLine(const TNaamRec& player1, std::size_t roundTextLength,
                     std::size_t courtTextLength);

// The running state of one build: the dash line and the last round and court text.
struct PairScheduleBuild {
    std::string Dash;
    std::string RoundText;
    std::string CourtText;
};

// The two lines of every court of group g in doubles round r, a separator between courts. In
// round 1 the group also makes the dash line.
void BuildPairLines(const ReportSource& source, ReportLines& lines, PairScheduleBuild& build, int r,
                    Group g);

void BuildPairSchedule(const ReportSource& source, ReportLines& lines);
