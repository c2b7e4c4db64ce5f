#include "app/common/application_title.h"
#include "app/common/message_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class RecordingHelp : public HelpRequests {
public:
    void ShowContext(int helpContext) override { Contexts.push_back(helpContext); }
    void ShowContents() override {}
    void ShowHelpOnHelp() override {}
    std::vector<int> Contexts;
};

// Runs the window modally and lets `act` work on it once it is up.
int RunModal(const QString& text, uint8_t kind, uint16_t buttons,
             const std::function<void(TBerichtForm*)>& act, HelpRequests* help = nullptr) {
    QTimer::singleShot(0, [act] {
        auto* form = qobject_cast<TBerichtForm*>(QApplication::activeModalWidget());
        QVERIFY(form);
        act(form);
    });
    return BerichtDlg(text, kind, buttons, 0, help);
}

void Press(TBerichtForm* form, Qt::Key key) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form;
    QTest::keyClick(target, key);
}

int LineHeight(const TBerichtForm* form) {
    return QFontMetrics(form->font()).height();
}

} // namespace

class MessageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void QuestionDefaultsToJaAndEscapeAnswersNee() {
        std::unique_ptr<TBerichtForm> form(CreateBerichtForm("Bestand bewaren ?", 3, 12));
        QCOMPARE(form->windowTitle(), QString("Bevestig"));
        QVERIFY(form->IconImage);
        QVERIFY(form->Buttons[2] && form->Buttons[3]);
        QCOMPARE(form->Buttons[2]->text(), QString("&Ja"));
        QCOMPARE(form->Buttons[3]->text(), QString("&Nee"));
        int shown = 0;
        for (auto* b : form->Buttons) shown += b ? 1 : 0;
        QCOMPARE(shown, 2);
        QCOMPARE(form->DefaultButton, form->Buttons[2]);
        QCOMPARE(form->CancelButton, form->Buttons[3]);
        QVERIFY(form->Buttons[2]->isDefault());
        // Ja left of Nee, both on one row below the text
        QVERIFY(form->Buttons[2]->x() < form->Buttons[3]->x());
        QCOMPARE(form->Buttons[2]->y(), form->Buttons[3]->y());
        QVERIFY(form->Buttons[2]->y() > form->Message->geometry().bottom());

        QCOMPARE(
            RunModal("Bestand bewaren ?", 3, 12, [](TBerichtForm* f) { Press(f, Qt::Key_Return); }),
            6);
        QCOMPARE(
            RunModal("Bestand bewaren ?", 3, 12, [](TBerichtForm* f) { Press(f, Qt::Key_Escape); }),
            7);
        QCOMPARE(
            RunModal("Bestand bewaren ?", 2, 12, [](TBerichtForm* f) { f->Buttons[3]->click(); }),
            7);
    }

    void OkAloneAnswersOneToEnterAndEscape() {
        QCOMPARE(RunModal("Klaar", 2, 16, [](TBerichtForm* f) { Press(f, Qt::Key_Return); }), 1);
        QCOMPARE(RunModal("Klaar", 2, 16, [](TBerichtForm* f) { Press(f, Qt::Key_Escape); }), 1);
        QCOMPARE(RunModal("Klaar", 0, 16, [](TBerichtForm* f) { f->close(); }), 2);
    }

    void WithoutButtonsOnlyTheFrameCloses() {
        std::unique_ptr<TBerichtForm> form(CreateBerichtForm("Even geduld", 2, 0));
        for (auto* b : form->Buttons) QVERIFY(!b);
        QVERIFY(!form->DefaultButton);
        QVERIFY(!form->CancelButton);
        // the text alone (with the icon) sets the width
        int textWidth = QFontMetrics(form->font()).horizontalAdvance("Even geduld");
        QVERIFY(qAbs(form->Message->width() - textWidth) <= 1);
        QCOMPARE(form->width(), form->Layout.HorzMargin * 2 + form->Layout.HorzSpacing + 32 +
                                    form->Message->width());

        int result = RunModal("Even geduld", 2, 0, [](TBerichtForm* f) {
            Press(f, Qt::Key_Escape);
            Press(f, Qt::Key_Return);
            QVERIFY(f->isVisible());
            f->close();
        });
        QCOMPARE(result, 2);
    }

    void TitleKindHasNoIconAndTheTextStartsAtTheMargin() {
        std::unique_ptr<TBerichtForm> form(CreateBerichtForm("Welkom", 4, 16));
        QCOMPARE(form->windowTitle(), QString(ApplicationTitle));
        QVERIFY(!form->IconImage);
        QCOMPARE(form->Message->x(), form->Layout.HorzMargin);
        QCOMPARE(form->Message->y(), form->Layout.VertMargin);

        std::unique_ptr<TBerichtForm> error(CreateBerichtForm("Welkom", 1, 16));
        QCOMPARE(error->windowTitle(), QString("Fout"));
        QVERIFY(error->IconImage);
        QCOMPARE(error->Message->x(), error->Layout.HorzMargin + error->Layout.HorzSpacing + 32);
    }

    void LongTextsWrapAtHalfTheScreenAndLineBreaksStartNewLines() {
        QString longText;
        for (int i = 0; i < 80; ++i) longText += "ledenlijst ";
        std::unique_ptr<TBerichtForm> form(CreateBerichtForm(longText, 1, 16));
        int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
        QVERIFY(form->Message->width() <= half);
        QVERIFY(form->Message->height() >= 3 * LineHeight(form.get()));
        QVERIFY(form->width() <=
                half + 2 * form->Layout.HorzMargin + form->Layout.HorzSpacing + 32);
        QByteArray folder = qgetenv("TOLVEX_SHOT_DIR");
        if (!folder.isEmpty()) {
            form->grab().save(QString(folder) + "/message_long.png");
            std::unique_ptr<TBerichtForm> question(
                CreateBerichtForm("Bestand nog redden\r gebruik dan Sluit", 3, 12));
            question->grab().save(QString(folder) + "/message_question.png");
        }

        std::unique_ptr<TBerichtForm> twoLines(
            CreateBerichtForm("Bestand nog redden\r gebruik dan Sluit", 3, 12));
        QCOMPARE(twoLines->Message->height(), 2 * LineHeight(twoLines.get()));
        // line feed + carriage return is one line break
        std::unique_ptr<TBerichtForm> advice(CreateBerichtForm(
            "Groep  is geen geldig getal\n\r corrigeer (zonodig) Configuratie", 1, 16));
        QCOMPARE(advice->Message->height(), 2 * LineHeight(advice.get()));
        QCOMPARE(MessageDisplayText("a\n\rb\r\nc\rd\ne\r\rf"), QString("a\nb\nc\nd\ne\n\nf"));

        std::unique_ptr<TBerichtForm> plain(CreateBerichtForm("a b", 2, 16));
        std::unique_ptr<TBerichtForm> tabbed(CreateBerichtForm("a\tb", 2, 16));
        QVERIFY(tabbed->Message->width() > plain->Message->width());
    }

    void HelpOpensTheTopicAndDoesNotClose() {
        RecordingHelp help;
        std::unique_ptr<TBerichtForm> form(CreateBerichtForm("Vraag", 3, 12 | 4096));
        QCOMPARE(form->Buttons[12]->text(), QString("&Help"));
        form->Help = &help;
        form->HelpContext = 241;
        form->show();
        form->Buttons[12]->click();
        QVERIFY(form->isVisible());
        QCOMPARE(help.Contexts, std::vector<int>{241});
    }

    void APositionMovesOnlyTheEdgesGiven() {
        QPoint centred;
        {
            std::unique_ptr<TBerichtForm> form(CreateBerichtForm("Plaats", 2, 16));
            form->show();
            QVERIFY(QTest::qWaitForWindowExposed(form.get()));
            // Centred by the outer size: the frame is part of the window.
            QRect outer = form->frameGeometry();
            QVERIFY(outer.width() > form->width());
            centred = outer.topLeft();
            QRect screen = QGuiApplication::primaryScreen()->geometry();
            QCOMPARE(centred.x(), screen.width() / 2 - outer.width() / 2);
            QCOMPARE(centred.y(), screen.height() / 2 - outer.height() / 2);
        }
        QPoint placed;
        QTimer::singleShot(0, [&] {
            QWidget* form = QApplication::activeModalWidget();
            placed = form->pos();
            form->close();
        });
        QCOMPARE(BerichtDlgPos("Plaats", 2, 16, 0, 15, -1, QString()), 2);
        QCOMPARE(placed, QPoint(15, centred.y()));
        QTimer::singleShot(0, [&] {
            QWidget* form = QApplication::activeModalWidget();
            placed = form->pos();
            form->close();
        });
        BerichtDlgPos("Plaats", 2, 16, 0, -1, 25, QString());
        QCOMPARE(placed, QPoint(centred.x(), 25));
    }

    void EveryButtonAnswersItsResultCode() {
        const int expected[12] = {6, 7, 6, 7, 1, 2, 3, 4, 5, 12, 13, 14};
        for (int i = 0; i < 12; ++i) {
            int result =
                RunModal("Keuze", 2, 0x1FFF, [i](TBerichtForm* f) { f->Buttons[i]->click(); });
            QCOMPARE(result, expected[i]);
        }
        std::unique_ptr<TBerichtForm> ignoreOnly(CreateBerichtForm("x", 2, 256));
        QVERIFY(!ignoreOnly->DefaultButton);
        QVERIFY(!ignoreOnly->CancelButton);
        QCOMPARE(ignoreOnly->Buttons[8]->text(), QString("&Negeer"));
    }
};

QTEST_MAIN(MessageWindowTest)
#include "message_window_test.moc"
