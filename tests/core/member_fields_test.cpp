#include "core/members/member_fields.h"

#include <gtest/gtest.h>

namespace {

TCfgRec Marks(std::string_view men, std::string_view ladies) {
    TCfgRec cfg{};
    cfg.Grpn[0] = men;
    cfg.Grpn[1] = ladies;
    return cfg;
}

TLidRec WithStatus(std::string_view status, std::string_view oldBytes = "") {
    TLidRec rec{};
    rec.StatCode = oldBytes;
    rec.StatCode = status;
    return rec;
}

} // namespace

TEST(MemberFieldChecks, ClubNumberMustNotBeEmptyAfterTrimming) {
    EXPECT_TRUE(CheckClubNr("12"));
    EXPECT_TRUE(CheckClubNr(" abc "));
    EXPECT_FALSE(CheckClubNr(""));
    EXPECT_FALSE(CheckClubNr("   "));
}

TEST(MemberFieldChecks, GroupIsOneOfTheTwoMarksInAnyCase) {
    TCfgRec cfg = Marks("h", "d");
    EXPECT_TRUE(CheckNewGroep("H", "-", cfg));
    EXPECT_TRUE(CheckNewGroep(" d ", "X", cfg));
    EXPECT_FALSE(CheckNewGroep("x", "-", cfg));
    EXPECT_FALSE(CheckNewGroep("hd", "-", cfg));
    // An empty group only for a member who does not take part.
    EXPECT_TRUE(CheckNewGroep("", "-", cfg));
    EXPECT_TRUE(CheckNewGroep("  ", "-", cfg));
    EXPECT_FALSE(CheckNewGroep("", "X", cfg));
    EXPECT_TRUE(CheckNewGroep("Jun", "A", Marks("JUN", "sen")));
}

TEST(MemberFieldChecks, OneCharacterStatusMustBeKnownLongerOnesPass) {
    for (std::string_view ok : {"-", "1", "9", "A", "I", "X", "a", "i", "x", "", " ", " b "})
        EXPECT_TRUE(CheckNewStat(ok)) << ok;
    for (std::string_view bad : {"0", "J", "j", "Z", "+", "y"})
        EXPECT_FALSE(CheckNewStat(bad)) << bad;
    EXPECT_TRUE(CheckNewStat("c2"));
    EXPECT_TRUE(CheckNewStat("0J"));
    EXPECT_TRUE(CheckNewStat("ZZZ"));
}

TEST(MemberFieldChecks, WholeNumbersAllowBlanksAndSignButNothingElse) {
    EXPECT_EQ(ParseWholeNumber(" 42 ", -10, 100), 42);
    EXPECT_EQ(ParseWholeNumber("-7", -10, 100), -7);
    EXPECT_EQ(ParseWholeNumber("+7", -10, 100), 7);
    EXPECT_EQ(ParseWholeNumber("4 2", -10, 100), std::nullopt);
    EXPECT_EQ(ParseWholeNumber("12a", -10, 100), std::nullopt);
    EXPECT_EQ(ParseWholeNumber("-", -10, 100), std::nullopt);
    EXPECT_EQ(ParseWholeNumber("", -10, 100), std::nullopt);
    // A club number that would not fit its 16-bit field is refused rather than wrapped.
    EXPECT_EQ(ParseWholeNumber("32767", -32768, 32767), 32767);
    EXPECT_EQ(ParseWholeNumber("32768", -32768, 32767), std::nullopt);
    EXPECT_EQ(ParseWholeNumber("99999999999999999999", -32768, 32767), std::nullopt);
    EXPECT_EQ(ConversionErrorText("12a"), "'12a' is geen geldig geheel getal");
}

TEST(MemberFieldChecks, TrimAndUpperCaseTouchOnlyBlanksAndAsciiLetters) {
    EXPECT_EQ(TrimBlanks("\t a b \r\n"), "a b");
    EXPECT_EQ(UpperAscii("ab\xe9z1"), "AB\xe9Z1");
    EXPECT_TRUE(SameTextAscii("Jun", "jUN"));
    EXPECT_FALSE(SameTextAscii("\xe9", "\xc9"));
}

TEST(NormaliseStatusCode, UpperCasesTheFirstLetter) {
    TLidRec rec = WithStatus("a");
    EXPECT_FALSE(NormaliseStatusCode(rec));
    EXPECT_EQ(rec.StatCode.View(), "A");
}

TEST(NormaliseStatusCode, CapsTheSecondCharacterOfAThreeCharacterStatus) {
    TLidRec rec = WithStatus("a5x");
    EXPECT_TRUE(NormaliseStatusCode(rec));
    // Only the first letter: the grid upper-cases the whole status when it stores it.
    EXPECT_EQ(rec.StatCode.View(), "A2x");
    rec = WithStatus("B2Y");
    EXPECT_FALSE(NormaliseStatusCode(rec));
    EXPECT_EQ(rec.StatCode.View(), "B2Y");
    // Two characters are never capped.
    rec = WithStatus("C9");
    EXPECT_FALSE(NormaliseStatusCode(rec));
    EXPECT_EQ(rec.StatCode.View(), "C9");
}

TEST(NormaliseStatusCode, OneCharacterStatusGetsBlankSpareBytes) {
    TLidRec rec = WithStatus("A", "C2X");
    ASSERT_EQ(rec.StatCode.Chars[1], '2');
    NormaliseStatusCode(rec);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&rec.StatCode);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 'A');
    EXPECT_EQ(bytes[2], ' ');
    EXPECT_EQ(bytes[3], ' ');
}
