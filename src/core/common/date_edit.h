#pragma once
// Completion and check of a typed date: "5" is the 5th of this month, "0503" the 5th of March of
// this year, "05032015" and "050315" carry their own year. Dates are day-month-year with "-".

#include "core/common/error_report.h"
#include "core/common/ports.h"

#include <optional>
#include <string>
#include <string_view>

// Inserts the separators a date typed without any "-" needs; other texts come back unchanged.
std::string CompleteDateText(std::string_view text, const CalendarDate& today);

// Reads "d-m-y" or "d-m" (this year). A year of one or two digits lies within fifty years before
// or after today's year; a date that does not exist gives nothing.
std::optional<CalendarDate> ParseDateText(std::string_view text, const CalendarDate& today);

// The short date format of the program, "d-m-yyyy": day and month without leading zeros, the
// year with four digits.
std::string ShortDateText(const CalendarDate& date);

// What the date box does when it is left or confirmed: an empty text stays empty; otherwise the
// text is completed and becomes the date in the short format. An invalid date is reported
// ("<text> is geen geldige datum") and the completed text stays for the user to correct; the
// result is false then.
bool NormaliseDateText(ErrorSink sink, const CalendarDate& today, std::string& text);
