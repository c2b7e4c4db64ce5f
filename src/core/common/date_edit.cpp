#include "core/common/date_edit.h"

#include "core/common/date_text.h"
#include "core/common/error_report.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace {

constexpr uint16_t KindNoValidDate = 4;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A run of 1..4 digits, blanks around it allowed.
std::optional<int> Number(std::string_view part) {
    part = Trim(part);
    if (part.empty() || part.size() > 4) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (ec != std::errc() || end != part.data() + part.size()) return std::nullopt;
    return value;
}

} // namespace

std::string CompleteDateText(std::string_view text, const CalendarDate& today) {
    std::string result(text);
    if (result.find('-') != std::string::npos) return result;
    std::string_view t = text;
    switch (text.size()) {
    case 1:
    case 2:
        result = std::string(t) + '-' + TodayText(today).substr(3, 2);
        break;
    case 4:
        result = std::string(t.substr(0, 2)) + '-' + std::string(t.substr(2));
        break;
    case 6:
    case 8:
        result = std::string(t.substr(0, 2)) + '-' + std::string(t.substr(2, 2)) + '-' +
                 std::string(t.substr(4));
        break;
    default:
        break;
    }
    return result;
}

std::optional<CalendarDate> ParseDateText(std::string_view text, const CalendarDate& today) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        auto dash = text.find('-', start);
        parts.push_back(text.substr(start, dash == std::string_view::npos ? dash : dash - start));
        if (dash == std::string_view::npos) break;
        start = dash + 1;
    }
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    auto day = Number(parts[0]);
    auto month = Number(parts[1]);
    if (!day || !month) return std::nullopt;
    int year = today.Year;
    if (parts.size() == 3) {
        auto typed = Number(parts[2]);
        if (!typed) return std::nullopt;
        year = *typed;
        if (Trim(parts[2]).size() <= 2) {
            int centuryBase = today.Year - 50;
            year += centuryBase / 100 * 100;
            if (year < centuryBase) year += 100;
        }
    }
    if (year < 1 || year > 9999 || *month < 1 || *month > 12) return std::nullopt;
    if (*day < 1 || *day > DaysInMonth(year, *month)) return std::nullopt;
    return CalendarDate{year, *month, *day};
}

std::string ShortDateText(const CalendarDate& date) {
    char text[24];
    // d-m-yyyy: the year always has four digits, also one typed with three.
    std::snprintf(text, sizeof text, "%d-%d-%04d", date.Day, date.Month, date.Year);
    return text;
}

bool NormaliseDateText(ErrorSink sink, const CalendarDate& today, std::string& text) {
    if (text.empty()) return true;
    text = CompleteDateText(text, today);
    auto date = ParseDateText(text, today);
    if (!date) {
        ReportError(sink, text, 0, KindNoValidDate, NoAdvice);
        return false;
    }
    text = ShortDateText(*date);
    return true;
}
