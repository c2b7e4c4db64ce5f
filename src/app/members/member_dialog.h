#pragma once
// The member dialog: adds one member at the grid's current row, or edits one member field by
// field, with a check per field and a duplicate check on "&Voeg in".

#include "core/common/ports.h"
#include "core/members/member_records.h"
#include "state/app_state.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class TNewLidDlg : public QDialog {
    Q_OBJECT

public:
    enum Outcome { OutcomeNone = 0, OutcomeVoegIn = 1, OutcomeSchrap = 2 };
    static constexpr int FieldCount = 11;

    TNewLidDlg(AppState& state, Messenger& messenger, Beeper& bell, QWidget* parent = nullptr);

    // Adds a member before list position curr (after the last member when curr is N). True when
    // the list got the new member.
    bool NewLidDlgCreate(int curr);
    // Edits member curr in place. False when there is no such member.
    bool EditLidDlgCreate(int curr);

    void InitLidFields(int index, bool add);
    void ShowLidFields();
    void StoreLidField(int field);

    int OKCancel() const { return Result; }
    QLineEdit* Box(int field) const { return Boxes[field]; }

    QLabel* Koplabel;
    QLineEdit* ClubIndex;
    QLineEdit* ClubNoEdit;
    QLineEdit* VoorNaamEdit;
    QLineEdit* AchterNaamEdit;
    QLineEdit* GroepEdit;
    QLineEdit* ActieEdit;
    QLineEdit* OpmerkEdit;
    QLineEdit* AdresEdit;
    QLineEdit* PostCodeEdit;
    QLineEdit* PlaatsEdit;
    QLineEdit* TelefoonEdit;
    QLineEdit* EMailEdit;
    QPushButton* InvoegKnop;
    QPushButton* StopKnop;
    QPushButton* Herstelknop;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void InvoegKnopClick();
    void StopKnopClick();
    void HerstelknopClick();
    void FieldEnter(int field);
    void FieldTab(int field);
    int FieldOf(QObject* box) const;

    AppState& State;
    Messenger& Msg;
    Beeper& Bell;
    std::array<QLineEdit*, FieldCount + 1> Boxes{}; // [1..11]; [0] unused
    TLidRec AddRec{};
    TLidRec* WorkRec = &AddRec;
    TLidRec HerstelRec{};
    int Result = OutcomeNone;
};
