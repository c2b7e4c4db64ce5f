#include "core/common/date_text.h"

#include <cstdio>

std::string TodayText(const CalendarDate& today) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", today.Day % 100, today.Month % 100,
                  today.Year % 10000);
    return text;
}
