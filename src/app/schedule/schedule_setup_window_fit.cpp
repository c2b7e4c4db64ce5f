// When a round fails: the reasons listed below the progress bar, one line per failed round, and
// "&Passende banen", which lets the core search courts per round with which every round
// succeeds and puts them in the court grid.

#include "app/schedule/schedule_setup_window.h"

#include "app/common/qt_text.h"
#include "core/schedule/court_plan_search.h"
#include "core/schedule/schedule_setup_fields.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int ReasonListRows = 130; // about six lines of reasons, then it scrolls
constexpr int ReasonListGap = 6;

} // namespace

void TSchemaForm::BuildFitControls() {
    RedenLijst = new QListWidget(this);
    RedenLijst->setObjectName("RedenLijst");
    RedenLijst->setWordWrap(true);
    RedenLijst->setTextElideMode(Qt::ElideNone);
    RedenLijst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RedenLijst->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RedenLijst->setSelectionMode(QAbstractItemView::NoSelection);
    RedenLijst->setFocusPolicy(Qt::NoFocus);
    RedenLijst->setToolTip("Waarom een ronde niet lukte");
    RedenLijst->setProperty("helpContext", 246);
    RedenLijst->hide();

    PassendeBanenBtn = new QPushButton("&Passende banen", BanenBox);
    PassendeBanenBtn->setObjectName("PassendeBanenBtn");
    PassendeBanenBtn->setProperty("helpContext", 245);
    PassendeBanenBtn->setToolTip("Zoekt banen per ronde waarmee elke ronde lukt");
    PassendeBanenBtn->setAutoDefault(false);
    PassendeBanenBtn->setGeometry(StartSchemaBtn->x() - 15, 125, 110, 28);
    PassendeBanenBtn->hide();
    connect(PassendeBanenBtn, &QPushButton::clicked, this, &TSchemaForm::PassendeBanenBtnClick);
}

// The list takes its room below the progress bar: the bottom panel moves down and the window
// grows by as much, so that nothing it covers is hidden.
void TSchemaForm::ShowReasonList(const QStringList& lines, bool fromEnd) {
    if (ReasonListHeight == 0) {
        ReasonListHeight = ReasonListRows + ReasonListGap;
        RedenLijst->setGeometry(20, BottomPanel->y(), width() - 40, ReasonListRows);
        BottomPanel->move(BottomPanel->x(), BottomPanel->y() + ReasonListHeight);
        resize(width(), height() + ReasonListHeight);
    }
    RedenLijst->clear();
    RedenLijst->addItems(lines);
    RedenLijst->show();
    if (fromEnd)
        RedenLijst->scrollToBottom();
    else
        RedenLijst->scrollToTop();
}

void TSchemaForm::HideReasonList() {
    if (ReasonListHeight != 0) {
        BottomPanel->move(BottomPanel->x(), BottomPanel->y() - ReasonListHeight);
        resize(width(), height() - ReasonListHeight);
        ReasonListHeight = 0;
    }
    RedenLijst->clear();
    RedenLijst->hide();
    PassendeBanenBtn->hide();
}

void TSchemaForm::PassendeBanenBtnClick() {
    if (Running) return;
    ScheduleStore& store = State.Store();
    if (!TakeAllFields()) return;

    QStringList lines;
    for (int i = 0; i < RedenLijst->count(); ++i) lines << RedenLijst->item(i)->text();
    ShowReasonList(lines + QStringList{"Passende banen zoeken ...."}, true);

    RunControl control{State.Common.StopKey, 0, 1, LiteralSearch};
    RunPorts run{Ports.Msg, Ports.Pump, Ports.Bell, *this, control};
    CourtPlanLimits limits;
    if (CandidateLimit != 0) limits.TrialCandidates = CandidateLimit;
    Running = true;
    FittingCourts = true;
    SetFieldsLocked(true);
    ShowStopButton(true);
    const CourtPlanOutcome outcome =
        FitCourts(State.Common, State.Configuration, store, run, limits);
    Running = false;
    FittingCourts = false;
    SetFieldsLocked(false);
    ShowStopButton(false);
    RekenProgress->hide();
    VoortgangLabel->hide();
    State.Common.StopKey = 0;
    if (PendingResult) {
        done(*std::exchange(PendingResult, std::nullopt));
        return;
    }

    if (outcome.Stopped && !outcome.Found) {
        lines << "Het zoeken naar passende banen is gestopt.";
    } else if (outcome.Found) {
        ApplyCourtPlan(store, outcome.Plan);
        ::ShowCourtPage(store, RndIndx);
        ShowCourtPageOnScreen();
        lines << QString("Passende banen: met de banen die nu in het schema staan lukt elke "
                         "ronde (%1 wedstrijden). Kies \"Start\" om het schema te berekenen.")
                     .arg(outcome.Games);
        StartSchemaBtn->setFocus();
    } else {
        std::string text;
        for (const std::string& line : outcome.Why) {
            lines << ToQt(line);
            if (!text.empty()) text += '\r';
            text += line;
        }
        ShowReasonList(lines, true);
        Ports.Msg.Show(text, KindInformatie, ButtonsOK, 246);
        return;
    }
    ShowReasonList(lines, true);
}

void TSchemaForm::ShowPlanProgress(int round, int rounds) {
    if (RekenProgress->maximum() != rounds) RekenProgress->setRange(0, rounds);
    RekenProgress->setValue(round);
    RekenProgress->show();
    VoortgangLabel->show();
}
