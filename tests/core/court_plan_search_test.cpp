// Fitting courts: on evenings with a plan built by hand the search finds a plan with at least
// as many games, and that plan, run again through the ordinary run, has no failed round; on
// evenings that cannot work it says why in the organiser's words and what would work; the same
// set-up gives the same plan; "S&top" ends the search. The failed rounds of a run are listed one
// line per round, a round that failed because of an earlier one saying so.

#include "core/schedule/court_plan_search.h"
#include "core/schedule/round_reasons.h"
#include "schedule_test_setup.h"

#include <gtest/gtest.h>

namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

Members Players(const char* group, const char* code, int count, Members add = {}) {
    Members members(static_cast<std::size_t>(count), {group, code});
    members.insert(members.end(), add.begin(), add.end());
    return members;
}

struct Evening {
    Members Players; // a schedule with names when given
    int Men = 0, Women = 0;
    int Doubles = 0, Mixed = 0, Courts = 0;
};

void Prepare(ScheduleSetup& s, const Evening& e) {
    s.State->Configuration.Config.CfgRec.Cfgflags = 16;
    if (!e.Players.empty())
        s.Names(e.Players, e.Doubles, e.Mixed, e.Courts);
    else
        s.Pairs(e.Men, e.Women, e.Doubles, e.Mixed, e.Courts);
}

CourtPlan PlanOf(std::vector<int> men, std::vector<int> women, std::vector<int> mixed) {
    CourtPlan plan;
    for (std::size_t r = 0; r < men.size(); ++r) plan.Men[r + 1] = static_cast<uint8_t>(men[r]);
    for (std::size_t r = 0; r < women.size(); ++r)
        plan.Women[r + 1] = static_cast<uint8_t>(women[r]);
    for (std::size_t m = 0; m < mixed.size(); ++m)
        plan.Mixed[m + 1] = static_cast<uint8_t>(mixed[m]);
    return plan;
}

int GamesOf(const CourtPlan& plan) {
    int games = 0;
    for (int r = 1; r <= MaxRounds; ++r) games += plan.Men[r] + plan.Women[r] + plan.Mixed[r];
    return games;
}

// The ordinary run with the plan; the failed rounds' reasons (empty when every round worked).
std::vector<RoundReasonEntry> RunWith(const Evening& e, const CourtPlan& plan) {
    ScheduleSetup s;
    Prepare(s, e);
    ApplyCourtPlan(s.Store(), plan);
    s.Start();
    EXPECT_FALSE(s.Store().RunStopped);
    return s.Store().Reasons;
}

CourtPlanOutcome Fit(const Evening& e) {
    ScheduleSetup s;
    Prepare(s, e);
    return FitCourts(s.State->Common, s.State->Configuration, s.State->Store(), s.Run);
}

struct PlanCase {
    const char* Name;
    Evening Night;
    CourtPlan ByHand; // works, and the proposed courts do not
};

std::vector<PlanCase> PlanCases() {
    return {
        {"late arrivals need fewer courts in round 1",
         {Players("h", "X", 8, Players("h", "X1", 4, Players("d", "X", 8, Players("d", "X1", 4)))),
          0, 0, 4, 2, 6},
         PlanOf({2, 3, 3, 3}, {2, 3, 3, 3}, {6, 6})},
        {"7 ladies cannot fill 4 mixed courts",
         {{}, 10, 7, 2, 2, 4},
         PlanOf({2, 2}, {1, 1}, {3, 3})},
        {"12 and 12 on 6 courts: the last mixed round",
         {{}, 12, 12, 4, 2, 6},
         PlanOf({3, 3, 3, 3}, {3, 3, 3, 3}, {6, 5})},
        {"the late-arrivals club",
         {Players("h", "X", 9, Players("h", "X1", 5, Players("h", "X2", 2))), 0, 0, 4, 2, 6},
         PlanOf({2, 3, 2, 3}, {}, {})},
    };
}

} // namespace

TEST(FitCourts, FindsAPlanWhereOneIsKnownWithAtLeastAsManyGames) {
    for (const PlanCase& c : PlanCases()) {
        SCOPED_TRACE(c.Name);
        ASSERT_TRUE(RunWith(c.Night, c.ByHand).empty()) << "the plan by hand works";

        const CourtPlanOutcome fit = Fit(c.Night);
        ASSERT_TRUE(fit.Found);
        EXPECT_TRUE(fit.Why.empty());
        EXPECT_GE(fit.Games, GamesOf(c.ByHand));
        EXPECT_EQ(fit.Games, GamesOf(fit.Plan));
        for (int r = 1; r <= c.Night.Doubles; ++r)
            EXPECT_LE(fit.Plan.Men[r] + fit.Plan.Women[r], c.Night.Courts) << "round " << r;
        for (int m = 1; m <= c.Night.Mixed; ++m)
            EXPECT_LE(fit.Plan.Mixed[m], c.Night.Courts) << "mixed round " << m;

        const auto reasons = RunWith(c.Night, fit.Plan);
        EXPECT_TRUE(reasons.empty()) << (reasons.empty() ? "" : reasons.front().Text);

        const CourtPlanOutcome again = Fit(c.Night);
        EXPECT_EQ(again.Plan.Men, fit.Plan.Men);
        EXPECT_EQ(again.Plan.Women, fit.Plan.Women);
        EXPECT_EQ(again.Plan.Mixed, fit.Plan.Mixed);
    }
}

TEST(FitCourts, KeepsTheGridsCourtsWhenTheyWork) {
    const Evening night{{}, 12, 10, 4, 0, 6};
    ASSERT_TRUE(RunWith(night, PlanOf({3, 3, 3, 3}, {2, 2, 2, 2}, {})).empty());
    ScheduleSetup s;
    Prepare(s, night);
    ApplyCourtPlan(s.Store(), PlanOf({3, 3, 3, 3}, {2, 2, 2, 2}, {}));
    const CourtPlanOutcome fit =
        FitCourts(s.State->Common, s.State->Configuration, s.State->Store(), s.Run);
    ASSERT_TRUE(fit.Found);
    EXPECT_TRUE(fit.MostGamesProved);
    EXPECT_EQ(fit.Distance, 0);
    EXPECT_EQ(fit.Plan.Men, s.Store().CourtsMen);
    EXPECT_EQ(fit.Plan.Women, s.Store().CourtsWomen);
}

TEST(FitCourts, SaysWhyNoPlanWorksAndWhatWould) {
    struct Case {
        const char* Name;
        Evening Night;
        std::vector<std::string> Why;
    };
    const std::vector<Case> cases = {
        {"48 players on 4 courts",
         {{}, 24, 24, 4, 2, 4},
         {"Met 48 spelers op 4 banen spelen er per ronde hoogstens 16 en zitten er 32 uit; wie "
          "uitzit moet de volgende ronde spelen, maar daar zijn maar 16 plaatsen, dus kan niet "
          "iedereen die uitzat in ronde 2 spelen.",
          "Wel mogelijk: met 6 banen (en voor de rest dezelfde opzet)."}},
        {"3 men",
         {Players("h", "X", 3, Players("d", "X", 8)), 0, 0, 2, 0, 4},
         {"Met 3 heren is geen dubbel te spelen: daar zijn er 4 voor nodig.",
          "Ook met meer banen of minder ronden is geen passende indeling gevonden."}},
        {"one court for men and ladies",
         {{}, 4, 4, 2, 0, 1},
         {"Met 1 baan kunnen de heren en de dames niet allebei in elke dubbelronde spelen.",
          "Wel mogelijk: met 2 banen (en voor de rest dezelfde opzet)."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const CourtPlanOutcome fit = Fit(c.Night);
        EXPECT_FALSE(fit.Found);
        EXPECT_TRUE(fit.NoPlanProved);
        EXPECT_FALSE(fit.Stopped);
        EXPECT_EQ(fit.Why, c.Why);
    }
}

TEST(FitCourts, StopEndsTheSearch) {
    ScheduleSetup s;
    Prepare(s, {{}, 24, 24, 4, 2, 4});
    s.Control.PumpInterval = 1;
    s.Ports.Pump.OnProcess = [&](long long calls) {
        if (calls == 3) s.State->Common.StopKey = 27;
    };
    const CourtPlanOutcome fit =
        FitCourts(s.State->Common, s.State->Configuration, s.State->Store(), s.Run);
    EXPECT_TRUE(fit.Stopped);
    EXPECT_FALSE(fit.Found);
    EXPECT_TRUE(fit.Why.empty());
}

TEST(RoundReasonLines, OneLinePerFailedRoundAndFollowOnRoundsSaySo) {
    ScheduleSetup s;
    Prepare(s, {Players("h", "X", 9, Players("h", "X1", 4, Players("d", "X", 8))), 0, 0, 2, 0, 6});
    ApplyCourtPlan(s.Store(), PlanOf({3, 3}, {2, 2}, {}));
    s.Start();
    EXPECT_EQ(RoundReasonLines(s.Store()),
              (std::vector<std::string>{
                  "Ronde 1, heren: er zijn 9 spelers beschikbaar (4 pauzeren of komen later); 3 "
                  "banen vragen er 12.",
                  "Ronde 2, heren: mislukt omdat ronde 1 niet lukte (13 spelers moeten spelen "
                  "omdat ze de vorige ronde niet speelden, maar 3 banen hebben maar 12 plaatsen "
                  "voor hen)."}));
}
