// The schedule engine on three kinds of evening: a club night, a crowded night and a round that
// the balance rule makes impossible, so that its search runs through every possibility.
// Reported per benchmark: schedules per second (items) and candidates per second.
//
//   ninja -C build tolvex_bench && build/bench/tolvex_bench --benchmark_filter=Schedule

#include "core/schedule/schedule_run.h"
#include "core/schedule/schedule_setup.h"
#include "headless/headless_ports.h"
#include "state/app_state.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Evening {
    std::vector<std::pair<std::string, std::string>> Members; // kind 1 when not empty
    int Men = 0, Women = 0;                                   // kind 2
    int Doubles = 0, Mixed = 0, Courts = 0;
    std::vector<int> CourtsMen; // overrides of the proposal
    uint16_t Pairing = 2;
};

std::unique_ptr<AppState> Prepare(const Evening& e, Messenger& msg, Beeper& bell,
                                  ScheduleView& view) {
    auto state = std::make_unique<AppState>();
    state->Configuration.Config.CfgRec.Grpn[0] = "h";
    state->Configuration.Config.CfgRec.Grpn[1] = "d";
    state->Configuration.Config.CfgRec.Cfgflags =
        16; // no warnings, no progress texts: nothing waits
    ScheduleSetupInput input;
    if (!e.Members.empty()) {
        input.Kind = 1;
        int clubNo = 0;
        for (const auto& [group, code] : e.Members) {
            TLedenObj m;
            m.LidRecord.ClubNo = static_cast<int16_t>(++clubNo);
            m.LidRecord.Voornaam = "Voornaam";
            m.LidRecord.AchterNaam = "Achternaam " + std::to_string(clubNo);
            m.LidRecord.Groep = group;
            m.LidRecord.StatCode = code;
            state->Members.MemberList.push_back(m);
        }
        state->Members.MemberCount = static_cast<int16_t>(e.Members.size());
        state->Members.MemberDataPresent = true;
    } else {
        input.Kind = 2;
        input.NHeren = e.Men;
        input.NDames = e.Women;
    }
    input.NDubRonden = e.Doubles;
    input.NMixRonden = e.Mixed;
    input.NBanen = e.Courts;
    input.PairingOptions = e.Pairing;
    input.PauseOptions = 5;
    if (!e.CourtsMen.empty()) {
        CourtsPerRound men{};
        for (std::size_t r = 0; r < e.CourtsMen.size(); ++r)
            men[r + 1] = static_cast<uint8_t>(e.CourtsMen[r]);
        input.CourtsMen = men;
    }
    PrepareSchedule(state->Common, state->Configuration, state->Members, state->Store(), input, msg,
                    bell, view);
    return state;
}

void RunEvening(benchmark::State& bench, const Evening& e, uint32_t pumpInterval,
                bool literal = false) {
    // The cheapest pump possible: the app's is a counter check.
    RecordingMessenger msg;
    QuietPump pump;
    QuietBeeper bell;
    ScheduleView view;
    auto state = Prepare(e, msg, bell, view);
    RunControl control{state->Common.StopKey, 0, pumpInterval, literal};
    RunPorts ports{msg, pump, bell, view, control};
    // The run changes its parameters (pause settings, pairing bits) as the window's run does;
    // every iteration starts from the same set-up.
    const ScheduleParams params = state->Store().Params;
    const auto courtsMen = state->Store().CourtsMen;
    const auto courtsWomen = state->Store().CourtsWomen;
    const auto courtsMixed = state->Store().CourtsMixed;
    uint64_t candidates = 0;
    for (auto _ : bench) {
        ScheduleStore& store = state->Store();
        store.Params = params;
        store.CourtsMen = courtsMen;
        store.CourtsWomen = courtsWomen;
        store.CourtsMixed = courtsMixed;
        StartRun(state->Common, state->Configuration, state->Store(), ports);
        msg.Shown.clear();
        candidates += store.Candidates;
        benchmark::DoNotOptimize(store.RoundTable[1].Courts[1][0]);
    }
    bench.SetItemsProcessed(bench.iterations()); // schedules
    bench.counters["candidates"] = benchmark::Counter(static_cast<double>(candidates) /
                                                      static_cast<double>(bench.iterations()));
    bench.counters["candidates_per_second"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
}

Evening ClubNight() {
    Evening e;
    const char* codes[] = {"X", "X", "3", "X", "2", "X", "C", "X", "21", "X", "X", "A1"};
    for (int i = 0; i < 24; ++i) e.Members.push_back({"h", codes[i % 12]});
    for (int i = 0; i < 24; ++i) e.Members.push_back({"d", codes[(i + 5) % 12]});
    e.Doubles = 4;
    e.Mixed = 2;
    e.Courts = 10;
    return e;
}

Evening CrowdedNight() {
    Evening e;
    e.Men = 100;
    e.Women = 100;
    e.Doubles = 12;
    e.Mixed = 12;
    e.Courts = 32;
    return e;
}

// Sixteen men play rounds 1..3 on four courts while the seventeenth sits out his coded pause
// ("63"); in round 4 he has no game and everybody else three, so no selection keeps the games
// within one and the search examines every possibility (111 million candidates).
Evening ExhaustingRound() {
    Evening e;
    for (int i = 0; i < 16; ++i) e.Members.push_back({"h", "X"});
    e.Members.push_back({"h", "63"});
    e.Doubles = 4;
    e.Courts = 4;
    e.CourtsMen = {4, 4, 4, 4};
    return e;
}

void ScheduleClubNight(benchmark::State& s) {
    RunEvening(s, ClubNight(), 1);
}
void ScheduleCrowdedNight(benchmark::State& s) {
    RunEvening(s, CrowdedNight(), 1);
}
// The literal search on it measures the candidate loop itself; the bounded search sees at the
// start of round 4 that the balance cannot hold.
void ScheduleExhaustingRound(benchmark::State& s) {
    RunEvening(s, ExhaustingRound(), 1, true);
}
void ScheduleExhaustingRoundPumpEvery4096(benchmark::State& s) {
    RunEvening(s, ExhaustingRound(), 4096, true);
}
void ScheduleExhaustingRoundBounded(benchmark::State& s) {
    RunEvening(s, ExhaustingRound(), 1);
}

} // namespace

BENCHMARK(ScheduleClubNight)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScheduleCrowdedNight)->Unit(benchmark::kMillisecond);
BENCHMARK(ScheduleExhaustingRound)->Unit(benchmark::kMillisecond);
BENCHMARK(ScheduleExhaustingRoundPumpEvery4096)->Unit(benchmark::kMillisecond);
BENCHMARK(ScheduleExhaustingRoundBounded)->Unit(benchmark::kMicrosecond);
