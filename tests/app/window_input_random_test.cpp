// Random texts typed into every field of the windows the organiser types into — numbers of every
// sign and size, letters, empty, long — and their buttons pressed, from a fixed seed and for a
// bounded number of steps. Whatever is typed, no window may crash, hang or (in the sanitizer
// build) touch memory it does not own, and a few plain facts hold after every step. Messages are
// answered by the scripted messenger, questions at random; a modal window that opens is driven
// by random steps of its own and closed. TOLVEX_INPUT_SEED and TOLVEX_INPUT_STEPS choose another
// seed and number of steps per window.

#include "app/common/help_requests.h"
#include "app/config/court_coding_dialog.h"
#include "app/config/options_window.h"
#include "app/members/member_dialog.h"
#include "app/members/member_grid.h"
#include "app/members/member_grid_table.h"
#include "app/schedule/schedule_setup_window.h"
#include "core/config/config_file.h"
#include "core/schedule/schedule_setup_fields.h"
#include "file_test_support.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

uint32_t EnvNumber(const char* name, uint32_t fallback) {
    bool ok = false;
    const uint32_t value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

class RandomInput {
public:
    explicit RandomInput(uint32_t seed)
        : Rng(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Rng); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T> T Pick(std::initializer_list<T> items) {
        return *(items.begin() + Below(static_cast<int>(items.size())));
    }

    // A number as a person might type it, or a number no field can hold.
    QString Number() {
        static const char* const edges[] = {"0",
                                            "-0",
                                            "+0",
                                            "1",
                                            "-1",
                                            "+7",
                                            "007",
                                            " 12 ",
                                            "\t3",
                                            "6 ",
                                            "24",
                                            "25",
                                            "32",
                                            "33",
                                            "200",
                                            "201",
                                            "255",
                                            "256",
                                            "-255",
                                            "32767",
                                            "32768",
                                            "-32768",
                                            "-32769",
                                            "65535",
                                            "65536",
                                            "2147483647",
                                            "2147483648",
                                            "-2147483648",
                                            "-2147483649",
                                            "-2147483645",
                                            "4294967296",
                                            "9223372036854775807",
                                            "-9223372036854775808",
                                            "99999999999999999999",
                                            "1e3",
                                            "0x10",
                                            "3.5",
                                            "3,5",
                                            "--1",
                                            "+-1",
                                            "1-",
                                            "- 1"};
        switch (Below(3)) {
        case 0:
            return edges[Below(static_cast<int>(std::size(edges)))];
        case 1:
            return QString::number(Below(61) - 30);
        default: {
            QString digits = Chance(40) ? "-" : "";
            const int length = 1 + Below(21);
            for (int i = 0; i < length; ++i) digits += QChar('0' + Below(10));
            return digits;
        }
        }
    }

    QString Letters() {
        static const QString alphabet =
            QString::fromUtf8("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ ,.-'\"\\/"
                              "éëèçüößÉ€£µ½ΩЖ中😀");
        QString text;
        const int length = 1 + Below(12);
        for (int i = 0; i < length; ++i) text += alphabet.at(Below(alphabet.size()));
        return text;
    }

    QString Date() {
        return QString("%1-%2-%3")
            .arg(Pick({0, 1, 28, 29, 31, 32, -1, 99}))
            .arg(Pick({0, 1, 2, 12, 13, -5}))
            .arg(Pick({0, 1, 99, 1899, 2000, 2026, 9999, 10000, -2000}));
    }

    // Any text a field may be given.
    QString Text() {
        switch (Below(10)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return Number();
        case 4:
            return {};
        case 5:
            return QString(1 + Below(3), ' ');
        case 6:
        case 7:
            return Letters();
        case 8: {
            const QString piece = Chance(50) ? Number() : Letters();
            return piece.repeated(1 + Below(300 / std::max<int>(1, piece.size()) + 1)) +
                   (Chance(30) ? QString(2000, QChar('9')) : QString());
        }
        default:
            return Date();
        }
    }

    Qt::Key FieldKey() {
        return Pick({Qt::Key_Return, Qt::Key_Return, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,
                     Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                     Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_Delete});
    }

    std::mt19937 Rng;
};

// The printer and font dialogs answered at random.
class RandomChooser : public Chooser {
public:
    RandomChooser(RandomInput& random, RecordingPrintCanvas& canvas)
        : Random(random)
        , Canvas(canvas) {}
    std::optional<std::string> OpenFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return {}; }
    bool PrinterSetup() override {
        if (Random.Chance(50)) return false;
        Canvas.SelectedPrinter = Random.Below(static_cast<int>(Canvas.PrinterNames.size()) + 1) - 1;
        return true;
    }
    std::optional<FontChoice> ChooseFont(const FontChoice&) override {
        if (Random.Chance(40)) return std::nullopt;
        return FontChoice{Random.Letters().repeated(1 + Random.Below(8)).toStdString(),
                          Random.Pick({-5, 0, 1, 8, 10, 72, 400})};
    }

private:
    RandomInput& Random;
    RecordingPrintCanvas& Canvas;
};

// Types a text into a field: most often set at once, short texts also key by key.
void TypeInto(RandomInput& random, QLineEdit* edit, const QString& text) {
    if (!edit->isVisible() || !edit->isEnabled()) return;
    edit->setFocus();
    if (text.size() > 12 || random.Chance(60)) {
        edit->setText(text);
        return;
    }
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

// Presses a button by the mouse or, once it has the focus, by Enter or Space.
void Press(RandomInput& random, QAbstractButton* button) {
    if (!button->isVisible() || !button->isEnabled()) return;
    switch (random.Below(3)) {
    case 0:
        QTest::mouseClick(button, Qt::LeftButton);
        break;
    case 1:
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        break;
    default:
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
    }
}

void KeyOn(QWidget* widget, Qt::Key key) {
    if (widget && widget->isVisible()) QTest::keyClick(widget, key);
}

void RandomClub(RandomInput& random, AppState& state, int most) {
    state.Configuration.Config.CfgRec.Grpn[0] = random.Chance(85) ? "h" : "A";
    state.Configuration.Config.CfgRec.Grpn[1] = random.Chance(85) ? "d" : " d ";
    state.Members.MemberList.assign(1, TLedenObj{});
    const int n = random.Below(most + 1);
    for (int i = 1; i <= n; ++i) {
        TLedenObj member;
        TLidRec& rec = member.LidRecord;
        rec.Indx = static_cast<uint16_t>(i);
        rec.ClubNo = static_cast<int16_t>(random.Chance(90) ? i : random.Below(65536) - 32768);
        rec.Voornaam = random.Letters().toStdString();
        rec.AchterNaam = random.Chance(90) ? random.Letters().toStdString() : "";
        rec.Groep = random.Pick({"h", "d", "H", "D", "x", "", " h"});
        rec.StatCode = random.Pick(
            {"X", "1", "2", "3", "63", "64", "99", "a1", "B2", "-", "0", "", "A", "x", "9z"});
        state.Members.MemberList.push_back(member);
    }
    state.Members.MemberCount = static_cast<int16_t>(n);
    state.Members.MemberDataPresent = random.Chance(90);
}

// Shown and active, so that the keyboard reaches the focused control as it would on screen.
void Activate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class WindowInputRandomTest : public QObject {
    Q_OBJECT

    const uint32_t Seed = EnvNumber("TOLVEX_INPUT_SEED", 20261210);
    const int Steps = static_cast<int>(EnvNumber("TOLVEX_INPUT_STEPS", 400));

    // What every window test shares: the randomness, the fakes, and the driver of the modal
    // windows that a step opens (the court coding dialog from the set-up, the member dialog from
    // the grid), which runs inside their own event loop and closes them.
    struct Harness {
        explicit Harness(uint32_t seed)
            : Random(seed) {
            Messages.OnUnexpectedQuestion = [this](const std::string&) {
                Messages.UnexpectedAnswer = Random.Pick({ResultYes, ResultNo});
            };
            ModalTimer.setInterval(5);
            QObject::connect(&ModalTimer, &QTimer::timeout, [this] { DriveModal(); });
            ModalTimer.start();
        }
        ~Harness() { ModalTimer.stop(); }

        void DriveModal() {
            QWidget* modal = QApplication::activeModalWidget();
            if (Driving || modal == nullptr) return;
            Driving = true;
            ++ModalsDriven;
            if (auto* banen = qobject_cast<TBanenDlg*>(modal)) {
                for (int i = Random.Below(20); i > 0 && banen->isVisible(); --i) BanenStep(*banen);
            } else if (auto* lid = qobject_cast<TNewLidDlg*>(modal)) {
                for (int i = Random.Below(30); i > 0 && lid->isVisible(); --i) MemberStep(*lid);
                if (lid->isVisible())
                    Press(Random, Random.Pick<QAbstractButton*>({lid->InvoegKnop, lid->StopKnop}));
            } else {
                Unexpected << modal->metaObject()->className();
            }
            if (modal->isVisible()) {
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
            Driving = false;
        }

        void BanenStep(TBanenDlg& d) {
            switch (Random.Below(6)) {
            case 0:
            case 1:
                TypeInto(Random, Random.Chance(70) ? d.BaanCodeEdit : d.BaanEdit, Random.Text());
                break;
            case 2:
                KeyOn(QApplication::focusWidget(), Random.FieldKey());
                break;
            case 3:
            case 4:
                Press(Random, Random.Pick<QAbstractButton*>({d.NextBnBtn, d.PrevBnBtn}));
                break;
            default:
                Press(Random, d.BaanOkBtn);
            }
            QVERIFY2(d.CurrBaan >= 1 && d.CurrBaan <= MaxCourts,
                     qPrintable(QString("court %1").arg(d.CurrBaan)));
        }

        void MemberStep(TNewLidDlg& d) {
            switch (Random.Below(8)) {
            case 0:
            case 1:
            case 2:
            case 3:
                TypeInto(Random, d.Box(1 + Random.Below(TNewLidDlg::FieldCount)), Random.Text());
                break;
            case 4:
            case 5:
                KeyOn(QApplication::focusWidget(), Random.FieldKey());
                break;
            case 6:
                Press(Random, d.Herstelknop);
                break;
            default:
                Press(Random, Random.Pick<QAbstractButton*>({d.InvoegKnop, d.StopKnop}));
            }
        }

        // Messages pile up in the scripted messenger; only the last ones are of interest.
        void Forget() {
            if (Messages.Shown.size() < 100) return;
            Shown += Messages.Shown.size();
            Messages.Clear();
        }
        // What the steps reached, so that a change that makes them reach nothing shows.
        void Report(const char* window, const QString& more = {}) {
            Forget();
            Shown += Messages.Shown.size();
            qInfo("%s: %zu messages, %d modal windows driven%s", window, Shown, ModalsDriven,
                  qPrintable(more));
        }

        RandomInput Random;
        ScriptedMessenger Messages;
        CountingPump Pump;
        CountingBeeper Bell;
        FixedClock Time;
        RecordingPrintCanvas Printer;
        RandomChooser Choose{Random, Printer};
        NoHelp Help;
        QTimer ModalTimer;
        bool Driving = false;
        QStringList Unexpected;
        std::size_t Shown = 0;
        int ModalsDriven = 0;
        int Runs = 0;
        int PagesBack = 0;
        int Opened = 0;
    };

private slots:
    void initTestCase() {
        // The offscreen platform warns on every resize of a window; that says nothing here.
        static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
        qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (!text.contains("propagateSizeHints")) previous(type, context, text);
            });
        qInfo("seed %u, %d steps per window", Seed, Steps);
    }

    void SetUpWindowAndCourtCoding() {
        Harness h(Seed);
        auto state = std::make_unique<AppState>();
        WindowPorts ports{h.Messages, h.Pump, h.Bell, h.Time, h.Choose, h.Printer, h.Help};
        TSchemaForm form(*state, ports);
        TBanenDlg banen(*state, h.Messages, &form);
        form.SetBanenDlg(&banen);
        // A run on any evening ends soon: as if "S&top" was pressed after these candidates.
        form.CandidateLimit = 20'000;

        auto open = [&] {
            RandomClub(h.Random, *state, 60);
            TCfgRec& cfg = state->Configuration.Config.CfgRec;
            // The configuration as the configuration dialog leaves it, or as a damaged file may
            // give it.
            if (h.Random.Chance(70)) {
                cfg.NDubRonden = h.Random.Pick({2, 4, 12, 20});
                cfg.NMixRonden = h.Random.Pick({0, 2, 4});
                cfg.NBanen = static_cast<int16_t>(h.Random.Pick({3, 7, 32}));
            } else {
                cfg.NDubRonden = h.Random.Pick({0, 24, 30, -3, 2147483647});
                cfg.NMixRonden = h.Random.Pick({0, 6, 24, -1});
                cfg.NBanen = static_cast<int16_t>(h.Random.Pick({0, 40, -2, 32767}));
            }
            // Court warnings (1) pause the run half a second each: seldom, to keep the test short.
            cfg.Cfgflags = static_cast<uint16_t>(h.Random.Pick({0, 0, 0, 4, 4, 1}));
            state->Common.TodayDate =
                h.Random.Chance(80) ? "09-12-2026" : h.Random.Date().toStdString();
            ++h.Opened;
            if (!form.PrepareShow(h.Random.Chance(60) ? 1 : 2)) QVERIFY(form.PrepareShow(2));
            Activate(&form);
        };
        open();
        for (int step = 0; step < Steps; ++step) {
            if (!form.isVisible()) {
                form.AfterClose(form.result());
                open();
            }
            SetUpStep(h, form, *state);
            QVERIFY2(form.RndIndx >= 0 && form.RndIndx <= LastCourtPage,
                     qPrintable(QString("page %1").arg(form.RndIndx)));
            QVERIFY(!form.RunInProgress());
            h.Forget();
        }
        form.close();
        h.Report("set-up", QString(", opened %1 times, %2 runs, %3 proposals back to page 1")
                               .arg(h.Opened)
                               .arg(h.Runs)
                               .arg(h.PagesBack));
        QVERIFY2(h.Unexpected.isEmpty(), qPrintable(h.Unexpected.join(", ")));

        // The court coding dialog on its own, for any number of courts.
        for (int step = 0; step < Steps; ++step) {
            if (!banen.isVisible()) {
                state->Configuration.Config.CfgRec.NBanen =
                    static_cast<int16_t>(h.Random.Pick({0, 1, 9, 32, 33, -4, 32767, -32768}));
                banen.PrepareShow(h.Random.Pick({0, 9, 40, -1}));
                Activate(&banen);
            }
            h.BanenStep(banen);
        }
        banen.close();
        h.Report("set-up and court coding");
    }

    void OptionsWindow() {
        Harness h(Seed + 1);
        ScratchFolder folder;
        auto state = std::make_unique<AppState>();
        DefaultConfig(state->Common, state->Configuration);
        state->Members.MemberFileName = folder.Path("club.tvs");
        TOptiesForm form(*state, h.Messages, h.Choose, h.Printer);
        for (int step = 0; step < Steps; ++step) {
            if (!form.isVisible()) {
                h.Printer.PageWidthPixels = h.Random.Pick({2400, 1200, 4961});
                h.Printer.PrinterNames = h.Random.Chance(80)
                                             ? std::vector<std::string>{"Eerste", "Tweede"}
                                             : std::vector<std::string>{};
                form.PrepareShow(h.Random.Below(2));
                Activate(&form);
            }
            switch (h.Random.Below(10)) {
            case 0:
            case 1:
            case 2:
                TypeInto(h.Random, form.PersEdit(1 + h.Random.Below(5)), h.Random.Text());
                break;
            case 3:
            case 4:
            case 5:
                TypeInto(h.Random, form.MarginBox(h.Random.Below(4)), h.Random.Text());
                break;
            case 6:
                KeyOn(QApplication::focusWidget(), h.Random.FieldKey());
                break;
            case 7:
                form.PageControl->setCurrentIndex(h.Random.Below(2));
                break;
            case 8:
                Press(h.Random,
                      h.Random.Pick<QAbstractButton*>(
                          {form.PrinterBtn, form.FontBtn, form.WinfontBtn, form.Staand,
                           form.Liggend, form.PersData, form.PrintHead, form.PrintTitel}));
                break;
            default:
                Press(h.Random, h.Random.Pick<QAbstractButton*>({form.OkBtn, form.CancelBtn}));
            }
            h.Forget();
        }
        form.hide();
        h.Report("options");
        QVERIFY2(h.Unexpected.isEmpty(), qPrintable(h.Unexpected.join(", ")));
    }

    // The member dialog as the list operations open it, adding before and editing any row (also
    // rows that do not exist); the modal driver types and presses.
    void MemberDialog() {
        Harness h(Seed + 2);
        auto state = std::make_unique<AppState>();
        TNewLidDlg dialog(*state, h.Messages, h.Bell);
        RandomClub(h.Random, *state, 8);
        for (int session = 0; session < Steps / 10; ++session) {
            // The grid's current row: 0 without members.
            const int curr = h.Random.Below(state->Members.MemberCount + 1);
            if (h.Random.Chance(50))
                dialog.NewLidDlgCreate(curr);
            else
                dialog.EditLidDlgCreate(curr);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(static_cast<std::size_t>(state->Members.MemberCount),
                     state->Members.MemberList.size() - 1);
            h.Forget();
        }
        h.Report("member dialog",
                 QString(", %1 members at the end").arg(state->Members.MemberCount));
        QVERIFY2(h.Unexpected.isEmpty(), qPrintable(h.Unexpected.join(", ")));
    }

    void MemberGrid() {
        Harness h(Seed + 3);
        auto state = std::make_unique<AppState>();
        RandomClub(h.Random, *state, 30);
        TLedenGrid grid(*state, h.Messages, h.Bell, h.Time);
        TNewLidDlg dialog(*state, h.Messages, h.Bell, &grid);
        grid.SetMemberDialog(&dialog);
        grid.resize(620, 480);
        Activate(&grid);
        grid.OpenLedenInput();
        for (int step = 0; step < Steps; ++step) {
            GridStep(h, grid);
            QCOMPARE(static_cast<std::size_t>(state->Members.MemberCount),
                     state->Members.MemberList.size() - 1);
            QCOMPARE(grid.Grid->rowCount(), static_cast<int>(state->Members.MemberCount));
            h.Forget();
        }
        grid.hide();
        h.Report("member grid", QString(", %1 members at the end").arg(state->Members.MemberCount));
        QVERIFY2(h.Unexpected.isEmpty(), qPrintable(h.Unexpected.join(", ")));
    }

private:
    static void StartRun(Harness& h, TSchemaForm& form, AppState& state) {
        state.Store().Candidates = 0;
        Press(h.Random, form.StartSchemaBtn);
        if (state.Store().Candidates > 0) ++h.Runs;
    }

    static void SetUpStep(Harness& h, TSchemaForm& form, AppState& state) {
        RandomInput& r = h.Random;
        switch (r.Below(23)) {
        case 20:
        case 21:
        case 22: { // an evening, mostly one that can be proposed and computed
            const int members = std::max<int>(state.Members.MemberCount, 0);
            const int men = r.Below(std::min(members, 16) + 1);
            // Copies: the configuration record is packed.
            const int doubles = state.Configuration.Config.CfgRec.NDubRonden;
            const int mixed = state.Configuration.Config.CfgRec.NMixRonden;
            const int courts = state.Configuration.Config.CfgRec.NBanen;
            // A count is a fitting one, any number, or one that cancels another count.
            auto count = [&r](int fitting, int other) {
                const int kind = r.Below(20);
                if (kind < 16) return QString::number(fitting);
                if (kind < 18) return r.Number();
                return QString::number(-static_cast<long long>(other));
            };
            form.HerenEdit->setText(count(men, 0));
            form.DamesEdit->setText(count(r.Below(std::min(members - men, 16) + 1), men));
            form.TolvexEdit->setText(count(r.Below(std::clamp(doubles, 0, 20) + 1),
                                           r.Pick({2147483645, 2147483647, 1})));
            form.Mixedit->setText(count(r.Below(std::clamp(mixed, 0, 3) + 1), doubles));
            form.BanenEdit->setText(count(r.Below(std::clamp(courts, 0, 8) + 1), courts));
            form.Datumedit->setText("1-3-2027");
            Press(r, form.MoreBtn);
            if (r.Chance(40)) StartRun(h, form, state);
            break;
        }
        case 0:
        case 1:
        case 2:
        case 3:
        case 4: { // a count field or the date, often followed by Enter
            auto* edit = qobject_cast<QLineEdit*>(form.FieldOf(1 + r.Below(6)));
            TypeInto(r, edit, r.Text());
            if (r.Chance(60)) KeyOn(edit, r.FieldKey());
            break;
        }
        case 5:
        case 6:
        case 7: { // a cell of the court grid
            QLineEdit* cell = form.Cell(FirstCellTag + r.Below(LastCellTag - FirstCellTag + 1));
            TypeInto(r, cell, r.Chance(70) ? QString::number(r.Below(12)) : r.Text());
            if (r.Chance(60)) KeyOn(cell, r.FieldKey());
            break;
        }
        case 8:
        case 9:
        case 10: {
            const int before = form.RndIndx;
            Press(r, form.MoreBtn);
            if (form.BanenBox->isVisible() && before != 0 && form.RndIndx == 0) ++h.PagesBack;
            break;
        }
        case 11:
        case 19:
            StartRun(h, form, state);
            break;
        case 12:
        case 13:
            Press(r, r.Pick<QAbstractButton*>({form.Rondeplusbtn, form.RondeMinBtn}));
            break;
        case 14:
            Press(r, r.Pick<QAbstractButton*>(
                         {form.DameFirstBox, form.VariPairsBox, form.Groep1to2Box}));
            if (r.Chance(50)) KeyOn(QApplication::focusWidget(), Qt::Key_Return);
            break;
        case 15: {
            QSpinBox* spin = r.Chance(50) ? form.PauzeEdit1 : form.PauzeEdit2;
            if (spin->isVisible()) spin->setValue(r.Below(4));
            break;
        }
        case 16:
            KeyOn(QApplication::focusWidget(), r.FieldKey());
            break;
        case 17:
            if (r.Chance(30)) Press(r, r.Pick<QAbstractButton*>({form.SluitBtn, form.HelpSchbtn}));
            break;
        case 18:
            if (r.Chance(20)) form.close();
            if (r.Chance(20)) KeyOn(&form, Qt::Key_Escape);
            break;
        }
    }

    static void GridStep(Harness& h, TLedenGrid& grid) {
        RandomInput& r = h.Random;
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = focus && grid.isAncestorOf(focus) ? focus : grid.Grid;
        switch (r.Below(16)) {
        case 0:
        case 1:
        case 2: { // a click on a cell
            const int rows = grid.Grid->rowCount();
            if (rows == 0) break;
            const int row = r.Below(rows);
            const int column = r.Below(grid.Grid->columnCount());
            static_cast<QTableWidget*>(grid.Grid)->scrollTo(grid.Grid->model()->index(row, column));
            const QRect cell = grid.Grid->visualRect(grid.Grid->model()->index(row, column));
            if (cell.isValid())
                QTest::mouseClick(grid.Grid->viewport(), Qt::LeftButton, {}, cell.center());
            break;
        }
        case 3:
        case 4:
        case 5:
        case 6: { // typing into the current cell, then a key that ends or moves
            const QString text = r.Text().left(60);
            for (QChar c : text) {
                QWidget* now = QApplication::focusWidget();
                QWidget* into = now && grid.isAncestorOf(now) ? now : grid.Grid;
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(into, &press);
            }
            QWidget* now = QApplication::focusWidget();
            KeyOn(now && grid.isAncestorOf(now) ? now : grid.Grid, r.FieldKey());
            break;
        }
        case 7:
        case 8:
            KeyOn(target, r.Pick({Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Down,
                                  Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_F2,
                                  Qt::Key_Escape, Qt::Key_PageDown, Qt::Key_End}));
            break;
        case 9: // the list operations by their keys; F7 opens the member dialog
            KeyOn(target,
                  r.Pick({Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F7, Qt::Key_F7, Qt::Key_F8}));
            break;
        case 10:
            if (r.Chance(50))
                grid.TurvenBtnClick();
            else
                grid.Adres1Click();
            break;
        case 11:
            if (r.Chance(50))
                grid.SortSpdBtnClick();
            else
                grid.SortMembers(1 + r.Below(3));
            break;
        case 12:
            grid.ZoekSpdbtnClick();
            TypeInto(r, grid.ZoekEdit, r.Text().left(30));
            KeyOn(grid.ZoekEdit, r.Pick({Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab}));
            break;
        case 13:
            if (r.Chance(50))
                grid.GridToList();
            else
                grid.FormResize();
            break;
        case 14:
            if (r.Chance(40))
                grid.InsertBlankMember(grid.Row());
            else
                grid.DeleteMember(grid.Row());
            break;
        default:
            if (r.Chance(40))
                grid.EditMemberDialog(grid.Row());
            else
                grid.OpenLedenInput();
        }
    }
};

QTEST_MAIN(WindowInputRandomTest)
#include "window_input_random_test.moc"
