#include "core/schedule/availability.h"
#include "schedule_test_setup.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> StatusByRound(ScheduleStore& store, Group g, int player) {
    std::vector<int> values;
    for (int r = 1; r <= store.NumRounds; ++r)
        values.push_back(store.Of(g).StatusTable[r].Status[player]);
    return values;
}

// Names with the given status codes for the men, prepared for `rounds` doubles rounds.
void PrepareMen(ScheduleSetup& s, const std::vector<std::string>& codes, int rounds) {
    std::vector<std::pair<std::string, std::string>> members;
    for (const auto& code : codes) members.push_back({"h", code});
    s.Names(members, rounds, 0, 1);
    ScheduleStore& store = s.Store();
    store.NumMen = s.Params().NHeren;
    store.NumRounds = rounds;
    PrepareAvailability(s.Store(), s.State->Common.ScheduleKind, Men);
}

} // namespace

TEST(StatusNr, MemberCodesBecomeTheScheduleBytes) {
    CountingBeeper bell;
    EXPECT_EQ(StatusNrOf("a1", bell), 115);
    EXPECT_EQ(StatusNrOf("25", bell), 25);
    EXPECT_EQ(StatusNrOf("3", bell), 3);
    EXPECT_EQ(StatusNrOf("C", bell), 67);
    EXPECT_EQ(StatusNrOf("c2", bell), 167);
    EXPECT_EQ(StatusNrOf("X", bell), 88);
    EXPECT_EQ(bell.Beeps, 0);
    EXPECT_EQ(StatusNrOf("70", bell), 70);
    EXPECT_EQ(bell.Beeps, 1);
    EXPECT_EQ(StatusNrOf("2x", bell), 2);
    EXPECT_EQ(bell.Beeps, 2);
}

TEST(FillNameList, TakesActiveMembersOfTheGroupPaddedAndWarnsAboutAMissingSurname) {
    ScheduleSetup s;
    s.State->Members.MemberList.assign(1, TLedenObj{});
    auto add = [&](int clubNo, const char* first, const char* last, const char* group,
                   const char* code) {
        TLedenObj m;
        m.LidRecord.ClubNo = static_cast<int16_t>(clubNo);
        m.LidRecord.Voornaam = first;
        m.LidRecord.AchterNaam = last;
        m.LidRecord.Groep = group;
        m.LidRecord.StatCode = code;
        s.State->Members.MemberList.push_back(m);
    };
    add(300, "Jan", "Jansen", " H", "1");
    add(2, "Piet", "Pietersen", "h", "0");
    add(3, "Anna", "Bakker", "d", "a1");
    add(4, "Kees", "  ", "h", "X");
    add(5, "Wim", "Vos", "h", "");
    s.State->Members.MemberCount = 5;
    NameList& men = s.Store().Of(Men).Names;
    EXPECT_EQ(FillNameList(s.State->Configuration, s.State->Members, s.Ports.Messages, s.Ports.Bell,
                           men, 0),
              2);
    EXPECT_EQ(men[1].NaamRec.LidNo, 300 & 0xFF);
    EXPECT_EQ(men[1].NaamRec.Voornaam.View(), "Jan                     ");
    EXPECT_EQ(men[1].NaamRec.AchterNaam.View(), "Jansen                                  ");
    EXPECT_EQ(men[1].NaamRec.StatusNr, 1);
    EXPECT_EQ(men[2].NaamRec.StatusNr, 88);
    EXPECT_EQ(men[0].NaamRec.Voornaam.View(), "G r o t e   ");
    EXPECT_EQ(men[0].NaamRec.AchterNaam.View(), "O n b e k e n d e ? ");
    ASSERT_EQ(s.Ports.Messages.Shown.size(), 1u);
    EXPECT_EQ(s.Ports.Messages.Last().Text, "Actief lid: 4 heeft geen achternaam!");
    EXPECT_EQ(s.Ports.Messages.Last().Kind, KindWaarschuwing);
    NameList& women = s.Store().Of(Women).Names;
    EXPECT_EQ(FillNameList(s.State->Configuration, s.State->Members, s.Ports.Messages, s.Ports.Bell,
                           women, 1),
              1);
    EXPECT_EQ(women[1].NaamRec.StatusNr, 115);
}

TEST(FillPairNames, LetterAndNumberWithTenBlanks) {
    NameList list{};
    FillPairNames(list, 12, "D");
    EXPECT_EQ(list[1].NaamRec.Voornaam.View(), "D");
    EXPECT_EQ(list[12].NaamRec.AchterNaam.View(), "12          ");
}

TEST(PrepareAvailability, LetterCodesArriveLateAndLeaveEarly) {
    ScheduleSetup s;
    PrepareMen(s, {"C", "C2", "21", "3", "", "X"}, 6);
    // "" is not active; the five others are men 1..5.
    EXPECT_EQ(s.Params().NHeren, 5);
    EXPECT_EQ(StatusByRound(s.Store(), Men, 1), (std::vector<int>{24, 24, 24, 0, 0, 0}));
    EXPECT_EQ(StatusByRound(s.Store(), Men, 2), (std::vector<int>{102, 102, 24, 0, 0, 0}));
    EXPECT_EQ(StatusByRound(s.Store(), Men, 3), (std::vector<int>{102, 2, 2, 2, 2, 2}));
    EXPECT_EQ(StatusByRound(s.Store(), Men, 4), (std::vector<int>{3, 3, 3, 3, 3, 3}));
    // "X" (88) is present in 24 rounds.
    EXPECT_EQ(StatusByRound(s.Store(), Men, 5), (std::vector<int>{24, 24, 24, 24, 24, 24}));
    std::vector<int> absent;
    for (int r = 1; r <= 6; ++r) absent.push_back(s.Store().Of(Men).StatusTable[r].AbsentCount);
    EXPECT_EQ(absent, (std::vector<int>{0, 0, 0, 2, 2, 2}));
}

TEST(PrepareAvailability, PairsAlwaysPlay) {
    ScheduleSetup s;
    s.Pairs(6, 0, 4, 0, 1);
    s.Store().NumMen = 6;
    s.Store().NumRounds = 4;
    s.Store().Of(Men).Names[1].NaamRec.StatusNr = 67; // ignored with pairs
    PrepareAvailability(s.Store(), s.State->Common.ScheduleKind, Men);
    EXPECT_EQ(StatusByRound(s.Store(), Men, 1), (std::vector<int>{24, 24, 24, 24}));
    EXPECT_EQ(s.Store().Of(Men).StatusTable[4].AbsentCount, 0);
}

TEST(RoundStatusUpdate, PlayersWhoReachedTheirGamesBecomeUnavailable) {
    ScheduleSetup s;
    PrepareMen(s, {"3", "21", "1"}, 6);
    ScheduleStore& store = s.Store();
    store.PauseMode = 0;
    GroupTables& men = store.Of(Men);
    men.PlayCount[1] = 3;
    men.PlayCount[2] = 1;
    men.PlayCount[3] = 1;
    RoundStatusUpdate(store, Men, 4, men.StatusTable[4]);
    EXPECT_EQ(men.StatusTable[4].Status[1], 0);
    EXPECT_EQ(men.StatusTable[4].Status[2], 2);
    EXPECT_EQ(men.StatusTable[4].Status[3], 0);
    EXPECT_EQ(men.StatusTable[4].AbsentCount, 2);
}

TEST(RoundStatusUpdate, PausesOfLimitedPlayersByPauseMode) {
    ScheduleSetup s;
    PrepareMen(s, {"2", "2", "3", "3"}, 6);
    ScheduleStore& store = s.Store();
    GroupTables& men = store.Of(Men);
    men.SatOut[2] = 1; // man 2 sat out the last round, so he is not paused now
    men.SatOut[4] = 1;

    store.PauseMode = 3; // one pause each for 2-times and 3-times players
    StatusRecord copy = men.StatusTable[1];
    RoundStatusUpdate(store, Men, 1, copy); // never in round 1
    EXPECT_EQ(copy.AbsentCount, 0);
    copy = men.StatusTable[2];
    RoundStatusUpdate(store, Men, 2, copy);
    EXPECT_EQ(copy.Status[1], 102);
    EXPECT_EQ(copy.Status[2], 2);
    EXPECT_EQ(copy.Status[3], 103);
    EXPECT_EQ(copy.Status[4], 3);
    EXPECT_EQ(copy.AbsentCount, 2);

    // Two pauses: round 2 when he played round 1, round 3 always, round 4 unless round 2
    // was his pause.
    store.PauseMode = 4;
    RoundStatusUpdate(store, Men, 2, men.StatusTable[2]);
    EXPECT_EQ(men.StatusTable[2].Status[1], 102);
    EXPECT_EQ(men.StatusTable[2].Status[2], 2);
    RoundStatusUpdate(store, Men, 3, men.StatusTable[3]);
    EXPECT_EQ(men.StatusTable[3].Status[1], 102);
    EXPECT_EQ(men.StatusTable[3].Status[2], 102);
    RoundStatusUpdate(store, Men, 4, men.StatusTable[4]);
    EXPECT_EQ(men.StatusTable[4].Status[1], 2);
    EXPECT_EQ(men.StatusTable[4].Status[2], 102);
    EXPECT_EQ(men.StatusTable[4].Status[3], 3); // no pause for 3-times players in mode 4
}

TEST(RoundStatusUpdate, MixedFormWorksOnACopyAndPausesOnlyThreeTimesPlayers) {
    ScheduleSetup s;
    PrepareMen(s, {"2", "3", "1"}, 3);
    ScheduleStore& store = s.Store();
    store.PauseMode = 3;
    store.Of(Men).PlayCount[3] = 1;
    StatusRecord copy = store.Of(Men).StatusTable[1];
    MixedRoundStatusUpdate(store, Men, copy);
    EXPECT_EQ(copy.Status[1], 2);
    EXPECT_EQ(copy.Status[2], 103); // also in round 1
    EXPECT_EQ(copy.Status[3], 0);
    EXPECT_EQ(copy.AbsentCount, 2);
    EXPECT_EQ(store.Of(Men).StatusTable[1].Status[2], 3);
}

TEST(BalanceAndMustPlay, TestsOfASelection) {
    GroupTables tables{};
    StatusRecord record{};
    for (int p = 1; p <= 6; ++p) record.Status[p] = 24;
    tables.PlayCount = {0, 2, 2, 1, 1, 1, 1};
    uint8_t selected[MaxGroupPlayers + 1] = {};
    selected[3] = selected[4] = selected[5] = selected[6] = 1;
    EXPECT_TRUE(BalanceTest(tables, 6, record, selected, 3));
    selected[6] = 0;
    selected[1] = 1; // man 1 gets 3 games while man 6 keeps 1
    EXPECT_FALSE(BalanceTest(tables, 6, record, selected, 3));
    record.Status[6] = 2; // a limited player counts for the highest value only
    EXPECT_TRUE(BalanceTest(tables, 6, record, selected, 3));
    record.Status[6] = 102; // a pausing player does not count
    EXPECT_TRUE(BalanceTest(tables, 6, record, selected, 3));

    tables.SatOut[2] = 1;
    tables.SatOut[6] = 1;
    record.Status[6] = 0; // unavailable: not on the list
    EXPECT_FALSE(MustPlayTest(tables, 6, record, selected));
    EXPECT_EQ(tables.MustPlay.Count, 1);
    EXPECT_EQ(tables.MustPlay.Players[1], 2);
    selected[2] = 1;
    EXPECT_TRUE(MustPlayTest(tables, 6, record, selected));
}

TEST(CheckCourts, TooManyCourtsAreLoweredWithAWarning) {
    ScheduleSetup s;
    s.Pairs(10, 0, 2, 0, 3);
    s.Store().CourtsMen[1] = 3;
    s.Store().CourtsMen[2] = 2;
    s.Start();
    EXPECT_EQ(s.View.Warnings, (std::vector<std::string>{"Te veel banen gekozen   Ronde : 1"}));
    EXPECT_EQ(s.Store().CourtsMen[1], 2);
    EXPECT_EQ(s.Store().NumCourts, 2);
    EXPECT_EQ(s.Ports.Pump.Delays.front(), 500);
    // The too-many check resets the error state, so nobody is asked to stop.
    for (const auto& m : s.Ports.Messages.Shown) EXPECT_NE(m.Text, " Wilt U stoppen");
}

TEST(CheckCourts, WithoutTheWarningSettingCourtsAreLoweredSilently) {
    ScheduleSetup s;
    s.State->Configuration.Config.CfgRec.Cfgflags = 16;
    s.Pairs(10, 0, 1, 0, 3);
    s.Start();
    EXPECT_TRUE(s.View.Warnings.empty());
    EXPECT_EQ(s.Store().CourtsMen[1], 2);
}

TEST(CheckCourts, TooFewCourtsInTwoRoundsWarnsAndAsks) {
    ScheduleSetup s;
    s.Pairs(12, 0, 2, 0, 2);
    s.Store().CourtsMen[1] = s.Store().CourtsMen[2] = 2;
    s.Start();
    EXPECT_TRUE(s.View.Warnings.empty());

    ScheduleSetup t;
    t.Pairs(12, 0, 2, 0, 1);
    t.Ports.Messages.Answer(ResultYes);
    t.Start();
    EXPECT_EQ(t.View.Warnings, (std::vector<std::string>{"Te weinig banen gekozen Ronde : 2"}));
    ASSERT_EQ(t.Ports.Messages.Shown.size(), 1u);
    EXPECT_EQ(t.Ports.Messages.Last().Text, " Wilt U stoppen");
    EXPECT_EQ(t.Ports.Messages.Last().Buttons, ButtonsJaNee);
    // "Ja": nothing is computed and the warning label is hidden.
    EXPECT_EQ(t.Store().Candidates, 0u);
    EXPECT_GE(t.View.Hides, 1);
    EXPECT_TRUE(t.View.Compu.empty());
}

TEST(CheckCourts, MixedRoundsAreCheckedWithTheSmallerGroup) {
    ScheduleSetup s;
    s.Pairs(4, 12, 1, 2, 4);
    s.Store().CourtsMen[1] = 1;
    s.Store().CourtsWomen[1] = 3;
    s.Store().CourtsMixed[1] = 5; // 20 players for 16
    s.Store().CourtsMixed[2] = 0; // 2 x (0 + 4) < 4 is false: no warning
    s.Ports.Messages.Answer(ResultNo);
    s.Start();
    EXPECT_EQ(s.View.Warnings, (std::vector<std::string>{"Te veel banen gekozen   Ronde : 2"}));
    EXPECT_EQ(s.Store().CourtsMixed[1], 4);
}

TEST(CourtWarningText, RoundRangesAndGroupLabels) {
    ScheduleSetup s;
    const ScheduleStore& store = s.Store();
    EXPECT_EQ(CourtWarningText(store, 5, 0, 0), "Te weinig banen gekozen");
    EXPECT_EQ(CourtWarningText(store, 5, 10, 0), "Te weinig banen gekozen Ronde : 10");
    EXPECT_EQ(CourtWarningText(store, 5, 11, 0), "");
    EXPECT_EQ(CourtWarningText(store, 6, 21, 1), "Te veel banen gekozen  , Dames  Ronde : 21");
    EXPECT_EQ(CourtWarningText(store, 6, 24, 2), "Te veel banen gekozen  , Mixed  Ronde : 24");
}
