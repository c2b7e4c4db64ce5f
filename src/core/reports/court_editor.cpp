#include "core/reports/court_editor.h"

#include "core/common/error_report.h"
#include "core/reports/court_swap.h"
#include "core/reports/report_text.h"

#include <charconv>

std::vector<std::vector<std::string>> EditorGridRows(const std::string& heading,
                                                     const ReportLines& lines) {
    std::vector<std::vector<std::string>> rows;
    rows.push_back(CommaFields(heading));
    if (!lines.empty()) rows[0][0] = Cut(lines[0].Regel, 6);
    for (std::size_t i = 1; i < lines.size(); ++i) rows.push_back(CommaFields(lines[i].Regel));
    return rows;
}

namespace {

bool IsInteger(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

} // namespace

CourtEditor::CourtEditor(CommonState& common, ScheduleStore& store, Messenger& messenger,
                         EditorGrid& grid)
    : Common(common)
    , Store(store)
    , Msg(messenger)
    , Grid(grid) {}

void CourtEditor::Start(EditorBasis basis) {
    Basis = std::move(basis);
    call = 0;
    kol = 0;
    bewerkActie = false;
    selection[1] = selection[2] = {};
}

void CourtEditor::ShowCell(int row, const std::string& shown) {
    Grid.SetCellText(kol, row, shown);
}

const CourtScheduleRow* CourtEditor::RowAt(int row) const {
    if (row < 1 || row >= static_cast<int>(Basis.Rows.size())) return nullptr;
    const CourtScheduleRow& entry = Basis.Rows[row];
    return entry.Player > 0 ? &entry : nullptr;
}

void CourtEditor::BewerkGridClick() {
    const int col = Grid.CurrentColumn();
    if (col < 4) {
        Msg.Show(OnlyRoundColumnsText, KindInformatie, ButtonsOK);
        return;
    }
    if (call >= 2) call = 0;
    ++call;
    std::string shown = Cut(TrimText(Grid.CellText(col, Grid.CurrentRow())), 12);
    std::string text = shown.empty() || shown == "-" ? std::string("0") : shown;
    selection[call] = {text, shown, Grid.CurrentRow()};
    if (call == 1) kol = col;
    if (call == 2 && col != kol) {
        ReportError({Msg, Common.ErrorCode}, selection[2].Text, 10, 0, 0);
        Grid.HidePrompt();
        ShowCell(selection[1].Row, selection[1].Shown);
        bewerkActie = false;
        return;
    }
    bewerkActie = true;
    Grid.ShowPrompt(call == 1 ? PromptSecondCell : PromptEnter);
}

void CourtEditor::BewerkGridKeyPress(char key) {
    if (key != 13 || !bewerkActie) return;
    if (Grid.CurrentColumn() < 4)
        Msg.Show(OnlyRoundColumnsText, KindInformatie, ButtonsOK);
    else if (call == 2)
        SwapCourts();
    // Enter ends the selection, also when only one cell was chosen.
    if (call < 2) call = 0;
    bewerkActie = false;
    Grid.HidePrompt();
}

// Nothing changes: the two cells show again what they showed.
void CourtEditor::Refuse() {
    Msg.Show(SwapFailedText, KindInformatie, ButtonsOK);
    ShowCell(selection[1].Row, selection[1].Shown);
    ShowCell(selection[2].Row, selection[2].Shown);
}

void CourtEditor::SwapCourts() {
    const int r1 = selection[1].Row, r2 = selection[2].Row;
    const CourtScheduleRow* rowA = RowAt(r1);
    const CourtScheduleRow* rowB = RowAt(r2);
    // A heading row, or players of different groups.
    if (!rowA || !rowB || rowA->G != rowB->G) {
        ReportError({Msg, Common.ErrorCode}, "", 11, 0, 0);
        return;
    }
    if (!IsInteger(selection[1].Text) || !IsInteger(selection[2].Text)) return;
    ScheduleStore& store = Store;
    // A grid of an earlier schedule (a new set-up or run since it was built), or of a schedule
    // with pairs, names players that are not the ones in the tables now.
    if (Basis.Edition != store.Edition || !store.HoldsRunOfCurrentSetUp() ||
        Common.ScheduleKind != ScheduleWithNames) {
        Refuse();
        return;
    }
    // The round of the two chosen cells (both lie in column kol).
    const int r = kol - 3;
    const SwapOutcome outcome =
        SwapPlaces(store, Common.BaanCode, Basis.Counts, rowA->G, r,
                   {rowA->Player, selection[1].Shown}, {rowB->Player, selection[2].Shown});
    if (outcome == SwapOutcome::SamePlace) return;
    if (outcome == SwapOutcome::NotAsShown) {
        Refuse();
        return;
    }
    ShowCell(r1, selection[2].Shown);
    ShowCell(r2, selection[1].Shown);
    Msg.Show("Wissel paar: " + Decimal(r1) + " op baan: " + selection[1].Text + "\r" + "    met " +
                 "paar: " + Decimal(r2) + " op baan: " + selection[2].Text,
             KindInformatie, ButtonsOK);
}
