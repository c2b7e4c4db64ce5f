#include "schedule_test_setup.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

std::vector<std::string> TextsOfKind(const ScriptedMessenger& messages, uint8_t kind) {
    std::vector<std::string> texts;
    for (const auto& m : messages.Shown)
        if (m.Kind == kind) texts.push_back(m.Text);
    return texts;
}

// Round 2 of the men finds a damaged pair list (a player the group does not have); round 3
// finds it mended again.
class DamagingProgressView : public RecordingView {
public:
    explicit DamagingProgressView(ScheduleStore& store)
        : Store(store) {}
    void ShowRoundProgress(int line, std::string_view text) override {
        RecordingView::ShowRoundProgress(line, text);
        PlayerPair& first = Store.Of(Men).PairList.Pairs[1];
        if (Progress.size() == 2) {
            Kept = first;
            first = {1, 99};
        } else if (Progress.size() == 3) {
            first = Kept;
        }
    }
    ScheduleStore& Store;
    PlayerPair Kept;
};

class ThrowingProgressView : public RecordingView {
public:
    void ShowRoundProgress(int, std::string_view) override { throw std::runtime_error("gone"); }
};

} // namespace

TEST(StartRun, OnlyMenMeansNoMixedRoundsAndLadiesFirstUnchanged) {
    ScheduleSetup s;
    s.Pairs(12, 0, 3, 3, 3, /*pairing=*/2);
    s.Start();
    ScheduleStore& store = s.Store();
    EXPECT_EQ(store.NumMixedRounds, 0);
    EXPECT_EQ(store.NumRounds, 3);
    EXPECT_FALSE(store.LadiesFirst);
    EXPECT_EQ(store.Params.PairingOptions, 2);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(store.RoundTable[r].FirstMen, 1);
        EXPECT_EQ(store.RoundTable[r].LastMen, 3);
        EXPECT_EQ(store.RoundTable[r].LastWomen, 0);
        EXPECT_EQ(store.RoundTable[r].LastMixed, 0);
    }
    EXPECT_EQ(s.View.Compu, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(s.Ports.Messages.Shown.empty());
}

TEST(StartRun, OnlyWomenTakeTheFirstCourts) {
    ScheduleSetup s;
    s.Pairs(0, 12, 3, 3, 3, /*pairing=*/2);
    s.Store().Params.PairingOptions = 2; // the set-up cleared bit 0 again
    s.Start();
    ScheduleStore& store = s.Store();
    EXPECT_EQ(store.Params.PairingOptions, 3);
    EXPECT_TRUE(store.LadiesFirst);
    EXPECT_EQ(store.NumMixedRounds, 0);
    EXPECT_EQ(store.RoundTable[1].FirstWomen, 1);
    EXPECT_EQ(store.RoundTable[1].LastWomen, 3);
    EXPECT_EQ(store.Of(Women).Names[1].NaamRec.Voornaam.View(), "D");
    EXPECT_EQ(store.Of(Women).Names[12].NaamRec.AchterNaam.View(), "12          ");
}

TEST(StartRun, LimitsAreWarnedAboutAndNothingIsComputed) {
    ScheduleSetup s;
    s.Pairs(150, 60, 2, 0, 40);
    s.Start();
    EXPECT_EQ(TextsOfKind(s.Ports.Messages, KindWaarschuwing),
              (std::vector<std::string>{
                  "Geen oplossing heren-tolvex     \rAantal heren + dames meer dan 200 ",
                  "Geen oplossing heren-tolvex     \rAantal banen meer dan 32 "}));
    EXPECT_TRUE(s.View.Compu.empty());
    EXPECT_EQ(s.Store().Candidates, 0u);
}

TEST(StartRun, NoPlayersComputesNothingAndSaysWhy) {
    ScheduleSetup s;
    s.Pairs(0, 0, 2, 2, 4);
    s.Start();
    EXPECT_EQ(TextsOfKind(s.Ports.Messages, KindWaarschuwing),
              std::vector<std::string>{
                  "Geen spelers om in te delen: aantal heren en aantal dames zijn allebei 0"});
    EXPECT_EQ(s.Ports.Messages.Shown.size(), 1u);
    EXPECT_TRUE(s.View.Compu.empty());
    EXPECT_TRUE(s.Store().RunBlocked);
    EXPECT_EQ(s.Ports.Bell.Beeps, 1); // the court proposal beeps for an empty set-up

    // The groups are named as the set-up window names them.
    ScheduleSetup groups;
    groups.State->Configuration.Config.CfgRec.Grpn[0] = "A";
    groups.Pairs(0, 0, 2, 0, 4);
    groups.Start();
    EXPECT_EQ(groups.Ports.Messages.Texts(),
              std::vector<std::string>{
                  "Geen spelers om in te delen: aantal groep a en aantal dames zijn allebei 0"});
}

// A set-up that no window lets through (the window refuses such counts): a negative count is
// named as the field that holds it, never as too many rounds.
TEST(StartRun, CountsThatCannotBeComputedAreNamedAndNothingIsComputed) {
    const std::string advice = "\n\r corrigeer (zonodig) Configuratie";
    struct Case {
        int Men, Women, Doubles, Mixed, Courts;
        std::string Message;
    };
    const Case cases[] = {
        {5, -5, 2, 0, 4, "Aantal  dames foutief: -5 bestaat niet" + advice},
        {-4, 4, 2, 0, 4, "Aantal  heren foutief: -4 bestaat niet" + advice},
        {4, 4, -2147483647 - 1, 2, 4, "Aantal  tolvex foutief: -2147483648 bestaat niet" + advice},
        {4, 4, 2, -1, 4, "Aantal  Mixtolvex foutief: -1 bestaat niet" + advice},
        {4, 4, 2, 0, -3, "Aantal  banen foutief: -3 bestaat niet" + advice},
        {4, 4, 20, 5, 2, "Aantal ronden te groot, zie sleutelgegevens "},
    };
    for (const Case& c : cases) {
        ScheduleSetup s;
        s.Pairs(4, 4, 1, 0, 2);
        ScheduleParams& p = s.Params();
        p.NHeren = c.Men;
        p.NDames = c.Women;
        p.NDubRonden = c.Doubles;
        p.NMixRonden = c.Mixed;
        p.NBanen = c.Courts;
        s.Start();
        EXPECT_EQ(s.Ports.Messages.Texts(), std::vector<std::string>{c.Message}) << c.Message;
        EXPECT_TRUE(s.View.Compu.empty());
        EXPECT_EQ(s.Store().Candidates, 0u);
        EXPECT_EQ(s.State->Common.ErrorCode, 0);
    }
}

TEST(StartRun, MoreThanThirtyTwoCourtsInOneRoundAreRefused) {
    ScheduleSetup s;
    s.Pairs(80, 80, 1, 0, 20);
    s.Store().CourtsMen[1] = 20;
    s.Store().CourtsWomen[1] = 20;
    s.Start();
    EXPECT_EQ(
        TextsOfKind(s.Ports.Messages, KindWaarschuwing),
        (std::vector<std::string>{"Geen oplossing heren-tolvex     \rAantal banen meer dan 32 "}));
    EXPECT_TRUE(s.View.Compu.empty());
}

TEST(StartRun, PauseSettingsBecomeThePauseMode) {
    struct Case {
        uint16_t Options;
        int Mode;
        int Beeps;
        std::pair<int, int> Edits;
    };
    for (Case c : {Case{5, 3, 0, {1, 1}}, Case{3, 1, 1, {1, 0}}, Case{2, 0, 1, {0, 0}},
                   Case{8, 4, 0, {0, 2}}, Case{12, 6, 0, {0, 3}}}) {
        ScheduleSetup s;
        s.Pairs(4, 0, 1, 0, 1, 2, c.Options);
        s.Start();
        EXPECT_EQ(s.Store().PauseMode, c.Mode) << c.Options;
        EXPECT_EQ(s.Ports.Bell.Beeps, c.Beeps) << c.Options;
        EXPECT_EQ(s.View.PauseEdits, c.Edits) << c.Options;
        EXPECT_EQ(s.Store().Params.PauseOptions, c.Options & 13);
    }
}

TEST(RunSchedule, RoundsAboveTwentyAreReportedWithoutRoundText) {
    ScheduleSetup s;
    s.Pairs(4, 0, 24, 0, 1, /*pairing=*/0);
    s.Start();
    auto texts = s.Ports.Messages.Texts();
    ASSERT_EQ(texts.size(), 21u); // rounds 4..24 find no pair left
    EXPECT_EQ(texts.front(), "Geen oplossing heren-tolvex      in ronde : 4");
    EXPECT_EQ(texts[16], "Geen oplossing heren-tolvex      in ronde :20");
    for (std::size_t i = 17; i < texts.size(); ++i) EXPECT_EQ(texts[i], "");
    EXPECT_EQ(s.State->Common.ErrorCode, 24);
}

TEST(RunSchedule, ProgressTextsMoveToTheSecondLineAfterRoundSeven) {
    ScheduleSetup s;
    s.State->Configuration.Config.CfgRec.Cfgflags = 2 | 16;
    s.Pairs(12, 0, 12, 0, 3);
    s.Start();
    ASSERT_EQ(s.View.Progress.size(), 12u);
    EXPECT_EQ(s.View.Progress[2],
              (std::pair<int, std::string>{1, " Berekening Heren  in ronde : ,1,2,3"}));
    EXPECT_EQ(s.View.Progress[6].first, 1);
    EXPECT_EQ(s.View.Progress[7].first, 2);
    EXPECT_EQ(s.View.Progress[11].second,
              " Berekening Heren  in ronde : ,1,2,3,4,5,6,7,8,9,10,11,12");
    int delays500 = 0;
    for (int d : s.Ports.Pump.Delays) delays500 += d == 500;
    EXPECT_EQ(delays500, 12);
}

TEST(RunSchedule, StopInTheMensRoundTwoEndsTheRun) {
    ScheduleSetup s;
    s.Pairs(8, 8, 4, 2, 4);
    AppState& state = *s.State;
    s.Ports.Pump.OnProcess = [&](long long) {
        if (state.Store().CurrentRound == 2) state.Common.StopKey = 27;
    };
    s.Start();
    ScheduleStore& store = s.Store();
    EXPECT_TRUE(store.RunStopped);
    EXPECT_EQ(s.Ports.Messages.Texts(),
              (std::vector<std::string>{"Geen oplossing heren-tolvex      in ronde : 2"}));
    EXPECT_EQ(store.RoundTable[1].LastMen, 2);
    EXPECT_EQ(store.RoundTable[2].LastMen, 0);
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(store.RoundTable[r].LastWomen, 0);
    EXPECT_EQ(store.Of(Women).PlayCount[1], 0);
    EXPECT_EQ(s.View.Compu, (std::vector<int>{1, 4}));
}

TEST(RunSchedule, ACandidateLimitStopsAfterExactlyThatManyCandidates) {
    for (bool literal : {true, false}) {
        ScheduleSetup full;
        full.Control.Literal = literal;
        full.Pairs(8, 8, 4, 2, 4);
        full.Start();
        const uint64_t all = full.Store().Candidates;
        ASSERT_GT(all, 50u);
        for (uint64_t limit : {uint64_t{1}, uint64_t{17}, all - 1, all, all + 1}) {
            ScheduleSetup s;
            s.Control.Literal = literal;
            s.Pairs(8, 8, 4, 2, 4);
            s.Control.CandidateLimit = limit;
            s.Control.PumpInterval = 5;
            s.Start();
            EXPECT_EQ(s.Store().Candidates, std::min(limit, all)) << limit;
            EXPECT_EQ(s.Store().RunStopped, limit <= all) << limit;
        }
    }
}

TEST(RunSchedule, EveryCandidatePumpsEventsAndStepsTheProgressBar) {
    for (uint32_t interval : {1u, 7u}) {
        ScheduleSetup s;
        s.Control.Literal = true;
        s.Pairs(9, 7, 4, 2, 4);
        s.Control.PumpInterval = interval;
        s.Start();
        const ScheduleStore& store = s.Store();
        EXPECT_EQ(s.View.ProgressMax, 6);
        EXPECT_EQ(s.View.Steps, store.Candidates);
        // Besides the candidates' polls, one stop poll at the end of each of the 10 rounds;
        // a larger interval counts from the start of each round search.
        const auto calls = static_cast<uint64_t>(s.Ports.Pump.Calls);
        if (interval == 1)
            EXPECT_EQ(calls, store.Candidates + 10);
        else
            EXPECT_LE(calls, store.Candidates / interval + 10);
        EXPECT_GE(calls, store.Candidates / interval);
    }
}

TEST(RunSchedule, TheBoundedSearchAlsoPumpsEventsAfterEveryCandidateAndBound) {
    // The example of an impossible balance: the bounds do the work, and each look at the pairs
    // left lets the window breathe as a candidate does.
    std::vector<std::pair<std::string, std::string>> members(16, {"h", "X"});
    members.push_back({"h", "63"});
    ScheduleSetup s;
    s.State->Configuration.Config.CfgRec.Cfgflags = 16;
    s.Names(members, 4, 0, 4);
    for (int r = 1; r <= 4; ++r) s.Store().CourtsMen[r] = 4;
    s.Start();
    EXPECT_FALSE(s.Store().RunStopped);
    EXPECT_EQ(s.View.Steps, s.Store().Candidates);
    EXPECT_GT(static_cast<uint64_t>(s.Ports.Pump.Calls), s.Store().Candidates);
    EXPECT_EQ(s.Ports.Messages.Texts(),
              (std::vector<std::string>{"Geen oplossing heren-tolvex      in ronde : 4"}));
}

TEST(RunSchedule, AFailureInsideARoundIsReportedAndTheNextRoundRuns) {
    ScheduleSetup s;
    DamagingProgressView view(s.Store());
    RunPorts ports{s.Ports.Messages, s.Ports.Pump, s.Ports.Bell, view, s.Control};
    s.State->Configuration.Config.CfgRec.Cfgflags = 2 | 16;
    s.Pairs(8, 0, 3, 0, 2);
    StartRun(s.State->Common, s.State->Configuration, s.State->Store(), ports);
    EXPECT_EQ(s.Ports.Messages.Texts(),
              (std::vector<std::string>{
                  "Geen oplossing heren-tolvex     Selectie niet gelukt in ronde : 2"}));
    EXPECT_EQ(s.Store().RoundTable[2].LastMen, 0);
    EXPECT_EQ(s.Store().RoundTable[3].LastMen, 2);
}

TEST(RunSchedule, WhatIsNotARoundsOwnFailureGoesOnToTheCaller) {
    ScheduleSetup s;
    ThrowingProgressView view;
    RunPorts ports{s.Ports.Messages, s.Ports.Pump, s.Ports.Bell, view, s.Control};
    s.State->Configuration.Config.CfgRec.Cfgflags = 2 | 16;
    s.Pairs(8, 0, 3, 0, 2);
    EXPECT_THROW(StartRun(s.State->Common, s.State->Configuration, s.State->Store(), ports),
                 std::runtime_error);
    EXPECT_TRUE(s.Ports.Messages.Texts().empty());
}

TEST(RunSchedule, CourtEntriesOfAnEarlierRunStayWhereThisRunWritesNothing) {
    ScheduleSetup s;
    s.Pairs(8, 0, 1, 0, 2, 0);
    s.Start();
    const auto second = s.Court(1, 2);
    EXPECT_NE(second[0], 0);
    s.Pairs(4, 0, 1, 0, 1, 0);
    s.Start();
    EXPECT_EQ(s.Store().RoundTable[1].LastMen, 1);
    EXPECT_EQ(s.Court(1, 2), second);
}

TEST(RunSchedule, TheSameSetUpGivesTheSameSchedule) {
    ScheduleSetup a, b;
    a.Pairs(13, 11, 4, 2, 5, 3);
    b.Pairs(13, 11, 4, 2, 5, 3);
    a.Start();
    b.Start();
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(a.Store().RoundTable[r].Courts, b.Store().RoundTable[r].Courts);
    EXPECT_EQ(a.Store().Candidates, b.Store().Candidates);
}
