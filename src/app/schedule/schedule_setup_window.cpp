#include "app/schedule/schedule_setup_window.h"

#include "app/common/date_edit_adapter.h"
#include "app/common/enter_presses_button.h"
#include "app/common/form_scaling_adapter.h"
#include "app/common/qt_text.h"
#include "app/config/court_coding_dialog.h"
#include "core/common/date_edit.h"
#include "core/schedule/name_lists.h"
#include "core/schedule/schedule_setup.h"
#include "core/schedule/schedule_setup_fields.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, int tag,
                    QRect geometry) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setProperty("tag", tag);
    edit->setGeometry(geometry);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int help,
                        QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setProperty("helpContext", help);
    button->setGeometry(geometry);
    // Enter belongs to the fields' own routes, never to a default button.
    button->setAutoDefault(false);
    return button;
}

} // namespace

TSchemaForm::TSchemaForm(AppState& state, const WindowPorts& ports, QWidget* parent)
    : QDialog(parent)
    , State(state)
    , Ports(ports) {
    setObjectName("SchemaForm");
    setWindowTitle("Schema Opzet");
    setProperty("helpContext", 240);
    BuildControls();
    PressFocusedButtonsOnEnter(this);
    BuildFitControls();
    PasFormAan(this);
}

TSchemaForm::~TSchemaForm() = default;

void TSchemaForm::BuildControls() {
    resize(541, 540);
    struct CountField {
        QLineEdit*& Edit;
        const char* Name;
        const char* Label;
        const char* Text;
    };
    const CountField counts[] = {{HerenEdit, "HerenEdit", "Aantal heren", "24"},
                                 {DamesEdit, "DamesEdit", "Aantal dames", "24"},
                                 {TolvexEdit, "TolvexEdit", "Aantal tolvex", "4"},
                                 {Mixedit, "Mixedit", "Aantal mixtolvex", "2"},
                                 {BanenEdit, "BanenEdit", "Aantal banen", "10"}};
    int tag = 1;
    for (const CountField& f : counts) {
        const int top = 12 + 26 * (tag - 1);
        QLabel* label = MakeLabel(this, "", f.Label, QRect(20, top + 2, 120, 20));
        label->setObjectName(QString(f.Name).replace("Edit", "Label").replace("edit", "Label"));
        if (tag == 1) HerenLabel = label;
        if (tag == 2) DamesLabel = label;
        f.Edit = MakeEdit(this, f.Name, f.Text, tag, QRect(145, top, 60, 22));
        ++tag;
    }
    MakeLabel(this, "DatumLabel", "Speel-datum", QRect(250, 14, 90, 20));
    Datumedit = MakeEdit(this, "Datumedit", "24-10-2001", 6, QRect(345, 12, 100, 22));
    Datumedit->setToolTip("Speeldatum");
    MoreBtn = MakeButton(this, "MoreBtn", "&Meer", 312, QRect(345, 44, 100, 28));
    MoreBtn->setProperty("tag", 7);
    MoreBtn->setToolTip("Voor het selecteren van de banen en starten");

    FoutregelLabel = MakeLabel(this, "FoutregelLabel", "Te weinig banen", QRect(250, 84, 270, 44));
    FoutregelLabel->setWordWrap(true);
    FoutregelLabel->setAutoFillBackground(true);
    FoutregelLabel->setStyleSheet(
        "QLabel { color: red; background-color: aqua; font-weight: bold; }");
    FoutregelLabel->hide();

    BanenBox = new QGroupBox("Banen Indeling", this);
    BanenBox->setObjectName("BanenBox");
    BanenBox->setProperty("helpContext", 241);
    BanenBox->setGeometry(20, 150, width() - 40, 300);
    MakeLabel(BanenBox, "BaanschemaLabel", "Baanschema :", QRect(40, 20, 90, 18));
    HerenHeading = MakeLabel(BanenBox, "HerenHeading", "Heren", QRect(145, 20, 60, 18));
    DamesHeading = MakeLabel(BanenBox, "DamesHeading", "Dames", QRect(205, 20, 60, 18));
    GemengdHeading = MakeLabel(BanenBox, "GemengdHeading", "Gemengd", QRect(265, 20, 75, 18));
    BuildCourtGrid();

    const int buttonLeft = BanenBox->width() * 4 / 5;
    StartSchemaBtn =
        MakeButton(BanenBox, "StartSchemaBtn", "&Start", 243, QRect(buttonLeft, 45, 80, 28));
    StartSchemaBtn->setToolTip("Start berekening");
    StopSchemaBtn =
        MakeButton(BanenBox, "StopSchemaBtn", "S&top", 243, QRect(buttonLeft, 85, 80, 28));
    StopSchemaBtn->setEnabled(false);

    SpelOpties = new QGroupBox("SpelOpties", BanenBox);
    SpelOpties->setObjectName("SpelOpties");
    SpelOpties->setGeometry(10, 200, 225, 85);
    DameFirstBox = new QCheckBox("Dames op de 1e banen", SpelOpties);
    VariPairsBox = new QCheckBox("Steeds ander begin paren", SpelOpties);
    Groep1to2Box = new QCheckBox("Groep 1 tegen Groep 2", SpelOpties);
    Groep1to2Box->setProperty("helpContext", 341);
    tag = 8;
    for (QCheckBox* box : {DameFirstBox, VariPairsBox, Groep1to2Box}) {
        box->setObjectName(tag == 8 ? "DameFirstBox" : tag == 9 ? "VariPairsBox" : "Groep1to2Box");
        box->setProperty("tag", tag);
        box->setGeometry(10, 20 + 21 * (tag - 8), 205, 20);
        ++tag;
    }

    ZitPauzes = new QGroupBox("ZitPauzes", BanenBox);
    ZitPauzes->setObjectName("ZitPauzes");
    ZitPauzes->setProperty("helpContext", 241);
    ZitPauzes->setGeometry(254, 200, 225, 85);
    MakeLabel(ZitPauzes, "Pauze1Label", "Pauzes voor 3 X spelen", QRect(10, 24, 150, 20));
    MakeLabel(ZitPauzes, "Pauze2Label", "Pauzes voor 2 X spelen", QRect(10, 52, 150, 20));
    PauzeEdit1 = new QSpinBox(ZitPauzes);
    PauzeEdit2 = new QSpinBox(ZitPauzes);
    tag = 1;
    for (QSpinBox* spin : {PauzeEdit1, PauzeEdit2}) {
        spin->setObjectName(tag == 1 ? "PauzeEdit1" : "PauzeEdit2");
        spin->setProperty("tag", tag);
        spin->setRange(0, 3);
        spin->setGeometry(165, 22 + 28 * (tag - 1), 45, 22);
        connect(spin, &QSpinBox::valueChanged, this, [this, tag] { PauzeEdit1Change(tag); });
        ++tag;
    }

    RekenTxtMemo = new QPlainTextEdit(BanenBox);
    RekenTxtMemo->setObjectName("RekenTxtMemo");
    RekenTxtMemo->setReadOnly(true);
    RekenTxtMemo->setFocusPolicy(Qt::NoFocus);
    RekenTxtMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RekenTxtMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RekenTxtMemo->setStyleSheet("QPlainTextEdit { background-color: lime; }");
    RekenTxtMemo->setGeometry(135, 200, 340, 25);
    RekenTxtMemo->hide();

    VoortgangLabel = MakeLabel(this, "VoortgangLabel", "Voortgang", QRect(20, 458, 75, 20));
    RekenProgress = new QProgressBar(this);
    RekenProgress->setObjectName("RekenProgress");
    RekenProgress->setToolTip("Toont de voortgang van het rekenproces");
    RekenProgress->setGeometry(100, 458, 420, 20);
    RekenProgress->setTextVisible(false);

    BottomPanel = new QWidget(this);
    BottomPanel->setObjectName("BottomPanel");
    BottomPanel->setGeometry(0, 490, width(), 50);
    SluitBtn = MakeButton(BottomPanel, "SluitBtn", "&OK", 301, QRect(20, 10, 90, 30));
    HelpSchbtn = MakeButton(BottomPanel, "HelpSchbtn", "&Help", 240, QRect(120, 10, 90, 30));
    RondeMinBtn = MakeButton(BottomPanel, "RondeMinBtn", "Ronde -", 244, QRect(330, 10, 90, 30));
    Rondeplusbtn = MakeButton(BottomPanel, "Rondeplusbtn", "Ronde +", 244, QRect(430, 10, 90, 30));

    DelayTimer = new QTimer(this);
    DelayTimer->setObjectName("DelayTimer");
    DelayTimer->setSingleShot(true);

    connect(MoreBtn, &QPushButton::clicked, this, &TSchemaForm::MoreBtnClick);
    connect(StartSchemaBtn, &QPushButton::clicked, this, &TSchemaForm::StartSchemaBtnClick);
    connect(StopSchemaBtn, &QPushButton::clicked, this, &TSchemaForm::StopSchemaBtnClick);
    connect(SluitBtn, &QPushButton::clicked, this, &TSchemaForm::SluitBtnClick);
    connect(HelpSchbtn, &QPushButton::clicked, this,
            [this] { Ports.Help.ShowContext(HelpSchbtn->property("helpContext").toInt()); });
    connect(Rondeplusbtn, &QPushButton::clicked, this, [this] { ChangeCourtPage(1); });
    connect(RondeMinBtn, &QPushButton::clicked, this, [this] { ChangeCourtPage(-1); });

    for (QWidget* field : std::initializer_list<QWidget*>{HerenEdit, DamesEdit, TolvexEdit, Mixedit,
                                                          BanenEdit, Datumedit, MoreBtn,
                                                          DameFirstBox, VariPairsBox, Groep1to2Box})
        field->installEventFilter(this);
    setTabOrder(HerenEdit, DamesEdit);
    setTabOrder(DamesEdit, TolvexEdit);
    setTabOrder(TolvexEdit, Mixedit);
    setTabOrder(Mixedit, BanenEdit);
    setTabOrder(BanenEdit, Datumedit);
    setTabOrder(Datumedit, MoreBtn);
}

void TSchemaForm::BuildCourtGrid() {
    QWidget* previous = nullptr;
    for (int column = 1; column <= GridColumns; ++column) {
        for (int row = 1; row <= GridRows; ++row) {
            const int tag = CellTag(row, column);
            QLineEdit* cell =
                MakeEdit(BanenBox, "", "0", tag, QRect(60 * column + 85, 23 * row + 22, 40, 22));
            cell->setObjectName(QString("Nbaan%1").arg(tag));
            cell->installEventFilter(this);
            Nbaan[row - 1][column - 1] = cell;
            if (previous) setTabOrder(previous, cell);
            previous = cell;
        }
    }
    for (int row = 1; row <= GridRows; ++row) {
        NRonde[row - 1] = MakeLabel(BanenBox, "", "Ronde " + QString::number(row),
                                    QRect(40, 23 * row + 24, 63, 18));
        NRonde[row - 1]->setObjectName(QString("NRonde%1").arg(row));
    }
}

QLineEdit* TSchemaForm::Cell(int tag) const {
    if (!IsCellTag(tag)) return nullptr;
    return Nbaan[CellRow(tag) - 1][CellColumn(tag) - 1];
}

QWidget* TSchemaForm::FieldOf(int tag) const {
    switch (tag) {
    case 1:
        return HerenEdit;
    case 2:
        return DamesEdit;
    case 3:
        return TolvexEdit;
    case 4:
        return Mixedit;
    case 5:
        return BanenEdit;
    case 6:
        return Datumedit;
    case 7:
        return MoreBtn;
    case 8:
        return DameFirstBox;
    case 9:
        return VariPairsBox;
    case 10:
        return Groep1to2Box;
    default:
        return Cell(tag);
    }
}

int TSchemaForm::TagOf(const QObject* control) const {
    return control ? control->property("tag").toInt() : 0;
}

bool TSchemaForm::CellVisible(int tag) const {
    QLineEdit* cell = Cell(tag);
    return Banengekozen && cell && cell->isEnabled() && !cell->isHidden();
}

// --- Opening and closing --------------------------------------------------------------------

void TSchemaForm::SchemaOpzet(int nr) {
    if (!PrepareShow(nr)) return;
    AfterClose(exec());
}

bool TSchemaForm::PrepareShow(int nr) {
    ScheduleStore& store = State.Store();
    ScheduleParams& params = store.Params;
    const TCfgRec& cfg = State.Configuration.Config.CfgRec;
    State.Common.ErrorCode = 0;
    QFont windowFont = font();
    windowFont.setPointSize(State.Common.ScreenFontSize);
    setFont(windowFont);
    HideReasonList();
    resize(541, 540);
    for (QWidget* w :
         std::initializer_list<QWidget*>{BanenBox, RekenTxtMemo, FoutregelLabel, RekenProgress,
                                         VoortgangLabel, Rondeplusbtn, RondeMinBtn})
        w->hide();
    StopSchemaBtn->setEnabled(false);
    StopSchemaBtn->show();
    PendingResult.reset();
    MemoLines = {};

    // The court codes start from plain numbering; the dialog lets the organiser give others.
    State.Common.BaanCode = CommonState::IdentityCourtCodes();
    if ((cfg.Cfgflags & CfgCourtCoding) != 0 && BanenDlg)
        BanenDlg->BanenDlgCreate(nr < 2 ? cfg.NBanen : params.NBanen);

    if (nr < 2) {
        params.NHeren = 0;
        params.NDames = 0;
        params.NDubRonden = cfg.NDubRonden;
        params.NMixRonden = cfg.NMixRonden;
        params.NBanen = cfg.NBanen;
        store.CourtsMixed.fill(0);
        const CalendarDate today = Ports.Time.Today();
        const auto date = ParseDateText(State.Common.TodayDate.View(), today);
        params.SpeelDatum = SerialDate(date ? *date : today);
        params.PairingOptions = PairVary;
        params.PauseOptions = 0;
    }
    // A schedule with pairs keeps the previous date; before the first set-up there is none.
    if (params.SpeelDatum == 0) params.SpeelDatum = SerialDate(Ports.Time.Today());
    if (!OpenScheduleSetup(State.Common, State.Configuration, State.Members, State.Store(), nr,
                           Ports.Msg, Ports.Bell))
        return false;

    // The labels follow the group codes (OpenScheduleSetup set them in the store).
    const auto& grpn = cfg.Grpn;
    const bool men = ToQt(grpn[0].View()).trimmed().toUpper() == "H";
    const bool women = ToQt(grpn[1].View()).trimmed().toUpper() == "D";
    HerenLabel->setText(men ? "Aantal heren" : ToQt(store.GroupLabel[0].View()));
    DamesLabel->setText(women ? "Aantal dames" : ToQt(store.GroupLabel[1].View()));
    HerenHeading->setText(men ? QString("Heren") : ("Groep " + ToQt(grpn[0].View())).left(9));
    DamesHeading->setText(women ? QString("Dames") : ("Groep " + ToQt(grpn[1].View())).left(9));
    if (OnGroupLabels) OnGroupLabels();

    ShowCountFields();
    Datumedit->setText(ToQt(ShortDateText(DateOfSerial(params.SpeelDatum))));

    store.RunBlocked = true;
    Banengekozen = false;
    Sluit = false;
    store.CourtsMen.fill(0);
    store.CourtsWomen.fill(0);
    store.CourtsMixed.fill(0);
    params.PageCourtsMen.fill(0);
    params.PageCourtsWomen.fill(0);
    params.PageCourtsMixed.fill(0);
    HelpSchbtn->setProperty("helpContext", 240 + nr);
    RndIndx = 0;
    DameFirstBox->setChecked((params.PairingOptions & PairLadiesFirst) != 0);
    VariPairsBox->setChecked((params.PairingOptions & PairVary) != 0);
    Groep1to2Box->setChecked((params.PairingOptions & PairGroupAgainstGroup) != 0);
    for (auto& row : Nbaan)
        for (QLineEdit* cell : row) cell->setText("0");
    SetFieldsLocked(false);
    return true;
}

void TSchemaForm::ShowCountFields() {
    const ScheduleParams& params = State.Store().Params;
    HerenEdit->setText(QString::number(params.NHeren));
    DamesEdit->setText(QString::number(params.NDames));
    TolvexEdit->setText(QString::number(params.NDubRonden));
    Mixedit->setText(QString::number(params.NMixRonden));
    BanenEdit->setText(QString::number(params.NBanen));
}

void TSchemaForm::AfterClose(int result) {
    ScheduleStore& store = State.Store();
    if (result == QDialog::Accepted) {
        ComputingText(true, false);
        store.RunBlocked = false;
        if (OnScheduleAccepted) OnScheduleAccepted();
        if (OnFocusMain) OnFocusMain();
    } else if (result == StoppedResult) {
        ComputingText(true, false);
        store.RunBlocked = false;
    } else {
        Ports.Msg.Show("Berekening gestopt", KindInformatie, ButtonsOK);
        if (OnFocusMain) OnFocusMain();
    }
}

void TSchemaForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    HerenEdit->setFocus();
}

void TSchemaForm::SluitBtnClick() {
    if (Running) return;
    Sluit = true;
    done(QDialog::Accepted);
}

bool TSchemaForm::FormCloseQuery() {
    if (Sluit) return true;
    const int answer =
        Ports.Msg.Show("Wilt u niet verder rekenen kies dan \"Nee\"", KindBevestig, ButtonsJaNee);
    return answer != ResultYes;
}

void TSchemaForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (FormCloseQuery()) Finish(QDialog::Rejected);
}

// Esc anywhere in the window asks the run to stop; while "S&top" is there it is pressed too, as
// the window's cancel button.
void TSchemaForm::reject() {
    State.Common.StopKey = 27;
    if (StopSchemaBtn->isEnabled() && StopSchemaBtn->isVisible()) StopSchemaBtn->click();
}

// A window that closes while a run is in progress closes once the run has ended.
void TSchemaForm::Finish(int result) {
    if (Running) {
        State.Common.StopKey = 27;
        PendingResult = result;
        return;
    }
    done(result);
}

// --- Fields ---------------------------------------------------------------------------------

bool TSchemaForm::TakeField(int tag) {
    ScheduleParams& params = State.Store().Params;
    if ((tag >= 1 && tag <= 5) || IsCellTag(tag)) {
        auto* edit = qobject_cast<QLineEdit*>(FieldOf(tag));
        const TakeResult result =
            TakeNumberField({Ports.Msg, State.Common.ErrorCode}, State.Configuration, State.Members,
                            State.Store(), Ports.Bell, tag, FromQt(edit->text()));
        if (result != TakeResult::NotNumber) return true;
        // The text stays for the user to correct.
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    if (tag == 6) {
        if (!NormaliseDateEdit(State, Ports.Msg, Ports.Time, Datumedit)) return false;
        if (State.Common.ErrorCode != 0) return false;
        const auto date = ParseDateText(FromQt(Datumedit->text()), Ports.Time.Today());
        if (date) params.SpeelDatum = SerialDate(*date);
        return true;
    }
    if (tag >= 8 && tag <= 10) {
        const uint16_t bit = static_cast<uint16_t>(1u << (tag - 8));
        const bool ticked = static_cast<QCheckBox*>(FieldOf(tag))->isChecked();
        params.PairingOptions = static_cast<uint16_t>(ticked ? params.PairingOptions | bit
                                                             : params.PairingOptions & ~bit);
    }
    return true;
}

void TSchemaForm::MoreBtnClick() {
    if (Running) return;
    ScheduleStore& store = State.Store();
    ScheduleParams& params = store.Params;
    const std::array<QLineEdit*, 5> counts{HerenEdit, DamesEdit, TolvexEdit, Mixedit, BanenEdit};
    std::array<std::string, 5> texts;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        QLineEdit* edit = counts[i];
        texts[i] = FromQt(edit->text());
        if (!WholeNumber(texts[i])) {
            Ports.Msg.Show("'" + texts[i] + "' is geen geldig geheel getal", KindFout, ButtonsOK);
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    if (!NormaliseDateEdit(State, Ports.Msg, Ports.Time, Datumedit)) return;
    if (!TakeCountsForMore(texts)) return;
    if (const auto date = ParseDateText(FromQt(Datumedit->text()), Ports.Time.Today()))
        params.SpeelDatum = SerialDate(*date);

    if (!Banengekozen) {
        BanenBox->show();
        DameFirstBox->setChecked((params.PairingOptions & PairLadiesFirst) != 0);
        Groep1to2Box->setChecked((params.PairingOptions & PairGroupAgainstGroup) != 0);
        Banengekozen = true;
    }
    // Rounds beyond the new counts keep no courts of an earlier proposal.
    store.CourtsMen.fill(0);
    store.CourtsWomen.fill(0);
    store.CourtsMixed.fill(0);
    DefaultCourts(State.Store(), Ports.Bell, *this);
    // The columns follow the counts of every press, so that a group added after the first press
    // gets its courts on screen too.
    const std::array<bool, 3> plays{params.NHeren > 0, params.NDames > 0, params.NMixRonden > 0};
    for (auto& row : Nbaan)
        for (int column = 0; column < GridColumns; ++column) {
            row[column]->setVisible(plays[column]);
            row[column]->setEnabled(plays[column]);
        }
    HerenHeading->setVisible(plays[0]);
    DamesHeading->setVisible(plays[1]);
    GemengdHeading->setVisible(plays[2]);
    // A new proposal starts on its first page, which every count of rounds has.
    RndIndx = 0;
    ::ShowCourtPage(store, RndIndx);
    ShowCourtPageOnScreen();
    if (params.NHeren == 0 || params.NDames == 0)
        params.PairingOptions = static_cast<uint16_t>(params.PairingOptions & ~PairLadiesFirst);
    {
        const QSignalBlocker block1(PauzeEdit1), block2(PauzeEdit2);
        const int three = params.PauseOptions & 3;
        const int two = params.PauseOptions & 12;
        PauzeEdit1->setValue(three <= 2 ? three : 0);
        PauzeEdit2->setValue(two == 4 ? 1 : two == 8 ? 2 : 0);
    }
    ShowRoundButtons();
    FocusCell(params.NHeren >= 1 ? CellTag(1, 1) : CellTag(1, 2));
}

// The counts are taken with their checks; a wrong one keeps "&Meer" from proposing, and its text
// stays selected in its field for the user to correct.
bool TSchemaForm::TakeCountsForMore(const std::array<std::string, 5>& texts) {
    const int wrong = TakeCountFields({Ports.Msg, State.Common.ErrorCode}, State.Configuration,
                                      State.Members, State.Store(), Ports.Bell, texts);
    if (wrong == 0) return true;
    auto* edit = qobject_cast<QLineEdit*>(FieldOf(wrong));
    edit->setFocus();
    edit->selectAll();
    return false;
}

void TSchemaForm::ShowRoundButtons() {
    const bool pages = State.Store().NumRounds > GridRows;
    Rondeplusbtn->setVisible(pages);
    RondeMinBtn->setVisible(pages);
}

void TSchemaForm::ShowCourtPageOnScreen() {
    const ScheduleParams& params = State.Store().Params;
    for (int row = 1; row <= GridRows; ++row) {
        NRonde[row - 1]->setText("ronde " + QString::number(GridRows * RndIndx + row));
        Nbaan[row - 1][0]->setText(QString::number(params.PageCourtsMen[row]));
        Nbaan[row - 1][1]->setText(QString::number(params.PageCourtsWomen[row]));
        Nbaan[row - 1][2]->setText(QString::number(params.PageCourtsMixed[row]));
    }
}

void TSchemaForm::ChangeCourtPage(int d) {
    if (Running || !Banengekozen) return;
    // What was typed on this page is kept: its cells are taken before the page goes.
    for (int tag = FirstCellTag; tag <= LastCellTag; ++tag)
        if (CellVisible(tag) && !TakeField(tag)) return;
    ::SaveCourtPage(State.Store(), RndIndx);
    RndIndx = MovedCourtPage(RndIndx, d);
    ::ShowCourtPage(State.Store(), RndIndx);
    ShowCourtPageOnScreen();
}

void TSchemaForm::PauzeEdit1Change(int tag) {
    ScheduleParams& params = State.Store().Params;
    if (tag == 1)
        params.PauseOptions =
            static_cast<uint16_t>(PauzeEdit1->value() + (params.PauseOptions & 12));
    else
        params.PauseOptions =
            static_cast<uint16_t>(4 * PauzeEdit2->value() + (params.PauseOptions & 3));
}

void TSchemaForm::FocusCell(int tag) {
    if (CellVisible(tag)) Cell(tag)->setFocus();
}

// --- Keys -----------------------------------------------------------------------------------

bool TSchemaForm::HerenEditKeyPress(QWidget* sender, int key) {
    const int tag = TagOf(sender);
    if (key == Qt::Key_Escape) {
        State.Common.StopKey = 27;
        return false; // the window's cancel button follows
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (Running) return true; // no field changes while a run uses them
    if (tag == 7) {
        MoreBtn->click();
        return true;
    }
    State.Common.ErrorCode = 0;
    if (!TakeField(tag) || State.Common.ErrorCode != 0) return tag < 10;
    if (tag >= 1 && tag <= 9) {
        FieldOf(EnterTarget(tag))->setFocus();
    } else if (IsCellTag(tag)) {
        const int next = EnterTarget(tag);
        if (CellVisible(next))
            Cell(next)->setFocus();
        else
            StartSchemaBtn->setFocus();
    }
    return tag < 10;
}

bool TSchemaForm::HerenEditKeyDown(QWidget* sender, int key) {
    const int tag = TagOf(sender);
    if (tag != 1 && !IsCellTag(tag)) return false;
    switch (key) {
    case Qt::Key_Down: {
        const int next = DownTarget(tag);
        if (next < 0) {
            StartSchemaBtn->setFocus();
            FocusCell(FirstCellTag);
        } else {
            FocusCell(next);
        }
        return true;
    }
    case Qt::Key_Up:
        FocusCell(UpTarget(tag));
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (IsCellTag(tag) && State.Store().NumRounds > GridRows)
            ChangeCourtPage(key == Qt::Key_PageUp ? -1 : 1);
        return IsCellTag(tag);
    default:
        return false;
    }
}

bool TSchemaForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (HerenEditKeyDown(widget, key)) return true;
        if (HerenEditKeyPress(widget, key)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TSchemaForm::SetFieldsLocked(bool locked) {
    for (QLineEdit* edit : {HerenEdit, DamesEdit, TolvexEdit, Mixedit, BanenEdit, Datumedit})
        edit->setReadOnly(locked);
    for (auto& row : Nbaan)
        for (QLineEdit* cell : row) cell->setReadOnly(locked);
    for (QWidget* w : std::initializer_list<QWidget*>{
             MoreBtn, StartSchemaBtn, SluitBtn, RondeMinBtn, Rondeplusbtn, SpelOpties, ZitPauzes})
        w->setEnabled(!locked);
}
