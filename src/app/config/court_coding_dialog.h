#pragma once
// "Coderen van banen": the organiser walks round the courts with "Baan +" and "Baan - ", typing
// the number each court carries at the club; the reports print that code for the court.

#include "core/common/ports.h"
#include "state/app_state.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TBanenDlg : public QDialog {
    Q_OBJECT
public:
    TBanenDlg(AppState& state, Messenger& messenger, QWidget* parent = nullptr);

    // Shows the dialog modally for a set-up of the given number of courts.
    void BanenDlgCreate(int courts);
    // The steps before the dialog is shown.
    void PrepareShow(int courts);
    // Both buttons: the code typed is stored for the court shown, then the walk moves by the
    // button's Tag (+1 or -1). A box without a whole number stores nothing and stays.
    void NextBnBtnClick(int tag);

    int CurrBaan = 1;
    int BnIncr = 1;
    QLabel* BaanLabel = nullptr;
    QLineEdit* BaanEdit = nullptr;
    QLabel* BaanCodelabel = nullptr;
    QLineEdit* BaanCodeEdit = nullptr;
    QPushButton* NextBnBtn = nullptr;
    QPushButton* PrevBnBtn = nullptr;
    QPushButton* BaanOkBtn = nullptr;

private:
    AppState& State;
    Messenger& Msg;
};
