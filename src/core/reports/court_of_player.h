#pragma once
// The court-of-player tables: for every round, the court on which each player of a group plays
// (0 = not playing). The court schedule and the editor read them; the editor keeps them in step
// with the round table.

#include "core/common/ports.h"
#include "core/reports/report_source.h"

#include <string>

// "Geen baanpaar op baan: " + court (2 wide) + " in ronde: " + round.
std::string EmptySlotText(int court, int round);

// Fills both groups' tables of rounds 1..N from the round table (clearing them first): the
// doubles rounds group by group in display order, then the mixed rounds (slots 0 and 2 men, 1
// and 3 women). Every empty slot on a court in use is reported as an error; the tables are still
// filled.
void BuildCourtOfPlayer(ScheduleStore& store, const ReportCounts& counts, Messenger& messenger);
