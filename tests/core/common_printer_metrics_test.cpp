#include "core/common/printer_metrics.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <gtest/gtest.h>

TEST(InitPrinterMetrics, FirstUseGivesThePrinterItsDefaultFontAndMeasuresIt) {
    CommonState state;
    ScriptedMessenger messages;
    RecordingPrintCanvas canvas; // 600 ppi, 4800 x 6800 pixels, characters 50 pixels wide
    InitPrinterMetrics(state, messages, canvas);
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(canvas.CurrentFontName, "MS Sans-Serif");
    EXPECT_EQ(canvas.CurrentFontHeight, -83); // -(10 * 600) div 72
    EXPECT_TRUE(state.PrnFontSet);
    EXPECT_EQ(state.Printer.PrnLineHeight, 100); // |round(-83 * 1.2)| = |round(-99.6)|
    EXPECT_EQ(state.Printer.PrnLinesPerPage, 68);
    EXPECT_EQ(state.Printer.PrnCharWidth, 51); // 40 characters of 50 pixels, div 40, + 1
    EXPECT_EQ(state.Printer.PrnPixPerCm, 236); // 4800 * 10 div 203
}

TEST(InitPrinterMetrics, AChosenFontIsKeptAndOnlyMeasured) {
    CommonState state;
    state.PrnFontSet = true;
    ScriptedMessenger messages;
    RecordingPrintCanvas canvas;
    canvas.CurrentFontName = "Courier New";
    canvas.CurrentFontHeight = -12;
    canvas.PageWidthPixels = 2400;
    canvas.PageHeightPixels = 3500;
    canvas.FixedCharWidth = 10;
    InitPrinterMetrics(state, messages, canvas);
    EXPECT_EQ(canvas.CurrentFontName, "Courier New");
    EXPECT_EQ(canvas.CurrentFontHeight, -12);
    EXPECT_EQ(state.Printer.PrnLineHeight, 14); // |round(-14.4)|
    EXPECT_EQ(state.Printer.PrnLinesPerPage, 250);
    EXPECT_EQ(state.Printer.PrnCharWidth, 11);
    EXPECT_EQ(state.Printer.PrnPixPerCm, 118);
    EXPECT_GE(canvas.Measurements, 2);
}

TEST(InitPrinterMetrics, WithoutPrinterTheUserIsToldAndTheMetricsStay) {
    CommonState state;
    state.Printer = {20, 30, 40, 50};
    ScriptedMessenger messages;
    RecordingPrintCanvas canvas;
    canvas.HasPrinter = false;
    InitPrinterMetrics(state, messages, canvas);
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Last().Text, " P R I N T E R  N I E T  C O R R E C T ");
    EXPECT_EQ(messages.Last().Kind, KindFout);
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_EQ(state.Printer.PrnLineHeight, 20);
    EXPECT_EQ(state.Printer.PrnLinesPerPage, 30);
    EXPECT_EQ(state.Printer.PrnCharWidth, 40);
    EXPECT_EQ(state.Printer.PrnPixPerCm, 50);
    EXPECT_FALSE(state.PrnFontSet);
}

TEST(InitPrinterMetrics, AFontWithoutHeightIsAnUnusablePrinterNotADivisionByZero) {
    CommonState state;
    state.PrnFontSet = true;
    state.Printer = {20, 30, 40, 50};
    ScriptedMessenger messages;
    RecordingPrintCanvas canvas;
    canvas.CurrentFontHeight = 0;
    InitPrinterMetrics(state, messages, canvas);
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Last().Text, " P R I N T E R  N I E T  C O R R E C T ");
    EXPECT_EQ(state.Printer.PrnLinesPerPage, 30);
}
