#pragma once
// The court schedule: for every player of each group (in display order), the court code of each
// round, "-" for a round the player sits out. The editor's form numbers the lines and shows the
// blanks of a name as "_".

#include "core/reports/report_lines.h"
#include "core/reports/report_source.h"

// A heading line per group, then one line per player: first name, last name, an empty field
// under "ronde : ", and a field per round (at most two characters of its court code). The
// editor's line is position, first name, last name, "_", then the rounds.
void BuildCourtSchedule(const ReportSource& source, ReportLines& lines, bool editorForm);
