#pragma once
// The string grid under the member register: a table whose keys, clicks, pointer moves and row
// drags go to the member grid's handlers before the table's own handling.
//
// Column 0 ("Ix") is the grid's fixed column: a view of that column alone lies over the table's
// left edge, so it stays in view when the table scrolls sideways, and the cursor never lands on
// it. Dragging an "Ix" cell moves its row.

#include <QStyledItemDelegate>
#include <QTableWidget>

class QTableView;
class TLedenGrid;

class LedenTable : public QTableWidget {
    Q_OBJECT

public:
    explicit LedenTable(TLedenGrid& owner, QWidget* parent = nullptr);
    ~LedenTable() override;

    bool IsEditing() const { return state() == QAbstractItemView::EditingState; }
    // Closes an open cell editor; with commit its text reaches the cell first.
    void CloseCellEditor(bool commit);
    // The table's own handling of a key, after the member grid has seen it.
    void DefaultKey(QKeyEvent* event) { QTableWidget::keyPressEvent(event); }
    // The height of every row, in the table and in the fixed column.
    void SetRowHeight(int height);
    QString CurrentHint;
    // The fixed "Ix" column.
    QTableView* FixedIx = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

private:
    void BuildFixedIx();
    void SyncFixedIx();
    void PlaceFixedIx();
    void BeginRowDrag(int row, QWidget* surface);
    void EndRowDrag(int y, QWidget* surface);
    bool ShowHint(QHelpEvent* help, QWidget* surface);

    friend class LedenCellDelegate;
    TLedenGrid& Owner;
    QWidget* OpenEditor = nullptr;
    int DragRow = -1; // the table row whose "Ix" cell is being dragged
};

// Cell editors limited to the capacity of their field; the keys of the member grid are taken
// from the editor before it handles them.
class LedenCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    LedenCellDelegate(LedenTable& table, TLedenGrid& owner);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    LedenTable& Table;
    TLedenGrid& Owner;
};
