#include "core/common/error_report.h"
#include "core/common/message_tables.h"
#include "scripted_ports.h"

#include <gtest/gtest.h>

TEST(ReportError, MessageNumberPutsTheTableTextBeforeTheText) {
    AppState state;
    ScriptedMessenger messages;
    ReportError(state, messages, "leden.tvs", 3, 0, 0);
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Last().Text, "Bestand bestaat niet : leden.tvs");
    EXPECT_EQ(messages.Last().Kind, KindFout);
    EXPECT_EQ(messages.Last().Buttons, BtnOK);
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST(ReportError, KindAndAdviceFollowTheTextAndSetTheErrorOnlyOnce) {
    AppState state;
    ScriptedMessenger messages;
    ReportError(state, messages, "Groep ", 0, 5, 5);
    EXPECT_EQ(messages.Last().Text,
              "Groep  is geen geldig getal\n\r corrigeer (zonodig) Configuratie");
    EXPECT_EQ(state.ErrorCode, 5);
    ReportError(state, messages, "x", 0, 2, 0);
    EXPECT_EQ(state.ErrorCode, 5);
}

TEST(ReportError, AdviceOutsideTheTableLeavesNothingBehindTheLineBreak) {
    AppState state;
    ScriptedMessenger messages;
    ReportError(state, messages, "31-02-2015", 0, 4, NoAdvice);
    EXPECT_EQ(messages.Last().Text, "31-02-2015 is geen geldige datum\n\r");
    EXPECT_EQ(state.ErrorCode, 4);
}

TEST(ReportScheduleError, PrefixMessageAndRoundMakeOneText) {
    AppState state;
    state.Config.CfgRec.Cfgflags = 17;
    ScriptedMessenger messages;
    ReportScheduleError(state, messages, 7, 4, 5);
    EXPECT_EQ(messages.Last().Text,
              "Geen oplossing heren-tolvex     Banen te veel   !  in ronde : 5");
    EXPECT_EQ(state.ErrorCode, 5);
    ReportScheduleError(state, messages, 0, 1, 20);
    EXPECT_EQ(messages.Last().Text, "Aantal personen = 0 :  in ronde :20");
    EXPECT_EQ(state.ErrorCode, 20);
}

TEST(ReportScheduleError, RoundZeroAndRoundsAboveTwenty) {
    AppState state;
    state.Config.CfgRec.Cfgflags = 1;
    ScriptedMessenger messages;
    ReportScheduleError(state, messages, 0, 3, 0);
    EXPECT_EQ(messages.Last().Text, "Selectie niet gelukt");
    EXPECT_EQ(state.ErrorCode, 0);
    ReportScheduleError(state, messages, 0, 3, 21);
    EXPECT_EQ(messages.Last().Text, "");
    EXPECT_EQ(state.ErrorCode, 21);
    ReportScheduleError(state, messages, 8, 3, 21);
    EXPECT_EQ(messages.Last().Text, "Geen oplossing dames-tolvex     ");
}

TEST(ReportScheduleError, TooFewCourtsIsSilentWithoutTheWarningBit) {
    AppState state;
    state.Config.CfgRec.Cfgflags = 16;
    state.ErrorCode = 0;
    ScriptedMessenger messages;
    ReportScheduleError(state, messages, 0, 2, 3);
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST(MessageTables, TextsWithControlCharactersAndQuotes) {
    EXPECT_EQ(Messages[13], "Match niet te openen \rgebruik \"Nieuwe Match\" ");
    EXPECT_EQ(Messages[36], "Te veel banen gekozen\r\n Aantal wordt aangepast... ");
    EXPECT_EQ(Messages[25], "Banen te veel   ! ");
    EXPECT_EQ(Messages[44], "Bestand is al open");
    EXPECT_EQ(Kinds[15], " alleen M  of  V  toegestaan");
    EXPECT_EQ(Advices[0], " is niet ingevuld!");
}
