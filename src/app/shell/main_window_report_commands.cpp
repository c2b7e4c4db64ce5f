// The report commands of the main window: "&Uitvoer" and its tool button open the report window
// (see PaarSchemaClick for the focus of an open window and the window list).

#include "app/reports/results_form.h"
#include "app/shell/main_window.h"

void TTolvex12::OpenResultaten(int opt) {
    auto* form = qobject_cast<TResultsForm*>(ResultsForm.data());
    if (!form) return;
    // The report window's popup menu closes the window and opens another report: it is listed
    // again as the menu commands would list it.
    if (!form->OnReopened)
        form->OnReopened = [this] {
            EnableUitVoerItems(true);
            if (!IsWindowListed(BeeldUitvoer)) AddBeeldMenu(ResultsForm, BeeldUitvoer);
        };
    form->OpenResultaten(static_cast<uint16_t>(opt));
}
