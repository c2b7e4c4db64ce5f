// The report window driven through the main window's commands, its popup menu, its list and
// the editor grid, with real clicks and keys.

#include "../core/hand_edit_model.h"
#include "../core/report_test_store.h"
#include "app/reports/results_form.h"
#include "app/schedule/schedule_setup_window.h"
#include "app/shell/main_window.h"
#include "app/shell/start_up.h"
#include "core/reports/court_schedule.h"
#include "file_test_support.h"
#include "recording_print_canvas.h"
#include "report_window_fixture.h"
#include "scripted_ports.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <random>

namespace {

QStringList LinesOf(const ReportOpening& opening) {
    QStringList lines;
    if (opening.Report)
        for (const TResultObj& line : opening.Report->Lines)
            lines << QString::fromStdString(line.Regel);
    return lines;
}

// A new schedule with pairs computed in the store, as "&Start" in the set-up window computes it.
void ComputePairs(AppState& state, TestPorts& ports, int men, int women) {
    RecordingView view;
    RunControl control{state.Common.StopKey};
    RunPorts run{ports.Messages, ports.Pump, ports.Bell, view, control};
    ScheduleSetupInput input = ScheduleSetup::Input(2, 0, 2, 2, 0);
    input.Kind = 2;
    input.NHeren = men;
    input.NDames = women;
    PrepareSchedule(state.Common, state.Configuration, state.Members, state.Store(), input,
                    ports.Messages, ports.Bell, view);
    StartRun(state.Common, state.Configuration, state.Store(), run);
}

// Moves the editor grid's current cell with the arrow keys.
void ArrowTo(QTableWidget* grid, int row, int col) {
    while (grid->currentRow() < row) QTest::keyClick(grid, Qt::Key_Down);
    while (grid->currentRow() > row) QTest::keyClick(grid, Qt::Key_Up);
    while (grid->currentColumn() < col) QTest::keyClick(grid, Qt::Key_Right);
    while (grid->currentColumn() > col) QTest::keyClick(grid, Qt::Key_Left);
}

class ResultsFormTest : public QObject {
    Q_OBJECT
private slots:
    void StartUpCreatesTheWindowHidden() {
        ReportWindowFixture f;
        QVERIFY(!f.Form->isVisible());
        QCOMPARE(f.Form->windowTitle(), QString("Schema Resultaten"));
        QCOMPARE(f.Form->StopBtn->text(), QString("&Sluit"));
        QCOMPARE(f.Form->StopBtn->toolTip(), QString("Afsluiten overzichten"));
        QVERIFY(f.Form->PrintBtn->isEnabled());
        QVERIFY(f.Form->RedBtn->isEnabled());
        QStringList popup;
        for (QAction* a : f.Form->PopupResultMenu->actions()) popup << a->text();
        QCOMPARE(popup,
                 (QStringList{"&Paarschema", "&Baanschema", "&Aantalmaalgespeeld", "&Kruistabel",
                              "&Wijzigen bewerkenschema", "", "Voegin regel", "Verwijder regel"}));
    }

    void EveryMenuItemOpensItsReportOnceAndTheWindowIsListedOnce() {
        struct Case {
            const char* action;
            QString title;
            QStringList headers;
            int rows;
            QStringList row1;
        };
        const Case cases[] = {
            {"PaarSchema",
             "PAREN INDELING",
             {"ronde", "Voornaam", "Achternaam", "tegen", "Voornaam", "Achternaam", "baan"},
             20,
             {"1", "Jan", "Smit", "  ", "Kees", "de Vries", "   1"}},
            {"BaanSchema",
             "BAAN SCHEMA",
             {"Voornaam", "Achternaam", "ronde : ", "1", "2", "3"},
             11,
             {"Anton", "Aalders", "", "1", "1", "2"}},
            {"AantalGespeeld",
             "AANTALMALEN  GESPEELD",
             {"Voornaam", "Achternaam", "Aantal", "Voornaam", "Achternaam", "Aantal"},
             6,
             {"Anton", "Aalders", "   3", "Ria", "Arts", "   2"}},
            {"Kruistabel",
             "KRUIS TABEL ",
             {"Nr", "V.Achternaam", "ronde: ", "1", "2", "3", "N2"},
             21,
             {"1", "J. Smit", "", "3", "2", "2", "    2 ( 2)"}},
        };
        for (const Case& c : cases) {
            ReportWindowFixture f;
            f.Action(c.action)->trigger();
            QVERIFY(f.Form->isVisible());
            QCOMPARE(f.Form->Resulthead->text(), c.title);
            QCOMPARE(f.Headers(), c.headers);
            QCOMPARE(f.Form->ListView->topLevelItemCount(), c.rows);
            QCOMPARE(f.Row(1), c.row1);
            QCOMPARE(f.BeeldEntries(), 1);
            QVERIFY(f.Windows.Main->IsWindowListed(BeeldUitvoer));
            // Asked again while open: the window is focused, not opened a second time (a line
            // inserted into the list stays).
            f.Form->ListView->setCurrentItem(f.Form->ListView->topLevelItem(0));
            f.Form->VoeginRij->trigger();
            f.Action(c.action)->trigger();
            QCOMPARE(f.BeeldEntries(), 1);
            QCOMPARE(f.Form->Resulthead->text(), c.title);
            QCOMPARE(f.Form->ListView->topLevelItemCount(), c.rows + 1);
            // Another report while open: the window shows that one.
            f.Action("UitSpdBtn")->trigger();
            QVERIFY(f.Form->isVisible());
            QCOMPARE(f.BeeldEntries(), 1);
            QCOMPARE(f.Form->Resulthead->text(), QString("PAREN INDELING"));
            const bool same = QString(c.action) == "PaarSchema"; // focused, as it was
            QCOMPARE(f.Form->ListView->topLevelItemCount(), cases[0].rows + (same ? 1 : 0));
            QCOMPARE(f.Row(same ? 2 : 1), cases[0].row1);
        }
    }

    void ChoosingAReportAfterANewRunShowsItOfTheNewSchedule() {
        ReportWindowFixture f;
        f.Action("Kruistabel")->trigger();
        const QStringList before = f.ListLines();
        ComputePairs(*f.S.State, f.Fakes, 8, 4);
        QVERIFY(!f.S.Store().RunBlocked);
        const QStringList now =
            LinesOf(PrepareReport(f.S.State->Common, f.S.State->Configuration, f.S.State->Store(),
                                  f.Fakes.Messages, ReportCrossTable));
        QVERIFY(now != before);
        f.Action("Kruistabel")->trigger();
        QVERIFY(f.Form->isVisible());
        QCOMPARE(f.BeeldEntries(), 1);
        QCOMPARE(f.ListLines(), now);
        QCOMPARE(f.Form->ListView->topLevelItemCount(), int(now.size()));

        // The editor of the earlier schedule with names is gone, not applied to the pairs.
        f.Form->ReportItems[5]->trigger(); // refused for pairs: the window closes
        QVERIFY(!f.Form->isVisible());
        QCOMPARE(f.Fakes.Messages.Last().Text, std::string("Alleen mogelijk voor Schema Op Naam "));
    }

    void TheEditorOfAnEarlierScheduleIsClosedNotApplied() {
        ReportWindowFixture f;
        f.Action("Wijzigen")->trigger();
        QVERIFY(f.Form->BewerkGrid->isVisible());
        ComputePairs(*f.S.State, f.Fakes, 8, 4);
        const auto tables = f.S.Store().RoundTable;
        f.Fakes.Messages.Clear();
        f.Action("Wijzigen")->trigger();
        QVERIFY(!f.Form->isVisible());
        QCOMPARE(f.Fakes.Messages.Texts(),
                 (std::vector<std::string>{"Alleen mogelijk voor Schema Op Naam "}));
        QCOMPARE(f.BeeldEntries(), 0);
        for (int r = 1; r <= MaxRounds; ++r)
            QVERIFY(f.S.Store().RoundTable[r].Courts == tables[r].Courts);
    }

    void StartingASetUpClosesTheWindowAndLeavingItWithoutARunShowsNoReport() {
        ReportWindowFixture f;
        f.Action("BaanSchema")->trigger();
        QVERIFY(f.Form->isVisible());
        bool openDuringSetUp = true;
        QTimer::singleShot(0, [&] {
            openDuringSetUp = f.Form->isVisible();
            f.Windows.SchemaForm->done(QDialog::Rejected);
        });
        f.Windows.Main->SchemaNamenClick(2); // "Schema met &Paren"
        QVERIFY(!openDuringSetUp);
        QVERIFY(!f.Form->isVisible());
        QCOMPARE(f.BeeldEntries(), 0);
        // The set-up replaced the names and counts without a run: there is no schedule to show.
        f.Action("PaarSchema")->trigger();
        QVERIFY(!f.Form->isVisible());
        QCOMPARE(f.BeeldEntries(), 0);
        // A run makes the reports come back.
        ComputePairs(*f.S.State, f.Fakes, 8, 4);
        f.Action("PaarSchema")->trigger();
        QVERIFY(f.Form->isVisible());
        QCOMPARE(f.ListLines(),
                 LinesOf(PrepareReport(f.S.State->Common, f.S.State->Configuration,
                                       f.S.State->Store(), f.Fakes.Messages, ReportPairSchedule)));
    }

    void OpeningAnotherMemberFileClosesTheWindow() {
        ReportWindowFixture f;
        ScratchFolder folder;
        const std::string file = folder.Path("club.tvs");
        WriteBytes(file, HeaderBytes(0, "2") + MemberBytes(1, 4, "Kees", "Bos", "h", "X") +
                             MemberBytes(2, 5, "Els", "Kok", "d", "-"));
        WriteBytes(folder.Path("club.cfg"), ConfigBytes(2));
        f.Action("Wijzigen")->trigger();
        QVERIFY(f.Form->isVisible());
        f.Windows.Main->OpenFileFromCommandLine(QString::fromStdString(file));
        QCOMPARE(int(f.S.State->Members.MemberCount), 2);
        QVERIFY(!f.Form->isVisible());
        QCOMPARE(f.BeeldEntries(), 0);
        QVERIFY(!f.Action("Wijzigen")->isEnabled());
    }

    // Random swaps by mouse and by keyboard on computed schedules with names, court codes of
    // every kind: after each, nobody stands twice in a round and the court-of-player tables, the
    // play counts and the grid agree with the round table.
    void RandomSwapsByMouseAndKeyboardKeepTheScheduleWhole() {
        int nights = 0, swaps = 0, byKeys = 0;
        for (uint32_t seed = 1; seed <= 12; ++seed) {
            RandomNight night(seed, ScheduleWithNames);
            if (!night.Ran) continue;
            AppState& state = *night.S.State;
            TestPorts fakes;
            ScriptedChooser choose;
            RecordingPrintCanvas printer;
            NoHelp help;
            ProgramWindows windows =
                CreateWindows(state, WindowPorts{fakes.Messages, fakes.Pump, fakes.Bell, fakes.Time,
                                                 choose, printer, help});
            windows.Main->show();
            windows.Main->EnableUitVoerItems(true);
            windows.Main->findChild<QAction*>("Wijzigen")->trigger();
            QTableWidget* grid = windows.ResultsForm->BewerkGrid;
            QVERIFY(grid->isVisible());
            PlaceModel model(night.S.Store());
            if (!Mismatch(night.S.Store(), model).empty()) continue;
            ++nights;
            const auto rowPlayers = RowPlayers(night.S.Store(), true);
            QCOMPARE(grid->rowCount(), int(rowPlayers.size()));
            auto truth = [&](int row, int r) {
                const auto [g, p] = rowPlayers[row];
                return QString::fromStdString(
                    CourtCell(state.Common.BaanCode, model.Places[g][r][p].Court));
            };

            std::mt19937 random(seed);
            for (int step = 0; step < 100; ++step) {
                const int r = 1 + int(random() % model.Rounds);
                const int row1 = 1 + int(random() % (grid->rowCount() - 1));
                const int row2 = 1 + int(random() % (grid->rowCount() - 1));
                const auto [g1, p1] = rowPlayers[row1];
                const auto [g2, p2] = rowPlayers[row2];
                const bool expected =
                    p1 > 0 && p2 > 0 && g1 == g2 &&
                    model.Places[g1][r][p1].Court != model.Places[g2][r][p2].Court;
                fakes.Messages.Clear();
                if (random() % 2) {
                    ReportWindowFixture::ClickGridCell(grid, row1, 3 + r);
                    ReportWindowFixture::ClickGridCell(grid, row2, 3 + r);
                } else {
                    ++byKeys;
                    ArrowTo(grid, row1, 3 + r);
                    QTest::keyClick(grid, Qt::Key_Space);
                    ArrowTo(grid, row2, 3 + r);
                    QTest::keyClick(grid, Qt::Key_Space);
                }
                QTest::keyClick(grid, random() % 2 ? Qt::Key_Return : Qt::Key_Enter);
                if (expected) {
                    model.Swap(g1, r, p1, p2);
                    ++swaps;
                    QVERIFY(!fakes.Messages.Shown.empty());
                    QVERIFY(fakes.Messages.Last().Text.starts_with("Wissel paar: "));
                }
                QCOMPARE(QString::fromStdString(Mismatch(night.S.Store(), model)), QString());
                for (int row = 1; row < grid->rowCount(); ++row) {
                    if (rowPlayers[row].second == 0) continue;
                    for (int rr = 1; rr <= model.Rounds; ++rr)
                        QCOMPARE(grid->item(row, 3 + rr)->text(), truth(row, rr));
                }
            }
        }
        QVERIFY(nights >= 10);
        QVERIFY(swaps > 150);
        QVERIFY(byKeys > 400);
    }

    void ColumnsFollowTheReportAndTheCrossTableLabel() {
        ReportWindowFixture f;
        f.Action("Kruistabel")->trigger();
        QVERIFY(f.Form->GroepKopLab1->isVisible());
        QCOMPARE(f.Form->GroepKopLab1->text(), QString("Tegenspelers"));
        QCOMPARE(f.Form->ListView->columnWidth(1), 170);
        QCOMPARE(f.Form->ListView->columnWidth(6), 80);
        QCOMPARE(f.Form->ListView->width(), 300 + 3 * 35 + 80);
        QCOMPARE(f.Form->width(), 720);
        f.Form->StopBtn->click();
        QVERIFY(!f.Form->isVisible());
        f.Action("AantalGespeeld")->trigger();
        QVERIFY(!f.Form->GroepKopLab1->isVisible());
        QCOMPARE(f.Form->ListView->width(), 345 + 315);
    }

    void HintsFollowTheMouse() {
        ReportWindowFixture f;
        f.Action("PaarSchema")->trigger();
        QWidget* viewport = f.Form->ListView->viewport();
        QTest::mouseMove(viewport, QPoint(20, 10));
        QCOMPARE(f.Form->ListView->toolTip(), QString("Ronde "));
        QTest::mouseMove(viewport, QPoint(300, 10));
        QCOMPARE(f.Form->ListView->toolTip(), QString());
        QTest::mouseMove(viewport, QPoint(600, 10));
        QCOMPARE(f.Form->ListView->toolTip(), QString("Speel-baan"));
    }

    void NothingBeforeAScheduleAndNoEditorForPairs() {
        ReportWindowFixture f;
        f.S.State->Common.ScheduleKind = 0;
        f.Action("PaarSchema")->trigger();
        QVERIFY(!f.Form->isVisible());
        QCOMPARE(f.BeeldEntries(), 0);

        f.S.State->Common.ScheduleKind = 2;
        f.Action("Wijzigen")->trigger();
        QVERIFY(!f.Form->isVisible());
        QCOMPARE(f.Fakes.Messages.Last().Text, std::string("Alleen mogelijk voor Schema Op Naam "));
        QCOMPARE(f.BeeldEntries(), 0);
    }

    void PopupOpensAnotherReportAndLinesChangeOnlyInTheList() {
        ReportWindowFixture f;
        f.Action("PaarSchema")->trigger();
        const std::size_t lines = f.Form->UitLijst.size();
        f.Form->ListView->setCurrentItem(f.Form->ListView->topLevelItem(2));
        f.Form->VoeginRij->trigger();
        QCOMPARE(f.Form->ListView->topLevelItemCount(), 21);
        QCOMPARE(f.Form->ListView->topLevelItem(2)->text(0), QString("  "));
        QCOMPARE(f.Form->ListView->topLevelItem(2)->text(1), QString());
        f.Form->ListView->setCurrentItem(f.Form->ListView->topLevelItem(0));
        f.Form->VerwijderRij->trigger();
        QCOMPARE(f.Form->ListView->topLevelItemCount(), 20);
        QCOMPARE(f.Form->ListView->topLevelItem(0)->text(0), QString("1"));
        QCOMPARE(f.Form->UitLijst.size(), lines);

        f.Form->ReportItems[2]->trigger();
        QVERIFY(f.Form->isVisible());
        QCOMPARE(f.Form->Resulthead->text(), QString("BAAN SCHEMA"));
        QCOMPARE(f.BeeldEntries(), 1);
        f.Form->ReportItems[5]->trigger();
        QVERIFY(!f.Form->VoeginRij->isEnabled());
        QVERIFY(f.Form->BewerkGrid->isVisible());
        QVERIFY(!f.Form->ListView->isVisible());
        QVERIFY(!f.Form->PrintBtn->isVisible());
    }

    void MinimisedStaysListedClosedLeavesTheList() {
        ReportWindowFixture f;
        f.Action("BaanSchema")->trigger();
        f.Form->showMinimized();
        QCoreApplication::processEvents();
        QVERIFY(f.Windows.Main->IsWindowListed(BeeldUitvoer));
        QCOMPARE(f.BeeldEntries(), 1);
        f.Action("BaanSchema")->trigger(); // focuses the window again
        QCOMPARE(f.BeeldEntries(), 1);
        QVERIFY(!f.Form->isMinimized());
        QCOMPARE(f.Form->Resulthead->text(), QString("BAAN SCHEMA"));
        f.Form->showMinimized();
        QCoreApplication::processEvents();
        f.Action("PaarSchema")->trigger(); // another report: shown, listed once
        QCOMPARE(f.BeeldEntries(), 1);
        QVERIFY(f.Form->isVisible());
        QVERIFY(!f.Form->isMinimized());
        QCOMPARE(f.Form->Resulthead->text(), QString("PAREN INDELING"));
        QTest::mouseClick(f.Form->StopBtn, Qt::LeftButton);
        QVERIFY(!f.Form->isVisible());
        QCOMPARE(f.BeeldEntries(), 0);
        QVERIFY(!f.Windows.Main->IsWindowListed(BeeldUitvoer));
        QVERIFY(f.Fakes.Messages.Shown.empty());
    }

    void DelBeeldMenuSearchesFromTheFirstEntryAndEndsOnTheLast() {
        ReportWindowFixture f;
        f.Action("PaarSchema")->trigger();
        QWidget other;
        other.setWindowTitle("Opties");
        other.show();
        f.Windows.Main->AddBeeldMenu(&other, BeeldOpties);
        QCOMPARE(f.BeeldEntries(), 2);
        f.Windows.Main->DelBeeldMenu(BeeldMatchScore); // no such entry: the last one goes
        QCOMPARE(f.BeeldEntries(), 1);
        QVERIFY(f.Windows.Main->IsWindowListed(BeeldUitvoer));
        f.Windows.Main->DelBeeldMenu(BeeldUitvoer);
        QCOMPARE(f.BeeldEntries(), 0);
        QVERIFY(!f.Windows.Main->IsWindowListed(BeeldUitvoer));
        f.Windows.Main->DelBeeldMenu(BeeldUitvoer);
        QCOMPARE(f.Fakes.Messages.Last().Text, std::string("Venster al gesloten"));
    }

    void EditorSwapsThroughClicksAndEnter() {
        ReportWindowFixture f;
        f.Action("Wijzigen")->trigger();
        QTableWidget* grid = f.Form->BewerkGrid;
        QVERIFY(grid->isVisible());
        QCOMPARE(f.Form->Resulthead->text(), QString("BAANSCHEMA BEWERKEN"));
        QCOMPARE(grid->rowCount(), 11);
        QCOMPARE(grid->columnCount(), 7);
        QCOMPARE(grid->item(0, 0)->text(), QString("HEREN "));
        QCOMPARE(grid->item(0, 4)->text(), QString("1"));
        QCOMPARE(grid->item(5, 2)->text(), QString("de_Vries"));

        f.ClickCell(3, 1);
        QCOMPARE(f.Fakes.Messages.Last().Text, std::string("Alleen voor de kolommen \"ronde\""));
        f.ClickCell(3, 4);
        QVERIFY(f.Form->BewerkTextLab->isVisible());
        QCOMPARE(f.Form->BewerkTextLab->text(), QString("Klik  nu de andere baan"));
        f.ClickCell(4, 4);
        QCOMPARE(f.Form->BewerkTextLab->text(), QString("Toets <Enter> voor baan verwisselen"));
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!f.Form->BewerkTextLab->isVisible());
        QCOMPARE(f.Fakes.Messages.Last().Text,
                 std::string("Wissel paar: 3 op baan: 1\r    met paar: 4 op baan: 0"));
        QCOMPARE(grid->item(3, 4)->text(), QString("-"));
        QCOMPARE(grid->item(4, 4)->text(), QString("1"));
        QCOMPARE(f.S.Store().RoundTable[1].Courts[1], (Slots{5, 2, 3, 4}));

        // A man and a woman: refused.
        f.ClickCell(1, 5);
        f.ClickCell(7, 5);
        QTest::keyClick(grid, Qt::Key_Enter);
        QCOMPARE(f.Fakes.Messages.Last().Text,
                 std::string("Verwisselen dame <--> heer niet toegestaan"));

        // The court schedule opened afterwards shows the swap.
        f.Form->ReportItems[2]->trigger();
        QCOMPARE(f.Row(4), (QStringList{"Bert", "Zwart", "", "1", "-", "-"}));
    }
};

} // namespace

QTEST_MAIN(ResultsFormTest)
#include "results_form_test.moc"
