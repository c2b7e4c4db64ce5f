#include "app/common/message_window.h"

#include "app/common/application_title.h"
#include "app/common/qt_text.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr std::array<const char*, MessageButtonCount> ButtonObjectNames = {
    "BijButton",         "AfButton",         "JaButton",      "NeeButton",    "OKButton",
    "SchrapButton",      "AfbrekenButton",   "OpnieuwButton", "NegeerButton", "AlleButton",
    "NeeVoorAlleButton", "JaVoorAlleButton", "HelpButton"};

QStyle::StandardPixmap KindIcon(uint8_t kind) {
    switch (kind) {
    case 0:
        return QStyle::SP_MessageBoxWarning;
    case 1:
        return QStyle::SP_MessageBoxCritical;
    case 2:
        return QStyle::SP_MessageBoxInformation;
    default:
        return QStyle::SP_MessageBoxQuestion;
    }
}

QRect ToRect(const ControlBounds& b) {
    return {b.Left, b.Top, b.Width, b.Height};
}

} // namespace

void BerichtText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), DrawFlags, text());
}

TBerichtForm::TBerichtForm(QWidget* owner)
    : QDialog(owner) {
    setObjectName("BerichtForm");
    // The system's message font where the platform names one; the application font otherwise.
    setFont(QApplication::font("QMessageBox"));
}

void TBerichtForm::HelpButtonClick() {
    if (Help) Help->ShowContext(HelpContext);
}

void TBerichtForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Esc presses the cancel button; a window without one ignores it.
        if (CancelButton) CancelButton->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TBerichtForm::CentreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    // The frame is known once the platform has made the window; a window's position is that of
    // its frame.
    QSize outer = frameGeometry().size();
    int left = screenRect.x() + screenRect.width() / 2 - outer.width() / 2;
    int top = screenRect.y() + screenRect.height() / 2 - outer.height() / 2;
    move(CentredX ? left : x(), CentredY ? top : y());
}

void TBerichtForm::showEvent(QShowEvent* event) {
    // Some platforms give the frame its size only now.
    CentreOnScreen();
    QDialog::showEvent(event);
}

// Only the frame's close box gets here (Esc is handled above): it answers cancel.
void TBerichtForm::reject() {
    done(ResultCancel);
}

QString MessageDisplayText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            shown += u'\n';
            QChar partner = c == u'\r' ? u'\n' : u'\r';
            if (i + 1 < text.size() && text[i + 1] == partner) ++i;
        } else {
            shown += c;
        }
    }
    return shown;
}

TBerichtForm* CreateBerichtForm(const QString& text, uint8_t kind, uint16_t buttons) {
    auto* form = new TBerichtForm(nullptr);
    form->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    form->setModal(true);

    QFontMetrics metrics(form->font());
    QSize letters = metrics.size(0, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int charWidth = letters.width() / 52;
    int charHeight = letters.height();

    QScreen* screen = QGuiApplication::primaryScreen();
    QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    QString shown = MessageDisplayText(text);
    QRect textRect =
        metrics.boundingRect(QRect(0, 0, screenRect.width() / 2, 0), BerichtText::DrawFlags, shown);

    form->Layout = ComputeMessageLayout(charWidth, charHeight, textRect.width(), textRect.height(),
                                        kind, buttons);
    const MessageLayout& l = form->Layout;
    form->setFixedSize(l.ClientWidth, l.ClientHeight);
    form->winId(); // makes the platform window, so that its frame is known where it can be
    form->CentreOnScreen();

    const char* caption = MessageKindCaption(kind);
    form->setWindowTitle(caption ? QString::fromLatin1(caption)
                                 : QString::fromLatin1(ApplicationTitle));

    if (l.HasIcon) {
        form->IconImage = new QLabel(form);
        form->IconImage->setObjectName("IconImage");
        form->IconImage->setGeometry(ToRect(l.Icon));
        form->IconImage->setPixmap(form->style()
                                       ->standardIcon(KindIcon(kind), nullptr, form)
                                       .pixmap(MessageIconSize, MessageIconSize));
    }

    form->Message = new BerichtText(shown, form);
    form->Message->setObjectName("Message");
    form->Message->setGeometry(ToRect(l.Text));

    for (int i = 0; i < MessageButtonCount; ++i) {
        if (!((buttons >> i) & 1u)) continue;
        auto* button = new QPushButton(ToQt(MessageButtonDefs[i].Caption), form);
        button->setObjectName(ButtonObjectNames[i]);
        button->setGeometry(ToRect(l.Buttons[i]));
        button->setAutoDefault(true);
        int result = MessageButtonDefs[i].Result;
        if (i == HelpButtonIndex)
            QObject::connect(button, &QPushButton::clicked, form, &TBerichtForm::HelpButtonClick);
        else
            QObject::connect(button, &QPushButton::clicked, form,
                             [form, result] { form->done(result); });
        form->Buttons[i] = button;
    }
    if (l.DefaultButton != NoButton) {
        form->DefaultButton = form->Buttons[l.DefaultButton];
        form->DefaultButton->setDefault(true);
        form->DefaultButton->setFocus();
    }
    if (l.CancelButton != NoButton) form->CancelButton = form->Buttons[l.CancelButton];
    return form;
}

int BerichtDlgPos(const QString& text, uint8_t kind, uint16_t buttons, int helpContext, int x,
                  int y, const QString& helpFile, HelpRequests* help) {
    TBerichtForm* form = CreateBerichtForm(text, kind, buttons);
    form->HelpContext = helpContext;
    form->HelpFile = helpFile;
    form->Help = help;
    if (x >= 0) {
        form->CentredX = false;
        form->move(x, form->y());
    }
    if (y >= 0) {
        form->CentredY = false;
        form->move(form->x(), y);
    }
    int result = form->exec();
    delete form;
    return result;
}

int BerichtDlg(const QString& text, uint8_t kind, uint16_t buttons, int helpContext,
               HelpRequests* help) {
    return BerichtDlgPos(text, kind, buttons, helpContext, -1, -1, QString(), help);
}
