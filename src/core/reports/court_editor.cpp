#include "core/reports/court_editor.h"

#include "core/common/error_report.h"
#include "core/reports/name_order.h"
#include "core/reports/report_text.h"

#include <algorithm>
#include <charconv>
#include <optional>

std::vector<std::vector<std::string>> EditorGridRows(const std::string& heading,
                                                     const ReportLines& lines) {
    std::vector<std::vector<std::string>> rows;
    rows.push_back(CommaFields(heading));
    if (!lines.empty()) rows[0][0] = Cut(lines[0].Regel, 6);
    for (std::size_t i = 1; i < lines.size(); ++i) rows.push_back(CommaFields(lines[i].Regel));
    return rows;
}

int CodeToCourt(const AppState& state, int code) {
    if (code == 0) return 0;
    const int courts = std::clamp<int>(state.Config.CfgRec.NBanen, 0, MaxCourts);
    for (int k = 1; k <= courts; ++k)
        if (state.BaanCode[k] == code) return k;
    return code;
}

namespace {

std::optional<int> IntegerOf(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::string Shown(const std::string& text) {
    return text == "0" ? std::string("-") : text;
}

} // namespace

CourtEditor::CourtEditor(AppState& state, Messenger& messenger, EditorGrid& grid)
    : State(state)
    , Msg(messenger)
    , Grid(grid) {}

void CourtEditor::Start(const ReportCounts& counts) {
    Counts = counts;
    call = 0;
    kol = 0;
    bewerkActie = false;
    selection[1] = selection[2] = {};
}

void CourtEditor::ShowCell(int row, const std::string& text) {
    Grid.SetCellText(kol, row, Shown(text));
}

void CourtEditor::BewerkGridClick() {
    const int col = Grid.CurrentColumn();
    if (col < 4) {
        Msg.Show(OnlyRoundColumnsText, KindInformatie, ButtonsOK);
        return;
    }
    if (call >= 2) call = 0;
    ++call;
    std::string text = Cut(TrimText(Grid.CellText(col, Grid.CurrentRow())), 12);
    if (text.empty() || text == "-") text = "0";
    selection[call] = {text, Grid.CurrentRow()};
    if (call == 1) kol = col;
    if (call == 2 && col != kol) {
        ReportError({Msg, State.ErrorCode}, selection[2].Text, 10, 0, 0);
        Grid.HidePrompt();
        ShowCell(selection[1].Row, selection[1].Text);
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

void CourtEditor::SwapCourts() {
    ScheduleStore& store = *State.Schedule;
    const auto order = DisplayOrder(store.LadiesFirst);
    const int r1 = selection[1].Row, r2 = selection[2].Row;
    const int f = Counts.Of(order[0]);
    int a = r1, b = r2;
    if (r1 > f || r2 > f) {
        a = r1 - f - 1;
        b = r2 - f - 1;
    }
    if (a < 1 || b < 1) {
        ReportError({Msg, State.ErrorCode}, "", 11, 0, 0);
        return;
    }
    const Group g = r1 > f ? order[1] : order[0];
    const int n = Counts.Of(g);
    if (a > n || b > n) return; // rows below the list: nothing to swap
    GroupTables& tables = store.Of(g);
    const std::vector<int> names = NameOrder(tables.Names, n, State.ScheduleKind != 2);
    const int playerA = names[a], playerB = names[b];

    const std::optional<int> code1 = IntegerOf(selection[1].Text);
    const std::optional<int> code2 = IntegerOf(selection[2].Text);
    if (!code1 || !code2 || *code1 == *code2) return;
    const int c1 = CodeToCourt(State, *code1);
    const int c2 = CodeToCourt(State, *code2);
    // The round of the two chosen cells (both lie in column kol).
    const int r = kol - 3;
    if (r < 1 || r > Counts.Rounds()) return;

    RoundRecord work = store.RoundTable[r];
    const bool mixed = r > Counts.Doubles;
    const CourtRange groupCourts = mixed ? MixedCourts(work) : GroupCourts(work, g);
    // Only the group's own places: its courts in a doubles round, its slots in a mixed round
    // (men 0 and 2, women 1 and 3), so a player of the other group with the same number stays.
    auto isGroupSlot = [&](int court, int slot) {
        if (court < groupCourts.First || court > groupCourts.Last) return false;
        return !mixed || (slot % 2 == 0) == (g == Men);
    };
    auto move = [&](int court, int from, int to) {
        bool changed = false;
        if (court < 1 || court > MaxCourts) return false;
        for (int s = 0; s < 4; ++s) {
            if (work.Courts[court][s] != from || !isGroupSlot(court, s)) continue;
            work.Courts[court][s] = static_cast<uint8_t>(to);
            if (tables.PlayCount[from] > 0) --tables.PlayCount[from];
            ++tables.PlayCount[to];
            changed = true;
        }
        return changed;
    };
    const auto countsBefore = tables.PlayCount;
    bool changed = false;
    if (c1 > 0) changed = move(c1, playerA, playerB) || changed;
    if (c2 > 0) changed = move(c2, playerB, playerA) || changed;
    if (!changed) {
        tables.PlayCount = countsBefore;
        Msg.Show(SwapFailedText, KindInformatie, ButtonsOK);
        ShowCell(r1, selection[1].Text);
        ShowCell(r2, selection[2].Text);
        return;
    }
    store.RoundTable[r] = work;
    tables.CourtOfPlayer[r].Court[playerA] = static_cast<uint8_t>(std::clamp(c2, 0, 255));
    tables.CourtOfPlayer[r].Court[playerB] = static_cast<uint8_t>(std::clamp(c1, 0, 255));
    ShowCell(r1, selection[2].Text);
    ShowCell(r2, selection[1].Text);
    Msg.Show("Wissel paar: " + Decimal(r1) + " op baan: " + selection[1].Text + "\r" + "    met " +
                 "paar: " + Decimal(r2) + " op baan: " + selection[2].Text,
             KindInformatie, ButtonsOK);
}
