// The main window's schedule commands: "Schema met &Namen", "Schema met &Paren" and their two
// tool buttons open the set-up window.

#include "app/members/member_grid.h"
#include "app/schedule/schedule_setup_window.h"
#include "app/shell/main_window.h"

void TTolvex12::SetSchemaForm(TSchemaForm* schemaForm) {
    SchemaForm = schemaForm;
    if (!schemaForm) return;
    schemaForm->OnGroupLabels = [this] {
        if (LedenArea) LedenArea->SetCounterCaptions();
    };
    schemaForm->OnScheduleAccepted = [this] { EnableUitVoerItems(true); };
    schemaForm->OnFocusMain = [this] {
        activateWindow();
        setFocus();
    };
}

void TTolvex12::SchemaOpzet(int nr) {
    if (!SchemaForm) return;
    // The set-up replaces the names and counts the report window shows.
    CloseResultsForm();
    SchemaForm->SchemaOpzet(nr);
}

void TTolvex12::SchemaNamenClick(int tag) {
    SchemaOpzet(tag);
}

void TTolvex12::NaamSpdBtnClick() {
    SchemaOpzet(1);
}

void TTolvex12::PaarSpdBtnClick() {
    SchemaOpzet(2);
}
