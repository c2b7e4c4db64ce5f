// Random hand edits on schedules the engine computed, against a plain model of who stands where.
// Schedules with names are edited through the editor's clicks and Enter on its grid; schedules
// with pairs, which the editor refuses, through the swap the editor makes. Court codes of every
// kind: the plain number, 0, codes of 100 and more (the grid shows two digits), negative codes,
// and one code on two courts. After every step nobody stands twice in a round, and the
// court-of-player tables, the play counts and the grid agree with the round table.

#include "core/reports/court_editor.h"
#include "core/reports/court_swap.h"
#include "core/reports/name_order.h"
#include "core/reports/report_build.h"
#include "core/reports/report_text.h"
#include "schedule_test_setup.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Place {
    int Court = 0; // 0: sits out
    int Slot = -1;
};

// The plain model: the place of every player of both groups in every round, read from the round
// table by a scan of the group's places, and changed only where a swap is expected.
struct Model {
    int Rounds = 0, Doubles = 0;
    std::array<int, 2> Count{};
    // [group][round][player]
    std::array<std::vector<std::vector<Place>>, 2> Places;

    static bool GroupSlot(Group g, bool mixed, int s) {
        return !mixed || (s % 2 == 0) == (g == Men);
    }

    static std::pair<int, int> Span(const RoundRecord& rec, Group g, bool mixed) {
        if (mixed) return {rec.FirstMixed, rec.LastMixed};
        return g == Men ? std::pair{rec.FirstMen, rec.LastMen}
                        : std::pair{rec.FirstWomen, rec.LastWomen};
    }

    // Every place of player p in round r: more than one means he plays twice.
    static std::vector<Place> Scan(const ScheduleStore& store, int doubles, Group g, int r, int p) {
        const RoundRecord& rec = store.RoundTable[r];
        const bool mixed = r > doubles;
        const auto [first, last] = Span(rec, g, mixed);
        std::vector<Place> found;
        for (int c = std::max(first, 1); c <= std::min(last, MaxCourts); ++c)
            for (int s = 0; s < 4; ++s)
                if (GroupSlot(g, mixed, s) && rec.Courts[c][s] == p) found.push_back({c, s});
        return found;
    }

    explicit Model(const ScheduleStore& store) {
        Doubles = store.Params.NDubRonden;
        Rounds = Doubles + store.Params.NMixRonden;
        Count = {store.Params.NHeren, store.Params.NDames};
        for (Group g : {Men, Women}) {
            Places[g].assign(Rounds + 1, std::vector<Place>(Count[g] + 1));
            for (int r = 1; r <= Rounds; ++r)
                for (int p = 1; p <= Count[g]; ++p) {
                    const std::vector<Place> found = Scan(store, Doubles, g, r, p);
                    if (!found.empty()) Places[g][r][p] = found.front();
                }
        }
    }

    int Games(Group g, int p) const {
        int games = 0;
        for (int r = 1; r <= Rounds; ++r) games += Places[g][r][p].Court != 0;
        return games;
    }

    void Swap(Group g, int r, int a, int b) { std::swap(Places[g][r][a], Places[g][r][b]); }
};

// The store against the model: every player stands once where the model has him (or nowhere),
// his court-of-player entry says that court, and his play count is his number of rounds.
void ExpectStoreAsModel(const ScheduleStore& store, const Model& model) {
    for (Group g : {Men, Women})
        for (int p = 1; p <= model.Count[g]; ++p) {
            for (int r = 1; r <= model.Rounds; ++r) {
                const Place expected = model.Places[g][r][p];
                const std::vector<Place> found = Model::Scan(store, model.Doubles, g, r, p);
                ASSERT_LE(found.size(), 1u)
                    << "group " << g << " player " << p << " round " << r << " plays twice";
                EXPECT_EQ(found.empty() ? 0 : found[0].Court, expected.Court)
                    << "group " << g << " player " << p << " round " << r;
                if (!found.empty()) {
                    EXPECT_EQ(found[0].Slot, expected.Slot);
                }
                EXPECT_EQ(store.Of(g).CourtOfPlayer[r].Court[p], expected.Court)
                    << "court-of-player of group " << g << " player " << p << " round " << r;
            }
            EXPECT_EQ(store.Of(g).PlayCount[p], model.Games(g, p))
                << "play count of group " << g << " player " << p;
        }
}

// The same, as a question: a run with a failed round may leave a half-filled court beyond the
// group's last court, whose players the play counts include; such a night is not edited.
bool AgreesWithModel(const ScheduleStore& store, const Model& model) {
    for (Group g : {Men, Women})
        for (int p = 1; p <= model.Count[g]; ++p) {
            for (int r = 1; r <= model.Rounds; ++r) {
                const std::vector<Place> found = Model::Scan(store, model.Doubles, g, r, p);
                if (found.size() > 1 ||
                    store.Of(g).CourtOfPlayer[r].Court[p] != model.Places[g][r][p].Court)
                    return false;
            }
            if (store.Of(g).PlayCount[p] != model.Games(g, p)) return false;
        }
    return true;
}

// Court codes of every kind for courts 1..32.
void RandomCourtCodes(AppState& state, std::mt19937& random) {
    auto& codes = state.BaanCode;
    for (int k = 1; k <= 32; ++k) {
        switch (random() % 7) {
        case 0:
            codes[k] = 0;
            break;
        case 1:
            codes[k] = 100 + static_cast<int>(random() % 900);
            break;
        case 2:
            codes[k] = -static_cast<int>(random() % 120);
            break;
        case 3:
            codes[k] = codes[1 + random() % k]; // a code an earlier court has (or its own)
            break;
        case 4:
            codes[k] = 10 + static_cast<int>(random() % 90);
            break;
        default:
            codes[k] = k;
            break;
        }
    }
}

// Which kinds of code a swap's courts had: [0] code 0, [1] 100 or more, [2] shared with
// another court, [3] negative.
struct CodeKindCounts {
    std::array<int, 4> Seen{};
    void Add(const std::array<int32_t, 33>& codes, int court) {
        if (court == 0) return;
        const int32_t code = codes[court];
        Seen[0] += code == 0;
        Seen[1] += code >= 100;
        Seen[3] += code < 0;
        for (int k = 1; k <= 32; ++k)
            if (k != court && codes[k] == code) {
                ++Seen[2];
                break;
            }
    }
    void ExpectEveryKind(int least) const {
        for (int kind = 0; kind < 4; ++kind) EXPECT_GE(Seen[kind], least) << "code kind " << kind;
    }
};

struct RandomNight {
    ScheduleSetup S;
    bool Ran = false;

    RandomNight(uint32_t seed, int kind) {
        std::mt19937 random(seed);
        int men = static_cast<int>(random() % 17), women = static_cast<int>(random() % 17);
        if (men < 4 && women < 4) men = 4 + static_cast<int>(random() % 8);
        const int doubles = static_cast<int>(random() % 5);
        const int mixed = men > 0 && women > 0 ? static_cast<int>(random() % 4) : 0;
        const int courts = 1 + static_cast<int>(random() % 6);
        const auto pairing = static_cast<uint16_t>(random() % 8);
        const auto pause = static_cast<uint16_t>(random() % 2 + 4 * (random() % 3));
        S.Ports.Messages.OnUnexpectedQuestion = [](const std::string&) {};
        S.State->Config.CfgRec.NBanen = static_cast<int16_t>(courts);
        if (kind == ScheduleWithNames) {
            const char* codes[] = {"X", "X", "X", "X", "X2", "X3"};
            std::vector<std::pair<std::string, std::string>> members;
            for (int i = 0; i < men; ++i) members.push_back({"h", codes[random() % 6]});
            for (int i = 0; i < women; ++i) members.push_back({"d", codes[random() % 6]});
            S.Names(members, doubles + (doubles + mixed == 0), mixed, courts, pairing, pause);
        } else {
            S.Pairs(men, women, doubles + (doubles + mixed == 0), mixed, courts, pairing, pause);
        }
        RandomCourtCodes(*S.State, random);
        S.Start();
        Ran = !S.Store().RunBlocked && !S.Store().RunStopped;
    }
};

// The player of every editor grid row, worked out from the display order: row 0 the heading,
// then per group with players its heading and its players by name.
std::vector<std::pair<Group, int>> RowPlayers(const ScheduleStore& store, bool withNames) {
    std::vector<std::pair<Group, int>> rows;
    for (Group g : DisplayOrder(store.LadiesFirst)) {
        const int n = g == Men ? store.Params.NHeren : store.Params.NDames;
        if (n == 0) continue;
        rows.push_back({g, 0});
        const std::vector<int> order = NameOrder(store.Of(g).Names, n, withNames);
        for (int i = 1; i <= n; ++i) rows.push_back({g, order[i]});
    }
    return rows;
}

struct TableGrid : EditorGrid {
    std::vector<std::vector<std::string>> Rows;
    int Col = 0, Row = 0;
    std::string CellText(int col, int row) const override {
        const auto& cells = Rows.at(row);
        return col < static_cast<int>(cells.size()) ? cells[col] : std::string();
    }
    void SetCellText(int col, int row, const std::string& text) override {
        auto& cells = Rows.at(row);
        if (col >= static_cast<int>(cells.size())) cells.resize(col + 1);
        cells[col] = text;
    }
    int CurrentColumn() const override { return Col; }
    int CurrentRow() const override { return Row; }
    void ShowPrompt(std::string_view) override {}
    void HidePrompt() override {}
};

TEST(HandEditProperties, RandomSwapsInTheEditorKeepTheScheduleWhole) {
    int nights = 0, swaps = 0, refusals = 0;
    CodeKindCounts kinds;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomNight night(seed, ScheduleWithNames);
        if (!night.Ran) continue;
        ScheduleSetup& s = night.S;
        ReportOpening opening = PrepareReport(*s.State, s.Ports.Messages, ReportEditor);
        ASSERT_TRUE(opening.Report);
        Model model(s.Store());
        if (!AgreesWithModel(s.Store(), model)) continue;
        ++nights;

        TableGrid grid;
        grid.Rows = EditorGridRows(opening.Report->EditorHeading, opening.Report->Lines);
        CourtEditor editor(*s.State, s.Ports.Messages, grid);
        editor.Start({opening.Report->Counts, opening.Report->EditorRows, opening.Report->Edition});
        const auto rowPlayers = RowPlayers(s.Store(), true);
        const int rows = static_cast<int>(grid.Rows.size());
        ASSERT_EQ(rows, static_cast<int>(rowPlayers.size()));
        auto truth = [&](int row, int r) {
            const auto [g, p] = rowPlayers[row];
            return CourtCell(s.State->BaanCode, model.Places[g][r][p].Court);
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
                kinds.Add(s.State->BaanCode, model.Places[g1][r][p1].Court);
                kinds.Add(s.State->BaanCode, model.Places[g1][r][p2].Court);
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
            ExpectStoreAsModel(s.Store(), model);
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
    kinds.ExpectEveryKind(100);
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
        ASSERT_FALSE(PrepareReport(*s.State, s.Ports.Messages, ReportEditor).Report);
        ReportOpening opening = PrepareReport(*s.State, s.Ports.Messages, ReportCourtSchedule);
        ASSERT_TRUE(opening.Report);
        Model model(s.Store());
        if (!AgreesWithModel(s.Store(), model)) continue;
        ++nights;

        std::mt19937 random(seed * 104729u);
        for (int step = 0; step < 300; ++step) {
            const Group g = random() % 2 ? Women : Men;
            const int n = model.Count[g];
            if (n == 0) continue;
            const int r = 1 + static_cast<int>(random() % model.Rounds);
            const int a = 1 + static_cast<int>(random() % n);
            const int b = 1 + static_cast<int>(random() % n);
            SwapSide sideA{a, CourtCell(s.State->BaanCode, model.Places[g][r][a].Court)};
            SwapSide sideB{b, CourtCell(s.State->BaanCode, model.Places[g][r][b].Court)};
            const bool tamper = random() % 10 == 0;
            if (tamper) sideB.Shown = sideB.Shown == "-" ? "1" : "-";
            const SwapOutcome outcome = SwapPlaces(s.Store(), s.State->BaanCode,
                                                   opening.Report->Counts, g, r, sideA, sideB);
            const bool differ = model.Places[g][r][a].Court != model.Places[g][r][b].Court;
            if (tamper) {
                EXPECT_EQ(outcome, SwapOutcome::NotAsShown);
                ++refusals;
            } else if (differ) {
                kinds.Add(s.State->BaanCode, model.Places[g][r][a].Court);
                kinds.Add(s.State->BaanCode, model.Places[g][r][b].Court);
                EXPECT_EQ(outcome, SwapOutcome::Swapped);
                model.Swap(g, r, a, b);
                ++swaps;
            } else {
                EXPECT_EQ(outcome, SwapOutcome::SamePlace);
            }
            ExpectStoreAsModel(s.Store(), model);
            if (HasFailure()) return;
        }
    }
    EXPECT_GE(nights, 40);
    EXPECT_GT(swaps, 3000);
    EXPECT_GT(refusals, 300);
    kinds.ExpectEveryKind(100);
}

} // namespace
