#pragma once
// The ports for running the core without windows: the command-line front end, the benchmarks,
// the fuzz targets and the schedule tests all use these. Messages are recorded and questions
// answered "&Nee" where that is offered; pauses and events take no time; nothing beeps.

#include "core/common/ports.h"
#include "core/config/config_host.h"
#include "core/members/member_file_view.h"
#include "core/schedule/schedule_view.h"
#include "state/app_state.h"

#include <cstdint>
#include <string>
#include <vector>

struct RecordedMessage {
    std::string Text; // Windows-1252, as shown
    uint8_t Kind = 0;
    uint16_t Buttons = 0;
};

class RecordingMessenger : public Messenger {
public:
    int Show(std::string_view text, uint8_t kind, uint16_t buttons, int helpContext = 0) override;
    std::vector<RecordedMessage> Shown;
};

class QuietPump : public EventPump {
public:
    void ProcessEvents() override {}
    void Delay(int) override {}
};

class QuietBeeper : public Beeper {
public:
    void Beep() override {}
};

// Without windows the configuration dialog cannot be confirmed: a missing configuration is
// made fresh as the dialog would make it, and left unconfirmed.
class HeadlessConfigHost : public ConfigHost {
public:
    HeadlessConfigHost(AppState& state, Messenger& messenger)
        : State(state)
        , Msg(messenger) {}
    void OpenConfigDial(bool nieuw) override;
    bool PrinterPresent() override { return false; }
    void ShowMainWindowMaximised(bool) override {}

private:
    AppState& State;
    Messenger& Msg;
};

// Loading a member file shows nothing.
class HeadlessFileView : public MemberFileView {
public:
    void ShowMemberFileName(const std::string&) override {}
    void SetNieuwEnabled(bool) override {}
    void EnableFileCommands() override {}
    void GridToList() override {}
    void OpenLedenInput() override {}
    void ApplyFonts(const std::string&, int, const std::string&, int) override {}
};

// The warnings of a run are kept; the rest of the set-up window's display is not needed.
class WarningRecorder : public ScheduleView {
public:
    void ShowWarning(std::string_view text) override { Warnings.emplace_back(text); }
    std::vector<std::string> Warnings;
};
