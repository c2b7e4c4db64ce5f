#include "schedule_test_setup.h"

#include <gtest/gtest.h>

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
    DefaultCourts(*s.State, s.Ports.Bell, s.View);
    EXPECT_EQ(s.Params().PairingOptions, 3); // only women: they take the first courts
    EXPECT_EQ(s.Params().NMixRonden, 0);
    EXPECT_EQ(s.Params().PauseOptions, 5);
    EXPECT_EQ(s.Store().CourtsMixed[1], 0);
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
    s.State->Config.CfgRec.Grpn[0] = "a";
    s.State->Config.CfgRec.Grpn[1] = " d ";
    SetGroupLabels(*s.State);
    EXPECT_EQ(s.Store().GroupLabel[0].View(), " Groep a");
    EXPECT_EQ(s.Store().GroupHeading[0].View(), " GROEP a");
    EXPECT_EQ(s.Store().GroupLabel[1].View(), " Dames ");
}

TEST(ScheduleState, CopiesOfTheApplicationStateHaveTheirOwnStore) {
    AppState a;
    a.Schedule->NumMen = 7;
    AppState b = a;
    b.Schedule->NumMen = 9;
    EXPECT_EQ(a.Schedule->NumMen, 7);
    EXPECT_EQ(b.Schedule->NumMen, 9);
    EXPECT_EQ(a.Schedule->RoundTable[24].Courts[32][3], 0); // every table starts zero
}
