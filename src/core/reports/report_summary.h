#pragma once
// The block of lines that opens an exported or printed report when the print heading is on:
// the group sizes, courts, rounds, the courts of every mixed round and the play date.

#include "core/config/config_records.h"
#include "core/reports/report_source.h"

#include <string>
#include <vector>

std::vector<std::string> SummaryBlock(const ReportSource& source, const TCfgRec& config);
