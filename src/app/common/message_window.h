#pragma once
// The one message window of the program: built at run time from a text, a kind (caption and
// icon), a set of the thirteen buttons and a help context, shown modally, and answering with the
// result code of the button that closed it (2 when the frame closed it).

#include "app/common/help_requests.h"
#include "core/common/message_layout.h"
#include "core/common/ports.h"

#include <QDialog>
#include <QLabel>

#include <array>
#include <cstdint>

class QPushButton;

// Draws its text exactly as it was measured: word wrap, tabs expanded, "&" shown as it is.
class BerichtText : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    static constexpr int DrawFlags =
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TBerichtForm : public QDialog {
    Q_OBJECT
public:
    // BerichtNew: the window takes the system's message font.
    explicit TBerichtForm(QWidget* owner = nullptr);

    void HelpButtonClick();

    int HelpContext = 0;
    QString HelpFile;
    HelpRequests* Help = nullptr;

    QLabel* IconImage = nullptr; // only for kinds with an icon
    BerichtText* Message = nullptr;
    std::array<QPushButton*, MessageButtonCount> Buttons{}; // null for buttons not in the set
    QPushButton* DefaultButton = nullptr;
    QPushButton* CancelButton = nullptr;
    MessageLayout Layout;
    // The axes on which the window is centred on the screen; a given position ends them.
    bool CentredX = true;
    bool CentredY = true;
    // Centres the window on the screen by its outer size, frame included, on the axes above.
    void CentreOnScreen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;
};

// The text as the window shows it: carriage returns and line feeds, alone or in pairs, each start
// one new line.
QString MessageDisplayText(const QString& text);

TBerichtForm* CreateBerichtForm(const QString& text, uint8_t kind, uint16_t buttons);

int BerichtDlgPos(const QString& text, uint8_t kind, uint16_t buttons, int helpContext, int x,
                  int y, const QString& helpFile, HelpRequests* help = nullptr);

int BerichtDlg(const QString& text, uint8_t kind, uint16_t buttons, int helpContext,
               HelpRequests* help = nullptr);
