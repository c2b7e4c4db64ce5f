#pragma once
// The member register on the main window: the member grid with its counters, the "PAS op met
// ClubNr." warning and the search panel, tally mode, the normal and the address view, and the
// list operations (insert, edit, delete, sort, shuffle, search) that work through it.
//
// Cell edits reach the member records only when a row or the whole grid is committed; every
// refill from the records discards edits that were not committed.

#include "core/common/ports.h"
#include "core/members/member_list_ops.h"
#include "state/app_state.h"

#include <QWidget>

class LedenTable;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;
class TNewLidDlg;

class TLedenGrid : public QWidget {
    Q_OBJECT

public:
    TLedenGrid(AppState& state, Messenger& messenger, Beeper& bell, Clock& clock,
               QWidget* parent = nullptr);

    // The member dialog to use; without one the grid makes its own on first use.
    void SetMemberDialog(TNewLidDlg* dialog) { MemberDialog = dialog; }

    // Shows the member list in the normal view, cursor on the first member.
    void OpenLedenInput();
    void LayoutGrid();
    void FillGrid(int row);
    void RecordToRow(int r);
    // False when a number cell stopped the commit (the user has been told).
    bool RowToRecord(int r);
    bool GridToList();
    // The same for a caller that lets the conversion error of a number cell stop its whole
    // operation: it throws CellConversionError (not yet shown to the user).
    void CommitGrid();
    void Renumber();
    void CountActive();
    void SetCounterCaptions();
    void TurvenBtnClick();
    void Adres1Click();
    void FormResize();
    // Shows "PAS op met ClubNr." while the cursor is in the club number column.
    void UpdatePasoplabel();

    bool CheckMemberLimit();
    void InsertBlankMember(int row);
    void InsertMemberDialog(int row);
    void EditMemberDialog(int row);
    void DeleteMember(int row);
    // A sort command: sorts, refills and renumbers.
    void SortMembers(int key);
    void SortSpdBtnClick();
    void ShuffleMembers();
    void ZoekSpdbtnClick();

    // The grid's current member row (1..N), 0 without members; the current column.
    int Row() const;
    int Col() const;
    GridView View() const { return Adressen ? GridView::Address : GridView::Normal; }
    // The cells of grid row r (0 is the heading) as Windows-1252 texts.
    GridRow RowCells(int r) const;
    QString CellText(int column, int r) const;
    void SetCell(int column, int r, const QString& text);

    bool TallyMode = false;
    bool Adressen = false;
    bool MaxMinflag = false;
    // The main window tells whether it is maximised: the address view is wider then.
    bool WindowMaximised = false;
    int16_t Nactiefheren = 0;
    int16_t NActiefdames = 0;

    LedenTable* Grid;
    QWidget* GridPanel;
    QLabel* AantalHrntxt;
    QLabel* AantalHrnLab;
    QLabel* AantalDmstxt;
    QLabel* AantalDmsLab;
    QLabel* Pasoplabel;
    QWidget* Zoekpanel;
    QGroupBox* ZoekBox;
    QRadioButton* ZoekVoornaam;
    QRadioButton* ZoekAchternaam;
    QLineEdit* ZoekEdit;

    // Handlers of the table.
    bool LedenGridKeyDown(QKeyEvent* event, bool editorWasOpen);
    void LedenGridKeyPress(bool editorWasOpen);
    // False when the press is not for the table (a drag of the "Ix" cell starts instead).
    void LedenGridMouseDown(int column, int r);
    void LedenGridClick();
    void LedenGridMouseMove(int x);
    void LedenGridDrawCell();
    void LedenGridRowMoved(int fromRow, int toRow);

signals:
    void TurvenCaptionChanged(const QString& caption);
    void AdresCaptionChanged(const QString& caption);
    // Into the address view "&Turven" and "Sch&ud" are disabled; back they are enabled.
    void TallyCommandsEnabled(bool enabled);
    void MenuItemsEnableRequested();
    void SaveWithReportRequested();
    void HintChanged(const QString& hint);
    void ActiveCounted(int group1, int group2);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void SetCursor(int r, int column);
    void WriteRow(int r, const GridRow& cells);
    std::vector<GridRow> AllRows() const;
    TNewLidDlg& Dialog();
    void ZoekBoxClick();
    void ZoekEditChange(const QString& text);
    void CurrentCellChanged(int row, int column);

    AppState& State;
    Messenger& Msg;
    Beeper& Bell;
    Clock& Time;
    TNewLidDlg* MemberDialog = nullptr;
    bool Filling = false;
};
