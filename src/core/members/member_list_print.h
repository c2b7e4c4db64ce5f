#pragma once
// The printed member list: the grid as it is shown (view, row order, column widths, edits not yet
// committed), framed by bars, with a heading on every page.

#include "core/common/common_state.h"
#include "core/common/ports.h"
#include "core/common/print_canvas.h"
#include "core/config/config_state.h"
#include "core/members/member_state.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What the member grid shows, taken from the screen.
struct MemberGridPrintout {
    std::string Title;                           // the main window's caption
    std::vector<int> ColumnWidths;               // screen pixels of grid columns 0..K ("Ix" first)
    std::vector<std::vector<std::string>> Cells; // rows 0 (headings) .. R-1, columns 0..K
};

// The main window's fields that the printout counts with.
struct MemberPrintFields {
    int16_t Orientatfact = 100;
    int16_t Pagelines = 0;
};

// Prints the grid into an open print job. The left margin (3 average characters) and the line
// height of the printer stay in the print settings afterwards.
void PrintRecords(const CommonState& common, ConfigState& config, const MemberState& members,
                  PrintCanvas& canvas, const MemberGridPrintout& grid, MemberPrintFields& fields);

// "&Print ledenlijst": chooses the printer, refuses without one ("Geen Printer aanwezig"), asks,
// and prints. chooseTarget runs after the question (a file printer asks for its file there) and
// may stop the job by returning false. Returns whether a job was printed.
bool PrintMemberList(CommonState& common, ConfigState& config, MemberState& members,
                     Messenger& messenger, PrintCanvas& canvas, const MemberGridPrintout& grid,
                     MemberPrintFields& fields, const std::function<bool()>& chooseTarget = {});
