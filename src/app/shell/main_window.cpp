#include "app/shell/main_window.h"

#include "app/common/application_hints.h"
#include "app/common/qt_text.h"
#include "app/config/config_dialog.h"
#include "app/help/help_key_filter.h"
#include "app/members/member_file_chooser.h"
#include "app/members/member_file_commands.h"
#include "app/shell/about_box.h"
#include "core/common/error_report.h"
#include "state/start_up_values.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTime>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr std::array<const char*, 6> BeeldHints = {
    "Selecteer Tolvex venster",  "Selecteer Ledentabel",         "Selecteer Schema venster ",
    "Selecteer Uitvoer venster", "Selecteer MatchScore venster", "Selecteer Opties"};

// The system's long time format without a time zone, which would not fit the panel.
QString LongTimeText(const ClockTime& now) {
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(u't');
    return QLocale::system().toString(QTime(now.Hour, now.Minute, now.Second), format.trimmed());
}

} // namespace

int HelpContextOf(const QObject* object) {
    return object ? object->property("helpContext").toInt() : 0;
}

TTolvex12::TTolvex12(AppState& state, const WindowPorts& ports, QWidget* parent)
    : QMainWindow(parent)
    , State(state)
    , Ports(ports) {
    setObjectName("Tolvex12");
    setWindowTitle("Tennis Tolvex");
    setProperty("helpContext", 200);
    CreateMenus();
    CreateToolBar();
    CreateMemberArea();
    CreateStatusBar();
    FormCreate();
}

TTolvex12::~TTolvex12() = default;

void TTolvex12::SetAboutBox(TAboutBox* aboutBox) {
    AboutBox = aboutBox;
}

void TTolvex12::FormCreate() {
    resize(750, 570);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect desktop = screen->availableGeometry();
        move(desktop.center() - QPoint(750 / 2, 570 / 2));
    }

    SetStartUpValues(State, Ports.Time.Today());
    QFont windowFont = font();
    windowFont.setPointSize(State.Common.ScreenFontSize);
    setFont(windowFont);
    statusBar()->setFont(windowFont);
    SetStatusPanel(2, "Datum: " + ToQt(State.Common.TodayDate.View()));
    // The window states start with all three groups off.
    SetWindowState(ListWindowState::Empty);

    Menuiconen->setChecked(true);
    AddBeeldMenu(this, BeeldMain);

    // The hints of every window of the application show in panel 0.
    new ApplicationHints([this](const QString& hint) { ToonHint(hint); }, this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TTolvex12::Timer1Timer);
    Timer1->start();
}

void TTolvex12::ApplyCommandStates() {
    for (std::size_t i = 0; i < MainCommandCount; ++i) {
        const auto command = static_cast<MainCommand>(i);
        const QString name = QString::fromLatin1(MainCommandName(command));
        const bool on = States.Enabled(command);
        if (auto* action = findChild<QAction*>(name))
            action->setEnabled(on);
        else if (auto* control = findChild<QWidget*>(name))
            control->setEnabled(on);
    }
}

void TTolvex12::ShowGridParts(bool shown) {
    for (QWidget* part : {static_cast<QWidget*>(LedenGrid), GridPanel, LedenPanel,
                          static_cast<QWidget*>(Pasoplabel), static_cast<QWidget*>(ActieLabel)})
        part->setVisible(shown);
    Zoekpanel->setVisible(false);
    if (shown) PlaceGridArea();
}

void TTolvex12::EnableMenuItems(bool enbld) {
    States.EnableMenuItems(enbld);
    ApplyCommandStates();
}

void TTolvex12::EnableGridItems(bool enbld) {
    States.EnableGridItems(enbld);
    ApplyCommandStates();
    ShowGridParts(enbld);
}

void TTolvex12::EnableUitVoerItems(bool enbld) {
    States.EnableUitVoerItems(enbld);
    ApplyCommandStates();
}

void TTolvex12::SetWindowState(ListWindowState windowState) {
    States.Enter(windowState);
    ApplyCommandStates();
    ShowGridParts(States.GridShown());
}

void TTolvex12::AddBeeldMenu(QWidget* actifForm, int itx) {
    if (!actifForm || !actifForm->isVisible() || itx < 0 || itx >= 6) return;
    QAction* entry = BeeldMenu->addAction(actifForm->windowTitle());
    entry->setObjectName(QString("BeeldItem%1").arg(itx));
    entry->setProperty("tag", itx);
    entry->setStatusTip(ToQt(BeeldHints[itx]));
    connect(entry, &QAction::triggered, this, [this, entry] { BeeldItemClick(entry); });
    WindowListed[itx] = true;
    ListedWindows[itx] = actifForm;
    // A listed window leaves the list when it is closed, so every entry leads to an open window.
    if (actifForm != this) actifForm->installEventFilter(this);
}

void TTolvex12::DelBeeldMenu(int itx) {
    // The search runs from the first window entry; reaching the last entry removes that one.
    QList<QAction*> entries;
    for (QAction* entry : BeeldMenu->actions())
        if (entry->property("tag").isValid()) entries.append(entry);
    if (itx >= 0 && itx < 6) {
        WindowListed[itx] = false;
        ListedWindows[itx] = nullptr;
    }
    if (entries.isEmpty()) {
        ShowInfo(Ports.Msg, "Venster al gesloten");
        return;
    }
    qsizetype i = 0;
    while (i < entries.size() - 1 && entries[i]->property("tag").toInt() != itx) ++i;
    QAction* found = entries[i];
    BeeldMenu->removeAction(found);
    found->deleteLater();
}

void FocusWindow(QWidget* window) {
    if (window->isMinimized()) window->showNormal();
    window->raise();
    window->activateWindow();
}

void TTolvex12::BeeldItemClick(QAction* sender) {
    int tag = sender ? sender->property("tag").toInt() : BeeldMain;
    QWidget* target = nullptr;
    switch (tag) {
    case BeeldMain:
        target = this;
        break;
    case BeeldUitvoer:
        target = ResultsForm;
        break;
    case BeeldOpties:
        target = OptiesForm;
        break;
    default:
        break;
    }
    if (target && target->isVisible()) FocusWindow(target);
}

void TTolvex12::SetStatusPanel(int panel, const QString& text) {
    if (panel >= 0 && panel < 4) StatusPanels[panel]->setText(text);
}

QString TTolvex12::StatusPanelText(int panel) const {
    return panel >= 0 && panel < 4 ? StatusPanels[panel]->text() : QString();
}

void TTolvex12::ToonHint(const QString& hint) {
    SetStatusPanel(0, hint);
}

void TTolvex12::Exit1Click() {
    close();
}

void TTolvex12::PaarSchemaClick(int opt) {
    if (WindowListed[BeeldUitvoer] && ShowsCurrentReport(opt)) {
        FocusWindow(ResultsForm);
        return;
    }
    // Another report, or one of an earlier schedule: the window opens anew.
    CloseResultsForm();
    OpenResultaten(opt);
    EnableUitVoerItems(true);
    if (!WindowListed[BeeldUitvoer]) AddBeeldMenu(ResultsForm, BeeldUitvoer);
}

void TTolvex12::UitSpdBtnClick() {
    PaarSchemaClick(1);
}

void TTolvex12::PrintOptiesClick(int pgNr) {
    // A list exists once one was started or loaded; a cancelled open dialog does not remove it.
    if (!State.Members.MemberDataPresent && State.Members.MemberCount == 0) {
        Ports.Msg.Show("Geen Ledenbestand geladen", KindWaarschuwing, ButtonsOK);
        return;
    }
    if (WindowListed[BeeldOpties] && OptiesForm && OptiesForm->isVisible()) {
        FocusWindow(OptiesForm);
        return;
    }
    OpenOpties(pgNr);
    AddBeeldMenu(OptiesForm, BeeldOpties);
}

void TTolvex12::MaxSchermClick() {
    bool maximised = (State.Configuration.PrnCfg.Preferent & PrefMaximised) == 0;
    if (maximised)
        State.Configuration.PrnCfg.Preferent |= PrefMaximised;
    else
        State.Configuration.PrnCfg.Preferent &= static_cast<uint16_t>(~PrefMaximised);
    ApplyMaximised(maximised);
    SaveConfigOfList();
}

void TTolvex12::ApplyMaximised(bool maximised) {
    if (maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
        MaxScherm->setText("Normaal scherm");
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        MaxScherm->setText("Maximaal scherm");
    }
}

void TTolvex12::EnableNieuw(bool enbld) {
    Nieuw1->setEnabled(enbld);
    NieuwSpdBtn->setEnabled(enbld);
}

void TTolvex12::MenuiconenClick() {
    MenuBar->setVisible(Menuiconen->isChecked());
}

void TTolvex12::InhoudHelp1Click() {
    Ports.Help.ShowContents();
}

void TTolvex12::GebrkHlpClick() {
    Ports.Help.ShowHelpOnHelp();
}

void TTolvex12::InfoClick() {
    if (AboutBox) AboutBox->exec();
}

void TTolvex12::HelptBtn1Click() {
    Ports.Help.ShowContext(235);
}

void TTolvex12::SchrapBitBtnClick() {
    SetWindowState(ListWindowState::ListClosed);
}

void TTolvex12::SluitBitBtnClick() {
    State.Common.ErrorCode = 0;
    if (!ClubNumbersUnique()) {
        ReportError({Ports.Msg, State.Common.ErrorCode}, "", 9, 0, 0);
        States.SetSluit(false);
        return;
    }
    if (Ports.Msg.Show("Bestand bewaren ?", KindBevestig, ButtonsJaNee) == ResultYes)
        SaveListOnClose();
    SetWindowState(ListWindowState::ListClosed);
}

void TTolvex12::Timer1Timer() {
    SetStatusPanel(3, "Tijd: " + LongTimeText(Ports.Time.Now()));
}

bool TTolvex12::FormCloseQuery() {
    if (States.Sluit()) return true;
    int answer =
        Ports.Msg.Show("Bestand nog redden\r gebruik dan Sluit", KindBevestig, ButtonsJaNee);
    return answer != ResultYes;
}

void TTolvex12::ShowHelpFor(QObject* control) {
    int context = HelpContextFor(control);
    Ports.Help.ShowContext(context != 0 ? context : HelpContextOf(this));
}

bool TTolvex12::event(QEvent* event) {
    // Every hint, of a menu item or of a control under the mouse, goes to the first panel.
    if (event->type() == QEvent::StatusTip) {
        ToonHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TTolvex12::eventFilter(QObject* watched, QEvent* event) {
    // A listed window leaves the list when it closes; minimised it stays listed.
    if (event->type() == QEvent::Hide && watched != this && !event->spontaneous()) {
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && !window->isMinimized())
            for (int tag = 0; tag < 6; ++tag)
                if (WindowListed[tag] && ListedWindows[tag] == watched) DelBeeldMenu(tag);
    }
    if (event->type() == QEvent::Resize && watched == GridArea) PlaceGridArea();
    return QMainWindow::eventFilter(watched, event);
}

void TTolvex12::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TTolvex12::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (LedenGrid && LedenGrid->isVisible()) FormResize();
}
