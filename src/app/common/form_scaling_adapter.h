#pragma once
// Fits a window designed at 96 pixels per inch to the screen. Qt already draws every window in
// device-independent pixels of 1/96 inch and scales them to the screen itself, so the program
// applies the rule with 96 pixels per inch, where it changes nothing; a caller can pass another
// resolution for windows that are not scaled by Qt.

class QWidget;

// The resolution of the coordinates the program's windows are laid out in.
inline constexpr double LayoutPixelsPerInch = 96.0;

// Moves and sizes every direct child of a top-level window that is not a panel (a frame, group
// box or plain container), each by 96 / pixelsPerInch. Anything but a top-level window is left
// alone, and so are panels and what they hold.
void PasFormAan(QWidget* window, double pixelsPerInch = LayoutPixelsPerInch);
