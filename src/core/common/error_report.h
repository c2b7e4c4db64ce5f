#pragma once
// The two error reporters and the information message. Every report goes through the message
// window and leaves its trace in ErrorCode, which callers reset before an operation and test
// afterwards.

#include "core/common/ports.h"

#include <cstdint>
#include <string>
#include <string_view>

// Advice 8 is named by some callers but lies outside the advice table: nothing follows the line
// break then, so the user still reads the text and its kind.
inline constexpr uint16_t NoAdvice = 8;

// Where a report goes: the message window, and the program's error code it leaves its trace in.
struct ErrorSink {
    Messenger& Msg;
    int32_t& ErrorCode;
};

// The text ReportError shows, without showing it.
std::string ComposeErrorText(std::string_view text, uint16_t msg, uint16_t kind, uint16_t advice);

void ReportError(ErrorSink sink, std::string_view text, uint16_t msg, uint16_t kind,
                 uint16_t advice);

// The text ReportScheduleError shows (empty for rounds above 20 without prefix).
std::string ComposeScheduleErrorText(uint8_t prefix, uint8_t msg, uint8_t round);

// Message 2 (too few courts) is shown only when the configuration asks for court warnings.
void ReportScheduleError(ErrorSink sink, bool warnCourts, uint8_t prefix, uint8_t msg,
                         uint8_t round);

void ShowInfo(Messenger& messenger, std::string_view text);
