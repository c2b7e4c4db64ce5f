#pragma once
// How a report is laid out in the report window: the columns of the report list (captions,
// widths in pixels, alignment) or the editor grid's column widths, the sizes of list and window,
// and the column hints. Printing takes its column widths from the same layout.

#include "core/reports/report_source.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ReportColumn {
    std::string Caption;
    int Width = 0;
    bool Centred = false;
};

struct ReportLayout {
    bool Editor = false;               // kind 5: the grid instead of the list
    std::vector<ReportColumn> Columns; // list columns, or the grid's columns (no captions)
    int ListTop = 40;
    int ListHeight = 384;
    int ListWidth = 0;
    int WindowWidth = 720;
    int WindowHeight = 504;
    int ListLeft = 0;            // the list (or grid) centred in the window
    bool OpponentsLabel = false; // "Tegenspelers" above the round columns of the cross table
    int OpponentsLabelLeft = 0;
    int OpponentsLabelTop = 30;
};

inline constexpr std::string_view OpponentsLabelText = "Tegenspelers";

ReportLayout LayoutReport(int opt, int scheduleKind, const ReportCounts& counts);

// The hint of the report list at mouse position x (schedule with names only); nothing where x
// lies between two zones or for a schedule with pairs.
std::optional<std::string_view> ColumnHint(int opt, int scheduleKind, int x,
                                           const ReportCounts& counts);
