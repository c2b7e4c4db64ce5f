#pragma once
// "Schema Resultaten": one report of the computed schedule at a time, in a multi-column report
// list, or the court-change editor in a grid. Created once at start-up and reused; every
// opening rebuilds its contents from the current schedule.

#include "app/common/print_or_preview.h"
#include "app/common/window_ports.h"
#include "core/reports/court_editor.h"
#include "core/reports/report_layout.h"
#include "core/reports/report_lines.h"
#include "core/reports/report_print.h"
#include "state/app_state.h"

#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QWidget;

class TResultsForm : public QWidget {
    Q_OBJECT
public:
    TResultsForm(AppState& state, const WindowPorts& ports, QWidget* parent = nullptr);
    ~TResultsForm() override;

    // Builds and shows report opt (1..5). Nothing before a schedule exists; the editor is refused
    // for a schedule with pairs (and the window is not shown).
    void OpenResultaten(uint16_t opt);
    // The window is open on report opt of the schedule in the store now (no set-up or run since
    // it was built).
    bool ShowsCurrentReport(int opt) const;
    void AddReportLine(const std::string& text);
    void SetupReportColumns(int opt);
    void ShowReportLines(int opt);

    // Handlers.
    void StopBtnClick();
    void Paarschema2Click(int tag);
    void ListViewMouseDown(Qt::MouseButton button, const QPoint& pos);
    void ListViewMouseMove(int x);
    void VoeginRijClick();
    void VerwijderRijClick();
    void HelpResBtnClick();
    void FormActivate();
    void BewerkGridClick();
    void BewerkGridKeyPress(char key);
    // Export, printing and the print preview of the shown report (report_print_commands.cpp).
    void RedBtnClick();
    void PrintBtnClick();
    void PreviewBtnClick();
    void PrintReportAs(PrintMode mode);
    static bool OutputCommandsBuilt();
    // What the report list shows, as it is printed.
    ReportPrintout ShownReportPrintout();
    // The name the last export was written to.
    std::string ExportFileName;

    // Called after the popup menu opened another report, so that the main window lists this
    // window again.
    std::function<void()> OnReopened;

    // The report on show.
    int Opt = 0;
    int Variant = 0;
    ReportCounts Counts;
    ReportLines UitLijst;
    ReportLayout Layout;
    std::string BewerkGridKop;
    // The player of every editor grid row, and the edition of the schedule the report shows.
    std::vector<CourtScheduleRow> EditorRows;
    uint32_t Edition = 0;
    int16_t PageLines = 0;
    int16_t OrientFactor = 100;
    const CourtEditor& Editor() const { return *EditorPart; }

    // Components.
    QLabel* Resulthead = nullptr;
    QLabel* GroepKopLab1 = nullptr;
    QLabel* BewerkTextLab = nullptr;
    QTreeWidget* ListView = nullptr;
    QTableWidget* BewerkGrid = nullptr;
    QWidget* BottomPanel = nullptr;
    QPushButton* StopBtn = nullptr;
    QPushButton* RedBtn = nullptr;
    QPushButton* PrintBtn = nullptr;
    QPushButton* PreviewBtn = nullptr;
    QPushButton* HelpResBtn = nullptr;
    QMenu* PopupResultMenu = nullptr;
    std::array<QAction*, 6> ReportItems{}; // [1..5] by Tag
    QAction* VoeginRij = nullptr;
    QAction* VerwijderRij = nullptr;

    AppState& State;
    WindowPorts Ports;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class GridAdapter;
    void CreateControls();
    void PlaceBottomPanel();
    std::unique_ptr<GridAdapter> Grid;
    std::unique_ptr<CourtEditor> EditorPart;
};
