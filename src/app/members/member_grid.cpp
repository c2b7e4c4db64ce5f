#include "app/members/member_grid.h"

#include "app/common/qt_text.h"
#include "app/members/member_dialog.h"
#include "app/members/member_grid_table.h"
#include "core/common/error_report.h"
#include "core/members/member_fields.h"
#include "core/schedule/name_lists.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr int TallyColumn = 5;
constexpr int EditColumn = 2;

// Hints by the pointer's horizontal position in the grid; the gaps have none.
QString HintAt(int x) {
    struct Band {
        int From, To;
        const char* Hint;
    };
    static constexpr Band Bands[] = {{33, 84, "Club-nummer"},
                                     {88, 199, "Voornaam speler"},
                                     {203, 349, "Achternaam  speler"},
                                     {353, 389, "Groep (dames/heren)"},
                                     {393, 429, "Actief"},
                                     {433, 544, "Opmerking"}};
    if (x < 30) return "Index";
    for (const Band& band : Bands)
        if (x >= band.From && x <= band.To) return band.Hint;
    return QString();
}

} // namespace

TLedenGrid::TLedenGrid(AppState& state, Messenger& messenger, Beeper& bell, Clock& clock,
                       QWidget* parent)
    : QWidget(parent)
    , State(state)
    , Msg(messenger)
    , Bell(bell)
    , Time(clock) {
    setObjectName("LedenGridArea");
    BuildControls();
}

void TLedenGrid::BuildControls() {
    Grid = new LedenTable(*this, this);
    Grid->setProperty("helpContext", 235);
    Grid->setStatusTip("Leden Records");

    GridPanel = new QWidget(this);
    GridPanel->setObjectName("GridPanel");
    AantalHrntxt = new QLabel("Heren", GridPanel);
    AantalHrntxt->setObjectName("AantalHrntxt");
    AantalHrnLab = new QLabel("0", GridPanel);
    AantalHrnLab->setObjectName("AantalHrnLab");
    AantalDmstxt = new QLabel("Dames", GridPanel);
    AantalDmstxt->setObjectName("AantalDmstxt");
    AantalDmsLab = new QLabel("0", GridPanel);
    AantalDmsLab->setObjectName("AantalDmsLab");
    for (QLabel* label : {AantalHrntxt, AantalHrnLab, AantalDmstxt, AantalDmsLab}) {
        label->setToolTip("Aantal actieve spelers in deze groep");
        label->setStatusTip("Aantal actieve spelers in deze groep");
    }
    for (QLabel* count : {AantalHrnLab, AantalDmsLab}) {
        count->setFrameShape(QFrame::Panel);
        count->setFrameShadow(QFrame::Sunken);
        count->setMinimumWidth(36);
        count->setAlignment(Qt::AlignCenter);
    }
    Pasoplabel = new QLabel("PAS op met ClubNr.", GridPanel);
    Pasoplabel->setObjectName("Pasoplabel");
    Pasoplabel->setStyleSheet("color: red;");
    Pasoplabel->hide();
    auto* counters = new QHBoxLayout(GridPanel);
    counters->setContentsMargins(0, 0, 0, 0);
    counters->addWidget(AantalHrntxt);
    counters->addWidget(AantalHrnLab);
    counters->addSpacing(16);
    counters->addWidget(AantalDmstxt);
    counters->addWidget(AantalDmsLab);
    counters->addStretch();
    counters->addWidget(Pasoplabel);

    Zoekpanel = new QWidget(this);
    Zoekpanel->setObjectName("Zoekpanel");
    ZoekBox = new QGroupBox("Zoeken op", Zoekpanel);
    ZoekBox->setObjectName("ZoekBox");
    ZoekVoornaam = new QRadioButton("Voornaam ", ZoekBox);
    ZoekVoornaam->setObjectName("ZoekVoornaam");
    ZoekAchternaam = new QRadioButton("Achternaam", ZoekBox);
    ZoekAchternaam->setObjectName("ZoekAchternaam");
    auto* choices = new QHBoxLayout(ZoekBox);
    choices->addWidget(ZoekVoornaam);
    choices->addWidget(ZoekAchternaam);
    ZoekEdit = new QLineEdit(Zoekpanel);
    ZoekEdit->setObjectName("ZoekEdit");
    ZoekEdit->installEventFilter(this);
    auto* search = new QHBoxLayout(Zoekpanel);
    search->setContentsMargins(0, 0, 0, 0);
    search->addWidget(ZoekBox);
    search->addWidget(ZoekEdit, 1);
    Zoekpanel->hide();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Grid, 1, Qt::AlignHCenter);
    column->addWidget(GridPanel, 0, Qt::AlignHCenter);
    column->addWidget(Zoekpanel, 0, Qt::AlignHCenter);

    connect(Grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int, int) { CurrentCellChanged(row, col); });
    connect(ZoekVoornaam, &QRadioButton::clicked, this, &TLedenGrid::ZoekBoxClick);
    connect(ZoekAchternaam, &QRadioButton::clicked, this, &TLedenGrid::ZoekBoxClick);
    connect(ZoekEdit, &QLineEdit::textChanged, this, &TLedenGrid::ZoekEditChange);
}

int TLedenGrid::Row() const {
    int row = Grid->currentRow();
    return row < 0 ? 0 : row + 1;
}

int TLedenGrid::Col() const {
    return Grid->currentColumn();
}

QString TLedenGrid::CellText(int column, int r) const {
    if (r == 0) {
        QTableWidgetItem* heading = Grid->horizontalHeaderItem(column);
        return heading ? heading->text() : QString();
    }
    QTableWidgetItem* item = Grid->item(r - 1, column);
    return item ? item->text() : QString();
}

void TLedenGrid::SetCell(int column, int r, const QString& text) {
    if (r < 1 || r > Grid->rowCount() || column < 0 || column >= Grid->columnCount()) return;
    QTableWidgetItem* item = Grid->item(r - 1, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        if (column == 0) {
            // The "Ix" column is fixed: not edited, drawn like the heading.
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(palette().button());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        Grid->setItem(r - 1, column, item);
    }
    if (item->text() != text) item->setText(text);
}

GridRow TLedenGrid::RowCells(int r) const {
    GridRow cells;
    int columns = GridColumnCount(View());
    cells.reserve(columns);
    for (int c = 0; c < columns; ++c) cells.push_back(FromQt(CellText(c, r)));
    return cells;
}

void TLedenGrid::WriteRow(int r, const GridRow& cells) {
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) SetCell(c, r, ToQt(cells[c]));
}

std::vector<GridRow> TLedenGrid::AllRows() const {
    std::vector<GridRow> rows;
    rows.reserve(Grid->rowCount() + 1);
    rows.push_back(HeadingRow(View()));
    for (int r = 1; r <= Grid->rowCount(); ++r) rows.push_back(RowCells(r));
    return rows;
}

void TLedenGrid::SetCursor(int r, int column) {
    if (r < 1 || r > Grid->rowCount()) return;
    Grid->setCurrentCell(r - 1, column);
}

void TLedenGrid::OpenLedenInput() {
    Adressen = false;
    MaxMinflag = false;
    emit AdresCaptionChanged("&Toon adressen");
    LayoutGrid();
    FillGrid(1);
    Renumber();
    show();
    Grid->setFocus();
}

void TLedenGrid::LayoutGrid() {
    QFont gridFont = QApplication::font();
    QString family = ToQt(State.Common.ScreenFontName);
    // A font this desktop does not have ("MS Sans Serif") gives way to the desktop's own.
    if (!family.isEmpty() && QFontDatabase::hasFamily(family)) gridFont.setFamily(family);
    gridFont.setPointSize(State.Common.ScreenFontSize > 0 ? State.Common.ScreenFontSize : 10);
    Grid->setFont(gridFont);
    Grid->SetRowHeight(std::max(20, QFontMetrics(gridFont).height() + 6));

    int width = WindowMaximised && Adressen ? 780 : 580;
    Grid->setFixedWidth(width);
    Grid->setMinimumHeight(340);

    Grid->setColumnCount(GridColumnCount(View()));
    int widths[8] = {30, 55, 115, 150, 40, 40, 115, 0};
    if (Adressen) {
        widths[1] = 35;
        widths[4] = 150;
        widths[5] = 65;
        widths[6] = 115;
        widths[7] = 85;
    }
    for (int c = 0; c < Grid->columnCount(); ++c) Grid->setColumnWidth(c, widths[c]);

    GridPanel->setFixedWidth(width - 4);
    Zoekpanel->setFixedWidth(width - 4);
    Zoekpanel->hide();
    QFont searchFont = ZoekEdit->font();
    searchFont.setPointSize(gridFont.pointSize());
    ZoekEdit->setFont(searchFont);
    Grid->setVisible(true);
    GridPanel->setVisible(true);
}

void TLedenGrid::FillGrid(int row) {
    Filling = true;
    Grid->CloseCellEditor(false);
    Grid->setUpdatesEnabled(false);
    GridRow heading = HeadingRow(View());
    Grid->setColumnCount(static_cast<int>(heading.size()));
    QStringList labels;
    for (const std::string& text : heading) labels << ToQt(text);
    Grid->setHorizontalHeaderLabels(labels);
    int n = std::max<int>(0, std::min<int>(State.Members.MemberCount,
                                           static_cast<int>(State.Members.MemberList.size()) - 1));
    Grid->setRowCount(n);
    for (int r = 1; r <= n; ++r) RecordToRow(r);
    Grid->setUpdatesEnabled(true);
    Filling = false;
    int target = std::min(row, n);
    if (target >= 1) SetCursor(target, TallyMode ? TallyColumn : EditColumn);
    SetCounterCaptions();
    CountActive();
}

void TLedenGrid::RecordToRow(int r) {
    if (r < 1 || r >= static_cast<int>(State.Members.MemberList.size())) return;
    WriteRow(r, ::RecordToRow(State.Members.MemberList[r].LidRecord, View()));
}

bool TLedenGrid::RowToRecord(int r) {
    if (r < 1 || r > Grid->rowCount()) return true;
    GridRow cells = RowCells(r);
    try {
        ::RowToRecord({Msg, State.Common.ErrorCode}, State.Configuration, State.Members, r, cells,
                      View());
    } catch (const CellConversionError& error) {
        Msg.Show(ConversionErrorText(error.CellText), KindFout, ButtonsOK);
        return false;
    }
    WriteRow(r, cells);
    return true;
}

bool TLedenGrid::GridToList() {
    try {
        CommitGrid();
    } catch (const CellConversionError& error) {
        Msg.Show(ConversionErrorText(error.CellText), KindFout, ButtonsOK);
        return false;
    }
    return true;
}

void TLedenGrid::CommitGrid() {
    Grid->CloseCellEditor(true);
    std::vector<GridRow> rows = AllRows();
    auto showStored = [&] {
        // Cells replaced by the checks show what was stored, also in the rows before a stop.
        for (int r = 1; r < static_cast<int>(rows.size()); ++r) WriteRow(r, rows[r]);
    };
    try {
        ::GridToList({Msg, State.Common.ErrorCode}, State.Configuration, State.Members, Bell, rows,
                     View());
    } catch (const CellConversionError&) {
        showStored();
        throw;
    }
    showStored();
}

void TLedenGrid::Renumber() {
    ::Renumber(State.Members);
    for (int r = 1; r <= Grid->rowCount(); ++r) SetCell(0, r, QString::number(r));
}

void TLedenGrid::CountActive() {
    ActiveCounts counts = ::CountActive(State.Configuration, State.Members);
    Nactiefheren = counts.Group1;
    NActiefdames = counts.Group2;
    AantalHrnLab->setText(QString::number(Nactiefheren));
    AantalDmsLab->setText(QString::number(NActiefdames));
    AantalHrnLab->repaint();
    AantalDmsLab->repaint();
    emit ActiveCounted(Nactiefheren, NActiefdames);
}

void TLedenGrid::SetCounterCaptions() {
    CounterCaptions captions = ::SetCounterCaptions(State.Configuration, State.Store());
    AantalHrntxt->setText(ToQt(TrimBlanks(captions.Group1)));
    AantalDmstxt->setText(ToQt(TrimBlanks(captions.Group2)));
}

void TLedenGrid::TurvenBtnClick() {
    TallyMode = !TallyMode;
    if (TallyMode) {
        Grid->setFocus();
        SetCursor(1, TallyColumn);
        emit TurvenCaptionChanged("Bewerk");
    } else {
        SetCursor(1, EditColumn);
        emit TurvenCaptionChanged("Turven");
    }
}

void TLedenGrid::Adres1Click() {
    Adressen = !Adressen;
    if (Adressen) {
        emit AdresCaptionChanged("&Toon Turflijst");
        if (TallyMode) emit TurvenCaptionChanged("Turven");
        TallyMode = false;
        emit TallyCommandsEnabled(false);
    } else {
        emit AdresCaptionChanged("&Toon adressen");
        emit TallyCommandsEnabled(true);
    }
    // The view switch does not commit: edits not yet in the records are gone.
    LayoutGrid();
    FillGrid(1);
    show();
    emit MenuItemsEnableRequested();
    Grid->setFocus();
}

void TLedenGrid::FormResize() {
    if (!isVisible() || !Grid->isVisible()) return;
    LayoutGrid();
    FillGrid(1);
    MaxMinflag = true;
}

bool TLedenGrid::LedenGridKeyDown(QKeyEvent* event, bool editorWasOpen) {
    int row = Row();
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!RowToRecord(row)) return true;
        CountActive();
        if (!TallyMode) return false;
        if (event->key() == Qt::Key_Backtab)
            SetCursor(std::max(row - 1, 1), TallyColumn);
        else
            SetCursor(std::min(row + 1, Grid->rowCount()), TallyColumn);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!RowToRecord(row)) return true;
        CountActive();
        return false;
    case Qt::Key_Left:
    case Qt::Key_Right:
        return TallyMode;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        LedenGridKeyPress(editorWasOpen);
        return true;
    case Qt::Key_F3:
        emit SaveWithReportRequested();
        return true;
    case Qt::Key_F4:
        SortMembers(3);
        return true;
    case Qt::Key_F5:
        ShuffleMembers();
        return true;
    case Qt::Key_F7:
        InsertMemberDialog(row);
        return true;
    case Qt::Key_F8:
        DeleteMember(row);
        return true;
    default:
        return false;
    }
}

void TLedenGrid::LedenGridKeyPress(bool editorWasOpen) {
    int row = Row();
    int col = Col();
    if (row < 1) return;
    if (TallyMode || editorWasOpen) {
        if (col == TallyColumn && RowToRecord(row)) CountActive();
        return;
    }
    if (col == TallyColumn) {
        CountActive();
    } else if (col == 6) {
        if (RowToRecord(row)) SetCursor(row, 1);
    } else if (col >= Grid->columnCount() - 1) {
        // The last column of the address view: back to the start of the row.
        SetCursor(row, 1);
    } else {
        SetCursor(row, col + 1);
    }
}

void TLedenGrid::LedenGridMouseDown(int column, int r) {
    bool checked = TallyMode ? (column >= 4 && column <= 6) : (column >= 1 && column <= 6);
    if (!checked || r < 1 || r > Grid->rowCount()) return;
    QString ix = CellText(0, r);
    bool isNumber = false;
    int value = ix.trimmed().toInt(&isNumber);
    if (isNumber && (value < 1 || value > State.Members.MemberCount))
        ShowInfo(Msg, "Record index " + FromQt(ix) + " foutief");
}

void TLedenGrid::LedenGridClick() {
    if (TallyMode && Row() >= 1 && Col() != TallyColumn) SetCursor(Row(), TallyColumn);
}

void TLedenGrid::LedenGridMouseMove(int x) {
    QString hint = HintAt(x);
    if (hint == Grid->CurrentHint) return;
    Grid->CurrentHint = hint;
    emit HintChanged(hint);
}

void TLedenGrid::LedenGridDrawCell() {
    if (!MaxMinflag || Filling) return;
    MaxMinflag = false;
    // Laying out again from inside a paint would repaint while painting: do it right after.
    QMetaObject::invokeMethod(
        this,
        [this] {
            LayoutGrid();
            FillGrid(1);
        },
        Qt::QueuedConnection);
}

void TLedenGrid::CurrentCellChanged(int, int) {
    UpdatePasoplabel();
}

void TLedenGrid::UpdatePasoplabel() {
    // The warning shows while the club number column is being worked in.
    Pasoplabel->setVisible(Grid->currentRow() >= 0 && Grid->currentColumn() == 1 &&
                           GridPanel->isVisibleTo(this));
}

void TLedenGrid::LedenGridRowMoved(int fromRow, int toRow) {
    int rows = Grid->rowCount();
    if (fromRow < 1 || fromRow > rows || toRow < 1 || toRow > rows || fromRow == toRow) return;
    if (!MoveMember(State.Members, fromRow, toRow)) return;
    // The row travels with its cells, uncommitted edits and "Ix" number included.
    Grid->CloseCellEditor(true);
    int columns = Grid->columnCount();
    std::vector<QTableWidgetItem*> items(columns);
    for (int c = 0; c < columns; ++c) items[c] = Grid->takeItem(fromRow - 1, c);
    Grid->removeRow(fromRow - 1);
    Grid->insertRow(toRow - 1);
    for (int c = 0; c < columns; ++c) Grid->setItem(toRow - 1, c, items[c]);
    SetCursor(toRow, std::max(Col(), 1));
}

TNewLidDlg& TLedenGrid::Dialog() {
    if (MemberDialog == nullptr) MemberDialog = new TNewLidDlg(State, Msg, Bell, this);
    return *MemberDialog;
}

bool TLedenGrid::CheckMemberLimit() {
    return ::CheckMemberLimit({Msg, State.Common.ErrorCode}, State.Members, Bell);
}

void TLedenGrid::InsertBlankMember(int row) {
    if (CheckMemberLimit()) return;
    try {
        ::InsertBlankMember(State.Configuration, State.Members, row);
    } catch (const std::exception&) {
        Msg.Show("Toevoegen van record mislukt", KindFout, ButtonsOK);
    }
    FillGrid(row + 1);
    Renumber();
}

void TLedenGrid::InsertMemberDialog(int row) {
    if (CheckMemberLimit()) return;
    bool added = Dialog().NewLidDlgCreate(row);
    // A member that reached the list is always shown: rows and records must stay in step.
    if (State.Common.ErrorCode <= 0 || added) {
        FillGrid(row + 1);
        Renumber();
    }
    Grid->setFocus();
}

void TLedenGrid::EditMemberDialog(int row) {
    // The dialog stores fields in the record as they are entered, even when it ends with an
    // error: the row always shows the record afterwards, so no later commit writes old cells
    // over the dialog's changes.
    if (Dialog().EditLidDlgCreate(row)) FillGrid(row);
    Grid->setFocus();
}

void TLedenGrid::DeleteMember(int row) {
    if (!GridToList()) return;
    if (row < 1 || row > State.Members.MemberCount) {
        Msg.Show("Verwijderen van record mislukt", KindFout, ButtonsOK);
        return;
    }
    if (Msg.Show("Weet u zeker dat u dit Record wilt verwijderen", KindBevestig, ButtonsJaNee) !=
        ResultYes)
        return;
    if (!DeleteMemberAt(State.Members, row)) {
        Msg.Show("Verwijderen van record mislukt", KindFout, ButtonsOK);
        return;
    }
    FillGrid(row);
    Renumber();
}

void TLedenGrid::SortMembers(int key) {
    ::SortMembers(State.Members, key);
    FillGrid(1);
    Renumber();
}

void TLedenGrid::SortSpdBtnClick() {
    int col = Col();
    if (col < 1 || col > 3) {
        ShowInfo(Msg, "Kies kolom: ClubNr,Voornaam of Achternaam");
        return;
    }
    SortMembers(col);
}

void TLedenGrid::ShuffleMembers() {
    ::ShuffleMembers(State.Members, Time.RandomSeed());
    // The "Ix" column keeps the old numbers until the next renumbering.
    FillGrid(1);
}

void TLedenGrid::ZoekSpdbtnClick() {
    Zoekpanel->show();
}

void TLedenGrid::ZoekBoxClick() {
    ZoekEdit->clear();
    ZoekEdit->setFocus();
}

void TLedenGrid::ZoekEditChange(const QString& text) {
    int column = ZoekVoornaam->isChecked() ? 2 : ZoekAchternaam->isChecked() ? 3 : 0;
    if (text.isEmpty() || column == 0) return;
    int r = FindRow(AllRows(), FromQt(text), column);
    if (r > 0) SetCursor(r, column);
}

bool TLedenGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ZoekEdit) {
        if (event->type() == QEvent::FocusIn) ZoekEdit->clear();
        if (event->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab) {
                Zoekpanel->hide();
                Grid->setFocus();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
