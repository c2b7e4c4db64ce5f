// The main window's commands of member list printing, the schedule set-up, the reports window
// and the print options window. This version of the program has none of those windows: the
// commands are wired and have no effect.

#include "app/shell/main_window.h"

// Member list printing.
void TTolvex12::Print1Click() {}

// Schedule set-up.
void TTolvex12::SchemaNamenClick(int) {}
void TTolvex12::NaamSpdBtnClick() {}
void TTolvex12::PaarSpdBtnClick() {}

// Reports window and print options window.
void TTolvex12::OpenResultaten(int) {}
void TTolvex12::OpenOpties(int) {}
