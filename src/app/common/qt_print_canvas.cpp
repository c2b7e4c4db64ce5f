#include "app/common/qt_print_canvas.h"

#include "app/common/qt_text.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdlib>

QtPrintCanvas::QtPrintCanvas(QPrinter& printer)
    : Printer(printer) {
    if (PrintsToFile()) UsePdfFile();
    Height = -(Size * FontPixelsPerInch()) / 72;
}

QtPrintCanvas::~QtPrintCanvas() {
    if (Painter.isActive()) Painter.end();
}

// A PDF file can always be printed to and measured; its name is asked when the job starts.
bool QtPrintCanvas::Ready() {
    if (!Printer.isValid()) return false;
    if (Printer.outputFormat() == QPrinter::PdfFormat) return true;
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::vector<std::string> QtPrintCanvas::Printers() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(FromQt(name));
    names.emplace_back(PdfPrinterName);
    return names;
}

int QtPrintCanvas::PrinterIndex() {
    QStringList names = QPrinterInfo::availablePrinterNames();
    if (Printer.outputFormat() == QPrinter::PdfFormat) return static_cast<int>(names.size());
    return static_cast<int>(names.indexOf(Printer.printerName()));
}

void QtPrintCanvas::SetPrinterIndex(int index) {
    const int resolution = Printer.resolution();
    SelectPrinter(index);
    // The font keeps its size in points on a printer of another resolution.
    if (Printer.resolution() != resolution) SetFontSize(Size);
}

void QtPrintCanvas::SelectPrinter(int index) {
    QStringList names = QPrinterInfo::availablePrinterNames();
    if (index < 0) {
        // The system's default printer, or the PDF file on a system without printers.
        QPrinterInfo standard = QPrinterInfo::defaultPrinter();
        if (standard.isNull() && !names.isEmpty()) standard = QPrinterInfo::printerInfo(names[0]);
        if (standard.isNull()) {
            UsePdfFile();
        } else {
            Printer.setOutputFormat(QPrinter::NativeFormat);
            Printer.setPrinterName(standard.printerName());
        }
    } else if (index < names.size()) {
        Printer.setOutputFormat(QPrinter::NativeFormat);
        Printer.setPrinterName(names[index]);
    } else if (index == names.size()) {
        UsePdfFile();
    }
}

// The stored margins and line heights are printer pixels; a PDF file gets the resolution of an
// ordinary office printer, so that the default margins mean about a centimetre there too.
void QtPrintCanvas::UsePdfFile() {
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setResolution(PdfResolution);
}

bool QtPrintCanvas::PrintsToFile() const {
    return Printer.outputFormat() == QPrinter::PdfFormat;
}

void QtPrintCanvas::SetOutputFile(const QString& fileName) {
    Printer.setOutputFileName(fileName);
}

QString QtPrintCanvas::OutputFile() const {
    return Printer.outputFileName();
}

PrintOrientation QtPrintCanvas::Orientation() {
    return Printer.pageLayout().orientation() == QPageLayout::Landscape
               ? PrintOrientation::Landscape
               : PrintOrientation::Portrait;
}

void QtPrintCanvas::SetOrientation(PrintOrientation orientation) {
    Printer.setPageOrientation(orientation == PrintOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
}

std::string QtPrintCanvas::FontName() {
    return FromQt(Name);
}

void QtPrintCanvas::SetFontName(std::string_view name) {
    Name = ToQt(name);
}

void QtPrintCanvas::SetFontSize(int points) {
    Size = points;
    Height = -(points * FontPixelsPerInch()) / 72;
}

void QtPrintCanvas::SetFontHeight(int pixels) {
    Height = pixels;
    int ppi = FontPixelsPerInch();
    Size = ppi > 0 ? std::abs(pixels) * 72 / ppi : Size;
}

int QtPrintCanvas::FontPixelsPerInch() {
    return Printer.resolution();
}

QFont QtPrintCanvas::CurrentFont() const {
    QFont font(Name);
    // A negative height is the character height without internal leading, which is what Qt's
    // pixel size means; a positive one includes the leading and is close enough for both.
    font.setPixelSize(Height != 0 ? std::abs(Height) : 1);
    font.setBold(Bold);
    return font;
}

int QtPrintCanvas::TextWidth(std::string_view text) {
    QFontMetrics metrics(CurrentFont(), &Printer);
    return metrics.horizontalAdvance(ToQt(text));
}

int QtPrintCanvas::TextHeight(std::string_view) {
    QFontMetrics metrics(CurrentFont(), &Printer);
    return metrics.height();
}

int QtPrintCanvas::PageWidth() {
    return Printer.width();
}

int QtPrintCanvas::PageHeight() {
    return Printer.height();
}

void QtPrintCanvas::BeginDoc(std::string_view title) {
    Printer.setDocName(ToQt(title));
    if (!Painter.begin(&Printer)) throw PrinterUnavailable("the printer cannot start a job");
    Page = 1;
}

void QtPrintCanvas::EndDoc() {
    if (Painter.isActive()) Painter.end();
}

void QtPrintCanvas::Abort() {
    Printer.abort();
    if (Painter.isActive()) Painter.end();
}

void QtPrintCanvas::NewPage() {
    if (!Printer.newPage()) throw PrinterUnavailable("the printer cannot start a new page");
    ++Page;
}

void QtPrintCanvas::TextOut(int x, int y, std::string_view text) {
    if (!Painter.isActive()) return;
    QFont font = CurrentFont();
    Painter.setFont(font);
    // The position is the top left of the text cell, as with every other text of the program.
    Painter.drawText(x, y + QFontMetrics(font, &Printer).ascent(), ToQt(text));
}

void QtPrintCanvas::Line(int x1, int y1, int x2, int y2) {
    if (Painter.isActive()) Painter.drawLine(x1, y1, x2, y2);
}
