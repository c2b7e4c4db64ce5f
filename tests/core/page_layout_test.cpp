// The page rules every printed table shares, on a table of lettered rows: what lands on which
// page, written out as the printout reads ("/" between pages).

#include "core/config/page_layout.h"
#include "recording_print_canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

// "H" opens the first page, "h" a later one; rows print as R0, R1, ...; "C" closes the table.
class LetteredTable : public PagedTable {
public:
    LetteredTable(std::size_t rows, int firstHeading, int laterHeading, std::set<std::size_t> kept)
        : Rows(rows)
        , FirstHeading(firstHeading)
        , LaterHeading(laterHeading)
        , Kept(std::move(kept)) {}

    std::size_t RowCount() const override { return Rows; }
    void PageHeading(PageLayout& page, bool firstPage) override {
        page.MoveTo(0);
        page.Canvas().TextOut(0, page.Y(), firstPage ? "H" : "h");
        page.NextLine();
        page.Count(firstPage ? FirstHeading : LaterHeading);
    }
    void Row(PageLayout& page, std::size_t i) override {
        page.Canvas().TextOut(0, page.Y(), "R" + std::to_string(i));
        page.NextLine();
    }
    bool KeptWithNext(std::size_t i) const override { return Kept.count(i) != 0; }
    void Closing(PageLayout& page) override { page.Canvas().TextOut(0, page.Y(), "C"); }

private:
    std::size_t Rows;
    int FirstHeading;
    int LaterHeading;
    std::set<std::size_t> Kept;
};

std::string Printed(const RecordingPrintCanvas& canvas) {
    std::string text;
    int page = 1;
    for (const PrintedItem& item : canvas.Items) {
        if (!text.empty()) text += item.Page != page ? " / " : " ";
        page = item.Page;
        text += item.Text;
    }
    return text;
}

struct PageCase {
    const char* Name;
    const char* Rules; // words among "landscape", "by-height", "after-last", "numbered"
    int LinesPerPage;
    int Rows;
    int FirstHeading; // lines the first page's heading counts
    int LaterHeading;
    int KeptRow; // the row kept with the next one; -1 for none
    const char* Expected;
};

PageRules RulesOf(const std::string& words) {
    PageRules rules;
    if (words.find("landscape") != std::string::npos) rules.OrientFactor = 140;
    rules.BreaksByHeight = words.find("by-height") != std::string::npos;
    rules.BreaksAfterLastRow = words.find("after-last") != std::string::npos;
    if (words.find("numbered") != std::string::npos) rules.PageNumberX = 0;
    return rules;
}

} // namespace

TEST(PageLayout, RowsLandOnTheirPagesByTheSharedRules) {
    // A page of 5 lines is full once 4 are counted. Lines are 100 pixels, and a page of 618 less
    // its bottom margin of 118 is full by height from 6 lines on.
    const PageCase cases[] = {
        {"a full page ends after its row", "", 5, 7, 1, 1, -1, "H R0 R1 R2 / h R3 R4 R5 / h R6 C"},
        {"later headings count their own lines", "", 5, 6, 2, 0, -1, "H R0 R1 / h R2 R3 R4 R5 C"},
        {"landscape counts each line 1.4 times", "landscape", 5, 5, 1, 1, -1,
         "H R0 R1 / h R2 R3 / h R4 C"},
        {"the last row opens no page of its own", "numbered", 5, 6, 1, 1, -1,
         "H R0 R1 R2 -1- / h R3 R4 R5 -2- C"},
        {"asked, a full last page breaks and the closing opens the next", "after-last", 5, 6, 1, 1,
         -1, "H R0 R1 R2 / h R3 R4 R5 / h C"},
        {"the page number stands at each foot, before the closing", "numbered", 5, 4, 1, 1, -1,
         "H R0 R1 R2 -1- / h R3 -2- C"},
        {"a kept pair whose second row would open the next page moves there whole", "", 5, 6, 1, 1,
         2, "H R0 R1 / h R2 R3 R4 / h R5 C"},
        {"a kept pair at the top of a page stays, even past its end", "", 3, 4, 1, 1, 0,
         "H R0 R1 / h R2 / h R3 C"},
        {"a kept last row keeps nothing", "", 5, 3, 1, 1, 2, "H R0 R1 R2 C"},
        {"an endless page length breaks by height when asked", "by-height", 999, 8, 0, 0, -1,
         "H R0 R1 R2 R3 R4 R5 / h R6 R7 C"},
        {"below the endless length pages break by count only", "by-height", 998, 8, 0, 0, -1,
         "H R0 R1 R2 R3 R4 R5 R6 R7 C"},
        {"an endless page length breaks by count when not asked", "", 999, 8, 0, 0, -1,
         "H R0 R1 R2 R3 R4 R5 R6 R7 C"},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.Name);
        RecordingPrintCanvas canvas;
        canvas.PageHeightPixels = 618;
        TPrnCFGRec settings{};
        settings.LinespPage = static_cast<uint16_t>(c.LinesPerPage);
        settings.BottomMarge = 118;
        PrinterMetrics printer;
        printer.PrnLineHeight = 100;
        int16_t pageLines = 33; // what an earlier job left
        canvas.BeginDoc("test");
        PageLayout page(canvas, printer, settings, RulesOf(c.Rules), pageLines);
        std::set<std::size_t> kept;
        if (c.KeptRow >= 0) kept.insert(static_cast<std::size_t>(c.KeptRow));
        LetteredTable table(static_cast<std::size_t>(c.Rows), c.FirstHeading, c.LaterHeading, kept);
        page.Print(table);
        EXPECT_EQ(Printed(canvas), c.Expected);
    }
}

TEST(PageLayout, TheLineHeightIsThePrintersAndNeverZero) {
    struct {
        int Measured, Stored, Expected;
    } const cases[] = {{120, 77, 120}, {0, 77, 77}, {0, 0, 50}};
    for (const auto& c : cases) {
        RecordingPrintCanvas canvas;
        TPrnCFGRec settings{};
        settings.LineHeight = static_cast<uint16_t>(c.Stored);
        PrinterMetrics printer;
        printer.PrnLineHeight = static_cast<uint16_t>(c.Measured);
        int16_t pageLines = 0;
        PageLayout page(canvas, printer, settings, PageRules{}, pageLines);
        const int taken = settings.LineHeight; // a packed field binds to no reference
        EXPECT_EQ(taken, c.Expected) << c.Measured << " " << c.Stored;
        EXPECT_EQ(page.LineHeight(), c.Expected);
    }
}
