#include "app/common/qt_event_pump.h"
#include "app/common/qt_text.h"
#include "app/config/court_coding_dialog.h"
#include "app/schedule/schedule_setup_window.h"
#include "app/shell/main_window.h"
#include "app/shell/start_up.h"
#include "core/schedule/schedule_setup_fields.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

// The scripted messenger with a hook that runs before each message (a test takes the time).
class HookedMessenger : public Messenger {
public:
    explicit HookedMessenger(ScriptedMessenger& inner)
        : Inner(inner) {}
    int Show(std::string_view text, uint8_t kind, uint16_t buttons, int help) override {
        if (Hook) Hook();
        return Inner.Show(text, kind, buttons, help);
    }
    ScriptedMessenger& Inner;
    std::function<void()> Hook;
};

class ScheduleSetupWindowTest : public QObject {
    Q_OBJECT

    struct Setup {
        std::unique_ptr<AppState> State = std::make_unique<AppState>();
        TestPorts Fakes;
        HookedMessenger Messages{Fakes.Messages};
        QtEventPump RealPump;
        ScriptedChooser Chooser;
        RecordingPrintCanvas Printer;
        NoHelp Help;
        std::unique_ptr<TSchemaForm> Form;
        std::unique_ptr<TBanenDlg> Banen;
        int Accepted = 0;

        // realPump: the program's own pump, so that key presses reach the window during a run.
        explicit Setup(bool realPump = false) {
            TCfgRec& cfg = State->Configuration.Config.CfgRec;
            cfg.Grpn[0] = "h";
            cfg.Grpn[1] = "d";
            cfg.NDubRonden = 4;
            cfg.NMixRonden = 2;
            cfg.NBanen = 7;
            cfg.Cfgflags = 0;
            State->Common.TodayDate = "09-12-2026";
            EventPump& pump = realPump ? static_cast<EventPump&>(RealPump) : Fakes.Pump;
            WindowPorts ports{Messages, pump, Fakes.Bell, Fakes.Time, Chooser, Printer, Help};
            Form = std::make_unique<TSchemaForm>(*State, ports);
            Banen = std::make_unique<TBanenDlg>(*State, Messages, Form.get());
            Form->SetBanenDlg(Banen.get());
            Form->OnScheduleAccepted = [this] { ++Accepted; };
        }
        void Members(int men, int women, const char* code = "X") {
            State->Members.MemberList.assign(1, TLedenObj{});
            for (int i = 0; i < men + women; ++i) {
                TLedenObj m;
                m.LidRecord.ClubNo = static_cast<int16_t>(i + 1);
                m.LidRecord.Voornaam = "Voor";
                m.LidRecord.AchterNaam = "Achter" + std::to_string(i + 1);
                m.LidRecord.Groep = i < men ? "h" : "d";
                m.LidRecord.StatCode = code;
                State->Members.MemberList.push_back(m);
            }
            State->Members.MemberCount = static_cast<int16_t>(men + women);
            State->Members.MemberDataPresent = true;
        }
        // The window as SchemaOpzet opens it, shown without blocking.
        void Open(int nr) {
            QVERIFY(Form->PrepareShow(nr));
            Form->show();
            QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        }
        void Type(QWidget* field, const QString& text) {
            field->setFocus();
            static_cast<QLineEdit*>(field)->setText(text);
            QTest::keyClick(field, Qt::Key_Return);
        }
        // The five count fields as typed, without taking them.
        void Counts(const QString& men, const QString& women, const QString& doubles,
                    const QString& mixed, const QString& courts) {
            Form->HerenEdit->setText(men);
            Form->DamesEdit->setText(women);
            Form->TolvexEdit->setText(doubles);
            Form->Mixedit->setText(mixed);
            Form->BanenEdit->setText(courts);
        }
        // Nine men and four who come in round 2 ("X1"), eight ladies, six courts, opened.
        void OpenLateArrivals() {
            Members(13, 8);
            for (int i = 10; i <= 13; ++i) State->Members.MemberList[i].LidRecord.StatCode = "X1";
            State->Configuration.Config.CfgRec.NBanen = 6;
            Open(1);
        }
        ScheduleParams& Params() { return State->Store().Params; }
        // Closes what the window left open and acts on it as SchemaOpzet does.
        int Close() {
            const int result = Form->result();
            Form->AfterClose(result);
            return result;
        }
    };

private slots:
    void OpeningWithNamesTakesTheRegisterAndTheConfiguration() {
        Setup s;
        s.Members(10, 6);
        s.State->Members.MemberList[3].LidRecord.AchterNaam = "  ";
        s.Open(1);
        QCOMPARE(s.Form->windowTitle(), QString("Schema Opzet"));
        QCOMPARE(s.Form->HerenEdit->text(), QString("10"));
        QCOMPARE(s.Form->DamesEdit->text(), QString("6"));
        QCOMPARE(s.Form->TolvexEdit->text(), QString("4"));
        QCOMPARE(s.Form->Mixedit->text(), QString("2"));
        QCOMPARE(s.Form->BanenEdit->text(), QString("7"));
        QCOMPARE(s.Form->Datumedit->text(), QString("9-12-2026"));
        QCOMPARE(s.Form->HerenLabel->text(), QString("Aantal heren"));
        QCOMPARE(s.Fakes.Messages.Texts(),
                 std::vector<std::string>{"Actief lid: 3 heeft geen achternaam!"});
        QVERIFY(!s.Form->BanenBox->isVisible());
        QVERIFY(!s.Form->RekenProgress->isVisible());
        QVERIFY(!s.Form->StopSchemaBtn->isEnabled());
        QVERIFY(!s.Form->Rondeplusbtn->isVisible());
        QVERIFY(s.Form->HerenEdit->hasFocus());
        QCOMPARE(s.Form->HelpSchbtn->property("helpContext").toInt(), 241);
        QCOMPARE(s.Params().PairingOptions, uint16_t(2));
        QVERIFY(s.Form->VariPairsBox->isChecked());
        QCOMPARE(s.State->Common.ScheduleKind, 1);

        Setup none;
        QVERIFY(!none.Form->PrepareShow(1));
        QCOMPARE(none.Fakes.Messages.Texts(),
                 std::vector<std::string>{"Geen Schema mogelijk zonder Bestand"});

        // Other group codes name the labels and headings.
        Setup groups;
        groups.Members(4, 4);
        groups.State->Configuration.Config.CfgRec.Grpn[0] = "a";
        groups.Open(2);
        QCOMPARE(groups.Form->HerenLabel->text(), QString(" Groep a"));
        QCOMPARE(groups.Form->HerenHeading->text(), QString("Groep a"));
        QCOMPARE(groups.Form->DamesHeading->text(), QString("Dames"));
    }

    void MeerProposesTheCourtsAndShowsTheGroupsThatPlay() {
        struct Case {
            int Men, Women, Courts, ExpectMen, ExpectWomen;
        };
        for (Case c : {Case{10, 6, 4, 3, 1}, Case{7, 9, 4, 2, 2}, Case{0, 12, 3, 0, 3}}) {
            Setup s;
            s.State->Members.MemberCount = 30;
            s.Open(2);
            s.Counts(QString::number(c.Men), QString::number(c.Women), "4", "2",
                     QString::number(c.Courts));
            QTest::mouseClick(s.Form->MoreBtn, Qt::LeftButton);
            QVERIFY(s.Form->BanenBox->isVisible());
            QCOMPARE(s.Form->Cell(11)->text(), QString::number(c.ExpectMen));
            QCOMPARE(s.Form->Cell(20)->text(), QString::number(c.ExpectWomen));
            QCOMPARE(s.Form->Cell(11)->isVisible(), c.Men > 0);
            QCOMPARE(s.Form->Cell(23)->isVisible(), c.Men > 0 && c.Women > 0);
            QCOMPARE(s.Form->NRonde[4]->text(), QString("ronde 5"));
            QCOMPARE(s.Form->Cell(c.Men > 0 ? 11 : 17)->hasFocus(), true);
            QCOMPARE(s.Form->PauzeEdit1->value(), 1);
            QCOMPARE(s.Form->PauzeEdit2->value(), 1);
        }
    }

    void CourtPagesTurnWithTheButtonsAndThePageKeys() {
        Setup s;
        s.State->Members.MemberCount = 30;
        s.State->Configuration.Config.CfgRec.NDubRonden = 12;
        s.Open(2);
        s.Counts("8", "8", "11", "2", "4");
        s.Form->MoreBtn->click();
        QVERIFY(s.Form->Rondeplusbtn->isVisible());
        s.Type(s.Form->Cell(12), "1"); // round 2, men: taken on Enter
        QVERIFY(s.Form->Cell(13)->hasFocus());
        s.Form->Cell(13)->setText("3"); // round 3, typed without Enter
        QTest::keyClick(s.Form->Cell(13), Qt::Key_PageDown);
        QCOMPARE(s.Form->RndIndx, 1);
        QCOMPARE(s.Form->NRonde[0]->text(), QString("ronde 7"));
        QCOMPARE(s.Form->Cell(29 - 6)->text(), QString("0")); // round 7 is a doubles round
        QCOMPARE(s.Form->Cell(28)->text(), QString("4"));     // round 12 is mixed round 1
        s.Form->Rondeplusbtn->click();
        s.Form->Rondeplusbtn->click();
        s.Form->Rondeplusbtn->click();
        QCOMPARE(s.Form->RndIndx, 3);
        QTest::keyClick(s.Form->Cell(11), Qt::Key_PageUp);
        QCOMPARE(s.Form->RndIndx, 2);
        s.Form->RondeMinBtn->click();
        s.Form->RondeMinBtn->click();
        QCOMPARE(s.Form->NRonde[1]->text(), QString("ronde 2"));
        QCOMPARE(s.Form->Cell(12)->text(), QString("1"));
        QCOMPARE(s.Form->Cell(13)->text(), QString("3")); // what was typed is kept
        QCOMPARE(s.State->Store().CourtsMen[3], uint8_t(3));
    }

    // "&Meer" and "&Start" take the counts with their checks: a count below 0 or above its
    // limit is refused with the message for a wrong count, and nothing is proposed or computed.
    void MeerAndStartRefuseCountsOutsideTheirLimits() {
        const QString advice = "\n\r corrigeer (zonodig) Configuratie";
        struct Case {
            const char* Men;
            const char* Women;
            const char* Doubles;
            const char* Mixed;
            QString Message;
            int Field;
        };
        const Case cases[] = {
            {"5", "-5", "4", "2", "Aantal  dames foutief: -5 bestaat niet" + advice, 2},
            {"-4", "4", "4", "2", "Aantal  heren foutief: -4 bestaat niet" + advice, 1},
            {"5", "5", "-2147483645", "2",
             "Aantal  tolvex foutief: -2147483645 bestaat niet" + advice, 3},
            {"5", "5", "4", "-2147483648",
             "Aantal  Mixtolvex foutief: -2147483648 bestaat niet" + advice, 4},
            {"5", "26", "4", "2", "Aantal  dames te groot: 26 niet toegestaan" + advice, 2},
            {"5", "5", "99", "2", "Aantal  tolvex te groot: 99 niet toegestaan" + advice, 3},
        };
        for (const Case& c : cases) {
            Setup s;
            s.State->Members.MemberCount = 30;
            s.Open(2);
            s.Form->TolvexEdit->setText("3");
            s.Form->BanenEdit->setText("4");
            s.Form->MoreBtn->click(); // a proposal for the men and ladies as opened
            QVERIFY(s.Form->BanenBox->isVisible());
            s.Fakes.Messages.Clear();
            s.Form->HerenEdit->setText(c.Men);
            s.Form->DamesEdit->setText(c.Women);
            s.Form->TolvexEdit->setText(c.Doubles);
            s.Form->Mixedit->setText(c.Mixed);
            s.Form->MoreBtn->click();
            QCOMPARE(ToQt(s.Fakes.Messages.Last().Text), c.Message);
            QCOMPARE(s.Fakes.Messages.Shown.size(), size_t(1));
            QVERIFY(s.Form->FieldOf(c.Field)->hasFocus());

            s.Form->StartSchemaBtn->click();
            QCOMPARE(s.Fakes.Messages.Shown.size(), size_t(2));
            QCOMPARE(ToQt(s.Fakes.Messages.Last().Text), c.Message);
            QVERIFY(!s.Form->RekenTxtMemo->isVisible());
            QCOMPARE(s.State->Store().Candidates, uint64_t(0));
            QVERIFY(s.Form->FieldOf(c.Field)->hasFocus());
        }
    }

    // Rounds 19..24 on screen, then a proposal of six rounds: the grid shows rounds 1..6.
    void MeerReturnsTheGridToItsFirstPage() {
        Setup s;
        s.State->Members.MemberCount = 30;
        s.State->Configuration.Config.CfgRec.NDubRonden = 22;
        s.Open(2);
        s.Counts("8", "8", "22", "2", "4");
        s.Form->MoreBtn->click();
        for (int i = 0; i < 3; ++i) s.Form->Rondeplusbtn->click();
        QCOMPARE(s.Form->NRonde[0]->text(), QString("ronde 19"));
        s.Form->TolvexEdit->setText("4");
        s.Form->MoreBtn->click();
        QCOMPARE(s.Form->RndIndx, 0);
        QCOMPARE(s.Form->NRonde[0]->text(), QString("ronde 1"));
        QCOMPARE(s.Form->NRonde[5]->text(), QString("ronde 6"));
        QCOMPARE(s.Form->Cell(11)->text(), QString("2")); // round 1, men
        QCOMPARE(s.Form->Cell(27)->text(), QString("4")); // round 5 is mixed round 1
        QVERIFY(!s.Form->Rondeplusbtn->isVisible());
        QVERIFY(!s.Form->RondeMinBtn->isVisible());
    }

    void StartWithoutPlayersSaysThereAreNone() {
        Setup s;
        s.State->Members.MemberCount = 30;
        s.Open(2);
        s.Form->HerenEdit->setText("0");
        s.Form->DamesEdit->setText("0");
        s.Form->MoreBtn->click();
        s.Form->StartSchemaBtn->click();
        QCOMPARE(s.Fakes.Messages.Texts(),
                 std::vector<std::string>{"Geen spelers om in te delen: aantal heren en aantal "
                                          "dames zijn allebei 0"});
        QVERIFY(!s.Form->RekenTxtMemo->isVisible());
        QVERIFY(s.Form->isVisible());
    }

    // Enter presses the button that has the focus; after a run the focus is on "&OK", so Enter
    // accepts the schedule.
    void EnterPressesTheFocusedButtonAndARunEndsOnOK() {
        Setup s;
        s.State->Members.MemberCount = 30;
        s.Open(2);
        s.Counts("8", "8", "2", "1", "4");
        s.Form->MoreBtn->setFocus();
        QTest::keyClick(s.Form->MoreBtn, Qt::Key_Return);
        QVERIFY(s.Form->BanenBox->isVisible());
        s.Form->StartSchemaBtn->setFocus();
        QTest::keyClick(s.Form->StartSchemaBtn, Qt::Key_Return);
        QVERIFY(!s.State->Store().RunBlocked);
        QCOMPARE(s.Form->RekenTxtMemo->toPlainText(), QString(" Klaar met rekenen .... "));
        QVERIFY(s.Form->SluitBtn->hasFocus());
        QTest::keyClick(s.Form->SluitBtn, Qt::Key_Return);
        QVERIFY(!s.Form->isVisible());
        QCOMPARE(s.Close(), int(QDialog::Accepted));
        QCOMPARE(s.Accepted, 1);

        // The court coding dialog walks and closes by Enter on its buttons too.
        Setup c;
        c.State->Configuration.Config.CfgRec.NBanen = 9;
        c.Banen->PrepareShow(9);
        c.Banen->show();
        QVERIFY(QTest::qWaitForWindowExposed(c.Banen.get()));
        c.Banen->BaanCodeEdit->setText("12");
        c.Banen->NextBnBtn->setFocus();
        QTest::keyClick(c.Banen->NextBnBtn, Qt::Key_Return);
        QCOMPARE(c.Banen->CurrBaan, 2);
        QCOMPARE(c.State->Common.BaanCode[1], 12);
        c.Banen->PrevBnBtn->setFocus();
        QTest::keyClick(c.Banen->PrevBnBtn, Qt::Key_Enter);
        QCOMPARE(c.Banen->CurrBaan, 1);
        c.Banen->BaanOkBtn->setFocus();
        QTest::keyClick(c.Banen->BaanOkBtn, Qt::Key_Return);
        QVERIFY(!c.Banen->isVisible());
        QCOMPARE(c.Banen->result(), int(QDialog::Accepted));
    }

    void EnterChecksEveryFieldAndMovesOn() {
        Setup s;
        s.Members(15, 10);
        s.Open(1);
        s.Type(s.Form->HerenEdit, "30");
        QCOMPARE(s.Fakes.Messages.Last().Text,
                 std::string("Aantal  heren te groot: 30 niet toegestaan\n\r"
                             " corrigeer (zonodig) Configuratie"));
        QCOMPARE(s.Params().NHeren, 15);
        QCOMPARE(s.Fakes.Bell.Beeps, 1);
        QVERIFY(s.Form->DamesEdit->hasFocus()); // the focus still moves on

        // Not a whole number: the message, and the text stays in its field to be corrected.
        s.Type(s.Form->DamesEdit, "1O");
        QCOMPARE(s.Fakes.Messages.Last().Text,
                 std::string("Aantal  dames foutief: 1O bestaat niet\n\r"
                             " corrigeer (zonodig) Configuratie"));
        QVERIFY(s.Form->DamesEdit->hasFocus());
        QCOMPARE(s.Form->DamesEdit->text(), QString("1O"));
        QCOMPARE(s.Params().NDames, 10);

        s.Type(s.Form->DamesEdit, "8");
        QCOMPARE(s.Params().NDames, 8);
        for (QWidget* field : {s.Form->TolvexEdit, s.Form->Mixedit, s.Form->BanenEdit})
            QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(s.Form->Datumedit->hasFocus());
        s.Type(s.Form->Datumedit, "5");
        QCOMPARE(s.Form->Datumedit->text(), QString("5-12-2026"));
        QVERIFY(s.Form->MoreBtn->hasFocus());
        QCOMPARE(s.Params().SpeelDatum, 46361.0);
        s.Type(s.Form->Datumedit, "0503");
        QCOMPARE(s.Form->Datumedit->text(), QString("5-3-2026"));
        s.Type(s.Form->Datumedit, "05032015");
        QCOMPARE(s.Form->Datumedit->text(), QString("5-3-2015"));
        const std::size_t before = s.Fakes.Messages.Shown.size();
        s.Type(s.Form->Datumedit, "3102");
        QCOMPARE(s.Fakes.Messages.Shown.size(), before + 1);
        QVERIFY(s.Form->Datumedit->hasFocus());

        // The check boxes carry the pairing options, and Enter walks through them.
        s.Form->DameFirstBox->setChecked(true);
        QTest::keyClick(s.Form->DameFirstBox, Qt::Key_Return);
        QVERIFY(s.Form->VariPairsBox->hasFocus());
        QCOMPARE(s.Params().PairingOptions, uint16_t(3));
        s.Form->Groep1to2Box->setChecked(true);
        QTest::keyClick(s.Form->Groep1to2Box, Qt::Key_Return);
        QCOMPARE(s.Params().PairingOptions, uint16_t(7));

        // "&Meer" refuses a date that does not exist; Down from HerenEdit goes to the first
        // men's cell once the grid is there.
        QTest::mouseClick(s.Form->MoreBtn, Qt::LeftButton);
        QVERIFY(!s.Form->BanenBox->isVisible());
        s.Form->Datumedit->setText("1-3-2026");
        QTest::mouseClick(s.Form->MoreBtn, Qt::LeftButton);
        QVERIFY(!s.Form->BanenBox->isVisible()); // the 30 men typed above are still refused
        s.Form->HerenEdit->setText("15");
        QTest::mouseClick(s.Form->MoreBtn, Qt::LeftButton);
        QVERIFY(s.Form->BanenBox->isVisible());
        s.Form->HerenEdit->setFocus();
        QTest::keyClick(s.Form->HerenEdit, Qt::Key_Down);
        QVERIFY(s.Form->Cell(11)->hasFocus());
        QTest::keyClick(s.Form->Cell(11), Qt::Key_Down);
        QVERIFY(s.Form->Cell(12)->hasFocus());
        QTest::keyClick(s.Form->Cell(12), Qt::Key_Up);
        QVERIFY(s.Form->Cell(11)->hasFocus());
        s.Type(s.Form->Cell(16), "2"); // after row 6: row 1 of the women's column
        QVERIFY(s.Form->Cell(17)->hasFocus());
    }

    void StartComputesAndOKEnablesTheReports() {
        Setup s;
        s.State->Members.MemberCount = 30;
        s.Open(2);
        s.Counts("8", "8", "2", "1", "4");
        s.Form->MoreBtn->click();
        QTest::mouseClick(s.Form->StartSchemaBtn, Qt::LeftButton);
        const ScheduleStore& store = s.State->Store();
        QCOMPARE(store.NumRounds, 3);
        QVERIFY(!store.RunBlocked);
        QCOMPARE(s.Form->RekenTxtMemo->toPlainText(), QString(" Klaar met rekenen .... "));
        QVERIFY(s.Form->RekenTxtMemo->isVisible());
        QVERIFY(!s.Form->StopSchemaBtn->isVisible());
        QVERIFY(s.Form->RekenProgress->isVisible());
        QCOMPARE(s.Form->RekenProgress->maximum(), 3);
        QCOMPARE(s.Fakes.Messages.Shown.size(), size_t(0));
        QCOMPARE(store.Of(Men).Names[3].NaamRec.Voornaam.View(), "H");
        QVERIFY(store.RoundTable[3].Courts[4][3] != 0); // the mixed round filled every court

        QTest::mouseClick(s.Form->SluitBtn, Qt::LeftButton);
        QVERIFY(!s.Form->isVisible());
        QCOMPARE(s.Close(), int(QDialog::Accepted));
        QCOMPARE(s.Accepted, 1);
        QVERIFY(!s.Form->RekenTxtMemo->isVisible());
    }

    void ClosingAsksAndLeavingOtherwiseSaysTheComputationStopped() {
        Setup s;
        s.State->Members.MemberCount = 30;
        s.Open(2);
        s.Fakes.Messages.Answer(ResultYes);
        s.Form->close();
        QVERIFY(s.Form->isVisible());
        QCOMPARE(s.Fakes.Messages.Last().Text,
                 std::string("Wilt u niet verder rekenen kies dan \"Nee\""));
        QCOMPARE(s.Fakes.Messages.Last().Buttons, uint16_t(ButtonsJaNee));
        s.Fakes.Messages.Answer(ResultNo);
        s.Form->close();
        QVERIFY(!s.Form->isVisible());
        QCOMPARE(s.Close(), int(QDialog::Rejected));
        QCOMPARE(s.Fakes.Messages.Last().Text, std::string("Berekening gestopt"));
        QCOMPARE(s.Fakes.Messages.Last().Kind, uint8_t(KindInformatie));
        QCOMPARE(s.Accepted, 0);
    }

    void TheRunShowsItsTextsOnTheMemoLines() {
        Setup s;
        s.Open(2);
        s.Form->ShowRoundProgress(1, " Berekening Heren  in ronde : ,1");
        QCOMPARE(s.Form->RekenTxtMemo->height(), 45);
        s.Form->ShowRoundProgress(2, " Berekening Heren  in ronde : ,1,2,3,4,5,6,7,8");
        QCOMPARE(s.Form->RekenTxtMemo->height(), 65);
        QCOMPARE(s.Form->RekenTxtMemo->toPlainText().split('\n').value(2),
                 QString(" Berekening Heren  in ronde : ,1,2,3,4,5,6,7,8"));
        s.Form->ShowWarning("Te weinig banen");
        QVERIFY(s.Form->FoutregelLabel->isVisible());
        QVERIFY(s.Form->FoutregelLabel->styleSheet().contains("aqua"));
        s.Form->HideWarning();
        QVERIFY(!s.Form->FoutregelLabel->isVisible());
        s.Form->ResetProgress(4);
        QTest::qWait(30);
        for (int i = 0; i < 64; ++i) s.Form->StepProgress(1);
        QCOMPARE(s.Form->RekenProgress->value(), 64 % 5); // the bar wraps past its maximum
    }

    // Nine men and four who arrive in round 2 on 3 courts: round 1 has too few players and
    // round 2 too many who must play. Every failed round gets its line in the list below the
    // progress bar, which covers nothing; the memo keeps its own texts and the outcome messages
    // stay as they are. "&Passende banen" puts courts in the grid with which the next "&Start"
    // leaves no failed round, and that "&Start" takes the list away.
    void FailedRoundsAreListedAndFittingCourtsMakeEveryRoundWork() {
        Setup s;
        s.OpenLateArrivals();
        s.Form->TolvexEdit->setText("2");
        s.Form->Mixedit->setText("0");
        s.Form->BanenEdit->setText("6");
        s.Form->MoreBtn->click();
        for (int row : {1, 2})
            for (int column : {1, 2}) s.Form->Cell(CellTag(row, column))->setText("3");
        const int plainHeight = s.Form->height();
        s.Form->StartSchemaBtnClick();

        QCOMPARE(ToQt(s.Fakes.Messages.Shown.front().Text),
                 QString("Geen oplossing heren-tolvex      in ronde : 1"));
        QListWidget* list = s.Form->RedenLijst;
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(),
                 QString("Ronde 1, heren: er zijn 9 spelers beschikbaar (4 pauzeren of komen "
                         "later); 3 banen vragen er 12."));
        QVERIFY(list->item(1)->text().startsWith(
            "Ronde 2, heren: mislukt omdat ronde 1 niet lukte (13 spelers moeten spelen"));
        QCOMPARE(s.Form->RekenTxtMemo->toPlainText(), QString(" Klaar met rekenen .... "));
        const QRect listArea = list->geometry();
        QVERIFY(!listArea.intersects(s.Form->BanenBox->geometry()));
        QVERIFY(!listArea.intersects(s.Form->RekenProgress->geometry()));
        QVERIFY(!listArea.intersects(s.Form->BottomPanel->geometry()));
        QVERIFY(s.Form->BottomPanel->geometry().bottom() < s.Form->height());
        QVERIFY(s.Form->height() > plainHeight);
        QVERIFY(s.Form->PassendeBanenBtn->isVisible());

        QTest::mouseClick(s.Form->PassendeBanenBtn, Qt::LeftButton);
        const ScheduleStore& store = s.State->Store();
        QVERIFY(list->item(list->count() - 1)->text().startsWith("Passende banen: "));
        QCOMPARE(s.Form->Cell(CellTag(1, 1))->text(), QString::number(store.CourtsMen[1]));
        QCOMPARE(s.Form->Cell(CellTag(2, 1))->text(), QString::number(store.CourtsMen[2]));
        QVERIFY(store.CourtsMen[1] + store.CourtsWomen[1] <= 6);
        QVERIFY(store.CourtsMen[2] + store.CourtsWomen[2] <= 6);

        s.Fakes.Messages.Clear();
        s.Form->StartSchemaBtnClick();
        QVERIFY(store.Reasons.empty());
        QCOMPARE(s.Fakes.Messages.Shown.size(), size_t(0));
        QVERIFY(!list->isVisible());
        QVERIFY(!s.Form->PassendeBanenBtn->isVisible());
        QCOMPARE(s.Form->height(), plainHeight);
    }

    // 48 players on 4 courts: no plan works, and the window says why and what would.
    void FittingCourtsSaysWhyNoPlanWorks() {
        Setup s;
        s.State->Members.MemberCount = 60;
        s.State->Configuration.Config.CfgRec.NBanen = 8;
        s.Open(2);
        s.Counts("24", "24", "4", "2", "4");
        s.Form->MoreBtn->click();
        s.Form->StartSchemaBtnClick();
        QVERIFY(s.Form->PassendeBanenBtn->isVisible());
        s.Fakes.Messages.Clear();
        s.Form->PassendeBanenBtnClick();
        QCOMPARE(s.Fakes.Messages.Shown.size(), size_t(1));
        const QString why =
            "Met 48 spelers op 4 banen spelen er per ronde hoogstens 16 en zitten er 32 uit; wie "
            "uitzit moet de volgende ronde spelen, maar daar zijn maar 16 plaatsen, dus kan niet "
            "iedereen die uitzat in ronde 2 spelen.";
        const QString works = "Wel mogelijk: met 6 banen (en voor de rest dezelfde opzet).";
        QCOMPARE(ToQt(s.Fakes.Messages.Last().Text), why + "\r" + works);
        QCOMPARE(int(s.Fakes.Messages.Last().Kind), int(KindInformatie));
        QListWidget* list = s.Form->RedenLijst;
        QCOMPARE(list->item(list->count() - 2)->text(), why);
        QCOMPARE(list->item(list->count() - 1)->text(), works);
        QCOMPARE(s.Form->Cell(CellTag(1, 1))->text(), QString("2")); // the grid is left alone
    }

    // A run that searches every possibility in its fourth round (the literal search: the
    // bounded one sees at once that nothing is there), stopped with Esc from the keyboard while
    // it runs. The candidate limit only ends the test should the key be lost.
    void EscStopsALongRunAndTheWindowClosesStopped() {
        Setup s(true);
        s.Members(17, 0);
        s.State->Members.MemberList[17].LidRecord.StatCode = "63";
        s.State->Configuration.Config.CfgRec.NBanen = 4;
        s.Open(1);
        s.Form->TolvexEdit->setText("4");
        s.Form->Mixedit->setText("0");
        s.Form->BanenEdit->setText("4");
        s.Form->MoreBtn->click();
        s.Form->CandidateLimit = 60'000'000;
        s.Form->LiteralSearch = true;

        bool lockedWhileRunning = false;
        bool repainted = false;
        int progressSeen = -1;
        QTimer::singleShot(200, [&] {
            lockedWhileRunning = s.Form->RunInProgress() && !s.Form->StartSchemaBtn->isEnabled() &&
                                 !s.Form->SluitBtn->isEnabled() && s.Form->Cell(11)->isReadOnly() &&
                                 s.Form->HerenEdit->isReadOnly();
            s.Form->StartSchemaBtn->click(); // refused: a run is in progress
            progressSeen = s.Form->RekenProgress->value();
            repainted = !s.Form->grab().isNull();
        });
        // The key arrives from outside the event loop, at a moment the search does not choose,
        // as a key from the keyboard does; it goes to the stop button, which has the focus.
        std::atomic<qint64> postedAt{-1};
        QElapsedTimer clock;
        clock.start();
        std::thread keyboard([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            postedAt = clock.nsecsElapsed();
            QCoreApplication::postEvent(s.Form->StopSchemaBtn,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
            QCoreApplication::postEvent(s.Form->StopSchemaBtn,
                                        new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, {}));
        });
        qint64 stoppedAt = -1;
        // The search is over when the stopped round is reported.
        s.Messages.Hook = [&] {
            if (stoppedAt < 0 && postedAt >= 0) stoppedAt = clock.nsecsElapsed();
        };
        s.Form->StartSchemaBtnClick();
        const qint64 closedAt = clock.nsecsElapsed();
        keyboard.join();
        const double stopMs = (stoppedAt - postedAt) / 1e6;
        qInfo("the search stopped %.1f ms after the key press; the window closed %.1f ms after "
              "it (candidates %llu)",
              stopMs, (closedAt - postedAt) / 1e6,
              static_cast<unsigned long long>(s.State->Store().Candidates));
        QVERIFY(lockedWhileRunning);
        QVERIFY(repainted);
        QVERIFY(progressSeen >= 0);
        QVERIFY(stopMs >= 0);
        QVERIFY(s.State->Store().RunStopped);
        QVERIFY(s.State->Store().Candidates < 60'000'000u); // the key, not the limit
        QVERIFY(!s.Form->isVisible());
        QCOMPARE(s.Close(), StoppedResult);
        QVERIFY(!s.State->Store().RunBlocked);
        QCOMPARE(s.Accepted, 0);
        QVERIFY(!s.Form->RunInProgress());
    }

    void CourtCodingOpensBeforeTheSetUpAndTakesACodeOnAButtonPress() {
        Setup s;
        s.State->Members.MemberCount = 30;
        s.State->Configuration.Config.CfgRec.Cfgflags = CfgCourtCoding;
        s.State->Configuration.Config.CfgRec.NBanen = 9;
        s.Members(4, 4);
        s.State->Common.BaanCode[3] = 77; // a code of the previous set-up
        bool shown = false;
        QTimer::singleShot(0, [&] {
            TBanenDlg* d = s.Banen.get();
            // Whatever a comparison below finds, the dialog closes.
            auto closeAtEnd = qScopeGuard([d] { d->accept(); });
            shown = d->isVisible();
            QCOMPARE(d->windowTitle(), QString("Coderen van banen"));
            QCOMPARE(d->BaanLabel->text(), QString("Baan: 1..9"));
            QCOMPARE(d->BaanCodeEdit->text(), QString("1"));
            d->BaanCodeEdit->setText("12");
            QTest::mouseClick(d->NextBnBtn, Qt::LeftButton);
            QCOMPARE(d->BaanEdit->text(), QString("2"));
            d->BaanCodeEdit->setText("x");
            QTest::mouseClick(d->NextBnBtn, Qt::LeftButton);
            QCOMPARE(d->CurrBaan, 2); // no number: nothing stored, no move
            d->BaanCodeEdit->setText("5");
            QTest::mouseClick(d->PrevBnBtn, Qt::LeftButton);
            QTest::mouseClick(d->PrevBnBtn, Qt::LeftButton);
            QCOMPARE(d->BaanEdit->text(), QString("9")); // court 1 wraps to 9
            d->BaanCodeEdit->setText("40");
            QTest::mouseClick(d->BaanOkBtn, Qt::LeftButton); // O&k stores nothing more
            closeAtEnd.dismiss();
        });
        s.Open(1);
        QVERIFY(shown);
        QCOMPARE(s.State->Common.BaanCode[1], 12);
        QCOMPARE(s.State->Common.BaanCode[2], 5);
        QCOMPARE(s.State->Common.BaanCode[3], 3);
        QCOMPARE(s.State->Common.BaanCode[9], 9);
        QCOMPARE(s.Fakes.Messages.Texts(),
                 std::vector<std::string>{"'x' is geen geldig geheel getal"});
    }

    void TheMainWindowOpensTheSetUpAndOKEnablesItsReportCommands() {
        AppState state;
        TestPorts fakes;
        ScriptedChooser chooser;
        RecordingPrintCanvas printer;
        NoHelp help;
        ProgramWindows windows =
            CreateWindows(state, WindowPorts{fakes.Messages, fakes.Pump, fakes.Bell, fakes.Time,
                                             chooser, printer, help});
        QVERIFY(!windows.SchemaForm->isVisible());
        QVERIFY(!windows.BanenDlg->isVisible());
        auto* paarSchema = windows.Main->findChild<QAction*>("PaarSchema");
        auto* schemaParen = windows.Main->findChild<QAction*>("SchemaParen");
        QVERIFY(!paarSchema->isEnabled());
        windows.Main->EnableMenuItems(true);
        bool opened = false;
        QTimer::singleShot(0, [&] {
            opened = QApplication::activeModalWidget() == windows.SchemaForm.get();
            windows.SchemaForm->SluitBtn->click();
        });
        QTimer::singleShot(2000, [&] { windows.SchemaForm->done(0); }); // should it stay open
        schemaParen->trigger();
        QVERIFY(opened);
        QVERIFY(paarSchema->isEnabled());
    }

    // With TOLVEX_SHOT_DIR=folder the windows are saved there as pictures, to look at by eye.
    void TheWindowCanBeGrabbed() {
        const QByteArray folder = qgetenv("TOLVEX_SHOT_DIR");
        if (folder.isEmpty()) QSKIP("set TOLVEX_SHOT_DIR to a folder to save the pictures");
        Setup s;
        s.State->Members.MemberCount = 40;
        s.State->Configuration.Config.CfgRec.NDubRonden = 12;
        s.Open(2);
        s.Form->grab().save(folder + "/schema_opzet_open.png");
        s.Form->HerenEdit->setText("14");
        s.Form->DamesEdit->setText("10");
        s.Form->TolvexEdit->setText("6");
        s.Form->BanenEdit->setText("6");
        s.Form->MoreBtn->click();
        s.Form->ShowWarning("Te weinig banen");
        s.Form->ResetProgress(8);
        s.Form->ShowRoundProgress(1, " Berekening Heren  in ronde : ,1,2");
        s.Form->grab().save(folder + "/schema_opzet_meer.png");
        s.Form->HideWarning();
        s.Counts("8", "8", "3", "1", "4");
        s.Form->CandidateLimit = 100'000;
        s.Form->MoreBtn->click();
        s.Form->StartSchemaBtn->click();
        s.Form->grab().save(folder + "/schema_opzet_klaar.png");
        // A late-arrivals evening whose rounds fail on the grid's courts, then fitted.
        s.OpenLateArrivals();
        s.Form->TolvexEdit->setText("4");
        s.Form->Mixedit->setText("2");
        s.Form->BanenEdit->setText("6");
        s.Form->MoreBtn->click();
        s.Form->StartSchemaBtnClick();
        s.Form->grab().save(folder + "/schema_opzet_redenen.png");
        s.Form->PassendeBanenBtnClick();
        s.Form->grab().save(folder + "/schema_opzet_passend.png");
        s.Banen->PrepareShow(6);
        s.Banen->show();
        s.Banen->grab().save(folder + "/banen_dlg.png");
    }
};

QTEST_MAIN(ScheduleSetupWindowTest)
#include "schedule_setup_window_test.moc"
