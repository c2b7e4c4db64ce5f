#include "core/reports/play_date.h"

#include <cmath>

namespace {

// Days since 1-1-1970 of a proleptic Gregorian date, and back (H. Hinnant's civil algorithms).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

CalendarDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

const long long SerialEpoch = DaysFromCivil(1899, 12, 30);

} // namespace

double PlayDateSerial(const CalendarDate& date) {
    return static_cast<double>(DaysFromCivil(date.Year, static_cast<unsigned>(date.Month),
                                             static_cast<unsigned>(date.Day)) -
                               SerialEpoch);
}

CalendarDate PlayDateOf(double serial) {
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6) serial = 0;
    return CivilFromDays(static_cast<long long>(std::floor(serial)) + SerialEpoch);
}
