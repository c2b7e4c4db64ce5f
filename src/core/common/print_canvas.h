#pragma once
// The printer as the core sees it: a canvas with a font, text output and lines, pages of a size in
// pixels, and the list of printers to choose from. Texts are Windows-1252 bytes.
//
// Font sizes follow the printer's conventions: the size is in points; the height is in printer
// pixels, negative for the character height without internal leading (what a size gives), so
// height = -(size * pixels per inch) / 72.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Raised by a canvas that has no printer behind it; the printing code reports it and goes on.
class PrinterUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class PrintOrientation { Portrait, Landscape };

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    // False when there is no printer (or no canvas) to print on.
    virtual bool Ready() = 0;

    virtual std::vector<std::string> Printers() = 0;
    virtual int PrinterIndex() = 0; // -1 when none is selected
    virtual void SetPrinterIndex(int index) = 0;
    virtual PrintOrientation Orientation() = 0;
    virtual void SetOrientation(PrintOrientation orientation) = 0;

    virtual std::string FontName() = 0;
    virtual void SetFontName(std::string_view name) = 0;
    virtual int FontSize() = 0;
    virtual void SetFontSize(int points) = 0;
    virtual int FontHeight() = 0;
    virtual void SetFontHeight(int pixels) = 0;
    virtual bool FontBold() = 0;
    virtual void SetFontBold(bool bold) = 0;
    // The resolution the font sizes are converted with.
    virtual int FontPixelsPerInch() = 0;

    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;

    // The printable page in printer pixels.
    virtual int PageWidth() = 0;
    virtual int PageHeight() = 0;

    // A print job: pages are numbered from 1; NewPage starts the next one.
    virtual void BeginDoc(std::string_view title) = 0;
    virtual void EndDoc() = 0;
    virtual void Abort() = 0;
    virtual void NewPage() = 0;
    virtual int PageNumber() = 0;
    virtual bool Printing() = 0;

    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
};
