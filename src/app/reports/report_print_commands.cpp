// "&Print", "&Export" and the print preview of the report window: the report list as it is
// shown goes to the printer; the report's lines go to the text file.

#include "app/common/print_or_preview.h"
#include "app/common/qt_text.h"
#include "app/reports/results_form.h"
#include "core/config/print_job.h"
#include "core/reports/report_export.h"
#include "core/reports/report_print.h"

#include <QTreeWidget>

bool TResultsForm::OutputCommandsBuilt() {
    return true;
}

ReportPrintout TResultsForm::ShownReportPrintout() {
    OpenedReport report;
    report.Opt = Opt;
    report.Variant = Variant;
    report.Counts = Counts;
    std::vector<ReportListItem> items;
    const int columns = ListView->columnCount();
    for (int i = 0; i < ListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* shown = ListView->topLevelItem(i);
        ReportListItem item;
        item.Caption = FromQt(shown->text(0));
        for (int c = 1; c < columns; ++c) item.SubItems.push_back(FromQt(shown->text(c)));
        // A list item has as many texts as the list has columns; the line it came from (or an
        // inserted blank line) may have fewer fields.
        while (!item.SubItems.empty() && item.SubItems.back().empty()) item.SubItems.pop_back();
        items.push_back(std::move(item));
    }
    ReportPrintout printout = ReportPrintoutOf(State.Common, State.Configuration, State.Store(),
                                               report, std::move(items));
    // The columns print as wide as they are shown, widened or narrowed by the user included.
    for (int c = 0; c < columns && c < static_cast<int>(printout.Columns.size()); ++c)
        printout.Columns[static_cast<std::size_t>(c)].Width = ListView->columnWidth(c);
    return printout;
}

void TResultsForm::PrintBtnClick() {
    PrintReportAs(PrintMode::Print);
}

void TResultsForm::PreviewBtnClick() {
    PrintReportAs(PrintMode::Preview);
}

void TResultsForm::PrintReportAs(PrintMode mode) {
    if (Opt < ReportPairSchedule || Opt > ReportCrossTable) return;
    const ReportPrintout report = ShownReportPrintout();
    ReportPrintFields fields{PageLines, OrientFactor};
    PrintoutCommands printout;
    printout.Title = report.Title;
    printout.Print = [&](const std::function<bool()>& chooseTarget) {
        PrintReportCommand(State.Common, State.Configuration, Ports.Msg, Ports.Printer, report,
                           fields, chooseTarget);
    };
    printout.SelectPrinter = [&] {
        fields.OrientFactor =
            SelectPrinterForJob(State.Common, State.Configuration, Ports.Msg, Ports.Printer);
    };
    printout.Layout = [&] {
        PrintReport(State.Common, State.Configuration, Ports.Printer, report, fields);
    };
    PrintOrPreview(mode, printout, State.Configuration.PrnCfg, Ports.Msg, Ports.Printing, this);
    PageLines = fields.PageLines;
    OrientFactor = fields.OrientFactor;
}

void TResultsForm::RedBtnClick() {
    if (Opt < ReportPairSchedule || Opt > ReportCrossTable) return;
    OpenedReport report;
    report.Opt = Opt;
    report.Variant = Variant;
    report.Counts = Counts;
    report.Lines = UitLijst;
    if (auto written = ExportReportCommand(
            {Ports.Msg, State.Common.ErrorCode}, State.Configuration, State.Members, Ports.Choose,
            ReportExportInputOf(State.Common, State.Configuration, State.Store(), report)))
        ExportFileName = *written;
}
