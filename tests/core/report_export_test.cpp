#include "core/config/config_file.h"
#include "core/reports/report_export.h"
#include "core/reports/report_lines.h"
#include "file_test_support.h"
#include "report_test_store.h"

#include <gtest/gtest.h>

namespace {

ReportExportInput Input(int opt, int rounds, std::vector<std::string> captions,
                        const ReportLines& lines, bool bothGroups = true) {
    ReportExportInput input;
    input.Opt = opt;
    input.Rounds = rounds;
    input.BothGroups = bothGroups;
    input.ClubNaam = "TC De Kastanjelaan";
    input.Title = std::string(ReportTitle(opt));
    input.Captions = std::move(captions);
    input.Lines = &lines;
    return input;
}

ReportLines LinesOf(std::vector<std::string> texts) {
    ReportLines lines;
    for (auto& text : texts) AddReportLine(lines, std::move(text));
    return lines;
}

AppState Settings(uint16_t leftMarge, int16_t fontSize) {
    AppState state;
    DefaultConfig(state.Common, state.Configuration);
    state.Configuration.PrnCfg.LeftMarge = leftMarge;
    state.Configuration.PrnCfg.FontSizeTv = fontSize;
    return state;
}

} // namespace

TEST(ReportExport, TheIndentIsTheLeftMarginInFontSizesAndNeverNone) {
    struct Case {
        uint16_t Left;
        int16_t Font;
        std::size_t Blanks;
    };
    for (const Case& c : {Case{118, 10, 11}, Case{30, 10, 3}, Case{5, 10, 1}, Case{0, 10, 1},
                          Case{118, 0, 11}, Case{118, -4, 11}, Case{65535, 1, 65535}}) {
        AppState state = Settings(c.Left, c.Font);
        EXPECT_EQ(ExportIndent(state.Configuration.PrnCfg), std::string(c.Blanks, ' '))
            << c.Left << "/" << c.Font;
    }
}

TEST(ReportExport, PairScheduleFieldsArePaddedToTheirColumns) {
    AppState state = Settings(30, 10); // three blanks
    ReportLines lines = LinesOf({" ,Schema,Tolvex", "1,Jan,Smit,  ,Kees,de Vries,   1",
                                 "-,---,------", "    ", "3,Constantijn,Huygens-Zuylen,,A,B,   2"});
    ReportExportInput input =
        Input(1, 3, {"ronde", "Voornaam", "Achternaam", "tegen", "Voornaam", "Achternaam", "baan"},
              lines);
    const std::string expected =
        "   TC De Kastanjelaan\r\n"
        "   PAREN INDELING\r\n"
        "    \r\n"
        "   ronde,Voornaam,Achternaam,tegen,Voornaam,Achternaam,baan\r\n"
        // " " d=2 fills 5, "Schema" d=7 fills 3, "Tolvex" ends: + 12
        "         Schema   Tolvex            \r\n"
        "   1     Jan      Smit             Kees     de Vries      1  \r\n"
        "   -     ---      ------            \r\n"
        "              \r\n"
        // Longer fields are written whole and push the line on.
        "   3     ConstantijnHuygens-Zuylen      A        B             2  \r\n";
    EXPECT_EQ(ExportReport(state.Configuration, input), expected);
}

TEST(ReportExport, RoundColumnsOfTheCourtScheduleAndTheCrossTable) {
    AppState state = Settings(30, 10);
    ReportLines court =
        LinesOf({"HEREN  ", "Anton,Aalders,,1,1,12", "Bert,Zwart,,-,-,-", "X,Y,", "Z,W,,1,"});
    ReportExportInput input =
        Input(2, 3, {"Voornaam", "Achternaam", "ronde : ", "1", "2", "3"}, court);
    EXPECT_EQ(ExportReport(state.Configuration, input),
              "   TC De Kastanjelaan\r\n"
              "   BAAN SCHEMA\r\n"
              "    \r\n"
              "   Voornaam,Achternaam,ronde : 1   2   3   \r\n"
              "   HEREN            \r\n" // one field and the width of column 1
              "   Anton    Aalders            1   1   12  \r\n"
              "   Bert     Zwart              -   -   -   \r\n"
              // A rest without a comma ends the line; an empty rest after the round columns
              // began counts as one empty field.
              "   X        Y                   \r\n"
              "   Z        W                  1      \r\n");

    // The cross table leaves its last column ("N2") out of the heading and of every line.
    ReportLines cross = LinesOf({"1,Jan Smit,,2,3,12,Piet 2x"});
    ReportExportInput crossInput =
        Input(4, 3, {"Nr", "V.Achternaam", "ronde: ", "1", "2", "3", "N2"}, cross);
    EXPECT_EQ(ExportReport(state.Configuration, crossInput),
              "   TC De Kastanjelaan\r\n"
              "   KRUIS TABEL \r\n"
              "    \r\n"
              "   Nr,V.Achternaam,ronde: 1   2   3   \r\n"
              "   1  Jan Smit            2   3   12  \r\n");
}

TEST(ReportExport, TimesPlayedWritesSixColumnsOrThreeForOneGroup) {
    AppState state = Settings(30, 10);
    ReportLines both = LinesOf({"Jan,Smit,  3,Els,Jansen,  2"});
    const std::vector<std::string> captions = {"Voornaam", "Achternaam", "Aantal",
                                               "Voornaam", "Achternaam", "Aantal"};
    EXPECT_EQ(ExportReport(state.Configuration, Input(3, 3, captions, both)),
              "   TC De Kastanjelaan\r\n"
              "   AANTALMALEN  GESPEELD\r\n"
              "    \r\n"
              "   Voornaam,Achternaam,AantalVoornaam  Achternaam  Aantal  \r\n"
              "   Jan       Smit       3    Els        Jansen        2    \r\n");
    ReportLines one = LinesOf({"Jan,Smit,  3"});
    EXPECT_EQ(ExportReport(state.Configuration,
                           Input(3, 3, {"Voornaam", "Achternaam", "Aantal"}, one, false)),
              "   TC De Kastanjelaan\r\n"
              "   AANTALMALEN  GESPEELD\r\n"
              "    \r\n"
              "   Voornaam,Achternaam,Aantal\r\n"
              "   Jan       Smit       3        \r\n");
}

TEST(ReportExport, SummaryBlockWithItsBlankLineAndThePersonalData) {
    HandStore s;
    FillClubSchedule(s);
    AppState& state = *s.State;
    DefaultConfig(state.Common, state.Configuration);
    state.Configuration.Config.CfgRec.ClubNaam = "TC Oost";
    state.Configuration.PrnCfg.LeftMarge = 20;
    state.Configuration.PrnCfg.FontSizeTv = 10;
    state.Configuration.PrintHeadOn = true;
    state.Configuration.PersDataOn = true;
    const char* persoon[5] = {"J. Smit", "Laan 1", "1234 AB", "Oosterhout", "012-3456789"};
    for (int i = 0; i < 5; ++i) state.Configuration.PrnCfg.Persoon[i] = persoon[i];
    ReportOpening opening = PrepareReport(state.Common, state.Configuration, state.Store(),
                                          s.Messages, ReportPlayCounts);
    ASSERT_TRUE(opening.Report);
    std::string text =
        ExportReport(state.Configuration, ReportExportInputOf(state.Common, state.Configuration,
                                                              state.Store(), *opening.Report));
    const std::string head = "   U heeft gekozen voor :\r\n"
                             "   Aantal heren = 5\r\n"
                             "   Aantal dames = 4\r\n"
                             "   Aantalbanen  = 2\r\n"
                             "   Aantaltolvex = 2   Aantal Gemengd tolvex = 1\r\n"
                             "   Aantalbanen Gemengd Tolvex(1) = 2\r\n"
                             " \r\n"
                             "   Datum : ";
    EXPECT_EQ(text.substr(0, head.size()), head);
    const std::string titles = "\r\n  TC Oost\r\n  AANTALMALEN  GESPEELD\r\n   \r\n"
                               "  Voornaam,Achternaam,AantalVoornaam  Achternaam  Aantal  \r\n";
    EXPECT_NE(text.find(titles), std::string::npos);
    const std::string tail = "  J. SmitLaan 1   Oosterhout012-3456789\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(ReportExport, FileNamesGetTxtUnlessTheyEndInIt) {
    EXPECT_EQ(ExportFileName("/d/verslag.txt"), "/d/verslag.txt");
    EXPECT_EQ(ExportFileName("/d/verslag.TXT"), "/d/verslag.TXT.txt");
    EXPECT_EQ(ExportFileName("/d/verslag"), "/d/verslag.txt");
    EXPECT_EQ(ExportFileName("/d/verslagtxt"), "/d/verslagtxt");
}

TEST(ReportExport, TheCommandWritesTheFileOrSaysWhyNot) {
    ScratchFolder folder;
    AppState state = Settings(30, 10);
    ScriptedMessenger messages;
    ScriptedChooser chooser;
    ReportLines lines = LinesOf({"Jan,Smit,  3"});
    ReportExportInput input = Input(3, 3, {"Voornaam", "Achternaam", "Aantal"}, lines, false);

    chooser.SaveAnswers = {std::nullopt, folder.Path("uit"), folder.Path("geen/map/uit.txt")};
    EXPECT_FALSE(ExportReportCommand({messages, state.Common.ErrorCode}, state.Configuration,
                                     state.Members, chooser, input));
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(ExportReportCommand({messages, state.Common.ErrorCode}, state.Configuration,
                                  state.Members, chooser, input),
              folder.Path("uit.txt"));
    EXPECT_EQ(ReadBytes(folder.Path("uit.txt")), ExportReport(state.Configuration, input));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Bewaren overzicht(en) gelukt"});
    EXPECT_EQ(messages.Last().Kind, KindInformatie);
    EXPECT_EQ(chooser.Requests[0].InitialName, "*.txt");

    messages.Clear();
    EXPECT_FALSE(ExportReportCommand({messages, state.Common.ErrorCode}, state.Configuration,
                                     state.Members, chooser, input));
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Last().Kind, KindFout);
    EXPECT_NE(messages.Last().Text.find("uit.txt"), std::string::npos);
    EXPECT_NE(messages.Last().Text.find(" Wegschrijven NIET gelukt"), std::string::npos);
}

TEST(ReportExport, AnExistingFileIsOverwrittenOnlyWhenTheUserAgrees) {
    ScratchFolder folder;
    AppState state = Settings(30, 10);
    state.Members.MemberFileName = folder.Path("club.tvs");
    ScriptedMessenger messages;
    ScriptedChooser chooser;
    ReportLines lines = LinesOf({"Jan,Smit,  3"});
    ReportExportInput input = Input(3, 3, {"Voornaam", "Achternaam", "Aantal"}, lines, false);
    WriteBytes(folder.Path("verslag.txt"), "vorige week");

    // "verslag" is written as "verslag.txt": the question is about that name.
    chooser.SaveAnswers = {folder.Path("verslag"), folder.Path("verslag")};
    messages.Answer(ResultNo);
    EXPECT_FALSE(ExportReportCommand({messages, state.Common.ErrorCode}, state.Configuration,
                                     state.Members, chooser, input));
    const std::string question =
        "Bestand bestaat al\rbestand:" + folder.Path("verslag.txt") + " overschrijven?";
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{question});
    EXPECT_EQ(messages.Last().Kind, KindBevestig);
    EXPECT_EQ(ReadBytes(folder.Path("verslag.txt")), "vorige week");

    messages.Clear();
    messages.Answer(ResultYes);
    EXPECT_EQ(ExportReportCommand({messages, state.Common.ErrorCode}, state.Configuration,
                                  state.Members, chooser, input),
              folder.Path("verslag.txt"));
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{question, "Bewaren overzicht(en) gelukt"}));
    EXPECT_EQ(ReadBytes(folder.Path("verslag.txt")), ExportReport(state.Configuration, input));

    // The dialog opens in the member file's folder and leaves the question to the command.
    EXPECT_EQ(chooser.Requests[0].InitialName, folder.Path("*.txt"));
    EXPECT_FALSE(chooser.Requests[0].ConfirmOverwrite);
}

TEST(ReportExport, TheDialogStartsInTheMemberFilesFolder) {
    EXPECT_EQ(ExportInitialName("/home/club/leden.tvs"), "/home/club/*.txt");
    EXPECT_EQ(ExportInitialName("leden.tvs"), "*.txt");
    EXPECT_EQ(ExportInitialName("N_N"), "*.txt");
}
