#include "app/members/member_dialog.h"
#include "scripted_ports.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

AppState ThreeMembers() {
    AppState state;
    state.Configuration.Config.CfgRec.Grpn[0] = "h";
    state.Configuration.Config.CfgRec.Grpn[1] = "d";
    const char* first[] = {"Jan", "Els", "Piet"};
    const char* last[] = {"Smit", "Bos", "Jong"};
    for (int i = 0; i < 3; ++i) {
        TLedenObj obj;
        obj.LidRecord.Indx = static_cast<uint16_t>(i + 1);
        obj.LidRecord.ClubNo = static_cast<int16_t>(i + 1);
        obj.LidRecord.Voornaam = first[i];
        obj.LidRecord.AchterNaam = last[i];
        obj.LidRecord.Groep = i == 1 ? "d" : "h";
        obj.LidRecord.StatCode = "-";
        state.Members.MemberList.push_back(obj);
    }
    state.Members.MemberCount = 3;
    return state;
}

// Runs the script once the modal dialog is up; the script ends the dialog itself.
void WhileOpen(TNewLidDlg& dlg, std::function<void()> script) {
    QTimer::singleShot(0, &dlg, [&dlg, script] {
        QVERIFY(dlg.isVisible());
        script();
        if (dlg.isVisible()) dlg.reject(); // a failed script must not leave the dialog open
    });
}

// Types as the keyboard would, also characters outside ASCII.
void Type(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.unicode() < 128 ? c.toUpper().unicode() : 0,
                        Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

void Enter(QLineEdit* box) {
    QTest::keyClick(box, Qt::Key_Return);
}

const TLidRec& Rec(const AppState& state, int i) {
    return state.Members.MemberList[i].LidRecord;
}

const QString GroupRefused = "Groep  is geen geldig getal\n\r corrigeer (zonodig) Configuratie";
const QString StatusRefused =
    "ActieStatus  is geen geldig karakter\n\r corrigeer (zonodig) Configuratie";

} // namespace

class MemberDialogTest : public QObject {
    Q_OBJECT

private slots:
    void AddModeProposesANewMemberAndInsertsItBeforeTheCurrentOne();
    void AddOnTheLastRowAppends();
    void AddingAUsedClubNumberOrNameIsRefused();
    void AMemberWithoutNamesIsNeverRefused();
    void EnterMovesOnOnlyWhenNoErrorWasLeft();
    void EnterOnTheLastBoxGoesToVoegIn();
    void TabStoresOnlyInItsBoxes();
    void VoegInStoresEveryBoxWithoutEnter();
    void SchrapEscAndTheWindowFrameAddNothing();
    void EditingChangesTheMemberAndHerstelBringsItBack();
    void EditingWithoutChangesPassesTheDuplicateCheck();
    void EditWithoutAListDoesNoHarm();
};

void MemberDialogTest::AddModeProposesANewMemberAndInsertsItBeforeTheCurrentOne() {
    AppState state = ThreeMembers();
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    WhileOpen(dlg, [&] {
        QCOMPARE(dlg.windowTitle(), QString("Nieuw Lid toevoegen"));
        QCOMPARE(dlg.Koplabel->text(), QString(" Invoeren van de velden van een Clublid"));
        QCOMPARE(dlg.ClubIndex->text(), QString("3"));
        QVERIFY(dlg.ClubIndex->isReadOnly());
        QCOMPARE(dlg.ClubNoEdit->text(), QString("4"));
        QCOMPARE(dlg.GroepEdit->text(), QString("h"));
        QCOMPARE(dlg.ActieEdit->text(), QString("-"));
        QCOMPARE(dlg.VoorNaamEdit->text(), QString());
        QCOMPARE(dlg.focusWidget(), dlg.ClubNoEdit);
        Type(dlg.VoorNaamEdit, "Anna");
        Type(dlg.AchterNaamEdit, QString::fromUtf8("Müller"));
        Type(dlg.GroepEdit, "D");
        Type(dlg.ActieEdit, "a");
        if (qEnvironmentVariableIsSet("TOLVEX_SHOT"))
            dlg.grab().save(qEnvironmentVariable("TOLVEX_SHOT"));
        QTest::mouseClick(dlg.InvoegKnop, Qt::LeftButton);
    });
    QVERIFY(dlg.NewLidDlgCreate(2));
    QCOMPARE(dlg.OKCancel(), int(TNewLidDlg::OutcomeVoegIn));
    QCOMPARE(state.Members.MemberCount, int16_t(4));
    QCOMPARE(state.Members.MemberList.size(), std::size_t(5));
    QCOMPARE(Rec(state, 2).Voornaam.Str(), std::string("Anna"));
    QCOMPARE(Rec(state, 2).AchterNaam.Str(), std::string("M\xfcller"));
    QCOMPARE(Rec(state, 2).ClubNo, int16_t(4));
    QCOMPARE(Rec(state, 2).Indx, uint16_t(3));
    QCOMPARE(Rec(state, 2).Groep.Str(), std::string("D"));
    QCOMPARE(Rec(state, 2).StatCode.Str(), std::string("A"));
    QCOMPARE(Rec(state, 3).Voornaam.Str(), std::string("Els"));
    QCOMPARE(state.Common.ErrorCode, 0);
    QVERIFY(messages.Shown.empty());
}

void MemberDialogTest::AddOnTheLastRowAppends() {
    AppState state = ThreeMembers();
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    WhileOpen(dlg, [&] {
        Type(dlg.VoorNaamEdit, "Kees");
        QTest::mouseClick(dlg.InvoegKnop, Qt::LeftButton);
    });
    QVERIFY(dlg.NewLidDlgCreate(3));
    QCOMPARE(Rec(state, 3).Voornaam.Str(), std::string("Piet"));
    QCOMPARE(Rec(state, 4).Voornaam.Str(), std::string("Kees"));
}

void MemberDialogTest::AddingAUsedClubNumberOrNameIsRefused() {
    for (const char* used : {"2", "3"}) { // the current member and the last member
        AppState state = ThreeMembers();
        ScriptedMessenger messages;
        CountingBeeper bell;
        TNewLidDlg dlg(state, messages, bell);
        WhileOpen(dlg, [&] {
            Type(dlg.ClubNoEdit, used);
            Type(dlg.VoorNaamEdit, "Nieuw");
            QTest::mouseClick(dlg.InvoegKnop, Qt::LeftButton);
        });
        QVERIFY(!dlg.NewLidDlgCreate(2));
        QCOMPARE(state.Members.MemberCount, int16_t(3));
        QCOMPARE(state.Common.ErrorCode, 1);
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"ClubNummer: " + std::string(used) + " bestaat al!"});
        QCOMPARE(messages.Last().Kind, uint8_t(KindWaarschuwing));
    }
    AppState state = ThreeMembers();
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    WhileOpen(dlg, [&] {
        Type(dlg.VoorNaamEdit, "Els");
        Type(dlg.AchterNaamEdit, "Bos");
        QTest::mouseClick(dlg.InvoegKnop, Qt::LeftButton);
    });
    QVERIFY(!dlg.NewLidDlgCreate(1));
    QCOMPARE(messages.Texts(), std::vector<std::string>{"Voor-AchterNaam :Els Bos is al gebruikt"});
    QCOMPARE(state.Members.MemberCount, int16_t(3));
}

void MemberDialogTest::AMemberWithoutNamesIsNeverRefused() {
    AppState state = ThreeMembers();
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    WhileOpen(dlg, [&] {
        Type(dlg.ClubNoEdit, "1");
        QTest::mouseClick(dlg.InvoegKnop, Qt::LeftButton);
    });
    QVERIFY(dlg.NewLidDlgCreate(1));
    QCOMPARE(state.Members.MemberCount, int16_t(4));
    QCOMPARE(Rec(state, 1).ClubNo, int16_t(1));
    QVERIFY(messages.Shown.empty());
}

void MemberDialogTest::EnterMovesOnOnlyWhenNoErrorWasLeft() {
    AppState state = ThreeMembers();
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    WhileOpen(dlg, [&] {
        // A number that is no number only beeps and keeps the old club number.
        Type(dlg.ClubNoEdit, "12a");
        Enter(dlg.ClubNoEdit);
        QCOMPARE(bell.Beeps, 1);
        QCOMPARE(dlg.focusWidget(), dlg.VoorNaamEdit);
        // An empty club number is reported, but that report leaves no error: Enter moves on.
        Type(dlg.ClubNoEdit, "");
        Enter(dlg.ClubNoEdit);
        QCOMPARE(QString::fromStdString(messages.Last().Text),
                 QString("Groep  is geen geldig karakter\n\r corrigeer (zonodig) Configuratie"));
        QCOMPARE(dlg.focusWidget(), dlg.VoorNaamEdit);
        // A refused group sets the error: the focus stays.
        Type(dlg.GroepEdit, "x");
        Enter(dlg.GroepEdit);
        QCOMPARE(QString::fromStdString(messages.Last().Text), GroupRefused);
        QCOMPARE(state.Common.ErrorCode, 5);
        QCOMPARE(dlg.focusWidget(), dlg.GroepEdit);
        Type(dlg.GroepEdit, "   H"); // trimmed before it is cut to three
        Enter(dlg.GroepEdit);
        QCOMPARE(dlg.focusWidget(), dlg.ActieEdit);
        // A refused status is reported but the focus moves on, the status unchanged.
        for (const char* bad : {"0", "J"}) {
            Type(dlg.ActieEdit, bad);
            Enter(dlg.ActieEdit);
            QCOMPARE(QString::fromStdString(messages.Last().Text), StatusRefused);
            QCOMPARE(dlg.focusWidget(), dlg.OpmerkEdit);
        }
        Type(dlg.ActieEdit, " a2c");
        Enter(dlg.ActieEdit);
        QTest::mouseClick(dlg.InvoegKnop, Qt::LeftButton);
    });
    QVERIFY(dlg.NewLidDlgCreate(3));
    // "&Voeg in" stores every box again: the empty club number box is reported once more.
    QCOMPARE(messages.Shown.size(), std::size_t(5));
    QCOMPARE(Rec(state, 4).ClubNo, int16_t(4));
    QCOMPARE(Rec(state, 4).Groep.Str(), std::string("H"));
    QCOMPARE(Rec(state, 4).StatCode.Str(), std::string("A2C"));
}

void MemberDialogTest::EnterOnTheLastBoxGoesToVoegIn() {
    AppState state = ThreeMembers();
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    WhileOpen(dlg, [&] {
        for (int field = 1; field <= TNewLidDlg::FieldCount; ++field) {
            QCOMPARE(dlg.focusWidget(), dlg.Box(field));
            Enter(dlg.Box(field));
        }
        QCOMPARE(dlg.focusWidget(), dlg.InvoegKnop);
        QVERIFY(dlg.InvoegKnop->isEnabled());
        QTest::keyClick(dlg.InvoegKnop, Qt::Key_Return); // Enter presses the focused button
    });
    QVERIFY(dlg.NewLidDlgCreate(3));
}

void MemberDialogTest::TabStoresOnlyInItsBoxes() {
    AppState state = ThreeMembers();
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    WhileOpen(dlg, [&] {
        Type(dlg.GroepEdit, "x");
        QTest::keyClick(dlg.GroepEdit, Qt::Key_Tab);
        QCOMPARE(QString::fromStdString(messages.Last().Text), GroupRefused);
        QCOMPARE(dlg.focusWidget(), dlg.ActieEdit); // Tab moves on whatever the check said
        messages.Clear();
        Type(dlg.ActieEdit, "J");
        QTest::keyClick(dlg.ActieEdit, Qt::Key_Tab);
        QVERIFY(messages.Shown.empty()); // the status box stores nothing on Tab
        QCOMPARE(dlg.focusWidget(), dlg.OpmerkEdit);
        dlg.reject();
    });
    QVERIFY(!dlg.NewLidDlgCreate(1));
}

void MemberDialogTest::VoegInStoresEveryBoxWithoutEnter() {
    AppState state = ThreeMembers();
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    WhileOpen(dlg, [&] {
        Type(dlg.EMailEdit, "anna@club.nl");
        Type(dlg.TelefoonEdit, "0318-123456");
        Type(dlg.ActieEdit, "x");
        Type(dlg.ClubNoEdit, "       42"); // blanks do not count against the six digits
        QTest::mouseClick(dlg.InvoegKnop, Qt::LeftButton);
    });
    QVERIFY(dlg.NewLidDlgCreate(3));
    QCOMPARE(Rec(state, 4).ClubNo, int16_t(42));
    QCOMPARE(Rec(state, 4).EMail.Str(), std::string("anna@club.nl"));
    QCOMPARE(Rec(state, 4).Telefoon.Str(), std::string("0318-123456"));
    QCOMPARE(Rec(state, 4).StatCode.Str(), std::string("X"));
}

void MemberDialogTest::SchrapEscAndTheWindowFrameAddNothing() {
    AppState state = ThreeMembers();
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    WhileOpen(dlg, [&] {
        Type(dlg.VoorNaamEdit, "Weg");
        QTest::mouseClick(dlg.StopKnop, Qt::LeftButton);
    });
    QVERIFY(!dlg.NewLidDlgCreate(1));
    QCOMPARE(dlg.OKCancel(), int(TNewLidDlg::OutcomeSchrap));
    QCOMPARE(state.Common.ErrorCode, 0);

    WhileOpen(dlg, [&] { QTest::keyClick(dlg.VoorNaamEdit, Qt::Key_Escape); });
    QVERIFY(!dlg.NewLidDlgCreate(1));
    QCOMPARE(dlg.OKCancel(), int(TNewLidDlg::OutcomeSchrap));
    QCOMPARE(state.Common.ErrorCode, 0);

    WhileOpen(dlg, [&] { dlg.close(); });
    QVERIFY(!dlg.NewLidDlgCreate(1));
    QCOMPARE(dlg.OKCancel(), int(TNewLidDlg::OutcomeNone));
    QCOMPARE(state.Common.ErrorCode, 1);
    QCOMPARE(state.Members.MemberCount, int16_t(3));
    QCOMPARE(Rec(state, 1).Voornaam.Str(), std::string("Jan"));
}

void MemberDialogTest::EditingChangesTheMemberAndHerstelBringsItBack() {
    AppState state = ThreeMembers();
    state.Members.MemberList[2].LidRecord.EMail = "els@club.nl";
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    WhileOpen(dlg, [&] {
        QCOMPARE(dlg.windowTitle(), QString("Gegevens bewerken"));
        QCOMPARE(dlg.Koplabel->text(), QString(" Wijzigen van de velden van een Clublid : "));
        QCOMPARE(dlg.VoorNaamEdit->text(), QString("Els"));
        QCOMPARE(dlg.EMailEdit->text(), QString("els@club.nl"));
        Type(dlg.VoorNaamEdit, "Elsa");
        Enter(dlg.VoorNaamEdit);
        QCOMPARE(Rec(state, 2).Voornaam.Str(), std::string("Elsa")); // stored at once
        QTest::mouseClick(dlg.Herstelknop, Qt::LeftButton);
        QCOMPARE(dlg.VoorNaamEdit->text(), QString("Els"));
        QCOMPARE(Rec(state, 2).Voornaam.Str(), std::string("Els"));
        QCOMPARE(dlg.focusWidget(), dlg.ClubNoEdit);
        Type(dlg.AchterNaamEdit, "Bosch");
        Enter(dlg.AchterNaamEdit);
        QTest::mouseClick(dlg.StopKnop, Qt::LeftButton);
    });
    QVERIFY(dlg.EditLidDlgCreate(2));
    // Schrap does not undo what Enter stored.
    QCOMPARE(Rec(state, 2).AchterNaam.Str(), std::string("Bosch"));
    QCOMPARE(state.Members.MemberCount, int16_t(3));

    // A duplicate found on editing only warns; the member keeps its place and its values.
    WhileOpen(dlg, [&] {
        Type(dlg.ClubNoEdit, "1");
        QTest::mouseClick(dlg.InvoegKnop, Qt::LeftButton);
    });
    QVERIFY(dlg.EditLidDlgCreate(2));
    QCOMPARE(messages.Texts(), std::vector<std::string>{"ClubNummer: 1 bestaat al!"});
    QCOMPARE(Rec(state, 2).ClubNo, int16_t(1));
    QCOMPARE(Rec(state, 2).Voornaam.Str(), std::string("Els"));
}

void MemberDialogTest::EditingWithoutChangesPassesTheDuplicateCheck() {
    AppState state = ThreeMembers();
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    state.Common.ErrorCode = 7; // editing does not reset the error state
    WhileOpen(dlg, [&] { QTest::mouseClick(dlg.InvoegKnop, Qt::LeftButton); });
    QVERIFY(dlg.EditLidDlgCreate(3));
    QVERIFY(messages.Shown.empty());
    QCOMPARE(state.Common.ErrorCode, 7);
    QCOMPARE(Rec(state, 3).Voornaam.Str(), std::string("Piet"));
}

void MemberDialogTest::EditWithoutAListDoesNoHarm() {
    AppState state;
    ScriptedMessenger messages;
    CountingBeeper bell;
    TNewLidDlg dlg(state, messages, bell);
    QVERIFY(!dlg.EditLidDlgCreate(0));
    QVERIFY(!dlg.EditLidDlgCreate(1));
    QCOMPARE(messages.Texts(), (std::vector<std::string>{"Wijzigen van record mislukt",
                                                         "Wijzigen van record mislukt"}));
    QCOMPARE(state.Members.MemberList.size(), std::size_t(1));
}

QTEST_MAIN(MemberDialogTest)
#include "member_dialog_test.moc"
