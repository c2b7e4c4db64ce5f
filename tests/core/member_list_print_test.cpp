#include "core/config/config_file.h"
#include "core/config/print_job.h"
#include "core/members/member_list_print.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"
#include "state/app_state.h"

#include <gtest/gtest.h>

namespace {

class FailingPageCanvas : public RecordingPrintCanvas {
public:
    void NewPage() override { throw PrinterUnavailable("out of paper"); }
};

struct MemberPrint {
    AppState State;
    ScriptedMessenger Messages;
    RecordingPrintCanvas Canvas; // 600 ppi, 4800 x 6800, characters 50 wide
    MemberGridPrintout Grid;
    MemberPrintFields Fields;

    explicit MemberPrint(int rows) {
        DefaultConfig(State.Common, State.Configuration);
        State.Members.MemberFileName = "/data/club.tvs";
        State.Configuration.PrnCfg.PrntInstel = 0;
        Grid.Title = "Tennis Tolvex";
        // Screen widths of Ix and the six columns of the normal view; x 4800 div 800 = x 6.
        Grid.ColumnWidths = {20, 40, 80, 160, 40, 40, 120};
        Grid.Cells.push_back({"Ix", "ClubNr", "Voornaam", "Achternaam", "Gr", "St", "Opmerking"});
        for (int r = 1; r <= rows; ++r)
            Grid.Cells.push_back({std::to_string(r), std::to_string(100 + r),
                                  "Voor" + std::to_string(r), "Achter", "h", "a", ""});
    }
    // Measured as the print command does: lines of 100 pixels, characters of 51 on average.
    void Print() {
        Fields.Orientatfact =
            SelectPrinterForJob(State.Common, State.Configuration, Messages, Canvas);
        Canvas.BeginDoc("test");
        PrintRecords(State.Common, State.Configuration, State.Members, Canvas, Grid, Fields);
        Canvas.EndDoc();
    }
    const PrintedItem* Text(std::string_view text) const {
        for (const auto& item : Canvas.Items)
            if (!item.IsLine && item.Text == text) return &item;
        return nullptr;
    }
    std::vector<std::string> FirstNamesOfPage(int page) const {
        std::vector<std::string> names;
        for (const auto& item : Canvas.Items)
            if (item.Page == page && item.Text.rfind("Voor", 0) == 0) names.push_back(item.Text);
        return names;
    }
};

} // namespace

TEST(MemberListPrint, HeadingRowsBarsAndRulesSitAtTheirPrinterPixels) {
    MemberPrint p(2);
    p.Print();
    EXPECT_EQ(p.State.Configuration.PrnCfg.LineHeight, 100);
    EXPECT_EQ(p.State.Configuration.PrnCfg.LeftMarge, 153); // 3 x 51 stays in the settings
    const auto& items = p.Canvas.Items;
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items[0].Text, "Tennis Tolvex");
    EXPECT_EQ(items[0].X, 153);
    EXPECT_EQ(items[0].Y, 200);
    EXPECT_EQ(items[1].Text, "/data/club.tvs");
    EXPECT_EQ(items[1].X, 13 * 50 + 2 * 153);
    EXPECT_EQ(items[1].Y, 200);
    // Row 0: bar, " Nr." instead of the club number heading, then the other headings.
    EXPECT_EQ(items[2].Text, "|");
    EXPECT_EQ(items[2].X, 153 - 51);
    EXPECT_EQ(items[2].Y, 400);
    EXPECT_EQ(items[3].Text, " Nr.");
    EXPECT_EQ(items[3].X, 153);
    EXPECT_EQ(p.Text("Voornaam")->X, 153 + 240);
    EXPECT_EQ(p.Text("Opmerking")->X, 153 + 240 + 480 + 960 + 240 + 240);
    EXPECT_EQ(p.Text("Ix"), nullptr); // the index column is not printed
    EXPECT_EQ(p.Text("ClubNr"), nullptr);
    // The rule under the headings runs to the end of the row, then half a line.
    std::vector<PrintedItem> lines;
    for (const auto& item : items)
        if (item.IsLine) lines.push_back(item);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].X, 153);
    EXPECT_EQ(lines[0].Y, 500);
    EXPECT_EQ(lines[0].X2, 153 + 2880);
    EXPECT_EQ(lines[0].Y2, 500);
    EXPECT_EQ(p.Text("Voor1")->Y, 550);
    EXPECT_EQ(p.Text("Voor2")->Y, 650);
    EXPECT_EQ(lines[1].Y, 750); // the closing rule
    EXPECT_EQ(p.Fields.Pagelines, 4 + 2 + 1);
    EXPECT_EQ(p.Canvas.Page, 1);
}

TEST(MemberListPrint, PagesHoldTheCountedLinesAndLandscapeFewer) {
    // 10 lines to the page: the heading counts 2, row 0 1, the rule 1, each row 1, and a page
    // ends once the count (x 1.4 in landscape) reaches 9.
    MemberPrint portrait(11);
    portrait.State.Configuration.PrnCfg.LinespPage = 10;
    portrait.Print();
    EXPECT_EQ(portrait.Canvas.Page, 3);
    EXPECT_EQ(portrait.FirstNamesOfPage(1),
              (std::vector<std::string>{"Voornaam", "Voor1", "Voor2", "Voor3", "Voor4", "Voor5"}));
    EXPECT_EQ(portrait.FirstNamesOfPage(3), (std::vector<std::string>{"Voornaam", "Voor11"}));
    // Every page starts its heading two lines down; the top margin is not used.
    for (const auto& item : portrait.Canvas.Items)
        if (item.Text == "Tennis Tolvex") {
            EXPECT_EQ(item.Y, 200);
        }

    MemberPrint landscape(11);
    landscape.State.Configuration.PrnCfg.LinespPage = 10;
    landscape.State.Configuration.PrnCfg.Preferent |= PrefLiggend;
    landscape.Print();
    EXPECT_EQ(landscape.Fields.Orientatfact, 140);
    EXPECT_EQ(landscape.Canvas.CurrentOrientation, PrintOrientation::Landscape);
    EXPECT_EQ(landscape.Canvas.Page, 4);
    EXPECT_EQ(landscape.FirstNamesOfPage(1),
              (std::vector<std::string>{"Voornaam", "Voor1", "Voor2", "Voor3"}));
    EXPECT_EQ(landscape.FirstNamesOfPage(4),
              (std::vector<std::string>{"Voornaam", "Voor10", "Voor11"}));
}

TEST(MemberListPrint, TheAddressViewPrintsSevenColumns) {
    MemberPrint p(1);
    p.Grid.ColumnWidths = {20, 40, 60, 80, 100, 40, 60, 60};
    p.Grid.Cells[0] = {"Ix",    "ClubNr",   "Voornaam",   "Achternaam",
                       "Adres", "Postcode", "Woonplaats", "Telefoon"};
    p.Grid.Cells[1] = {"1", "101", "Jan", "Jansen", "Laan 1", "1234 AB", "Dorp", "012-3456789"};
    p.Print();
    EXPECT_EQ(p.Canvas.TextsOfPage(1), (std::vector<std::string>{"Tennis Tolvex",
                                                                 "/data/club.tvs",
                                                                 "|",
                                                                 " Nr.",
                                                                 "|",
                                                                 "Voornaam",
                                                                 "|",
                                                                 "Achternaam",
                                                                 "|",
                                                                 "Adres",
                                                                 "|",
                                                                 "Postcode",
                                                                 "|",
                                                                 "Woonplaats",
                                                                 "|",
                                                                 "Telefoon",
                                                                 "|",
                                                                 "101",
                                                                 "|",
                                                                 "Jan",
                                                                 "|",
                                                                 "Jansen",
                                                                 "|",
                                                                 "Laan 1",
                                                                 "|",
                                                                 "1234 AB",
                                                                 "|",
                                                                 "Dorp",
                                                                 "|",
                                                                 "012-3456789"}));
}

TEST(MemberListPrint, TheCommandRefusesWithoutPrinterAsksAndReportsAFailedJob) {
    MemberPrint none(1);
    none.State.Configuration.PrnCfg.PrntInstel = -1;
    EXPECT_FALSE(PrintMemberList(none.State.Common, none.State.Configuration, none.State.Members,
                                 none.Messages, none.Canvas, none.Grid, none.Fields));
    EXPECT_EQ(none.Messages.Texts(), std::vector<std::string>{"Geen Printer aanwezig"});
    EXPECT_EQ(none.Messages.Last().Kind, KindFout);
    EXPECT_TRUE(none.Canvas.JobTitle.empty());

    MemberPrint no(1);
    no.Messages.Answer(ResultNo);
    EXPECT_FALSE(PrintMemberList(no.State.Common, no.State.Configuration, no.State.Members,
                                 no.Messages, no.Canvas, no.Grid, no.Fields));
    EXPECT_EQ(no.Messages.Last().Text, "Afdrukken op printer: \rTestprinter");
    EXPECT_EQ(no.Messages.Last().Kind, KindInformatie);
    EXPECT_EQ(no.Messages.Last().Buttons, ButtonsJaNee);
    EXPECT_TRUE(no.Canvas.Items.empty());

    MemberPrint yes(1);
    yes.Messages.Answer(ResultYes);
    bool targetAsked = false;
    EXPECT_TRUE(PrintMemberList(yes.State.Common, yes.State.Configuration, yes.State.Members,
                                yes.Messages, yes.Canvas, yes.Grid, yes.Fields, [&] {
                                    targetAsked = true;
                                    return true;
                                }));
    EXPECT_TRUE(targetAsked);
    EXPECT_EQ(yes.Canvas.JobTitle, "Tennis Tolvex");
    EXPECT_FALSE(yes.Canvas.InJob);
    EXPECT_NE(yes.Text("Voor1"), nullptr);

    MemberPrint cancelled(1);
    cancelled.Messages.Answer(ResultYes);
    EXPECT_FALSE(PrintMemberList(cancelled.State.Common, cancelled.State.Configuration,
                                 cancelled.State.Members, cancelled.Messages, cancelled.Canvas,
                                 cancelled.Grid, cancelled.Fields, [] { return false; }));
    EXPECT_TRUE(cancelled.Canvas.JobTitle.empty());

    MemberPrint failing(12);
    FailingPageCanvas canvas;
    failing.State.Configuration.PrnCfg.LinespPage = 10;
    failing.Messages.Answer(ResultYes);
    EXPECT_FALSE(PrintMemberList(failing.State.Common, failing.State.Configuration,
                                 failing.State.Members, failing.Messages, canvas, failing.Grid,
                                 failing.Fields));
    EXPECT_EQ(failing.Messages.Last().Text, " Afdrukken niet gelukt");
    EXPECT_EQ(failing.Messages.Last().Kind, KindFout);
    EXPECT_FALSE(canvas.InJob);
}
