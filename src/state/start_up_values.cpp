#include "state/start_up_values.h"

#include "core/common/date_text.h"

void SetStartUpValues(AppState& state, const CalendarDate& today) {
    state.Members.MemberFileName = "N_N";
    state.Members.BackupPending = true;
    state.Members.MemberDataPresent = false;
    state.Common.ScreenFontName = "MS Sans Serif";
    state.Common.ScreenFontSize = 10;
    state.Common.PrnFontSet = false;
    state.Common.ScheduleKind = 1;
    state.Common.TodayDate = TodayText(today);
}
