#pragma once
// The one application-state object that windows and operations receive by reference. Each
// subsystem keeps its share in its own part; a test builds a fresh state and inspects it.

#include "core/common/common_state.h"
#include "core/config/config_state.h"
#include "core/members/member_state.h"
#include "core/schedule/schedule_state.h"

struct AppState : CommonState, ConfigState, MemberState, ScheduleState {};
