#include "core/members/member_list_print.h"

#include "core/common/file_names.h"
#include "core/config/config_file.h"
#include "core/config/print_job.h"

#include <algorithm>

namespace {

class MemberListLayout {
public:
    MemberListLayout(const CommonState& common, ConfigState& config, PrintCanvas& canvas,
                     const MemberGridPrintout& grid, MemberPrintFields& fields)
        : Prn(config.PrnCfg)
        , CharWidth(common.Printer.PrnCharWidth)
        , Canvas(canvas)
        , Grid(grid)
        , Fields(fields) {
        K = static_cast<int>(grid.ColumnWidths.size()) - 1;
        const int pageWidth = canvas.PageWidth();
        Widths.assign(static_cast<std::size_t>(std::max(K, 0)) + 1, 0);
        for (int i = 1; i <= K; ++i)
            Widths[static_cast<std::size_t>(i)] =
                static_cast<int>(static_cast<long>(grid.ColumnWidths[static_cast<std::size_t>(i)]) *
                                 pageWidth / 800);
    }

    void Print() {
        PageHeading();
        const int rows = static_cast<int>(Grid.Cells.size());
        for (int r = 1; r < rows; ++r) {
            PrintRow(r);
            if (Fields.Orientatfact * Fields.Pagelines / 100 >= Prn.LinespPage - 1) NewPage();
        }
        Rule();
    }

private:
    int LineHeight() const { return Prn.LineHeight; }

    std::string Cell(int column, int r) const {
        const auto& row = Grid.Cells[static_cast<std::size_t>(r)];
        return column < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(column)] : "";
    }

    void PageHeading() {
        X = Prn.LeftMarge;
        Y = 2 * LineHeight();
        Canvas.TextOut(Prn.LeftMarge, Y, Grid.Title);
        Canvas.TextOut(Canvas.TextWidth(Grid.Title) + 2 * Prn.LeftMarge, Y, FileName);
        Y += 2 * LineHeight();
        Fields.Pagelines += 2;
        if (!Grid.Cells.empty()) PrintRow(0);
        Rule();
    }

    void PrintRow(int r) {
        X = Prn.LeftMarge;
        for (int i = 1; i <= K; ++i) {
            Canvas.TextOut(X - CharWidth, Y, "|");
            Canvas.TextOut(X, Y, r == 0 && i == 1 ? std::string(" Nr.") : Cell(i, r));
            X += Widths[static_cast<std::size_t>(i)];
        }
        Y += LineHeight();
        ++Fields.Pagelines;
    }

    void Rule() {
        Canvas.Line(Prn.LeftMarge, Y, X, Y);
        Y += LineHeight() / 2;
        ++Fields.Pagelines;
    }

    void NewPage() {
        Canvas.NewPage();
        Fields.Pagelines = 0;
        PageHeading();
    }

public:
    std::string FileName;

private:
    TPrnCFGRec& Prn;
    int CharWidth;
    PrintCanvas& Canvas;
    const MemberGridPrintout& Grid;
    MemberPrintFields& Fields;
    std::vector<int> Widths;
    int K = 0;
    int X = 0;
    int Y = 0;
};

} // namespace

void PrintRecords(const CommonState& common, ConfigState& config, const MemberState& members,
                  PrintCanvas& canvas, const MemberGridPrintout& grid, MemberPrintFields& fields) {
    fields.Pagelines = 0;
    // A printer that was never measured leaves the stored line height (never zero).
    if (common.Printer.PrnLineHeight != 0) config.PrnCfg.LineHeight = common.Printer.PrnLineHeight;
    if (config.PrnCfg.LineHeight == 0) config.PrnCfg.LineHeight = DefaultLineHeight;
    config.PrnCfg.LeftMarge = static_cast<uint16_t>(common.Printer.PrnCharWidth * 3);
    MemberListLayout layout(common, config, canvas, grid, fields);
    layout.FileName = FileNameText(members.MemberFileName);
    layout.Print();
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
