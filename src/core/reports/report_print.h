#pragma once
// The printed report: the summary block and the title block on top, the column heading, one
// framed row per item of the report list (a dash line of the pair schedule as a rule), page
// breaks by line count or by page height, the page number at the foot of each page and, when
// asked, the owner's personal data at the end. All positions are printer pixels.

#include "core/common/common_state.h"
#include "core/common/ports.h"
#include "core/common/print_canvas.h"
#include "core/config/config_state.h"
#include "core/reports/report_build.h"
#include "core/reports/report_layout.h"
#include "core/schedule/schedule_store.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One item of the report list as it is shown (after "Voegin regel" and "Verwijder regel").
struct ReportListItem {
    std::string Caption;
    std::vector<std::string> SubItems;
};

// What the report list shows, with what goes above it.
struct ReportPrintout {
    std::vector<std::string> Summary; // the summary block's lines
    int MixedRounds = 0;              // M: the summary block counts M + 7 lines
    std::string ClubNaam;
    std::string Title;
    std::vector<ReportColumn> Columns; // the report list's columns 0..K
    std::vector<ReportListItem> Items;
    // The pair schedule with names: a court takes two rows, which stay on one page.
    bool CourtsOnTwoRows = false;
};

// Whether item i is the first of a court's two rows and item i + 1 the second: both carry the
// same court text, and the second has the first's round number or the blank of a doubles round.
bool FirstRowOfCourt(const ReportPrintout& report, std::size_t i);

// The items of a report list filled from its lines, as the report window fills it.
std::vector<ReportListItem> ReportListItems(const ReportLines& lines);

// The printout of an opened report: the summary block, club name, title and list columns of the
// current configuration and schedule, and the given items of the report list.
ReportPrintout ReportPrintoutOf(const CommonState& common, const ConfigState& config,
                                const ScheduleStore& store, const OpenedReport& report,
                                std::vector<ReportListItem> items);

// The report window's fields that a print job counts with.
struct ReportPrintFields {
    int16_t PageLines = 0;
    int16_t OrientFactor = 100;
};

// Prints the report into an open print job. The computed printer line height replaces the
// stored one in the print settings.
void PrintReport(const CommonState& common, ConfigState& config, PrintCanvas& canvas,
                 const ReportPrintout& report, ReportPrintFields& fields);

// "&Print" of the report window: chooses the printer, refuses without one
// (" P R I N T E R  N I E T  A A N W E Z I G "), asks, and prints. chooseTarget runs after the
// question (a file printer asks for its file there) and may stop the job by returning false.
bool PrintReportCommand(CommonState& common, ConfigState& config, Messenger& messenger,
                        PrintCanvas& canvas, const ReportPrintout& report,
                        ReportPrintFields& fields, const std::function<bool()>& chooseTarget = {});
