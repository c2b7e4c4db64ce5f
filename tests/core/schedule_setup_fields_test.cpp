#include "core/schedule/schedule_setup_fields.h"
#include "scripted_ports.h"
#include "state/app_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

namespace {

struct Fields {
    std::unique_ptr<AppState> State = std::make_unique<AppState>();
    ScriptedMessenger Messages;
    CountingBeeper Bell;
    Fields() {
        State->Members.MemberCount = 25;
        State->Configuration.Config.CfgRec.NDubRonden = 6;
        State->Configuration.Config.CfgRec.NMixRonden = 2;
        State->Configuration.Config.CfgRec.NBanen = 9;
    }
    ScheduleParams& Params() { return State->Store().Params; }
    TakeResult Take(int tag, const char* text) {
        return TakeNumberField({Messages, State->Common.ErrorCode}, State->Configuration,
                               State->Members, State->Store(), Bell, tag, text);
    }
};

const std::string Advice = "\n\r corrigeer (zonodig) Configuratie";

} // namespace

TEST(SetupFields, CaptionsNameTheFieldAndTheRowOnScreen) {
    EXPECT_EQ(FieldCaption(1), " heren ");
    EXPECT_EQ(FieldCaption(4), " Mixtolvex ");
    EXPECT_EQ(FieldCaption(11), "heren ronde 1 ");
    EXPECT_EQ(FieldCaption(16), "heren ronde 6 ");
    EXPECT_EQ(FieldCaption(17), "dames ronde 1 ");
    EXPECT_EQ(FieldCaption(23), "Mixed paar ronde 1 ");
    EXPECT_EQ(FieldCaption(24), "Mixed paar ronde 2");
    EXPECT_EQ(FieldCaption(26), "Mixed paar ronde 4 ");
    EXPECT_EQ(FieldCaption(28), "Mixed paar ronde 6");
    EXPECT_EQ(FieldCaption(6), "");
}

TEST(SetupFields, EveryCheckHasItsMessageAndKeepsTheOldValue) {
    struct Case {
        int Tag;
        const char* Text;
        std::string Message; // empty: stored
        TakeResult Result;
    };
    const Case cases[] = {
        {1, "25", "", TakeResult::Stored},
        {1, "30", "Aantal  heren te groot: 30 niet toegestaan" + Advice, TakeResult::Refused},
        {1, " -1 ", "Aantal  heren foutief: -1 bestaat niet" + Advice, TakeResult::Refused},
        {2, "16", "Aantal  dames te groot: 16 niet toegestaan" + Advice, TakeResult::Refused},
        {2, "15", "", TakeResult::Stored},
        {3, "7", "Aantal  tolvex te groot: 7 niet toegestaan" + Advice, TakeResult::Refused},
        {4, "3", "Aantal  Mixtolvex te groot: 3 niet toegestaan" + Advice, TakeResult::Refused},
        {5, "10", "Aantal  banen te groot: 10 niet toegestaan" + Advice, TakeResult::Refused},
        {13, "10", "Aantal heren ronde 3 te groot: 10 niet toegestaan" + Advice,
         TakeResult::Refused},
        {24, "-2", "Aantal Mixed paar ronde 2te groot: -2 niet toegestaan" + Advice,
         TakeResult::Refused},
        {1, "1x", "Aantal  heren foutief: 1x bestaat niet" + Advice, TakeResult::NotNumber},
        {19, "", "Aantal dames ronde 3 foutief:  bestaat niet" + Advice, TakeResult::NotNumber},
    };
    for (const Case& c : cases) {
        Fields f;
        f.Params().NHeren = 10;
        f.Params().PageCourtsMen[3] = 4;
        const TakeResult result = f.Take(c.Tag, c.Text);
        EXPECT_EQ(result, c.Result) << c.Tag << " " << c.Text;
        EXPECT_EQ(f.State->Common.ErrorCode, 0);
        if (c.Message.empty()) {
            EXPECT_TRUE(f.Messages.Shown.empty());
            EXPECT_EQ(f.Bell.Beeps, 0);
        } else {
            ASSERT_EQ(f.Messages.Shown.size(), 1u) << c.Text;
            EXPECT_EQ(f.Messages.Last().Text, c.Message);
            EXPECT_EQ(f.Messages.Last().Kind, KindFout);
            EXPECT_EQ(f.Bell.Beeps, 1);
            EXPECT_EQ(f.Params().NHeren, 10);
            EXPECT_EQ(f.Params().PageCourtsMen[3], 4);
        }
    }
}

TEST(SetupFields, ValidValuesGoIntoTheCountsAndTheGridPage) {
    Fields f;
    EXPECT_EQ(f.Take(1, " 12 "), TakeResult::Stored);
    EXPECT_EQ(f.Take(2, "13"), TakeResult::Stored); // 12 + 13 = 25 members
    EXPECT_EQ(f.Take(3, "6"), TakeResult::Stored);
    EXPECT_EQ(f.Take(4, "2"), TakeResult::Stored);
    EXPECT_EQ(f.Take(5, "9"), TakeResult::Stored);
    EXPECT_EQ(f.Take(11, "3"), TakeResult::Stored);
    EXPECT_EQ(f.Take(22, "4"), TakeResult::Stored);
    EXPECT_EQ(f.Take(28, "9"), TakeResult::Stored);
    EXPECT_EQ(f.Params().NHeren, 12);
    EXPECT_EQ(f.Params().NDames, 13);
    EXPECT_EQ(f.Params().NDubRonden, 6);
    EXPECT_EQ(f.Params().NMixRonden, 2);
    EXPECT_EQ(f.Params().NBanen, 9);
    EXPECT_EQ(f.Params().PageCourtsMen[1], 3);
    EXPECT_EQ(f.Params().PageCourtsWomen[6], 4);
    EXPECT_EQ(f.Params().PageCourtsMixed[6], 9);
    EXPECT_TRUE(f.Messages.Shown.empty());
}

TEST(SetupFields, CourtPagesShowTheRoundsOfTheWholeSchedule) {
    auto state = std::make_unique<AppState>();
    ScheduleStore& store = state->Store();
    store.Params.NDubRonden = 4;
    store.Params.PauseOptions = 0x35;
    for (int r = 1; r <= 24; ++r) {
        store.CourtsMen[r] = static_cast<uint8_t>(r);
        store.CourtsWomen[r] = static_cast<uint8_t>(30 + r);
        store.CourtsMixed[r] = static_cast<uint8_t>(100 + r);
    }
    ShowCourtPage(store, 0);
    EXPECT_EQ(store.Params.PageCourtsMen[2], 2);
    EXPECT_EQ(store.Params.PageCourtsWomen[6], 36);
    EXPECT_EQ(store.Params.PageCourtsMixed[4], 0);   // round 4 is a doubles round
    EXPECT_EQ(store.Params.PageCourtsMixed[5], 101); // round 5 is mixed round 1
    EXPECT_EQ(store.Params.PauseOptions, 5);

    store.Params.PageCourtsMixed[6] = 7;
    store.Params.PageCourtsMen[1] = 8;
    SaveCourtPage(store, 0);
    EXPECT_EQ(store.CourtsMixed[2], 7);
    EXPECT_EQ(store.CourtsMen[1], 8);

    ShowCourtPage(store, 3); // rounds 19..24
    EXPECT_EQ(store.Params.PageCourtsMen[1], 19);
    EXPECT_EQ(store.Params.PageCourtsMixed[6], 120); // round 24 is mixed round 20

    EXPECT_EQ(MovedCourtPage(3, 1), 3);
    EXPECT_EQ(MovedCourtPage(0, -1), 0);
    EXPECT_EQ(MovedCourtPage(1, 1), 2);
}

// "&Meer" takes the five counts as Enter takes each: the first wrong one ends the taking with
// the message for a wrong count, whatever its sign and size.
TEST(SetupFields, MoreTakesTheCountsInOrderAndStopsAtTheFirstWrongOne) {
    struct Case {
        std::array<std::string, 5> Texts;
        int Refused;         // Tag, 0 all stored
        std::string Message; // empty: none
    };
    const Case cases[] = {
        {{"10", "15", "6", "2", "9"}, 0, ""},
        {{"5", "-5", "6", "2", "9"}, 2, "Aantal  dames foutief: -5 bestaat niet" + Advice},
        {{"-4", "4", "6", "2", "9"}, 1, "Aantal  heren foutief: -4 bestaat niet" + Advice},
        {{"5", "5", "-2147483645", "2", "9"},
         3,
         "Aantal  tolvex foutief: -2147483645 bestaat niet" + Advice},
        {{"5", "5", "6", "-2147483648", "9"},
         4,
         "Aantal  Mixtolvex foutief: -2147483648 bestaat niet" + Advice},
        {{"5", "5", "6", "2", "-1"}, 5, "Aantal  banen foutief: -1 bestaat niet" + Advice},
        {{"2147483647", "0", "6", "2", "9"},
         1,
         "Aantal  heren te groot: 2147483647 niet toegestaan" + Advice},
        {{"20", "2147483647", "6", "2", "9"},
         2,
         "Aantal  dames te groot: 2147483647 niet toegestaan" + Advice},
        {{"20", "6", "6", "2", "9"}, 2, "Aantal  dames te groot: 6 niet toegestaan" + Advice},
        {{"5", "5", "99", "2", "9"}, 3, "Aantal  tolvex te groot: 99 niet toegestaan" + Advice},
        {{"5", "5", "6", "2", "99999999999"},
         5,
         "Aantal  banen foutief: 99999999999 bestaat niet" + Advice},
        {{"5", "", "6", "2", "9"}, 2, "Aantal  dames foutief:  bestaat niet" + Advice},
    };
    for (const Case& c : cases) {
        Fields f;
        f.Params().NHeren = 3;
        const int refused =
            TakeCountFields({f.Messages, f.State->Common.ErrorCode}, f.State->Configuration,
                            f.State->Members, f.State->Store(), f.Bell, c.Texts);
        EXPECT_EQ(refused, c.Refused) << c.Message;
        EXPECT_EQ(f.State->Common.ErrorCode, 0);
        if (c.Message.empty()) {
            EXPECT_TRUE(f.Messages.Shown.empty());
            EXPECT_EQ(f.Params().NHeren, 10);
            EXPECT_EQ(f.Params().NBanen, 9);
            continue;
        }
        ASSERT_EQ(f.Messages.Shown.size(), 1u) << c.Message;
        EXPECT_EQ(f.Messages.Last().Text, c.Message);
        EXPECT_EQ(f.Messages.Last().Kind, KindFout);
        // The counts before the wrong one are stored; it and those after it are not.
        if (c.Refused == 1) {
            EXPECT_EQ(f.Params().NHeren, 3);
        }
        EXPECT_EQ(f.Params().NBanen, 0);
    }
}

// The configuration allows at most 24 rounds; one read from a damaged file may say more, but the
// schedule has room for 24.
TEST(SetupFields, RoundsNeverPassTheTwentyFourTheScheduleHolds) {
    Fields f;
    f.State->Configuration.Config.CfgRec.NDubRonden = 99;
    f.State->Configuration.Config.CfgRec.NMixRonden = 99;
    EXPECT_EQ(FieldErrorState(f.State->Configuration, f.State->Members, f.State->Store(), 3, 24),
              0);
    EXPECT_EQ(FieldErrorState(f.State->Configuration, f.State->Members, f.State->Store(), 3, 25),
              13);
    f.Params().NDubRonden = 20;
    EXPECT_EQ(FieldErrorState(f.State->Configuration, f.State->Members, f.State->Store(), 4, 4), 0);
    EXPECT_EQ(FieldErrorState(f.State->Configuration, f.State->Members, f.State->Store(), 4, 5),
              14);
    f.Params().NDubRonden = -2147483647 - 1;
    EXPECT_EQ(FieldErrorState(f.State->Configuration, f.State->Members, f.State->Store(), 4, 24),
              0);
    EXPECT_EQ(
        FieldErrorState(f.State->Configuration, f.State->Members, f.State->Store(), 4, 2147483647),
        14);
}

// The court pages read and write rounds 1..24 only, whatever the counts held when the page was
// turned.
TEST(SetupFields, CourtPagesStayInsideTheTablesForEveryRoundsCount) {
    const int32_t doubles[] = {-2147483647 - 1, -2147483645, -7, -1, 0, 3, 24, 25, 2147483647};
    for (int32_t d : doubles) {
        for (int page = -1; page <= 5; ++page) {
            auto state = std::make_unique<AppState>();
            ScheduleStore& store = state->Store();
            store.CourtsMixed.fill(7);
            store.Params.NDubRonden = d;
            store.Params.PageCourtsMixed.fill(5);
            ShowCourtPage(store, page);
            const int shownPage = std::clamp(page, 0, 3);
            for (int row = 1; row <= 6; ++row) {
                const long long mixedRound = 6LL * shownPage + row - d;
                const bool mixed = mixedRound >= 1 && mixedRound <= 24;
                EXPECT_EQ(store.Params.PageCourtsMixed[row], mixed ? 7 : 0) << d << " " << page;
            }
            store.Params.PageCourtsMixed.fill(9);
            SaveCourtPage(store, page);
            EXPECT_EQ(store.CourtsMixed[0], 7) << d; // the unused place is never written
        }
    }
}

TEST(SetupFields, EnterAndArrowsFollowTheRoutesOfTheWindow) {
    const std::pair<int, int> enter[] = {{1, 2}, {5, 6},   {6, 7},   {7, 8},   {9, 10},  {10, 0},
                                         {0, 0}, {11, 12}, {16, 17}, {22, 23}, {27, 28}, {28, 11}};
    for (auto [from, to] : enter) EXPECT_EQ(EnterTarget(from), to) << from;
    const std::pair<int, int> down[] = {{1, 11},  {11, 12}, {16, 17}, {21, 22},
                                        {27, 28}, {28, -1}, {5, 11}};
    for (auto [from, to] : down) EXPECT_EQ(DownTarget(from), to) << from;
    const std::pair<int, int> up[] = {{12, 11}, {17, 16}, {18, 17}, {24, 23},
                                      {28, 27}, {11, 11}, {1, 11}};
    for (auto [from, to] : up) EXPECT_EQ(UpTarget(from), to) << from;
}

TEST(SetupFields, TheScheduleDateCountsDaysFromTheEndOf1899) {
    EXPECT_EQ(SerialDate({1899, 12, 30}), 0);
    EXPECT_EQ(SerialDate({2001, 10, 24}), 37188);
    EXPECT_EQ(SerialDate({2026, 12, 9}), 46365);
    for (CalendarDate d : {CalendarDate{2001, 10, 24}, CalendarDate{2024, 2, 29},
                           CalendarDate{1900, 3, 1}, CalendarDate{2099, 12, 31}})
        EXPECT_EQ(DateOfSerial(SerialDate(d)), d);
}

TEST(CourtCoding, TheWalkWrapsAtTheConfiguredCourtsAndNeverPassesCourt32) {
    auto state = std::make_unique<AppState>();
    state->Configuration.Config.CfgRec.NBanen = 9;
    int curr = 1;
    TakeCourtCode(state->Common, state->Configuration, curr, -1,
                  12); // court 1 gets 12, then back to court 9
    EXPECT_EQ(state->Common.BaanCode[1], 12);
    EXPECT_EQ(curr, 9);
    TakeCourtCode(state->Common, state->Configuration, curr, 1, -3); // codes are not checked
    EXPECT_EQ(state->Common.BaanCode[9], -3);
    EXPECT_EQ(curr, 1);

    state->Configuration.Config.CfgRec.NBanen = 40; // a configuration confirmed without its checks
    curr = 32;
    TakeCourtCode(state->Common, state->Configuration, curr, 1, 7);
    EXPECT_EQ(state->Common.BaanCode[32], 7);
    EXPECT_EQ(curr, 1);
    curr = 1;
    TakeCourtCode(state->Common, state->Configuration, curr, -1, 1);
    EXPECT_EQ(curr, 32);
    state->Configuration.Config.CfgRec.NBanen = 0;
    TakeCourtCode(state->Common, state->Configuration, curr, 1, 5);
    EXPECT_EQ(curr, 1);
}
