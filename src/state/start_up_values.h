#pragma once
// The program-wide values every run starts with.

#include "core/common/ports.h"
#include "state/app_state.h"

// No member list yet ("N_N"), the first save makes a backup, the screen font, no printer font,
// the schedule with names, and today's date fixed for the whole run.
void SetStartUpValues(AppState& state, const CalendarDate& today);
