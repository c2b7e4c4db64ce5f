#pragma once
// "Opties": the print settings on two pages, the owner's personal data and the print options
// proper (margins in millimetres, page length, orientation, the three switches, the printer, the
// printer font and the screen text font).

#include "core/common/ports.h"
#include "core/common/print_canvas.h"
#include "state/app_state.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QTabWidget;

class TOptiesForm : public QDialog {
    Q_OBJECT
public:
    TOptiesForm(AppState& state, Messenger& messenger, Chooser& chooser, PrintCanvas& printer,
                QWidget* parent = nullptr);

    // Shows the window modally on page pgNr (0 personal data, 1 print options).
    void OpenOpties(int pgNr);
    // The steps of OpenOpties before the window is shown.
    void PrepareShow(int pgNr);

    void FillOptiesPage(int page);
    // Stores the page that is showing (and the personal data, which are never dropped); false
    // when a box holds no whole number: the user has been told and that box has the focus.
    bool StoreOptiesPage();

    void PageControlChange();
    void LeftEditKeyPress(int tag);
    void PersEdit1KeyPress(int tag);
    void PrinterBtnClick();
    void FontBtnClick();
    void WinfontBtnClick();
    void OrientatieClick();
    void PersDataClick();
    void PrintHeadClick();
    void PrintTitelClick();
    void OkBtnClick();
    void CancelBtnClick();
    // Closing otherwise than through OK: true when the window may close.
    bool FormCloseQuery();

    QLineEdit* MarginBox(int tag) const { return MarginEdits[tag]; }
    QLineEdit* PersEdit(int tag) const { return PersEdits[tag - 1]; }

    bool ChangeFlag = false;
    bool Sluit = false;

    QTabWidget* PageControl = nullptr;
    std::array<QLineEdit*, 5> PersEdits{};
    std::array<QLineEdit*, 4> MarginEdits{}; // LeftEdit, TopEdit, BodemEdit, PaglenEdit
    QGroupBox* Orientatie = nullptr;
    QRadioButton* Staand = nullptr;
    QRadioButton* Liggend = nullptr;
    QCheckBox* PersData = nullptr;
    QCheckBox* PrintHead = nullptr;
    QCheckBox* PrintTitel = nullptr;
    QPushButton* PrinterBtn = nullptr;
    QPushButton* FontBtn = nullptr;
    QPushButton* WinfontBtn = nullptr;
    QLabel* PrinterLab = nullptr; // the chosen printer's name
    QPushButton* CancelBtn = nullptr;
    QPushButton* OkBtn = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void FormCreate();
    QWidget* CreatePersPage();
    QWidget* CreatePrintPage();
    void ShowPrinterName();

    AppState& State;
    Messenger& Msg;
    Chooser& Choose;
    PrintCanvas& Printer;
    bool Filling = false;
};
