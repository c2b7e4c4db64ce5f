#include "core/common/message_layout.h"

#include <gtest/gtest.h>

TEST(MessageLayout, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(10, 13, 8), 16); // 16.25
    EXPECT_EQ(MulDiv(14, 13, 8), 23); // 22.75
    EXPECT_EQ(MulDiv(10, 2, 8), 3);   // 2.5
    EXPECT_EQ(MulDiv(-10, 2, 8), -3);
    EXPECT_EQ(MulDiv(8, 6, 4), 12);
}

TEST(MessageLayout, AQuestionHasItsIconLeftOfTheTextAndJaNeeCentredBelow) {
    // average character 6 x 13, text 200 x 26, kind Bevestig, "&Ja" + "&Nee"
    MessageLayout l = ComputeMessageLayout(6, 13, 200, 26, 3, 12);
    EXPECT_EQ(l.HorzMargin, 12);
    EXPECT_EQ(l.VertMargin, 13);
    EXPECT_EQ(l.HorzSpacing, 15);
    EXPECT_EQ(l.VertSpacing, 16);
    EXPECT_EQ(l.ButtonWidth, 75);
    EXPECT_EQ(l.ButtonHeight, 23);
    EXPECT_EQ(l.ButtonSpacing, 6);
    EXPECT_TRUE(l.HasIcon);
    EXPECT_EQ(l.ClientWidth, 271); // 200 + 15 + 32 + 2 * 12
    EXPECT_EQ(l.ClientHeight, 97); // 32 + 23 + 16 + 2 * 13
    EXPECT_EQ(l.Icon, (ControlBounds{12, 13, 32, 32}));
    EXPECT_EQ(l.Text, (ControlBounds{59, 13, 200, 26}));
    EXPECT_EQ(l.Buttons[2], (ControlBounds{57, 61, 75, 23}));
    EXPECT_EQ(l.Buttons[3], (ControlBounds{138, 61, 75, 23}));
    EXPECT_EQ(l.DefaultButton, 2);
    EXPECT_EQ(l.CancelButton, 3);
}

TEST(MessageLayout, TheTitleKindHasNoIconAndOkIsDefaultAndCancel) {
    MessageLayout l = ComputeMessageLayout(6, 13, 200, 26, 4, 16);
    EXPECT_FALSE(l.HasIcon);
    EXPECT_EQ(l.ClientWidth, 224);
    EXPECT_EQ(l.ClientHeight, 91);
    EXPECT_EQ(l.Text, (ControlBounds{12, 13, 200, 26}));
    EXPECT_EQ(l.Buttons[4], (ControlBounds{74, 55, 75, 23}));
    EXPECT_EQ(l.DefaultButton, 4);
    EXPECT_EQ(l.CancelButton, 4);
}

TEST(MessageLayout, ButtonsWiderThanTheTextSetTheWidth) {
    // all thirteen buttons: 13 * 75 + 12 * 6 = 1047
    MessageLayout l = ComputeMessageLayout(6, 13, 30, 13, 0, 0x1FFF);
    EXPECT_EQ(l.ClientWidth, 1047 + 24);
    EXPECT_EQ(l.Buttons[0].Left, 12);
    EXPECT_EQ(l.Buttons[12].Left, 12 + 12 * 81);
    EXPECT_EQ(l.DefaultButton, 4);
    EXPECT_EQ(l.CancelButton, 5);
}

TEST(MessageLayout, SetsWithoutTheNamedButtonsHaveNoDefaultOrCancel) {
    MessageLayout empty = ComputeMessageLayout(6, 13, 100, 13, 2, 0);
    EXPECT_EQ(empty.ClientWidth, 100 + 15 + 32 + 24);
    EXPECT_EQ(empty.DefaultButton, NoButton);
    EXPECT_EQ(empty.CancelButton, NoButton);

    EXPECT_EQ(DefaultButtonIndex(256), 7); // "&Opnieuw", though not shown
    MessageLayout ignoreOnly = ComputeMessageLayout(6, 13, 100, 13, 2, 256);
    EXPECT_EQ(ignoreOnly.DefaultButton, NoButton);
    EXPECT_EQ(ignoreOnly.CancelButton, NoButton);

    MessageLayout afAndSchrap = ComputeMessageLayout(6, 13, 100, 13, 2, 2 | 32);
    EXPECT_EQ(afAndSchrap.DefaultButton, 1);
    EXPECT_EQ(afAndSchrap.CancelButton, 5);
    EXPECT_EQ(MessageButtonDefs[10].Caption, std::string("N&ee voor Alle"));
    EXPECT_EQ(MessageButtonDefs[10].Result, 13);
}
