#include "core/common/common_state.h"
#include "core/common/date_edit.h"
#include "core/common/error_report.h"
#include "scripted_ports.h"

#include <gtest/gtest.h>

namespace {

const CalendarDate Today{2026, 12, 9};

std::string Normalised(const std::string& typed, ScriptedMessenger& messages, CommonState& state) {
    std::string text = typed;
    NormaliseDateText({messages, state.ErrorCode}, Today, text);
    return text;
}

} // namespace

TEST(DateEdit, DigitsWithoutSeparatorsAreCompletedByLength) {
    EXPECT_EQ(CompleteDateText("5", Today), "5-12");
    EXPECT_EQ(CompleteDateText("05", Today), "05-12");
    EXPECT_EQ(CompleteDateText("0503", Today), "05-03");
    EXPECT_EQ(CompleteDateText("050315", Today), "05-03-15");
    EXPECT_EQ(CompleteDateText("05032015", Today), "05-03-2015");
    EXPECT_EQ(CompleteDateText("053", Today), "053");
    EXPECT_EQ(CompleteDateText("5-3", Today), "5-3");
}

TEST(DateEdit, TypedDatesBecomeTheShortFormat) {
    CommonState state;
    ScriptedMessenger messages;
    EXPECT_EQ(Normalised("5", messages, state), "5-12-2026");
    EXPECT_EQ(Normalised("0503", messages, state), "5-3-2026");
    EXPECT_EQ(Normalised("05032015", messages, state), "5-3-2015");
    EXPECT_EQ(Normalised("050315", messages, state), "5-3-2015");
    EXPECT_EQ(Normalised("29-2-2024", messages, state), "29-2-2024");
    EXPECT_EQ(Normalised("1-1-80", messages, state), "1-1-1980");
    EXPECT_EQ(Normalised("3-4-201", messages, state), "3-4-0201"); // yyyy: four digits
    EXPECT_EQ(Normalised("3-4-0201", messages, state), "3-4-0201");
    EXPECT_EQ(Normalised("", messages, state), "");
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST(DateEdit, ImpossibleDatesAreReportedAndKeptForCorrection) {
    CommonState state;
    ScriptedMessenger messages;
    EXPECT_EQ(Normalised("3102", messages, state), "31-02");
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Last().Text, "31-02 is geen geldige datum\n\r");
    EXPECT_EQ(messages.Last().Kind, KindFout);
    EXPECT_EQ(state.ErrorCode, 4);

    for (const char* typed : {"31022015", "31-2-2015", "29-2-2025", "0-1-2020", "1-13-2020", "abc",
                              "1-2-3-4", "12345", "1--2020"}) {
        CommonState fresh;
        ScriptedMessenger shown;
        std::string text = typed;
        EXPECT_FALSE(NormaliseDateText({shown, fresh.ErrorCode}, Today, text)) << typed;
        EXPECT_EQ(fresh.ErrorCode, 4) << typed;
    }
}
