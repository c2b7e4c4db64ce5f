#include "core/common/error_report.h"

#include "core/common/message_tables.h"

#include <cstdio>

namespace {

template <std::size_t N>
std::string_view Entry(const std::array<std::string_view, N>& table, std::size_t i) {
    return i < N ? table[i] : std::string_view{};
}

} // namespace

std::string ComposeErrorText(std::string_view text, uint16_t msg, uint16_t kind, uint16_t advice) {
    std::string result;
    if (msg != 0) {
        result.append(Entry(Messages, msg));
        result.append(text);
    } else {
        result.append(text);
        result.append(Entry(Kinds, kind));
        result.append("\n\r");
        result.append(Entry(Advices, advice));
    }
    return result;
}

void ReportError(ErrorSink sink, std::string_view text, uint16_t msg, uint16_t kind,
                 uint16_t advice) {
    sink.Msg.Show(ComposeErrorText(text, msg, kind, advice), KindFout, ButtonsOK);
    // Callers that report by message number pass kind 0, so those reports leave no error.
    if (sink.ErrorCode == 0) sink.ErrorCode = kind;
}

std::string ComposeScheduleErrorText(uint8_t prefix, uint8_t msg, uint8_t round) {
    std::string text;
    if (prefix > 0) text.append(Entry(Messages, 21u + prefix));
    if (round <= 20) text.append(Entry(Messages, 21u + msg));
    if (round >= 1 && round <= 20) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%2d", round);
        text.append(" in ronde :");
        text.append(digits);
    }
    return text;
}

void ReportScheduleError(ErrorSink sink, bool warnCourts, uint8_t prefix, uint8_t msg,
                         uint8_t round) {
    if (msg == 2 && !warnCourts) return;
    sink.Msg.Show(ComposeScheduleErrorText(prefix, msg, round), KindFout, ButtonsOK);
    sink.ErrorCode = round;
}

void ShowInfo(Messenger& messenger, std::string_view text) {
    messenger.Show(text, KindInformatie, ButtonsOK);
}
