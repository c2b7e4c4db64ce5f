#pragma once
// The court schedule: for every player of each group (in display order), the court code of each
// round, "-" for a round the player sits out. The editor's form numbers the lines and shows the
// blanks of a name as "_".

#include "core/reports/report_lines.h"
#include "core/reports/report_source.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Who stands on a line of the court schedule: a player of a group, or nobody on a heading line.
struct CourtScheduleRow {
    Group G = Men;
    int Position = 0; // 1.. within the group's display order; 0 on a heading line
    int Player = 0;   // the player's number in the group's list; 0 on a heading line
};

// What the schedule shows for a court in a round: "-" for none (court 0), otherwise at most two
// characters of the court's code, so codes of 100 and more lose their last digit.
std::string CourtCell(const std::array<int32_t, 33>& baanCode, int court);

// A heading line per group, then one line per player: first name, last name, an empty field
// under "ronde : ", and a field per round (CourtCell of the player's court). The editor's line is
// position, first name, last name, "_", then the rounds. When rows is given, it receives one
// entry per line built, in the same order.
void BuildCourtSchedule(const ReportSource& source, ReportLines& lines, bool editorForm,
                        std::vector<CourtScheduleRow>* rows = nullptr);
