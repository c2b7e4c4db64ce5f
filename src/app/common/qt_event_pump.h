#pragma once
// The event pump of long computations. ProcessEvents is called after every candidate of a search,
// so it only counts and looks at the clock; the event loop really runs when about 10 ms have
// passed since it last ran.

#include "core/common/ports.h"

#include <functional>

class QtEventPump : public EventPump {
public:
    // Milliseconds of a clock that only moves forward; without one, the system's monotonic
    // clock. Tests hand in a clock they move themselves.
    using Milliseconds = std::function<long long()>;
    explicit QtEventPump(Milliseconds clock = {});

    void ProcessEvents() override;
    void Delay(int milliseconds) override;

    // Runs every time the event loop is really entered (a progress bar can follow the work).
    std::function<void()> OnBreath;
    int IntervalMs = 10;
    long long Calls = 0;
    long long Breaths = 0;

private:
    Milliseconds Now;
    long long LastBreath = 0;
};
