#include "core/config/config_dialog_fields.h"
#include "core/config/config_file.h"
#include "scripted_ports.h"
#include "state/app_state.h"

#include <gtest/gtest.h>

namespace {

struct FieldFixture : ::testing::Test {
    FieldFixture() { DefaultConfig(State.Common, State.Configuration); }
    // Enter in a field: the check with its reports.
    void Enter(int field, std::string_view text) {
        State.Common.ErrorCode = 0;
        CheckConfigTextField(State.Common, State.Configuration, Messages, Bell, field, text, true);
    }
    AppState State;
    ScriptedMessenger Messages;
    CountingBeeper Bell;
};

} // namespace

TEST_F(FieldFixture, TooFewMembersIsReportedYetStored) {
    Enter(FieldNLeden, "3");
    EXPECT_EQ(Messages.Texts(), std::vector<std::string>{"Aantal Leden = 0 : "});
    EXPECT_EQ(Messages.Last().Kind, KindFout);
    EXPECT_EQ(State.Common.ErrorCode, 2);
    EXPECT_EQ(+State.Configuration.Config.CfgRec.NLeden, 3);
    EXPECT_EQ(Bell.Beeps, 1);
    Messages.Clear();
    Enter(FieldNLeden, "-5");
    EXPECT_EQ(Messages.Texts(), std::vector<std::string>{"Aantal Leden = 0 : "});
    Messages.Clear();
    Enter(FieldNLeden, " 400 ");
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(State.Common.ErrorCode, 0);
    EXPECT_EQ(+State.Configuration.Config.CfgRec.NLeden, 400);
    Enter(FieldNLeden, " 401");
    EXPECT_EQ(Messages.Texts(), std::vector<std::string>{"Aantal te groot 401 bestaat niet\n\r"});
    EXPECT_EQ(State.Common.ErrorCode, 12);
}

TEST_F(FieldFixture, MixedRoundsAreLimitedByTheDoublesRoundsAlreadyStored) {
    State.Configuration.Config.CfgRec.NDubRonden = 4;
    Enter(FieldNMixRonden, "21");
    EXPECT_EQ(Messages.Texts(), std::vector<std::string>{"Aantal te groot 21 bestaat niet\n\r"});
    EXPECT_EQ(State.Common.ErrorCode, 14);
    Messages.Clear();
    Enter(FieldNMixRonden, "20");
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(+State.Configuration.Config.CfgRec.NMixRonden, 20);
    Enter(FieldNMixRonden, "-1");
    EXPECT_EQ(Messages.Texts(),
              std::vector<std::string>{
                  "Geen mixtolvex  is geen geldig getal\n\r corrigeer (zonodig) Configuratie"});
    EXPECT_EQ(State.Common.ErrorCode, 4);
}

TEST_F(FieldFixture, EveryRangeOfTheTableGivesItsCodeAndText) {
    struct Case {
        int Field;
        const char* Text;
        int Code;
        const char* Report;
    };
    const Case cases[] = {
        {FieldNDubRonden, "25", 13, "Aantal te groot 25 bestaat niet\n\r"},
        {FieldNDubRonden, "-2", 3,
         "Geen tolvex  is geen geldig getal\n\r corrigeer (zonodig) Configuratie"},
        {FieldNDubRonden, "24", 0, ""},
        {FieldNBanen, "0", 5,
         "Aantal banen  is geen geldig getal\n\r corrigeer (zonodig) Configuratie"},
        {FieldNBanen, "", 5,
         "Aantal banen  is geen geldig getal\n\r corrigeer (zonodig) Configuratie"},
        {FieldNBanen, "32", 0, ""},
        {FieldNBanen, "33", 15, "Aantal te groot 33 bestaat niet\n\r"},
        {FieldNMatches, "41", 16, "Aantal te groot 41 bestaat niet\n\r"},
        {FieldNMatches, "-1", 8,
         "Aantal matches  is geen geldig getal\n\r corrigeer (zonodig) Configuratie"},
        {FieldNMatches, "40", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " in field " + std::to_string(c.Field));
        Messages.Clear();
        Enter(c.Field, c.Text);
        EXPECT_EQ(State.Common.ErrorCode, c.Code);
        if (c.Code == 0)
            EXPECT_TRUE(Messages.Shown.empty());
        else
            EXPECT_EQ(Messages.Texts(), std::vector<std::string>{c.Report});
    }
}

TEST_F(FieldFixture, UnconvertibleNumbersBeepAndBecomeZeroWithoutACheck) {
    CheckConfigTextField(State.Common, State.Configuration, Messages, Bell, FieldNBanen, "7x",
                         false);
    EXPECT_EQ(Bell.Beeps, 1);
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(+State.Configuration.Config.CfgRec.NBanen, 0);
    CheckConfigTextField(State.Common, State.Configuration, Messages, Bell, FieldNLeden, "1000",
                         false);
    EXPECT_EQ(+State.Configuration.Config.CfgRec.NLeden, 1000);
}

TEST_F(FieldFixture, NumbersBeyondSixteenBitsNeverWrapIntoRange) {
    EXPECT_EQ(ConvertConfigNumber("65540"), int16_t{32767});
    EXPECT_EQ(ConvertConfigNumber("-99999999999999999999"), int16_t{-32768});
    EXPECT_EQ(ConvertConfigNumber("  +12 "), int16_t{12});
    EXPECT_EQ(ConvertConfigNumber("1 2"), std::nullopt);
    EXPECT_EQ(ConvertConfigNumber("-"), std::nullopt);
    Enter(FieldNLeden, "65540");
    EXPECT_EQ(Messages.Texts(), std::vector<std::string>{"Aantal te groot 65540 bestaat niet\n\r"});
}

TEST_F(FieldFixture, GroupMarksAreTrimmedAndMustStartWithALetter) {
    Enter(FieldGroep1, "  m ");
    EXPECT_EQ(State.Configuration.Config.CfgRec.Grpn[0], "m");
    Enter(FieldGroep2, "Vrouw");
    EXPECT_EQ(State.Configuration.Config.CfgRec.Grpn[1], "Vro");
    EXPECT_TRUE(Messages.Shown.empty());
    Enter(FieldGroep1, " 1h");
    EXPECT_EQ(Messages.Texts(),
              std::vector<std::string>{"Aanduiding foutief 1h heeft verkeerd formaat\n\r"});
    EXPECT_EQ(State.Configuration.Config.CfgRec.Grpn[0], "m");
    EXPECT_EQ(State.Common.ErrorCode, 2);
    Messages.Clear();
    // Without a check the mark is checked all the same, and an empty mark is refused.
    CheckConfigTextField(State.Common, State.Configuration, Messages, Bell, FieldGroep2, "   ",
                         false);
    EXPECT_EQ(Messages.Texts(),
              std::vector<std::string>{"Aanduiding foutief  heeft verkeerd formaat\n\r"});
    EXPECT_EQ(State.Configuration.Config.CfgRec.Grpn[1], "Vro");
}

TEST_F(FieldFixture, ClubNameIsTakenAsTypedAndCut) {
    Enter(FieldClubNaam, " TC Het Net en de Lijn, opgericht 1923");
    EXPECT_EQ(State.Configuration.Config.CfgRec.ClubNaam, " TC Het Net en de Lijn, opgerich");
}

TEST_F(FieldFixture, SwitchingGamesCountingOnIsNoticedOnlyFromZero) {
    bool changed = false;
    CheckGamesField(State.Configuration, true, changed);
    EXPECT_TRUE(changed);
    EXPECT_EQ(+State.Configuration.Config.CfgRec.Telling, 1);
    changed = false;
    CheckGamesField(State.Configuration, true, changed);
    EXPECT_FALSE(changed);
    CheckGamesField(State.Configuration, false, changed);
    EXPECT_EQ(+State.Configuration.Config.CfgRec.Telling, 0);
}

TEST_F(FieldFixture, OptionBoxesSetTheirBitsAndLeaveTheOthers) {
    CheckOptionField(State.Configuration, FieldVeelWeinig, false);
    CheckOptionField(State.Configuration, FieldHelpmess, true);
    CheckOptionField(State.Configuration, FieldBaancode, true);
    EXPECT_EQ(+State.Configuration.Config.CfgRec.Cfgflags, 16 | 2 | 4);
}

TEST(PrepareConfigDial, MenuWithoutAListRefusesAndNieuwStartsFresh) {
    AppState state;
    ScriptedMessenger messages;
    EXPECT_FALSE(PrepareConfigDial(state.Common, state.Configuration, messages, false,
                                   state.Members.MemberListLoaded));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Geen Ledenbestand geladen"});
    EXPECT_EQ(messages.Last().Kind, KindWaarschuwing);
    state.Members.MemberDataPresent = false; // what a cancelled "&Open" leaves of a loaded list
    state.Members.MemberListLoaded = true;
    EXPECT_TRUE(PrepareConfigDial(state.Common, state.Configuration, messages, false,
                                  state.Members.MemberListLoaded));
    state.Configuration.Config.ClubLengte = 5;
    EXPECT_TRUE(PrepareConfigDial(state.Common, state.Configuration, messages, true,
                                  state.Members.MemberListLoaded));
    EXPECT_EQ(+state.Configuration.Config.ClubLengte, 0);
    EXPECT_EQ(+state.Configuration.Config.CfgRec.NBanen, 9);
}
