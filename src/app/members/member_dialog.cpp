#include "app/members/member_dialog.h"

#include "app/common/qt_text.h"
#include "core/common/error_report.h"
#include "core/members/member_fields.h"
#include "core/members/member_list_ops.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <exception>
#include <limits>

namespace {

// A box of the dialog: its object name, its label and the capacity of its record field.
struct FieldBox {
    const char* Name;
    const char* Label;
    int Capacity;
};

// Field number = index; the capacities of the record fields, 0 for the boxes whose text is
// trimmed before it is cut (club number, group, status): their blanks must not take up room.
constexpr std::array<FieldBox, TNewLidDlg::FieldCount + 1> FieldBoxes{{
    {"ClubIndex", "Index", 6},
    {"ClubNoEdit", "ClubNo", 0},
    {"VoorNaamEdit", "Voornaam", 24},
    {"AchterNaamEdit", "Achternaam", 40},
    {"GroepEdit", "Groep", 0},
    {"ActieEdit", "Status", 0},
    {"OpmerkEdit", "Opmerking", 32},
    {"AdresEdit", "Adres", 40},
    {"PostCodeEdit", "Postcode", 8},
    {"PlaatsEdit", "Plaats", 24},
    {"TelefoonEdit", "Telefoon", 12},
    {"EMailEdit", "E-Mail", 32},
}};

// Tab stores the box it leaves only in these boxes.
bool TabStores(int field) {
    return field <= 4 || field >= 8;
}

} // namespace

TNewLidDlg::TNewLidDlg(AppState& state, Messenger& messenger, Beeper& bell, QWidget* parent)
    : QDialog(parent)
    , State(state)
    , Msg(messenger)
    , Bell(bell) {
    setObjectName("NewLidDlg");
    setProperty("helpContext", 228);
    BuildControls();
}

void TNewLidDlg::BuildControls() {
    Koplabel = new QLabel(this);
    Koplabel->setObjectName("Koplabel");
    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* fields = new QGridLayout;
    for (int field = 0; field <= FieldCount; ++field) {
        auto* box = new QLineEdit(this);
        box->setObjectName(FieldBoxes[field].Name);
        if (FieldBoxes[field].Capacity > 0) box->setMaxLength(FieldBoxes[field].Capacity);
        box->setProperty("field", field);
        auto* label = new QLabel(FieldBoxes[field].Label, this);
        label->setBuddy(box);
        // Index and the member's own data on the left, the address data on the right.
        int column = field <= 6 ? 0 : 2;
        int row = field <= 6 ? field : field - 7;
        fields->addWidget(label, row, column);
        fields->addWidget(box, row, column + 1);
        if (field == 0) {
            ClubIndex = box;
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus);
            box->setStyleSheet("background: palette(window);");
        } else {
            Boxes[field] = box;
            box->installEventFilter(this);
        }
    }
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    ClubNoEdit = Boxes[1];
    VoorNaamEdit = Boxes[2];
    AchterNaamEdit = Boxes[3];
    GroepEdit = Boxes[4];
    ActieEdit = Boxes[5];
    OpmerkEdit = Boxes[6];
    AdresEdit = Boxes[7];
    PostCodeEdit = Boxes[8];
    PlaatsEdit = Boxes[9];
    TelefoonEdit = Boxes[10];
    EMailEdit = Boxes[11];

    StopKnop = new QPushButton("S&chrap", this);
    StopKnop->setObjectName("StopKnop");
    InvoegKnop = new QPushButton("&Voeg in", this);
    InvoegKnop->setObjectName("InvoegKnop");
    Herstelknop = new QPushButton("&Herstel", this);
    Herstelknop->setObjectName("Herstelknop");
    // No button is the default (Enter belongs to the boxes); Enter on a focused button presses
    // it (eventFilter).
    for (QPushButton* button : {StopKnop, InvoegKnop, Herstelknop}) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
    InvoegKnop->setProperty("helpContext", 308);
    StopKnop->setProperty("helpContext", 303);
    Herstelknop->setProperty("helpContext", 309);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(StopKnop);
    buttons->addWidget(InvoegKnop);
    buttons->addWidget(Herstelknop);

    auto* body = new QHBoxLayout;
    body->addWidget(picture);
    body->addLayout(fields, 1);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Koplabel);
    main->addLayout(body, 1);
    main->addLayout(buttons);

    QWidget* previous = Boxes[1];
    for (QWidget* next : {static_cast<QWidget*>(Boxes[2]), static_cast<QWidget*>(Boxes[3]),
                          static_cast<QWidget*>(Boxes[4]), static_cast<QWidget*>(Boxes[5]),
                          static_cast<QWidget*>(Boxes[6]), static_cast<QWidget*>(Boxes[7]),
                          static_cast<QWidget*>(Boxes[8]), static_cast<QWidget*>(Boxes[9]),
                          static_cast<QWidget*>(Boxes[10]), static_cast<QWidget*>(Boxes[11]),
                          static_cast<QWidget*>(StopKnop), static_cast<QWidget*>(InvoegKnop),
                          static_cast<QWidget*>(Herstelknop)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(InvoegKnop, &QPushButton::clicked, this, &TNewLidDlg::InvoegKnopClick);
    connect(StopKnop, &QPushButton::clicked, this, &TNewLidDlg::StopKnopClick);
    connect(Herstelknop, &QPushButton::clicked, this, &TNewLidDlg::HerstelknopClick);
}

void TNewLidDlg::InitLidFields(int index, bool add) {
    resize(630, 372);
    StopKnop->setEnabled(true);
    QFont dialogFont = font();
    dialogFont.setPointSize(State.Common.ScreenFontSize > 0 ? State.Common.ScreenFontSize : 10);
    setFont(dialogFont);
    if (add) {
        setWindowTitle("Nieuw Lid toevoegen");
        Koplabel->setText(" Invoeren van de velden van een Clublid");
        *WorkRec = TLidRec{};
        WorkRec->Indx = static_cast<uint16_t>(index + 1);
        WorkRec->ClubNo = static_cast<int16_t>(State.Members.MemberCount + 1);
        WorkRec->Groep = "h";
        WorkRec->StatCode = "-";
    } else {
        setWindowTitle("Gegevens bewerken");
        Koplabel->setText(" Wijzigen van de velden van een Clublid : ");
    }
    Koplabel->setFixedHeight(20);
}

void TNewLidDlg::ShowLidFields() {
    const TLidRec& rec = *WorkRec;
    ClubIndex->setText(QString::number(rec.Indx));
    ClubNoEdit->setText(QString::number(rec.ClubNo));
    VoorNaamEdit->setText(ToQt(rec.Voornaam.View()));
    AchterNaamEdit->setText(ToQt(rec.AchterNaam.View()));
    GroepEdit->setText(ToQt(rec.Groep.View()));
    ActieEdit->setText(ToQt(rec.StatCode.View()));
    OpmerkEdit->setText(ToQt(rec.Opmerking.View()));
    AdresEdit->setText(ToQt(rec.Adres.View()));
    PostCodeEdit->setText(ToQt(rec.PostCode.View()));
    PlaatsEdit->setText(ToQt(rec.Plaats.View()));
    TelefoonEdit->setText(ToQt(rec.Telefoon.View()));
    EMailEdit->setText(ToQt(rec.EMail.View()));
    HerstelRec = rec;
}

void TNewLidDlg::StoreLidField(int field) {
    if (field < 1 || field > FieldCount) return;
    TLidRec& rec = *WorkRec;
    std::string text = FromQt(Boxes[field]->text());
    switch (field) {
    case 1:
        if (!CheckClubNr(text)) {
            ReportError({Msg, State.Common.ErrorCode}, "Groep ", 0, 0, 5);
        } else if (auto number = ParseWholeNumber(text, std::numeric_limits<int16_t>::min(),
                                                  std::numeric_limits<int16_t>::max())) {
            rec.ClubNo = static_cast<int16_t>(*number);
        } else {
            Bell.Beep();
        }
        break;
    case 2:
        rec.Voornaam = text;
        break;
    case 3:
        rec.AchterNaam = text;
        break;
    case 4: {
        std::string group = TrimBlanks(text);
        if (CheckNewGroep(group, "-", State.Configuration.Config.CfgRec))
            rec.Groep = group;
        else
            ReportError({Msg, State.Common.ErrorCode}, "Groep ", 0, 5, 5);
        break;
    }
    case 5: {
        std::string status = TrimBlanks(UpperAscii(text));
        if (CheckNewStat(status))
            StoreStatusCode(rec, status);
        else
            ReportError({Msg, State.Common.ErrorCode}, "ActieStatus ", 0, 0, 5);
        break;
    }
    case 6:
        rec.Opmerking = text;
        break;
    case 7:
        rec.Adres = text;
        break;
    case 8:
        rec.PostCode = text;
        break;
    case 9:
        rec.Plaats = text;
        break;
    case 10:
        rec.Telefoon = text;
        break;
    case 11:
        rec.EMail = text;
        break;
    }
}

int TNewLidDlg::FieldOf(QObject* box) const {
    for (int field = 1; field <= FieldCount; ++field)
        if (Boxes[field] == box) return field;
    return 0;
}

void TNewLidDlg::FieldEnter(int field) {
    State.Common.ErrorCode = 0;
    StoreLidField(field);
    if (State.Common.ErrorCode != 0) return;
    if (field < FieldCount) {
        Boxes[field + 1]->setFocus(Qt::TabFocusReason);
        Boxes[field + 1]->selectAll();
    } else {
        InvoegKnop->setEnabled(true);
        InvoegKnop->setFocus(Qt::TabFocusReason);
    }
}

void TNewLidDlg::FieldTab(int field) {
    if (!TabStores(field)) return;
    State.Common.ErrorCode = 0;
    StoreLidField(field);
}

bool TNewLidDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        int field = FieldOf(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            if (button->isEnabled()) button->click();
            return true;
        }
        if (field != 0 && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            FieldEnter(field);
            return true;
        }
        if (field != 0 && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab))
            FieldTab(field); // the focus then moves on as usual, whatever the check said
    }
    return QDialog::eventFilter(watched, event);
}

void TNewLidDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && StopKnop->isEnabled()) {
        StopKnopClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TNewLidDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ClubNoEdit->setFocus(Qt::OtherFocusReason);
    ClubNoEdit->selectAll();
}

void TNewLidDlg::InvoegKnopClick() {
    for (int field = 1; field <= FieldCount; ++field) StoreLidField(field);
    Result = OutcomeVoegIn;
    accept();
}

void TNewLidDlg::StopKnopClick() {
    Result = OutcomeSchrap;
    reject();
}

void TNewLidDlg::HerstelknopClick() {
    *WorkRec = HerstelRec;
    ShowLidFields();
    ClubNoEdit->setFocus(Qt::OtherFocusReason);
}

bool TNewLidDlg::NewLidDlgCreate(int curr) {
    bool added = false;
    try {
        AddRec = TLidRec{};
        WorkRec = &AddRec;
        State.Common.ErrorCode = 0;
        Result = OutcomeNone;
        InitLidFields(curr, true);
        ShowLidFields();
        exec();
        if (Result == OutcomeVoegIn) {
            if (CheckDuplicate(State.Members, Msg, 0, AddRec.ClubNo, AddRec.Voornaam.View(),
                               AddRec.AchterNaam.View())) {
                AddMemberAt(State.Members, curr, AddRec);
                added = true;
            } else {
                State.Common.ErrorCode = 1;
            }
        } else if (Result != OutcomeSchrap) {
            State.Common.ErrorCode = 1;
        }
    } catch (const std::exception&) {
        Msg.Show("Toevoegen van record mislukt", KindFout, ButtonsOK);
    }
    WorkRec = &AddRec;
    return added;
}

bool TNewLidDlg::EditLidDlgCreate(int curr) {
    // Without a member at that position (no list shown, an empty list) there is nothing to edit.
    if (curr < 1 || curr > State.Members.MemberCount ||
        curr >= static_cast<int>(State.Members.MemberList.size())) {
        Msg.Show("Wijzigen van record mislukt", KindFout, ButtonsOK);
        return false;
    }
    try {
        WorkRec = &State.Members.MemberList[curr].LidRecord;
        Result = OutcomeNone;
        InitLidFields(curr, false);
        ShowLidFields();
        exec();
        if (Result == OutcomeVoegIn)
            CheckDuplicate(State.Members, Msg, curr, WorkRec->ClubNo, WorkRec->Voornaam.View(),
                           WorkRec->AchterNaam.View());
    } catch (const std::exception&) {
        Msg.Show("Wijzigen van record mislukt", KindFout, ButtonsOK);
    }
    WorkRec = &AddRec;
    return true;
}
