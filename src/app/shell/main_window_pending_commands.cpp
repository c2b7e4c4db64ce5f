// ===========================================================================================
// Commands of the main window whose work is done by windows and operations still to come.
// Each handler is present and wired, and does nothing yet. Whoever builds the work of a
// command moves its handler out of this file into a file of their own.
// ===========================================================================================

#include "app/shell/main_window.h"

// Schedule set-up.
void TTolvex12::SchemaNamenClick(int) {}
void TTolvex12::NaamSpdBtnClick() {}
void TTolvex12::PaarSpdBtnClick() {}

// Reports window.
void TTolvex12::OpenResultaten(int) {}
