#include "core/config/config_file.h"
#include "core/config/print_options.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"
#include "state/app_state.h"

#include <gtest/gtest.h>

namespace {

AppState DefaultState() {
    AppState state;
    DefaultConfig(state.Common, state.Configuration);
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
    state.Common.Printer.PrnLinesPerPage = 66;
    EXPECT_EQ(RecomputedLinesPerPage(state.Common, state.Configuration), 61);
    state.Configuration.PrnCfg.LineHeight = 0; // a short configuration file
    EXPECT_EQ(RecomputedLinesPerPage(state.Common, state.Configuration), 61);
    state.Configuration.PrnCfg.TopMarge = 60000;
    EXPECT_EQ(RecomputedLinesPerPage(state.Common, state.Configuration), 1);
    state.Common.Printer.PrnLinesPerPage = 0; // never measured: the stored length stays
    state.Configuration.PrnCfg.LinespPage = 44;
    EXPECT_EQ(RecomputedLinesPerPage(state.Common, state.Configuration), 44);
}

TEST(PrintOptionsPage, FillingMeasuresThePrinterAndRecomputesThePageLength) {
    AppState state = DefaultState();
    ScriptedMessenger messages;
    RecordingPrintCanvas canvas; // 600 ppi, 4800 x 6800
    state.Configuration.PrnCfg.LinespPage = 12;
    SetPrintSwitch(state.Configuration, PrintSwitch::Landscape, true);
    OptiesPage1Values v = FillOptiesPage1(state.Common, state.Configuration, messages, canvas);
    // Font 10 points at 600 ppi: height -83, line 100, 68 lines, 236 pixels per cm.
    EXPECT_EQ(state.Common.Printer.PrnLineHeight, 100);
    EXPECT_EQ(state.Common.Printer.PrnPixPerCm, 236);
    EXPECT_EQ(v.LeftMm, 5);
    EXPECT_EQ(v.TopMm, 8); // 7.5 goes to even
    EXPECT_EQ(v.BottomMm, 5);
    EXPECT_EQ(v.Paglen, 68 - 295 / 50);
    EXPECT_EQ(state.Configuration.PrnCfg.LinespPage, 63);
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
    state.Common.Printer = {};
    OptiesPage1Values v = FillOptiesPage1(state.Common, state.Configuration, messages, canvas);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{" P R I N T E R  N I E T  C O R R E C T "});
    EXPECT_EQ(v.Paglen, 61);
    EXPECT_EQ(v.LeftMm, 10); // shown with the default 118 pixels per cm
}

TEST(PrintOptionsPage, BoxesStoreMillimetresAsPixelsAndRefuseWhatIsNoWholeNumber) {
    AppState state = DefaultState();
    ScriptedMessenger messages;
    state.Common.Printer.PrnPixPerCm = 118;
    EXPECT_TRUE(StoreOptiesBox(state.Common, state.Configuration, messages, BoxLeftMarge, "15"));
    EXPECT_EQ(state.Configuration.PrnCfg.LeftMarge, 177);
    EXPECT_TRUE(
        StoreOptiesBox(state.Common, state.Configuration, messages, BoxBottomMarge, " 10 "));
    EXPECT_EQ(state.Configuration.PrnCfg.BottomMarge, 118);
    EXPECT_TRUE(StoreOptiesBox(state.Common, state.Configuration, messages, BoxPaglen, "55"));
    EXPECT_EQ(state.Configuration.PrnCfg.LinespPage, 55);
    EXPECT_TRUE(messages.Shown.empty());
    for (const char* bad : {"", "abc", "1,5", "-3", "99999"}) {
        EXPECT_FALSE(StoreOptiesBox(state.Common, state.Configuration, messages, BoxTopMarge, bad))
            << bad;
        EXPECT_EQ(messages.Last().Text, std::string("'") + bad + "' is geen geldig geheel getal");
        EXPECT_EQ(messages.Last().Kind, KindFout);
    }
    EXPECT_FALSE(StoreOptiesBox(state.Common, state.Configuration, messages, BoxPaglen, "0"));
    EXPECT_EQ(state.Configuration.PrnCfg.TopMarge, 177);
    EXPECT_EQ(state.Configuration.PrnCfg.LinespPage, 55);
}

TEST(PrintOptionsPage, StoringThePageStopsAtTheFirstFaultyBox) {
    AppState state = DefaultState();
    ScriptedMessenger messages;
    state.Common.Printer.PrnPixPerCm = 118;
    state.Common.Printer.PrnLineHeight = 40;
    OptiesPage1Texts page{"20", "x", "30", "50", true, true, true, true};
    EXPECT_EQ(StoreOptiesPage1(state.Common, state.Configuration, messages, page), BoxTopMarge);
    EXPECT_EQ(state.Configuration.PrnCfg.LeftMarge, 236);
    EXPECT_EQ(state.Configuration.PrnCfg.BottomMarge, 118);
    EXPECT_EQ(state.Configuration.PrnCfg.LineHeight, 50);
    EXPECT_EQ(state.Configuration.PrnCfg.Preferent, PrefNewMark);

    page.Top = "15";
    EXPECT_EQ(StoreOptiesPage1(state.Common, state.Configuration, messages, page), -1);
    EXPECT_EQ(state.Configuration.PrnCfg.BottomMarge, 354);
    EXPECT_EQ(state.Configuration.PrnCfg.LinespPage, 50);
    EXPECT_EQ(state.Configuration.PrnCfg.LineHeight, 40);
    EXPECT_EQ(state.Configuration.PrnCfg.Preferent,
              PrefNewMark | PrefPrintKop | PrefEigenaar | PrefLiggend | PrefPrintTitel);
}

TEST(PrintOptionsSwitches, EachSwitchSetsItsFlagAndItsBit) {
    AppState state = DefaultState();
    struct Case {
        PrintSwitch Which;
        bool ConfigState::*Flag;
        uint16_t Bit;
    };
    const Case cases[] = {{PrintSwitch::PrintHead, &ConfigState::PrintHeadOn, PrefPrintKop},
                          {PrintSwitch::PersData, &ConfigState::PersDataOn, PrefEigenaar},
                          {PrintSwitch::Landscape, &ConfigState::LandscapeOn, PrefLiggend},
                          {PrintSwitch::PrintTitel, &ConfigState::PrintTitelOn, PrefPrintTitel}};
    for (const Case& c : cases) {
        SetPrintSwitch(state.Configuration, c.Which, true);
        EXPECT_TRUE(state.Configuration.*c.Flag);
        EXPECT_EQ(state.Configuration.PrnCfg.Preferent, PrefNewMark | c.Bit);
        SetPrintSwitch(state.Configuration, c.Which, false);
        EXPECT_FALSE(state.Configuration.*c.Flag);
        EXPECT_EQ(state.Configuration.PrnCfg.Preferent, PrefNewMark);
    }
}

TEST(PrintOptionsChoices, TheSamePrinterChangesNothingAnotherGetsTheStandardFont) {
    AppState state = DefaultState();
    RecordingPrintCanvas canvas;
    canvas.PrinterNames = {"Eerste", "Tweede"};
    state.Configuration.PrnCfg.PrntInstel = 1;
    state.Common.PrnFontSet = true;
    state.Configuration.PrnCfg.FontSizePR = 12;
    canvas.SelectedPrinter = 1;
    EXPECT_FALSE(TakeChosenPrinter(state.Common, state.Configuration, canvas));
    EXPECT_TRUE(state.Common.PrnFontSet);
    canvas.SelectedPrinter = 0;
    EXPECT_TRUE(TakeChosenPrinter(state.Common, state.Configuration, canvas));
    EXPECT_EQ(state.Configuration.PrnCfg.PrntInstel, 0);
    EXPECT_FALSE(state.Common.PrnFontSet);
    EXPECT_EQ(state.Configuration.PrnCfg.FontSizePR, 0);
}

TEST(PrintOptionsChoices, FontsAreTakenCutAndACancelledPrintFontStillCountsAsSet) {
    AppState state = DefaultState();
    RecordingPrintCanvas canvas;
    TakePrintFont(state.Common, state.Configuration, canvas, std::nullopt);
    EXPECT_TRUE(state.Common.PrnFontSet);
    EXPECT_EQ(state.Configuration.PrnCfg.FontSizePR, 8);
    const std::string longName = "Een lettertype met een heel lange naam erbij";
    TakePrintFont(state.Common, state.Configuration, canvas, FontChoice{longName, 12});
    EXPECT_EQ(canvas.FontName(), longName);
    EXPECT_EQ(canvas.FontSize(), 12);
    EXPECT_EQ(state.Configuration.PrnCfg.FontSizePR, 12);
    EXPECT_EQ(state.Configuration.PrnCfg.FontNamePR.Str(), longName.substr(0, 24));

    TakeTextFont(state.Common, state.Configuration, FontChoice{longName, 14});
    EXPECT_EQ(state.Common.ScreenFontSize, 14);
    EXPECT_EQ(state.Common.ScreenFontName, longName.substr(0, 32));
    EXPECT_EQ(state.Configuration.PrnCfg.FontNameTv.Str(), longName.substr(0, 32));
    EXPECT_EQ(state.Configuration.PrnCfg.FontSizeTv, 14);
    TakeTextFont(state.Common, state.Configuration, FontChoice{"Arial", 6});
    EXPECT_EQ(state.Configuration.PrnCfg.FontSizeTv, 8);
}

TEST(PrintOptionsChoices, AChosenPrinterFontReachesTheCanvasBeforeMeasuring) {
    AppState state = DefaultState();
    RecordingPrintCanvas canvas;
    state.Common.PrnFontSet = true; // as after loading a configuration with a printer font
    state.Configuration.PrnCfg.FontNamePR.Assign("Courier");
    state.Configuration.PrnCfg.FontSizePR = 12;
    ScriptedMessenger messages;
    FillOptiesPage1(state.Common, state.Configuration, messages, canvas);
    EXPECT_EQ(canvas.FontName(), "Courier");
    EXPECT_EQ(canvas.FontSize(), 12);
    EXPECT_EQ(state.Common.Printer.PrnLineHeight, 120); // |lrint(-100 * 1.2)|
}
