#include "core/reports/report_print.h"

#include "core/common/error_report.h"
#include "core/config/page_layout.h"
#include "core/config/print_job.h"
#include "core/reports/report_lines.h"
#include "core/reports/report_summary.h"

#include <string_view>

namespace {

constexpr uint16_t PrinterNotPresent = 21;

// A dash line of the pair schedule prints as a rule.
bool IsRule(const ReportListItem& item) {
    return !item.Caption.empty() && item.Caption[0] == '-';
}

// The report list's items as framed rows under the summary and title blocks; a court of the pair
// schedule with names keeps its two rows on one page.
class ReportTable : public PagedTable {
public:
    ReportTable(const ConfigState& config, int charWidth, int pageWidth,
                const ReportPrintout& report)
        : Config(config)
        , Prn(config.PrnCfg)
        , CharWidth(charWidth)
        , Report(report) {
        for (const ReportColumn& column : report.Columns) {
            Widths.push_back(static_cast<int>(static_cast<long>(pageWidth) * column.Width / 800));
            Total += Widths.back();
        }
    }

    // The page number stands under the right edge of the table.
    int PageNumberX() const { return Prn.LeftMarge + Total - 3 * Prn.FontSizeTv; }

    std::size_t RowCount() const override { return Report.Items.size(); }

    // The title block and column heading open the first page; later pages repeat them only when
    // asked.
    void PageHeading(PageLayout& page, bool firstPage) override {
        X = Prn.LeftMarge;
        page.MoveTo(Prn.TopMarge);
        if (Config.PrintHeadOn) SummaryBlock(page);
        if (firstPage || Config.PrintTitelOn) TitleBlock(page);
    }

    void Row(PageLayout& page, std::size_t i) override {
        const ReportListItem& item = Report.Items[i];
        if (IsRule(item)) {
            Rule(page);
            return;
        }
        PrintCanvas& canvas = page.Canvas();
        X = Prn.LeftMarge;
        canvas.TextOut(X - CharWidth, page.Y(), "|");
        canvas.TextOut(X, page.Y(), item.Caption);
        if (!Widths.empty()) X += Widths[0];
        // Sub-items beyond the last column have no column to stand in.
        for (std::size_t j = 0; j < item.SubItems.size() && j + 1 < Widths.size(); ++j) {
            canvas.TextOut(X, page.Y(), item.SubItems[j]);
            X += Widths[j + 1];
        }
        canvas.TextOut(Prn.LeftMarge + Total, page.Y(), "|");
        page.NextLine();
    }

    bool KeptWithNext(std::size_t i) const override { return FirstRowOfCourt(Report, i); }

    void Closing(PageLayout& page) override {
        if (Config.PersDataOn) PersonalData(page);
    }

private:
    void Rule(PageLayout& page) {
        page.Canvas().Line(Prn.LeftMarge, page.Y(), Prn.LeftMarge + Total, page.Y());
        page.HalfLine();
    }

    // The block counts M + 7 lines, whatever it prints.
    void SummaryBlock(PageLayout& page) {
        for (const std::string& line : Report.Summary) {
            page.Canvas().TextOut(Prn.LeftMarge, page.Y(), line);
            page.NextLine();
        }
        Rule(page);
        page.Count(Report.MixedRounds + 7);
    }

    void TitleBlock(PageLayout& page) {
        PrintCanvas& canvas = page.Canvas();
        for (std::string_view text : {std::string_view(Report.ClubNaam),
                                      std::string_view(Report.Title), std::string_view(" ")}) {
            canvas.TextOut(Prn.LeftMarge, page.Y(), text);
            page.NextLine();
        }
        page.Count(3);
        Rule(page);
        X = Prn.LeftMarge;
        canvas.TextOut(X - CharWidth, page.Y(), "|");
        for (std::size_t i = 0; i < Report.Columns.size(); ++i) {
            canvas.TextOut(X, page.Y(), Report.Columns[i].Caption);
            X += Widths[i];
        }
        canvas.TextOut(X, page.Y(), "|");
        page.NextLine();
        Rule(page);
        page.Count(3);
    }

    // Persoon[3] (the postcode) is not printed.
    void PersonalData(PageLayout& page) {
        X = Prn.LeftMarge;
        const auto& p = Prn.Persoon;
        for (const std::string& line : {p[0].Str(), p[1].Str(), "   " + p[3].Str(), p[4].Str()}) {
            page.Canvas().TextOut(X, page.Y(), line);
            page.NextLine();
        }
        page.Count(6);
    }

    const ConfigState& Config;
    const TPrnCFGRec& Prn;
    int CharWidth;
    const ReportPrintout& Report;
    std::vector<int> Widths;
    int Total = 0;
    int X = 0;
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
    ReportTable table(config, common.Printer.PrnCharWidth, canvas.PageWidth(), report);
    PageRules rules;
    rules.OrientFactor = fields.OrientFactor;
    rules.BreaksByHeight = true;
    rules.PageNumberX = table.PageNumberX();
    PageLayout page(canvas, common.Printer, config.PrnCfg, rules, fields.PageLines);
    page.Print(table);
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
