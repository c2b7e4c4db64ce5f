#pragma once
// A printer on paper that only a test reads: every text and line is recorded with the font it was
// drawn in. Characters are FixedCharWidth pixels wide and a text is the font's cell high, so tests
// can compute layouts by hand.

#include "core/common/print_canvas.h"

#include <string>
#include <vector>

struct PrintedItem {
    int Page = 0;
    int X = 0;
    int Y = 0;
    int X2 = 0; // lines only
    int Y2 = 0;
    std::string Text; // empty for a line
    bool IsLine = false;
    std::string FontName;
    int FontSize = 0;
    bool Bold = false;
};

class RecordingPrintCanvas : public PrintCanvas {
public:
    bool Ready() override { return HasPrinter; }
    std::vector<std::string> Printers() override { return PrinterNames; }
    int PrinterIndex() override { return SelectedPrinter; }
    void SetPrinterIndex(int index) override { SelectedPrinter = index; }
    PrintOrientation Orientation() override { return CurrentOrientation; }
    void SetOrientation(PrintOrientation orientation) override { CurrentOrientation = orientation; }

    std::string FontName() override { return CurrentFontName; }
    void SetFontName(std::string_view name) override { CurrentFontName = std::string(name); }
    int FontSize() override { return CurrentFontSize; }
    void SetFontSize(int points) override;
    int FontHeight() override { return CurrentFontHeight; }
    void SetFontHeight(int pixels) override;
    bool FontBold() override { return CurrentBold; }
    void SetFontBold(bool bold) override { CurrentBold = bold; }
    int FontPixelsPerInch() override { return PixelsPerInch; }

    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    int PageWidth() override { return PageWidthPixels; }
    int PageHeight() override { return PageHeightPixels; }

    void BeginDoc(std::string_view title) override;
    void EndDoc() override { InJob = false; }
    void Abort() override {
        InJob = false;
        Aborted = true;
    }
    void NewPage() override { ++Page; }
    int PageNumber() override { return Page; }
    bool Printing() override { return InJob; }

    void TextOut(int x, int y, std::string_view text) override;
    void Line(int x1, int y1, int x2, int y2) override;

    // The texts of one page, in the order they were printed.
    std::vector<std::string> TextsOfPage(int page) const;

    bool HasPrinter = true;
    std::vector<std::string> PrinterNames{"Testprinter"};
    int SelectedPrinter = 0;
    PrintOrientation CurrentOrientation = PrintOrientation::Portrait;
    int PixelsPerInch = 600;
    int PageWidthPixels = 4800;
    int PageHeightPixels = 6800;
    int FixedCharWidth = 50;
    std::string CurrentFontName = "Arial";
    int CurrentFontSize = 10;
    int CurrentFontHeight = -83;
    bool CurrentBold = false;
    int Measurements = 0;

    std::string JobTitle;
    bool InJob = false;
    bool Aborted = false;
    int Page = 0;
    std::vector<PrintedItem> Items;
};
