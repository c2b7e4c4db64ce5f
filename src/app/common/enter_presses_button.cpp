#include "app/common/enter_presses_button.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->isEnabled() || !button->isVisible()) return false;
        button->click();
        return true;
    }
};

} // namespace

void PressFocusedButtonsOnEnter(QWidget* window) {
    auto* filter = new EnterPressesButton(window);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}
