#include "core/schedule/court_plan_search.h"

#include "core/schedule/availability.h"
#include "core/schedule/court_plan_reasons.h"
#include "core/schedule/round_reasons.h"
#include "core/schedule/schedule_run.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

namespace {

// The trial runs show nothing and answer every question "&Nee" (go on computing).
class TrialMessenger : public Messenger {
public:
    int Show(std::string_view, uint8_t, uint16_t, int) override { return ResultNo; }
};

class TrialBeeper : public Beeper {
public:
    void Beep() override {}
};

// Window events still reach the user during a trial; a stop he asks for ends the trial and the
// search. The pauses of the computing texts are not waited for.
class TrialPump : public EventPump {
public:
    TrialPump(RunPorts& outer, uint16_t& trialKey)
        : Outer(outer)
        , TrialKey(trialKey) {}
    void ProcessEvents() override {
        Outer.Pump.ProcessEvents();
        if (Outer.Control.StopAsked()) {
            UserStop = true;
            TrialKey = 27;
        }
    }
    void Delay(int) override {}
    bool UserStop = false;

private:
    RunPorts& Outer;
    uint16_t& TrialKey;
};

// Which rounds of a trial failed, and why.
class TrialView : public ScheduleView {
public:
    void WriteCompu(int compindx) override {
        if (compindx == 1) Ran = true;
    }
    void ShowRoundReason(int group, int round, std::string_view text) override {
        if (group < 0 || group > 2 || round < 1 || round > MaxRounds) return;
        Failed[group][round] = true;
        if (Text[group][round].empty()) Text[group][round] = text;
    }
    void Reset() {
        Ran = false;
        for (auto& row : Failed) row.fill(false);
        for (auto& row : Text)
            for (auto& t : row) t.clear();
    }
    bool Ran = false;
    std::array<std::array<bool, MaxRounds + 1>, 3> Failed{};
    std::array<std::array<std::string, MaxRounds + 1>, 3> Text{};
};

// One round's choice: a doubles round's men's and ladies' courts, or a mixed round's courts
// (in Men).
struct Choice {
    int Men = 0, Women = 0;
    int Games = 0, Distance = 0;
};

bool SamePlan(const CourtPlan& a, const CourtPlan& b) {
    return a.Men == b.Men && a.Women == b.Women && a.Mixed == b.Mixed;
}

// Players of group g on the courts of round r of the round table (a marks array).
void MarkPlayed(const ScheduleStore& store, Group g, int r, bool mixedRound,
                std::array<uint8_t, MaxGroupPlayers + 1>& played) {
    played.fill(0);
    if (r < 1) return;
    const RoundRecord& record = store.RoundTable[r];
    int first = 0, last = -1;
    if (mixedRound) {
        first = record.FirstMixed, last = record.LastMixed;
    } else if (g == Men) {
        first = record.FirstMen, last = record.LastMen;
    } else {
        first = record.FirstWomen, last = record.LastWomen;
    }
    for (int c = std::max(first, 1); c <= std::min(last, MaxCourts); ++c) {
        const auto& slots = record.Courts[c];
        if (mixedRound) {
            const int a = g == Men ? 0 : 1;
            played[slots[a]] = played[slots[a + 2]] = 1;
        } else {
            for (uint8_t p : slots) played[p] = 1;
        }
    }
    played[0] = 0;
}

// What the trial runs change: the common values and the store, copied from the set-up. The
// configuration is only read.
struct TrialState {
    TrialState(const CommonState& common, const ScheduleStore& store)
        : Common(common)
        , Store(std::make_unique<ScheduleStore>(store)) {}
    TrialState(const TrialState& other)
        : TrialState(other.Common, *other.Store) {}
    CommonState Common;
    std::unique_ptr<ScheduleStore> Store;
};

class PlanSearch {
public:
    PlanSearch(const CommonState& common, const ConfigState& config, const ScheduleStore& store,
               RunPorts& outer, const CourtPlanLimits& limits)
        : Outer(outer)
        , Limits(limits)
        , Config(config)
        , Work(std::make_unique<TrialState>(common, store))
        , Pump(outer, Work->Common.StopKey)
        , Control{Work->Common.StopKey, limits.TrialCandidates, outer.Control.PumpInterval,
                  outer.Control.Literal}
        , Ports{Msg, Pump, Bell, View, Control} {
        BaseParams = store.Params;
        Grid.Men = store.CourtsMen;
        Grid.Women = store.CourtsWomen;
        Grid.Mixed = store.CourtsMixed;
    }

    CourtPlanOutcome Run() {
        CourtPlanOutcome out;
        Outer.Control.StopKey = 0;
        // A first trial with no courts at all: the run's own preparations give the counts of
        // the schedule as the run sees them.
        if (!Trial(CourtPlan{}) || !View.Ran) {
            out.Stopped = Pump.UserStop;
            out.Trials = Trials;
            if (!out.Stopped) out.Why.push_back("Deze opzet kan niet berekend worden.");
            return out;
        }
        const ScheduleStore& s = *Work->Store;
        D = s.NumDoublesRounds;
        M = s.NumMixedRounds;
        Courts = s.NumCourts;
        Players[Men] = s.NumMen;
        Players[Women] = s.NumWomen;
        Slots = D + M;
        GroupAgainstGroup = s.Params.PairingOptions >= PairGroupAgainstGroup;
        Smaller = s.NumMen <= s.NumWomen ? Men : Women;
        ReadStaticAvailability();

        NoPlanFacts facts;
        if (!CountsAllowAPlan(facts)) {
            out.Trials = Trials;
            out.NoPlanProved = true;
            return Finish(out, facts);
        }
        Descend(0);

        out.Trials = Trials;
        out.Stopped = Pump.UserStop;
        if (HaveBest) {
            out.Found = true;
            out.Plan = Best;
            out.Games = BestGames;
            out.Distance = BestDistance;
            out.MostGamesProved = !BudgetSpent && !Pump.UserStop && LimitStops == 0;
            return out;
        }
        if (out.Stopped) return out;
        out.NoPlanProved = !BudgetSpent && LimitStops == 0;
        facts.StuckRound = RoundOfSlot(std::max(DeepestSlot, 0));
        facts.StuckReason = DeepestReason;
        facts.BudgetSpent = BudgetSpent;
        facts.LimitStops = LimitStops;
        facts.Trials = Trials;
        return Finish(out, facts);
    }

private:
    // --- Trials ---------------------------------------------------------------------------

    // The whole schedule with this plan; false when the user stopped.
    bool Trial(const CourtPlan& plan) {
        ++Trials;
        ScheduleStore& s = *Work->Store;
        s.Params = BaseParams;
        s.CourtsMen = plan.Men;
        s.CourtsWomen = plan.Women;
        s.CourtsMixed = plan.Mixed;
        View.Reset();
        Work->Common.ErrorCode = 0;
        Work->Common.StopKey = 0;
        StartRun(Work->Common, Config, *Work->Store, Ports);
        // A trial the candidate limit stopped counts as failed, without proof that it fails.
        if (s.RunStopped && !Pump.UserStop) ++LimitStops;
        Last = plan;
        HaveLast = true;
        return !Pump.UserStop;
    }

    bool Ended() {
        if (Trials >= Limits.Trials) BudgetSpent = true;
        return BudgetSpent || Pump.UserStop;
    }

    // --- Counts -------------------------------------------------------------------------

    bool Plays(Group g) const { return Players[g] > 0 && D > 0; }
    // Slots follow the rounds of the schedule: doubles rounds 1..D, then D + 1..D + M.
    static int RoundOfSlot(int slot) { return slot + 1; }

    void ReadStaticAvailability() {
        ScheduleStore& s = *Work->Store;
        for (Group g : {Men, Women}) {
            PrepareAvailability(s, Work->Common.ScheduleKind, g);
            for (int r = 1; r <= Slots; ++r) {
                StaticAvailable[g][r] = CountAvailable(s.Of(g).StatusTable[r], Players[g]);
                // Players who can play round r and have no limit of games that could make
                // them stop before the end: they must play in round r - 1 or in round r.
                int steady = 0;
                for (int p = 1; p <= Players[g]; ++p) {
                    const uint8_t st = s.Of(g).StatusTable[r].Status[p];
                    if (IsAvailable(st) && st >= Slots && !IsLimited(st)) ++steady;
                }
                Steady[g][r] = steady;
            }
        }
        // The most games each round could hold, for the bound of the search.
        MostAfter.assign(static_cast<std::size_t>(Slots + 1), 0);
        for (int slot = Slots - 1; slot >= 0; --slot) {
            const int r = slot + 1;
            int most = 0;
            if (slot < D) {
                for (Group g : {Men, Women})
                    if (Plays(g)) most += std::min(Courts, StaticAvailable[g][r] / 4);
            } else {
                most = std::min({StaticAvailable[Men][r] / 2, StaticAvailable[Women][r] / 2,
                                 (Players[Men] + Players[Women]) / 4});
            }
            MostAfter[static_cast<std::size_t>(slot)] =
                MostAfter[static_cast<std::size_t>(slot) + 1] + std::min(Courts, most);
        }
    }

    // What the numbers alone rule out (the wording is in ExplainNoPlan). False when no plan
    // can work.
    bool CountsAllowAPlan(NoPlanFacts& f) {
        const ScheduleStore& s = *Work->Store;
        f.Courts = Courts;
        f.Doubles = D;
        f.Mixed = M;
        for (Group g : {Men, Women}) {
            f.GroupNames[g] = LowerFirst(GroupName(s, g));
        }
        if (Slots == 0) return true;
        if (Courts <= 0) return false;
        for (int r = 1; r <= D; ++r)
            for (Group g : {Men, Women})
                if (Plays(g) && StaticAvailable[g][r] < 4) {
                    f.ShortRound = r;
                    f.ShortGroup = g;
                    f.ShortAvailable = StaticAvailable[g][r];
                    f.ShortPlayers = Players[g];
                    return false;
                }
        if (Plays(Men) && Plays(Women) && Courts < 2) {
            f.OneCourtForTwoGroups = true;
            return false;
        }
        for (int r = 2; r <= D; ++r) {
            int need = 0;
            for (Group g : {Men, Women})
                if (Plays(g)) need += (Steady[g][r] + 3) / 4;
            if (need > 2 * Courts) {
                f.CrowdRound = r;
                for (Group g : {Men, Women}) f.CrowdPlayers[g] = Plays(g) ? Steady[g][r] : 0;
                return false;
            }
        }
        for (int m = 1; m <= M; ++m) {
            const int r = D + m;
            for (Group g : {Men, Women})
                if (StaticAvailable[g][r] < 2) {
                    f.MixedShortRound = r;
                    f.MixedShortGroup = g;
                    f.MixedShortAvailable = StaticAvailable[g][r];
                    return false;
                }
            if (GroupAgainstGroup || r < 2) continue;
            // The smaller group's players who sat out must play: over this round and the one
            // before, each of them needs a place.
            const int mixedCourts =
                std::min({Courts, StaticAvailable[Men][r] / 2, StaticAvailable[Women][r] / 2});
            const int before = m == 1 ? 4 * std::min(Courts, StaticAvailable[Smaller][r - 1] / 4)
                                      : 2 * std::min({Courts, StaticAvailable[Men][r - 1] / 2,
                                                      StaticAvailable[Women][r - 1] / 2});
            const int places = before + 2 * mixedCourts;
            if (Steady[Smaller][r] > places) {
                f.MixedCrowdRound = r;
                f.MixedCrowdGroup = Smaller;
                f.MixedCrowdPlayers = Steady[Smaller][r];
                f.MixedCrowdPlaces = places;
                return false;
            }
        }
        return true;
    }

    // --- The search ---------------------------------------------------------------------

    void SetSlot(CourtPlan& plan, int slot, const Choice& c) const {
        if (slot < D) {
            plan.Men[slot + 1] = static_cast<uint8_t>(c.Men);
            plan.Women[slot + 1] = static_cast<uint8_t>(c.Women);
        } else {
            plan.Mixed[slot - D + 1] = static_cast<uint8_t>(c.Men);
        }
    }

    // The choices for a slot, from the trial of the rounds before it (in which this round ran
    // with no courts: its availability is that of the round as the run will see it).
    std::vector<Choice> Candidates(int slot) {
        const ScheduleStore& s = *Work->Store;
        std::vector<Choice> out;
        std::array<uint8_t, MaxGroupPlayers + 1> played{};
        if (slot < D) {
            const int r = slot + 1;
            int lo[2] = {0, 0}, hi[2] = {0, 0}, available[2] = {1, 1};
            for (Group g : {Men, Women}) {
                if (!Plays(g)) continue;
                const StatusRecord& record = s.Of(g).StatusTable[r];
                available[g] = CountAvailable(record, Players[g]);
                MarkPlayed(s, g, r - 1, false, played);
                int must = 0;
                for (int p = 1; p <= Players[g] && r >= 2; ++p)
                    if (IsAvailable(record.Status[p]) && !played[p]) ++must;
                lo[g] = std::max(1, (must + 3) / 4);
                hi[g] = std::min(Courts, available[g] / 4);
            }
            for (int m = lo[Men]; m <= hi[Men]; ++m)
                for (int w = lo[Women]; w <= hi[Women]; ++w) {
                    if (m + w > Courts) continue;
                    Choice c;
                    c.Men = m;
                    c.Women = w;
                    c.Games = m + w;
                    c.Distance = std::abs(m - Grid.Men[r]) + std::abs(w - Grid.Women[r]);
                    out.push_back(c);
                }
            // Most games, then closest to the grid, then the courts shared most evenly by the
            // players who can play, then more for the men: a fixed order.
            auto uneven = [&](const Choice& c) {
                return std::abs(c.Men * available[Women] - c.Women * available[Men]);
            };
            std::stable_sort(out.begin(), out.end(), [&](const Choice& a, const Choice& b) {
                if (a.Games != b.Games) return a.Games > b.Games;
                if (a.Distance != b.Distance) return a.Distance < b.Distance;
                if (uneven(a) != uneven(b)) return uneven(a) < uneven(b);
                return a.Men > b.Men;
            });
        } else {
            const int m = slot - D + 1;
            const int r = D + m;
            int available[2] = {0, 0};
            for (Group g : {Men, Women}) {
                StatusRecord copy = s.Of(g).StatusTable[r];
                MixedRoundStatusUpdate(s, g, copy);
                available[g] = CountAvailable(copy, Players[g]);
            }
            int must = 0;
            if (!GroupAgainstGroup && r >= 2) {
                StatusRecord copy = s.Of(Smaller).StatusTable[r];
                MixedRoundStatusUpdate(s, Smaller, copy);
                MarkPlayed(s, Smaller, r - 1, m > 1, played);
                for (int p = 1; p <= Players[Smaller]; ++p)
                    if (IsAvailable(copy.Status[p]) && !played[p]) ++must;
            }
            const int lo = std::max(1, (must + 1) / 2);
            const int hi = std::min({Courts, available[Men] / 2, available[Women] / 2,
                                     (Players[Men] + Players[Women]) / 4});
            for (int c = hi; c >= lo; --c) {
                Choice choice;
                choice.Men = c;
                choice.Games = c;
                choice.Distance = std::abs(c - Grid.Mixed[m]);
                out.push_back(choice);
            }
            std::stable_sort(out.begin(), out.end(), [](const Choice& a, const Choice& b) {
                if (a.Games != b.Games) return a.Games > b.Games;
                return a.Distance < b.Distance;
            });
        }
        return out;
    }

    void NoteFailure(int slot, const std::string& reason) {
        if (slot > DeepestSlot) {
            DeepestSlot = slot;
            DeepestReason = reason;
        }
    }

    void Descend(int slot) {
        if (slot == Slots) {
            Leaf();
            return;
        }
        Outer.View.ShowPlanProgress(slot + 1, Slots);
        if (!HaveLast || !SamePlan(Last, Current)) {
            if (Ended() || !Trial(Current)) return;
        }
        const std::vector<Choice> candidates = Candidates(slot);
        if (candidates.empty()) NoteFailure(slot, "");
        // What the trials of this slot learnt: 1 works, 0 fails, -1 not yet known; by courts.
        std::array<int8_t, MaxCourts + 2> menWorks, womenWorks;
        menWorks.fill(-1);
        womenWorks.fill(-1);
        const int r = slot + 1;
        for (const Choice& c : candidates) {
            if (Ended()) return;
            if (HaveBest) {
                const int most =
                    CurrentGames + c.Games + MostAfter[static_cast<std::size_t>(slot) + 1];
                if (most < BestGames) break; // the rest give no more games
                if (most == BestGames && CurrentDistance + c.Distance >= BestDistance) continue;
            }
            const int mc = std::min(c.Men, MaxCourts + 1), wc = std::min(c.Women, MaxCourts + 1);
            bool works;
            if (slot < D) {
                const bool menKnown = !Plays(Men) || menWorks[mc] >= 0;
                const bool womenKnown = !Plays(Women) || womenWorks[wc] >= 0;
                if ((menKnown && Plays(Men) && menWorks[mc] == 0) ||
                    (womenKnown && Plays(Women) && womenWorks[wc] == 0))
                    continue;
                if (!menKnown || !womenKnown) {
                    SetSlot(Current, slot, c);
                    const bool going = Trial(Current);
                    SetSlot(Current, slot, Choice{});
                    if (!going) return;
                    const bool stopped = Work->Store->RunStopped;
                    const bool menFailed = View.Failed[Men][r];
                    menWorks[mc] = menFailed ? 0 : 1;
                    // A trial stopped in the men's round never reached the ladies' round.
                    if (!(stopped && menFailed)) womenWorks[wc] = View.Failed[Women][r] ? 0 : 1;
                    if (menFailed)
                        NoteFailure(slot, View.Text[Men][r]);
                    else if (View.Failed[Women][r])
                        NoteFailure(slot, View.Text[Women][r]);
                }
                works =
                    (!Plays(Men) || menWorks[mc] == 1) && (!Plays(Women) || womenWorks[wc] == 1);
            } else {
                SetSlot(Current, slot, c);
                const bool going = Trial(Current);
                SetSlot(Current, slot, Choice{});
                if (!going) return;
                works = !View.Failed[2][r];
                if (!works) NoteFailure(slot, View.Text[2][r]);
            }
            if (!works) continue;
            SetSlot(Current, slot, c);
            CurrentGames += c.Games;
            CurrentDistance += c.Distance;
            Descend(slot + 1);
            CurrentGames -= c.Games;
            CurrentDistance -= c.Distance;
            SetSlot(Current, slot, Choice{});
        }
    }

    // Every round has its courts: one ordinary run of the whole plan must have no failed round.
    void Leaf() {
        if (!HaveLast || !SamePlan(Last, Current)) {
            if (Ended() || !Trial(Current)) return;
        }
        for (const auto& row : View.Failed)
            for (bool failed : row)
                if (failed) return;
        if (Work->Store->RunStopped) return;
        if (HaveBest && (CurrentGames < BestGames ||
                         (CurrentGames == BestGames && CurrentDistance >= BestDistance)))
            return;
        HaveBest = true;
        Best = Current;
        BestGames = CurrentGames;
        BestDistance = CurrentDistance;
    }

    // --- No plan ------------------------------------------------------------------------

    CourtPlanOutcome Finish(CourtPlanOutcome& out, NoPlanFacts& facts) {
        if (Limits.LookForAlternatives && !Pump.UserStop) LookForAlternatives(facts);
        out.Stopped = Pump.UserStop;
        if (!out.Stopped) out.Why = ExplainNoPlan(facts);
        return out;
    }

    // A smaller search on a changed set-up; true when it finds a plan.
    bool WorksWith(int courts, int doubles, int mixed) {
        auto changed = std::make_unique<TrialState>(*Work);
        ScheduleStore& s = *changed->Store;
        s.Params = BaseParams;
        s.Params.NBanen = courts;
        s.Params.NDubRonden = doubles;
        s.Params.NMixRonden = mixed;
        s.CourtsMen = Grid.Men;
        s.CourtsWomen = Grid.Women;
        s.CourtsMixed = Grid.Mixed;
        CourtPlanLimits limits = Limits;
        limits.Trials = std::max(1, Limits.Trials / 8);
        limits.LookForAlternatives = false;
        const CourtPlanOutcome outcome =
            FitCourts(changed->Common, Config, *changed->Store, Outer, limits);
        if (outcome.Stopped) Pump.UserStop = true;
        return outcome.Found;
    }

    void LookForAlternatives(NoPlanFacts& facts) {
        for (int c = Courts + 1; c <= std::min(MaxCourts, Courts + 4) && !Pump.UserStop; ++c)
            if (WorksWith(c, BaseParams.NDubRonden, BaseParams.NMixRonden)) {
                facts.WorksWithCourts = c;
                break;
            }
        for (int d = D - 1; d >= 0 && d + M > 0 && !Pump.UserStop; --d)
            if (WorksWith(Courts, d, BaseParams.NMixRonden)) {
                facts.WorksWithDoubles = d;
                break;
            }
        for (int m = M - 1; m >= 0 && D + m > 0 && !Pump.UserStop; --m)
            if (WorksWith(Courts, BaseParams.NDubRonden, m)) {
                facts.WorksWithMixed = m;
                break;
            }
    }

    RunPorts& Outer;
    CourtPlanLimits Limits;
    const ConfigState& Config;
    std::unique_ptr<TrialState> Work;
    TrialMessenger Msg;
    TrialBeeper Bell;
    TrialView View;
    TrialPump Pump;
    RunControl Control;
    RunPorts Ports;

    ScheduleParams BaseParams;
    CourtPlan Grid;
    int D = 0, M = 0, Slots = 0, Courts = 0;
    int Players[2] = {0, 0};
    bool GroupAgainstGroup = false;
    Group Smaller = Men;
    std::array<std::array<int, MaxRounds + 1>, 2> StaticAvailable{};
    std::array<std::array<int, MaxRounds + 1>, 2> Steady{};
    std::vector<int> MostAfter;

    int Trials = 0;
    int LimitStops = 0;
    bool BudgetSpent = false;
    CourtPlan Last;
    bool HaveLast = false;

    CourtPlan Current;
    int CurrentGames = 0, CurrentDistance = 0;
    bool HaveBest = false;
    CourtPlan Best;
    int BestGames = 0, BestDistance = 0;
    int DeepestSlot = -1;
    std::string DeepestReason;
};

} // namespace

CourtPlanOutcome FitCourts(const CommonState& common, const ConfigState& config,
                           const ScheduleStore& store, RunPorts& ports,
                           const CourtPlanLimits& limits) {
    PlanSearch search(common, config, store, ports, limits);
    return search.Run();
}

void ApplyCourtPlan(ScheduleStore& store, const CourtPlan& plan) {
    store.CourtsMen = plan.Men;
    store.CourtsWomen = plan.Women;
    store.CourtsMixed = plan.Mixed;
}
