#include "core/members/member_list_print.h"

#include "core/common/file_names.h"
#include "core/config/page_layout.h"
#include "core/config/print_job.h"

#include <algorithm>
#include <utility>

namespace {

// The grid's rows 1.. under a heading with the caption, the file name and the column headings,
// framed by bars; a rule counts as a line.
class MemberListTable : public PagedTable {
public:
    MemberListTable(const TPrnCFGRec& settings, int charWidth, int pageWidth,
                    const MemberGridPrintout& grid, std::string fileName)
        : Prn(settings)
        , CharWidth(charWidth)
        , Grid(grid)
        , FileName(std::move(fileName)) {
        K = static_cast<int>(grid.ColumnWidths.size()) - 1;
        Widths.assign(static_cast<std::size_t>(std::max(K, 0)) + 1, 0);
        for (int i = 1; i <= K; ++i)
            Widths[static_cast<std::size_t>(i)] =
                static_cast<int>(static_cast<long>(grid.ColumnWidths[static_cast<std::size_t>(i)]) *
                                 pageWidth / 800);
    }

    std::size_t RowCount() const override { return Grid.Cells.empty() ? 0 : Grid.Cells.size() - 1; }

    // Every page, the first included, starts its heading two lines down; the top margin is not
    // used by this listing.
    void PageHeading(PageLayout& page, bool) override {
        X = Prn.LeftMarge;
        page.MoveTo(2 * page.LineHeight());
        PrintCanvas& canvas = page.Canvas();
        canvas.TextOut(Prn.LeftMarge, page.Y(), Grid.Title);
        canvas.TextOut(canvas.TextWidth(Grid.Title) + 2 * Prn.LeftMarge, page.Y(), FileName);
        page.NextLine();
        page.NextLine();
        page.Count(2);
        if (!Grid.Cells.empty()) {
            PrintRow(page, 0);
            page.Count(1);
        }
        Rule(page);
    }

    void Row(PageLayout& page, std::size_t i) override { PrintRow(page, static_cast<int>(i) + 1); }

    void Closing(PageLayout& page) override { Rule(page); }

private:
    std::string Cell(int column, int r) const {
        const auto& row = Grid.Cells[static_cast<std::size_t>(r)];
        return column < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(column)] : "";
    }

    void PrintRow(PageLayout& page, int r) {
        X = Prn.LeftMarge;
        for (int i = 1; i <= K; ++i) {
            page.Canvas().TextOut(X - CharWidth, page.Y(), "|");
            page.Canvas().TextOut(X, page.Y(), r == 0 && i == 1 ? std::string(" Nr.") : Cell(i, r));
            X += Widths[static_cast<std::size_t>(i)];
        }
        page.NextLine();
    }

    // From the left margin to the end of the row printed last.
    void Rule(PageLayout& page) {
        page.Canvas().Line(Prn.LeftMarge, page.Y(), X, page.Y());
        page.HalfLine();
        page.Count(1);
    }

    const TPrnCFGRec& Prn;
    int CharWidth;
    const MemberGridPrintout& Grid;
    std::string FileName;
    std::vector<int> Widths;
    int K = 0;
    int X = 0;
};

} // namespace

void PrintRecords(const CommonState& common, ConfigState& config, const MemberState& members,
                  PrintCanvas& canvas, const MemberGridPrintout& grid, MemberPrintFields& fields) {
    PageRules rules;
    rules.OrientFactor = fields.Orientatfact;
    // A full page breaks after the last row too: the closing rule then stands on a page of its
    // own.
    rules.BreaksAfterLastRow = true;
    PageLayout page(canvas, common.Printer, config.PrnCfg, rules, fields.Pagelines);
    config.PrnCfg.LeftMarge = static_cast<uint16_t>(common.Printer.PrnCharWidth * 3);
    MemberListTable table(config.PrnCfg, common.Printer.PrnCharWidth, canvas.PageWidth(), grid,
                          FileNameText(members.MemberFileName));
    page.Print(table);
}

bool PrintMemberList(CommonState& common, ConfigState& config, MemberState& members,
                     Messenger& messenger, PrintCanvas& canvas, const MemberGridPrintout& grid,
                     MemberPrintFields& fields, const std::function<bool()>& chooseTarget) {
    fields.Orientatfact = SelectPrinterForJob(common, config, messenger, canvas);
    std::string printer = ChosenPrinterName(config, canvas);
    if (printer.empty()) {
        messenger.Show("Geen Printer aanwezig", KindFout, ButtonsOK);
        return false;
    }
    if (!AskPrintConfirmation(messenger, printer)) return false;
    if (chooseTarget && !chooseTarget()) return false;
    return RunPrintJob(messenger, canvas, grid.Title,
                       [&] { PrintRecords(common, config, members, canvas, grid, fields); });
}
