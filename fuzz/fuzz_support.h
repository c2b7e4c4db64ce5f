#pragma once
// Ports for the fuzz targets: every message is counted, questions are answered "&Nee", and the
// configuration dialog makes a fresh configuration without being confirmed.

#include "core/app_state.h"
#include "core/common/ports.h"
#include "core/config/config_dialog_fields.h"
#include "core/config/config_host.h"
#include "core/members/member_file_view.h"

#include <cstdlib>

class CountingMessenger : public Messenger {
public:
    int Show(std::string_view text, uint8_t, uint16_t buttons, int) override {
        ++Count;
        Length += text.size();
        return (buttons & BtnNee) != 0 ? ResultNo : ResultOK;
    }
    long Count = 0;
    std::size_t Length = 0;
};

class SilentBeeper : public Beeper {
public:
    void Beep() override {}
};

class UnconfirmedConfigHost : public ConfigHost {
public:
    UnconfirmedConfigHost(AppState& state, Messenger& messenger)
        : State(state)
        , Msg(messenger) {}
    void OpenConfigDial(bool nieuw) override {
        if (PrepareConfigDial(State, Msg, nieuw)) State.ConfigOK = false;
    }
    bool PrinterPresent() override { return false; }
    void ShowMainWindowMaximised(bool) override {}
    AppState& State;
    Messenger& Msg;
};

// A broken invariant is a finding: abort so that libFuzzer keeps the input.
inline void Require(bool condition) {
    if (!condition) std::abort();
}
