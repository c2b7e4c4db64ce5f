#pragma once
// "Sleutel gegevens": the club's key data of the configuration, field by field.

#include "core/common/ports.h"
#include "state/app_state.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TConfigDial : public QDialog {
    Q_OBJECT
public:
    TConfigDial(AppState& state, Messenger& messenger, Beeper& bell, QWidget* parent = nullptr);

    // Shows the dialog modally: with nieuw on a fresh default configuration, otherwise on the
    // loaded one (refused while no member list is loaded). Sets ConfigOK to whether it closed
    // with OK.
    void OpenConfigDial(bool nieuw);
    // Steps of OpenConfigDial before the dialog is shown; false when it must not be shown.
    bool PrepareShow(bool nieuw);

    // Reads one field into the configuration; with check also the range checks and reports.
    void CheckConfigField(int field, bool check);

    void GamesBoxClick();
    void OKBtn1Click();
    void CancelBtn1Click();

    // Called by Cancel: the main window enables its "&Nieuw" item again.
    std::function<void()> OnCancel;

    QLineEdit* Edit(int field) const { return Edits[field - 1]; }
    std::array<QLineEdit*, 8> Edits{};
    std::array<QLabel*, 8> Labels{};
    QLabel* AantalMatchLab = nullptr;
    QFrame* Hulppanel = nullptr;
    QCheckBox* GamesBox = nullptr;
    QCheckBox* VeelWeinigBox = nullptr;
    QCheckBox* HelpmessBox = nullptr;
    QCheckBox* BaancodeBox = nullptr;
    QPushButton* OKBtn1 = nullptr;
    QPushButton* CancelBtn1 = nullptr;
    bool MatchChangedFlag = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void FillControls();
    void Edit1KeyPress(int field);
    void SetMatchFieldEnabled(bool enabled);

    AppState& State;
    Messenger& Msg;
    Beeper& Bell;
};
