#include "core/config/config_file.h"
#include "core/config/print_job.h"
#include "core/reports/report_lines.h"
#include "core/reports/report_print.h"
#include "recording_print_canvas.h"
#include "report_test_store.h"

#include <gtest/gtest.h>

namespace {

class FailingPageCanvas : public RecordingPrintCanvas {
public:
    void NewPage() override { throw PrinterUnavailable("out of paper"); }
};

struct ReportPrint {
    AppState State;
    ScriptedMessenger Messages;
    RecordingPrintCanvas Canvas; // 600 ppi, 4800 x 6800: lines of 100, characters of 51
    ReportPrintout Report;
    ReportPrintFields Fields;

    explicit ReportPrint(int rows) {
        DefaultConfig(State.Common, State.Configuration); // margins 118, 177, 118; screen font 10
        State.Configuration.PrnCfg.PrntInstel = 0;
        Report.ClubNaam = "TC Oost";
        Report.Title = "BAAN SCHEMA";
        // List widths 80, 160, 160 give 480, 960 and 960 printer pixels: 2400 in all.
        Report.Columns = {{"Naam", 80, false}, {"Achternaam", 160, false}, {"1", 160, true}};
        for (int r = 1; r <= rows; ++r)
            Report.Items.push_back({"V" + std::to_string(r), {"A", "1"}});
    }
    void Print() {
        Fields.OrientFactor =
            SelectPrinterForJob(State.Common, State.Configuration, Messages, Canvas);
        Canvas.BeginDoc("test");
        PrintReport(State.Common, State.Configuration, Canvas, Report, Fields);
        Canvas.EndDoc();
    }
    const PrintedItem& At(std::string_view text) const {
        for (const auto& item : Canvas.Items)
            if (!item.IsLine && item.Text == text) return item;
        throw std::runtime_error("not printed: " + std::string(text));
    }
    // The first texts of the rows on each page.
    std::vector<std::vector<std::string>> RowsByPage() const {
        std::vector<std::vector<std::string>> pages(static_cast<std::size_t>(Canvas.Page));
        for (const auto& item : Canvas.Items)
            if (!item.IsLine && item.Text.size() > 1 && item.Text[0] == 'V')
                pages[static_cast<std::size_t>(item.Page - 1)].push_back(item.Text);
        return pages;
    }
    std::vector<std::string> PageNumbers() const {
        std::vector<std::string> numbers;
        for (const auto& item : Canvas.Items)
            if (item.Text.size() > 2 && item.Text.front() == '-' && item.Text.back() == '-')
                numbers.push_back(std::to_string(item.Page) + ":" + item.Text);
        return numbers;
    }
    std::vector<std::string> Range(int first, int last) const {
        std::vector<std::string> names;
        for (int r = first; r <= last; ++r) names.push_back("V" + std::to_string(r));
        return names;
    }
};

} // namespace

TEST(ReportPrinting, TitleHeadingFramedRowsRulesAndThePageNumberSitAtTheirPixels) {
    ReportPrint p(0);
    p.Report.Items = {{"V1", {"a", "b"}}, {"-", {"---", "---"}}, {"", {}}};
    p.Print();
    EXPECT_EQ(p.State.Configuration.PrnCfg.LineHeight, 100);
    struct Text {
        const char* Text;
        int X, Y;
    };
    const std::vector<Text> expected = {{"TC Oost", 118, 177},  {"BAAN SCHEMA", 118, 277},
                                        {" ", 118, 377},        {"|", 67, 527},
                                        {"Naam", 118, 527},     {"Achternaam", 598, 527},
                                        {"1", 1558, 527},       {"|", 2518, 527},
                                        {"|", 67, 677},         {"V1", 118, 677},
                                        {"a", 598, 677},        {"b", 1558, 677},
                                        {"|", 2518, 677},       {"|", 67, 827},
                                        {"", 118, 827},         {"|", 2518, 827},
                                        {"-1-", 2518 - 30, 927}};
    std::vector<PrintedItem> texts, lines;
    for (const auto& item : p.Canvas.Items) (item.IsLine ? lines : texts).push_back(item);
    ASSERT_EQ(texts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(texts[i].Text, expected[i].Text) << i;
        EXPECT_EQ(texts[i].X, expected[i].X) << i;
        EXPECT_EQ(texts[i].Y, expected[i].Y) << i;
    }
    // Rules above and below the heading, and the dash line as a rule; each half a line.
    ASSERT_EQ(lines.size(), 3u);
    for (const auto& [line, y] : {std::pair{lines[0], 477}, {lines[1], 627}, {lines[2], 777}}) {
        EXPECT_EQ(line.X, 118);
        EXPECT_EQ(line.X2, 118 + 2400);
        EXPECT_EQ(line.Y, y);
        EXPECT_EQ(line.Y2, y);
    }
    EXPECT_EQ(p.Fields.PageLines, 6 + 3);
}

TEST(ReportPrinting, PagesBreakByCountAndLandscapeCountsEachLineOneAndAHalfTimesNearly) {
    ReportPrint portrait(20);
    portrait.State.Configuration.PrnCfg.LinespPage = 12; // a page ends once 11 lines are counted
    portrait.Print();
    EXPECT_EQ(portrait.RowsByPage(),
              (std::vector<std::vector<std::string>>{portrait.Range(1, 5), portrait.Range(6, 16),
                                                     portrait.Range(17, 20)}));
    EXPECT_EQ(portrait.PageNumbers(), (std::vector<std::string>{"1:-1-", "2:-2-", "3:-3-"}));
    // The page number of a full page stands under its last row; later pages start at the top
    // margin without a title block.
    EXPECT_EQ(portrait.At("-1-").Y, 677 + 5 * 100);
    EXPECT_EQ(portrait.At("V6").Y, 177);

    ReportPrint landscape(20);
    landscape.State.Configuration.PrnCfg.LinespPage = 12;
    landscape.State.Configuration.PrnCfg.Preferent |= PrefLiggend;
    landscape.Print();
    EXPECT_EQ(landscape.Fields.OrientFactor, 140);
    EXPECT_EQ(landscape.RowsByPage(), (std::vector<std::vector<std::string>>{
                                          landscape.Range(1, 2), landscape.Range(3, 10),
                                          landscape.Range(11, 18), landscape.Range(19, 20)}));

    ReportPrint titled(6);
    titled.State.Configuration.PrnCfg.LinespPage = 12;
    titled.State.Configuration.PrintTitelOn =
        true; // every page repeats the title block and the heading
    titled.Print();
    EXPECT_EQ(titled.RowsByPage(),
              (std::vector<std::vector<std::string>>{titled.Range(1, 5), titled.Range(6, 6)}));
    EXPECT_EQ(titled.At("V6").Y, 677);
    EXPECT_EQ(titled.Canvas.TextsOfPage(2)[0], "TC Oost");
}

TEST(ReportPrinting, FromNineHundredNinetyNineLinesPagesBreakByTheirHeight) {
    ReportPrint p(70);
    p.State.Configuration.PrnCfg.LinespPage = 999;
    p.Print();
    // 6800 - 118 pixels hold 66 lines of 100: the page ends at the 67th counted line.
    EXPECT_EQ(p.RowsByPage(),
              (std::vector<std::vector<std::string>>{p.Range(1, 61), p.Range(62, 70)}));
    EXPECT_EQ(p.PageNumbers(), (std::vector<std::string>{"1:-1-", "2:-2-"}));
    EXPECT_EQ(p.At("V62").Y, 177);

    ReportPrint below(70);
    below.State.Configuration.PrnCfg.LinespPage =
        998; // below: by count, and 70 rows never reach it
    below.Print();
    EXPECT_EQ(below.Canvas.Page, 1);
}

TEST(ReportPrinting, SummaryBlockOnEveryPageAndThePersonalDataAtTheEnd) {
    ReportPrint p(6);
    p.State.Configuration.PrnCfg.LinespPage = 20;
    p.State.Configuration.PrintHeadOn = true;
    p.State.Configuration.PersDataOn = true;
    p.Report.MixedRounds = 1;
    p.Report.Summary = {"s1", "s2", "s3", "s4", "s5", "s6", "s7"};
    const char* persoon[5] = {"J. Smit", "Laan 1", "1234 AB", "Oosterhout", "012-3456789"};
    for (int i = 0; i < 5; ++i) p.State.Configuration.PrnCfg.Persoon[i] = persoon[i];
    p.Print();
    // The summary block counts M + 7 = 8 lines, the title block and heading 6: a page ends after
    // the fifth row (8 + 6 + 5 = 19), and the next page opens with the summary block again.
    EXPECT_EQ(p.At("s1").Y, 177);
    EXPECT_EQ(p.At("TC Oost").Y, 177 + 700 + 50);
    EXPECT_EQ(p.RowsByPage(),
              (std::vector<std::vector<std::string>>{p.Range(1, 5), p.Range(6, 6)}));
    EXPECT_EQ(p.Canvas.TextsOfPage(2),
              (std::vector<std::string>{"s1", "s2", "s3", "s4", "s5", "s6", "s7", "|", "V6", "A",
                                        "1", "|", "-2-", "J. Smit", "Laan 1", "   Oosterhout",
                                        "012-3456789"}));
    const int numberY = 177 + 700 + 50 + 100;
    EXPECT_EQ(p.At("-2-").Y, numberY);
    EXPECT_EQ(p.At("J. Smit").Y, numberY + 100);
    EXPECT_EQ(p.At("012-3456789").Y, numberY + 400);
    EXPECT_EQ(p.At("012-3456789").X, 118);
}

TEST(ReportPrinting, ThePairScheduleOfAStorePrintsItsDashLinesAsRules) {
    HandStore s;
    FillClubSchedule(s);
    AppState& state = *s.State;
    DefaultConfig(state.Common, state.Configuration);
    state.Configuration.PrnCfg.PrntInstel = 0;
    ReportOpening opening = PrepareReport(state.Common, state.Configuration, state.Store(),
                                          s.Messages, ReportPairSchedule);
    ASSERT_TRUE(opening.Report);
    ReportPrintout report =
        ReportPrintoutOf(state.Common, state.Configuration, state.Store(), *opening.Report,
                         ReportListItems(opening.Report->Lines));
    EXPECT_EQ(report.Title, "PAREN INDELING");
    ASSERT_EQ(report.Columns.size(), 7u);
    EXPECT_EQ(report.Columns[0].Caption, "ronde");
    RecordingPrintCanvas canvas;
    ReportPrintFields fields;
    s.Messages.Answer(ResultYes);
    EXPECT_TRUE(
        PrintReportCommand(state.Common, state.Configuration, s.Messages, canvas, report, fields));
    int dashLines = 0;
    for (const TResultObj& line : opening.Report->Lines) dashLines += line.Regel[0] == '-';
    int rules = 0;
    for (const auto& item : canvas.Items) rules += item.IsLine;
    EXPECT_GT(dashLines, 0);
    EXPECT_EQ(rules, 2 + dashLines);
    EXPECT_EQ(canvas.JobTitle, "PAREN INDELING");
    EXPECT_EQ(s.Messages.Last().Text, "Afdrukken op printer: \rTestprinter");
}

TEST(ReportPrinting, TheCommandRefusesWithoutPrinterAndReportsAFailedJob) {
    ReportPrint none(1);
    none.State.Configuration.PrnCfg.PrntInstel = -1;
    EXPECT_FALSE(PrintReportCommand(none.State.Common, none.State.Configuration, none.Messages,
                                    none.Canvas, none.Report, none.Fields));
    EXPECT_EQ(none.Messages.Texts(),
              std::vector<std::string>{" P R I N T E R  N I E T  A A N W E Z I G "});
    EXPECT_EQ(none.Messages.Last().Kind, KindFout);
    EXPECT_TRUE(none.Canvas.Items.empty());

    ReportPrint no(1);
    no.Messages.Answer(ResultNo);
    EXPECT_FALSE(PrintReportCommand(no.State.Common, no.State.Configuration, no.Messages, no.Canvas,
                                    no.Report, no.Fields));
    EXPECT_EQ(no.Messages.Last().Kind, KindInformatie);
    EXPECT_TRUE(no.Canvas.JobTitle.empty());

    ReportPrint failing(30);
    failing.State.Configuration.PrnCfg.LinespPage = 12;
    FailingPageCanvas canvas;
    failing.Messages.Answer(ResultYes);
    EXPECT_FALSE(PrintReportCommand(failing.State.Common, failing.State.Configuration,
                                    failing.Messages, canvas, failing.Report, failing.Fields));
    EXPECT_EQ(failing.Messages.Last().Text, " Afdrukken niet gelukt");
    EXPECT_EQ(failing.Messages.Last().Kind, KindFout);
    EXPECT_FALSE(canvas.InJob);
}

namespace {

// The page every item should land on, by the page rules with a court kept on one page: a plain
// count of the lines of each page.
std::vector<int> ModelPages(const ReportPrintout& report, int linesPerPage, int orientFactor,
                            int firstPageLines, int laterPageLines, bool keepCourts = true) {
    std::vector<int> pages;
    int page = 1;
    int lines = firstPageLines;
    int rows = 0;
    auto full = [&](int n) { return orientFactor * n / 100 >= linesPerPage - 1; };
    auto next = [&] {
        ++page;
        lines = laterPageLines;
        rows = 0;
    };
    for (std::size_t i = 0; i < report.Items.size(); ++i) {
        const bool first = keepCourts && FirstRowOfCourt(report, i);
        if (first && rows > 0 && full(lines + 1)) next();
        pages.push_back(page);
        ++lines;
        ++rows;
        if (i + 1 < report.Items.size() && !first && full(lines)) next();
    }
    return pages;
}

} // namespace

TEST(ReportPrinting, TheTwoRowsOfACourtStayOnOnePage) {
    HandStore s;
    FillClubSchedule(s);
    AppState& state = *s.State;
    DefaultConfig(state.Common, state.Configuration);
    std::optional<ReportPrintout> printout = s.Printout(ReportPairSchedule);
    ASSERT_TRUE(printout);
    ReportPrintout& report = *printout;
    ASSERT_TRUE(report.CourtsOnTwoRows);
    // Every row gets a name of its own in its first name column, so its page can be found.
    std::vector<std::size_t> courtRows;
    for (std::size_t i = 0; i < report.Items.size(); ++i) {
        if (report.Items[i].SubItems.size() != 6)
            continue; // a court row has six fields after its caption
        report.Items[i].SubItems[0] = "R" + std::to_string(i);
        courtRows.push_back(i);
    }
    int courts = 0;
    for (std::size_t i = 0; i < report.Items.size(); ++i) courts += FirstRowOfCourt(report, i);
    EXPECT_EQ(courts, 2 + 2 + 2); // two rounds of two groups, a mixed round of two courts
    EXPECT_EQ(courtRows.size(), 2u * courts);

    int splitByCount = 0;
    for (bool landscape : {false, true}) {
        for (bool titled : {false, true}) {
            for (int linesPerPage = 2; linesPerPage <= 30; ++linesPerPage) {
                SCOPED_TRACE(testing::Message() << "landscape " << landscape << ", titled "
                                                << titled << ", lines " << linesPerPage);
                state.Configuration.PrnCfg.LinespPage = static_cast<uint16_t>(linesPerPage);
                state.Configuration.PrintTitelOn = titled;
                state.Configuration.PrnCfg.Preferent =
                    static_cast<uint16_t>(landscape ? PrefLiggend : 0);
                RecordingPrintCanvas canvas;
                ReportPrintFields fields;
                fields.OrientFactor =
                    SelectPrinterForJob(state.Common, state.Configuration, s.Messages, canvas);
                canvas.BeginDoc("test");
                PrintReport(state.Common, state.Configuration, canvas, report, fields);
                auto pageOf = [&](std::size_t i) {
                    const std::string name = "R" + std::to_string(i);
                    for (const auto& item : canvas.Items)
                        if (item.Text == name) return item.Page;
                    return 0;
                };
                const int laterLines = titled ? 6 : 0;
                const std::vector<int> model =
                    ModelPages(report, linesPerPage, fields.OrientFactor, 6, laterLines);
                const std::vector<int> byCount =
                    ModelPages(report, linesPerPage, fields.OrientFactor, 6, laterLines, false);
                for (std::size_t i : courtRows) {
                    EXPECT_EQ(pageOf(i), model[i]) << "row " << i;
                    if (FirstRowOfCourt(report, i)) {
                        EXPECT_EQ(pageOf(i), pageOf(i + 1)) << "court of row " << i;
                        splitByCount += byCount[i] != byCount[i + 1];
                    }
                }
            }
        }
    }
    EXPECT_GT(splitByCount, 0); // the line count alone would have split courts

    // The court schedule: a player and his rounds are one row, on one page.
    std::optional<ReportPrintout> courtsPrintout = s.Printout(ReportCourtSchedule);
    ASSERT_TRUE(courtsPrintout);
    ReportPrintout& courtsReport = *courtsPrintout;
    EXPECT_FALSE(courtsReport.CourtsOnTwoRows);
    state.Configuration.PrnCfg.LinespPage = 9;
    RecordingPrintCanvas canvas;
    ReportPrintFields fields;
    fields.OrientFactor =
        SelectPrinterForJob(state.Common, state.Configuration, s.Messages, canvas);
    canvas.BeginDoc("test");
    PrintReport(state.Common, state.Configuration, canvas, courtsReport, fields);
    EXPECT_GT(canvas.Page, 1);
    for (std::size_t i = 0; i < canvas.Items.size(); ++i) {
        const PrintedItem& item = canvas.Items[i];
        if (item.Text != "Smit") continue;
        for (std::size_t j = i; j < canvas.Items.size() && canvas.Items[j].Y == item.Y; ++j)
            EXPECT_EQ(canvas.Items[j].Page, item.Page);
    }
}
