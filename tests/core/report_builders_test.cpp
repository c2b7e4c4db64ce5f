// The report lines of small hand-made schedules, field for field.

#include "core/reports/cross_table.h"
#include "core/reports/name_order.h"
#include "core/reports/pair_schedule.h"
#include "core/reports/play_date.h"
#include "core/reports/report_summary.h"
#include "report_test_store.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {

const std::string WomenDash = "-,---,------,----,---,------,----,---,------,----,---,------,----";

TEST(PairSchedule, NamesRoundByRoundWithSectionsSeparatorsAndDashLines) {
    HandStore s;
    FillClubSchedule(s);
    const Lines expected = {
        " ,Schema,Tolvex",
        "1,Jan,Smit,  ,Kees,de Vries,   1",
        " ,Piet,Bakker,  ,Anton,Aalders,   1",
        "    ",
        "1,Els,Jansen,  ,An,Kok,   2",
        " ,Mia,Bos,  ,Ria,Arts,   2",
        WomenDash,
        "2,Jan,Smit,  ,Piet,Bakker,   1",
        " ,Kees,de Vries,  ,Anton,Aalders,   1",
        "    ",
        "2,Els,Jansen,  ,Mia,Bos,   2",
        " ,An,Kok,  ,Ria,Arts,   2",
        WomenDash,
        " ,Schema,Gemengd Tolvex",
        "3,Jan,Smit,,Piet,Bakker,   1",
        "3,Els,Jansen,,Mia,Bos,   1",
        "    ",
        "3,Kees,de Vries,,Anton,Aalders,   2",
        "3,An,Kok,,Ria,Arts,   2",
        WomenDash,
    };
    EXPECT_EQ(s.Lines(ReportPairSchedule), expected);
}

TEST(PairSchedule, LadiesFirstGroupAgainstGroupCourtCodesAndEmptySlots) {
    HandStore s;
    FillClubSchedule(s);
    s.Store().LadiesFirst = true;
    s.Store().Params.PairingOptions = 6;
    s.State->Common.BaanCode[1] = 101;
    s.State->Common.BaanCode[2] = 7;
    s.Rounds(1, 2, 2);
    s.Doubles(1, Women, 1, {{1, 2, 3, 4}});
    s.Doubles(1, Men, 2, {{1, 2, 3, 0}});
    s.Mixed(2, {{1, 1, 2, 2}});
    s.Mixed(3, {{3, 3, 4, 4}});
    const std::string menDash = "-,---,----,----,---,----,----,---,----,----,---,----,----";
    const Lines expected = {
        " ,Schema,Tolvex",
        "1,Els,Jansen,  ,An,Kok,   101",
        " ,Mia,Bos,  ,Ria,Arts,   101",
        "    ",
        "1,Jan,Smit,  ,Kees,de Vries,   7",
        " ,Piet,Bakker,  ,,,   7", // an empty slot shows empty names
        menDash,
        " ,Schema,Groepen Tolvex",
        "2,Jan,Smit,,Els,Jansen,   101",
        "2,Piet,Bakker,,Mia,Bos,   101",
        menDash,
        "3,Kees,de Vries,,An,Kok,   101",
        "3,Anton,Aalders,,Ria,Arts,   101",
        menDash,
    };
    EXPECT_EQ(s.Lines(ReportPairSchedule), expected);
    // Deriving the court tables reported the empty slot.
    ASSERT_EQ(s.Messages.Shown.size(), 1u);
    EXPECT_EQ(s.Messages.Shown[0].Text, "Geen baanpaar op baan:  2 in ronde: 1");
    EXPECT_EQ(s.Messages.Shown[0].Kind, KindFout);
}

TEST(PairSchedule, CutsLongNamesAndUsesTheOnlyGroupForTheDashLine) {
    HandStore s;
    const std::string first(24, 'V'), last(40, 'A');
    s.Names(Women, {{first, last}, {"B", "b"}, {"C", "c"}, {"D", "d"}});
    s.Rounds(1, 0, 1);
    s.Doubles(1, Women, 1, {{1, 2, 3, 4}});
    const Lines lines = s.Lines(ReportPairSchedule);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "    "); // the men have no players: only the separator
    // 24 + 1 + 40 characters: the left text keeps 48 and loses its comma.
    EXPECT_EQ(lines[2], "1," + first + "," + std::string(23, 'A') + "  ,C,c,   1");
    EXPECT_EQ(lines[4], "-," + std::string(24, '-') + "," + std::string(40, '-') + ",----," +
                            std::string(24, '-') + "," + std::string(40, '-') + ",----," +
                            std::string(24, '-') + "," + std::string(40, '-') + ",----," +
                            std::string(24, '-') + "," + std::string(40, '-') + ",----");
    EXPECT_EQ(DashLine(s.Store().Of(Women).Names[2].NaamRec, 1, 4),
              "-,-,-,----,-,-,----,-,-,----,-,-,----");
}

TEST(NumberPairSchedule, LettersNumbersAndSeparators) {
    struct Case {
        uint16_t pairing;
        Lines expected;
    };
    const Case cases[] = {
        {2,
         {" ,Schema,Tolvex", "   1,   H 1,   H 2   ,,   H 3,   H 4,   1",
          "   1,   D 1,   D 2   ,,   D 3,   D 4,   2", "   ", "      ", " ,Schema,Gemengd Tolvex",
          "   2,   H 1,   D 1   ,,   H 2,   D 2,   1", "   2,   H 3,   D 3   ,,   H12,   D 0,   2",
          "   "}},
        // Group against group: the two players of group 1 against the two of group 2.
        {6,
         {" ,Schema,Tolvex", "   1,   H 1,   H 2   ,,   H 3,   H 4,   1",
          "   1,   D 1,   D 2   ,,   D 3,   D 4,   2", "   ", "      ", " ,Schema,Gemengd Tolvex",
          "   2,   H 1,   H 2   ,,   D 1,   D 2,   1", "   2,   H 3,   H12   ,,   D 3,   D 0,   2",
          "   "}},
    };
    for (const Case& c : cases) {
        HandStore s(2);
        s.Numbered(12, 4);
        s.Rounds(1, 1, 2);
        s.Store().Params.PairingOptions = c.pairing;
        s.Doubles(1, Men, 1, {{1, 2, 3, 4}});
        s.Doubles(1, Women, 2, {{1, 2, 3, 4}});
        s.Mixed(2, {{1, 1, 2, 2}, {3, 3, 12, 0}});
        EXPECT_EQ(s.Lines(ReportPairSchedule), c.expected) << c.pairing;
    }
}

TEST(CourtSchedule, NameOrderCourtCodesAndTheEditorForm) {
    HandStore s;
    FillClubSchedule(s);
    EXPECT_EQ(s.Lines(ReportCourtSchedule), (Lines{
                                                "HEREN  ",
                                                "Anton,Aalders,,1,1,2",
                                                "Piet,Bakker,,1,1,1",
                                                "Jan,Smit,,1,1,1",
                                                "Bert,Zwart,,-,-,-",
                                                "Kees,de Vries,,1,1,2",
                                                "DAMES  ",
                                                "Ria,Arts,,2,2,2",
                                                "Mia,Bos,,2,2,1",
                                                "Els,Jansen,,2,2,1",
                                                "An,Kok,,2,2,2",
                                            }));
    s.State->Common.BaanCode[1] = 123; // three digits show two
    s.State->Common.BaanCode[2] = 9;
    const Lines editor = s.Lines(ReportEditor);
    ASSERT_EQ(editor.size(), 11u);
    EXPECT_EQ(editor[1], "1,Anton,Aalders,_,12,12,9");
    EXPECT_EQ(editor[4], "4,Bert,Zwart,_,-,-,-");
    EXPECT_EQ(editor[5], "5,Kees,de_Vries,_,12,12,9");
    EXPECT_EQ(editor[7], "1,Ria,Arts,_,9,9,9");
    s.Store().LadiesFirst = true;
    const Lines ladiesFirst = s.Lines(ReportCourtSchedule);
    EXPECT_EQ(ladiesFirst[0], "DAMES  ");
    EXPECT_EQ(ladiesFirst[5], "HEREN  ");
}

TEST(NameOrder, ByteOrderStableAndTwentyCharacterKey) {
    NameList list{};
    const std::pair<const char*, const char*> names[] = {
        {"Jan", "smit"},
        {"Jan", "Smit"},
        {"Kees", "\xC9"
                 "cole"},
        {"B", "Abcdefghijklmnopqrs1"},
        {"A", "Abcdefghijklmnopqrs1"},
        {"Z", "Abcdefghijklmnopqrs"},
        {"  Ann", " Ab"},
    };
    for (std::size_t i = 0; i < std::size(names); ++i) {
        list[i + 1].NaamRec.Voornaam = names[i].first;
        list[i + 1].NaamRec.AchterNaam = names[i].second;
    }
    // Player 7's key is "Ab  Ann" (the first name as stored); 4 and 5 agree in 20 characters and
    // keep their list order; upper case before lower case, accented letters last.
    EXPECT_EQ(NameOrder(list, 7, true), (std::vector<int>{0, 7, 4, 5, 6, 2, 1, 3}));
    EXPECT_EQ(NameOrder(list, 3, false), (std::vector<int>{0, 1, 2, 3}));
}

TEST(PlayCounts, LargerGroupLeftAndTheShorterSideEndsInACommaPair) {
    HandStore s;
    FillClubSchedule(s);
    EXPECT_EQ(s.Lines(ReportPlayCounts), (Lines{
                                             "HEREN  , , ,DAMES  ",
                                             "Anton,Aalders,   3,Ria,Arts,   2",
                                             "Piet,Bakker,   3,Mia,Bos,   3",
                                             "Jan,Smit,   3,Els,Jansen,   3",
                                             "Bert,Zwart,   0,An,Kok,   3",
                                             "Kees,de Vries,   3,,",
                                         }));
}

TEST(PlayCounts, EqualGroupsPutTheWomenLeftAndOneGroupStandsAlone) {
    HandStore pairs(2);
    pairs.Numbered(2, 2);
    pairs.Rounds(0, 0, 1);
    pairs.PlayCounts(Men, {1, 2});
    pairs.PlayCounts(Women, {3, 4});
    EXPECT_EQ(pairs.Lines(ReportPlayCounts),
              (Lines{"DAMES  , , ,HEREN  ", "D,1,   3,H,1,   1", "D,2,   4,H,2,   2"}));

    HandStore one(1, "a", "b");
    one.Names(Men, {{"Jan", "Smit"}});
    one.Rounds(0, 0, 1);
    one.PlayCounts(Men, {5});
    EXPECT_EQ(one.Lines(ReportPlayCounts), (Lines{" GROEP a", "Jan,Smit,   5,,"}));
}

TEST(CrossTable, OpponentsPerRoundAndTheOneMetMostOften) {
    HandStore s;
    FillClubSchedule(s);
    EXPECT_EQ(s.Lines(ReportCrossTable), (Lines{
                                             " ,HEREN  ",
                                             "1,J. Smit,,3,2,2,    2 ( 2)",
                                             " , ,,4,4,2,    4 (2)",
                                             "2,P. Bakker,,3,1,1,    1 ( 2)",
                                             " , ,,4,3,1",
                                             "3,K. de Vries,,1,2,4",
                                             " , ,,2,4,4,    4 (2)",
                                             "4,A. Aalders,,1,1,3,    1 ( 2)",
                                             " , ,,2,3,3,    3 (2)",
                                             "5,B. Zwart,,-,-,-",
                                             " , ,,-,-,-",
                                             "        ",
                                             " ,DAMES  ",
                                             "1,E. Jansen,,3,2,2,    2 ( 2)",
                                             " , ,,4,4,2,    4 (2)",
                                             "2,M. Bos,,3,1,1,    1 ( 2)",
                                             " , ,,4,3,1",
                                             "3,A. Kok,,1,2,4",
                                             " , ,,2,4,4,    4 (2)",
                                             "4,R. Arts,,1,-,3",
                                             " , ,,2,-,3",
                                         }));
}

TEST(CrossTable, PairsHaveAnEmptyNumberAndTiesGoToTheLowerNumber) {
    HandStore s(2);
    s.Numbered(8, 0);
    s.Rounds(4, 0, 2);
    s.Opponents(Men, 1, {{5, 0}, {3, 7}, {5, 7}, {3, 7}});
    const auto frequent = FrequentOpponents(s.Store().Of(Men), 1, 8, 4);
    EXPECT_EQ(frequent[0].Player, 3);
    EXPECT_EQ(frequent[0].Count, 2);
    EXPECT_EQ(frequent[1].Player, 7);
    EXPECT_EQ(frequent[1].Count, 3);
    const Lines lines = s.Lines(ReportCrossTable);
    ASSERT_EQ(lines.size(), 17u); // heading and two lines per player, no blank line
    EXPECT_EQ(lines[0], " ,HEREN  ");
    EXPECT_EQ(lines[1], ",H. 1,,5,3,5,3,    3 ( 2)");
    EXPECT_EQ(lines[2], " , ,,-,7,7,7,    7 (3)");
    EXPECT_EQ(lines[3], ",H. 2,,-,-,-,-");
}

TEST(SummaryBlock, CountsCourtsMixedRoundsAndDate) {
    HandStore s;
    FillClubSchedule(s);
    s.Store().Params.SpeelDatum = PlayDateSerial({2026, 12, 9});
    const ReportSource source = ReportSourceOf(s.State->Common, s.State->Store());
    EXPECT_EQ(SummaryBlock(source, s.State->Configuration.Config.CfgRec),
              (Lines{" U heeft gekozen voor :", " Aantal heren = 5", " Aantal dames = 4",
                     " Aantalbanen  = 2", " Aantaltolvex = 2   Aantal Gemengd tolvex = 1",
                     " Aantalbanen Gemengd Tolvex(1) = 2", " Datum : 9-12-2026"}));
    s.State->Configuration.Config.CfgRec.Grpn[0] = "Jeu";
    s.State->Configuration.Config.CfgRec.Grpn[1] = "sen";
    const auto other = SummaryBlock(source, s.State->Configuration.Config.CfgRec);
    EXPECT_EQ(other[1], " Aantal spelers in Groep Jeu = 5");
    EXPECT_EQ(other[2], " Aantal spelers in Groep sen = 4");
    EXPECT_EQ(PlayDateSerial({1899, 12, 30}), 0);
    EXPECT_EQ(PlayDateOf(PlayDateSerial({2024, 2, 29})), (CalendarDate{2024, 2, 29}));
}

TEST(ReportLines, ListFieldsDropOnlyAnEmptyLastField) {
    EXPECT_EQ(ReportListFields("a,b,"), (Lines{"a", "b"}));
    EXPECT_EQ(ReportListFields("a,,b"), (Lines{"a", "", "b"}));
    EXPECT_EQ(ReportListFields("    "), (Lines{"    "}));
    EXPECT_EQ(ReportListFields(",x"), (Lines{"", "x"}));
    EXPECT_EQ(CommaFields("a,b,"), (Lines{"a", "b", ""}));
}

TEST(OpenReport, NothingBeforeAScheduleAndNoEditorForPairs) {
    HandStore none;
    none.State->Common.ScheduleKind = 0;
    EXPECT_TRUE(none.Lines(ReportPairSchedule).empty());
    EXPECT_TRUE(none.Messages.Shown.empty());

    HandStore pairs(2);
    pairs.Numbered(4, 0);
    pairs.Rounds(1, 0, 1);
    pairs.Doubles(1, Men, 1, {{1, 2, 3, 4}});
    const ReportOpening opening = PrepareReport(pairs.State->Common, pairs.State->Configuration,
                                                pairs.State->Store(), pairs.Messages, ReportEditor);
    EXPECT_FALSE(opening.Report);
    EXPECT_EQ(opening.Refused, ReportRefusal::EditorNeedsNames);
    EXPECT_EQ(pairs.Messages.Texts(), (Lines{"Alleen mogelijk voor Schema Op Naam "}));

    HandStore names;
    FillClubSchedule(names);
    const ReportOpening editor = PrepareReport(names.State->Common, names.State->Configuration,
                                               names.State->Store(), names.Messages, ReportEditor);
    ASSERT_TRUE(editor.Report);
    EXPECT_EQ(editor.Report->EditorHeading, "Ix,Voornaam,Achternaam,ronde: ,1,2,3");
    EXPECT_EQ(editor.Report->Variant, 5);
}

} // namespace
