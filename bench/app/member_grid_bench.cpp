// The member grid on a list of 450 members: showing it, scrolling through it, refilling it,
// committing it, and opening a 450-member file to the filled grid. The windows run offscreen.
//
//   ninja -C build tolvex_app_bench && build/bench/app/tolvex_app_bench

#include "app/members/member_grid.h"
#include "app/members/member_grid_table.h"
#include "core/members/member_file.h"
#include "file_test_support.h"
#include "scripted_ports.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int Members = 450;

AppState LargeList() {
    AppState state;
    state.Configuration.Config.CfgRec.Grpn[0] = "h";
    state.Configuration.Config.CfgRec.Grpn[1] = "d";
    for (int i = 1; i <= Members; ++i) {
        TLedenObj obj;
        obj.LidRecord.ClubNo = static_cast<int16_t>(i);
        obj.LidRecord.Voornaam = "Voornaam" + std::to_string(i);
        obj.LidRecord.AchterNaam = "Achternaam" + std::to_string(i);
        obj.LidRecord.Groep = i % 2 ? "h" : "d";
        obj.LidRecord.StatCode = i % 3 ? "-" : "A";
        obj.LidRecord.Opmerking = "opmerking";
        state.Members.MemberList.push_back(obj);
    }
    state.Members.MemberCount = Members;
    return state;
}

struct ShownGrid {
    AppState State = LargeList();
    ScriptedMessenger Messages;
    CountingBeeper Bell;
    FixedClock Time;
    TLedenGrid Grid{State, Messages, Bell, Time};
    ShownGrid() {
        Grid.resize(620, 480);
        Grid.show();
        QApplication::processEvents();
    }
};

void MemberGridShow(benchmark::State& run) {
    ShownGrid g;
    for (auto _ : run) {
        g.Grid.OpenLedenInput();
        QApplication::processEvents();
    }
}
BENCHMARK(MemberGridShow)->Unit(benchmark::kMillisecond);

void MemberGridScroll(benchmark::State& run) {
    ShownGrid g;
    g.Grid.OpenLedenInput();
    QScrollBar* bar = g.Grid.Grid->verticalScrollBar();
    for (auto _ : run) {
        // 21 repaints from the top to the bottom of the list.
        for (int step = 0; step <= 20; ++step) {
            bar->setValue(bar->maximum() * step / 20);
            g.Grid.Grid->viewport()->repaint();
        }
    }
}
BENCHMARK(MemberGridScroll)->Unit(benchmark::kMillisecond);

void MemberGridRefill(benchmark::State& run) {
    ShownGrid g;
    g.Grid.OpenLedenInput();
    for (auto _ : run) g.Grid.FillGrid(1);
}
BENCHMARK(MemberGridRefill)->Unit(benchmark::kMillisecond);

void MemberGridCommit(benchmark::State& run) {
    ShownGrid g;
    g.Grid.OpenLedenInput();
    for (auto _ : run) benchmark::DoNotOptimize(g.Grid.GridToList());
}
BENCHMARK(MemberGridCommit)->Unit(benchmark::kMillisecond);

// The main window's side of opening a file, as far as the grid is concerned.
class GridFileView : public RecordingFileView {
public:
    explicit GridFileView(TLedenGrid& grid)
        : Grid(grid) {}
    void OpenLedenInput() override { Grid.OpenLedenInput(); }
    TLedenGrid& Grid;
};

void MemberFileOpenToTheGrid(benchmark::State& run) {
    ScratchFolder folder;
    std::string file = folder.Path("groot.tvs");
    std::string image = HeaderBytes(0, std::to_string(Members));
    for (int i = 1; i <= Members; ++i)
        image += MemberBytes(static_cast<uint16_t>(i), static_cast<int16_t>(i),
                             "Voornaam" + std::to_string(i), "Achternaam" + std::to_string(i),
                             i % 2 ? "h" : "d", i % 3 ? "-" : "A");
    WriteBytes(file, image);
    WriteBytes(folder.Path("groot.cfg"), ConfigBytes(Members));
    for (auto _ : run) {
        run.PauseTiming();
        AppState state;
        ScriptedMessenger messages;
        CountingBeeper bell;
        FixedClock clock;
        FakeConfigHost host(state, messages);
        TLedenGrid grid(state, messages, bell, clock);
        GridFileView view(grid);
        grid.resize(620, 480);
        grid.show();
        QApplication::processEvents();
        run.ResumeTiming();
        OpenNamedMemberFile(state.Common, state.Configuration, state.Members, messages, host, view,
                            file);
        if (state.Members.MemberDataPresent) view.OpenLedenInput();
        QApplication::processEvents();
    }
}
BENCHMARK(MemberFileOpenToTheGrid)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
