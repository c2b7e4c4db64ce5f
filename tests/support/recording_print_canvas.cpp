#include "recording_print_canvas.h"

#include <cstdlib>

void RecordingPrintCanvas::SetFontSize(int points) {
    CurrentFontSize = points;
    CurrentFontHeight = -(points * PixelsPerInch) / 72;
}

void RecordingPrintCanvas::SetFontHeight(int pixels) {
    CurrentFontHeight = pixels;
    CurrentFontSize = std::abs(pixels) * 72 / PixelsPerInch;
}

int RecordingPrintCanvas::TextWidth(std::string_view text) {
    ++Measurements;
    return static_cast<int>(text.size()) * FixedCharWidth;
}

int RecordingPrintCanvas::TextHeight(std::string_view) {
    ++Measurements;
    return std::abs(CurrentFontHeight) * 6 / 5;
}

void RecordingPrintCanvas::BeginDoc(std::string_view title) {
    JobTitle = std::string(title);
    InJob = true;
    Aborted = false;
    Page = 1;
}

void RecordingPrintCanvas::TextOut(int x, int y, std::string_view text) {
    Items.push_back({Page, x, y, 0, 0, std::string(text), false, CurrentFontName, CurrentFontSize,
                     CurrentBold});
}

void RecordingPrintCanvas::Line(int x1, int y1, int x2, int y2) {
    Items.push_back(
        {Page, x1, y1, x2, y2, "", true, CurrentFontName, CurrentFontSize, CurrentBold});
}

std::vector<std::string> RecordingPrintCanvas::TextsOfPage(int page) const {
    std::vector<std::string> texts;
    for (const auto& item : Items)
        if (item.Page == page && !item.IsLine) texts.push_back(item.Text);
    return texts;
}
