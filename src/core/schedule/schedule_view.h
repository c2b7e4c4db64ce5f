#pragma once
// What a schedule run shows besides messages: the set-up window's warning label, computing
// memo, progress bar, pause spin edits and buttons. The window implements it; headless runs use
// the silent default or a recorder.

#include "core/common/ports.h"
#include "core/schedule/run_control.h"

#include <cstdint>
#include <string_view>

class ScheduleView {
public:
    virtual ~ScheduleView() = default;
    // The warning label: its caption becomes the text and it is shown.
    virtual void ShowWarning(std::string_view) {}
    virtual void HideWarning() {}
    // The court grid page on screen goes into the courts per round.
    virtual void SaveCourtPage() {}
    // The pause spin edits after the pause settings were checked ("Pauzes voor 3 X spelen",
    // "Pauzes voor 2 X spelen").
    virtual void ShowPauseEdits(int /*threeTimes*/, int /*twoTimes*/) {}
    virtual void FocusOK() {}
    // "S&top": enabled and shown, or hidden.
    virtual void ShowStopButton(bool) {}
    // The computing memo for the phases 1..3 and the end of the run (4).
    virtual void WriteCompu(int /*compindx*/) {}
    // Progress bar: back to 0 with the given maximum; then steps forward (one per candidate,
    // wrapping to 0 past the maximum). Steps may arrive in batches.
    virtual void ResetProgress(int /*maximum*/) {}
    virtual void StepProgress(uint64_t /*steps*/) {}
    // A round progress text on memo line 1 or 2, the memo being 20 x line + 25 high.
    virtual void ShowRoundProgress(int /*line*/, std::string_view /*text*/) {}
    // Why a round failed (group 0 men, 1 women, 2 mixed; the round of the whole schedule), one
    // line per failed round in the computing memo, shown right after the round's messages.
    virtual void ShowRoundReason(int /*group*/, int /*round*/, std::string_view /*text*/) {}
    // The search for fitting courts is deciding round `round` of `rounds`.
    virtual void ShowPlanProgress(int /*round*/, int /*rounds*/) {}
};

// Everything a run reaches outside the store.
struct RunPorts {
    Messenger& Msg;
    EventPump& Pump;
    Beeper& Bell;
    ScheduleView& View;
    RunControl& Control;
};
