// Random hand edits on schedules the engine computed, against a plain model of who stands where.
// Schedules with names are edited through the editor's clicks and Enter on its grid; schedules
// with pairs, which the editor refuses, through the swap the editor makes. Court codes of every
// kind: the plain number, 0, codes of 100 and more (the grid shows two digits), negative codes,
// and one code on two courts. After every step nobody stands twice in a round, and the
// court-of-player tables, the play counts and the grid agree with the round table.

#include "core/reports/court_editor.h"
#include "core/reports/court_swap.h"
#include "core/reports/report_build.h"
#include "core/reports/report_text.h"
#include "hand_edit_model.h"
#include "table_grid.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(HandEditProperties, RandomSwapsInTheEditorKeepTheScheduleWhole) {
    int nights = 0, swaps = 0, refusals = 0;
    CodeKindCounts kinds;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomNight night(seed, ScheduleWithNames);
        if (!night.Ran) continue;
        ScheduleSetup& s = night.S;
        ReportOpening opening = PrepareReport(s.State->Common, s.State->Configuration,
                                              s.State->Store(), s.Ports.Messages, ReportEditor);
        ASSERT_TRUE(opening.Report);
        PlaceModel model(s.Store());
        if (!Mismatch(s.Store(), model).empty()) continue;
        ++nights;

        TableGrid grid;
        grid.Rows = EditorGridRows(opening.Report->EditorHeading, opening.Report->Lines);
        CourtEditor editor(s.State->Common, s.State->Store(), s.Ports.Messages, grid);
        editor.Start({opening.Report->Counts, opening.Report->EditorRows, opening.Report->Edition});
        const auto rowPlayers = RowPlayers(s.Store(), true);
        const int rows = static_cast<int>(grid.Rows.size());
        ASSERT_EQ(rows, static_cast<int>(rowPlayers.size()));
        auto truth = [&](int row, int r) {
            const auto [g, p] = rowPlayers[row];
            return CourtCell(s.State->Common.BaanCode, model.Places[g][r][p].Court);
        };

        std::mt19937 random(seed * 7919u);
        for (int step = 0; step < 300; ++step) {
            const int r = 1 + static_cast<int>(random() % model.Rounds);
            const int col = 3 + r;
            const int row1 = 1 + static_cast<int>(random() % (rows - 1));
            const int row2 = 1 + static_cast<int>(random() % (rows - 1));
            const int how = static_cast<int>(random() % 20);
            const bool otherColumn = how == 1, oneCell = how == 2;
            const bool tamper = how == 0 && rowPlayers[row2].second > 0;
            if (tamper) grid.SetCellText(col, row2, random() % 2 ? "-" : "7");
            const int col2 = otherColumn && model.Rounds > 1 ? 4 + (r % model.Rounds) : col;

            // What the model expects.
            const auto [g1, p1] = rowPlayers[row1];
            const auto [g2, p2] = rowPlayers[row2];
            const bool sameColumn = !oneCell && col2 == col;
            const bool players = p1 > 0 && p2 > 0 && g1 == g2;
            const bool asShown = TrimText(grid.CellText(col, row1)) == truth(row1, r) &&
                                 TrimText(grid.CellText(col, row2)) == truth(row2, r);
            const bool differ = model.Places[g1][r][p1].Court != model.Places[g2][r][p2].Court;

            s.Ports.Messages.Clear();
            grid.Col = col;
            grid.Row = row1;
            editor.BewerkGridClick();
            if (!oneCell) {
                grid.Col = col2;
                grid.Row = row2;
                editor.BewerkGridClick();
            }
            editor.BewerkGridKeyPress('\r');

            if (sameColumn && players && asShown && differ) {
                kinds.Add(s.State->Common.BaanCode, model.Places[g1][r][p1].Court);
                kinds.Add(s.State->Common.BaanCode, model.Places[g1][r][p2].Court);
                model.Swap(g1, r, p1, p2);
                ++swaps;
                ASSERT_FALSE(s.Ports.Messages.Shown.empty());
                EXPECT_TRUE(s.Ports.Messages.Last().Text.starts_with("Wissel paar: "));
            } else if (sameColumn && players && !asShown) {
                ++refusals;
                ASSERT_FALSE(s.Ports.Messages.Shown.empty());
                EXPECT_EQ(s.Ports.Messages.Last().Text, "Wijziging niet gelukt");
            } else if (sameColumn && players) {
                EXPECT_TRUE(s.Ports.Messages.Shown.empty()); // one place: nothing to do
            } else if (sameColumn && !players) {
                ASSERT_FALSE(s.Ports.Messages.Shown.empty());
                EXPECT_EQ(s.Ports.Messages.Last().Text,
                          "Verwisselen dame <--> heer niet toegestaan");
            }
            if (tamper) grid.SetCellText(col, row2, truth(row2, r));
            ASSERT_EQ(Mismatch(s.Store(), model), "") << "step " << step;
            // The grid still shows where everybody stands.
            for (int row = 1; row < rows; ++row) {
                if (rowPlayers[row].second == 0) continue;
                for (int rr = 1; rr <= model.Rounds; ++rr)
                    ASSERT_EQ(grid.Rows[row][3 + rr], truth(row, rr))
                        << "row " << row << " round " << rr << " step " << step;
            }
            if (HasFailure()) return;
        }
    }
    EXPECT_GE(nights, 40);
    EXPECT_GT(swaps, 2000);
    EXPECT_GT(refusals, 50);
    EXPECT_GE(kinds.Least(), 100);
}

TEST(HandEditProperties, RandomSwapsOfPairsKeepTheScheduleWhole) {
    int nights = 0, swaps = 0, refusals = 0;
    CodeKindCounts kinds;
    for (uint32_t seed = 101; seed <= 160; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomNight night(seed, ScheduleWithPairs);
        if (!night.Ran) continue;
        ScheduleSetup& s = night.S;
        // The editor is refused for pairs; the court schedule derives the same tables.
        ASSERT_FALSE(PrepareReport(s.State->Common, s.State->Configuration, s.State->Store(),
                                   s.Ports.Messages, ReportEditor)
                         .Report);
        ReportOpening opening =
            PrepareReport(s.State->Common, s.State->Configuration, s.State->Store(),
                          s.Ports.Messages, ReportCourtSchedule);
        ASSERT_TRUE(opening.Report);
        PlaceModel model(s.Store());
        if (!Mismatch(s.Store(), model).empty()) continue;
        ++nights;

        std::mt19937 random(seed * 104729u);
        for (int step = 0; step < 300; ++step) {
            const Group g = random() % 2 ? Women : Men;
            const int n = model.Count[g];
            if (n == 0) continue;
            const int r = 1 + static_cast<int>(random() % model.Rounds);
            const int a = 1 + static_cast<int>(random() % n);
            const int b = 1 + static_cast<int>(random() % n);
            SwapSide sideA{a, CourtCell(s.State->Common.BaanCode, model.Places[g][r][a].Court)};
            SwapSide sideB{b, CourtCell(s.State->Common.BaanCode, model.Places[g][r][b].Court)};
            const bool tamper = random() % 10 == 0;
            if (tamper) sideB.Shown = sideB.Shown == "-" ? "1" : "-";
            const SwapOutcome outcome = SwapPlaces(s.Store(), s.State->Common.BaanCode,
                                                   opening.Report->Counts, g, r, sideA, sideB);
            const bool differ = model.Places[g][r][a].Court != model.Places[g][r][b].Court;
            if (tamper) {
                EXPECT_EQ(outcome, SwapOutcome::NotAsShown);
                ++refusals;
            } else if (differ) {
                kinds.Add(s.State->Common.BaanCode, model.Places[g][r][a].Court);
                kinds.Add(s.State->Common.BaanCode, model.Places[g][r][b].Court);
                EXPECT_EQ(outcome, SwapOutcome::Swapped);
                model.Swap(g, r, a, b);
                ++swaps;
            } else {
                EXPECT_EQ(outcome, SwapOutcome::SamePlace);
            }
            ASSERT_EQ(Mismatch(s.Store(), model), "") << "step " << step;
            if (HasFailure()) return;
        }
    }
    EXPECT_GE(nights, 40);
    EXPECT_GT(swaps, 3000);
    EXPECT_GT(refusals, 300);
    EXPECT_GE(kinds.Least(), 100);
}

} // namespace
