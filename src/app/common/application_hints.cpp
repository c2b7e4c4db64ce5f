#include "app/common/application_hints.h"

#include <QCoreApplication>
#include <QStatusTipEvent>

ApplicationHints::ApplicationHints(std::function<void(const QString&)> showHint, QObject* parent)
    : QObject(parent)
    , ShowHint(std::move(showHint)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool ApplicationHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        // Shown: the hint goes no further up its window, where a status bar of its own would
        // show it a second time.
        return true;
    }
    return QObject::eventFilter(watched, event);
}
