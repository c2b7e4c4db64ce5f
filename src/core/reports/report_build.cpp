#include "core/reports/report_build.h"

#include "core/common/error_report.h"
#include "core/reports/court_of_player.h"
#include "core/reports/court_schedule.h"
#include "core/reports/cross_table.h"
#include "core/reports/number_pair_schedule.h"
#include "core/reports/pair_schedule.h"
#include "core/reports/play_counts.h"
#include "core/reports/report_text.h"

void BuildReportLines(const ReportSource& source, int variant, ReportLines& lines) {
    switch (variant) {
    case 1:
        BuildPairSchedule(source, lines);
        break;
    case 2:
    case 7:
        BuildCourtSchedule(source, lines, false);
        break;
    case 5:
        BuildCourtSchedule(source, lines, true);
        break;
    case 3:
    case 8:
        BuildPlayCounts(source, lines);
        break;
    case 4:
    case 9:
        BuildCrossTable(source, lines);
        break;
    case 6:
        BuildNumberPairSchedule(source, lines);
        break;
    default:
        break;
    }
}

ReportOpening PrepareReport(CommonState& common, const ConfigState& config, ScheduleStore& store,
                            Messenger& messenger, int opt) {
    ReportOpening opening;
    if (common.ScheduleKind == ScheduleNone || opt < 1 || opt > 5 ||
        !store.HoldsRunOfCurrentSetUp()) {
        opening.Refused = ReportRefusal::NoSchedule;
        return opening;
    }
    OpenedReport report;
    report.Opt = opt;
    report.Counts = ReportCountsOf(store.Params);
    report.Variant = ReportVariant(opt, common.ScheduleKind);
    report.Edition = store.Edition;
    BuildCourtOfPlayer(store, report.Counts, messenger);
    if (opt == ReportEditor) {
        if (common.ScheduleKind == ScheduleWithPairs) {
            ReportScheduleError({messenger, common.ErrorCode}, WarnsAboutCourts(config), 0, 13, 0);
            opening.Refused = ReportRefusal::EditorNeedsNames;
            return opening;
        }
        report.EditorHeading = "Ix,Voornaam,Achternaam,ronde: ";
        for (int i = 1; i <= report.Counts.Rounds(); ++i) report.EditorHeading += "," + Decimal(i);
    }
    ReportSource source{store, report.Counts, common.ScheduleKind, common.BaanCode};
    if (opt == ReportEditor)
        BuildCourtSchedule(source, report.Lines, true, &report.EditorRows);
    else
        BuildReportLines(source, report.Variant, report.Lines);
    opening.Report = std::move(report);
    return opening;
}
