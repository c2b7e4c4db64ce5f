// The search for fitting courts on a sweep of evenings: 6..24 men against 6..24 ladies, 4
// doubles and 2 mixed rounds, on 4, 6 and 8 courts, as a schedule with pairs and with member
// lists (status codes of late arrivals, early leavers and players who play two or three times).
// Per kind and number of courts it prints how many evenings had a failed round with the
// proposed courts, how many got a complete plan (and how many of those are proved to give the
// most games), how many cannot work, and the time of the search per evening (median, slowest).
// With --check every plan found is run again through the ordinary run and must give a schedule
// without a failed round. With --compare N the search runs a second time with a candidate limit
// of N per trial run, and the evenings where that finds more games (or a plan where the default
// found none) are counted.
//
//   ninja -C build tolvex_court_plan_bench && build/bench/tolvex_court_plan_bench [--check]
//       [--names] [--compare N]

#include "core/schedule/court_plan_search.h"
#include "core/schedule/schedule_run.h"
#include "core/schedule/schedule_setup.h"
#include "headless/headless_ports.h"
#include "state/app_state.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// A fixed generator, so that the member lists are the same on every machine.
class Dice {
public:
    explicit Dice(uint32_t seed)
        : State(seed) {}
    uint32_t Next() {
        State = State * 1103515245u + 12345u;
        return (State >> 16) & 0x7FFF;
    }

private:
    uint32_t State;
};

// Most members play all evening; some arrive late (sit out round 1 or rounds 1 and 2), some
// leave after round 4 or 5, some play at most two or three times.
const char* StatusCode(Dice& dice) {
    static const char* const codes[] = {"X", "X", "X", "X", "X",  "X",  "X", "X", "X", "X",
                                        "X", "X", "X", "X", "X1", "X2", "D", "E", "3", "2"};
    return codes[dice.Next() % (sizeof codes / sizeof codes[0])];
}

std::unique_ptr<AppState> Prepare(bool names, int men, int women, int courts, Messenger& msg,
                                  Beeper& bell, ScheduleView& view) {
    auto state = std::make_unique<AppState>();
    state->Configuration.Config.CfgRec.Grpn[0] = "h";
    state->Configuration.Config.CfgRec.Grpn[1] = "d";
    state->Configuration.Config.CfgRec.Cfgflags = 16;
    ScheduleSetupInput input;
    input.NDubRonden = 4;
    input.NMixRonden = 2;
    input.NBanen = courts;
    input.PairingOptions = 2;
    input.PauseOptions = 5;
    if (names) {
        input.Kind = 1;
        Dice dice(static_cast<uint32_t>(1000 * men + 10 * women + courts));
        int clubNo = 0;
        for (int i = 0; i < men + women; ++i) {
            TLedenObj m;
            m.LidRecord.ClubNo = static_cast<int16_t>(++clubNo);
            m.LidRecord.Voornaam = "Lid";
            m.LidRecord.AchterNaam = "Nummer " + std::to_string(clubNo);
            m.LidRecord.Groep = i < men ? "h" : "d";
            m.LidRecord.StatCode = StatusCode(dice);
            state->Members.MemberList.push_back(m);
        }
        state->Members.MemberCount = static_cast<int16_t>(men + women);
        state->Members.MemberDataPresent = true;
    } else {
        input.Kind = 2;
        input.NHeren = men;
        input.NDames = women;
    }
    PrepareSchedule(state->Common, state->Configuration, state->Members, state->Store(), input, msg,
                    bell, view);
    return state;
}

// The ordinary run with the store's courts; true when a round failed. A run that needs more than
// ten million candidates counts as failed (the literal search can need hours on a hard round).
uint64_t LastRunCandidates = 0;
bool RunFails(AppState& state) {
    RecordingMessenger msg;
    QuietPump pump;
    QuietBeeper bell;
    ScheduleView view;
    RunControl control{state.Common.StopKey, 10'000'000, 1u << 20, false};
    RunPorts ports{msg, pump, bell, view, control};
    StartRun(state.Common, state.Configuration, state.Store(), ports);
    LastRunCandidates = state.Store().Candidates;
    return !state.Store().Reasons.empty() || state.Store().RunStopped;
}

struct Tally {
    int Evenings = 0, ProposalFailed = 0, Found = 0, Proved = 0, CannotWork = 0, Unknown = 0;
    int CheckFailed = 0;
    int Better = 0;              // evenings a wider candidate limit gives more games (--compare)
    uint64_t PlanCandidates = 0; // the most candidates a found plan's run needed (--check)
    std::vector<double> Millis;
    std::vector<int> Trials;
    std::string Slowest;
};

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    bool check = false, namesOnly = false;
    uint64_t compare = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0) check = true;
        if (std::strcmp(argv[i], "--names") == 0) namesOnly = true;
        if (std::strcmp(argv[i], "--compare") == 0 && i + 1 < argc)
            compare = std::strtoull(argv[++i], nullptr, 10);
    }
    // plan: a complete plan found (proved: no plan gives more games); cannot: no plan exists
    // (ruled out by the counts or every choice tried); open: the trial budget ended the search
    // before it found a plan or tried every choice.
    std::printf("%-6s %6s %8s %13s %5s %6s %6s %5s %9s %10s %6s  %s\n", "kind", "courts",
                "evenings", "proposal-fail", "plan", "proved", "cannot", "open", "median-ms",
                "slowest-ms", "trials", "slowest evening");
    for (bool names : {false, true}) {
        if (namesOnly && !names) continue;
        for (int courts : {4, 6, 8}) {
            Tally t;
            for (int men = 6; men <= 24; ++men) {
                for (int women = 6; women <= 24; ++women) {
                    RecordingMessenger msg;
                    QuietBeeper bell;
                    ScheduleView view;
                    auto state = Prepare(names, men, women, courts, msg, bell, view);
                    ++t.Evenings;
                    {
                        auto proposal = std::make_unique<AppState>(*state);
                        if (RunFails(*proposal)) ++t.ProposalFailed;
                    }
                    QuietPump pump;
                    RunControl control{state->Common.StopKey, 0, 1u << 20, false};
                    RunPorts ports{msg, pump, bell, view, control};
                    const auto start = std::chrono::steady_clock::now();
                    const CourtPlanOutcome plan =
                        FitCourts(state->Common, state->Configuration, state->Store(), ports);
                    const double ms = std::chrono::duration<double, std::milli>(
                                          std::chrono::steady_clock::now() - start)
                                          .count();
                    t.Millis.push_back(ms);
                    if (ms > 1000)
                        std::fprintf(stderr, "  slow: %s %dh/%dd %d courts %.0f ms, %d trials%s\n",
                                     names ? "names" : "pairs", men, women, courts, ms, plan.Trials,
                                     plan.Found ? ", plan" : "");
                    t.Trials.push_back(plan.Trials);
                    if (ms >= *std::max_element(t.Millis.begin(), t.Millis.end()))
                        t.Slowest = std::to_string(men) + "h/" + std::to_string(women) + "d " +
                                    (plan.Found ? "plan" : "geen plan");
                    if (compare != 0) {
                        CourtPlanLimits wide;
                        wide.TrialCandidates = compare;
                        const CourtPlanOutcome other = FitCourts(
                            state->Common, state->Configuration, state->Store(), ports, wide);
                        if (other.Found && (!plan.Found || other.Games > plan.Games)) {
                            ++t.Better;
                            std::printf("  with %llu candidates per trial: %dh/%dd %d courts %d "
                                        "games instead of %d\n",
                                        static_cast<unsigned long long>(compare), men, women,
                                        courts, other.Games, plan.Found ? plan.Games : 0);
                        }
                    }
                    if (plan.Found) {
                        ++t.Found;
                        if (plan.MostGamesProved) ++t.Proved;
                        if (check) {
                            auto again = std::make_unique<AppState>(*state);
                            ApplyCourtPlan(again->Store(), plan.Plan);
                            const bool failed = RunFails(*again);
                            t.PlanCandidates = std::max(t.PlanCandidates, LastRunCandidates);
                            if (failed) {
                                ++t.CheckFailed;
                                std::printf("  check failed: %dh/%dd %d courts\n", men, women,
                                            courts);
                            }
                        }
                    } else if (plan.NoPlanProved) {
                        ++t.CannotWork;
                    } else {
                        ++t.Unknown;
                    }
                }
            }
            std::printf("%-6s %6d %8d %13d %5d %6d %6d %5d %9.2f %10.2f %6d  %s\n",
                        names ? "names" : "pairs", courts, t.Evenings, t.ProposalFailed, t.Found,
                        t.Proved, t.CannotWork, t.Unknown, Median(t.Millis),
                        *std::max_element(t.Millis.begin(), t.Millis.end()),
                        *std::max_element(t.Trials.begin(), t.Trials.end()), t.Slowest.c_str());
            if (check)
                std::printf("       check: %d plans failed, the longest run of a plan %llu "
                            "candidates\n",
                            t.CheckFailed, static_cast<unsigned long long>(t.PlanCandidates));
            if (compare != 0)
                std::printf("       compare: %d evenings with more games\n", t.Better);
            std::fflush(stdout);
        }
    }
    return 0;
}
