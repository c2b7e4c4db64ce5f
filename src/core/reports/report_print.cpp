#include "core/reports/report_print.h"

#include "core/common/error_report.h"
#include "core/config/config_file.h"
#include "core/config/print_job.h"
#include "core/reports/report_lines.h"
#include "core/reports/report_summary.h"

#include <string_view>

namespace {

constexpr uint16_t PrinterNotPresent = 21;
// From this page length on, pages break by their height instead of by their line count.
constexpr int PageLengthByHeight = 999;

// A dash line of the pair schedule prints as a rule.
bool IsRule(const ReportListItem& item) {
    return !item.Caption.empty() && item.Caption[0] == '-';
}

class ReportPage {
public:
    ReportPage(const CommonState& common, ConfigState& config, PrintCanvas& canvas,
               const ReportPrintout& report, ReportPrintFields& fields)
        : Common(common)
        , Config(config)
        , Prn(config.PrnCfg)
        , Canvas(canvas)
        , Report(report)
        , Fields(fields) {
        const long pageWidth = canvas.PageWidth();
        for (const ReportColumn& column : report.Columns) {
            Widths.push_back(static_cast<int>(pageWidth * column.Width / 800));
            Total += Widths.back();
        }
    }

    void Print() {
        Fields.PageLines = 0;
        X = Prn.LeftMarge;
        Y = Prn.TopMarge;
        if (Config.PrintHeadOn) SummaryBlock();
        TitleBlock();
        const std::size_t count = Report.Items.size();
        for (std::size_t i = 0; i < count; ++i) {
            const bool courtFollows = FirstRowOfCourt(Report, i);
            // A court whose second row would open the next page starts that page instead (unless
            // the page holds nothing yet, where it could not do better).
            if (courtFollows && RowsOnPage > 0 && PageFullAt(Fields.PageLines + 1)) NewPrintPage();
            Row(Report.Items[i]);
            ++Fields.PageLines;
            ++RowsOnPage;
            if (i + 1 == count) break;
            if (courtFollows) continue;
            if (PageFullByHeight(Fields.PageLines)) {
                NewPrintPage();
                continue;
            }
            if (PageFullByCount(Fields.PageLines)) NewPrintPage();
        }
        PageNumber();
        if (Config.PersDataOn) PersonalData();
    }

private:
    int LineHeight() const { return Prn.LineHeight; }
    int CharWidth() const { return Common.Printer.PrnCharWidth; }

    bool PageFullByHeight(int lines) const {
        return Prn.LinespPage >= PageLengthByHeight &&
               Canvas.PageHeight() - Prn.BottomMarge < lines * LineHeight();
    }
    bool PageFullByCount(int lines) const {
        return Fields.OrientFactor * lines / 100 >= Prn.LinespPage - 1;
    }
    bool PageFullAt(int lines) const { return PageFullByHeight(lines) || PageFullByCount(lines); }

    void Rule() {
        Canvas.Line(Prn.LeftMarge, Y, Prn.LeftMarge + Total, Y);
        Y += LineHeight() / 2;
    }

    void SummaryBlock() {
        for (const std::string& line : Report.Summary) {
            Canvas.TextOut(Prn.LeftMarge, Y, line);
            Y += LineHeight();
        }
        Rule();
        Fields.PageLines = static_cast<int16_t>(Fields.PageLines + Report.MixedRounds + 7);
    }

    void TitleBlock() {
        for (std::string_view text : {std::string_view(Report.ClubNaam),
                                      std::string_view(Report.Title), std::string_view(" ")}) {
            Canvas.TextOut(Prn.LeftMarge, Y, text);
            Y += LineHeight();
        }
        Fields.PageLines += 3;
        Rule();
        X = Prn.LeftMarge;
        Canvas.TextOut(X - CharWidth(), Y, "|");
        for (std::size_t i = 0; i < Report.Columns.size(); ++i) {
            Canvas.TextOut(X, Y, Report.Columns[i].Caption);
            X += Widths[i];
        }
        Canvas.TextOut(X, Y, "|");
        Y += LineHeight();
        Rule();
        Fields.PageLines += 3;
    }

    void Row(const ReportListItem& item) {
        if (IsRule(item)) {
            Rule();
            return;
        }
        X = Prn.LeftMarge;
        Canvas.TextOut(X - CharWidth(), Y, "|");
        Canvas.TextOut(X, Y, item.Caption);
        if (!Widths.empty()) X += Widths[0];
        // Sub-items beyond the last column have no column to stand in.
        for (std::size_t j = 0; j < item.SubItems.size() && j + 1 < Widths.size(); ++j) {
            Canvas.TextOut(X, Y, item.SubItems[j]);
            X += Widths[j + 1];
        }
        Canvas.TextOut(Prn.LeftMarge + Total, Y, "|");
        Y += LineHeight();
    }

    void PageNumber() {
        std::string number = "-" + std::to_string(Canvas.PageNumber()) + "-";
        Canvas.TextOut(Prn.LeftMarge + Total - 3 * Prn.FontSizeTv, Y, number);
        Y += LineHeight();
    }

    void NewPrintPage() {
        PageNumber();
        Canvas.NewPage();
        Fields.PageLines = 0;
        RowsOnPage = 0;
        X = Prn.LeftMarge;
        Y = Prn.TopMarge;
        if (Config.PrintHeadOn) SummaryBlock();
        if (Config.PrintTitelOn) TitleBlock();
    }

    void PersonalData() {
        X = Prn.LeftMarge;
        const auto& p = Prn.Persoon;
        for (const std::string& line : {p[0].Str(), p[1].Str(), "   " + p[3].Str(), p[4].Str()}) {
            Canvas.TextOut(X, Y, line);
            Y += LineHeight();
        }
        Fields.PageLines += 6;
    }

    const CommonState& Common;
    const ConfigState& Config;
    TPrnCFGRec& Prn;
    PrintCanvas& Canvas;
    const ReportPrintout& Report;
    ReportPrintFields& Fields;
    std::vector<int> Widths;
    int Total = 0;
    int X = 0;
    int Y = 0;
    int RowsOnPage = 0; // items printed on the current page
};

} // namespace

bool FirstRowOfCourt(const ReportPrintout& report, std::size_t i) {
    if (!report.CourtsOnTwoRows || i + 1 >= report.Items.size()) return false;
    const ReportListItem& first = report.Items[i];
    const ReportListItem& second = report.Items[i + 1];
    if (IsRule(first) || IsRule(second) || first.SubItems.empty() || second.SubItems.empty())
        return false;
    if (first.Caption == " " || first.SubItems.back() != second.SubItems.back()) return false;
    return second.Caption == " " || second.Caption == first.Caption;
}

std::vector<ReportListItem> ReportListItems(const ReportLines& lines) {
    std::vector<ReportListItem> items;
    items.reserve(lines.size());
    for (const TResultObj& line : lines) {
        std::vector<std::string> fields = ReportListFields(line.Regel);
        ReportListItem item;
        if (!fields.empty()) {
            item.Caption = fields.front();
            item.SubItems.assign(fields.begin() + 1, fields.end());
        }
        items.push_back(std::move(item));
    }
    return items;
}

ReportPrintout ReportPrintoutOf(const CommonState& common, const ConfigState& config,
                                const ScheduleStore& store, const OpenedReport& report,
                                std::vector<ReportListItem> items) {
    ReportPrintout printout;
    ReportSource source = ReportSourceOf(common, store);
    source.Counts = report.Counts;
    printout.Summary = SummaryBlock(source, config.Config.CfgRec);
    printout.MixedRounds = report.Counts.Mixed;
    printout.ClubNaam = config.Config.CfgRec.ClubNaam.Str();
    printout.Title = std::string(ReportTitle(report.Opt));
    printout.Columns = LayoutReport(report.Opt, common.ScheduleKind, report.Counts).Columns;
    printout.Items = std::move(items);
    printout.CourtsOnTwoRows =
        report.Variant == ReportVariant(ReportPairSchedule, ScheduleWithNames);
    return printout;
}

void PrintReport(const CommonState& common, ConfigState& config, PrintCanvas& canvas,
                 const ReportPrintout& report, ReportPrintFields& fields) {
    // A printer that was never measured leaves the stored line height (never zero).
    if (common.Printer.PrnLineHeight != 0) config.PrnCfg.LineHeight = common.Printer.PrnLineHeight;
    if (config.PrnCfg.LineHeight == 0) config.PrnCfg.LineHeight = DefaultLineHeight;
    ReportPage page(common, config, canvas, report, fields);
    page.Print();
}

bool PrintReportCommand(CommonState& common, ConfigState& config, Messenger& messenger,
                        PrintCanvas& canvas, const ReportPrintout& report,
                        ReportPrintFields& fields, const std::function<bool()>& chooseTarget) {
    fields.OrientFactor = SelectPrinterForJob(common, config, messenger, canvas);
    std::string printer = ChosenPrinterName(config, canvas);
    if (printer.empty()) {
        ReportError({messenger, common.ErrorCode}, "", PrinterNotPresent, 0, 0);
        return false;
    }
    if (!AskPrintConfirmation(messenger, printer)) return false;
    if (chooseTarget && !chooseTarget()) return false;
    return RunPrintJob(messenger, canvas, report.Title,
                       [&] { PrintReport(common, config, canvas, report, fields); });
}
