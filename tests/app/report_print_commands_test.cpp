// The report window's "&Export" and "&Print" on a computed schedule, with real clicks.

#include "report_window_fixture.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// The report of the times played, with the club's print settings.
struct Fixture : ReportWindowFixture {
    Fixture() {
        AppState& state = *S.State;
        state.Configuration.Config.CfgRec.ClubNaam = "TC Oost";
        state.Configuration.PrnCfg.LeftMarge = 20; // two blanks in front of every exported line
        state.Configuration.PrnCfg.FontSizeTv = 10;
        state.Configuration.PrnCfg.LineHeight = 50;
        state.Configuration.PrnCfg.LinespPage = 61;
        state.Configuration.PrnCfg.PrntInstel = 0;
        Action("AantalGespeeld")->trigger();
    }
};

} // namespace

class ReportPrintCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void ExportWritesTheReportLinesByteForByte() {
        Fixture f;
        QVERIFY(f.Form->isVisible());
        QVERIFY(f.Form->RedBtn->isEnabled());
        // A line inserted into the list is printed but never exported.
        f.Form->ListView->setCurrentItem(f.Form->ListView->topLevelItem(1));
        f.Form->VoeginRij->trigger();
        f.Choose.SaveAnswers = {f.Folder.Path("uitvoer.TXT")};
        f.Form->RedBtn->click();
        QCOMPARE(f.Fakes.Messages.Texts(),
                 std::vector<std::string>{"Bewaren overzicht(en) gelukt"});
        const std::string expected =
            "  TC Oost\r\n"
            "  AANTALMALEN  GESPEELD\r\n"
            "   \r\n"
            "  Voornaam,Achternaam,AantalVoornaam  Achternaam  Aantal  \r\n"
            "  HEREN  " +
            Blanks(3) + " " + Blanks(8) + " " + Blanks(6) + "DAMES  " + Blanks(12) +
            "\r\n"
            "  Anton" +
            Blanks(5) + "Aalders" + Blanks(2) + "   3" + Blanks(3) + "Ria" + Blanks(8) + "Arts" +
            Blanks(8) + "   2" + Blanks(4) +
            "\r\n"
            "  Piet" +
            Blanks(6) + "Bakker" + Blanks(3) + "   3" + Blanks(3) + "Mia" + Blanks(8) + "Bos" +
            Blanks(9) + "   3" + Blanks(4) +
            "\r\n"
            "  Jan" +
            Blanks(7) + "Smit" + Blanks(5) + "   3" + Blanks(3) + "Els" + Blanks(8) + "Jansen" +
            Blanks(6) + "   3" + Blanks(4) +
            "\r\n"
            "  Bert" +
            Blanks(6) + "Zwart" + Blanks(4) + "   0" + Blanks(3) + "An" + Blanks(9) + "Kok" +
            Blanks(9) + "   3" + Blanks(4) +
            "\r\n"
            // The women's side is empty: an empty field fills its column, the last one too.
            "  Kees" +
            Blanks(6) + "de Vries" + Blanks(1) + "   3" + Blanks(3) + Blanks(11) + Blanks(13) +
            "\r\n";
        // The name ends in upper-case ".TXT": ".txt" is added.
        QCOMPARE(ReadBytes(f.Folder.Path("uitvoer.TXT.txt")), expected);
        QCOMPARE(f.Form->ExportFileName, f.Folder.Path("uitvoer.TXT.txt"));

        f.Fakes.Messages.Clear();
        f.Choose.SaveAnswers = {std::nullopt};
        f.Form->RedBtn->click(); // cancelled: nothing is written or said
        QVERIFY(f.Fakes.Messages.Shown.empty());
    }

    void PrintPrintsTheListAsShownAfterTheQuestion() {
        Fixture f;
        f.Form->ListView->setCurrentItem(f.Form->ListView->topLevelItem(1));
        f.Form->VoeginRij->trigger();
        f.Fakes.Messages.Answer(ResultYes);
        f.Form->PrintBtn->click();
        QCOMPARE(f.Fakes.Messages.Texts(),
                 std::vector<std::string>{"Afdrukken op printer: \rTestprinter"});
        QCOMPARE(f.Printer.JobTitle, std::string("AANTALMALEN  GESPEELD"));
        QVERIFY(!f.Printer.InJob);
        std::vector<std::string> texts = f.Printer.TextsOfPage(1);
        const std::vector<std::string> top = {"TC Oost", "AANTALMALEN  GESPEELD", " ", "|",
                                              "Voornaam"};
        QVERIFY(std::equal(top.begin(), top.end(), texts.begin()));
        // The heading row, the inserted blank row, then Anton: each framed by two bars.
        auto blank = std::find(texts.begin(), texts.end(), "  ");
        QVERIFY(blank != texts.end());
        QCOMPARE(*(blank + 1), std::string("|"));
        QCOMPARE(*(blank + 3), std::string("Anton"));
        QCOMPARE(texts.back(), std::string("-1-"));
        QCOMPARE(f.Form->OrientFactor, int16_t(100));

        f.Fakes.Messages.Clear();
        f.S.State->Configuration.PrnCfg.PrntInstel = -1;
        f.Form->PrintBtn->click();
        QCOMPARE(f.Fakes.Messages.Texts(),
                 std::vector<std::string>{" P R I N T E R  N I E T  A A N W E Z I G "});
    }

    void TheEditorHasNoPrintExportOrPreview() {
        Fixture f;
        f.Form->StopBtn->click();
        f.Windows.Main->findChild<QAction*>("Wijzigen")->trigger();
        QVERIFY(f.Form->PrintBtn->isHidden());
        QVERIFY(f.Form->RedBtn->isHidden());
        QVERIFY(f.Form->PreviewBtn->isHidden());
        f.Form->StopBtn->click();
        f.Windows.Main->findChild<QAction*>("PaarSchema")->trigger();
        QVERIFY(!f.Form->PreviewBtn->isHidden());
        QCOMPARE(f.Form->PreviewBtn->text(), QString("&Voorbeeld"));
    }
};

QTEST_MAIN(ReportPrintCommandsTest)
#include "report_print_commands_test.moc"
