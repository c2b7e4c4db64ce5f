#pragma once
// Courts per round with which every round of the schedule succeeds, found by the program: in
// each doubles round the men's and the ladies' courts together at most NBanen, in each mixed
// round at most NBanen. Every candidate plan is tried by the ordinary run (the same rules, the
// same search), so a plan this returns computes a schedule without a failed round.
//
// How it searches. The courts of round r change nothing in rounds before r, so the plan is
// built round by round in the order of the schedule (doubles rounds 1..D, then mixed rounds):
// a depth-first search that keeps the earlier rounds' choices while they work and tries each
// round's courts by most games first, then closest to the grid's courts. A trial runs the whole
// schedule with the rounds not yet decided on 0 courts (such a round fails at once, without a
// search); only the rounds decided so far are judged. Men's and ladies' rounds do not depend on
// each other, so one trial judges a men's and a ladies' choice at once, and what it learnt is
// reused for every pair with the same men's or ladies' courts. Only values that can succeed
// are candidates: no more courts than the available players fill, and no fewer than the players
// who sat out need. After the first plan the search goes on as branch and bound: a choice is
// left out when even the most games the remaining rounds could hold cannot beat the best plan.
//
// What is guaranteed: a returned plan works (an ordinary run of the whole plan checks it).
// When the search ran to its end without a trial stopped by its candidate limit
// (MostGamesProved) no working plan has more games, and none with as many games is closer to
// the grid. When the trial budget ends it first, the plan is the best found: the
// first plan found is the one that gives each round, in order, the most games that still let
// the search complete the rounds after it. Deterministic: limits count trials and candidates,
// never time, so the same set-up gives the same plan.

#include "core/common/common_state.h"
#include "core/config/config_state.h"
#include "core/schedule/schedule_setup.h"
#include "core/schedule/schedule_view.h"

#include <cstdint>
#include <string>
#include <vector>

struct CourtPlan {
    CourtsPerRound Men{};   // by doubles round
    CourtsPerRound Women{}; // by doubles round
    CourtsPerRound Mixed{}; // by mixed round
};

struct CourtPlanLimits {
    // One trial run stops after this many candidates and then counts as a failed plan, so that
    // one hard round cannot hold the search up.
    uint64_t TrialCandidates = 20000;
    // Trial runs of one search.
    int Trials = 1500;
    // When no plan works: also try more courts and fewer rounds, to say what would work.
    bool LookForAlternatives = true;
};

struct CourtPlanOutcome {
    bool Found = false;
    // No working plan gives more games (or as many, closer to the grid's courts).
    bool MostGamesProved = false;
    // No plan works: the counts rule every plan out, or the search tried every choice (not
    // when its trial budget ended it first or a trial was stopped by its candidate limit).
    bool NoPlanProved = false;
    // The user stopped the search ("S&top", Esc).
    bool Stopped = false;
    CourtPlan Plan;
    int Games = 0;    // courts over all rounds: one game per court
    int Distance = 0; // courts moved from the grid, over all rounds and groups
    int Trials = 0;
    // When no plan works: why, in the organiser's words, then what would work.
    std::vector<std::string> Why;
};

// Searches a plan for the set-up (the counts, options and the grid's courts in the store, as
// "&Start" would take them). Nothing given is changed; the search runs on a copy.
// ports: the pump keeps the window alive, the stop key ends the search, the view shows which
// round is being decided. Messages of the trial runs are not shown.
CourtPlanOutcome FitCourts(const CommonState& common, const ConfigState& config,
                           const ScheduleStore& store, RunPorts& ports,
                           const CourtPlanLimits& limits = {});

// The plan into the store's courts per round (the grid shows them after ShowCourtPage).
void ApplyCourtPlan(ScheduleStore& store, const CourtPlan& plan);
