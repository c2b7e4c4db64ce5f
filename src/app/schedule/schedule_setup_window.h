#pragma once
// "Schema Opzet": the organiser prepares a schedule (the numbers of players, rounds and courts,
// the date, the courts per round in a grid of six rounds per page, the pairing and pause
// options) and computes it on "&Start", with the progress on screen and "S&top" to end it. The
// window shows the run through ScheduleView; the set-up and the run are the core's.

#include "app/common/window_ports.h"
#include "core/schedule/schedule_view.h"
#include "state/app_state.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;
class TBanenDlg;

// The modal result of "S&top".
inline constexpr int StoppedResult = 4;

class TSchemaForm : public QDialog, public ScheduleView {
    Q_OBJECT
public:
    TSchemaForm(AppState& state, const WindowPorts& ports, QWidget* parent = nullptr);
    ~TSchemaForm() override;

    void SetBanenDlg(TBanenDlg* dialog) { BanenDlg = dialog; }
    // What the window tells the main window: the group labels changed (its counter captions
    // follow them), the schedule was accepted with "&OK" (the report commands are enabled),
    // and the window is gone (the main window takes the focus).
    std::function<void()> OnGroupLabels;
    std::function<void()> OnScheduleAccepted;
    std::function<void()> OnFocusMain;

    // "Schema met &Namen" (1) or "Schema met &Paren" (2): prepares the window, shows it modally
    // and acts on how it was closed.
    void SchemaOpzet(int nr);
    // The steps before the window is shown; false when it must not be shown.
    bool PrepareShow(int nr);
    // The steps after the window was closed with the given result.
    void AfterClose(int result);

    // Validates and stores one field; false when its text is not a whole number.
    bool TakeField(int tag);
    void MoreBtnClick();
    void StartSchemaBtnClick();
    void StopSchemaBtnClick();
    // "&Passende banen": searches courts per round with which every round succeeds and puts
    // them in the grid; "&Start" then computes the schedule with them.
    void PassendeBanenBtnClick();
    void SluitBtnClick();
    void ChangeCourtPage(int d);
    void PauzeEdit1Change(int tag);
    bool FormCloseQuery();
    // Enter and Esc in a field (true when the key was used up); the arrow and page keys in
    // HerenEdit and the grid cells.
    bool HerenEditKeyPress(QWidget* sender, int key);
    bool HerenEditKeyDown(QWidget* sender, int key);
    void ComputingText(bool ready, bool visible);

    // What the run shows.
    void ShowWarning(std::string_view text) override;
    void HideWarning() override;
    void SaveCourtPage() override;
    void ShowPauseEdits(int threeTimes, int twoTimes) override;
    void FocusOK() override;
    void ShowStopButton(bool shown) override;
    void WriteCompu(int compindx) override;
    void ResetProgress(int maximum) override;
    void StepProgress(uint64_t steps) override;
    void ShowRoundProgress(int line, std::string_view text) override;
    void ShowPlanProgress(int round, int rounds) override;

    bool RunInProgress() const { return Running; }
    // When not 0, a run acts as if "S&top" was pressed after this many candidates (tests).
    uint64_t CandidateLimit = 0;
    // Examine every candidate instead of skipping where no selection can lie (tests that need
    // a long search).
    bool LiteralSearch = false;
    QLineEdit* Cell(int tag) const;
    QWidget* FieldOf(int tag) const;

    // Fields.
    int RndIndx = 0;
    bool Banengekozen = false;
    bool Sluit = false;

    // Controls (Tags 1..10 and the grid's 11..28).
    QLabel* HerenLabel = nullptr;
    QLabel* DamesLabel = nullptr;
    QLineEdit* HerenEdit = nullptr;
    QLineEdit* DamesEdit = nullptr;
    QLineEdit* TolvexEdit = nullptr;
    QLineEdit* Mixedit = nullptr;
    QLineEdit* BanenEdit = nullptr;
    QLineEdit* Datumedit = nullptr;
    QPushButton* MoreBtn = nullptr;
    QCheckBox* DameFirstBox = nullptr;
    QCheckBox* VariPairsBox = nullptr;
    QCheckBox* Groep1to2Box = nullptr;
    QLabel* FoutregelLabel = nullptr;
    QGroupBox* BanenBox = nullptr;
    QLabel* HerenHeading = nullptr;
    QLabel* DamesHeading = nullptr;
    QLabel* GemengdHeading = nullptr;
    std::array<std::array<QLineEdit*, 3>, 6> Nbaan{}; // [row - 1][column - 1]
    std::array<QLabel*, 6> NRonde{};
    QPushButton* StartSchemaBtn = nullptr;
    QPushButton* StopSchemaBtn = nullptr;
    QGroupBox* SpelOpties = nullptr;
    QGroupBox* ZitPauzes = nullptr;
    QSpinBox* PauzeEdit1 = nullptr;
    QSpinBox* PauzeEdit2 = nullptr;
    QPlainTextEdit* RekenTxtMemo = nullptr;
    QLabel* VoortgangLabel = nullptr;
    QProgressBar* RekenProgress = nullptr;
    QWidget* BottomPanel = nullptr;
    QPushButton* SluitBtn = nullptr;
    QPushButton* HelpSchbtn = nullptr;
    QPushButton* RondeMinBtn = nullptr;
    QPushButton* Rondeplusbtn = nullptr;
    QTimer* DelayTimer = nullptr;
    // Why rounds failed, one line per round, and what the search for fitting courts found; below
    // the progress bar, shown after a run with a failed round until the next "&Start".
    QListWidget* RedenLijst = nullptr;
    QPushButton* PassendeBanenBtn = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    class RunPump;

    void BuildControls();
    void BuildFitControls();
    // Every field into the store and the set-up, as "&Start" takes them; false when a field is
    // no number.
    bool TakeAllFields();
    // The list with these lines, scrolled to its first line or (fromEnd) to its last.
    void ShowReasonList(const QStringList& lines, bool fromEnd = false);
    void HideReasonList();
    void BuildCourtGrid();
    void ShowCountFields();
    void ShowCourtPageOnScreen();
    void ShowRoundButtons();
    bool TakeCountsForMore(const std::array<std::string, 5>& texts);
    bool TakeFieldToRun(int tag);
    void FocusCell(int tag);
    void SetFieldsLocked(bool locked);
    void SetMemoLine(int line, const QString& text, int height);
    void Finish(int result);
    bool CellVisible(int tag) const;
    int TagOf(const QObject* control) const;

    AppState& State;
    WindowPorts Ports;
    TBanenDlg* BanenDlg = nullptr;
    bool Running = false;
    bool FittingCourts = false;
    // The height the reasons list added to the window (0 while it is hidden).
    int ReasonListHeight = 0;
    std::optional<int> PendingResult;
    int ProgressMax = 0;
    uint64_t ProgressPosition = 0;
    uint64_t ProgressCalls = 0;
    QElapsedTimer ProgressClock;
    std::array<QString, 3> MemoLines;
    // The run asked for the focus on "&OK" while the fields were locked: it goes there when the
    // run has ended.
    bool FocusOKAfterRun = false;
};
