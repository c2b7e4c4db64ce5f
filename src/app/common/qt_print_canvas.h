#pragma once
// The printer canvas: QPainter on the program's one QPrinter. The printers to choose from are the
// system's, followed by "PDF-bestand", a PDF file, which is there also when the system has none.

#include "core/common/print_canvas.h"

#include <QFont>
#include <QPainter>

class QPrinter;

class QtPrintCanvas : public PrintCanvas {
public:
    explicit QtPrintCanvas(QPrinter& printer);
    ~QtPrintCanvas() override;

    bool Ready() override;
    std::vector<std::string> Printers() override;
    int PrinterIndex() override;
    void SetPrinterIndex(int index) override;
    PrintOrientation Orientation() override;
    void SetOrientation(PrintOrientation orientation) override;

    std::string FontName() override;
    void SetFontName(std::string_view name) override;
    int FontSize() override { return Size; }
    void SetFontSize(int points) override;
    int FontHeight() override { return Height; }
    void SetFontHeight(int pixels) override;
    bool FontBold() override { return Bold; }
    void SetFontBold(bool bold) override { Bold = bold; }
    int FontPixelsPerInch() override;

    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    int PageWidth() override;
    int PageHeight() override;

    void BeginDoc(std::string_view title) override;
    void EndDoc() override;
    void Abort() override;
    void NewPage() override;
    int PageNumber() override { return Page; }
    bool Printing() override { return Painter.isActive(); }

    void TextOut(int x, int y, std::string_view text) override;
    void Line(int x1, int y1, int x2, int y2) override;

    // The entry after the system's printers.
    static constexpr const char* PdfPrinterName = "PDF-bestand";
    // Dots per inch of the PDF file, as an office printer has.
    static constexpr int PdfResolution = 300;
    bool PrintsToFile() const;
    void SetOutputFile(const QString& fileName);
    QString OutputFile() const;

    QPrinter& Device() { return Printer; }
    QFont CurrentFont() const;

private:
    void SelectPrinter(int index);
    void UsePdfFile();

    QPrinter& Printer;
    QPainter Painter;
    QString Name = "MS Sans Serif";
    int Size = 10;
    int Height = 0; // derived from Size on first use
    bool Bold = false;
    int Page = 0;
};
