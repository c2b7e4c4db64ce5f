#include "app/members/member_grid.h"
#include "app/members/member_grid_table.h"
#include "app/shell/main_window.h"
#include "core/members/member_fields.h"
#include "file_test_support.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

struct Fixture {
    AppState State;
    TestPorts Fakes;
    ScriptedChooser Choose;
    RecordingPrintCanvas Printer;
    NoHelp Help;
    std::unique_ptr<TTolvex12> Window;

    explicit Fixture(bool showList = true) {
        State.Configuration.Config.CfgRec.Grpn[0] = "h";
        State.Configuration.Config.CfgRec.Grpn[1] = "d";
        const char* names[][3] = {{"Jan", "Smit", "h"}, {"Els", "Bos", "d"},  {"Piet", "Jong", "h"},
                                  {"Anna", "Aal", "d"}, {"Kees", "Vos", "h"}, {"Dora", "Zon", "d"}};
        int club = 21;
        for (auto& name : names) {
            TLedenObj obj;
            obj.LidRecord.ClubNo = static_cast<int16_t>(club++);
            obj.LidRecord.Voornaam = name[0];
            obj.LidRecord.AchterNaam = name[1];
            obj.LidRecord.Groep = name[2];
            obj.LidRecord.StatCode = "-";
            State.Members.MemberList.push_back(obj);
        }
        State.Members.MemberCount = 6;
        Window =
            std::make_unique<TTolvex12>(State, WindowPorts{Fakes.Messages, Fakes.Pump, Fakes.Bell,
                                                           Fakes.Time, Choose, Printer, Help});
        Window->show();
        // Without a window manager (Xvfb) nothing activates the window but this call.
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
        QApplication::setActiveWindow(Window.get());
        if (showList) Window->OpenLedenInput();
    }
    QAction* Action(const char* name) const {
        auto* action = Window->findChild<QAction*>(name);
        if (!action) qFatal("no action %s", name);
        return action;
    }
    TLedenGrid& Grid() const { return *Window->findChild<TLedenGrid*>("LedenGridArea"); }
    QWidget* Target() const {
        QWidget* focus = QApplication::focusWidget();
        return focus && Window->isAncestorOf(focus) ? focus
                                                    : Window->findChild<QTableWidget*>("LedenGrid");
    }
    void Key(Qt::Key key) { QTest::keyClick(Target(), key); }
    void Type(const char* text) {
        for (const char* c = text; *c; ++c) QTest::keyClick(Target(), *c);
    }
    std::string Cell(int column, int r) const { return Grid().CellText(column, r).toStdString(); }
};

} // namespace

class MemberMainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void ShowingTheListOpensTheGridWithItsCommands() {
        Fixture f;
        QVERIFY(!f.Window->Sluit());
        QVERIFY(f.Window->findChild<QTableWidget*>("LedenGrid")->isVisible());
        QCOMPARE(f.Window->findChild<QTableWidget*>("LedenGrid"),
                 static_cast<QTableWidget*>(f.Grid().Grid));
        QVERIFY(f.Window->findChild<QWidget*>("GridPanel")->isVisible());
        QVERIFY(f.Window->findChild<QWidget*>("LedenPanel")->isVisible());
        QVERIFY(!f.Window->findChild<QWidget*>("Zoekpanel")->isVisible());
        QVERIFY(!f.Window->findChild<QLabel*>("Pasoplabel")
                     ->isVisible()); // the cursor starts in the first-name column
        QCOMPARE(f.Action("Adres1")->text(), QString("&Toon adressen"));
        QVERIFY(f.Action("Invoegen1")->isEnabled());
        QVERIFY(f.Action("SortSpdBtn")->isEnabled());
        QCOMPARE(f.Cell(0, 6), std::string("6"));
        QCOMPARE(f.Grid().Row(), 1);
        QCOMPARE(f.Grid().Col(), 2);
        QVERIFY(f.Window->findChild<QTableWidget*>("LedenGrid")->hasFocus());
    }

    void TurvenCountsTheActiveMembersOfTheEvening() {
        Fixture f;
        QTest::mouseClick(f.Window->findChild<QPushButton*>("TurvenBtn"), Qt::LeftButton);
        QCOMPARE(f.Window->findChild<QPushButton*>("TurvenBtn")->text(), QString("Bewerk"));
        for (const char* status : {"a", "b", "x", "-", "1"}) {
            f.Type(status);
            f.Key(Qt::Key_Tab);
        }
        // Jan A, Piet X and Kees 1 of the men; Els B of the ladies, Anna back to a dash.
        QCOMPARE(f.Window->findChild<TLedenGrid*>("LedenGridArea")->Nactiefheren, int16_t(3));
        QCOMPARE(f.Window->findChild<TLedenGrid*>("LedenGridArea")->NActiefdames, int16_t(1));
        QCOMPARE(f.Grid().AantalHrnLab->text(), QString("3"));
        QCOMPARE(f.Grid().AantalDmsLab->text(), QString("1"));
        QCOMPARE(f.State.Members.MemberList[1].LidRecord.StatCode.Str(), std::string("A"));
        QCOMPARE(f.Grid().Row(), 6);
        QTest::mouseClick(f.Window->findChild<QPushButton*>("TurvenBtn"), Qt::LeftButton);
        QCOMPARE(f.Window->findChild<QPushButton*>("TurvenBtn")->text(), QString("Turven"));
        QCOMPARE(f.Grid().Col(), 2);
    }

    void TheAddressViewSwitchesCaptionsAndTheTallyButtons() {
        Fixture f;
        QTest::mouseClick(f.Window->findChild<QPushButton*>("TurvenBtn"), Qt::LeftButton);
        f.Type("a"); // not committed: lost by the switch
        f.Action("Adres1")->trigger();
        QVERIFY(f.Window->findChild<TLedenGrid*>("LedenGridArea")->Adressen);
        QCOMPARE(f.Action("Adres1")->text(), QString("&Toon Turflijst"));
        QVERIFY(!f.Window->findChild<QPushButton*>("TurvenBtn")->isEnabled());
        QVERIFY(!f.Window->findChild<QPushButton*>("RandomBtn")->isEnabled());
        QCOMPARE(f.Window->findChild<QPushButton*>("TurvenBtn")->text(), QString("Turven"));
        QCOMPARE(f.Window->findChild<QTableWidget*>("LedenGrid")->columnCount(), 8);
        f.Action("Adres1")->trigger();
        QVERIFY(!f.Window->findChild<TLedenGrid*>("LedenGridArea")->Adressen);
        QCOMPARE(f.Action("Adres1")->text(), QString("&Toon adressen"));
        QVERIFY(f.Window->findChild<QPushButton*>("TurvenBtn")->isEnabled());
        QVERIFY(f.Window->findChild<QPushButton*>("RandomBtn")->isEnabled());
        QCOMPARE(f.Cell(5, 1), std::string("-"));
        QCOMPARE(f.State.Members.MemberList[1].LidRecord.StatCode.Str(), std::string("-"));
    }

    void SortCommandsShuffleAndTheSortButton() {
        Fixture f;
        f.Action("SortVoornaam")->trigger();
        QCOMPARE(f.Cell(2, 1), std::string("Anna"));
        QCOMPARE(f.Cell(2, 4), std::string("Jan"));
        f.Action("SortClubNr")->trigger();
        QCOMPARE(f.Cell(1, 1), std::string("21"));
        f.Action("SortAchternaam")->trigger();
        QCOMPARE(f.Cell(3, 1), std::string("Aal"));
        f.Action("SortDamesHeren")->trigger();
        QCOMPARE(f.Cell(4, 3), std::string("d"));
        QCOMPARE(f.Cell(4, 4), std::string("h"));
        QTest::mouseClick(f.Window->findChild<QPushButton*>("RandomBtn"), Qt::LeftButton);
        for (int r = 1; r <= 3; ++r) QCOMPARE(f.Cell(4, r), std::string("d"));
        for (int r = 4; r <= 6; ++r) QCOMPARE(f.Cell(4, r), std::string("h"));
        f.Window->findChild<QTableWidget*>("LedenGrid")->setCurrentCell(0, 5);
        f.Action("SortSpdBtn")->trigger();
        QCOMPARE(f.Fakes.Messages.Texts(),
                 std::vector<std::string>{"Kies kolom: ClubNr,Voornaam of Achternaam"});
        f.Window->findChild<QTableWidget*>("LedenGrid")->setCurrentCell(2, 3);
        f.Action("SortSpdBtn")->trigger();
        QCOMPARE(f.Cell(3, 1), std::string("Aal"));
    }

    void InsertDeleteAndSearchFromTheMenus() {
        Fixture f;
        f.Window->findChild<QTableWidget*>("LedenGrid")->setCurrentCell(5, 2);
        f.Action("Invoegen1")->trigger();
        QCOMPARE(f.State.Members.MemberCount, int16_t(7));
        QCOMPARE(f.Cell(1, 7), std::string("7"));
        f.Fakes.Messages.Answer(ResultYes);
        f.Action("Verwijderen1")->trigger();
        QCOMPARE(f.State.Members.MemberCount, int16_t(6));
        QCOMPARE(f.Fakes.Messages.Last().Text,
                 std::string("Weet u zeker dat u dit Record wilt verwijderen"));
        f.Action("Zoeken1")->trigger();
        QVERIFY(f.Window->findChild<QWidget*>("Zoekpanel")->isVisible());
        QTest::mouseClick(f.Grid().ZoekAchternaam, Qt::LeftButton);
        QTest::keyClicks(f.Grid().ZoekEdit, "vo");
        QCOMPARE(f.Grid().Row(), 5);
        QCOMPARE(f.Grid().Col(), 3);
    }

    void ResizingRefillsAndTheCommitStopsItsCaller() {
        Fixture f;
        f.Window->findChild<QTableWidget*>("LedenGrid")->setCurrentCell(2, 2);
        f.Type("Pieter");
        f.Window->resize(800, 600);
        QTRY_COMPARE(f.Cell(2, 3), std::string("Piet"));
        QCOMPARE(f.Grid().Row(), 1);
        f.Window->findChild<QTableWidget*>("LedenGrid")->setCurrentCell(1, 1);
        f.Type("x1");
        f.Key(Qt::Key_Escape); // the editor keeps nothing
        QCOMPARE(f.Cell(1, 2), std::string("22"));
        f.Window->findChild<QTableWidget*>("LedenGrid")->setCurrentCell(1, 1);
        f.Type("x1");
        QVERIFY_THROWS_EXCEPTION(CellConversionError, f.Window->GridToList());
        QCOMPARE(f.State.Members.MemberList[2].LidRecord.ClubNo, int16_t(22));
        QVERIFY(f.Window->findChild<QLabel*>("Pasoplabel")->isVisible());
        if (qEnvironmentVariableIsSet("TOLVEX_SHOT")) {
            f.Window->resize(750, 570);
            f.Window->findChild<QTableWidget*>("LedenGrid")->setCurrentCell(0, 2);
            QApplication::processEvents();
            f.Window->grab().save(qEnvironmentVariable("TOLVEX_SHOT"));
        }
    }

    void EscInACellEditorCancelsTheEditNotTheList() {
        Fixture f;
        f.Window->findChild<QTableWidget*>("LedenGrid")->setCurrentCell(0, 2);
        f.Type("Jo");
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != f.Window->findChild<QTableWidget*>("LedenGrid"));
        // The window's Esc button must not take the key from the editor.
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(editor, &override);
        QVERIFY(override.isAccepted());
        f.Key(Qt::Key_Escape);
        QVERIFY(f.Window->findChild<QTableWidget*>("LedenGrid")->isVisible());
        QCOMPARE(f.Cell(2, 1), std::string("Jan"));
    }

    void OpenFillsTheGridAndRedSavesTheTally() {
        ScratchFolder folder;
        std::string file = folder.Path("avond.tvs");
        std::string image = HeaderBytes(0, "450");
        for (int i = 1; i <= 450; ++i)
            image += ::MemberBytes(static_cast<uint16_t>(i), static_cast<int16_t>(i),
                                   "Voornaam" + std::to_string(i), "Achternaam" + std::to_string(i),
                                   i % 2 ? "h" : "d", "-");
        WriteBytes(file, image);
        WriteBytes(folder.Path("avond.cfg"), ConfigBytes(450));
        Fixture f(false);
        f.Choose.OpenAnswers.push_back(file);
        QElapsedTimer timer;
        timer.start();
        f.Action("Open1")->trigger();
        QApplication::processEvents();
        double ms = timer.nsecsElapsed() / 1e6;
        qInfo("\"&Open\" of a 450-member file to the filled grid: %.1f ms", ms);
        QCOMPARE(f.Window->findChild<QTableWidget*>("LedenGrid")->rowCount(), 450);
        QVERIFY(f.Window->findChild<QTableWidget*>("LedenGrid")->isVisible());
        QVERIFY(!f.Window->Sluit());
        QCOMPARE(f.Cell(2, 450), std::string("Voornaam450"));
        QCOMPARE(f.Grid().Row(), 1);

        QTest::mouseClick(f.Window->findChild<QPushButton*>("TurvenBtn"), Qt::LeftButton);
        f.Type("a");
        f.Key(Qt::Key_Tab);
        f.Type("b");                        // not yet committed: the save's full commit takes it
        f.Fakes.Messages.Answer(ResultYes); // " Tolvex Programma" / " Bewaren van ..."
        f.Key(Qt::Key_F3);
        QCOMPARE(f.Fakes.Messages.Last().Text,
                 "Wegschrijven van " + f.State.Members.MemberFileName + " gelukt");
        std::string saved = ReadBytes(file);
        QCOMPARE(saved.size(), std::size_t(232 * 451));
        QCOMPARE(saved.substr(232 + 74, 4), std::string("\x01"
                                                        "A  ",
                                                        4));
        QCOMPARE(saved.substr(2 * 232 + 74, 4), std::string("\x01"
                                                            "B  ",
                                                            4));

        // A club number that is no number stops the save before anything is written.
        f.Window->findChild<QTableWidget*>("LedenGrid")->setCurrentCell(2, 1);
        f.Type("3x");
        QVERIFY_THROWS_EXCEPTION(CellConversionError, f.Window->SaveBtnClick());
        QCOMPARE(ReadBytes(file), saved);
    }

    void EditWithNoListShownChangesNothing() {
        Fixture f(false);
        f.Action("Edit1")->trigger();
        QCOMPARE(f.Fakes.Messages.Texts(), std::vector<std::string>{"Wijzigen van record mislukt"});
        QCOMPARE(f.State.Members.MemberCount, int16_t(6));
        QVERIFY(!f.Window->findChild<QTableWidget*>("LedenGrid")->isVisible());
    }

    void SchrapHidesTheGridAndKeepsTheCommittedList() {
        Fixture f;
        QTest::mouseClick(f.Window->findChild<QPushButton*>("TurvenBtn"), Qt::LeftButton);
        f.Type("a");
        f.Key(Qt::Key_Tab);
        f.Type("b"); // never committed
        QTest::mouseClick(f.Window->findChild<QPushButton*>("SchrapBitBtn"), Qt::LeftButton);
        QVERIFY(f.Window->Sluit());
        QVERIFY(!f.Window->findChild<QTableWidget*>("LedenGrid")->isVisible());
        QCOMPARE(f.State.Members.MemberList[1].LidRecord.StatCode.Str(), std::string("A"));
        QCOMPARE(f.State.Members.MemberList[2].LidRecord.StatCode.Str(), std::string("-"));
        f.Window->GridToList(); // a hidden grid commits nothing
        QCOMPARE(f.State.Members.MemberList[2].LidRecord.StatCode.Str(), std::string("-"));
    }
};

QTEST_MAIN(MemberMainWindowTest)
#include "member_main_window_test.moc"
