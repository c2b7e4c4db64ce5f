// ===========================================================================================
// Commands of the main window whose work is done by windows and operations still to come.
// Each handler is present and wired, and does nothing yet. Whoever builds the work of a
// command moves its handler out of this file into a file of their own.
// ===========================================================================================

#include "shell/tolvex12.h"

// Member list printing.
void TTolvex12::Print1Click() {}

// Member grid and list operations.
void TTolvex12::Adres1Click() {}
void TTolvex12::InvoegSpdBtnClick() {}
void TTolvex12::WegSpdBtnClick() {}
void TTolvex12::Edit1Click() {}
void TTolvex12::ZoekSpdbtnClick() {}
void TTolvex12::SortClubNrClick(int) {}
void TTolvex12::SortSpdBtnClick() {}
void TTolvex12::RandomBtnClick() {}
void TTolvex12::TurvenBtnClick() {}
void TTolvex12::FormResize() {}

// Schedule set-up.
void TTolvex12::SchemaNamenClick(int) {}
void TTolvex12::NaamSpdBtnClick() {}
void TTolvex12::PaarSpdBtnClick() {}

// Reports window and print options window.
void TTolvex12::OpenResultaten(int) {}
void TTolvex12::OpenOpties(int) {}
