#pragma once
// The pages of a printed table, laid out by one routine for every printout: the printer's line
// height, the rows going down the page, the break when a page is full (by its counted lines, or
// by its height once the page length says the pages are endless), rows that belong together kept
// on one page, the page number at the foot of a page and the next page with its heading. What a
// heading, a row or the end of the table looks like is the printout's own business.

#include "core/common/common_state.h"
#include "core/common/print_canvas.h"
#include "core/config/config_records.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// From this page length on, pages that may break by height do so instead of by their line count.
inline constexpr int PageLengthByHeight = 999;

// How the pages of one printout break and end.
struct PageRules {
    // 100 for portrait, 140 for landscape: a landscape page counts its lines 1.4 times.
    int16_t OrientFactor = 100;
    // Whether a page length from PageLengthByHeight on breaks pages by the printer's page height
    // (less the bottom margin) instead of by the line count.
    bool BreaksByHeight = false;
    // Whether a page full after the last row still breaks: what closes the table then opens the
    // next page.
    bool BreaksAfterLastRow = false;
    // Where "-n-" stands at the foot of every page; no page numbers without it.
    std::optional<int> PageNumberX;
};

class PageLayout;

// A printed table as its pages see it.
class PagedTable {
public:
    virtual ~PagedTable() = default;
    virtual std::size_t RowCount() const = 0;
    // The top of a page down to the first row, with the lines it counts; later pages may repeat
    // less of it than the first.
    virtual void PageHeading(PageLayout& page, bool firstPage) = 0;
    // Row i; it counts one line towards the page.
    virtual void Row(PageLayout& page, std::size_t i) = 0;
    // Whether rows i and i + 1 belong on one page: when the second would open the next page,
    // that page takes the first too (unless the page holds no row yet).
    virtual bool KeptWithNext(std::size_t i) const {
        (void)i;
        return false;
    }
    // What follows the last row, after the last page number.
    virtual void Closing(PageLayout& page) { (void)page; }
};

// One print job's pages, from the top of the first. The lines counted on the current page are the
// caller's field: they stay readable after the job.
class PageLayout {
public:
    // Takes the printer's line height into the print settings; a printer that was never measured
    // leaves the stored one (and a stored zero becomes the default: a line is never 0 pixels).
    PageLayout(PrintCanvas& canvas, const PrinterMetrics& printer, TPrnCFGRec& settings,
               const PageRules& rules, int16_t& pageLines);

    // Prints the table into the open job: the first page's heading, every row with the page
    // breaks, the page number of the last page and the closing.
    void Print(PagedTable& table);

    PrintCanvas& Canvas() { return Target; }
    int LineHeight() const { return Settings.LineHeight; }

    // The position of the next line, in printer pixels from the top of the page.
    int Y() const { return Cursor; }
    void MoveTo(int y) { Cursor = y; }
    void NextLine() { Cursor += LineHeight(); }
    // A rule takes half a line.
    void HalfLine() { Cursor += LineHeight() / 2; }
    // Lines counted towards the page, which are not always the lines printed.
    void Count(int lines) { PageLines = static_cast<int16_t>(PageLines + lines); }

private:
    bool FullByHeight(int lines) const;
    bool FullByCount(int lines) const;
    bool FullAt(int lines) const { return FullByHeight(lines) || FullByCount(lines); }
    void PageNumber();
    void NextPage(PagedTable& table);

    PrintCanvas& Target;
    TPrnCFGRec& Settings;
    PageRules Rules;
    int16_t& PageLines;
    int Cursor = 0;
    int RowsOnPage = 0;
};
