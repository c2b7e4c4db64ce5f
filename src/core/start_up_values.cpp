#include "core/start_up_values.h"

#include "core/common/date_text.h"

void SetStartUpValues(AppState& state, const CalendarDate& today) {
    state.MemberFileName = "N_N";
    state.BackupPending = true;
    state.MemberDataPresent = false;
    state.ScreenFontName = "MS Sans Serif";
    state.ScreenFontSize = 10;
    state.PrnFontSet = false;
    state.ScheduleKind = 1;
    state.TodayDate = TodayText(today);
}
