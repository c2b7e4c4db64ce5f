#pragma once
// Enter on a push button that has the focus presses it. The windows that use this give Enter to
// their fields' own routes and have no default button, so a button takes Enter only while it
// has the focus.

class QWidget;

// Every push button inside the window at the time of the call.
void PressFocusedButtonsOnEnter(QWidget* window);
