// Opening every report of the largest schedule the store holds: 200 players, 24 rounds, every
// court of every round in use, names at their full length. The store is filled directly (the
// reports only read the tables a run leaves), so the figure is the reports' own.
//
//   ninja -C build tolvex_bench && build/bench/tolvex_bench --benchmark_filter=Report

#include "core/reports/report_build.h"
#include "core/schedule/name_lists.h"
#include "headless/headless_ports.h"
#include "state/app_state.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// 100 men and 100 women (or 200 men): 16 doubles rounds with 16 courts per group (8 + 8 with one
// group of 200), then 8 mixed rounds on all 32 courts.
std::unique_ptr<AppState> LargestSchedule(int men, int women) {
    auto state = std::make_unique<AppState>();
    state->Configuration.Config.CfgRec.Grpn[0] = "h";
    state->Configuration.Config.CfgRec.Grpn[1] = "d";
    state->Configuration.Config.CfgRec.NBanen = 32;
    state->Common.ScheduleKind = 1;
    SetGroupLabels(state->Configuration, state->Store());
    ScheduleStore& store = state->Store();
    NewNameLists(store);
    const int doubles = women > 0 ? 16 : 24;
    const int mixed = women > 0 ? 8 : 0;
    ScheduleParams& params = store.Params;
    params.NHeren = store.NumMen = men;
    params.NDames = store.NumWomen = women;
    params.NDubRonden = store.NumDoublesRounds = doubles;
    params.NMixRonden = store.NumMixedRounds = mixed;
    params.NBanen = store.NumCourts = 32;
    store.NumRounds = doubles + mixed;
    for (Group g : {Men, Women}) {
        GroupTables& tables = store.Of(g);
        for (int p = 1; p <= store.CountOf(g); ++p) {
            // Full-length names, in an order that the name sort has to work on.
            const std::string n = std::to_string((p * 37) % 211);
            tables.Names[p].NaamRec.Voornaam = std::string(24 - n.size(), 'V') + n;
            tables.Names[p].NaamRec.AchterNaam = n + std::string(40 - n.size(), 'a');
            tables.PlayCount[p] = 12;
        }
    }
    const int courtsPerGroup = women > 0 ? 16 : 32;
    for (int r = 1; r <= doubles; ++r) {
        RoundRecord& rec = store.RoundTable[r];
        int court = 0;
        for (Group g : {Men, Women}) {
            const int n = store.CountOf(g);
            if (n == 0) continue;
            const int first = court + 1;
            for (int c = 0; c < courtsPerGroup; ++c) {
                ++court;
                for (int s = 0; s < 4; ++s) {
                    const int p = (r * 7 + c * 4 + s) % n + 1;
                    rec.Courts[court][s] = static_cast<uint8_t>(p);
                    const int across = (r * 7 + c * 4 + (s + 2) % 4) % n + 1;
                    store.Of(g).OpponentTable[r][p] = {static_cast<uint8_t>(across),
                                                       static_cast<uint8_t>(across % n + 1)};
                }
            }
            if (g == Men)
                rec.FirstMen = first, rec.LastMen = court;
            else
                rec.FirstWomen = first, rec.LastWomen = court;
        }
    }
    for (int m = 1; m <= mixed; ++m) {
        const int r = doubles + m;
        RoundRecord& rec = store.RoundTable[r];
        rec.FirstMixed = 1;
        rec.LastMixed = 32;
        store.CourtsMixed[m] = 32;
        for (int c = 1; c <= 32; ++c)
            for (int s = 0; s < 4; ++s)
                rec.Courts[c][s] = static_cast<uint8_t>((r * 5 + c * 2 + s / 2) % 100 + 1);
    }
    return state;
}

void OpenReport(benchmark::State& bench, int opt, int men, int women) {
    auto state = LargestSchedule(men, women);
    RecordingMessenger messages;
    std::size_t lines = 0;
    for (auto _ : bench) {
        ReportOpening opening =
            PrepareReport(state->Common, state->Configuration, state->Store(), messages, opt);
        lines = opening.Report ? opening.Report->Lines.size() : 0;
        benchmark::DoNotOptimize(opening);
    }
    bench.counters["lines"] = static_cast<double>(lines);
}

void BM_Report(benchmark::State& bench) {
    OpenReport(bench, static_cast<int>(bench.range(0)), 100, 100);
}
BENCHMARK(BM_Report)->DenseRange(1, 5)->Unit(benchmark::kMicrosecond);

void BM_ReportOneGroupOf200(benchmark::State& bench) {
    OpenReport(bench, static_cast<int>(bench.range(0)), 200, 0);
}
BENCHMARK(BM_ReportOneGroupOf200)->DenseRange(1, 5)->Unit(benchmark::kMicrosecond);

} // namespace
