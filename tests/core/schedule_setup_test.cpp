#include "schedule_test_setup.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(DefaultCourts, CourtsAreSharedByTheGroupSizes) {
    struct Case {
        int Men, Women, Courts, ExpectMen, ExpectWomen;
    };
    for (Case c : {Case{10, 6, 4, 3, 1}, Case{7, 9, 4, 2, 2}, Case{0, 12, 3, 0, 3}}) {
        ScheduleSetup s;
        s.Params().PairingOptions = 2;
        s.Pairs(c.Men, c.Women, 4, 2, c.Courts, 2, 0);
        EXPECT_EQ(s.Store().CourtsMen[1], c.ExpectMen);
        EXPECT_EQ(s.Store().CourtsWomen[4], c.ExpectWomen);
        EXPECT_EQ(s.Store().CourtsWomen[5], 0);
        EXPECT_EQ(s.Params().PauseOptions, 0); // Pairs() sets the options after the proposal
    }
    ScheduleSetup s;
    s.Params().NDames = 12;
    s.Params().NDubRonden = 3;
    s.Params().NMixRonden = 2;
    s.Params().NBanen = 3;
    s.Params().PairingOptions = 2;
    DefaultCourts(s.State->Store(), s.Ports.Bell, s.View);
    EXPECT_EQ(s.Params().PairingOptions, 3); // only women: they take the first courts
    EXPECT_EQ(s.Params().NMixRonden, 0);
    EXPECT_EQ(s.Params().PauseOptions, 5);
    EXPECT_EQ(s.Store().CourtsMixed[1], 0);
}

// The proposal shares the courts by the players there are: counts that no field lets through
// (a negative group, numbers of every size) never divide by nothing or overflow.
TEST(DefaultCourts, AnyCountsGiveAProposalWithinTheTables) {
    const int32_t values[] = {-2147483647 - 1, -5, -4, -1, 0, 1, 4, 5, 24, 2147483647};
    for (int32_t men : values)
        for (int32_t women : values)
            for (int32_t courts : {-3, 0, 7, 2147483647}) {
                ScheduleSetup s;
                ScheduleParams& p = s.Params();
                p.NHeren = men;
                p.NDames = women;
                p.NDubRonden = 4;
                p.NMixRonden = 2;
                p.NBanen = courts;
                DefaultCourts(s.State->Store(), s.Ports.Bell, s.View);
                // The plain model: the men's share of the courts, rounded to the nearest, of
                // the players there are; a court count beyond a byte is cut to 255.
                long long expectMen = 0;
                if (men > 0) {
                    const long long players = static_cast<long long>(men) + std::max(women, 0);
                    expectMen = (static_cast<long long>(men) * courts + players / 2) / players;
                }
                expectMen = std::clamp<long long>(expectMen, 0, 255);
                EXPECT_EQ(s.Store().CourtsMen[1], expectMen) << men << " " << women;
                EXPECT_EQ(s.Store().CourtsMen[5], 0);
            }
    // 5 men and -5 ladies: the men are all there is.
    ScheduleSetup s;
    s.Params().NHeren = 5;
    s.Params().NDames = -5;
    s.Params().NDubRonden = 2;
    s.Params().NBanen = 3;
    DefaultCourts(s.State->Store(), s.Ports.Bell, s.View);
    EXPECT_EQ(s.Store().CourtsMen[2], 3);
    EXPECT_EQ(s.Store().CourtsWomen[2], 0);
}

TEST(DefaultCourts, MixedRoundsGetAllCourts) {
    ScheduleSetup s;
    s.Pairs(8, 8, 2, 3, 4);
    EXPECT_EQ(s.Store().CourtsMixed[3], 4);
    EXPECT_EQ(s.Store().CourtsMixed[4], 0);
}

TEST(SetGroupLabels, OtherGroupCodesBecomeGroupLabels) {
    ScheduleSetup s;
    EXPECT_EQ(s.Store().GroupLabel[0].View(), " Heren ");
    EXPECT_EQ(s.Store().GroupHeading[1].View(), "DAMES  ");
    EXPECT_EQ(s.Store().GroupLabel[2].View(), " Mixed ");
    s.State->Configuration.Config.CfgRec.Grpn[0] = "a";
    s.State->Configuration.Config.CfgRec.Grpn[1] = " d ";
    SetGroupLabels(s.State->Configuration, s.State->Store());
    EXPECT_EQ(s.Store().GroupLabel[0].View(), " Groep a");
    EXPECT_EQ(s.Store().GroupHeading[0].View(), " GROEP a");
    EXPECT_EQ(s.Store().GroupLabel[1].View(), " Dames ");
}

TEST(ScheduleState, CopiesOfTheApplicationStateHaveTheirOwnStore) {
    AppState a;
    a.Store().NumMen = 7;
    AppState b = a;
    b.Store().NumMen = 9;
    EXPECT_EQ(a.Store().NumMen, 7);
    EXPECT_EQ(b.Store().NumMen, 9);
    EXPECT_EQ(a.Store().RoundTable[24].Courts[32][3], 0); // every table starts zero
}

namespace {

void AddMember(AppState& state, const char* group, const char* code, const char* surname) {
    TLedenObj member;
    member.LidRecord.ClubNo = static_cast<int16_t>(state.Members.MemberList.size());
    member.LidRecord.Voornaam = "Voor";
    member.LidRecord.AchterNaam = surname;
    member.LidRecord.Groep = group;
    member.LidRecord.StatCode = code;
    state.Members.MemberList.push_back(member);
    state.Members.MemberCount = static_cast<int16_t>(state.Members.MemberList.size() - 1);
    state.Members.MemberDataPresent = true;
}

} // namespace

TEST(PrepareSchedule, NamesComeFromTheActiveMembersOfEachGroup) {
    ScheduleSetup s;
    AddMember(*s.State, "h", "X", "Aal");
    AddMember(*s.State, " H", "3", "");
    AddMember(*s.State, "h", "0", "Slaper"); // not active
    AddMember(*s.State, "d", "", "Leeg");    // not active
    AddMember(*s.State, "x", "X", "Ander");  // another group
    ScheduleSetupInput input;
    input.NDubRonden = 3;
    input.NMixRonden = 2;
    input.NBanen = 4;
    input.PairingOptions = 6;
    input.PauseOptions = 4;
    ASSERT_TRUE(PrepareSchedule(s.State->Common, s.State->Configuration, s.State->Members,
                                s.State->Store(), input, s.Ports.Messages, s.Ports.Bell, s.View));
    EXPECT_EQ(s.Params().NHeren, 2);
    EXPECT_EQ(s.Params().NDames, 0);
    EXPECT_EQ(s.Params().NMixRonden, 0); // no women: no mixed rounds
    EXPECT_EQ(s.Store().Of(Men).Names[2].NaamRec.StatusNr, 3);
    EXPECT_EQ(s.Store().Of(Men).Names[1].NaamRec.LidNo, 1);
    EXPECT_EQ(s.Ports.Messages.Texts(),
              std::vector<std::string>{"Actief lid: 2 heeft geen achternaam!"});
    // The proposal gives the men every court; the input's options replace the proposal's.
    EXPECT_EQ(s.Store().CourtsMen[3], 4);
    EXPECT_EQ(s.Store().CourtsMen[4], 0);
    EXPECT_EQ(s.Params().PairingOptions, 6);
    EXPECT_EQ(s.Params().PauseOptions, 4);
    EXPECT_EQ(s.State->Common.ScheduleKind, 1);
}

TEST(PrepareSchedule, GivenCountsAndCourtsReplaceTheRegisterAndTheProposal) {
    ScheduleSetup s;
    for (int i = 0; i < 6; ++i) AddMember(*s.State, "h", "X", "Heer");
    for (int i = 0; i < 6; ++i) AddMember(*s.State, "d", "X", "Dame");
    ScheduleSetupInput input;
    input.NHeren = 4; // the first four of the men's list
    input.NDubRonden = 2;
    input.NMixRonden = 1;
    input.NBanen = 3;
    input.SpeelDatum = 45000;
    CourtsPerRound women{};
    women[1] = 2;
    input.CourtsWomen = women;
    ASSERT_TRUE(PrepareSchedule(s.State->Common, s.State->Configuration, s.State->Members,
                                s.State->Store(), input, s.Ports.Messages, s.Ports.Bell, s.View));
    EXPECT_EQ(s.Params().NHeren, 4);
    EXPECT_EQ(s.Params().NDames, 6);
    EXPECT_EQ(s.Params().SpeelDatum, 45000);
    EXPECT_EQ(s.Store().CourtsMen[1], 1); // (4 x 3 + 5) div 10
    EXPECT_EQ(s.Store().CourtsMen[2], 1);
    EXPECT_EQ(s.Store().CourtsWomen[1], 2);
    EXPECT_EQ(s.Store().CourtsWomen[2], 0); // the given row is taken whole
    EXPECT_EQ(s.Store().CourtsMixed[1], 3);
}

TEST(PrepareSchedule, PairsAreNumbersAndASetUpWithNamesNeedsAMemberFile) {
    ScheduleSetup s;
    ScheduleSetupInput pairs;
    pairs.Kind = 2;
    pairs.NHeren = 0;
    pairs.NDames = 12;
    pairs.NDubRonden = 3;
    pairs.NMixRonden = 3;
    pairs.NBanen = 3;
    ASSERT_TRUE(PrepareSchedule(s.State->Common, s.State->Configuration, s.State->Members,
                                s.State->Store(), pairs, s.Ports.Messages, s.Ports.Bell, s.View));
    EXPECT_EQ(s.Store().CourtsWomen[3], 3);
    EXPECT_EQ(s.Params().NMixRonden, 0);
    EXPECT_EQ(s.State->Common.ScheduleKind, 2);

    ScheduleSetup names;
    EXPECT_FALSE(PrepareSchedule(names.State->Common, names.State->Configuration,
                                 names.State->Members, names.State->Store(), ScheduleSetupInput{},
                                 names.Ports.Messages, names.Ports.Bell, names.View));
    ASSERT_EQ(names.Ports.Messages.Shown.size(), 1u);
    EXPECT_EQ(names.Ports.Messages.Last().Text, "Geen Schema mogelijk zonder Bestand");
    EXPECT_EQ(names.Ports.Messages.Last().Kind, KindFout);
}
