#pragma once
// The court-change editor: in one round, two players of the same group exchange their places,
// so that each takes the other's court (or one takes the court while the other sits out). The
// change goes straight into the schedule store, so every report opened afterwards shows it; the
// opponent tables keep the computed schedule.
//
// The grid shows the editor form of the court schedule: row 0 the heading, then a row per line
// of the report (a group's heading, its players); column 3 + r holds the court code of round r
// ("-" = not playing). Which player a row holds is taken from the lines that were built, never
// from the group counts: a group without players has no rows.

#include "core/common/common_state.h"
#include "core/common/ports.h"
#include "core/reports/court_schedule.h"
#include "core/reports/report_lines.h"
#include "core/reports/report_source.h"
#include "core/schedule/schedule_store.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The grid the editor works on; the report window's grid implements it.
class EditorGrid {
public:
    virtual ~EditorGrid() = default;
    virtual std::string CellText(int col, int row) const = 0;
    virtual void SetCellText(int col, int row, const std::string& text) = 0;
    virtual int CurrentColumn() const = 0;
    virtual int CurrentRow() const = 0;
    // The prompt label: shown with a text, or hidden.
    virtual void ShowPrompt(std::string_view text) = 0;
    virtual void HidePrompt() = 0;
};

inline constexpr std::string_view OnlyRoundColumnsText = "Alleen voor de kolommen \"ronde\"";
inline constexpr std::string_view PromptSecondCell = "Klik  nu de andere baan";
inline constexpr std::string_view PromptEnter = "Toets <Enter> voor baan verwisselen";
inline constexpr std::string_view SwapFailedText = "Wijziging niet gelukt";

// The cells of the editor grid, row by row: the heading row (its first cell the first six
// characters of the first group's heading line), then the fields of every further line.
std::vector<std::vector<std::string>> EditorGridRows(const std::string& heading,
                                                     const ReportLines& lines);

struct EditorSelection {
    std::string Text;  // the trimmed cell, at most 12 characters; "0" for an empty cell or "-"
    std::string Shown; // the trimmed cell as it was shown, at most 12 characters
    int Row = 0;
};

// What the editor's grid was built from: the counts, the player of every row (entry i for grid
// row i) and the edition of the schedule.
struct EditorBasis {
    ReportCounts Counts;
    std::vector<CourtScheduleRow> Rows;
    uint32_t Edition = 0;
};

class CourtEditor {
public:
    CourtEditor(CommonState& common, ScheduleStore& store, Messenger& messenger, EditorGrid& grid);

    // A new editor report: no selection.
    void Start(EditorBasis basis);

    void BewerkGridClick();
    void BewerkGridKeyPress(char key);
    void SwapCourts();

    int Call() const { return call; }
    int Kol() const { return kol; }
    bool BewerkActie() const { return bewerkActie; }
    const EditorSelection& Selection(int i) const { return selection[i]; }

private:
    void ShowCell(int row, const std::string& shown);
    const CourtScheduleRow* RowAt(int row) const;
    void Refuse();

    CommonState& Common;
    ScheduleStore& Store;
    Messenger& Msg;
    EditorGrid& Grid;
    EditorBasis Basis;
    int call = 0;
    int kol = 0;
    bool bewerkActie = false;
    EditorSelection selection[3];
};
