// The reports and the editor on schedules the engine computed: what the lines and the derived
// tables say agrees with the round table, before and after hand edits.

#include "core/reports/court_editor.h"
#include "core/reports/name_order.h"
#include "core/reports/report_build.h"
#include "schedule_test_setup.h"
#include "table_grid.h"

#include <gtest/gtest.h>

namespace {

// Where the round table puts player p of group g in round r: the court, 0 for none; and how
// often p appears there over all rounds.
int CourtInTable(const ScheduleStore& store, Group g, int r, int p) {
    const RoundRecord& rec = store.RoundTable[r];
    const bool mixed = r > store.NumDoublesRounds;
    const int first = mixed ? rec.FirstMixed : g == Men ? rec.FirstMen : rec.FirstWomen;
    const int last = mixed ? rec.LastMixed : g == Men ? rec.LastMen : rec.LastWomen;
    for (int c = first; c <= last; ++c)
        for (int s = 0; s < 4; ++s)
            if ((!mixed || (s % 2 == 0) == (g == Men)) && rec.Courts[c][s] == p) return c;
    return 0;
}

int GamesInTable(const ScheduleStore& store, Group g, int p) {
    int games = 0;
    for (int r = 1; r <= store.NumRounds; ++r) games += CourtInTable(store, g, r, p) != 0;
    return games;
}

// Every court schedule line against the round table, and the derived tables with it.
void ExpectReportsMatchTable(ScheduleSetup& s) {
    const ScheduleStore& store = s.Store();
    ReportOpening opening = PrepareReport(s.State->Common, s.State->Configuration, s.State->Store(),
                                          s.Ports.Messages, ReportCourtSchedule);
    ASSERT_TRUE(opening.Report);
    const ReportLines& lines = opening.Report->Lines;
    std::size_t line = 0;
    for (Group g : DisplayOrder(store.LadiesFirst)) {
        const int n = store.CountOf(g);
        if (n == 0) continue;
        const std::vector<int> order =
            NameOrder(store.Of(g).Names, n, s.State->Common.ScheduleKind == 1);
        EXPECT_EQ(lines.at(line++).Regel, store.GroupHeading[g].Str());
        for (int i = 1; i <= n; ++i) {
            const int p = order[i];
            const std::vector<std::string> fields = CommaFields(lines.at(line++).Regel);
            ASSERT_EQ(fields.size(), 3u + store.NumRounds);
            for (int r = 1; r <= store.NumRounds; ++r) {
                const int c = CourtInTable(store, g, r, p);
                EXPECT_EQ(store.Of(g).CourtOfPlayer[r].Court[p], c);
                EXPECT_EQ(fields[2 + r],
                          c == 0 ? "-" : std::to_string(s.State->Common.BaanCode[c]).substr(0, 2))
                    << "group " << g << " player " << p << " round " << r;
            }
            EXPECT_EQ(store.Of(g).PlayCount[p], GamesInTable(store, g, p));
        }
    }
    EXPECT_EQ(line, lines.size());
}

TEST(ReportsOfAComputedSchedule, AgreeWithTheRoundTableBeforeAndAfterEveryKindOfSwap) {
    struct Case {
        int men, women, doubles, mixed, courts;
        uint16_t pairing;
        bool coded;
    };
    const Case cases[] = {
        {9, 8, 3, 2, 4, 2, false},
        {10, 10, 2, 3, 5, 3, true}, // ladies first, court codes
        {13, 0, 4, 0, 3, 2, true},
    };
    for (const Case& c : cases) {
        ScheduleSetup s;
        std::vector<std::pair<std::string, std::string>> members;
        for (int i = 0; i < c.men; ++i) members.push_back({"h", "X"});
        for (int i = 0; i < c.women; ++i) members.push_back({"d", "X"});
        s.Names(members, c.doubles, c.mixed, c.courts, c.pairing);
        s.State->Configuration.Config.CfgRec.NBanen = static_cast<int16_t>(c.courts);
        if (c.coded)
            for (int k = 1; k <= 32; ++k)
                s.State->Common.BaanCode[k] = 60 - k; // two digits: the grid shows them whole
        s.Start();
        ExpectReportsMatchTable(s);

        // Swap every pair of neighbouring rows of every round column, as the editor would.
        ReportOpening opening = PrepareReport(s.State->Common, s.State->Configuration,
                                              s.State->Store(), s.Ports.Messages, ReportEditor);
        ASSERT_TRUE(opening.Report);
        TableGrid grid;
        grid.Rows = EditorGridRows(opening.Report->EditorHeading, opening.Report->Lines);
        CourtEditor editor(s.State->Common, s.State->Store(), s.Ports.Messages, grid);
        editor.Start({opening.Report->Counts, opening.Report->EditorRows, opening.Report->Edition});
        const int rows = static_cast<int>(grid.Rows.size());
        for (int col = 4; col < 4 + s.Store().NumRounds; ++col)
            for (int row = 1; row + 1 < rows; ++row) {
                grid.Col = col;
                grid.Row = row;
                editor.BewerkGridClick();
                grid.Row = row + 1;
                editor.BewerkGridClick();
                editor.BewerkGridKeyPress('\r');
            }
        int swaps = 0;
        for (const std::string& text : s.Ports.Messages.Texts())
            swaps += text.starts_with("Wissel paar: ");
        EXPECT_GT(swaps, 10);
        ExpectReportsMatchTable(s);
    }
}

} // namespace
