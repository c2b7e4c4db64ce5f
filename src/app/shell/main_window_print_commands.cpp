// ===========================================================================================
// The main window's print commands: the member list on the printer or in a preview, and the
// options window "Opties".
// ===========================================================================================

#include "app/common/print_or_preview.h"
#include "app/common/qt_text.h"
#include "app/config/options_window.h"
#include "app/members/member_grid.h"
#include "app/members/member_grid_table.h"
#include "app/shell/main_window.h"
#include "core/config/print_job.h"
#include "core/members/member_list_print.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>

void TTolvex12::CreatePrintCommands() {
    PrintPreview1 = new QAction("Afdruk&voorbeeld ledenlijst", this);
    PrintPreview1->setObjectName("PrintPreview1");
    PrintPreview1->setStatusTip("Voorbeeld van de afgedrukte ledenlijst");
    PrintPreview1->setEnabled(Print1->isEnabled());
    BestandMenu->insertAction(Adres1, PrintPreview1);
    // The preview is available exactly when printing is.
    connect(Print1, &QAction::enabledChanged, PrintPreview1, &QAction::setEnabled);
    connect(PrintPreview1, &QAction::triggered, this, &TTolvex12::PrintPreview1Click);
}

MemberGridPrintout TTolvex12::MemberGridAsShown() {
    MemberGridPrintout grid;
    grid.Title = FromQt(windowTitle());
    if (!LedenArea) return grid;
    // A cell being edited prints with what was typed into it.
    if (auto* table = qobject_cast<LedenTable*>(LedenGrid); table && table->IsEditing())
        table->CloseCellEditor(true);
    const int columns = LedenGrid->columnCount();
    for (int c = 0; c < columns; ++c) grid.ColumnWidths.push_back(LedenGrid->columnWidth(c));
    for (int r = 0; r <= LedenGrid->rowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < columns; ++c) row.push_back(FromQt(LedenArea->CellText(c, r)));
        grid.Cells.push_back(std::move(row));
    }
    return grid;
}

void TTolvex12::Print1Click() {
    PrintMemberListAs(PrintMode::Print);
}

void TTolvex12::PrintPreview1Click() {
    PrintMemberListAs(PrintMode::Preview);
}

void TTolvex12::PrintMemberListAs(PrintMode mode) {
    if (!State.Members.MemberDataPresent && State.Members.MemberCount == 0) return;
    const MemberGridPrintout grid = MemberGridAsShown();
    MemberPrintFields fields{Orientatfact, Pagelines};
    PrintoutCommands printout;
    printout.Title = grid.Title;
    printout.Print = [&](const std::function<bool()>& chooseTarget) {
        PrintMemberList(State.Common, State.Configuration, State.Members, Ports.Msg, Ports.Printer,
                        grid, fields, chooseTarget);
    };
    printout.SelectPrinter = [&] {
        fields.Orientatfact =
            SelectPrinterForJob(State.Common, State.Configuration, Ports.Msg, Ports.Printer);
    };
    printout.Layout = [&] {
        PrintRecords(State.Common, State.Configuration, State.Members, Ports.Printer, grid, fields);
    };
    PrintOrPreview(mode, printout, State.Configuration.PrnCfg, Ports.Msg, Ports.Printing, this);
    Orientatfact = fields.Orientatfact;
    Pagelines = fields.Pagelines;
}

void TTolvex12::OpenOpties(int pgNr) {
    auto* form = qobject_cast<TOptiesForm*>(OptiesForm.data());
    if (!form) {
        form = new TOptiesForm(State, Ports.Msg, Ports.Choose, Ports.Printer, this);
        SetOptiesForm(form);
    }
    form->OpenOpties(pgNr);
}
