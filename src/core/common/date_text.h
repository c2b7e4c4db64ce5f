#pragma once
// The date as the program keeps it for the whole run.

#include "core/common/ports.h"

#include <string>

// Today as "dd-mm-yyyy".
std::string TodayText(const CalendarDate& today);
