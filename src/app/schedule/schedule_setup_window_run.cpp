// The run on screen: "&Start" takes every field into the one set-up input and runs the schedule;
// the window shows the run's texts, warnings and progress and answers "S&top" and Esc.

#include "app/schedule/schedule_setup_window.h"

#include "app/common/qt_text.h"
#include "core/schedule/round_reasons.h"
#include "core/schedule/schedule_run.h"
#include "core/schedule/schedule_setup.h"
#include "core/schedule/schedule_setup_fields.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>

// The run's pump: events as the program's pump lets them through, and the pauses of the
// computing texts on the window's own delay timer, processing events until it has fired.
class TSchemaForm::RunPump : public EventPump {
public:
    RunPump(EventPump& pump, QTimer& timer)
        : Pump(pump)
        , Timer(timer) {}
    void ProcessEvents() override { Pump.ProcessEvents(); }
    void Delay(int milliseconds) override {
        Timer.start(milliseconds);
        while (Timer.isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

private:
    EventPump& Pump;
    QTimer& Timer;
};

void TSchemaForm::StartSchemaBtnClick() {
    if (Running) return;
    ScheduleStore& store = State.Store();
    if (!TakeAllFields()) return;

    RunPump pump(Ports.Pump, *DelayTimer);
    RunControl control{State.Common.StopKey, CandidateLimit, 1, LiteralSearch};
    RunPorts run{Ports.Msg, pump, Ports.Bell, *this, control};
    HideReasonList();
    Running = true;
    SetFieldsLocked(true);
    StartRun(State.Common, State.Configuration, store, run);
    Running = false;
    SetFieldsLocked(false);
    if (std::exchange(FocusOKAfterRun, false)) SluitBtn->setFocus();
    if (store.RoundValid) StopSchemaBtn->hide();
    if (!store.Reasons.empty()) {
        QStringList lines;
        for (const std::string& line : RoundReasonLines(store)) lines << ToQt(line);
        ShowReasonList(lines);
        PassendeBanenBtn->show();
    }
    if (PendingResult) done(*std::exchange(PendingResult, std::nullopt));
}

// A run starts only on what the fields show: a field refused (the message of its check) or not
// a whole number keeps it from starting, with the field's text selected to be corrected.
bool TSchemaForm::TakeFieldToRun(int tag) {
    if (!(tag >= 1 && tag <= 5) && !IsCellTag(tag)) return TakeField(tag);
    auto* edit = qobject_cast<QLineEdit*>(FieldOf(tag));
    if (TakeNumberField({Ports.Msg, State.Common.ErrorCode}, State.Configuration, State.Members,
                        State.Store(), Ports.Bell, tag, FromQt(edit->text())) == TakeResult::Stored)
        return true;
    edit->setFocus();
    edit->selectAll();
    return false;
}

bool TSchemaForm::TakeAllFields() {
    ScheduleStore& store = State.Store();
    ScheduleParams& params = store.Params;
    State.Common.ErrorCode = 0;
    // A field refused or not a whole number keeps the run from starting: the user corrects it
    // first.
    for (int tag = 1; tag <= LastCellTag; ++tag)
        if (!TakeFieldToRun(tag)) return false;
    if (Banengekozen) ::SaveCourtPage(store, RndIndx);

    ScheduleSetupInput input;
    input.Kind = State.Common.ScheduleKind;
    input.NHeren = params.NHeren;
    input.NDames = params.NDames;
    input.NDubRonden = params.NDubRonden;
    input.NMixRonden = params.NMixRonden;
    input.NBanen = params.NBanen;
    input.SpeelDatum = params.SpeelDatum;
    input.CourtsMen = store.CourtsMen;
    input.CourtsWomen = store.CourtsWomen;
    input.CourtsMixed = store.CourtsMixed;
    input.PairingOptions = params.PairingOptions;
    input.PauseOptions = params.PauseOptions;
    ApplyScheduleSetup(State.Common, store, input, Ports.Bell, *this);
    return true;
}

void TSchemaForm::StopSchemaBtnClick() {
    // While fitting courts "S&top" ends the search only; the window stays.
    if (FittingCourts) {
        State.Common.StopKey = 27;
        return;
    }
    RekenTxtMemo->hide();
    RekenProgress->setValue(0);
    State.Common.StopKey = 27;
    Finish(StoppedResult);
}

void TSchemaForm::ComputingText(bool ready, bool visible) {
    MemoLines[0] = ready ? " Klaar met rekenen .... " : " Ik ben aan het rekenen ....  wacht";
    SetMemoLine(0, MemoLines[0], 25);
    RekenTxtMemo->setVisible(visible);
}

void TSchemaForm::SetMemoLine(int line, const QString& text, int height) {
    MemoLines[line] = text;
    // The memo is as high as its lines: 25 for line 0, 20 more for each further line.
    const int last = std::clamp((height - 25) / 20, 0, 2);
    QStringList lines;
    for (int i = 0; i <= last; ++i) lines << MemoLines[i];
    RekenTxtMemo->setPlainText(lines.join('\n'));
    RekenTxtMemo->setGeometry(135, 200, RekenTxtMemo->width(), height);
    RekenTxtMemo->raise();
}

void TSchemaForm::WriteCompu(int compindx) {
    if (compindx < 4) {
        ComputingText(false, true);
    } else {
        ComputingText(false, false);
        ComputingText(true, true);
        StopSchemaBtn->hide();
        RekenProgress->setValue(static_cast<int>(ProgressPosition));
    }
}

void TSchemaForm::ShowRoundProgress(int line, std::string_view text) {
    SetMemoLine(line, ToQt(text), 20 * line + 25);
    RekenTxtMemo->show();
}

void TSchemaForm::ShowWarning(std::string_view text) {
    FoutregelLabel->setText(ToQt(text));
    FoutregelLabel->show();
}

void TSchemaForm::HideWarning() {
    FoutregelLabel->hide();
}

void TSchemaForm::SaveCourtPage() {
    if (Banengekozen) ::SaveCourtPage(State.Store(), RndIndx);
}

void TSchemaForm::ShowPauseEdits(int threeTimes, int twoTimes) {
    const QSignalBlocker block1(PauzeEdit1), block2(PauzeEdit2);
    PauzeEdit1->setValue(threeTimes);
    PauzeEdit2->setValue(twoTimes);
}

void TSchemaForm::FocusOK() {
    if (SluitBtn->isEnabled())
        SluitBtn->setFocus();
    else
        FocusOKAfterRun = true;
}

void TSchemaForm::ShowStopButton(bool shown) {
    StopSchemaBtn->setEnabled(shown);
    StopSchemaBtn->setVisible(shown);
    // The stop button takes Esc and the focus; a read-only field would swallow nothing.
    if (shown) StopSchemaBtn->setFocus();
}

void TSchemaForm::ResetProgress(int maximum) {
    ProgressMax = maximum;
    ProgressPosition = 0;
    ProgressCalls = 0;
    ProgressClock.start();
    RekenProgress->setRange(0, maximum);
    RekenProgress->setValue(0);
    RekenProgress->show();
    VoortgangLabel->show();
}

// One step per candidate, wrapping past the maximum. A progress bar paints itself at once when
// its value changes, so the bar is given the position only about every 20 ms (the clock is read
// every 64th call): often enough to be seen moving, rarely enough to cost the search nothing.
void TSchemaForm::StepProgress(uint64_t steps) {
    ProgressPosition = (ProgressPosition + steps) % static_cast<uint64_t>(ProgressMax + 1);
    if ((++ProgressCalls & 63) != 0 || !ProgressClock.hasExpired(20)) return;
    ProgressClock.restart();
    RekenProgress->setValue(static_cast<int>(ProgressPosition));
}
