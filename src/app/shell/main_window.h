#pragma once
// The main window: menus, tool bar, member area with its bottom buttons, status bar with clock,
// the window list "Bee&ld", and the wiring of every command.
//
// Every command is a named action (objectName = member name) whose handler is a method named
// after the control and its event. The handlers of each area live in main_window_<area>*.cpp.
//
// The controls are private: tests find them by objectName.

#include "app/common/print_or_preview.h"
#include "app/common/window_ports.h"
#include "core/shell/window_states.h"
#include "state/app_state.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;
class QTimer;
class QToolBar;
class TAboutBox;
class TConfigDial;
class TSchemaForm;
class TLedenGrid;
class MemberFileCommands;
struct MemberGridPrintout;

// Tags of the entries of the window list.
enum BeeldTag : int {
    BeeldMain = 0,
    BeeldLedenTabel = 1,
    BeeldSchema = 2,
    BeeldUitvoer = 3,
    BeeldMatchScore = 4,
    BeeldOpties = 5,
};

class TTolvex12 : public QMainWindow {
    Q_OBJECT
public:
    TTolvex12(AppState& state, const WindowPorts& ports, QWidget* parent = nullptr);
    ~TTolvex12() override;

    // Command groups: M (file and member commands), G (the member grid and its editing
    // commands), U (the reports).
    void EnableMenuItems(bool enbld);
    void EnableGridItems(bool enbld);
    void EnableUitVoerItems(bool enbld);
    // Enters one of the window states: the groups M and G and Sluit together.
    void SetWindowState(ListWindowState windowState);
    // True when the window may close without asking about the list.
    bool Sluit() const { return States.Sluit(); }
    // "&Nieuw" and its tool button, off between starting a new list and its first save.
    void EnableNieuw(bool enbld);
    // Maximised or normal window with the matching caption of "Maximaal scherm" (also what a
    // loaded configuration asks for).
    void ApplyMaximised(bool maximised);
    // The arrangement of the member area; the member grid lays it out its own way.
    void PlaceGridArea();

    // The window list.
    void AddBeeldMenu(QWidget* actifForm, int itx);
    void DelBeeldMenu(int itx);
    void BeeldItemClick(QAction* sender);
    bool IsWindowListed(int tag) const { return WindowListed.at(tag); }

    // Status bar panels 0..3.
    void SetStatusPanel(int panel, const QString& text);
    QString StatusPanelText(int panel) const;
    void ToonHint(const QString& hint);

    // The windows opened from here, handed over as they are created at start-up.
    void SetAboutBox(TAboutBox* aboutBox);
    void SetResultsForm(QWidget* resultsForm) { ResultsForm = resultsForm; }
    void SetOptiesForm(QWidget* optiesForm) { OptiesForm = optiesForm; }
    // The schedule set-up window (main_window_schedule_commands.cpp).
    void SetSchemaForm(TSchemaForm* schemaForm);
    void SchemaOpzet(int nr);

    // Handlers of this window's own commands.
    void Exit1Click();
    void PaarSchemaClick(int opt);
    void UitSpdBtnClick();
    void PrintOptiesClick(int pgNr);
    void MaxSchermClick();
    void MenuiconenClick();
    void InhoudHelp1Click();
    void GebrkHlpClick();
    void InfoClick();
    void HelptBtn1Click();
    void SchrapBitBtnClick();
    void SluitBitBtnClick();
    void Timer1Timer();
    bool FormCloseQuery();
    // The help topic of the control (or highlighted menu item), else of the main window. F1
    // reaches the same topics through the application's help key filter (app/help).
    void ShowHelpFor(QObject* control);

    // The command handlers (main_window_*_commands.cpp).
    void Nieuw1Click();
    void Open1Click();
    void ConfigutratieClick();
    void Bewaren1Click();
    void Bewarenals1Click();
    void Adres1Click();
    void InvoegSpdBtnClick();
    void WegSpdBtnClick();
    void Edit1Click();
    void ZoekSpdbtnClick();
    void SortClubNrClick(int tag);
    void SortSpdBtnClick();
    void SchemaNamenClick(int tag);
    void NaamSpdBtnClick();
    void PaarSpdBtnClick();
    void SaveBtnClick();
    void RandomBtnClick();
    void TurvenBtnClick();
    void FormResize();
    // The member grid (main_window_member_commands.cpp): shows MemberList in the normal view, and
    // commits every row while the grid is visible (a number cell that is none stops the caller
    // with CellConversionError).
    void OpenLedenInput();
    void GridToList();
    // The print commands (main_window_print_commands.cpp).
    void Print1Click();
    void PrintPreview1Click();
    void PrintMemberListAs(PrintMode mode);
    MemberGridPrintout MemberGridAsShown();
    // Steps of the commands above that other windows carry out.
    void OpenResultaten(int opt);
    // The report window shows report opt of the schedule in the store now; closing it when the
    // schedule it shows is about to be replaced (main_window_report_commands.cpp).
    bool ShowsCurrentReport(int opt) const;
    void CloseResultsForm();
    void OpenOpties(int pgNr);
    bool ClubNumbersUnique();
    void SaveListOnClose();
    void SaveConfigOfList();
    // The member file named on the command line (main_window_file_commands.cpp).
    void OpenFileFromCommandLine(const QString& fileName);
    // The file commands and the configuration dialog, made on first use.
    MemberFileCommands& FileCommands();

private:
    // Switches every command as the window states say.
    void ApplyCommandStates();
    // The member grid's parts and the bottom panel with group G.
    void ShowGridParts(bool shown);

    // Fields of the window.
    WindowStates States;
    int16_t Orientatfact = 100;
    int16_t Pagelines = 0;

    // Menus and their items.
    QMenu* BestandMenu = nullptr;
    QMenu* BewerkenMenu = nullptr;
    QMenu* SchemaMenu = nullptr;
    QMenu* UitvoerMenu = nullptr;
    QMenu* MatchMenu = nullptr;
    QMenu* OptiesMenu = nullptr;
    QMenu* BeeldMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QMenu* SorterenOpMenu = nullptr;

    QAction* Nieuw1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Configuratie = nullptr;
    QAction* Bewaren1 = nullptr;
    QAction* Bewarenals1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* PrintPreview1 = nullptr;
    QAction* Adres1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Invoegen1 = nullptr;
    QAction* Verwijderen1 = nullptr;
    QAction* Edit1 = nullptr;
    QAction* Zoeken1 = nullptr;
    QAction* SorterenOp1 = nullptr; // the submenu's own item
    QAction* SortClubNr = nullptr;
    QAction* SortVoornaam = nullptr;
    QAction* SortAchternaam = nullptr;
    QAction* SortDamesHeren = nullptr;
    QAction* SchemaNamen = nullptr;
    QAction* SchemaParen = nullptr;
    QAction* PaarSchema = nullptr;
    QAction* BaanSchema = nullptr;
    QAction* AantalGespeeld = nullptr;
    QAction* Kruistabel = nullptr;
    QAction* Wijzigen = nullptr;
    QAction* PrintOpties = nullptr;
    QAction* PersGegevens = nullptr;
    QAction* MaxScherm = nullptr;
    QAction* Menuiconen = nullptr;
    QAction* InhoudHelp1 = nullptr;
    QAction* GebrkHlp = nullptr;
    QAction* Info = nullptr;

    // The tool bar and its picture buttons.
    QToolBar* MenuBar = nullptr;
    QAction* NieuwSpdBtn = nullptr;
    QAction* OpenSpdBtn = nullptr;
    QAction* BewaarSpdBtn = nullptr;
    QAction* BewaarAlsSpdBtn = nullptr;
    QAction* PrintSpdBtn = nullptr;
    QAction* InvoegSpdBtn = nullptr;
    QAction* WegSpdBtn = nullptr;
    QAction* EditSpdBtn = nullptr;
    QAction* ZoekSpdbtn = nullptr;
    QAction* SortSpdBtn = nullptr;
    QAction* NaamSpdBtn = nullptr;
    QAction* PaarSpdBtn = nullptr;
    QAction* UitSpdBtn = nullptr;
    QActionGroup* SchemaSpdBtnGroup = nullptr;

    // The member area (its contents are the member grid's).
    QWidget* GridArea = nullptr;
    TLedenGrid* LedenArea = nullptr;
    QTableWidget* LedenGrid = nullptr;
    QWidget* GridPanel = nullptr;
    QLabel* Pasoplabel = nullptr;
    QWidget* Zoekpanel = nullptr;
    QLabel* ActieLabel = nullptr;

    // The bottom panel.
    QWidget* LedenPanel = nullptr;
    QPushButton* HelptBtn1 = nullptr;
    QPushButton* PrintBitBtn = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* RandomBtn = nullptr;
    QPushButton* TurvenBtn = nullptr;
    QPushButton* SchrapBitBtn = nullptr;
    QPushButton* SluitBitBtn = nullptr;

    std::array<QLabel*, 4> StatusPanels{};
    QTimer* Timer1 = nullptr;

    AppState& State;
    WindowPorts Ports;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void CreateMenus();
    void CreateToolBar();
    void CreateMemberArea();
    void CreateLedenGrid();
    void CreateStatusBar();
    void CreatePrintCommands();
    QAction* AddMenuItem(QMenu* menu, QAction*& field, const char* objectName, const char* caption,
                         const char* hint, int helpContext);
    QAction* AddToolButton(QAction*& field, const char* objectName, const char* hint,
                           int helpContext, const char* iconName);
    QPushButton* AddPanelButton(QPushButton*& field, const char* objectName, const char* caption,
                                const char* hint, int helpContext);

    std::unique_ptr<TConfigDial> ConfigDial;
    std::unique_ptr<MemberFileCommands> FileCommandsPart;
    std::array<bool, 6> WindowListed{};
    std::array<QPointer<QWidget>, 6> ListedWindows{};
    QPointer<TAboutBox> AboutBox;
    QPointer<QWidget> ResultsForm;
    QPointer<QWidget> OptiesForm;
    QPointer<TSchemaForm> SchemaForm;
};

// Brings a window to the front, restoring it when it is minimised.
void FocusWindow(QWidget* window);

// The help context a control or menu item carries (0 when none).
int HelpContextOf(const QObject* object);
