#include "app/config/options_window.h"
#include "core/config/config_file.h"
#include "core/config/print_options.h"
#include "file_test_support.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

// The printer set-up dialog moves the canvas to the printer the test chose.
class PrinterChoosingChooser : public ScriptedChooser {
public:
    explicit PrinterChoosingChooser(RecordingPrintCanvas& canvas)
        : Canvas(canvas) {}
    bool PrinterSetup() override {
        bool confirmed = ScriptedChooser::PrinterSetup();
        if (confirmed && ChosenPrinter) Canvas.SelectedPrinter = *ChosenPrinter;
        return confirmed;
    }
    RecordingPrintCanvas& Canvas;
    std::optional<int> ChosenPrinter;
};

} // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT

    struct Setup {
        ScratchFolder Folder;
        AppState State;
        ScriptedMessenger Messages;
        RecordingPrintCanvas Canvas;
        PrinterChoosingChooser Choose{Canvas};
        TOptiesForm Form{State, Messages, Choose, Canvas};
        std::string ConfigFile;

        Setup() {
            DefaultConfig(State.Common, State.Configuration);
            State.Members.MemberFileName = Folder.Path("club.tvs");
            ConfigFile = Folder.Path("club.cfg");
            // 2400 pixels wide: 118 pixels per cm. Lines of 100 pixels, 68 to the page.
            Canvas.PageWidthPixels = 2400;
            Canvas.PrinterNames = {"Eerste", "Tweede"};
        }
        void Open(int page) {
            Form.PrepareShow(page);
            Form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&Form));
        }
        void Enter(QWidget* box, const QString& text) {
            box->setFocus();
            static_cast<QLineEdit*>(box)->setText(text);
            QTest::keyClick(box, Qt::Key_Return);
        }
    };

private slots:
    void PagesCarryTheirCaptionsAndTheDefaultMarginsShowInMillimetres() {
        Setup s;
        s.State.Configuration.PrnCfg.LinespPage = 20;
        s.Open(1);
        QCOMPARE(s.Form.windowTitle(), QString("Opties"));
        QCOMPARE(s.Form.PageControl->tabText(0), QString("Persoonsgeg."));
        QCOMPARE(s.Form.PageControl->tabText(1), QString("Print opties"));
        QCOMPARE(s.Form.PageControl->widget(0)->property("helpContext").toInt(), 273);
        QCOMPARE(s.Form.PageControl->widget(1)->property("helpContext").toInt(), 272);
        QCOMPARE(s.Form.OkBtn->text(), QString("O&k"));
        QCOMPARE(s.Form.CancelBtn->text(), QString("Schrap"));
        QCOMPARE(s.Form.Orientatie->title(), QString("Papier stand"));
        QCOMPARE(s.Form.PrintTitel->text(), QString("Print titel"));
        QCOMPARE(s.Form.WinfontBtn->text(), QString("TextFont"));
        QCOMPARE(s.Form.MarginBox(BoxLeftMarge)->text(), QString("10"));
        QCOMPARE(s.Form.MarginBox(BoxTopMarge)->text(), QString("15"));
        QCOMPARE(s.Form.MarginBox(BoxBottomMarge)->text(), QString("10"));
        // Recomputed from the measured page: 68 lines less (177 + 118) div 50.
        QCOMPARE(s.Form.MarginBox(BoxPaglen)->text(), QString("63"));
        QVERIFY(s.Form.Staand->isChecked());
        QVERIFY(s.Form.MarginBox(BoxLeftMarge)->hasFocus());
        QCOMPARE(s.Form.PrinterLab->text(), QString("Geen printer gekozen"));
        QVERIFY(s.Messages.Shown.empty());
    }

    void EnterStoresEachBoxAndMovesOnDownToThePrinterButton() {
        Setup s;
        s.Open(1);
        s.Enter(s.Form.MarginBox(BoxLeftMarge), "15");
        QCOMPARE(int(s.State.Configuration.PrnCfg.LeftMarge), 177);
        QVERIFY(s.Form.MarginBox(BoxTopMarge)->hasFocus());
        s.Enter(s.Form.MarginBox(BoxTopMarge), "10");
        QCOMPARE(int(s.State.Configuration.PrnCfg.TopMarge), 118);
        QVERIFY(s.Form.MarginBox(BoxBottomMarge)->hasFocus());
        s.Enter(s.Form.MarginBox(BoxBottomMarge), "abc");
        QCOMPARE(s.Messages.Texts(), std::vector<std::string>{"'abc' is geen geldig geheel getal"});
        QVERIFY(s.Form.MarginBox(BoxBottomMarge)->hasFocus());
        QCOMPARE(int(s.State.Configuration.PrnCfg.BottomMarge), 118);
        s.Enter(s.Form.MarginBox(BoxBottomMarge), "20");
        QVERIFY(s.Form.MarginBox(BoxPaglen)->hasFocus());
        s.Enter(s.Form.MarginBox(BoxPaglen), "40");
        QCOMPARE(int(s.State.Configuration.PrnCfg.LinespPage), 40);
        QVERIFY(s.Form.PrinterBtn->hasFocus());
        QVERIFY(s.Form.ChangeFlag);
        QVERIFY(s.Form.isVisible());
    }

    void SwitchesChangeTheSettingsAtOnce() {
        Setup s;
        s.Open(1);
        s.Form.Liggend->click();
        QVERIFY(s.State.Configuration.LandscapeOn);
        s.Form.PrintHead->click();
        s.Form.PersData->click();
        s.Form.PrintTitel->click();
        QVERIFY(s.State.Configuration.PrintHeadOn && s.State.Configuration.PersDataOn &&
                s.State.Configuration.PrintTitelOn);
        QCOMPARE(int(s.State.Configuration.PrnCfg.Preferent),
                 PrefNewMark | PrefLiggend | PrefPrintKop | PrefEigenaar | PrefPrintTitel);
        s.Form.Staand->click();
        QVERIFY(!s.State.Configuration.LandscapeOn);
        QVERIFY(s.Form.ChangeFlag);
    }

    void PrinterChoiceTakesOnlyAnotherPrinterAndTheFontDialogAlwaysMarksTheFont() {
        Setup s;
        s.State.Configuration.PrnCfg.PrntInstel = 1;
        s.Open(1);
        QCOMPARE(s.Form.PrinterLab->text(), QString("Printer: Tweede"));
        s.Choose.PrinterAnswers = {false, true, true};
        s.Form.PrinterBtn->click(); // cancelled
        QVERIFY(!s.Form.ChangeFlag);
        s.Choose.ChosenPrinter = 1; // the same one again
        s.Form.PrinterBtn->click();
        QVERIFY(!s.Form.ChangeFlag);
        QVERIFY(s.Form.FontBtn->hasFocus());
        s.State.Configuration.PrnCfg.FontSizePR = 12;
        s.Choose.ChosenPrinter = 0;
        s.Form.MarginBox(BoxPaglen)->setText("7");
        s.Form.PrinterBtn->click();
        QCOMPARE(s.State.Configuration.PrnCfg.PrntInstel, 0);
        QVERIFY(s.State.Common
                    .PrnFontSet); // the refill measured the new printer with the standard font
        QCOMPARE(s.Canvas.FontName(), std::string("MS Sans-Serif"));
        QCOMPARE(s.Form.MarginBox(BoxPaglen)->text(), QString("63")); // refilled
        QCOMPARE(s.Form.PrinterLab->text(), QString("Printer: Eerste"));
        QVERIFY(s.Form.ChangeFlag);
        QVERIFY(s.Form.FontBtn->hasFocus());

        s.Form.ChangeFlag = false;
        s.State.Common.PrnFontSet = false;
        s.Choose.FontAnswers = {std::nullopt, FontChoice{"Courier", 12}};
        s.Form.FontBtn->click();
        QVERIFY(s.State.Common.PrnFontSet);
        QVERIFY(s.Form.ChangeFlag);
        s.Form.FontBtn->click();
        QCOMPARE(s.State.Configuration.PrnCfg.FontNamePR.Str(), std::string("Courier"));
        QCOMPARE(int(s.State.Common.Printer.PrnLineHeight), 120); // measured with the new font

        s.Choose.FontAnswers = {FontChoice{"Verdana", 11}};
        s.Form.WinfontBtn->click();
        QCOMPARE(s.State.Common.ScreenFontName, std::string("Verdana"));
        QCOMPARE(int(s.State.Configuration.PrnCfg.FontSizeTv), 11);
    }

    void PersonalDataMoveOnWithEnterOrTabAndOkWritesThemCut() {
        Setup s;
        s.State.Configuration.PrnCfg.Persoon[0].Assign("Oud");
        s.Open(0);
        QCOMPARE(s.Form.PersEdit(1)->text(), QString("Oud"));
        QVERIFY(s.Form.PersEdit(1)->hasFocus());
        QTest::keyClick(s.Form.PersEdit(1), Qt::Key_Tab);
        QVERIFY(s.Form.PersEdit(2)->hasFocus());
        QTest::keyClick(s.Form.PersEdit(2), Qt::Key_Return);
        QVERIFY(s.Form.PersEdit(3)->hasFocus());
        s.Form.PersEdit(5)->setFocus();
        QTest::keyClicks(s.Form.PersEdit(5), "010-1234567");
        QTest::keyClick(s.Form.PersEdit(5), Qt::Key_Return);
        QVERIFY(s.Form.OkBtn->hasFocus());
        QVERIFY(s.State.Configuration.PrnCfg.Persoon[4].Empty()); // nothing is stored before OK
        s.Form.PersEdit(1)->setText("Jan Jansen");
        // Page 1 is showing at OK: what was typed on page 0 is kept all the same.
        s.Form.PageControl->setCurrentIndex(1);
        s.Form.OkBtn->click();
        QVERIFY(!s.Form.isVisible());
        QCOMPARE(s.State.Configuration.PrnCfg.Persoon[0].Str(), std::string("Jan Jansen"));
        QCOMPARE(s.State.Configuration.PrnCfg.Persoon[4].Str(), std::string("010-1234567"));
        std::string bytes = ReadBytes(s.ConfigFile);
        QCOMPARE(bytes.size(), size_t(268));
        QCOMPARE(bytes.substr(116, 11), std::string("\x0aJan Jansen", 11));
        QVERIFY(s.Messages.Shown.empty());
    }

    void OkWithABoxThatHoldsNoNumberSaysSoAndStaysOpen() {
        Setup s;
        s.Open(1);
        s.Form.Liggend->click();
        s.Form.MarginBox(BoxLeftMarge)->setText("20");
        s.Form.MarginBox(BoxTopMarge)->setText("x");
        s.Form.OkBtn->click();
        QCOMPARE(s.Messages.Texts(), std::vector<std::string>{"'x' is geen geldig geheel getal"});
        QVERIFY(s.Form.isVisible());
        QVERIFY(s.Form.MarginBox(BoxTopMarge)->hasFocus());
        QCOMPARE(int(s.State.Configuration.PrnCfg.LeftMarge), 236); // stored before the faulty box
        QVERIFY(!Exists(s.ConfigFile));
        s.Form.MarginBox(BoxTopMarge)->setText("15");
        s.Form.OkBtn->click();
        QVERIFY(!s.Form.isVisible());
        QVERIFY(Exists(s.ConfigFile));
        QCOMPARE(int(uint8_t(ReadBytes(s.ConfigFile)[266])), PrefNewMark | PrefLiggend);
    }

    void ClosingOtherwiseAsksAndOnlyNeeCloses() {
        Setup s;
        s.Open(1);
        s.Messages.Answer(ResultYes);
        s.Form.CancelBtn->click();
        QVERIFY(s.Form.isVisible());
        QCOMPARE(s.Messages.Last().Text, std::string("Wijzigingen opslaan, gebruik dan OK knop"));
        QCOMPARE(s.Messages.Last().Kind, uint8_t(KindBevestig));
        QCOMPARE(s.Messages.Last().Buttons, uint16_t(ButtonsJaNee));
        s.Messages.Answer(ResultNo);
        QTest::keyClick(&s.Form, Qt::Key_Escape);
        QVERIFY(!s.Form.isVisible());
        QVERIFY(!Exists(s.ConfigFile));

        // OK without a change writes nothing and asks nothing.
        s.Messages.Clear();
        s.Open(0);
        s.Form.OkBtn->click();
        QVERIFY(!s.Form.isVisible());
        QVERIFY(s.Messages.Shown.empty());
        QVERIFY(!Exists(s.ConfigFile));
    }
};

QTEST_MAIN(OptionsWindowTest)
#include "options_window_test.moc"
