#include "core/common/form_scaling.h"

#include <cmath>

double PasFormAanFactor(double pixelsPerInch) {
    return pixelsPerInch > 0 ? 96.0 / pixelsPerInch : 1.0;
}

ControlBounds ScaleBounds(const ControlBounds& bounds, double factor) {
    auto scale = [factor](int value) { return static_cast<int>(std::lrint(value * factor)); };
    return {scale(bounds.Left), scale(bounds.Top), scale(bounds.Width), scale(bounds.Height)};
}
