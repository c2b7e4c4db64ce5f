// The court-change editor on a hand-made schedule: clicks and Enter on a plain grid, and what
// the reports show afterwards.

#include "core/reports/court_editor.h"
#include "report_test_store.h"
#include "table_grid.h"

#include <gtest/gtest.h>

namespace {

// Grid rows: 1 Aalders, 2 Bakker, 3 Smit, 4 Zwart, 5 de Vries, 6 "DAMES ", 7 Arts, 8 Bos,
// 9 Jansen, 10 Kok. Columns 4, 5, 6 are rounds 1, 2, 3.
struct EditorFixture {
    HandStore S;
    TableGrid Grid;
    CourtEditor Editor{S.State->Common, S.State->Store(), S.Messages, Grid};

    EditorFixture() { FillClubSchedule(S); }

    void Open() {
        ReportOpening opening = PrepareReport(S.State->Common, S.State->Configuration,
                                              S.State->Store(), S.Messages, ReportEditor);
        Grid.Rows = EditorGridRows(opening.Report->EditorHeading, opening.Report->Lines);
        Editor.Start({opening.Report->Counts, opening.Report->EditorRows, opening.Report->Edition});
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
    f.S.State->Common.BaanCode[1] = 11;
    f.S.State->Common.BaanCode[2] = 12;
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

// Thirteen players of one group, named so that grid row i is player i: one doubles round on
// three courts ({1,2,3,4}, {5,6,7,8}, {9,10,11,12}); player 13 sits out.
struct OneGroupFixture {
    HandStore S;
    TableGrid Grid;
    CourtEditor Editor{S.State->Common, S.State->Store(), S.Messages, Grid};
    Group G;

    explicit OneGroupFixture(Group g, bool ladiesFirst = false,
                             std::array<int32_t, 4> codes = {0, 1, 2, 3})
        : G(g) {
        std::vector<std::pair<std::string, std::string>> names;
        for (int i = 1; i <= 13; ++i)
            names.push_back({"Speler", (i < 10 ? "A0" : "A") + std::to_string(i)});
        S.Names(g, names);
        S.Rounds(1, 0, 3);
        S.Doubles(1, g, 1, {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}});
        S.PlayCounts(g, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0});
        S.Store().LadiesFirst = ladiesFirst;
        for (int k = 1; k <= 3; ++k) S.State->Common.BaanCode[k] = codes[k];
        ReportOpening opening = PrepareReport(S.State->Common, S.State->Configuration,
                                              S.State->Store(), S.Messages, ReportEditor);
        Grid.Rows = EditorGridRows(opening.Report->EditorHeading, opening.Report->Lines);
        Editor.Start({opening.Report->Counts, opening.Report->EditorRows, opening.Report->Edition});
        S.Messages.Clear();
    }
    void Swap(int row1, int row2) {
        for (int row : {row1, row2}) {
            Grid.Col = 4;
            Grid.Row = row;
            Editor.BewerkGridClick();
        }
        Editor.BewerkGridKeyPress('\r');
    }
    // The courts of the round, and where each player stands: nobody twice, the court-of-player
    // table and the play counts as the round table says.
    void ExpectWhole(const std::vector<Slots>& courts) {
        const ScheduleStore& store = S.Store();
        std::array<int, 14> court{};
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(store.RoundTable[1].Courts[c], courts[c - 1]) << "court " << c;
            for (uint8_t p : store.RoundTable[1].Courts[c]) {
                ASSERT_EQ(court[p], 0) << "player " << int(p) << " plays twice";
                court[p] = c;
            }
        }
        for (int p = 1; p <= 13; ++p) {
            EXPECT_EQ(store.Of(G).CourtOfPlayer[1].Court[p], court[p]) << "player " << p;
            EXPECT_EQ(store.Of(G).PlayCount[p], court[p] != 0 ? 1 : 0) << "player " << p;
        }
    }
};

TEST(CourtEditor, ASwapFindsBothPlayersWhateverTheCourtCodes) {
    struct Case {
        const char* what;
        std::array<int32_t, 4> codes;
        int row1, row2;
        const char* shown1;
        const char* shown2;
        std::vector<Slots> after;
    };
    const Case cases[] = {
        {"a court coded 0 and another court",
         {0, 0, 2, 3},
         1,
         5,
         "0",
         "2",
         {{5, 2, 3, 4}, {1, 6, 7, 8}, {9, 10, 11, 12}}},
        {"a court coded 0 and a player who sits out",
         {0, 0, 2, 3},
         1,
         13,
         "0",
         "-",
         {{13, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}}},
        {"a code of 100 or more (shown as two digits) and another court",
         {0, 1, 2, 123},
         9,
         1,
         "12",
         "1",
         {{9, 2, 3, 4}, {5, 6, 7, 8}, {1, 10, 11, 12}}},
        {"a code of 100 or more and a player who sits out",
         {0, 1, 2, 123},
         9,
         13,
         "12",
         "-",
         {{1, 2, 3, 4}, {5, 6, 7, 8}, {13, 10, 11, 12}}},
        {"the second of two courts with one code and another court",
         {0, 5, 6, 5},
         9,
         5,
         "5",
         "6",
         {{1, 2, 3, 4}, {9, 6, 7, 8}, {5, 10, 11, 12}}},
        {"two courts with one code",
         {0, 5, 6, 5},
         1,
         10,
         "5",
         "5",
         {{10, 2, 3, 4}, {5, 6, 7, 8}, {9, 1, 11, 12}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OneGroupFixture f(Men, false, c.codes);
        EXPECT_EQ(f.Grid.CellText(4, c.row1), c.shown1);
        EXPECT_EQ(f.Grid.CellText(4, c.row2), c.shown2);
        f.Swap(c.row1, c.row2);
        ASSERT_EQ(f.S.Messages.Shown.size(), 1u);
        EXPECT_TRUE(f.S.Messages.Last().Text.starts_with("Wissel paar: "));
        f.ExpectWhole(c.after);
        EXPECT_EQ(f.Grid.CellText(4, c.row1), c.shown2);
        EXPECT_EQ(f.Grid.CellText(4, c.row2), c.shown1);
    }
}

TEST(CourtEditor, ACellThatDoesNotShowWhereItsPlayerStandsChangesNothing) {
    // Each cell in turn shows a court its player is not on (or "-" while he plays): both places
    // stay, also the one that was shown right.
    const std::vector<Slots> before = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};
    struct Case {
        int row;
        const char* text;
    };
    for (const Case& c : {Case{1, "3"}, Case{5, "-"}, Case{13, "2"}, Case{9, "0"}}) {
        SCOPED_TRACE(std::to_string(c.row) + " shows " + c.text);
        OneGroupFixture f(Men, false, {0, 0, 2, 3});
        const int other = c.row == 5 ? 13 : 5;
        const std::string otherShown = f.Grid.CellText(4, other);
        f.Grid.SetCellText(4, c.row, c.text);
        f.Swap(c.row, other);
        EXPECT_EQ(f.S.Messages.Texts(), (std::vector<std::string>{"Wijziging niet gelukt"}));
        f.ExpectWhole(before);
        EXPECT_EQ(f.Grid.CellText(4, c.row), c.text);
        EXPECT_EQ(f.Grid.CellText(4, other), otherShown);
    }
}

TEST(CourtEditor, RowsAreThePlayersShownWhenTheFirstGroupHasNone) {
    struct Case {
        const char* what;
        Group g;
        bool ladiesFirst;
        const char* heading;
    };
    const Case cases[] = {
        {"men only, ladies first", Men, true, "HEREN "},
        {"ladies only", Women, false, "DAMES "},
        {"ladies only, ladies first", Women, true, "DAMES "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OneGroupFixture f(c.g, c.ladiesFirst);
        EXPECT_EQ(f.Grid.Rows[0][0], c.heading);
        EXPECT_EQ(f.Grid.Rows.size(), 14u);
        f.Swap(1, 13); // row 1 is player 1, not a heading
        EXPECT_EQ(
            f.S.Messages.Texts(),
            (std::vector<std::string>{"Wissel paar: 1 op baan: 1\r    met paar: 13 op baan: 0"}));
        f.ExpectWhole({{13, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}});
        f.Swap(2, 6); // rows k are players k
        f.ExpectWhole({{13, 6, 3, 4}, {5, 2, 7, 8}, {9, 10, 11, 12}});
    }
}

TEST(CourtEditor, AGridOfAnEarlierScheduleIsNeverApplied) {
    struct Case {
        const char* what;
        void (*change)(HandStore&);
    };
    const Case cases[] = {
        {"a new run",
         [](HandStore& s) {
             ++s.Store().Edition;
             s.Store().RunEdition = s.Store().Edition;
         }},
        {"a set-up opened", [](HandStore& s) { ++s.Store().Edition; }},
        {"a schedule with pairs",
         [](HandStore& s) { s.State->Common.ScheduleKind = ScheduleWithPairs; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditorFixture f;
        f.Open();
        c.change(f.S);
        f.S.Messages.Clear();
        const auto tables = f.S.Store().RoundTable;
        f.Swap(4, 3, 4); // Smit on court 1, Zwart sitting out: a swap on the grid's schedule
        EXPECT_EQ(f.S.Messages.Texts(), (std::vector<std::string>{"Wijziging niet gelukt"}));
        EXPECT_EQ(f.S.Store().RoundTable[1].Courts, tables[1].Courts);
        EXPECT_EQ(f.S.Store().Of(Men).PlayCount[5], 0);
        EXPECT_EQ(f.Cell(4, 3), "1");
        EXPECT_EQ(f.Cell(4, 4), "-");
    }
    // After a set-up without a run there is no schedule to show.
    HandStore s;
    FillClubSchedule(s);
    ++s.Store().Edition;
    EXPECT_FALSE(PrepareReport(s.State->Common, s.State->Configuration, s.State->Store(),
                               s.Messages, ReportCourtSchedule)
                     .Report);
    EXPECT_TRUE(s.Messages.Shown.empty());
}

} // namespace
