#include "core/common/form_scaling.h"
#include "core/common/short_string.h"
#include "core/common/windows1252.h"
#include "scripted_ports.h"
#include "state/start_up_values.h"

#include <gtest/gtest.h>

TEST(StartUpValues, ARunStartsWithoutListAndWithTodayFixed) {
    AppState state;
    state.Members.MemberFileName = "/tmp/club.tvs";
    state.Members.BackupPending = false;
    state.Common.PrnFontSet = true;
    state.Common.ScheduleKind = 2;
    SetStartUpValues(state, {2015, 1, 7});
    EXPECT_EQ(state.Members.MemberFileName, "N_N");
    EXPECT_TRUE(state.Members.BackupPending);
    EXPECT_FALSE(state.Members.MemberDataPresent);
    EXPECT_EQ(state.Common.ScreenFontName, "MS Sans Serif");
    EXPECT_EQ(state.Common.ScreenFontSize, 10);
    EXPECT_FALSE(state.Common.PrnFontSet);
    EXPECT_EQ(state.Common.ScheduleKind, 1);
    EXPECT_EQ(state.Common.TodayDate.Str(), "07-01-2015");
    EXPECT_EQ(state.Common.TodayDate.Length, 10);
}

TEST(PasFormAan, ControlsShrinkBy96OverThePixelsPerInch) {
    EXPECT_DOUBLE_EQ(PasFormAanFactor(96), 1.0);
    EXPECT_EQ(ScaleBounds({10, 20, 75, 25}, PasFormAanFactor(96)), (ControlBounds{10, 20, 75, 25}));
    // 120 ppi: factor 0.8; 5 * 0.8 = 4, 13 * 0.8 = 10.4, 3 * 0.8 = 2.4
    EXPECT_EQ(ScaleBounds({5, 13, 100, 3}, PasFormAanFactor(120)), (ControlBounds{4, 10, 80, 2}));
    // halves go to the even neighbour: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2
    EXPECT_EQ(ScaleBounds({1, 3, 5, 7}, 0.5), (ControlBounds{0, 2, 2, 4}));
}

TEST(ShortString, TextIsCutAndTheBytesBehindTheLengthStay) {
    ShortString<5> s{};
    s.Assign("Jansen");
    EXPECT_EQ(s.Str(), "Janse");
    s.Assign("Li");
    EXPECT_EQ(s.Length, 2);
    EXPECT_EQ(std::string(s.Chars, 5), "Linse");
    s.Length = 200; // a damaged length byte
    EXPECT_EQ(s.Str(), "Linse");
}
