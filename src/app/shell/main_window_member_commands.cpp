// The main window's member commands: the member grid in the window, tally mode, the two views,
// the list operations of the menus, tool bar and bottom buttons, and showing the list.

#include "app/shell/main_window.h"

#include "app/members/member_grid.h"
#include "app/members/member_grid_table.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

void TTolvex12::CreateLedenGrid() {
    LedenArea = new TLedenGrid(State, Ports.Msg, Ports.Bell, Ports.Time, GridArea);
    LedenGrid = LedenArea->Grid;
    GridPanel = LedenArea->GridPanel;
    Pasoplabel = LedenArea->Pasoplabel;
    Zoekpanel = LedenArea->Zoekpanel;

    // The bottom buttons are made after the grid: they are looked up when a signal comes.
    connect(LedenArea, &TLedenGrid::TurvenCaptionChanged, this,
            [this](const QString& caption) { TurvenBtn->setText(caption); });
    connect(LedenArea, &TLedenGrid::AdresCaptionChanged, this,
            [this](const QString& caption) { Adres1->setText(caption); });
    connect(LedenArea, &TLedenGrid::TallyCommandsEnabled, this, [this](bool enabled) {
        TurvenBtn->setEnabled(enabled);
        RandomBtn->setEnabled(enabled);
    });
    connect(LedenArea, &TLedenGrid::MenuItemsEnableRequested, this, [this] {
        // The view switch shows the grid, its panels and the bottom buttons again.
        LedenPanel->setVisible(true);
        EnableMenuItems(true);
        PlaceGridArea();
    });
    connect(LedenArea, &TLedenGrid::SaveWithReportRequested, this, &TTolvex12::SaveBtnClick);
    connect(LedenArea, &TLedenGrid::HintChanged, this, &TTolvex12::ToonHint);
}

void TTolvex12::OpenLedenInput() {
    LedenArea->WindowMaximised = isMaximized();
    LedenArea->OpenLedenInput();
    show();
    SetWindowState(ListWindowState::ListShown);
    LedenArea->UpdatePasoplabel();
    LedenGrid->setFocus();
}

void TTolvex12::GridToList() {
    if (LedenGrid->isVisible()) LedenArea->CommitGrid();
}

void TTolvex12::Adres1Click() {
    LedenArea->WindowMaximised = isMaximized();
    LedenArea->Adres1Click();
    show();
}

void TTolvex12::TurvenBtnClick() {
    LedenArea->TurvenBtnClick();
}

void TTolvex12::RandomBtnClick() {
    LedenArea->ShuffleMembers();
}

void TTolvex12::InvoegSpdBtnClick() {
    LedenArea->InsertBlankMember(LedenArea->Row());
}

void TTolvex12::WegSpdBtnClick() {
    LedenArea->DeleteMember(LedenArea->Row());
}

void TTolvex12::Edit1Click() {
    LedenArea->EditMemberDialog(LedenArea->Row());
}

void TTolvex12::ZoekSpdbtnClick() {
    LedenArea->ZoekSpdbtnClick();
}

void TTolvex12::SortClubNrClick(int tag) {
    LedenArea->SortMembers(tag);
}

void TTolvex12::SortSpdBtnClick() {
    LedenArea->SortSpdBtnClick();
}

void TTolvex12::FormResize() {
    LedenArea->WindowMaximised = isMaximized();
    LedenArea->FormResize();
}
