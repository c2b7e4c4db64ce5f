// The example club as a new user meets it: opened as "&Open" opens it and computed with what
// the set-up window proposes, the club night gives a complete schedule without a message; the
// evening with many late arrivals does so with the courts its README names, or with the courts
// the program finds for it.

#include "core/members/member_file.h"
#include "core/schedule/court_plan_search.h"
#include "core/schedule/schedule_run.h"
#include "core/schedule/schedule_setup.h"
#include "headless/headless_ports.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct Evening {
    std::unique_ptr<AppState> State = std::make_unique<AppState>();
    RecordingMessenger Messages;
    QuietPump Pump;
    QuietBeeper Bell;
    WarningRecorder View;

    explicit Evening(const std::string& name) {
        RecordingMessenger loadMessages;
        HeadlessConfigHost host(*State, loadMessages);
        HeadlessFileView files;
        const std::string file = std::string(TOLVEX_EXAMPLES) + "/" + name + ".tvs";
        EXPECT_TRUE(OpenNamedMemberFile(State->Common, State->Configuration, State->Members,
                                        loadMessages, host, files, file)
                        .Loaded);
        EXPECT_TRUE(loadMessages.Shown.empty());
    }

    // "Schema met &Namen", "&Meer" and "&Start" with the window's values: the rounds and courts
    // of the configuration, the proposed courts unless given.
    void Compute(std::optional<CourtsPerRound> men = {}, std::optional<CourtsPerRound> women = {}) {
        const TCfgRec& cfg = State->Configuration.Config.CfgRec;
        ScheduleSetupInput input;
        input.NDubRonden = cfg.NDubRonden;
        input.NMixRonden = cfg.NMixRonden;
        input.NBanen = cfg.NBanen;
        input.CourtsMen = men;
        input.CourtsWomen = women;
        ASSERT_TRUE(PrepareSchedule(State->Common, State->Configuration, State->Members,
                                    State->Store(), input, Messages, Bell, View));
        RunControl control{State->Common.StopKey};
        RunPorts ports{Messages, Pump, Bell, View, control};
        StartRun(State->Common, State->Configuration, State->Store(), ports);
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const RecordedMessage& m : Messages.Shown) texts.push_back(m.Text);
        return texts;
    }

    // Every court of every round holds four players.
    bool Complete() const {
        const ScheduleStore& store = State->Store();
        for (int r = 1; r <= store.NumRounds; ++r) {
            const int courts = r <= store.NumDoublesRounds
                                   ? store.CourtsMen[r] + store.CourtsWomen[r]
                                   : store.CourtsMixed[r - store.NumDoublesRounds];
            for (int c = 1; c <= courts; ++c)
                for (uint8_t player : store.RoundTable[r].Courts[c])
                    if (player == 0) return false;
        }
        return store.NumRounds > 0 && !store.RunBlocked;
    }
};

CourtsPerRound Courts(std::initializer_list<int> perRound) {
    CourtsPerRound courts{};
    int r = 1;
    for (int c : perRound) courts[r++] = static_cast<uint8_t>(c);
    return courts;
}

} // namespace

TEST(ExampleClub, TheClubNightComputesCompletelyWithTheProposedCourts) {
    Evening e("tc_de_kastanjelaan");
    e.Compute();
    EXPECT_EQ(e.Texts(), std::vector<std::string>{});
    EXPECT_TRUE(e.View.Warnings.empty());
    const ScheduleStore& store = e.State->Store();
    EXPECT_EQ(store.NumMen, 16);
    EXPECT_EQ(store.NumWomen, 16);
    EXPECT_EQ(store.NumRounds, 6);
    EXPECT_EQ(store.CourtsMen[1], 3);
    EXPECT_EQ(store.CourtsWomen[1], 3);
    EXPECT_TRUE(e.Complete());
    // A 2-times and a 3-times player, a late arrival and an early leaver.
    EXPECT_EQ(store.Of(Men).PlayCount[2], 2);
    EXPECT_EQ(store.Of(Men).PlayCount[3], 3);
    EXPECT_EQ(store.Of(Men).Names[4].NaamRec.StatusNr, 'X' + 50);
    EXPECT_EQ(store.Of(Women).Names[5].NaamRec.StatusNr, 'D');
}

TEST(ExampleClub, TheLateEveningNeedsFewerCourtsInItsFirstTwoRounds) {
    Evening proposed("tc_de_kastanjelaan_laat");
    proposed.Compute();
    EXPECT_FALSE(proposed.Texts().empty()); // the proposal has too many courts in round 1

    Evening e("tc_de_kastanjelaan_laat");
    e.Compute(Courts({2, 2, 3, 3}), Courts({2, 2, 3, 3}));
    EXPECT_EQ(e.Texts(), std::vector<std::string>{});
    EXPECT_TRUE(e.Complete());
    EXPECT_EQ(e.State->Store().CourtsMixed[2], 6);
}

// "&Passende banen" after the failed run: one search finds courts with which every round works,
// with at least as many games as the courts above, and "&Start" then computes the schedule
// without a message.
TEST(ExampleClub, TheLateEveningIsFittedInOnePress) {
    Evening e("tc_de_kastanjelaan_laat");
    e.Compute();
    ASSERT_FALSE(e.Texts().empty());
    RunControl control{e.State->Common.StopKey};
    RunPorts ports{e.Messages, e.Pump, e.Bell, e.View, control};
    const CourtPlanOutcome plan =
        FitCourts(e.State->Common, e.State->Configuration, e.State->Store(), ports);
    ASSERT_TRUE(plan.Found);
    EXPECT_GE(plan.Games, 2 + 2 + 3 + 3 + 2 + 2 + 3 + 3 + 6 + 6);

    e.Messages.Shown.clear();
    ApplyCourtPlan(e.State->Store(), plan.Plan);
    StartRun(e.State->Common, e.State->Configuration, e.State->Store(), ports);
    EXPECT_EQ(e.Texts(), std::vector<std::string>{});
    EXPECT_TRUE(e.State->Store().Reasons.empty());
    EXPECT_TRUE(e.Complete());
}
