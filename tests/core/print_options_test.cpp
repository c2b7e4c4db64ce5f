#include "core/config/config_file.h"
#include "core/config/print_options.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <gtest/gtest.h>

namespace {

AppState DefaultState() {
    AppState state;
    DefaultConfig(state);
    return state;
}

} // namespace

TEST(PrintOptionsConversion, MillimetresAndPixelsAtTheDefaultResolution) {
    struct Case {
        int Pixels, PixPerCm, Millimetres;
    };
    // 118 pixels per cm: the default margins show as 10, 15 and 10 mm. Halves go to even.
    const Case cases[] = {{118, 118, 10}, {177, 118, 15}, {0, 118, 0},  {1, 20, 0},
                          {3, 20, 2},     {5, 20, 2},     {7, 20, 4},   {177, 236, 8},
                          {118, 236, 5},  {59, 118, 5},   {177, 0, 15}, {65535, 118, 5554}};
    for (const Case& c : cases)
        EXPECT_EQ(PixelsToMillimetres(c.Pixels, c.PixPerCm), c.Millimetres)
            << c.Pixels << " px at " << c.PixPerCm;
    EXPECT_EQ(MillimetresToPixels(10, 118), uint16_t{118});
    EXPECT_EQ(MillimetresToPixels(15, 118), uint16_t{177});
    EXPECT_EQ(MillimetresToPixels(15, 0), uint16_t{177}); // a zero resolution counts as 118
    EXPECT_EQ(MillimetresToPixels(0, 118), uint16_t{0});
    EXPECT_FALSE(MillimetresToPixels(-1, 118));
    EXPECT_FALSE(MillimetresToPixels(5554 + 1, 118)); // 65546 pixels do not fit a margin
}

TEST(PrintOptionsConversion, PageLengthFollowsTheMeasuredPage) {
    AppState state = DefaultState();
    state.Printer.PrnLinesPerPage = 66;
    EXPECT_EQ(RecomputedLinesPerPage(state), 61);
    state.PrnCfg.LineHeight = 0; // a short configuration file
    EXPECT_EQ(RecomputedLinesPerPage(state), 61);
    state.PrnCfg.TopMarge = 60000;
    EXPECT_EQ(RecomputedLinesPerPage(state), 1);
    state.Printer.PrnLinesPerPage = 0; // never measured: the stored length stays
    state.PrnCfg.LinespPage = 44;
    EXPECT_EQ(RecomputedLinesPerPage(state), 44);
}

TEST(PrintOptionsPage, FillingMeasuresThePrinterAndRecomputesThePageLength) {
    AppState state = DefaultState();
    ScriptedMessenger messages;
    RecordingPrintCanvas canvas; // 600 ppi, 4800 x 6800
    state.PrnCfg.LinespPage = 12;
    SetPrintSwitch(state, PrintSwitch::Landscape, true);
    OptiesPage1Values v = FillOptiesPage1(state, messages, canvas);
    // Font 10 points at 600 ppi: height -83, line 100, 68 lines, 236 pixels per cm.
    EXPECT_EQ(state.Printer.PrnLineHeight, 100);
    EXPECT_EQ(state.Printer.PrnPixPerCm, 236);
    EXPECT_EQ(v.LeftMm, 5);
    EXPECT_EQ(v.TopMm, 8); // 7.5 goes to even
    EXPECT_EQ(v.BottomMm, 5);
    EXPECT_EQ(v.Paglen, 68 - 295 / 50);
    EXPECT_EQ(state.PrnCfg.LinespPage, 63);
    EXPECT_EQ(v.PrntInstel, -1);
    EXPECT_TRUE(v.Landscape);
    EXPECT_FALSE(v.PrintHead);
    EXPECT_TRUE(messages.Shown.empty());
}

TEST(PrintOptionsPage, WithoutAPrinterTheMeasurementIsReportedAndTheLengthStays) {
    AppState state = DefaultState();
    ScriptedMessenger messages;
    RecordingPrintCanvas canvas;
    canvas.HasPrinter = false;
    state.Printer = {};
    OptiesPage1Values v = FillOptiesPage1(state, messages, canvas);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{" P R I N T E R  N I E T  C O R R E C T "});
    EXPECT_EQ(v.Paglen, 61);
    EXPECT_EQ(v.LeftMm, 10); // shown with the default 118 pixels per cm
}

TEST(PrintOptionsPage, BoxesStoreMillimetresAsPixelsAndRefuseWhatIsNoWholeNumber) {
    AppState state = DefaultState();
    ScriptedMessenger messages;
    state.Printer.PrnPixPerCm = 118;
    EXPECT_TRUE(StoreOptiesBox(state, messages, BoxLeftMarge, "15"));
    EXPECT_EQ(state.PrnCfg.LeftMarge, 177);
    EXPECT_TRUE(StoreOptiesBox(state, messages, BoxBottomMarge, " 10 "));
    EXPECT_EQ(state.PrnCfg.BottomMarge, 118);
    EXPECT_TRUE(StoreOptiesBox(state, messages, BoxPaglen, "55"));
    EXPECT_EQ(state.PrnCfg.LinespPage, 55);
    EXPECT_TRUE(messages.Shown.empty());
    for (const char* bad : {"", "abc", "1,5", "-3", "99999"}) {
        EXPECT_FALSE(StoreOptiesBox(state, messages, BoxTopMarge, bad)) << bad;
        EXPECT_EQ(messages.Last().Text, std::string("'") + bad + "' is geen geldig geheel getal");
        EXPECT_EQ(messages.Last().Kind, KindFout);
    }
    EXPECT_FALSE(StoreOptiesBox(state, messages, BoxPaglen, "0"));
    EXPECT_EQ(state.PrnCfg.TopMarge, 177);
    EXPECT_EQ(state.PrnCfg.LinespPage, 55);
}

TEST(PrintOptionsPage, StoringThePageStopsAtTheFirstFaultyBox) {
    AppState state = DefaultState();
    ScriptedMessenger messages;
    state.Printer.PrnPixPerCm = 118;
    state.Printer.PrnLineHeight = 40;
    OptiesPage1Texts page{"20", "x", "30", "50", true, true, true, true};
    EXPECT_EQ(StoreOptiesPage1(state, messages, page), BoxTopMarge);
    EXPECT_EQ(state.PrnCfg.LeftMarge, 236);
    EXPECT_EQ(state.PrnCfg.BottomMarge, 118);
    EXPECT_EQ(state.PrnCfg.LineHeight, 50);
    EXPECT_EQ(state.PrnCfg.Preferent, PrefNewMark);

    page.Top = "15";
    EXPECT_EQ(StoreOptiesPage1(state, messages, page), -1);
    EXPECT_EQ(state.PrnCfg.BottomMarge, 354);
    EXPECT_EQ(state.PrnCfg.LinespPage, 50);
    EXPECT_EQ(state.PrnCfg.LineHeight, 40);
    EXPECT_EQ(state.PrnCfg.Preferent,
              PrefNewMark | PrefPrintKop | PrefEigenaar | PrefLiggend | PrefPrintTitel);
}

TEST(PrintOptionsSwitches, EachSwitchSetsItsFlagAndItsBit) {
    AppState state = DefaultState();
    struct Case {
        PrintSwitch Which;
        bool AppState::*Flag;
        uint16_t Bit;
    };
    const Case cases[] = {{PrintSwitch::PrintHead, &AppState::PrintHeadOn, PrefPrintKop},
                          {PrintSwitch::PersData, &AppState::PersDataOn, PrefEigenaar},
                          {PrintSwitch::Landscape, &AppState::LandscapeOn, PrefLiggend},
                          {PrintSwitch::PrintTitel, &AppState::PrintTitelOn, PrefPrintTitel}};
    for (const Case& c : cases) {
        SetPrintSwitch(state, c.Which, true);
        EXPECT_TRUE(state.*c.Flag);
        EXPECT_EQ(state.PrnCfg.Preferent, PrefNewMark | c.Bit);
        SetPrintSwitch(state, c.Which, false);
        EXPECT_FALSE(state.*c.Flag);
        EXPECT_EQ(state.PrnCfg.Preferent, PrefNewMark);
    }
}

TEST(PrintOptionsChoices, TheSamePrinterChangesNothingAnotherGetsTheStandardFont) {
    AppState state = DefaultState();
    RecordingPrintCanvas canvas;
    canvas.PrinterNames = {"Eerste", "Tweede"};
    state.PrnCfg.PrntInstel = 1;
    state.PrnFontSet = true;
    state.PrnCfg.FontSizePR = 12;
    canvas.SelectedPrinter = 1;
    EXPECT_FALSE(TakeChosenPrinter(state, canvas));
    EXPECT_TRUE(state.PrnFontSet);
    canvas.SelectedPrinter = 0;
    EXPECT_TRUE(TakeChosenPrinter(state, canvas));
    EXPECT_EQ(state.PrnCfg.PrntInstel, 0);
    EXPECT_FALSE(state.PrnFontSet);
    EXPECT_EQ(state.PrnCfg.FontSizePR, 0);
}

TEST(PrintOptionsChoices, FontsAreTakenCutAndACancelledPrintFontStillCountsAsSet) {
    AppState state = DefaultState();
    RecordingPrintCanvas canvas;
    TakePrintFont(state, canvas, std::nullopt);
    EXPECT_TRUE(state.PrnFontSet);
    EXPECT_EQ(state.PrnCfg.FontSizePR, 8);
    const std::string longName = "Een lettertype met een heel lange naam erbij";
    TakePrintFont(state, canvas, FontChoice{longName, 12});
    EXPECT_EQ(canvas.FontName(), longName);
    EXPECT_EQ(canvas.FontSize(), 12);
    EXPECT_EQ(state.PrnCfg.FontSizePR, 12);
    EXPECT_EQ(state.PrnCfg.FontNamePR.Str(), longName.substr(0, 24));

    TakeTextFont(state, FontChoice{longName, 14});
    EXPECT_EQ(state.ScreenFontSize, 14);
    EXPECT_EQ(state.ScreenFontName, longName.substr(0, 32));
    EXPECT_EQ(state.PrnCfg.FontNameTv.Str(), longName.substr(0, 32));
    EXPECT_EQ(state.PrnCfg.FontSizeTv, 14);
    TakeTextFont(state, FontChoice{"Arial", 6});
    EXPECT_EQ(state.PrnCfg.FontSizeTv, 8);
}

TEST(PrintOptionsChoices, AChosenPrinterFontReachesTheCanvasBeforeMeasuring) {
    AppState state = DefaultState();
    RecordingPrintCanvas canvas;
    state.PrnFontSet = true; // as after loading a configuration with a printer font
    state.PrnCfg.FontNamePR.Assign("Courier");
    state.PrnCfg.FontSizePR = 12;
    ScriptedMessenger messages;
    FillOptiesPage1(state, messages, canvas);
    EXPECT_EQ(canvas.FontName(), "Courier");
    EXPECT_EQ(canvas.FontSize(), 12);
    EXPECT_EQ(state.Printer.PrnLineHeight, 120); // |lrint(-100 * 1.2)|
}
