#pragma once
// The report as a plain text file in fixed-width columns, for a word processor or for mailing:
// Windows-1252, every line ended by CR LF and indented by the left margin in screen font sizes.
// It writes the report's lines, not the report list, so lines inserted or deleted in the list do
// not reach the file.

#include "core/common/common_state.h"
#include "core/common/error_report.h"
#include "core/common/ports.h"
#include "core/config/config_state.h"
#include "core/members/member_state.h"
#include "core/reports/report_build.h"
#include "core/schedule/schedule_store.h"

#include <optional>
#include <string>
#include <vector>

struct ReportExportInput {
    int Opt = 1;             // kind 1..4
    int Rounds = 0;          // N
    bool BothGroups = false; // both groups have players (the times-played report)
    std::vector<std::string> Summary;
    std::string ClubNaam;
    std::string Title;
    std::vector<std::string> Captions; // the report list's column captions
    const ReportLines* Lines = nullptr;
};

ReportExportInput ReportExportInputOf(const CommonState& common, const ConfigState& config,
                                      const ScheduleStore& store, const OpenedReport& report);

// The blanks every line starts with: LeftMarge div FontSizeTv, at least one.
std::string ExportIndent(const TPrnCFGRec& prn);

// The whole file, with the summary block when PrintHeadOn and the personal data when PersDataOn.
std::string ExportReport(const ConfigState& config, const ReportExportInput& input);

// The chosen name, with ".txt" added unless it ends in exactly "txt".
std::string ExportFileName(const std::string& chosen);

// What the save dialog offers: "*.txt" in the member file's folder.
std::string ExportInitialName(const std::string& memberFileName);

// "&Export": asks for the file (and before overwriting the name actually written), writes it in one
// piece and says "Bewaren overzicht(en) gelukt"; a file that cannot be written is reported and
// nothing else is said. Returns the name written.
std::optional<std::string> ExportReportCommand(ErrorSink errors, const ConfigState& config,
                                               const MemberState& members, Chooser& chooser,
                                               const ReportExportInput& input);
