#include "app/reports/results_form.h"

#include "app/common/form_scaling_adapter.h"
#include "app/common/qt_text.h"
#include "core/reports/report_build.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>
#include <QTreeWidget>

namespace {

constexpr int BottomPanelHeight = 41;

void SetHint(QWidget* widget, const char* hint) {
    widget->setToolTip(ToQt(hint));
    widget->setStatusTip(ToQt(hint));
}

QFont PixelFont(int pixels) {
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

} // namespace

// The editor works on the grid through this adapter.
class TResultsForm::GridAdapter : public EditorGrid {
public:
    explicit GridAdapter(TResultsForm& form)
        : Form(form) {}
    std::string CellText(int col, int row) const override {
        const QTableWidgetItem* item = Form.BewerkGrid->item(row, col);
        return item ? FromQt(item->text()) : std::string();
    }
    void SetCellText(int col, int row, const std::string& text) override {
        QTableWidgetItem* item = Form.BewerkGrid->item(row, col);
        if (!item) {
            item = new QTableWidgetItem;
            Form.BewerkGrid->setItem(row, col, item);
        }
        item->setText(ToQt(text));
    }
    int CurrentColumn() const override { return Form.BewerkGrid->currentColumn(); }
    int CurrentRow() const override { return Form.BewerkGrid->currentRow(); }
    void ShowPrompt(std::string_view text) override {
        Form.BewerkTextLab->setText(ToQt(text));
        Form.BewerkTextLab->adjustSize();
        Form.BewerkTextLab->show();
    }
    void HidePrompt() override { Form.BewerkTextLab->hide(); }

private:
    TResultsForm& Form;
};

TResultsForm::TResultsForm(AppState& state, const WindowPorts& ports, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , State(state)
    , Ports(ports)
    , Grid(std::make_unique<GridAdapter>(*this))
    , EditorPart(std::make_unique<CourtEditor>(state.Common, state.Store(), ports.Msg, *Grid)) {
    setObjectName("ResultsForm");
    setWindowTitle("Schema Resultaten");
    setProperty("helpContext", 250);
    CreateControls();
    resize(720, 504);
}

TResultsForm::~TResultsForm() = default;

void TResultsForm::CreateControls() {
    Resulthead = new QLabel(this);
    Resulthead->setObjectName("Resulthead");
    Resulthead->setAlignment(Qt::AlignCenter);
    Resulthead->setAutoFillBackground(true);
    Resulthead->setStyleSheet("QLabel { color: yellow; background-color: olive; }");
    Resulthead->setFont(PixelFont(16));

    GroepKopLab1 = new QLabel(this);
    GroepKopLab1->setObjectName("GroepKopLab1");
    GroepKopLab1->hide();

    BewerkTextLab = new QLabel(" Baanverandering actief; stop met Enter", this);
    BewerkTextLab->setObjectName("BewerkTextLab");
    BewerkTextLab->hide();

    ListView = new QTreeWidget(this);
    ListView->setObjectName("ListView");
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setAllColumnsShowFocus(true);
    ListView->header()->setSectionsClickable(false);
    ListView->header()->setStretchLastSection(false);
    ListView->setFont(PixelFont(13));
    ListView->setMouseTracking(true);
    ListView->viewport()->setMouseTracking(true);
    ListView->viewport()->installEventFilter(this);

    BewerkGrid = new QTableWidget(20, 7, this);
    BewerkGrid->setObjectName("BewerkGrid");
    BewerkGrid->horizontalHeader()->hide();
    BewerkGrid->verticalHeader()->hide();
    BewerkGrid->horizontalHeader()->setDefaultSectionSize(40);
    BewerkGrid->verticalHeader()->setDefaultSectionSize(18);
    BewerkGrid->verticalHeader()->setMinimumSectionSize(18);
    BewerkGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BewerkGrid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    BewerkGrid->setTabKeyNavigation(true);
    BewerkGrid->setShowGrid(true);
    BewerkGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    BewerkGrid->installEventFilter(this);
    BewerkGrid->hide();
    connect(BewerkGrid, &QTableWidget::cellClicked, this, [this] { BewerkGridClick(); });
    connect(BewerkGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupResultMenu->popup(BewerkGrid->mapToGlobal(pos)); });

    BottomPanel = new QWidget(this);
    BottomPanel->setObjectName("BottomPanel");
    auto button = [this](QPushButton*& field, const char* name, const char* caption,
                         const char* hint, int helpContext) {
        field = new QPushButton(ToQt(caption), BottomPanel);
        field->setObjectName(name);
        SetHint(field, hint);
        if (helpContext) field->setProperty("helpContext", helpContext);
        field->resize(80, 27);
    };
    button(StopBtn, "StopBtn", "&Sluit", "Afsluiten overzichten", 302);
    button(RedBtn, "RedBtn", "&Export", "Exporteren van data als 'commaseparated data'", 0);
    button(PrintBtn, "PrintBtn", "&Print", "Afdrukken van Uitvoer data", 307);
    button(PreviewBtn, "PreviewBtn", "&Voorbeeld", "Afdrukvoorbeeld van het overzicht", 307);
    button(HelpResBtn, "HelpResBtn", "&Help",
           "Opent Help venster voor de verschillende overzichten", 250);
    connect(StopBtn, &QPushButton::clicked, this, &TResultsForm::StopBtnClick);
    connect(RedBtn, &QPushButton::clicked, this, &TResultsForm::RedBtnClick);
    connect(PrintBtn, &QPushButton::clicked, this, &TResultsForm::PrintBtnClick);
    connect(PreviewBtn, &QPushButton::clicked, this, &TResultsForm::PreviewBtnClick);
    connect(HelpResBtn, &QPushButton::clicked, this, &TResultsForm::HelpResBtnClick);
    RedBtn->setEnabled(OutputCommandsBuilt());
    PrintBtn->setEnabled(OutputCommandsBuilt());

    PopupResultMenu = new QMenu(this);
    PopupResultMenu->setObjectName("PopupResultMenu");
    for (int tag = 1; tag <= 5; ++tag) {
        QAction* item = PopupResultMenu->addAction(ToQt(PopupMenuCaption(tag)));
        item->setObjectName(QString("PopupReport%1").arg(tag));
        item->setProperty("tag", tag);
        connect(item, &QAction::triggered, this, [this, tag] { Paarschema2Click(tag); });
        ReportItems[tag] = item;
    }
    PopupResultMenu->addSeparator();
    VoeginRij = PopupResultMenu->addAction("Voegin regel");
    VoeginRij->setObjectName("VoeginRij");
    connect(VoeginRij, &QAction::triggered, this, &TResultsForm::VoeginRijClick);
    VerwijderRij = PopupResultMenu->addAction("Verwijder regel");
    VerwijderRij->setObjectName("VerwijderRij");
    connect(VerwijderRij, &QAction::triggered, this, &TResultsForm::VerwijderRijClick);
}

void TResultsForm::PlaceBottomPanel() {
    BottomPanel->setGeometry(0, height() - BottomPanelHeight, width(), BottomPanelHeight);
    HelpResBtn->move(std::max(Layout.ListLeft, 8), 7);
    int x = width() - 8;
    for (QPushButton* b : {PreviewBtn, PrintBtn, RedBtn, StopBtn}) {
        if (b->isHidden()) continue;
        x -= b->width();
        b->move(x, 7);
        x -= 8;
    }
}

void TResultsForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceBottomPanel();
    Resulthead->move((width() - Resulthead->width()) / 2, 8);
}

void TResultsForm::AddReportLine(const std::string& text) {
    ::AddReportLine(UitLijst, text);
}

void TResultsForm::OpenResultaten(uint16_t opt) {
    if (State.Common.ScheduleKind == ScheduleNone) return;
    VoeginRij->setEnabled(opt != ReportEditor);
    VerwijderRij->setEnabled(opt != ReportEditor);
    ReportOpening opening =
        PrepareReport(State.Common, State.Configuration, State.Store(), Ports.Msg, opt);
    // A refused report leaves an open window as it was, title included.
    if (!opening.Report) return;
    Resulthead->setText(ToQt(ReportTitle(opt)));
    Resulthead->resize(225, 22);
    OpenedReport& report = *opening.Report;
    Opt = report.Opt;
    Variant = report.Variant;
    Counts = report.Counts;
    BewerkGridKop = report.EditorHeading;
    EditorRows = std::move(report.EditorRows);
    Edition = report.Edition;
    UitLijst = std::move(report.Lines);
    GroepKopLab1->hide();
    // One repaint for the whole report instead of one per column and row.
    setUpdatesEnabled(false);
    SetupReportColumns(opt);
    ShowReportLines(opt);
    setUpdatesEnabled(true);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TResultsForm::SetupReportColumns(int opt) {
    ListView->clear();
    ListView->setColumnCount(0);
    Layout = LayoutReport(opt, State.Common.ScheduleKind, Counts);
    if (!Layout.Editor) {
        const int columns = static_cast<int>(Layout.Columns.size());
        ListView->setColumnCount(columns);
        QTreeWidgetItem* header = ListView->headerItem();
        for (int i = 0; i < columns; ++i) {
            const ReportColumn& column = Layout.Columns[i];
            header->setText(i, ToQt(column.Caption));
            header->setTextAlignment(i, column.Centred ? Qt::AlignCenter : Qt::AlignLeft);
            ListView->setColumnWidth(i, column.Width);
        }
        ListView->setGeometry(Layout.ListLeft, Layout.ListTop, Layout.ListWidth, Layout.ListHeight);
        if (Layout.OpponentsLabel) {
            GroepKopLab1->setText(ToQt(OpponentsLabelText));
            GroepKopLab1->setFont(
                QFont(ToQt(State.Common.ScreenFontName), std::max(State.Common.ScreenFontSize, 1)));
            GroepKopLab1->adjustSize();
            GroepKopLab1->move(Layout.OpponentsLabelLeft, Layout.OpponentsLabelTop);
            GroepKopLab1->show();
        }
        BewerkGrid->hide();
        ListView->show();
        RedBtn->show();
        PrintBtn->show();
        PreviewBtn->show();
    } else {
        const int columns = static_cast<int>(Layout.Columns.size());
        BewerkGrid->setColumnCount(columns);
        for (int i = 0; i < columns; ++i) BewerkGrid->setColumnWidth(i, Layout.Columns[i].Width);
        BewerkGrid->setGeometry(Layout.ListLeft, Layout.ListTop, Layout.ListWidth,
                                Layout.ListHeight);
        ListView->hide();
        BewerkGrid->show();
        RedBtn->hide();
        PrintBtn->hide();
        PreviewBtn->hide();
    }
    resize(Layout.WindowWidth, Layout.WindowHeight);
    Resulthead->show();
    BewerkTextLab->move(210, Layout.ListTop + Layout.ListHeight + 4);
    BewerkTextLab->hide();
    PlaceBottomPanel();
}

void TResultsForm::ShowReportLines(int opt) {
    const QFont screenFont(ToQt(State.Common.ScreenFontName),
                           std::max(State.Common.ScreenFontSize, 1));
    if (opt != ReportEditor) {
        ListView->setFont(screenFont);
        QList<QTreeWidgetItem*> items;
        for (const TResultObj& line : UitLijst) {
            auto* item = new QTreeWidgetItem;
            const std::vector<std::string> fields = ReportListFields(line.Regel);
            for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
                item->setText(i, ToQt(fields[i]));
                if (i < static_cast<int>(Layout.Columns.size()) && Layout.Columns[i].Centred)
                    item->setTextAlignment(i, Qt::AlignCenter);
            }
            items.append(item);
        }
        ListView->addTopLevelItems(items);
    } else {
        BewerkGrid->setFont(screenFont);
        BewerkGrid->clearContents();
        const auto rows = EditorGridRows(BewerkGridKop, UitLijst);
        BewerkGrid->setRowCount(static_cast<int>(rows.size()));
        const QColor fixed = palette().color(QPalette::Button);
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            for (int c = 0; c < BewerkGrid->columnCount(); ++c) {
                auto* item = new QTableWidgetItem(
                    c < static_cast<int>(rows[r].size()) ? ToQt(rows[r][c]) : QString());
                if (r == 0 || c == 0) {
                    // The heading row and the position column are fixed: they cannot be chosen.
                    item->setFlags(Qt::NoItemFlags);
                    item->setBackground(fixed);
                    item->setForeground(palette().color(QPalette::ButtonText));
                }
                BewerkGrid->setItem(r, c, item);
            }
        }
        if (rows.size() > 1)
            BewerkGrid->setCurrentCell(1, std::min(4, BewerkGrid->columnCount() - 1));
    }
    EditorPart->Start({Counts, EditorRows, Edition});
}

bool TResultsForm::ShowsCurrentReport(int opt) const {
    const ScheduleStore& store = State.Store();
    return isVisible() && Opt == opt && Edition == store.Edition && store.HoldsRunOfCurrentSetUp();
}

void TResultsForm::StopBtnClick() {
    close();
    if (QWidget* main = parentWidget()) main->activateWindow();
}

void TResultsForm::Paarschema2Click(int tag) {
    close();
    OpenResultaten(static_cast<uint16_t>(tag));
    if (isVisible() && OnReopened) OnReopened();
}

void TResultsForm::ListViewMouseDown(Qt::MouseButton button, const QPoint& pos) {
    if (button != Qt::RightButton) return;
    const QRect frame = frameGeometry();
    PopupResultMenu->popup(QPoint(frame.left() + pos.x(), frame.top() + pos.y() + 50));
}

void TResultsForm::ListViewMouseMove(int x) {
    const auto hint = ColumnHint(Opt, State.Common.ScheduleKind, x, Counts);
    if (hint) {
        ListView->setToolTip(ToQt(*hint));
    } else {
        ListView->setToolTip(QString());
        QToolTip::hideText();
    }
}

void TResultsForm::VoeginRijClick() {
    QTreeWidgetItem* selected = ListView->currentItem();
    if (!selected || !selected->isSelected()) return;
    const int index = ListView->indexOfTopLevelItem(selected);
    auto* blank = new QTreeWidgetItem;
    blank->setText(0, "  ");
    ListView->insertTopLevelItem(index, blank);
    ListView->viewport()->update();
}

void TResultsForm::VerwijderRijClick() {
    QTreeWidgetItem* selected = ListView->currentItem();
    if (!selected || !selected->isSelected()) return;
    delete ListView->takeTopLevelItem(ListView->indexOfTopLevelItem(selected));
    ListView->viewport()->update();
}

void TResultsForm::HelpResBtnClick() {
    Ports.Help.ShowContext(250);
}

void TResultsForm::FormActivate() {
    PasFormAan(this);
    if (Opt == ReportEditor)
        BewerkGrid->setFocus();
    else
        ListView->setFocus();
}

void TResultsForm::BewerkGridClick() {
    EditorPart->BewerkGridClick();
}

void TResultsForm::BewerkGridKeyPress(char key) {
    EditorPart->BewerkGridKeyPress(key);
}

bool TResultsForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(event);
}

bool TResultsForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView->viewport()) {
        if (event->type() == QEvent::MouseMove)
            ListViewMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint().x());
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            ListViewMouseDown(mouse->button(), mouse->position().toPoint());
        }
    }
    if (watched == BewerkGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            BewerkGridKeyPress(13);
            return true;
        }
        // Without a mouse: the arrow keys move to a cell, the space bar chooses it as a click
        // would.
        if (key == Qt::Key_Space) {
            BewerkGridClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
