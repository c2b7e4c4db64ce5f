#pragma once
// The rule that fits a window designed at 96 pixels per inch to the screen's resolution: every
// direct child that is not a panel is moved and sized by 96 / pixels per inch.

struct ControlBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const ControlBounds&) const = default;
};

double PasFormAanFactor(double pixelsPerInch);

// Each value is rounded to the nearest whole pixel, halves to even.
ControlBounds ScaleBounds(const ControlBounds& bounds, double factor);
