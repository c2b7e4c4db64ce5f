// The court-change editor on a hand-made schedule: clicks and Enter on a plain grid, and what
// the reports show afterwards.

#include "core/reports/court_editor.h"
#include "report_test_store.h"

#include <gtest/gtest.h>

namespace {

class TableGrid : public EditorGrid {
public:
    std::string CellText(int col, int row) const override {
        if (row < 0 || row >= static_cast<int>(Rows.size())) return {};
        const auto& cells = Rows[row];
        return col >= 0 && col < static_cast<int>(cells.size()) ? cells[col] : std::string();
    }
    void SetCellText(int col, int row, const std::string& text) override {
        auto& cells = Rows.at(row);
        if (static_cast<int>(cells.size()) <= col) cells.resize(col + 1);
        cells[col] = text;
    }
    int CurrentColumn() const override { return Col; }
    int CurrentRow() const override { return Row; }
    void ShowPrompt(std::string_view text) override { Prompt = std::string(text); }
    void HidePrompt() override { Prompt.clear(); }

    std::vector<std::vector<std::string>> Rows;
    int Col = 0, Row = 0;
    std::string Prompt; // empty: hidden
};

// Grid rows: 1 Aalders, 2 Bakker, 3 Smit, 4 Zwart, 5 de Vries, 6 "DAMES ", 7 Arts, 8 Bos,
// 9 Jansen, 10 Kok. Columns 4, 5, 6 are rounds 1, 2, 3.
struct EditorFixture {
    HandStore S;
    TableGrid Grid;
    CourtEditor Editor{*S.State, S.Messages, Grid};

    EditorFixture() { FillClubSchedule(S); }

    void Open() {
        ReportOpening opening = PrepareReport(*S.State, S.Messages, ReportEditor);
        Grid.Rows = EditorGridRows(opening.Report->EditorHeading, opening.Report->Lines);
        Editor.Start(opening.Report->Counts);
    }
    void Click(int col, int row) {
        Grid.Col = col;
        Grid.Row = row;
        Editor.BewerkGridClick();
    }
    void Swap(int col, int row1, int row2) {
        Click(col, row1);
        Click(col, row2);
        Editor.BewerkGridKeyPress('\r');
    }
    std::string Cell(int col, int row) const { return Grid.CellText(col, row); }
};

TEST(CourtEditor, GridRowsFollowTheEditorLines) {
    EditorFixture f;
    f.Open();
    ASSERT_EQ(f.Grid.Rows.size(), 11u);
    EXPECT_EQ(f.Grid.Rows[0], (std::vector<std::string>{"HEREN ", "Voornaam", "Achternaam",
                                                        "ronde: ", "1", "2", "3"}));
    EXPECT_EQ(f.Grid.Rows[4], (std::vector<std::string>{"4", "Bert", "Zwart", "_", "-", "-", "-"}));
    EXPECT_EQ(f.Grid.Rows[6], (std::vector<std::string>{"DAMES  "}));
}

TEST(CourtEditor, APlayerWhoSatOutTakesTheCourtAndOneGameMoves) {
    EditorFixture f;
    f.Open();
    f.Click(4, 3);
    EXPECT_EQ(f.Grid.Prompt, "Klik  nu de andere baan");
    EXPECT_TRUE(f.Editor.BewerkActie());
    f.Click(4, 4);
    EXPECT_EQ(f.Grid.Prompt, "Toets <Enter> voor baan verwisselen");
    EXPECT_EQ(f.Editor.Selection(1).Text, "1");
    EXPECT_EQ(f.Editor.Selection(2).Text, "0");
    f.Editor.BewerkGridKeyPress('\r');
    EXPECT_EQ(f.Grid.Prompt, "");
    EXPECT_FALSE(f.Editor.BewerkActie());
    EXPECT_EQ(f.S.Messages.Texts(),
              (std::vector<std::string>{"Wissel paar: 3 op baan: 1\r    met paar: 4 op baan: 0"}));
    EXPECT_EQ(f.S.Messages.Last().Kind, KindInformatie);
    EXPECT_EQ(f.Cell(4, 3), "-");
    EXPECT_EQ(f.Cell(4, 4), "1");

    const ScheduleStore& store = f.S.Store();
    EXPECT_EQ(store.RoundTable[1].Courts[1], (Slots{5, 2, 3, 4}));
    EXPECT_EQ(store.Of(Men).PlayCount[1], 2);
    EXPECT_EQ(store.Of(Men).PlayCount[5], 1);
    EXPECT_EQ(store.Of(Men).CourtOfPlayer[1].Court[1], 0);
    EXPECT_EQ(store.Of(Men).CourtOfPlayer[1].Court[5], 1);

    // Every report opened afterwards shows the change, the cross table excepted.
    const auto pairs = f.S.Lines(ReportPairSchedule);
    EXPECT_EQ(pairs[1], "1,Bert,Zwart,  ,Kees,de Vries,   1");
    const auto courts = f.S.Lines(ReportCourtSchedule);
    EXPECT_EQ(courts[3], "Jan,Smit,,-,1,1");
    EXPECT_EQ(courts[4], "Bert,Zwart,,1,-,-");
    const auto counts = f.S.Lines(ReportPlayCounts);
    EXPECT_EQ(counts[3], "Jan,Smit,   2,Els,Jansen,   3");
    EXPECT_EQ(counts[4], "Bert,Zwart,   1,An,Kok,   3");
    const auto cross = f.S.Lines(ReportCrossTable);
    EXPECT_EQ(cross[1], "1,J. Smit,,3,2,2,    2 ( 2)");
    EXPECT_EQ(cross[9], "5,B. Zwart,,-,-,-");
}

TEST(CourtEditor, CourtCodesAreTranslatedAndOnlyTheGroupsSlotsChange) {
    EditorFixture f;
    f.S.State->BaanCode[1] = 11;
    f.S.State->BaanCode[2] = 12;
    f.Open();
    EXPECT_EQ(f.Cell(6, 1), "12");
    EXPECT_EQ(f.Cell(6, 2), "11");
    f.Swap(6, 1, 2); // Aalders (court 2) and Bakker (court 1) in the mixed round
    EXPECT_EQ(f.S.Messages.Texts().back(),
              "Wissel paar: 1 op baan: 12\r    met paar: 2 op baan: 11");
    const ScheduleStore& store = f.S.Store();
    // The women with the same numbers keep their places.
    EXPECT_EQ(store.RoundTable[3].Courts[1], (Slots{1, 1, 4, 2}));
    EXPECT_EQ(store.RoundTable[3].Courts[2], (Slots{3, 3, 2, 4}));
    EXPECT_EQ(store.Of(Men).CourtOfPlayer[3].Court[4], 1);
    EXPECT_EQ(store.Of(Men).CourtOfPlayer[3].Court[2], 2);
    EXPECT_EQ(store.Of(Men).PlayCount[4], 3);
    EXPECT_EQ(store.Of(Men).PlayCount[2], 3);
    EXPECT_EQ(f.Cell(6, 1), "11");
    EXPECT_EQ(f.Cell(6, 2), "12");

    f.Swap(6, 7, 8); // Arts (court 2) and Bos (court 1): the women's slots only
    EXPECT_EQ(store.RoundTable[3].Courts[1], (Slots{1, 1, 4, 4}));
    EXPECT_EQ(store.RoundTable[3].Courts[2], (Slots{3, 3, 2, 2}));
    EXPECT_EQ(store.Of(Women).CourtOfPlayer[3].Court[4], 1);
}

TEST(CourtEditor, RefusalsAndSilentCases) {
    struct Case {
        const char* what;
        int col1, row1, col2, row2;
        std::vector<std::string> messages;
        uint8_t kind;
    };
    const Case cases[] = {
        {"a man with a woman",
         4,
         1,
         4,
         7,
         {"Verwisselen dame <--> heer niet toegestaan"},
         KindFout},
        {"a heading row", 4, 6, 4, 7, {"Verwisselen dame <--> heer niet toegestaan"}, KindFout},
        {"two players on one court", 4, 1, 4, 2, {}, 0},
        {"two who sit out", 4, 4, 4, 4, {}, 0},
        {"different rounds", 4, 1, 5, 2, {"Kolom niet gelijk voor baan: 1"}, KindFout},
    };
    for (const Case& c : cases) {
        EditorFixture f;
        f.Open();
        const RoundRecord before = f.S.Store().RoundTable[1];
        const auto countsBefore = f.S.Store().Of(Men).PlayCount;
        f.Click(c.col1, c.row1);
        f.Click(c.col2, c.row2);
        f.Editor.BewerkGridKeyPress('\r');
        EXPECT_EQ(f.S.Messages.Texts(), c.messages) << c.what;
        if (!c.messages.empty()) {
            EXPECT_EQ(f.S.Messages.Last().Kind, c.kind) << c.what;
        }
        EXPECT_EQ(f.S.Store().RoundTable[1].Courts, before.Courts) << c.what;
        EXPECT_EQ(f.S.Store().Of(Men).PlayCount, countsBefore) << c.what;
        EXPECT_EQ(f.Grid.Prompt, "") << c.what;
    }
}

TEST(CourtEditor, ClicksOutsideTheRoundsEnterAfterOneCellAndAStaleGrid) {
    EditorFixture f;
    f.Open();
    f.Click(2, 3);
    EXPECT_EQ(f.S.Messages.Texts(),
              (std::vector<std::string>{"Alleen voor de kolommen \"ronde\""}));
    EXPECT_EQ(f.S.Messages.Last().Kind, KindInformatie);
    EXPECT_EQ(f.Editor.Call(), 0);

    // Enter after the first cell ends the selection without a swap.
    f.Click(4, 3);
    f.Editor.BewerkGridKeyPress('\r');
    EXPECT_EQ(f.Grid.Prompt, "");
    EXPECT_FALSE(f.Editor.BewerkActie());
    f.Click(5, 1);
    EXPECT_EQ(f.Editor.Call(), 1);
    EXPECT_EQ(f.Grid.Prompt, "Klik  nu de andere baan");
    // Other keys do nothing.
    f.Editor.BewerkGridKeyPress('a');
    EXPECT_TRUE(f.Editor.BewerkActie());
    f.Editor.BewerkGridKeyPress('\r');

    // A grid that no longer matches the schedule: nothing changes.
    f.S.Messages.Clear();
    f.Grid.SetCellText(4, 3, "2");
    f.Swap(4, 3, 4);
    EXPECT_EQ(f.S.Messages.Texts(), (std::vector<std::string>{"Wijziging niet gelukt"}));
    EXPECT_EQ(f.Cell(4, 3), "2");
    EXPECT_EQ(f.Cell(4, 4), "-");
    EXPECT_EQ(f.S.Store().RoundTable[1].Courts[1], (Slots{1, 2, 3, 4}));
    EXPECT_EQ(f.S.Store().Of(Men).PlayCount[5], 0);
}

TEST(CourtEditor, CodeToCourtFindsTheFirstConfiguredCourt) {
    HandStore s;
    s.State->Config.CfgRec.NBanen = 3;
    s.State->BaanCode[1] = 7;
    s.State->BaanCode[2] = 9;
    s.State->BaanCode[3] = 9;
    s.State->BaanCode[4] = 40;
    EXPECT_EQ(CodeToCourt(*s.State, 9), 2);
    EXPECT_EQ(CodeToCourt(*s.State, 7), 1);
    EXPECT_EQ(CodeToCourt(*s.State, 40), 40); // court 4 is not configured
    EXPECT_EQ(CodeToCourt(*s.State, 0), 0);
}

} // namespace
