#pragma once
// The two error reporters and the information message. Every report goes through the message
// window and leaves its trace in ErrorCode, which callers reset before an operation and test
// afterwards.

#include "core/app_state.h"
#include "core/common/ports.h"

#include <cstdint>
#include <string>
#include <string_view>

// Advice 8 is named by some callers but lies outside the advice table: nothing follows the line
// break then, so the user still reads the text and its kind.
inline constexpr uint16_t NoAdvice = 8;

// The text ReportError shows, without showing it.
std::string ComposeErrorText(std::string_view text, uint16_t msg, uint16_t kind, uint16_t advice);

void ReportError(AppState& state, Messenger& messenger, std::string_view text, uint16_t msg,
                 uint16_t kind, uint16_t advice);

// The text ReportScheduleError shows (empty for rounds above 20 without prefix).
std::string ComposeScheduleErrorText(uint8_t prefix, uint8_t msg, uint8_t round);

void ReportScheduleError(AppState& state, Messenger& messenger, uint8_t prefix, uint8_t msg,
                         uint8_t round);

void ShowInfo(Messenger& messenger, std::string_view text);
