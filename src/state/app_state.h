#pragma once
// The one application-state object the windows, the command line and the tests own. It composes
// the subsystems' states; a core operation receives only the parts it reads and changes, so no
// core header knows this object. A test builds a fresh state and inspects it.

#include "core/common/common_state.h"
#include "core/config/config_state.h"
#include "core/members/member_state.h"
#include "core/schedule/schedule_state.h"

struct AppState {
    CommonState Common;
    ConfigState Configuration;
    MemberState Members;
    ScheduleState Scheduling;

    // The schedule store, as the engine and the reports take it.
    ScheduleStore& Store() { return *Scheduling.Schedule; }
    const ScheduleStore& Store() const { return *Scheduling.Schedule; }
};
