#include "core/config/page_layout.h"

#include "core/config/config_file.h"

#include <string>

PageLayout::PageLayout(PrintCanvas& canvas, const PrinterMetrics& printer, TPrnCFGRec& settings,
                       const PageRules& rules, int16_t& pageLines)
    : Target(canvas)
    , Settings(settings)
    , Rules(rules)
    , PageLines(pageLines) {
    if (printer.PrnLineHeight != 0) Settings.LineHeight = printer.PrnLineHeight;
    if (Settings.LineHeight == 0) Settings.LineHeight = DefaultLineHeight;
}

void PageLayout::Print(PagedTable& table) {
    PageLines = 0;
    RowsOnPage = 0;
    table.PageHeading(*this, true);
    const std::size_t count = table.RowCount();
    for (std::size_t i = 0; i < count; ++i) {
        const bool keptWithNext = i + 1 < count && table.KeptWithNext(i);
        if (keptWithNext && RowsOnPage > 0 && FullAt(PageLines + 1)) NextPage(table);
        table.Row(*this, i);
        Count(1);
        ++RowsOnPage;
        if (i + 1 == count && !Rules.BreaksAfterLastRow) break;
        if (!keptWithNext && FullAt(PageLines)) NextPage(table);
    }
    PageNumber();
    table.Closing(*this);
}

bool PageLayout::FullByHeight(int lines) const {
    return Rules.BreaksByHeight && Settings.LinespPage >= PageLengthByHeight &&
           Target.PageHeight() - Settings.BottomMarge < lines * LineHeight();
}

bool PageLayout::FullByCount(int lines) const {
    return Rules.OrientFactor * lines / 100 >= Settings.LinespPage - 1;
}

void PageLayout::PageNumber() {
    if (!Rules.PageNumberX) return;
    Target.TextOut(*Rules.PageNumberX, Cursor, "-" + std::to_string(Target.PageNumber()) + "-");
    NextLine();
}

void PageLayout::NextPage(PagedTable& table) {
    PageNumber();
    Target.NewPage();
    PageLines = 0;
    RowsOnPage = 0;
    table.PageHeading(*this, false);
}
