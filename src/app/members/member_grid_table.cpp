#include "app/members/member_grid_table.h"

#include "app/members/member_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

LedenTable::LedenTable(TLedenGrid& owner, QWidget* parent)
    : QTableWidget(parent)
    , Owner(owner) {
    setObjectName("LedenGrid");
    CurrentHint = "Leden Records";
    setItemDelegate(new LedenCellDelegate(*this, owner));
    viewport()->setMouseTracking(true);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(true);
    setShowGrid(true);
    setWordWrap(false);
    // By the pixel, so that no column stops half hidden under the fixed "Ix" column.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    BuildFixedIx();
}

LedenTable::~LedenTable() {
    // The model goes before the fixed column and signals its reset on the way out.
    disconnect(model(), nullptr, this, nullptr);
    FixedIx = nullptr;
}

void LedenTable::BuildFixedIx() {
    FixedIx = new QTableView(this);
    FixedIx->setObjectName("LedenGridIx");
    FixedIx->setModel(model());
    FixedIx->setSelectionModel(selectionModel());
    FixedIx->setFocusPolicy(Qt::NoFocus);
    FixedIx->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FixedIx->setSelectionMode(QAbstractItemView::NoSelection);
    FixedIx->setFrameShape(QFrame::NoFrame);
    FixedIx->setShowGrid(true);
    FixedIx->setWordWrap(false);
    FixedIx->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FixedIx->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FixedIx->verticalHeader()->setVisible(false);
    FixedIx->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FixedIx->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    FixedIx->horizontalHeader()->setHighlightSections(false);
    FixedIx->horizontalHeader()->setSectionsClickable(false);
    FixedIx->viewport()->setMouseTracking(true);
    FixedIx->viewport()->installEventFilter(this);
    viewport()->stackUnder(FixedIx);

    // The column keeps the width of the table's column 0, resized from either header.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int) {
        if (section == 0) PlaceFixedIx();
    });
    connect(FixedIx->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (section == 0 && columnWidth(0) != size) setColumnWidth(0, size);
            });
    connect(model(), &QAbstractItemModel::columnsInserted, this, &LedenTable::SyncFixedIx);
    connect(model(), &QAbstractItemModel::columnsRemoved, this, &LedenTable::SyncFixedIx);
    connect(model(), &QAbstractItemModel::modelReset, this, &LedenTable::SyncFixedIx);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, FixedIx->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(FixedIx->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    SyncFixedIx();
}

void LedenTable::SyncFixedIx() {
    if (FixedIx == nullptr) return;
    for (int c = 1; c < columnCount(); ++c) FixedIx->setColumnHidden(c, true);
    PlaceFixedIx();
}

void LedenTable::PlaceFixedIx() {
    if (FixedIx == nullptr) return; // the table's own set-up, before the column exists
    if (columnCount() == 0) {
        FixedIx->hide();
        return;
    }
    FixedIx->setColumnHidden(0, false);
    FixedIx->setColumnWidth(0, columnWidth(0));
    FixedIx->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    FixedIx->setGeometry(frameWidth(), frameWidth(), columnWidth(0),
                         horizontalHeader()->height() + viewport()->height());
    FixedIx->verticalScrollBar()->setValue(verticalScrollBar()->value());
    FixedIx->show();
}

void LedenTable::updateGeometries() {
    QTableWidget::updateGeometries();
    PlaceFixedIx();
}

void LedenTable::SetRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    if (FixedIx) FixedIx->verticalHeader()->setDefaultSectionSize(height);
}

QModelIndex LedenTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid() || next.column() != 0 || columnCount() < 2) return next;
    // The cursor never lands on "Ix": Left stops at column 1, Home goes to column 1, Tab wraps to
    // column 1 of the next row and Shift+Tab from column 1 to the last column of the row above.
    switch (action) {
    case MoveLeft:
        return currentIndex().isValid() ? currentIndex() : model()->index(next.row(), 1);
    case MovePrevious:
        if (next.row() > 0) return model()->index(next.row() - 1, columnCount() - 1);
        return currentIndex().isValid() ? currentIndex() : model()->index(next.row(), 1);
    default:
        return model()->index(next.row(), 1);
    }
}

void LedenTable::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableWidget::scrollTo(index, hint);
    if (!index.isValid() || index.column() == 0) return;
    // A cell scrolled into view must not stay hidden under the fixed column.
    int covered = columnWidth(0) - visualRect(index).left();
    if (covered > 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - covered);
}

void LedenTable::CloseCellEditor(bool commit) {
    if (!IsEditing() || OpenEditor == nullptr) return;
    QWidget* editor = OpenEditor;
    if (commit) commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void LedenTable::keyPressEvent(QKeyEvent* event) {
    if (!Owner.LedenGridKeyDown(event, false)) QTableWidget::keyPressEvent(event);
}

void LedenTable::BeginRowDrag(int row, QWidget* surface) {
    DragRow = row;
    surface->setCursor(Qt::SizeVerCursor);
}

void LedenTable::EndRowDrag(int y, QWidget* surface) {
    int from = DragRow;
    DragRow = -1;
    surface->unsetCursor();
    // The fixed column and the table share their rows and their vertical position.
    int to = rowAt(y);
    if (to < 0) to = y < 0 ? 0 : rowCount() - 1;
    if (to != from) Owner.LedenGridRowMoved(from + 1, to + 1);
}

void LedenTable::mousePressEvent(QMouseEvent* event) {
    QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton) {
        Owner.LedenGridMouseDown(index.column(), index.row() + 1);
        if (index.column() == 0) {
            BeginRowDrag(index.row(), viewport());
            return;
        }
    }
    QTableWidget::mousePressEvent(event);
    if (index.isValid()) Owner.LedenGridClick();
}

void LedenTable::mouseMoveEvent(QMouseEvent* event) {
    Owner.LedenGridMouseMove(event->position().toPoint().x());
    if (DragRow >= 0) return;
    QTableWidget::mouseMoveEvent(event);
}

void LedenTable::mouseReleaseEvent(QMouseEvent* event) {
    if (DragRow >= 0) {
        EndRowDrag(event->position().toPoint().y(), viewport());
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
}

void LedenTable::mouseDoubleClickEvent(QMouseEvent* event) {
    // In tally mode the cursor stays in the "Actie" column: a double click is a click there and
    // opens no editor in the column clicked.
    if (Owner.TallyMode) {
        QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() && index.column() > 0) {
            setCurrentIndex(index);
            Owner.LedenGridClick();
        }
        event->accept();
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
}

bool LedenTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FixedIx->viewport()) return QTableWidget::eventFilter(watched, event);
    QWidget* surface = FixedIx->viewport();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        int row = FixedIx->rowAt(mouse->position().toPoint().y());
        if (mouse->button() == Qt::LeftButton && row >= 0) {
            setFocus(Qt::MouseFocusReason);
            Owner.LedenGridMouseDown(0, row + 1);
            BeginRowDrag(row, surface);
        }
        return true;
    }
    case QEvent::MouseMove:
        // The fixed column starts where the table's viewport starts: the same x.
        Owner.LedenGridMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint().x());
        return true;
    case QEvent::MouseButtonRelease:
        if (DragRow >= 0)
            EndRowDrag(static_cast<QMouseEvent*>(event)->position().toPoint().y(), surface);
        return true;
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::ToolTip:
        return ShowHint(static_cast<QHelpEvent*>(event), surface);
    default:
        return QTableWidget::eventFilter(watched, event);
    }
}

bool LedenTable::ShowHint(QHelpEvent* help, QWidget* surface) {
    if (CurrentHint.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), CurrentHint, surface);
    return true;
}

bool LedenTable::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return ShowHint(static_cast<QHelpEvent*>(event), viewport());
    return QTableWidget::viewportEvent(event);
}

void LedenTable::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    Owner.LedenGridDrawCell();
}

LedenCellDelegate::LedenCellDelegate(LedenTable& table, TLedenGrid& owner)
    : QStyledItemDelegate(&table)
    , Table(table)
    , Owner(owner) {}

QWidget* LedenCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        // The capacities of the record fields behind the columns of each view. The club number,
        // group and status are trimmed before they are cut, so their blanks must not take up
        // room: those editors take any length (0).
        static constexpr int Normal[] = {5, 0, 24, 40, 0, 0, 32};
        static constexpr int Address[] = {5, 0, 24, 40, 40, 8, 24, 12};
        int column = index.column();
        int capacity = 0;
        if (Owner.Adressen && column >= 0 && column < 8) capacity = Address[column];
        if (!Owner.Adressen && column >= 0 && column < 7) capacity = Normal[column];
        if (capacity > 0) line->setMaxLength(capacity);
    }
    Table.OpenEditor = editor;
    return editor;
}

void LedenCellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (Table.OpenEditor == editor) Table.OpenEditor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool LedenCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor != nullptr && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (Owner.TallyMode) return true;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F3:
        case Qt::Key_F4:
        case Qt::Key_F5:
        case Qt::Key_F7:
        case Qt::Key_F8: {
            // The cell takes the editor's text, then the key is the grid's, as if no editor were
            // open; the grid's handlers decide whether the key moves the cursor.
            Table.CloseCellEditor(true);
            if (!Owner.LedenGridKeyDown(key, true)) Table.DefaultKey(key);
            return true;
        }
        default:
            break;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
