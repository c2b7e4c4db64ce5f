#pragma once
// A schedule set-up as the set-up window leaves it before "&Start" (through the one set-up
// function), with recording fakes, for the schedule tests.

#include "core/schedule/name_lists.h"
#include "core/schedule/schedule_run.h"
#include "core/schedule/schedule_setup.h"
#include "scripted_ports.h"
#include "state/app_state.h"

#include <memory>
#include <string>
#include <vector>

class RecordingView : public ScheduleView {
public:
    void ShowWarning(std::string_view text) override { Warnings.emplace_back(text); }
    void HideWarning() override { ++Hides; }
    void ShowPauseEdits(int three, int two) override { PauseEdits = {three, two}; }
    void WriteCompu(int compindx) override { Compu.push_back(compindx); }
    void ResetProgress(int maximum) override {
        ProgressMax = maximum;
        Steps = 0;
    }
    void StepProgress(uint64_t steps) override { Steps += steps; }
    void ShowRoundProgress(int line, std::string_view text) override {
        Progress.push_back({line, std::string(text)});
    }

    std::vector<std::string> Warnings;
    int Hides = 0;
    std::pair<int, int> PauseEdits{-1, -1};
    std::vector<int> Compu;
    int ProgressMax = -1;
    uint64_t Steps = 0;
    std::vector<std::pair<int, std::string>> Progress;
};

struct ScheduleSetup {
    std::unique_ptr<AppState> State = std::make_unique<AppState>();
    TestPorts Ports;
    RecordingView View;
    RunControl Control{State->Common.StopKey};
    RunPorts Run{Ports.Messages, Ports.Pump, Ports.Bell, View, Control};

    ScheduleSetup() {
        State->Configuration.Config.CfgRec.Grpn[0] = "h";
        State->Configuration.Config.CfgRec.Grpn[1] = "d";
        State->Configuration.Config.CfgRec.Cfgflags = 17;
        SetGroupLabels(State->Configuration, State->Store());
        NewNameLists(Store());
    }

    static ScheduleSetupInput Input(int doubles, int mixed, int courts, uint16_t pairing,
                                    uint16_t pause) {
        ScheduleSetupInput input;
        input.NDubRonden = doubles;
        input.NMixRonden = mixed;
        input.NBanen = courts;
        input.PairingOptions = pairing;
        input.PauseOptions = pause;
        return input;
    }

    ScheduleStore& Store() { return State->Store(); }
    ScheduleParams& Params() { return State->Store().Params; }

    // A schedule with pairs: men, women, doubles and mixed rounds, courts; the courts per round
    // as the set-up proposes them, then the given options.
    void Pairs(int men, int women, int doubles, int mixed, int courts, uint16_t pairing = 2,
               uint16_t pause = 5) {
        ScheduleSetupInput input = Input(doubles, mixed, courts, pairing, pause);
        input.Kind = 2;
        input.NHeren = men;
        input.NDames = women;
        PrepareSchedule(State->Common, State->Configuration, State->Members, State->Store(), input,
                        Ports.Messages, Ports.Bell, View);
    }

    // A schedule with names: members as (group, status code), numbered 1.. as club numbers.
    void Names(const std::vector<std::pair<std::string, std::string>>& members, int doubles,
               int mixed, int courts, uint16_t pairing = 2, uint16_t pause = 5) {
        State->Members.MemberList.assign(1, TLedenObj{});
        int clubNo = 0;
        for (const auto& [group, code] : members) {
            TLedenObj member;
            member.LidRecord.ClubNo = static_cast<int16_t>(++clubNo);
            member.LidRecord.Voornaam = "Voor" + std::to_string(clubNo);
            member.LidRecord.AchterNaam = "Achter" + std::to_string(clubNo);
            member.LidRecord.Groep = group;
            member.LidRecord.StatCode = code;
            State->Members.MemberList.push_back(member);
        }
        State->Members.MemberCount = static_cast<int16_t>(members.size());
        State->Members.MemberDataPresent = true;
        PrepareSchedule(State->Common, State->Configuration, State->Members, State->Store(),
                        Input(doubles, mixed, courts, pairing, pause), Ports.Messages, Ports.Bell,
                        View);
    }

    void Start() { StartRun(State->Common, State->Configuration, State->Store(), Run); }

    // Court c of round r as {pair 1 first, pair 1 second, pair 2 first, pair 2 second}.
    std::array<uint8_t, 4> Court(int r, int c) { return Store().RoundTable[r].Courts[c]; }
};
