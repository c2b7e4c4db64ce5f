#include "app/config/config_dialog.h"

#include "app/common/form_scaling_adapter.h"
#include "core/common/error_report.h"
#include "core/common/file_error_report.h"
#include "core/common/windows1252.h"
#include "core/config/config_dialog_fields.h"
#include "core/config/config_file.h"
#include "core/members/member_file.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct FieldText {
    const char* Label;
    const char* Tooltip;
};

// Fields 1..8: label and tooltip.
const FieldText FieldTexts[8] = {
    {"Clubnaam", "Naam van de vereniging"},
    {"Aantal leden", "Grootte van de club"},
    {"Aantal ronden Tolvex", "Totaal aantal tolvex"},
    {"Aantal ronden Mix", "Totaal aantal gemengde tolvex"},
    {"Aantal banen", "Aantal beschikbare banen"},
    {"Aanduiding Groep1", "Groepaanduiding (Heren)"},
    {"Aanduiding Groep2", "Groepaanduiding (Dames)"},
    {"Aantal Matches", "Aantal matches voor tee"},
};

QString ToQt(const std::string& bytes) {
    return QString::fromStdString(Windows1252ToUtf8(bytes));
}
std::string FromQt(const QString& text) {
    return Utf8ToWindows1252(text.toStdString());
}

QCheckBox* MakeBox(QWidget* parent, const char* name, const char* caption, const char* tooltip,
                   int field) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(QString::fromUtf8(tooltip));
    box->setProperty("Tag", field);
    return box;
}

} // namespace

TConfigDial::TConfigDial(AppState& state, Messenger& messenger, Beeper& bell, QWidget* parent)
    : QDialog(parent)
    , State(state)
    , Msg(messenger)
    , Bell(bell) {
    setObjectName("ConfigDial");
    setWindowTitle("Sleutel gegevens");
    setProperty("helpContext", 271);

    auto* fields = new QGridLayout;
    for (int f = 1; f <= 8; ++f) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString("Edit%1").arg(f));
        edit->setToolTip(QString::fromUtf8(FieldTexts[f - 1].Tooltip));
        edit->setProperty("Tag", f);
        edit->installEventFilter(this);
        auto* label = new QLabel(QString::fromUtf8(FieldTexts[f - 1].Label), this);
        label->setBuddy(edit);
        Edits[f - 1] = edit;
        Labels[f - 1] = label;
        fields->addWidget(label, f - 1, 0);
        fields->addWidget(edit, f - 1, 1);
    }
    Edit(FieldClubNaam)->setMaxLength(32);
    AantalMatchLab = Labels[7];
    AantalMatchLab->setObjectName("AantalMatchLab");

    Hulppanel = new QFrame(this);
    Hulppanel->setObjectName("Hulppanel");
    Hulppanel->setFrameShape(QFrame::StyledPanel);
    GamesBox = MakeBox(Hulppanel, "GamesBox", "Aantal games of sets bijhouden",
                       "Aantalgames voor Matchberekening", FieldGames);
    VeelWeinigBox = MakeBox(Hulppanel, "VeelWeinigBox", "Waarschuwen bij teveel of teweinig banen",
                            "Waarschuwing tijdens Schemaberekening", FieldVeelWeinig);
    HelpmessBox = MakeBox(Hulppanel, "HelpmessBox", "Voortgang-berichten tonen",
                          "Berichten tijdens de berekening van de banen", FieldHelpmess);
    BaancodeBox = MakeBox(Hulppanel, "BaancodeBox", "Baancodering actief",
                          "Banen aangeven met andere nummering ", FieldBaancode);
    auto* boxes = new QVBoxLayout(Hulppanel);
    for (QCheckBox* box : {GamesBox, VeelWeinigBox, HelpmessBox, BaancodeBox})
        boxes->addWidget(box);

    OKBtn1 = new QPushButton("O&k", this);
    OKBtn1->setObjectName("OKBtn1");
    OKBtn1->setProperty("helpContext", 301);
    CancelBtn1 = new QPushButton("Cancel", this);
    CancelBtn1->setObjectName("CancelBtn1");
    CancelBtn1->setProperty("helpContext", 303);
    // Enter belongs to the fields: it must never press a button by default. Enter on a focused
    // button presses that button (eventFilter).
    for (QPushButton* b : {OKBtn1, CancelBtn1}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->installEventFilter(this);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn1);
    buttons->addWidget(CancelBtn1);

    auto* main = new QVBoxLayout(this);
    main->addLayout(fields);
    main->addWidget(Hulppanel);
    main->addLayout(buttons);

    QWidget* previous = Edits[0];
    for (QWidget* next : {static_cast<QWidget*>(Edits[1]), static_cast<QWidget*>(Edits[2]),
                          static_cast<QWidget*>(Edits[3]), static_cast<QWidget*>(Edits[4]),
                          static_cast<QWidget*>(Edits[5]), static_cast<QWidget*>(Edits[6]),
                          static_cast<QWidget*>(Edits[7]), static_cast<QWidget*>(OKBtn1),
                          static_cast<QWidget*>(CancelBtn1), static_cast<QWidget*>(GamesBox),
                          static_cast<QWidget*>(VeelWeinigBox), static_cast<QWidget*>(HelpmessBox),
                          static_cast<QWidget*>(BaancodeBox)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    PasFormAan(this);

    connect(GamesBox, &QCheckBox::clicked, this, [this] { GamesBoxClick(); });
    connect(OKBtn1, &QPushButton::clicked, this, [this] { OKBtn1Click(); });
    connect(CancelBtn1, &QPushButton::clicked, this, [this] { CancelBtn1Click(); });
}

bool TConfigDial::PrepareShow(bool nieuw) {
    if (!PrepareConfigDial(State.Common, State.Configuration, Msg, nieuw,
                           State.Members.MemberListLoaded))
        return false;
    FillControls();
    MatchChangedFlag = false;
    resize(530, 440);
    return true;
}

void TConfigDial::OpenConfigDial(bool nieuw) {
    if (!PrepareShow(nieuw)) return;
    State.Configuration.ConfigOK = exec() == QDialog::Accepted;
}

void TConfigDial::FillControls() {
    for (int f = FieldClubNaam; f <= FieldGroep2; ++f)
        Edit(f)->setText(ToQt(ConfigFieldText(State.Configuration, f)));
    const TCfgRec& cfg = State.Configuration.Config.CfgRec;
    const bool counting = (cfg.Telling & 1) != 0;
    GamesBox->setChecked(counting);
    Edit(FieldNMatches)
        ->setText(counting ? ToQt(ConfigFieldText(State.Configuration, FieldNMatches)) : QString());
    SetMatchFieldEnabled(counting);
    VeelWeinigBox->setChecked((cfg.Cfgflags & CfgWarnCourts) != 0);
    HelpmessBox->setChecked((cfg.Cfgflags & CfgShowProgress) != 0);
    BaancodeBox->setChecked((cfg.Cfgflags & CfgCourtCoding) != 0);
}

void TConfigDial::SetMatchFieldEnabled(bool enabled) {
    Edit(FieldNMatches)->setEnabled(enabled);
    AantalMatchLab->setEnabled(enabled);
}

void TConfigDial::CheckConfigField(int field, bool check) {
    switch (field) {
    case FieldGames:
        CheckGamesField(State.Configuration, GamesBox->isChecked(), MatchChangedFlag);
        return;
    case FieldVeelWeinig:
        CheckOptionField(State.Configuration, field, VeelWeinigBox->isChecked());
        return;
    case FieldHelpmess:
        CheckOptionField(State.Configuration, field, HelpmessBox->isChecked());
        return;
    case FieldBaancode:
        CheckOptionField(State.Configuration, field, BaancodeBox->isChecked());
        return;
    default:
        break;
    }
    if (field < FieldClubNaam || field > FieldNMatches) return;
    CheckConfigTextField(State.Common, State.Configuration, Msg, Bell, field,
                         FromQt(Edit(field)->text()), check);
}

void TConfigDial::Edit1KeyPress(int field) {
    State.Common.ErrorCode = 0;
    CheckConfigField(field, true);
    if (State.Common.ErrorCode != 0) return;
    if (field < FieldGroep2)
        Edit(field + 1)->setFocus();
    else if (field == FieldGroep2 && Edit(FieldNMatches)->isEnabled())
        Edit(FieldNMatches)->setFocus();
    else
        GamesBox->setFocus();
}

bool TConfigDial::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        int field = watched->property("Tag").toInt();
        auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            if (button->isEnabled()) button->click();
            return true;
        }
        if (field >= FieldClubNaam && field <= FieldNMatches) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                Edit1KeyPress(field);
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                CancelBtn1Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TConfigDial::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit(FieldClubNaam)->setFocus();
}

void TConfigDial::GamesBoxClick() {
    if (GamesBox->isChecked()) {
        SetMatchFieldEnabled(true);
        Edit(FieldNMatches)
            ->setText(ToQt(std::to_string(State.Configuration.Config.CfgRec.NMatches)));
    } else {
        Edit(FieldNMatches)->clear();
        SetMatchFieldEnabled(false);
    }
}

void TConfigDial::OKBtn1Click() {
    for (int field = FieldClubNaam; field <= FieldBaancode; ++field) CheckConfigField(field, false);
    if (MatchChangedFlag)
        Msg.Show("Voor het activeren van Matches\rHet programma opnieuw starten", KindInformatie,
                 ButtonsOK);
    try {
        SaveConfig(State.Common, State.Configuration, Msg, State.Members.MemberFileName);
    } catch (const FileError& e) {
        // Not written: the dialog stays open with what was typed, and ConfigOK keeps its value.
        ReportFileError({Msg, State.Common.ErrorCode}, e, FileAction::Writing);
        return;
    }
    accept();
}

void TConfigDial::CancelBtn1Click() {
    if (OnCancel) OnCancel();
    QDialog::reject();
}

// Esc and the window frame's close button act as Cancel.
void TConfigDial::reject() {
    CancelBtn1Click();
}
