#include "core/common/common_state.h"
#include "core/common/error_report.h"
#include "core/common/file_error_report.h"
#include "core/common/message_tables.h"
#include "scripted_ports.h"

#include <gtest/gtest.h>

TEST(ReportError, MessageNumberPutsTheTableTextBeforeTheText) {
    CommonState state;
    ScriptedMessenger messages;
    ReportError({messages, state.ErrorCode}, "leden.tvs", 3, 0, 0);
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Last().Text, "Bestand bestaat niet : leden.tvs");
    EXPECT_EQ(messages.Last().Kind, KindFout);
    EXPECT_EQ(messages.Last().Buttons, BtnOK);
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST(ReportError, KindAndAdviceFollowTheTextAndSetTheErrorOnlyOnce) {
    CommonState state;
    ScriptedMessenger messages;
    ReportError({messages, state.ErrorCode}, "Groep ", 0, 5, 5);
    EXPECT_EQ(messages.Last().Text,
              "Groep  is geen geldig getal\n\r corrigeer (zonodig) Configuratie");
    EXPECT_EQ(state.ErrorCode, 5);
    ReportError({messages, state.ErrorCode}, "x", 0, 2, 0);
    EXPECT_EQ(state.ErrorCode, 5);
}

TEST(ReportError, AdviceOutsideTheTableLeavesNothingBehindTheLineBreak) {
    CommonState state;
    ScriptedMessenger messages;
    ReportError({messages, state.ErrorCode}, "31-02-2015", 0, 4, NoAdvice);
    EXPECT_EQ(messages.Last().Text, "31-02-2015 is geen geldige datum\n\r");
    EXPECT_EQ(state.ErrorCode, 4);
}

TEST(ReportScheduleError, PrefixMessageAndRoundMakeOneText) {
    CommonState state;
    ScriptedMessenger messages;
    ReportScheduleError({messages, state.ErrorCode}, true, 7, 4, 5);
    EXPECT_EQ(messages.Last().Text,
              "Geen oplossing heren-tolvex     Banen te veel   !  in ronde : 5");
    EXPECT_EQ(state.ErrorCode, 5);
    ReportScheduleError({messages, state.ErrorCode}, true, 0, 1, 20);
    EXPECT_EQ(messages.Last().Text, "Aantal personen = 0 :  in ronde :20");
    EXPECT_EQ(state.ErrorCode, 20);
}

TEST(ReportScheduleError, RoundZeroAndRoundsAboveTwenty) {
    CommonState state;
    ScriptedMessenger messages;
    ReportScheduleError({messages, state.ErrorCode}, true, 0, 3, 0);
    EXPECT_EQ(messages.Last().Text, "Selectie niet gelukt");
    EXPECT_EQ(state.ErrorCode, 0);
    ReportScheduleError({messages, state.ErrorCode}, true, 0, 3, 21);
    EXPECT_EQ(messages.Last().Text, "");
    EXPECT_EQ(state.ErrorCode, 21);
    ReportScheduleError({messages, state.ErrorCode}, true, 8, 3, 21);
    EXPECT_EQ(messages.Last().Text, "Geen oplossing dames-tolvex     ");
}

TEST(ReportScheduleError, TooFewCourtsIsSilentWithoutCourtWarnings) {
    int32_t errorCode = 0;
    ScriptedMessenger messages;
    ReportScheduleError({messages, errorCode}, false, 0, 2, 3);
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(errorCode, 0);
    ReportScheduleError({messages, errorCode}, false, 0, 4, 3);
    EXPECT_EQ(messages.Last().Text, "Banen te veel   !  in ronde : 3");
    EXPECT_EQ(errorCode, 3);
}

TEST(ReportFileError, ReadsAndWritesNameTheFileWhatFailedAndTheSystemsReason) {
    const FileError error("/club/caf\xC3\xA9.tvs", "No space left on device");
    CommonState state;
    ScriptedMessenger messages;
    ReportFileError({messages, state.ErrorCode}, error, FileAction::Writing);
    EXPECT_EQ(messages.Last().Text, "/club/caf\xE9.tvs (No space left on device) Wegschrijven "
                                    "NIET gelukt\n\r probeer opnieuw of controleer file");
    EXPECT_EQ(messages.Last().Kind, KindFout);
    EXPECT_EQ(state.ErrorCode, 8);
    state.ErrorCode = 0;
    ReportFileError({messages, state.ErrorCode}, error, FileAction::Reading);
    EXPECT_EQ(messages.Last().Text, "/club/caf\xE9.tvs (No space left on device) Inlezen NIET "
                                    "gelukt\n\r probeer opnieuw of controleer file");
    EXPECT_EQ(state.ErrorCode, 7);
    EXPECT_EQ(FileErrorText(error, FileAction::Unknown),
              "/club/caf\xE9.tvs\rNo space left on device");
    EXPECT_EQ(FileErrorText(FileError("/a.tvs", ""), FileAction::Unknown), "/a.tvs");
}

TEST(MessageTables, TextsWithControlCharactersAndQuotes) {
    EXPECT_EQ(Messages[13], "Match niet te openen \rgebruik \"Nieuwe Match\" ");
    EXPECT_EQ(Messages[36], "Te veel banen gekozen\r\n Aantal wordt aangepast... ");
    EXPECT_EQ(Messages[25], "Banen te veel   ! ");
    EXPECT_EQ(Messages[44], "Bestand is al open");
    EXPECT_EQ(Kinds[15], " alleen M  of  V  toegestaan");
    EXPECT_EQ(Advices[0], " is niet ingevuld!");
}
