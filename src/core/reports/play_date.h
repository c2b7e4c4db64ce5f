#pragma once
// The play date of a schedule is held as a day count since 30-12-1899 (day 0).

#include "core/common/ports.h"

#include <optional>

double PlayDateSerial(const CalendarDate& date);

// The calendar date of a day count; its fraction (a time of day) is ignored.
CalendarDate PlayDateOf(double serial);
