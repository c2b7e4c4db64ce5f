#pragma once
// The cross table: for every player and every round the two opponents, and the opponent met most
// often in each column. Two lines per player, groups in display order, players in list order.

#include "core/reports/report_lines.h"
#include "core/reports/report_source.h"

#include <array>

struct FrequentOpponent {
    int Count = 1;  // above 1 when reported
    int Player = 0; // 0: nobody returns
};

// For the first and the second opponent column of player p: the player of the group (1..n) met
// there in the most rounds, when more than once; the lowest number wins a tie.
std::array<FrequentOpponent, 2> FrequentOpponents(const GroupTables& tables, int p, int n,
                                                  int rounds);

// The line of eight blanks between the two blocks.
inline constexpr std::string_view CrossTableSeparator = "        ";

void BuildCrossTable(const ReportSource& source, ReportLines& lines);
