// The report commands of the main window: "&Uitvoer" and its tool button open the report window
// (see PaarSchemaClick for the focus of an open window and the window list). An open window is
// only brought forward when it already shows the chosen report of the schedule in the store; a
// window of an earlier schedule is rebuilt or closed, never left to be printed or edited.

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

bool TTolvex12::ShowsCurrentReport(int opt) const {
    const auto* form = qobject_cast<const TResultsForm*>(ResultsForm.data());
    return form && form->ShowsCurrentReport(opt);
}

void TTolvex12::CloseResultsForm() {
    if (ResultsForm && ResultsForm->isVisible()) ResultsForm->close();
}
