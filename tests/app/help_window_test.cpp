#include "app/common/message_window.h"
#include "app/config/config_dialog.h"
#include "app/config/court_coding_dialog.h"
#include "app/config/options_window.h"
#include "app/help/help_key_filter.h"
#include "app/help/help_viewer.h"
#include "app/help/help_window.h"
#include "app/members/member_dialog.h"
#include "app/reports/results_form.h"
#include "app/schedule/schedule_setup_window.h"
#include "app/shell/about_box.h"
#include "app/shell/main_window.h"
#include "app/shell/start_up.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include <set>

// Every help context number that a window, control, menu or menu item of the program carries.
constexpr int AllHelpContexts[] = {10,  200, 217, 220, 221, 222, 223, 224, 225, 226, 227, 228, 230,
                                   231, 232, 233, 234, 235, 237, 240, 241, 242, 243, 244, 245, 246,
                                   250, 251, 252, 253, 254, 255, 256, 260, 270, 271, 272, 273, 274,
                                   280, 290, 301, 302, 303, 304, 305, 306, 307, 308, 309, 312, 341};

class HelpWindowTest : public QObject {
    Q_OBJECT

    // The viewer on the help file compiled by the build.
    struct Setup {
        TQelHtmlHelpViewer Viewer{QString::fromUtf8(TOLVEX_HELP_COLLECTION)};
        HelpWindow* Window() { return Viewer.Window(); }
        QString PageText(const QUrl& topic) {
            return QString::fromUtf8(
                Window()->Browser->loadResource(QTextDocument::HtmlResource, topic).toByteArray());
        }
    };

    // The program's windows as start-up creates them, on fake ports and the real help.
    struct Program {
        AppState State;
        TestPorts Fakes;
        ScriptedChooser Choose;
        RecordingPrintCanvas Printer;
        ProgramWindows Windows;
        explicit Program(HelpRequests& help)
            : Windows(CreateWindows(State, WindowPorts{Fakes.Messages, Fakes.Pump, Fakes.Bell,
                                                       Fakes.Time, Choose, Printer, help})) {}
        QList<QObject*> TopLevels() const {
            return {Windows.Main.get(),       Windows.AboutBox.get(),   Windows.BanenDlg.get(),
                    Windows.OptiesForm.get(), Windows.SchemaForm.get(), Windows.ResultsForm.get()};
        }
    };

private slots:
    void EveryContextNumberReachesItsOwnTopic() {
        Setup s;
        const QUrl contents = s.Viewer.ContentsPage();
        for (int context : AllHelpContexts) {
            QUrl topic = s.Viewer.TopicOfContext(context);
            QVERIFY2(!topic.isEmpty(), qPrintable(QString("no topic for %1").arg(context)));
            QVERIFY2(topic.adjusted(QUrl::RemoveFragment) != contents,
                     qPrintable(topic.toString()));
            QString page = s.PageText(topic);
            QVERIFY2(page.contains("<h1>"), qPrintable(topic.toString()));
            if (topic.hasFragment())
                QVERIFY2(page.contains(QString("name=\"%1\"").arg(topic.fragment())),
                         qPrintable(topic.toString()));
            s.Viewer.ShowContext(context);
            QCOMPARE(s.Window()->CurrentTopic(), topic);
        }
        QVERIFY(s.Window()->isVisible());
        QByteArray folder = qgetenv("TOLVEX_SHOT_DIR");
        if (!folder.isEmpty()) {
            for (int context : {235, 241, 304}) {
                s.Viewer.ShowContext(context);
                QTest::qWait(200);
                s.Window()->grab().save(
                    QString("%1/help_%2.png").arg(QString(folder)).arg(context));
            }
        }
    }

    // The windows themselves, as start-up creates them: every context number they carry is one
    // of the list above.
    void EveryContextTheWindowsCarryHasATopic() {
        Setup s;
        Program p(s.Viewer);
        TNewLidDlg member(p.State, p.Fakes.Messages, p.Fakes.Bell);
        TConfigDial config(p.State, p.Fakes.Messages, p.Fakes.Bell);
        std::set<int> carried;
        for (QObject* window : p.TopLevels() + QList<QObject*>{&member, &config}) {
            QList<QObject*> objects = window->findChildren<QObject*>();
            objects << window;
            for (QObject* o : objects)
                if (int context = o->property("helpContext").toInt()) carried.insert(context);
        }
        QVERIFY(carried.size() >= 45);
        const std::set<int> known(std::begin(AllHelpContexts), std::end(AllHelpContexts));
        for (int context : carried) {
            QVERIFY2(known.count(context), qPrintable(QString::number(context)));
            QVERIFY(!s.Viewer.TopicOfContext(context).isEmpty());
        }
    }

    void F1InTheSetUpWindowOpensItsTopic() {
        Setup s;
        HelpKeyFilter filter(s.Viewer);
        qApp->installEventFilter(&filter);
        Program p(s.Viewer);
        p.Windows.SchemaForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.Windows.SchemaForm.get()));
        p.Windows.SchemaForm->HerenEdit->setFocus();
        QTest::keyClick(p.Windows.SchemaForm->HerenEdit, Qt::Key_F1);
        qApp->removeEventFilter(&filter);
        QVERIFY(s.Window() && s.Window()->isVisible());
        QCOMPARE(s.Window()->CurrentTopic(), s.Viewer.TopicOfContext(240));
    }

    void MissingNumberOpensTheContents() {
        Setup s;
        for (int context : {0, 999, -5}) {
            s.Viewer.ShowContext(context);
            QCOMPARE(s.Window()->CurrentTopic(), s.Viewer.ContentsPage());
            QVERIFY(s.Window()->Browser->toPlainText().contains("Zo verloopt een speelavond"));
        }
        s.Viewer.ShowHelpOnHelp();
        QCOMPARE(s.Window()->CurrentTopic(), s.Viewer.HelpOnHelpPage());
        s.Viewer.ShowContents();
        QCOMPARE(s.Window()->CurrentTopic(), s.Viewer.ContentsPage());
    }

    void EveryLinkOfTheHelpLeadsToAPage() {
        Setup s;
        s.Viewer.ShowContents();
        QStringList pages = {"index.html"};
        QStringList seen;
        const QUrl root = s.Viewer.ContentsPage();
        while (!pages.isEmpty()) {
            QString name = pages.takeFirst();
            if (seen.contains(name)) continue;
            seen << name;
            QString page = s.PageText(root.resolved(QUrl(name)));
            QVERIFY2(page.contains("<h1>"), qPrintable(name));
            static const QRegularExpression link("href=\"([a-z_]+\\.html)(#[a-z]+)?\"");
            for (auto m = link.globalMatch(page); m.hasNext();) {
                auto match = m.next();
                QString target = s.PageText(root.resolved(QUrl(match.captured(1))));
                QVERIFY2(target.contains("<h1>"), qPrintable(name + " -> " + match.captured(1)));
                if (!match.captured(2).isEmpty())
                    QVERIFY2(target.contains("name=\"" + match.captured(2).mid(1) + "\""),
                             qPrintable(name + " -> " + match.captured(0)));
                pages << match.captured(1);
            }
        }
        QVERIFY(seen.size() >= 30);
    }

    void ServesOnlyItsOwnKindOfHelpFile() {
        struct Case {
            const char* Name;
            bool Served;
        } cases[] = {{"Tolvex12X.qhc", true},      {"/opt/x/TOLVEX12X.QHC", true},
                     {"Tolvex12X.chm", false},     {"Tolvex12X", false},
                     {"Tolvex12X.qhc.bak", false}, {"", false}};
        for (const Case& c : cases) QCOMPARE(TQelHtmlHelpViewer::ServesHelpFile(c.Name), c.Served);
        TQelHtmlHelpViewer other("Tolvex12X.chm");
        other.ShowContents();
        QVERIFY(other.Window() == nullptr);
    }

    void MissingHelpFileShowsANoticeNotAnError() {
        TQelHtmlHelpViewer viewer(QDir::temp().filePath("geen_help_hier/Tolvex12X.qhc"));
        viewer.ShowContext(235);
        QVERIFY(viewer.Window()->isVisible());
        QVERIFY(viewer.Window()->Browser->toPlainText().contains("Help niet beschikbaar"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void HelpContextForWalksUpToItsWindowOnly() {
        QWidget main;
        main.setProperty("helpContext", 200);
        auto* panel = new QWidget(&main);
        auto* button = new QPushButton(panel);
        button->setProperty("helpContext", 304);
        auto* plain = new QLineEdit(panel);
        auto* dialog = new QDialog(&main);
        auto* inDialog = new QLineEdit(dialog);
        auto* tool = new QToolButton(&main);
        auto* action = new QAction("x", &main);
        action->setProperty("helpContext", 231);
        tool->setDefaultAction(action);
        QCOMPARE(HelpContextFor(button), 304);
        QCOMPARE(HelpContextFor(plain), 200);
        QCOMPARE(HelpContextFor(inDialog), 0);
        QCOMPARE(HelpContextFor(tool), 231);
        dialog->setProperty("helpContext", 271);
        QCOMPARE(HelpContextFor(inDialog), 271);
    }

    void F1InAModalDialogOpensItsTopic() {
        Setup s;
        HelpKeyFilter filter(s.Viewer);
        qApp->installEventFilter(&filter);
        AppState state;
        ScriptedMessenger messages;
        CountingBeeper bell;
        TConfigDial dialog(state, messages, bell);
        QUrl dialogTopic, okTopic;
        bool helpModal = false;
        QTimer::singleShot(0, [&] {
            QWidget* field = dialog.Edit(1);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_F1);
            dialogTopic = s.Window() ? s.Window()->CurrentTopic() : QUrl();
            helpModal = s.Window() && s.Window()->isModal() && s.Window()->isVisible();
            if (s.Window()) s.Window()->hide();
            dialog.OKBtn1->setFocus();
            QTest::keyClick(dialog.OKBtn1, Qt::Key_F1);
            okTopic = s.Window() ? s.Window()->CurrentTopic() : QUrl();
            if (s.Window()) s.Window()->hide();
            dialog.CancelBtn1->click();
        });
        QVERIFY(dialog.PrepareShow(true));
        dialog.exec();
        qApp->removeEventFilter(&filter);
        QCOMPARE(dialogTopic, s.Viewer.TopicOfContext(271));
        QCOMPARE(okTopic, s.Viewer.TopicOfContext(301));
        QVERIFY(helpModal);
    }

    void F1InAMenuAsksForTheItem() {
        Setup s;
        HelpKeyFilter filter(s.Viewer);
        qApp->installEventFilter(&filter);
        QMenu menu;
        menu.setProperty("helpContext", 220);
        QAction* open = menu.addAction("&Open");
        open->setProperty("helpContext", 222);
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::keyClick(&menu, Qt::Key_F1);
        QCOMPARE(s.Window()->CurrentTopic(), s.Viewer.TopicOfContext(220));
        menu.setActiveAction(open);
        QTest::keyClick(&menu, Qt::Key_F1);
        QCOMPARE(s.Window()->CurrentTopic(), s.Viewer.TopicOfContext(222));
        menu.hide();
        qApp->removeEventFilter(&filter);
    }

    void MessageWindowHelpOpensHelpWithoutClosing() {
        Setup s;
        bool stillOpen = false, helpShown = false;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<TBerichtForm*>(QApplication::activeModalWidget());
            if (!form) return;
            form->Buttons[12]->click();
            stillOpen = form->isVisible();
            helpShown = s.Window() && s.Window()->isVisible();
            if (s.Window()) s.Window()->hide();
            form->Buttons[4]->click();
        });
        int result = BerichtDlg("Bericht", 2, BtnOK | BtnHelp, 0, &s.Viewer);
        QVERIFY(stillOpen);
        QVERIFY(helpShown);
        QCOMPARE(s.Window()->CurrentTopic(), s.Viewer.ContentsPage());
        QCOMPARE(result, 1);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
