#include "app/members/member_grid_table.h"

#include "app/members/member_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
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
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
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

void LedenTable::mousePressEvent(QMouseEvent* event) {
    QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton) {
        Owner.LedenGridMouseDown(index.column(), index.row() + 1);
        if (index.column() == 0) {
            // Dragging the "Ix" cell moves the whole row.
            DragRow = index.row();
            viewport()->setCursor(Qt::SizeVerCursor);
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
        int from = DragRow;
        DragRow = -1;
        viewport()->unsetCursor();
        int to = rowAt(event->position().toPoint().y());
        if (to < 0) to = event->position().toPoint().y() < 0 ? 0 : rowCount() - 1;
        if (to != from) Owner.LedenGridRowMoved(from + 1, to + 1);
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

bool LedenTable::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (CurrentHint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), CurrentHint, viewport());
        return true;
    }
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
