#include "core/common/printer_metrics.h"

#include "core/common/error_report.h"

#include <cmath>
#include <cstdlib>
#include <exception>

namespace {

constexpr int PrinterNotCorrect = 20;

uint16_t ToMetric(long value) {
    if (value < 0) return 0;
    return value > 65535 ? uint16_t{65535} : static_cast<uint16_t>(value);
}

} // namespace

void InitPrinterMetrics(CommonState& state, Messenger& messenger, PrintCanvas& canvas) {
    try {
        if (!canvas.Ready()) throw PrinterUnavailable("no printer");
        if (!state.PrnFontSet) {
            canvas.SetFontName("MS Sans-Serif");
            canvas.SetFontSize(10);
            canvas.TextHeight("X");
            canvas.SetFontHeight(-(canvas.FontSize() * canvas.FontPixelsPerInch()) / 72);
            state.PrnFontSet = true;
        } else {
            canvas.TextHeight("X");
        }
        // Halves round to even, as the printer code always did.
        long lineHeight = std::labs(std::lrint(canvas.FontHeight() * 1.2));
        // A font of height 0 would make every page endless: treat it as an unusable printer.
        if (lineHeight == 0) throw PrinterUnavailable("font without height");
        PrinterMetrics metrics;
        metrics.PrnLineHeight = ToMetric(lineHeight);
        metrics.PrnLinesPerPage = ToMetric(canvas.PageHeight() / metrics.PrnLineHeight);
        metrics.PrnCharWidth =
            ToMetric(canvas.TextWidth("AbCdEfGhIjKlMnOpQrStUvWxYz0123456789.,!/") / 40 + 1);
        // The printable width is taken as 20.3 cm.
        metrics.PrnPixPerCm = ToMetric(static_cast<long>(canvas.PageWidth()) * 10 / 203);
        state.Printer = metrics;
    } catch (const std::exception&) {
        ReportError({messenger, state.ErrorCode}, "", PrinterNotCorrect, 0, 0);
    }
}
