#pragma once
// The system beep and the clock.

#include "core/common/ports.h"

class QtBeeper : public Beeper {
public:
    void Beep() override;
};

class QtClock : public Clock {
public:
    CalendarDate Today() override;
    ClockTime Now() override;
    uint32_t RandomSeed() override;
};
