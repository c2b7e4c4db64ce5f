#include "app/members/member_dialog.h"
#include "app/members/member_grid.h"
#include "app/members/member_grid_table.h"
#include "core/members/member_file.h"
#include "file_test_support.h"
#include "scripted_ports.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

struct Member {
    int ClubNo;
    const char* Voornaam;
    const char* AchterNaam;
    const char* Groep;
    const char* Status = "-";
};

AppState Club(std::initializer_list<Member> members) {
    AppState state;
    state.Configuration.Config.CfgRec.Grpn[0] = "h";
    state.Configuration.Config.CfgRec.Grpn[1] = "d";
    for (const Member& m : members) {
        TLedenObj obj;
        obj.LidRecord.ClubNo = static_cast<int16_t>(m.ClubNo);
        obj.LidRecord.Voornaam = m.Voornaam;
        obj.LidRecord.AchterNaam = m.AchterNaam;
        obj.LidRecord.Groep = m.Groep;
        obj.LidRecord.StatCode = m.Status;
        state.Members.MemberList.push_back(obj);
    }
    state.Members.MemberCount = static_cast<int16_t>(members.size());
    return state;
}

AppState Evening() {
    return Club({{11, "Jan", "Smit", "h"},
                 {12, "Piet", "Jong", "h"},
                 {13, "Els", "Bos", "d"},
                 {14, "Anna", "Aal", "d"},
                 {15, "Kees", "Vos", "h"}});
}

AppState Large(int n) {
    AppState state = Club({});
    for (int i = 1; i <= n; ++i) {
        TLedenObj obj;
        obj.LidRecord.ClubNo = static_cast<int16_t>(i);
        obj.LidRecord.Voornaam = "Voornaam" + std::to_string(i);
        obj.LidRecord.AchterNaam = "Achternaam" + std::to_string(i);
        obj.LidRecord.Groep = i % 2 ? "h" : "d";
        obj.LidRecord.StatCode = i % 3 ? "-" : "A";
        obj.LidRecord.Opmerking = "opmerking";
        state.Members.MemberList.push_back(obj);
    }
    state.Members.MemberCount = static_cast<int16_t>(n);
    return state;
}

// One grid on one member list, shown on the offscreen screen.
struct Fixture {
    explicit Fixture(AppState initial)
        : State(std::move(initial)) {
        Grid = std::make_unique<TLedenGrid>(State, Messages, Bell, Time);
        Grid->resize(620, 480);
        Grid->show();
        QApplication::setActiveWindow(Grid.get());
        QVERIFY(QTest::qWaitForWindowActive(Grid.get()));
        Grid->OpenLedenInput();
    }

    // Keys go where the keyboard sends them: the open cell editor, or else the table.
    QWidget* Target() const {
        QWidget* focus = QApplication::focusWidget();
        // After a modal dialog the offscreen platform may not give the grid's window back.
        return focus && Grid->isAncestorOf(focus) ? focus : Grid->Grid;
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Target(), key, modifiers);
    }
    void Type(const char* text) {
        for (const char* c = text; *c; ++c) QTest::keyClick(Target(), *c);
    }
    std::string Cell(int column, int r) const { return Grid->CellText(column, r).toStdString(); }
    const TLidRec& Rec(int i) const { return State.Members.MemberList[i].LidRecord; }
    QPoint CellCentre(int column, int r) const {
        return Grid->Grid->visualItemRect(Grid->Grid->item(r - 1, column)).center();
    }
    void Click(int column, int r) {
        QTest::mouseClick(Grid->Grid->viewport(), Qt::LeftButton, {}, CellCentre(column, r));
    }
    std::vector<std::string> Column(int column) const {
        std::vector<std::string> cells;
        for (int r = 1; r <= Grid->Grid->rowCount(); ++r) cells.push_back(Cell(column, r));
        return cells;
    }

    AppState State;
    ScriptedMessenger Messages;
    CountingBeeper Bell;
    FixedClock Time;
    std::unique_ptr<TLedenGrid> Grid;
};

const std::string Advice = "\n\r corrigeer (zonodig) Configuratie";

} // namespace

class MemberGridTest : public QObject {
    Q_OBJECT

private slots:
    void ShowsTheListWithHeadingsIndexAndCounters();
    void TallyModeTypesStatusesDownTheActieColumn();
    void TallyModeHoldsTheCursorInTheActieColumn();
    void TabOnTheLastRowInTallyModeCommitsAndStays();
    void ACappedStatusIsReportedAtTheNextFullCommit();
    void CommitsReplaceBadCellsAndStopAtANumberThatIsNone();
    void EnterFollowsItsColumnRules();
    void CellsAreTrimmedBeforeTheyAreCut();
    void TheAddressViewDoesNotCommit();
    void SortingByKeysAndTheSortButton();
    void ShuffleKeepsTheGroupsAndTheOldIndexNumbers();
    void SearchLandsOnTheFirstMatchingRow();
    void InsertingAppendsOnTheLastRowAndRefusesTheFourHundredFirst();
    void F7AddsThroughTheMemberDialog();
    void EditingAMemberShowsTheDialogsChanges();
    void F8AsksBeforeDeleting();
    void DraggingTheIndexCellMovesTheWholeMember();
    void TheIndexColumnStaysInViewAndTheCursorNeverLandsOnIt();
    void HintsFollowThePointerAndTheClubNumberWarningItsColumn();
    void ARecordIndexOutsideTheListIsReported();
    void TheFontFollowsTheScreenFontOrTheDesktop();
    void AnEmptyListShowsNoRowsAndStaysUsable();
    void FourHundredFiftyMembersFillAndScroll();
    void FourHundredFiftyMembersOpenFromAFile();
};

void MemberGridTest::ShowsTheListWithHeadingsIndexAndCounters() {
    Fixture f(Club({{7, "Jan", "Smit", "h", "A"}, {9, "Els", "Bos", "d", "-"}}));
    QTableWidget* table = f.Grid->Grid;
    QCOMPARE(table->objectName(), QString("LedenGrid"));
    QCOMPARE(table->columnCount(), 7);
    QStringList headings;
    for (int c = 0; c < 7; ++c) headings << table->horizontalHeaderItem(c)->text();
    QCOMPARE(headings.join(","), QString("Ix,ClubNr,Voornaam,Achternaam,Grp,Actie,Opmerking"));
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(f.Cell(0, 1), std::string("1"));
    QCOMPARE(f.Cell(1, 2), std::string("9"));
    QCOMPARE(f.Cell(5, 1), std::string("A"));
    QCOMPARE(f.Rec(2).Indx, uint16_t(2));
    QCOMPARE(f.Grid->Row(), 1);
    QCOMPARE(f.Grid->Col(), 2);
    QCOMPARE(f.Grid->AantalHrntxt->text(), QString("Heren"));
    QCOMPARE(f.Grid->AantalDmstxt->text(), QString("Dames"));
    QCOMPARE(f.Grid->AantalHrnLab->text(), QString("1"));
    QCOMPARE(f.Grid->AantalDmsLab->text(), QString("0"));
    QCOMPARE(table->columnWidth(0), 30);
    QCOMPARE(table->columnWidth(3), 150);
    QCOMPARE(table->width(), 580);
    QVERIFY(!f.Grid->Zoekpanel->isVisible());
    QVERIFY(!(table->item(0, 0)->flags() & Qt::ItemIsEditable));
}

void MemberGridTest::TallyModeTypesStatusesDownTheActieColumn() {
    Fixture f(Evening());
    QSignalSpy caption(f.Grid.get(), &TLedenGrid::TurvenCaptionChanged);
    f.Grid->TurvenBtnClick();
    QCOMPARE(caption.takeFirst().at(0).toString(), QString("Bewerk"));
    QCOMPARE(f.Grid->Row(), 1);
    QCOMPARE(f.Grid->Col(), 5);
    f.Type("a");
    f.Key(Qt::Key_Tab);
    QCOMPARE(f.Rec(1).StatCode.Str(), std::string("A")); // typed lower case, stored upper case
    QCOMPARE(f.Cell(5, 1), std::string("A"));
    QCOMPARE(f.Grid->AantalHrnLab->text(), QString("1"));
    QCOMPARE(f.Grid->Row(), 2);
    QCOMPARE(f.Grid->Col(), 5);
    f.Type("x");
    f.Key(Qt::Key_Return);
    QCOMPARE(f.Rec(2).StatCode.Str(), std::string("X"));
    QCOMPARE(f.Grid->AantalHrnLab->text(), QString("2"));
    QCOMPARE(f.Grid->Row(), 2);
    f.Key(Qt::Key_Down);
    f.Type("1");
    f.Key(Qt::Key_Tab);
    QCOMPARE(f.Grid->AantalDmsLab->text(), QString("1"));
    QCOMPARE(f.Grid->Nactiefheren, int16_t(2));
    QCOMPARE(f.Grid->NActiefdames, int16_t(1));
    // Back to a dash: no longer counted.
    f.Key(Qt::Key_Up);
    QCOMPARE(f.Grid->Row(), 3);
    f.Type("-");
    f.Key(Qt::Key_Tab);
    QCOMPARE(f.Grid->AantalDmsLab->text(), QString("0"));
    QVERIFY(f.Messages.Shown.empty());
    f.Grid->TurvenBtnClick();
    QCOMPARE(caption.takeFirst().at(0).toString(), QString("Turven"));
    QCOMPARE(f.Grid->Row(), 1);
    QCOMPARE(f.Grid->Col(), 2);
}

void MemberGridTest::TallyModeHoldsTheCursorInTheActieColumn() {
    Fixture f(Evening());
    f.Grid->TurvenBtnClick();
    f.Key(Qt::Key_Left);
    QCOMPARE(f.Grid->Col(), 5);
    f.Key(Qt::Key_Right);
    QCOMPARE(f.Grid->Col(), 5);
    // Also while typing in the cell.
    f.Type("b");
    f.Key(Qt::Key_Left);
    f.Key(Qt::Key_Tab);
    QCOMPARE(f.Rec(1).StatCode.Str(), std::string("B"));
    f.Click(2, 4);
    QCOMPARE(f.Grid->Row(), 4);
    QCOMPARE(f.Grid->Col(), 5);
    // A double click is a click: no editor opens in the column clicked.
    f.Click(2, 3);
    QTest::mouseDClick(f.Grid->Grid->viewport(), Qt::LeftButton, {}, f.CellCentre(2, 3));
    QCOMPARE(f.Grid->Row(), 3);
    QCOMPARE(f.Grid->Col(), 5);
    QVERIFY(!f.Grid->Grid->IsEditing());
    f.Type("d");
    f.Key(Qt::Key_Tab);
    QCOMPARE(f.Rec(3).StatCode.Str(), std::string("D"));
    QCOMPARE(f.Rec(3).Voornaam.Str(), std::string("Els"));
    QCOMPARE(f.Grid->Row(), 4);
}

void MemberGridTest::TabOnTheLastRowInTallyModeCommitsAndStays() {
    Fixture f(Evening());
    f.Grid->TurvenBtnClick();
    f.Click(5, 5);
    f.Type("c");
    f.Key(Qt::Key_Tab);
    QCOMPARE(f.Rec(5).StatCode.Str(), std::string("C"));
    QCOMPARE(f.Grid->Row(), 5);
    QCOMPARE(f.Grid->Col(), 5);
    QVERIFY(f.Grid->Grid->hasFocus());
}

void MemberGridTest::ACappedStatusIsReportedAtTheNextFullCommit() {
    Fixture f(Evening());
    f.Grid->TurvenBtnClick();
    f.Key(Qt::Key_Down);
    f.Type("a5x");
    f.Key(Qt::Key_Tab);
    QCOMPARE(f.Rec(2).StatCode.Str(), std::string("A5X"));
    QCOMPARE(f.Bell.Beeps, 0);
    QVERIFY(f.Grid->GridToList());
    QCOMPARE(f.Rec(2).StatCode.Str(), std::string("A2X"));
    QCOMPARE(f.Cell(5, 2), std::string("A2X"));
    QCOMPARE(f.Bell.Beeps, 2);
    QCOMPARE(f.Messages.Texts(),
             std::vector<std::string>{"ActieStatus: 12 heeft verkeerd formaat" + Advice});
}

void MemberGridTest::CommitsReplaceBadCellsAndStopAtANumberThatIsNone() {
    Fixture f(Evening());
    f.Click(1, 3);
    f.Key(Qt::Key_Delete); // an emptied cell by typing: start the editor, clear it
    QTest::keyClick(f.Grid->Grid, Qt::Key_F2);
    QTest::keyClick(f.Target(), Qt::Key_A, Qt::ControlModifier);
    f.Key(Qt::Key_Backspace);
    f.Key(Qt::Key_Down);
    QCOMPARE(f.Messages.Texts(), std::vector<std::string>{"3 is geen geldig getal" + Advice});
    QCOMPARE(f.Cell(1, 3), std::string("3"));
    QCOMPARE(f.Rec(3).ClubNo, int16_t(3));
    QCOMPARE(f.Grid->Row(), 4);
    f.Messages.Clear();
    f.Click(4, 4);
    f.Type("q");
    f.Key(Qt::Key_Up);
    QCOMPARE(f.Messages.Texts(),
             std::vector<std::string>{"Groep  heeft verkeerd formaat" + Advice});
    QCOMPARE(f.Cell(4, 4), std::string(" "));
    f.Messages.Clear();
    f.Click(1, 2);
    f.Type("12a");
    f.Key(Qt::Key_Down);
    QCOMPARE(f.Messages.Texts(), std::vector<std::string>{"'12a' is geen geldig geheel getal"});
    QCOMPARE(f.Grid->Row(), 2); // the commit stopped, and the move with it
    QCOMPARE(f.Rec(2).ClubNo, int16_t(12));
    f.Messages.Clear();
    QVERIFY(!f.Grid->GridToList());
    QCOMPARE(f.Messages.Texts(), std::vector<std::string>{"'12a' is geen geldig geheel getal"});
}

void MemberGridTest::EnterFollowsItsColumnRules() {
    Fixture f(Evening());
    QCOMPARE(f.Grid->Col(), 2);
    f.Key(Qt::Key_Return);
    QCOMPARE(f.Grid->Col(), 3);
    f.Key(Qt::Key_Return);
    f.Key(Qt::Key_Return);
    QCOMPARE(f.Grid->Col(), 5);
    f.Key(Qt::Key_Return);
    QCOMPARE(f.Grid->Col(), 5); // counts, does not move
    f.Key(Qt::Key_Tab);
    QCOMPARE(f.Grid->Col(), 6);
    f.Type("vandaag");
    f.Key(Qt::Key_Return); // closes the editor: the row is not committed by that
    QCOMPARE(f.Rec(1).Opmerking.Str(), std::string(""));
    f.Key(Qt::Key_Return);
    QCOMPARE(f.Rec(1).Opmerking.Str(), std::string("vandaag"));
    QCOMPARE(f.Grid->Row(), 1);
    QCOMPARE(f.Grid->Col(), 1);
    // In the address view Enter in the last column goes back to the start of the row.
    f.Grid->Adres1Click();
    f.Click(7, 2);
    f.Key(Qt::Key_Return);
    QCOMPARE(f.Grid->Row(), 2);
    QCOMPARE(f.Grid->Col(), 1);
}

void MemberGridTest::CellsAreTrimmedBeforeTheyAreCut() {
    Fixture f(Evening());
    f.Click(5, 1);
    f.Type(" a2c");
    f.Key(Qt::Key_Down);
    QCOMPARE(f.Rec(1).StatCode.Str(), std::string("A2C"));
    f.Click(4, 2);
    f.Type("   d");
    f.Key(Qt::Key_Down);
    QCOMPARE(f.Rec(2).Groep.Str(), std::string("d"));
    f.Click(1, 3);
    f.Type("       42");
    f.Key(Qt::Key_Down);
    QCOMPARE(f.Rec(3).ClubNo, int16_t(42));
    f.Click(2, 4); // a name is cut as typed, blanks included
    f.Type("  Annemarie Wilhelmina Sophia");
    f.Key(Qt::Key_Down);
    QCOMPARE(f.Rec(4).Voornaam.Str(), std::string("  Annemarie Wilhelmina S"));
    QVERIFY(f.Messages.Shown.empty());
}

void MemberGridTest::TheAddressViewDoesNotCommit() {
    Fixture f(Evening());
    f.State.Members.MemberList[2].LidRecord.Adres = "Laan 4";
    QSignalSpy caption(f.Grid.get(), &TLedenGrid::AdresCaptionChanged);
    QSignalSpy tally(f.Grid.get(), &TLedenGrid::TallyCommandsEnabled);
    f.Grid->TurvenBtnClick();
    f.Click(2, 2);
    f.Grid->TurvenBtnClick();
    f.Click(2, 2);
    f.Type("Xander");
    f.Grid->Adres1Click();
    QCOMPARE(caption.takeFirst().at(0).toString(), QString("&Toon Turflijst"));
    QCOMPARE(tally.takeFirst().at(0).toBool(), false);
    QVERIFY(!f.Grid->TallyMode);
    QCOMPARE(f.Grid->Grid->columnCount(), 8);
    QCOMPARE(f.Grid->Grid->horizontalHeaderItem(4)->text(), QString("Straat"));
    QCOMPARE(f.Grid->Grid->horizontalHeaderItem(7)->text(), QString("Telefoon"));
    QCOMPARE(f.Grid->Grid->columnWidth(1), 35);
    QCOMPARE(f.Cell(4, 2), std::string("Laan 4"));
    QCOMPARE(f.Cell(2, 2), std::string("Piet"));
    QCOMPARE(f.Rec(2).Voornaam.Str(), std::string("Piet"));
    f.Grid->Adres1Click();
    QCOMPARE(caption.takeFirst().at(0).toString(), QString("&Toon adressen"));
    QCOMPARE(tally.takeFirst().at(0).toBool(), true);
    QCOMPARE(f.Cell(2, 2), std::string("Piet"));
    QCOMPARE(f.Grid->Grid->columnCount(), 7);
}

void MemberGridTest::SortingByKeysAndTheSortButton() {
    Fixture f(Club({{1, "Henk", "Bos", "h"},
                    {2, "", "Zee", "d"},
                    {3, "Dora", "Aal", "d"},
                    {4, "Bart", "", "h"},
                    {5, "Anna", "Vos", "D"}}));
    f.Grid->SortMembers(2);
    QCOMPARE(f.Column(2), (std::vector<std::string>{"Anna", "Dora", "", "Bart", "Henk"}));
    QCOMPARE(f.Column(0), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    QCOMPARE(f.Grid->Row(), 1);
    f.Key(Qt::Key_F4);
    QCOMPARE(f.Column(3), (std::vector<std::string>{"Aal", "Vos", "Zee", "Bos", ""}));
    f.Click(1, 3);
    f.Grid->SortSpdBtnClick();
    QCOMPARE(f.Column(1), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    f.Click(5, 3);
    f.Grid->SortSpdBtnClick();
    QCOMPARE(f.Messages.Texts(),
             std::vector<std::string>{"Kies kolom: ClubNr,Voornaam of Achternaam"});
    QCOMPARE(f.Messages.Last().Kind, uint8_t(KindInformatie));
    QCOMPARE(f.State.Members.MemberList.size(), std::size_t(6));
}

void MemberGridTest::ShuffleKeepsTheGroupsAndTheOldIndexNumbers() {
    Fixture f(Large(30));
    f.Key(Qt::Key_F5);
    std::vector<std::string> groups = f.Column(4);
    QCOMPARE(std::count(groups.begin(), groups.begin() + 15, std::string("d")), 15);
    QCOMPARE(std::count(groups.begin() + 15, groups.end(), std::string("h")), 15);
    std::vector<std::string> index = f.Column(0);
    std::vector<std::string> clubs = f.Column(1);
    QCOMPARE(index, clubs); // the old numbers travel with their members
    std::vector<std::string> ordered;
    for (int i = 1; i <= 30; ++i) ordered.push_back(std::to_string(i));
    QVERIFY(index != ordered);
}

void MemberGridTest::SearchLandsOnTheFirstMatchingRow() {
    Fixture f(Club({{1, "Piet", "Jansen", "h"},
                    {2, "Kees", "Bos", "h"},
                    {3, "JAcob", "Vos", "h"},
                    {4, "Jan", "Smit", "h"}}));
    f.Grid->ZoekSpdbtnClick();
    QVERIFY(f.Grid->Zoekpanel->isVisible());
    QCOMPARE(f.Grid->ZoekBox->title(), QString("Zoeken op"));
    QTest::mouseClick(f.Grid->ZoekVoornaam, Qt::LeftButton);
    QVERIFY(f.Grid->ZoekEdit->hasFocus());
    QTest::keyClicks(f.Grid->ZoekEdit, "ja");
    QCOMPARE(f.Grid->Row(), 3);
    QCOMPARE(f.Grid->Col(), 2);
    QTest::keyClicks(f.Grid->ZoekEdit, "n");
    QCOMPARE(f.Grid->Row(), 4);
    QTest::keyClick(f.Grid->ZoekEdit, Qt::Key_Return);
    QVERIFY(!f.Grid->Zoekpanel->isVisible());
    QVERIFY(f.Grid->Grid->hasFocus());
    f.Grid->ZoekSpdbtnClick();
    QTest::mouseClick(f.Grid->ZoekAchternaam, Qt::LeftButton);
    QCOMPARE(f.Grid->ZoekEdit->text(), QString());
    QTest::keyClicks(f.Grid->ZoekEdit, "JA");
    QCOMPARE(f.Grid->Row(), 1);
    QCOMPARE(f.Grid->Col(), 3);
}

void MemberGridTest::InsertingAppendsOnTheLastRowAndRefusesTheFourHundredFirst() {
    Fixture f(Evening());
    f.Click(2, 5);
    f.Grid->InsertBlankMember(f.Grid->Row());
    QCOMPARE(f.State.Members.MemberCount, int16_t(6));
    QCOMPARE(f.Cell(1, 6), std::string("6"));
    QCOMPARE(f.Cell(5, 6), std::string("X"));
    QCOMPARE(f.Cell(4, 6), std::string("h"));
    QCOMPARE(f.Grid->Row(), 6);
    f.Click(2, 2);
    f.Grid->InsertBlankMember(f.Grid->Row());
    QCOMPARE(f.Column(1), (std::vector<std::string>{"11", "7", "12", "13", "14", "15", "6"}));
    QCOMPARE(f.Column(0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
    QCOMPARE(f.Grid->Row(), 3);

    Fixture full(Large(400));
    full.Grid->InsertBlankMember(1);
    full.Key(Qt::Key_F7);
    QCOMPARE(full.State.Members.MemberCount, int16_t(400));
    QCOMPARE(full.Messages.Texts(),
             (std::vector<std::string>{"Aantal leden groter dan 400 niet toegestaan" + Advice,
                                       "Aantal leden groter dan 400 niet toegestaan" + Advice}));
    QCOMPARE(full.Bell.Beeps, 2);
}

void MemberGridTest::F7AddsThroughTheMemberDialog() {
    Fixture f(Evening());
    TNewLidDlg dialog(f.State, f.Messages, f.Bell);
    f.Grid->SetMemberDialog(&dialog);
    f.Click(2, 2);
    QTimer::singleShot(0, &dialog, [&] {
        dialog.VoorNaamEdit->setText("Nieuw");
        dialog.GroepEdit->setText("d");
        QTest::mouseClick(dialog.InvoegKnop, Qt::LeftButton);
    });
    f.Key(Qt::Key_F7);
    QCOMPARE(f.State.Members.MemberCount, int16_t(6));
    QCOMPARE(f.Cell(2, 2), std::string("Nieuw"));
    QCOMPARE(f.Cell(1, 2), std::string("6"));
    QCOMPARE(f.Cell(0, 2), std::string("2"));
    QCOMPARE(f.Grid->Row(), 3);
    // A refused duplicate adds nothing and leaves the grid as it was.
    QTimer::singleShot(0, &dialog, [&] {
        dialog.ClubNoEdit->setText("15");
        dialog.VoorNaamEdit->setText("Dubbel");
        QTest::mouseClick(dialog.InvoegKnop, Qt::LeftButton);
    });
    f.Key(Qt::Key_F7);
    QCOMPARE(f.State.Members.MemberCount, int16_t(6));
    QCOMPARE(f.Grid->Grid->rowCount(), 6);
    QCOMPARE(f.Messages.Texts(), std::vector<std::string>{"ClubNummer: 15 bestaat al!"});
}

void MemberGridTest::EditingAMemberShowsTheDialogsChanges() {
    Fixture f(Evening());
    TNewLidDlg dialog(f.State, f.Messages, f.Bell);
    f.Grid->SetMemberDialog(&dialog);
    f.Click(2, 3);
    f.State.Common.ErrorCode = 5; // left by an earlier report: the row is shown all the same
    QTimer::singleShot(0, &dialog, [&] {
        dialog.VoorNaamEdit->setText("Elsa");
        QTest::mouseClick(dialog.InvoegKnop, Qt::LeftButton);
    });
    f.Grid->EditMemberDialog(f.Grid->Row());
    QCOMPARE(f.Rec(3).Voornaam.Str(), std::string("Elsa"));
    QCOMPARE(f.Cell(2, 3), std::string("Elsa"));
    QVERIFY(f.Grid->GridToList());
    QCOMPARE(f.Rec(3).Voornaam.Str(), std::string("Elsa"));
}

void MemberGridTest::F8AsksBeforeDeleting() {
    Fixture f(Evening());
    f.Click(2, 2);
    f.Type("Pieter"); // committed by the delete's full commit
    f.Messages.Answer(ResultNo);
    f.Key(Qt::Key_F8);
    QCOMPARE(f.Messages.Last().Text, std::string("Weet u zeker dat u dit Record wilt verwijderen"));
    QCOMPARE(f.Messages.Last().Kind, uint8_t(KindBevestig));
    QCOMPARE(f.Messages.Last().Buttons, uint16_t(ButtonsJaNee));
    QCOMPARE(f.State.Members.MemberCount, int16_t(5));
    QCOMPARE(f.Rec(2).Voornaam.Str(), std::string("Pieter"));
    f.Click(2, 2);
    f.Messages.Answer(ResultYes);
    f.Key(Qt::Key_F8);
    QCOMPARE(f.State.Members.MemberCount, int16_t(4));
    QCOMPARE(f.Column(2), (std::vector<std::string>{"Jan", "Els", "Anna", "Kees"}));
    QCOMPARE(f.Column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    QCOMPARE(f.Grid->Row(), 2);
}

void MemberGridTest::DraggingTheIndexCellMovesTheWholeMember() {
    Fixture f(Evening());
    f.State.Members.MemberList[1].LidRecord.EMail = "jan@club.nl";
    f.Click(2, 4);
    f.Type("Ann"); // an uncommitted edit travels with its row
    f.Key(Qt::Key_Escape);
    f.Click(3, 4);
    f.Type("Aalst");
    // The "Ix" cells the user drags are those of the fixed column.
    QTableView* ix = f.Grid->Grid->FixedIx;
    auto ixCentre = [&](int r) { return ix->visualRect(ix->model()->index(r - 1, 0)).center(); };
    QTest::mousePress(ix->viewport(), Qt::LeftButton, {}, ixCentre(1));
    QTest::mouseMove(ix->viewport(), ixCentre(3));
    QTest::mouseRelease(ix->viewport(), Qt::LeftButton, {}, ixCentre(4));
    QCOMPARE(f.Rec(4).ClubNo, int16_t(11));
    QCOMPARE(f.Rec(4).EMail.Str(), std::string("jan@club.nl"));
    QCOMPARE(f.Rec(1).ClubNo, int16_t(12));
    QCOMPARE(f.Column(0), (std::vector<std::string>{"2", "3", "4", "1", "5"}));
    QCOMPARE(f.Column(2), (std::vector<std::string>{"Piet", "Els", "Anna", "Jan", "Kees"}));
    QCOMPARE(f.Cell(3, 3), std::string("Aalst"));
    QCOMPARE(f.Rec(3).AchterNaam.Str(), std::string("Aal"));
}

void MemberGridTest::TheIndexColumnStaysInViewAndTheCursorNeverLandsOnIt() {
    Fixture f(Evening());
    LedenTable* table = f.Grid->Grid;
    QTableView* ix = table->FixedIx;
    QVERIFY(ix->isVisible());
    QCOMPARE(ix->model()->headerData(0, Qt::Horizontal).toString(), QString("Ix"));
    QCOMPARE(ix->width(), 30);
    f.Click(1, 2);
    f.Key(Qt::Key_Left);
    QCOMPARE(f.Grid->Col(), 1);
    f.Click(3, 2);
    f.Key(Qt::Key_Home);
    QCOMPARE(f.Grid->Col(), 1);
    f.Click(6, 2);
    f.Key(Qt::Key_Tab); // wraps to the first member column of the next row
    QCOMPARE(f.Grid->Row(), 3);
    QCOMPARE(f.Grid->Col(), 1);
    f.Key(Qt::Key_Backtab); // and back to the last column of the row above
    QCOMPARE(f.Grid->Row(), 2);
    QCOMPARE(f.Grid->Col(), 6);

    // The address view is wider than the grid: it scrolls sideways, "Ix" stays.
    f.Grid->Adres1Click();
    QScrollBar* sideways = table->horizontalScrollBar();
    f.Key(Qt::Key_End);
    QCOMPARE(f.Grid->Col(), 7);
    QVERIFY(sideways->value() > 0);
    QVERIFY(ix->isVisible());
    QCOMPARE(ix->geometry().left(), table->frameWidth());
    QCOMPARE(ix->rowAt(ix->visualRect(ix->model()->index(1, 0)).center().y()), 1);
    f.Key(Qt::Key_Left);
    f.Key(Qt::Key_Left);
    f.Key(Qt::Key_Left);
    f.Key(Qt::Key_Left);
    f.Key(Qt::Key_Left);
    QCOMPARE(f.Grid->Col(), 2);
    // A column scrolled into view lies beside the fixed column, not under it.
    QVERIFY(table->visualRect(table->currentIndex()).left() >= table->columnWidth(0));
    f.Key(Qt::Key_Home);
    QCOMPARE(f.Grid->Col(), 1);
    QCOMPARE(sideways->value(), 0);
    if (qEnvironmentVariableIsSet("TOLVEX_SHOT")) {
        f.Key(Qt::Key_End);
        f.Grid->grab().save(qEnvironmentVariable("TOLVEX_SHOT"));
    }
}

void MemberGridTest::HintsFollowThePointerAndTheClubNumberWarningItsColumn() {
    Fixture f(Evening());
    QSignalSpy hints(f.Grid.get(), &TLedenGrid::HintChanged);
    QWidget* viewport = f.Grid->Grid->viewport();
    QStringList seen;
    for (int x : {10, 40, 100, 250, 360, 400, 500, 86, 560}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 10), viewport->mapToGlobal(QPointF(x, 10)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        seen << f.Grid->Grid->CurrentHint;
    }
    QCOMPARE(seen, (QStringList{"Index", "Club-nummer", "Voornaam speler", "Achternaam  speler",
                                "Groep (dames/heren)", "Actief", "Opmerking", "", ""}));
    QVERIFY(hints.count() >= 8);
    // Over the fixed "Ix" column as over the table's own first column.
    QWidget* ix = f.Grid->Grid->FixedIx->viewport();
    QMouseEvent overIx(QEvent::MouseMove, QPointF(10, 10), ix->mapToGlobal(QPointF(10, 10)),
                       Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(ix, &overIx);
    QCOMPARE(f.Grid->Grid->CurrentHint, QString("Index"));
    QCOMPARE(f.Grid->Pasoplabel->text(), QString("PAS op met ClubNr."));
    QVERIFY(!f.Grid->Pasoplabel->isVisible());
    f.Click(1, 2);
    QVERIFY(f.Grid->Pasoplabel->isVisible());
    f.Click(3, 2);
    QVERIFY(!f.Grid->Pasoplabel->isVisible());
}

void MemberGridTest::ARecordIndexOutsideTheListIsReported() {
    Fixture f(Evening());
    f.Grid->SetCell(0, 2, "9");
    f.Click(2, 2);
    QCOMPARE(f.Messages.Texts(), std::vector<std::string>{"Record index 9 foutief"});
    QCOMPARE(f.Messages.Last().Kind, uint8_t(KindInformatie));
    f.Messages.Clear();
    f.Grid->TurvenBtnClick();
    f.Click(2, 2); // tally mode checks only from the group column on
    QVERIFY(f.Messages.Shown.empty());
    f.Click(4, 2);
    QCOMPARE(f.Messages.Texts(), std::vector<std::string>{"Record index 9 foutief"});
}

void MemberGridTest::TheFontFollowsTheScreenFontOrTheDesktop() {
    AppState state = Evening();
    state.Common.ScreenFontSize = 12;
    Fixture f(std::move(state));
    QCOMPARE(f.State.Common.ScreenFontName, std::string("MS Sans Serif"));
    QCOMPARE(f.Grid->Grid->font().family(), QApplication::font().family());
    QCOMPARE(f.Grid->Grid->font().pointSize(), 12);
    // The set-up installs the DejaVu families: a screen font of this desktop is used.
    for (const char* family : {"DejaVu Serif", "DejaVu Sans Mono"}) {
        f.State.Common.ScreenFontName = family;
        f.Grid->LayoutGrid();
        QCOMPARE(QFontInfo(f.Grid->Grid->font()).family(), QString(family));
        QCOMPARE(f.Grid->Grid->font().pointSize(), 12);
    }
}

void MemberGridTest::AnEmptyListShowsNoRowsAndStaysUsable() {
    Fixture f(Club({}));
    QCOMPARE(f.Grid->Grid->rowCount(), 0);
    QCOMPARE(f.Grid->Row(), 0);
    f.Key(Qt::Key_Tab);
    f.Key(Qt::Key_Return);
    f.Key(Qt::Key_F5);
    f.Key(Qt::Key_F4);
    f.Grid->TurvenBtnClick();
    f.Grid->TurvenBtnClick();
    f.Key(Qt::Key_F8);
    QCOMPARE(f.Messages.Texts(), std::vector<std::string>{"Verwijderen van record mislukt"});
    f.Grid->InsertBlankMember(f.Grid->Row());
    QCOMPARE(f.State.Members.MemberCount, int16_t(1));
    QCOMPARE(f.Grid->Grid->rowCount(), 1);
    QCOMPARE(f.Grid->Row(), 1);
}

// How fast these are is measured in bench/app (tolvex_app_bench); here only what they do.
void MemberGridTest::FourHundredFiftyMembersFillAndScroll() {
    AppState state = Large(450);
    ScriptedMessenger messages;
    CountingBeeper bell;
    FixedClock clock;
    TLedenGrid grid(state, messages, bell, clock);
    grid.resize(620, 480);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.OpenLedenInput();
    QApplication::processEvents();
    QCOMPARE(grid.Grid->rowCount(), 450);
    QCOMPARE(grid.CellText(2, 450), QString("Voornaam450"));
    QScrollBar* bar = grid.Grid->verticalScrollBar();
    for (int step = 0; step <= 20; ++step) {
        bar->setValue(bar->maximum() * step / 20);
        grid.Grid->viewport()->repaint();
    }
    // The fixed "Ix" column scrolls down with the rows.
    QCOMPARE(grid.Grid->FixedIx->rowAt(1), grid.Grid->rowAt(1));
    QVERIFY(grid.Grid->rowAt(1) > 400);
    grid.FillGrid(1);
    QCOMPARE(grid.Row(), 1);
    QVERIFY(grid.GridToList());
    QVERIFY(messages.Shown.empty());
    if (qEnvironmentVariableIsSet("TOLVEX_SHOT")) {
        grid.Grid->scrollToTop();
        grid.TurvenBtnClick();
        grid.grab().save(qEnvironmentVariable("TOLVEX_SHOT"));
    }
}

namespace {

// The main window's side of opening a file, as far as the grid is concerned.
class GridFileView : public RecordingFileView {
public:
    explicit GridFileView(TLedenGrid& grid)
        : Grid(grid) {}
    void OpenLedenInput() override { Grid.OpenLedenInput(); }
    TLedenGrid& Grid;
};

} // namespace

void MemberGridTest::FourHundredFiftyMembersOpenFromAFile() {
    ScratchFolder folder;
    std::string file = folder.Path("groot.tvs");
    std::string image = HeaderBytes(0, "450");
    for (int i = 1; i <= 450; ++i)
        image += ::MemberBytes(static_cast<uint16_t>(i), static_cast<int16_t>(i),
                               "Voornaam" + std::to_string(i), "Achternaam" + std::to_string(i),
                               i % 2 ? "h" : "d", i % 3 ? "-" : "A");
    WriteBytes(file, image);
    WriteBytes(folder.Path("groot.cfg"), ConfigBytes(450));

    AppState state;
    ScriptedMessenger messages;
    CountingBeeper bell;
    FixedClock clock;
    FakeConfigHost host(state, messages);
    TLedenGrid grid(state, messages, bell, clock);
    GridFileView view(grid);
    grid.resize(620, 480);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    OpenOutcome outcome = OpenNamedMemberFile(state.Common, state.Configuration, state.Members,
                                              messages, host, view, file);
    if (state.Members.MemberDataPresent) view.OpenLedenInput();
    QApplication::processEvents();
    QVERIFY(outcome.Loaded);
    QCOMPARE(grid.Grid->rowCount(), 450);
    QCOMPARE(grid.CellText(3, 450), QString("Achternaam450"));
    QCOMPARE(grid.AantalHrnLab->text(), QString("75"));
}

QTEST_MAIN(MemberGridTest)
#include "member_grid_test.moc"
