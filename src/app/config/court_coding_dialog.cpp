#include "app/config/court_coding_dialog.h"

#include "app/common/enter_presses_button.h"
#include "app/common/form_scaling_adapter.h"
#include "app/common/qt_text.h"
#include "core/schedule/schedule_setup_fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

TBanenDlg::TBanenDlg(AppState& state, Messenger& messenger, QWidget* parent)
    : QDialog(parent)
    , State(state)
    , Msg(messenger) {
    setObjectName("BanenDlg");
    setWindowTitle("Coderen van banen");
    setProperty("helpContext", 256);
    setFixedSize(300, 170);

    BaanLabel = new QLabel("Baan: 1..", this);
    BaanLabel->setObjectName("BaanLabel");
    BaanLabel->setGeometry(20, 20, 130, 20);
    BaanEdit = new QLineEdit("1", this);
    BaanEdit->setObjectName("BaanEdit");
    BaanEdit->setGeometry(20, 42, 100, 24);
    BaanCodelabel = new QLabel("Baan Codering: 1..N", this);
    BaanCodelabel->setObjectName("BaanCodelabel");
    BaanCodelabel->setGeometry(160, 20, 130, 20);
    BaanCodeEdit = new QLineEdit("1", this);
    BaanCodeEdit->setObjectName("BaanCodeEdit");
    BaanCodeEdit->setGeometry(160, 42, 100, 24);

    NextBnBtn = new QPushButton("Baan +", this);
    NextBnBtn->setObjectName("NextBnBtn");
    NextBnBtn->setProperty("tag", 1);
    NextBnBtn->setGeometry(20, 90, 80, 28);
    PrevBnBtn = new QPushButton("Baan - ", this);
    PrevBnBtn->setObjectName("PrevBnBtn");
    PrevBnBtn->setProperty("tag", -1);
    PrevBnBtn->setGeometry(110, 90, 80, 28);
    BaanOkBtn = new QPushButton("O&k", this);
    BaanOkBtn->setObjectName("BaanOkBtn");
    BaanOkBtn->setGeometry(200, 90, 80, 28);
    for (QPushButton* b : {NextBnBtn, PrevBnBtn, BaanOkBtn}) b->setAutoDefault(false);

    connect(NextBnBtn, &QPushButton::clicked, this, [this] { NextBnBtnClick(1); });
    connect(PrevBnBtn, &QPushButton::clicked, this, [this] { NextBnBtnClick(-1); });
    connect(BaanOkBtn, &QPushButton::clicked, this, &QDialog::accept);
    PressFocusedButtonsOnEnter(this);
    PasFormAan(this);
}

void TBanenDlg::PrepareShow(int courts) {
    BaanLabel->setText("Baan: 1.." + QString::number(courts));
    BaanCodelabel->setText("Baan Codering: 1..N");
    CurrBaan = 1;
    BaanEdit->setText("1");
    BaanCodeEdit->setText("1");
}

void TBanenDlg::BanenDlgCreate(int courts) {
    try {
        PrepareShow(courts);
        exec();
    } catch (const std::exception&) {
        Msg.Show("Coderen van de banen mislukt", KindFout, ButtonsOK);
    }
}

void TBanenDlg::NextBnBtnClick(int tag) {
    BnIncr = tag;
    for (QLineEdit* box : {BaanEdit, BaanCodeEdit}) {
        if (!WholeNumber(FromQt(box->text()))) {
            Msg.Show("'" + FromQt(box->text()) + "' is geen geldig geheel getal", KindFout,
                     ButtonsOK);
            box->setFocus();
            return;
        }
    }
    TakeCourtCode(State.Common, State.Configuration, CurrBaan, BnIncr,
                  *WholeNumber(FromQt(BaanCodeEdit->text())));
    BaanEdit->setText(QString::number(CurrBaan));
    BaanCodeEdit->setText(QString::number(State.Common.BaanCode[CurrBaan]));
}
