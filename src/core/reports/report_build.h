#pragma once
// Opening a report, without the window: the checks, the counts, the court-of-player tables and
// the lines of the chosen report. The report window, the command line and the benchmarks call
// this one path.

#include "core/common/common_state.h"
#include "core/common/ports.h"
#include "core/config/config_state.h"
#include "core/reports/court_schedule.h"
#include "core/reports/report_lines.h"
#include "core/reports/report_source.h"
#include "core/schedule/schedule_store.h"

#include <optional>
#include <string>

// The builder of a report variant (1..9; variant 10 builds nothing).
void BuildReportLines(const ReportSource& source, int variant, ReportLines& lines);

struct OpenedReport {
    int Opt = 0;
    int Variant = 0;
    ReportCounts Counts;
    ReportLines Lines;
    // The editor grid's heading row: "Ix,Voornaam,Achternaam,ronde: ,1,...,N" (kind 5 only).
    std::string EditorHeading;
    // Who stands on each line of the editor (kind 5 only): entry i belongs to line i, so to
    // grid row i.
    std::vector<CourtScheduleRow> EditorRows;
    // The edition of the schedule the report was built from.
    uint32_t Edition = 0;
};

enum class ReportRefusal {
    NoSchedule,       // nothing computed yet: nothing happens
    EditorNeedsNames, // the editor on a schedule with pairs: reported, nothing shown
};

struct ReportOpening {
    std::optional<OpenedReport> Report;
    std::optional<ReportRefusal> Refused;
};

// Builds report opt (1..5) from the current schedule. Derives the court-of-player tables first
// (reporting every empty slot); refuses the editor for a schedule with pairs with "Alleen
// mogelijk voor Schema Op Naam ". Nothing is built while the store holds no run of the set-up
// opened last (before the first run, or after a set-up that was left without one).
ReportOpening PrepareReport(CommonState& common, const ConfigState& config, ScheduleStore& store,
                            Messenger& messenger, int opt);
