#include "app/shell/main_window.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

#include <memory>

namespace {

class RecordingHelp : public HelpRequests {
public:
    void ShowContext(int helpContext) override { Contexts.push_back(helpContext); }
    void ShowContents() override { Contexts.push_back(-1); }
    void ShowHelpOnHelp() override { Contexts.push_back(-2); }
    std::vector<int> Contexts;
};

struct Fixture {
    AppState State;
    TestPorts Fakes;
    ScriptedChooser Choose;
    RecordingPrintCanvas Printer;
    RecordingHelp Help;
    std::unique_ptr<TTolvex12> Window;

    Fixture() {
        Fakes.Time.Date = {2015, 1, 7};
        Window =
            std::make_unique<TTolvex12>(State, WindowPorts{Fakes.Messages, Fakes.Pump, Fakes.Bell,
                                                           Fakes.Time, Choose, Printer, Help});
    }
    QAction* Action(const char* name) const {
        auto* action = Window->findChild<QAction*>(name);
        if (!action) qFatal("no action %s", name);
        return action;
    }
};

const char* const GroupM[] = {"Bewaren1",    "Bewarenals1", "Invoegen1",    "Verwijderen1",
                              "Zoeken1",     "SorterenOp1", "Print1",       "Adres1",
                              "SchemaNamen", "SchemaParen", "BewaarSpdBtn", "BewaarAlsSpdBtn",
                              "PrintSpdBtn", "NaamSpdBtn",  "PaarSpdBtn"};
const char* const GroupGOnly[] = {"InvoegSpdBtn", "WegSpdBtn", "ZoekSpdbtn", "SortSpdBtn"};
const char* const GroupU[] = {"PaarSchema", "BaanSchema", "AantalGespeeld",
                              "Kruistabel", "Wijzigen",   "UitSpdBtn"};
const char* const AlwaysOn[] = {"Nieuw1",      "Open1",       "Configuratie", "Exit1",
                                "Edit1",       "PrintOpties", "PersGegevens", "MaxScherm",
                                "Menuiconen",  "InhoudHelp1", "GebrkHlp",     "Info",
                                "NieuwSpdBtn", "OpenSpdBtn",  "EditSpdBtn"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void StartsEmptyWithOnlyTheAlwaysAvailableCommands() {
        Fixture f;
        QCOMPARE(f.Window->objectName(), QString("Tolvex12"));
        QCOMPARE(f.Window->windowTitle(), QString("Tennis Tolvex"));
        QCOMPARE(f.Window->size(), QSize(750, 570));
        QVERIFY(f.Window->Sluit());
        for (const char* name : GroupM) QVERIFY2(!f.Action(name)->isEnabled(), name);
        for (const char* name : GroupGOnly) QVERIFY2(!f.Action(name)->isEnabled(), name);
        for (const char* name : GroupU) QVERIFY2(!f.Action(name)->isEnabled(), name);
        for (const char* name : AlwaysOn) QVERIFY2(f.Action(name)->isEnabled(), name);
        QVERIFY(!f.Window->findChild<QMenu*>("MatchMenu")->menuAction()->isEnabled());
        QVERIFY(f.Window->findChild<QTableWidget*>("LedenGrid")->isHidden());
        QVERIFY(f.Window->findChild<QWidget*>("LedenPanel")->isHidden());
        QVERIFY(f.Window->findChild<QLabel*>("ActieLabel")->isHidden());
        QVERIFY(f.Window->findChild<QAction*>("Menuiconen")->isChecked());
        QCOMPARE(f.Window->StatusPanelText(0), QString(""));
        QCOMPARE(f.Window->StatusPanelText(1), QString("Naam :"));
        QCOMPARE(f.Window->StatusPanelText(2), QString("Datum: 07-01-2015"));
        QCOMPARE(f.Window->StatusPanelText(3), QString("Tijd"));
        QCOMPARE(f.State.Common.TodayDate.Str(), std::string("07-01-2015"));
        QCOMPARE(f.State.Members.MemberFileName, std::string("N_N"));
        f.Window->Timer1Timer();
        QVERIFY(f.Window->StatusPanelText(3).startsWith("Tijd: "));
        QVERIFY(f.Window->StatusPanelText(3).contains("20:15:00"));
    }

    void WindowStatesSwitchTheGroupsTogether() {
        Fixture f;
        f.Window->SetWindowState(ListWindowState::ListShown);
        QVERIFY(!f.Window->Sluit());
        for (const char* name : GroupM) QVERIFY2(f.Action(name)->isEnabled(), name);
        for (const char* name : GroupGOnly) QVERIFY2(f.Action(name)->isEnabled(), name);
        QVERIFY(!f.Window->findChild<QTableWidget*>("LedenGrid")->isHidden());
        QVERIFY(!f.Window->findChild<QWidget*>("GridPanel")->isHidden());
        QVERIFY(!f.Window->findChild<QWidget*>("LedenPanel")->isHidden());
        QVERIFY(!f.Window->findChild<QLabel*>("Pasoplabel")->isHidden());
        QVERIFY(!f.Window->findChild<QLabel*>("ActieLabel")->isHidden());
        QVERIFY(f.Window->findChild<QWidget*>("Zoekpanel")->isHidden());

        // Closed: the list stays loaded, so saving, printing and the schedules stay available,
        // while the items shared with the grid follow the grid.
        f.Window->SetWindowState(ListWindowState::ListClosed);
        QVERIFY(f.Window->Sluit());
        for (const char* name : {"Bewaren1", "Bewarenals1", "Print1", "Adres1", "SchemaNamen",
                                 "SchemaParen", "BewaarSpdBtn", "PrintSpdBtn", "NaamSpdBtn"})
            QVERIFY2(f.Action(name)->isEnabled(), name);
        for (const char* name : {"Invoegen1", "Verwijderen1", "Zoeken1", "SorterenOp1",
                                 "InvoegSpdBtn", "WegSpdBtn", "ZoekSpdbtn", "SortSpdBtn"})
            QVERIFY2(!f.Action(name)->isEnabled(), name);
        QVERIFY(f.Window->findChild<QTableWidget*>("LedenGrid")->isHidden());

        f.Window->SetWindowState(ListWindowState::Empty);
        for (const char* name : GroupM) QVERIFY2(!f.Action(name)->isEnabled(), name);

        f.Window->EnableUitVoerItems(true);
        for (const char* name : GroupU) QVERIFY2(f.Action(name)->isEnabled(), name);
        f.Window->EnableUitVoerItems(false);
        for (const char* name : GroupU) QVERIFY2(!f.Action(name)->isEnabled(), name);
        for (const char* name : AlwaysOn) QVERIFY2(f.Action(name)->isEnabled(), name);
    }

    void MaximisedScreenTogglesCaptionAndPreference() {
        Fixture f;
        QCOMPARE(f.Window->findChild<QAction*>("MaxScherm")->text(), QString("Maximaal scherm"));
        f.Window->findChild<QAction*>("MaxScherm")->trigger();
        QCOMPARE(f.Window->findChild<QAction*>("MaxScherm")->text(), QString("Normaal scherm"));
        QVERIFY(f.State.Configuration.PrnCfg.Preferent & PrefMaximised);
        QVERIFY(f.Window->windowState() & Qt::WindowMaximized);
        f.Window->findChild<QAction*>("MaxScherm")->trigger();
        QCOMPARE(f.Window->findChild<QAction*>("MaxScherm")->text(), QString("Maximaal scherm"));
        QVERIFY(!(f.State.Configuration.PrnCfg.Preferent & PrefMaximised));
        QVERIFY(!(f.Window->windowState() & Qt::WindowMaximized));
        QVERIFY(f.Fakes.Messages.Shown.empty());
    }

    void ClosingWhileTheGridIsOpenAsksFirst() {
        Fixture f;
        f.Window->show();
        f.Window->SetWindowState(ListWindowState::ListShown);
        f.Fakes.Messages.Answer(ResultYes);
        QVERIFY(!f.Window->close());
        QVERIFY(f.Window->isVisible());
        ExpectOneCloseQuestion(f);
        f.Fakes.Messages.Clear();
        f.Fakes.Messages.Answer(ResultNo);
        QVERIFY(f.Window->close());
        QCOMPARE(f.Fakes.Messages.Shown.size(), size_t(1));

        Fixture closed;
        closed.Window->show();
        closed.Window->SetWindowState(ListWindowState::ListShown);
        closed.Window->findChild<QPushButton*>("SchrapBitBtn")->click();
        QVERIFY(closed.Window->Sluit());
        QVERIFY(closed.Window->findChild<QTableWidget*>("LedenGrid")->isHidden());
        QVERIFY(closed.Window->close());
        QVERIFY(closed.Fakes.Messages.Shown.empty());
    }

    void SluitAsksWhetherToSaveAndClosesTheGrid() {
        Fixture f;
        f.Window->SetWindowState(ListWindowState::ListShown);
        f.State.Common.ErrorCode = 3;
        f.Fakes.Messages.Answer(ResultNo);
        f.Window->findChild<QPushButton*>("SluitBitBtn")->click();
        QCOMPARE(f.Fakes.Messages.Last().Text, std::string("Bestand bewaren ?"));
        QCOMPARE(f.Fakes.Messages.Last().Kind, uint8_t(KindBevestig));
        QCOMPARE(f.Fakes.Messages.Last().Buttons, uint16_t(ButtonsJaNee));
        QCOMPARE(f.State.Common.ErrorCode, 0);
        QVERIFY(f.Window->Sluit());
        QVERIFY(f.Window->findChild<QTableWidget*>("LedenGrid")->isHidden());
    }

    void PrintOptionsNeedAMemberList() {
        Fixture f;
        f.Window->findChild<QAction*>("PrintOpties")->trigger();
        f.Window->findChild<QAction*>("PersGegevens")->trigger();
        QCOMPARE(f.Fakes.Messages.Shown.size(), size_t(2));
        QCOMPARE(f.Fakes.Messages.Last().Text, std::string("Geen Ledenbestand geladen"));
        QCOMPARE(f.Fakes.Messages.Last().Kind, uint8_t(KindWaarschuwing));
        QCOMPARE(f.Fakes.Messages.Last().Buttons, uint16_t(ButtonsOK));
        f.Fakes.Messages.Clear();
        f.State.Members.MemberDataPresent = true;
        // The options window opens modally; Esc and "&Nee" to its close question close it.
        bool opened = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            opened = modal && modal->windowTitle() == "Opties";
            f.Fakes.Messages.Answer(ResultNo);
            if (modal) QTest::keyClick(modal, Qt::Key_Escape);
        });
        f.Window->findChild<QAction*>("PrintOpties")->trigger();
        QVERIFY(opened);
        QCOMPARE(f.Fakes.Messages.Texts(),
                 std::vector<std::string>{"Wijzigingen opslaan, gebruik dan OK knop"});
    }

    void WindowListAddsVisibleWindowsAndForgetsClosedOnes() {
        Fixture f;
        QCOMPARE(f.Window->findChild<QMenu*>("BeeldMenu")->actions().size(),
                 qsizetype(1)); // "Menu &Iconen" only
        QWidget hidden;
        f.Window->AddBeeldMenu(&hidden, BeeldUitvoer);
        QVERIFY(!f.Window->IsWindowListed(BeeldUitvoer));

        QWidget reports;
        reports.setWindowTitle("Uitvoer");
        reports.show();
        f.Window->AddBeeldMenu(&reports, BeeldUitvoer);
        QVERIFY(f.Window->IsWindowListed(BeeldUitvoer));
        QList<QAction*> entries = f.Window->findChild<QMenu*>("BeeldMenu")->actions();
        QCOMPARE(entries.size(), qsizetype(2));
        QCOMPARE(entries.last()->text(), QString("Uitvoer"));
        QCOMPARE(entries.last()->statusTip(), QString("Selecteer Uitvoer venster"));
        QCOMPARE(entries.last()->property("tag").toInt(), 3);

        reports.hide();
        QVERIFY(!f.Window->IsWindowListed(BeeldUitvoer));
        QCOMPARE(f.Window->findChild<QMenu*>("BeeldMenu")->actions().size(), qsizetype(1));
        QVERIFY(f.Fakes.Messages.Shown.empty());

        f.Window->DelBeeldMenu(BeeldOpties);
        QCOMPARE(f.Fakes.Messages.Last().Text, std::string("Venster al gesloten"));
        QCOMPARE(f.Fakes.Messages.Last().Kind, uint8_t(KindInformatie));
        QCOMPARE(f.Window->findChild<QMenu*>("BeeldMenu")->actions().size(), qsizetype(1));
    }

    void HintsGoToTheFirstPanelAndTheToolBarFollowsItsMenuItem() {
        Fixture f;
        QStatusTipEvent tip("Bewaren van ledenlijst");
        QCoreApplication::sendEvent(f.Window->findChild<QWidget*>("LedenPanel"), &tip);
        QCOMPARE(f.Window->StatusPanelText(0), QString("Bewaren van ledenlijst"));
        // The hints of the other windows show there too.
        QDialog other;
        QLineEdit box(&other);
        QStatusTipEvent otherTip("Naam van de vereniging");
        QCoreApplication::sendEvent(&box, &otherTip);
        QCOMPARE(f.Window->StatusPanelText(0), QString("Naam van de vereniging"));
        f.Window->findChild<QAction*>("Menuiconen")->trigger();
        QVERIFY(!f.Window->findChild<QAction*>("Menuiconen")->isChecked());
        QVERIFY(f.Window->findChild<QToolBar*>("MenuBar")->isHidden());
        f.Window->findChild<QAction*>("Menuiconen")->trigger();
        QVERIFY(!f.Window->findChild<QToolBar*>("MenuBar")->isHidden());
    }

    void MenusCarryTheirCaptionsHintsAndHelpContexts() {
        Fixture f;
        struct Item {
            const char* Name;
            const char* Caption;
            const char* Hint;
            int Help;
        };
        const Item items[] = {
            {"Nieuw1", "&Nieuw", "Creatie van nieuw Ledenbestand'", 221},
            {"Open1", "&Open", "Openen van een Ledenbestand", 222},
            {"Configuratie", "Configuratie", "", 0},
            {"Bewaren1", "&Bewaren", "Bewaren van ledenlijst", 223},
            {"Bewarenals1", "Bewaren &als...", "Bewaren met nieuwe bestandnaa", 224},
            {"Print1", "&Print ledenlijst", "Afdrukken van de ledenlijst", 225},
            {"Adres1", "&Toon Adressen", "Toon uitgebreide ledengegevens", 226},
            {"Exit1", "&Exit", "Stoppen van het programma ", 227},
            {"Invoegen1", "&Invoegen", "Invoegen nieuw record", 231},
            {"Verwijderen1", "&Verwijderen", "Verwijderen van record", 232},
            {"Edit1", "&Edit", "Bewerken van record", 237},
            {"Zoeken1", "&Zoeken", "Zoeken van lid op naam", 233},
            {"SorterenOp1", "&Sorteren op", "", 234},
            {"SortClubNr", "&Clubnummer", "Sorteren op Clubnummer", 234},
            {"SortVoornaam", "&Voornaam", "Sorteren op voornaam", 234},
            {"SortAchternaam", "&Achternaam", "Sorteren op achternaam", 234},
            {"SortDamesHeren", "&Dames/Heren", "Sorteren op dames en daarna heren", 234},
            {"SchemaNamen", "Schema met &Namen", "Schema met namen uit ledenbestand", 241},
            {"SchemaParen", "Schema met &Paren", "Vrij te kiezen Schema", 242},
            {"PaarSchema", "&Parenschema", "Overzicht gespee;de paren", 251},
            {"BaanSchema", "&BaanSchema", "Overzicht gespeelde banen per ronde", 252},
            {"AantalGespeeld", "&Aantal malen gespeeld", "Aantal maal gespeeld per paar", 253},
            {"Kruistabel", "&Kruistabel", "Paren gespeeld tegen", 254},
            {"Wijzigen", "&Wijzigen", "Wijzigeb van opstelling op banen", 255},
            {"PrintOpties", "&Print Opties", "Opties voor afdrukken", 272},
            {"PersGegevens", "Pers.&Gegevens", "Ggegevens vn de wedstijdleider", 273},
            {"MaxScherm", "Maximaal scherm", "Maximaal Windows venster", 274},
            {"Menuiconen", "Menu &Iconen", "", 217},
            {"InhoudHelp1", "&Inhoud Help", "Inhoud Programaa", 10},
            {"GebrkHlp", "&Gebruik Help", "Hoe gebruik ik het Help bestand", 290},
            {"Info", "In&formatie", "Info", 290},
            {"BestandMenuTitle", "&Bestand", "Bestanden  Menu", 220},
            {"BewerkenMenuTitle", "Be&werken", "Bewerken Menu", 230},
            {"SchemaMenuTitle", "&Schema", "Schema's realiseren", 240},
            {"UitvoerMenuTitle", "&Uitvoer", "Schema overzichten", 250},
            {"MatchMenuTitle", "&Match", "Bijhouden van matches", 260},
            {"OptiesMenuTitle", "&Opties", "Opties voor scherm en printer ", 270},
            {"BeeldMenuTitle", "Bee&ld", "Toont venster", 280},
            {"HelpMenuTitle", "&Help", "Help Menu", 290},
        };
        for (const Item& item : items) {
            QAction* action = f.Action(item.Name);
            QCOMPARE(action->text(), QString(item.Caption));
            QCOMPARE(action->statusTip(), QString(item.Hint));
            QCOMPARE(HelpContextOf(action), item.Help);
        }
        QStringList titles;
        for (QAction* title : f.Window->menuBar()->actions()) titles << title->text();
        QCOMPARE(titles, QStringList({"&Bestand", "Be&werken", "&Schema", "&Uitvoer", "&Match",
                                      "&Opties", "Bee&ld", "&Help"}));

        QStringList hints;
        for (QAction* button : f.Window->findChild<QToolBar*>("MenuBar")->actions())
            hints << button->toolTip();
        QCOMPARE(hints,
                 QStringList({"Nieuw bestand", "Open bestand", "Bewaar lijst", "Bewaren..als",
                              "Afdrukken lijst", "Invoegen nieuw record", "Verwijderen van record",
                              "Editing van Record", "Zoeken van Naam ", "Sorteren",
                              "Schema met namen", "Schema met Paren", "Parenschema overzicht"}));
        QCOMPARE(HelpContextOf(f.Action("UitSpdBtn")), 250);
        QCOMPARE(HelpContextOf(f.Action("EditSpdBtn")), 0);
        for (QAction* button : f.Window->findChild<QToolBar*>("MenuBar")->actions())
            QVERIFY(!button->icon().isNull());

        QStringList panelButtons;
        for (QPushButton* b : {f.Window->findChild<QPushButton*>("HelptBtn1"),
                               f.Window->findChild<QPushButton*>("PrintBitBtn"),
                               f.Window->findChild<QPushButton*>("SaveBtn"),
                               f.Window->findChild<QPushButton*>("RandomBtn"),
                               f.Window->findChild<QPushButton*>("TurvenBtn"),
                               f.Window->findChild<QPushButton*>("SchrapBitBtn"),
                               f.Window->findChild<QPushButton*>("SluitBitBtn")})
            panelButtons << QString("%1|%2|%3").arg(b->text(), b->toolTip()).arg(HelpContextOf(b));
        QCOMPARE(panelButtons,
                 QStringList({"&Help||235", "&Print|ledenbestand uitprinten|307",
                              "&Red|Opslaan|306", "Sch&ud|Verdelen in willekeurige volgorde|305",
                              "&Turven|Activeren /Selecteren van leden|304",
                              "S&chrap|Annuleren|303", "&Sluit|Sluiten en opslaan|251"}));
    }

    void HelpOpensTheTopicOfTheControl() {
        Fixture f;
        f.Window->SetWindowState(ListWindowState::ListShown);
        f.Window->findChild<QPushButton*>("HelptBtn1")->click();
        f.Window->ShowHelpFor(f.Window->findChild<QPushButton*>("TurvenBtn"));
        f.Window->ShowHelpFor(f.Window->findChild<QTableWidget*>("LedenGrid"));
        f.Window->findChild<QAction*>("InhoudHelp1")->trigger();
        f.Window->findChild<QAction*>("GebrkHlp")->trigger();
        QCOMPARE(f.Help.Contexts, (std::vector<int>{235, 304, 235, -1, -2}));
    }

    void TheListShownLooksLikeTheDesign() {
        Fixture f;
        f.Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.Window.get()));
        f.Window->SetWindowState(ListWindowState::ListShown);
        QTest::qWait(10);
        QWidget* central = f.Window->centralWidget();
        QRect grid = f.Window->findChild<QTableWidget*>("LedenGrid")->geometry();
        QRect panel = f.Window->findChild<QWidget*>("LedenPanel")->geometry();
        QVERIFY(grid.height() > 300);
        QVERIFY(panel.top() >= f.Window->findChild<QWidget*>("GridArea")->geometry().bottom());
        QVERIFY(panel.bottom() <= central->height());
        QRect actie = f.Window->findChild<QLabel*>("ActieLabel")->geometry();
        QVERIFY(actie.left() > f.Window->findChild<QWidget*>("GridArea")->width() / 2);
        QVERIFY(actie.top() < 40);
        QVERIFY(f.Window->findChild<QPushButton*>("SluitBitBtn")->x() >
                f.Window->findChild<QPushButton*>("HelptBtn1")->x());
        QByteArray folder = qgetenv("TOLVEX_SHOT_DIR");
        if (!folder.isEmpty()) f.Window->grab().save(QString(folder) + "/main_list_shown.png");
    }

    void EscapeDiscardsTheOpenListAndTheButtonsKeepTheirAccelerators() {
        Fixture f;
        f.Window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.Window.get()));
        f.Window->SetWindowState(ListWindowState::ListShown);
        QCOMPARE(f.Window->findChild<QPushButton*>("SchrapBitBtn")->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_C));
        QCOMPARE(f.Window->findChild<QPushButton*>("TurvenBtn")->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_T));
        QTest::keyClick(f.Window.get(), Qt::Key_Escape);
        QVERIFY(f.Window->Sluit());
        QVERIFY(f.Window->findChild<QTableWidget*>("LedenGrid")->isHidden());
        QVERIFY(f.Fakes.Messages.Shown.empty());
    }

    void TheScheduleToolButtonsKeepOnePressed() {
        Fixture f;
        f.Window->SetWindowState(ListWindowState::ListShown);
        f.Window->findChild<QAction*>("NaamSpdBtn")->trigger();
        QVERIFY(f.Window->findChild<QAction*>("NaamSpdBtn")->isChecked());
        f.Window->findChild<QAction*>("PaarSpdBtn")->trigger();
        QVERIFY(f.Window->findChild<QAction*>("PaarSpdBtn")->isChecked());
        QVERIFY(!f.Window->findChild<QAction*>("NaamSpdBtn")->isChecked());
        f.Window->findChild<QAction*>("PaarSpdBtn")->trigger();
        QVERIFY(f.Window->findChild<QAction*>("PaarSpdBtn")->isChecked());
    }

private:
    static void ExpectOneCloseQuestion(Fixture& f) {
        QCOMPARE(f.Fakes.Messages.Shown.size(), size_t(1));
        QCOMPARE(f.Fakes.Messages.Last().Text,
                 std::string("Bestand nog redden\r gebruik dan Sluit"));
        QCOMPARE(f.Fakes.Messages.Last().Kind, uint8_t(KindBevestig));
        QCOMPARE(f.Fakes.Messages.Last().Buttons, uint16_t(ButtonsJaNee));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
