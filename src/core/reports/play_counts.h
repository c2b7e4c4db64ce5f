#pragma once
// How often each player played, the two groups side by side: the larger group (the women when
// the groups are equal) on the left, both in display order.

#include "core/reports/report_lines.h"
#include "core/reports/report_source.h"

// The group shown on the left: the men when there are fewer women than men, else the women.
Group PrimaryGroup(const ReportCounts& counts);

void BuildPlayCounts(const ReportSource& source, ReportLines& lines);
