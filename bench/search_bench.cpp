// The bounded round search against the literal one on evenings where the literal search needs
// more than a hundred million candidates: the example club with 9 courts, a balance that cannot
// hold, a mixed round one man short, pauses that leave too few players, and two random evenings.
// Prints per evening the candidates and time of both searches, the ratio, and whether the two
// schedules agree (round table, games, opponents, messages, reasons).
//
//   ninja -C build tolvex_search_bench && build/bench/tolvex_search_bench [--no-literal] [NAME]
//
// Run it from the repository root (the example club is read from bench/data).

#include "core/members/member_file.h"
#include "core/schedule/schedule_run.h"
#include "core/schedule/schedule_setup.h"
#include "headless/headless_ports.h"
#include "state/app_state.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Evening {
    std::string Name;
    const char* MemberFile = nullptr;                         // kind 1 from a member file
    std::vector<std::pair<std::string, std::string>> Members; // kind 1 when given
    int Men = 0, Women = 0;                                   // kind 2 otherwise
    int Doubles = 0, Mixed = 0, Courts = 0;
    std::vector<int> CourtsMen, CourtsMixed; // overrides of the proposal
    uint16_t Pairing = 2, Pause = 5, Cfgflags = 16;
};

std::vector<std::pair<std::string, std::string>> Repeat(const char* group, const char* code,
                                                        int count) {
    return std::vector<std::pair<std::string, std::string>>(count, {group, code});
}

std::vector<Evening> Evenings() {
    std::vector<Evening> e;
    {
        // The example club as the command line reads it: 4 doubles and 2 mixed rounds.
        Evening kast;
        kast.Name = "example_club_9_courts";
        kast.MemberFile = "bench/data/tc_de_kastanjelaan.tvs";
        kast.Doubles = 4;
        kast.Mixed = 2;
        kast.Courts = 9;
        kast.Cfgflags = 17;
        e.push_back(kast);
    }
    {
        // Round 4: the man back from his coded pause has no game, everybody else three.
        Evening x;
        x.Name = "balance_cannot_hold";
        x.Members = Repeat("h", "X", 16);
        x.Members.push_back({"h", "63"});
        x.Doubles = 4;
        x.Courts = 4;
        x.CourtsMen = {4, 4, 4, 4};
        e.push_back(x);
    }
    {
        // Seven men for four mixed courts.
        Evening x;
        x.Name = "mixed_one_man_short";
        x.Men = 7;
        x.Women = 20;
        x.Mixed = 2;
        x.Courts = 4;
        x.CourtsMixed = {4, 4};
        x.Pairing = 0;
        x.Pause = 0;
        e.push_back(x);
    }
    {
        // Two late arrivals leave fifteen men for four courts.
        Evening x;
        x.Name = "late_arrivals";
        x.Members = Repeat("h", "X", 15);
        x.Members.push_back({"h", "C2"});
        x.Members.push_back({"h", "C2"});
        x.Doubles = 2;
        x.Courts = 4;
        x.CourtsMen = {4, 4};
        e.push_back(x);
    }
    {
        Evening x;
        x.Name = "random_evening_a";
        x.Members = {{"d", "G1"}, {"h", "X"},  {"d", "D1"}, {"d", "20"}, {"d", "31"}, {"d", "X"},
                     {"h", "C"},  {"d", "32"}, {"d", "B2"}, {"d", "21"}, {"d", "X"},  {"d", "43"},
                     {"h", "B2"}, {"h", "4"},  {"h", "H"},  {"d", "63"}, {"d", "H"},  {"d", "9"},
                     {"h", "C"},  {"h", "32"}, {"h", "X2"}, {"d", "D1"}, {"d", "43"}, {"d", ""},
                     {"h", "E"},  {"h", "X1"}, {"d", "X1"}, {"h", "20"}, {"h", "X1"}, {"d", "0"},
                     {"d", ""},   {"h", "31"}, {"h", "-"},  {"h", "32"}};
        x.Doubles = 6;
        x.Mixed = 1;
        x.Courts = 5;
        x.Pairing = 4;
        x.Pause = 3;
        e.push_back(x);
    }
    {
        Evening x;
        x.Name = "random_evening_b";
        x.Members = {{"d", "-"},  {"h", "X"},  {"h", "4"},  {"d", "4"},  {"d", "X"},  {"h", "21"},
                     {"d", "X"},  {"h", "4"},  {"h", "X2"}, {"h", "32"}, {"h", "X"},  {"h", "5"},
                     {"d", "3"},  {"d", "A1"}, {"h", "32"}, {"h", "X"},  {"h", "H"},  {"d", "32"},
                     {"h", "X"},  {"d", "4"},  {"h", "A1"}, {"d", "G1"}, {"h", "32"}, {"h", "63"},
                     {"d", "43"}, {"h", "X2"}};
        x.Doubles = 3;
        x.Mixed = 4;
        x.Courts = 5;
        x.Pairing = 3;
        x.Pause = 9;
        x.Cfgflags = 19;
        e.push_back(x);
    }
    return e;
}

std::unique_ptr<AppState> Prepare(const Evening& e, RecordingMessenger& msg, Beeper& bell,
                                  ScheduleView& view) {
    auto state = std::make_unique<AppState>();
    TCfgRec& cfg = state->Configuration.Config.CfgRec;
    ScheduleSetupInput input;
    input.Kind = e.Men + e.Women > 0 ? 2 : 1;
    if (e.MemberFile != nullptr) {
        HeadlessConfigHost host(*state, msg);
        HeadlessFileView fileView;
        OpenNamedMemberFile(state->Common, state->Configuration, state->Members, msg, host,
                            fileView, e.MemberFile);
        if (!state->Members.MemberDataPresent) {
            std::fprintf(stderr, "%s not read (run from the repository root)\n", e.MemberFile);
            std::exit(1);
        }
        msg.Shown.clear();
    } else if (!e.Members.empty()) {
        int clubNo = 0;
        for (const auto& [group, code] : e.Members) {
            TLedenObj m;
            m.LidRecord.ClubNo = static_cast<int16_t>(++clubNo);
            m.LidRecord.Voornaam = "Voor" + std::to_string(clubNo);
            m.LidRecord.AchterNaam = "Achter" + std::to_string(clubNo);
            m.LidRecord.Groep = group;
            m.LidRecord.StatCode = code;
            state->Members.MemberList.push_back(m);
        }
        state->Members.MemberCount = static_cast<int16_t>(e.Members.size());
        state->Members.MemberDataPresent = true;
    } else {
        input.NHeren = e.Men;
        input.NDames = e.Women;
    }
    cfg.Grpn[0] = "h";
    cfg.Grpn[1] = "d";
    cfg.Cfgflags = e.Cfgflags;
    input.NDubRonden = e.Doubles;
    input.NMixRonden = e.Mixed;
    input.NBanen = e.Courts;
    input.PairingOptions = e.Pairing;
    input.PauseOptions = e.Pause;
    auto courts = [](const std::vector<int>& given) {
        CourtsPerRound c{};
        for (std::size_t r = 0; r < given.size(); ++r) c[r + 1] = static_cast<uint8_t>(given[r]);
        return c;
    };
    if (!e.CourtsMen.empty()) input.CourtsMen = courts(e.CourtsMen);
    if (!e.CourtsMixed.empty()) input.CourtsMixed = courts(e.CourtsMixed);
    PrepareSchedule(state->Common, state->Configuration, state->Members, state->Store(), input, msg,
                    bell, view);
    return state;
}

// What both searches must agree on.
struct Schedule {
    std::vector<uint8_t> Bytes;
    uint64_t Candidates = 0;
    double Seconds = 0;
};

template <class T> void Append(std::vector<uint8_t>& bytes, const T& value) {
    const auto* p = reinterpret_cast<const uint8_t*>(&value);
    bytes.insert(bytes.end(), p, p + sizeof value);
}

Schedule RunOnce(const Evening& e, bool literal) {
    RecordingMessenger msg;
    QuietPump pump;
    QuietBeeper bell;
    ScheduleView view;
    auto state = Prepare(e, msg, bell, view);
    RunControl control{state->Common.StopKey, 0, 1u << 20, literal};
    RunPorts ports{msg, pump, bell, view, control};
    const auto start = std::chrono::steady_clock::now();
    StartRun(state->Common, state->Configuration, state->Store(), ports);
    const auto end = std::chrono::steady_clock::now();
    const ScheduleStore& store = state->Store();
    Schedule s;
    s.Seconds = std::chrono::duration<double>(end - start).count();
    s.Candidates = store.Candidates;
    for (const RoundRecord& r : store.RoundTable) Append(s.Bytes, r);
    for (Group g : {Men, Women}) {
        Append(s.Bytes, store.Of(g).PlayCount);
        Append(s.Bytes, store.Of(g).OpponentTable);
    }
    for (const RecordedMessage& m : msg.Shown)
        s.Bytes.insert(s.Bytes.end(), m.Text.begin(), m.Text.end());
    for (const RoundReasonEntry& r : store.Reasons)
        s.Bytes.insert(s.Bytes.end(), r.Text.begin(), r.Text.end());
    return s;
}

} // namespace

int main(int argc, char** argv) {
    bool literal = true;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-literal") == 0)
            literal = false;
        else
            only = argv[i];
    }
    std::printf("%-22s %14s %10s %11s %10s %10s %s\n", "evening", "literal cand.", "literal s",
                "bounded c.", "bounded ms", "ratio", "same");
    for (const Evening& e : Evenings()) {
        if (!only.empty() && only != e.Name) continue;
        Schedule bounded = RunOnce(e, false);
        for (int i = 0; i < 4; ++i) {
            Schedule again = RunOnce(e, false);
            bounded.Seconds = std::min(bounded.Seconds, again.Seconds);
        }
        if (!literal) {
            std::printf("%-22s %14s %10s %11llu %10.3f\n", e.Name.c_str(), "-", "-",
                        static_cast<unsigned long long>(bounded.Candidates),
                        bounded.Seconds * 1000);
            continue;
        }
        const Schedule plain = RunOnce(e, true);
        std::printf("%-22s %14llu %10.2f %11llu %10.3f %10.0f %s\n", e.Name.c_str(),
                    static_cast<unsigned long long>(plain.Candidates), plain.Seconds,
                    static_cast<unsigned long long>(bounded.Candidates), bounded.Seconds * 1000,
                    plain.Seconds / bounded.Seconds, plain.Bytes == bounded.Bytes ? "yes" : "NO");
        std::fflush(stdout);
    }
    return 0;
}
