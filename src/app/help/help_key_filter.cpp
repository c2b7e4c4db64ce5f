#include "app/help/help_key_filter.h"

#include "app/common/help_requests.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

namespace {

int OwnContext(const QObject* object) {
    return object ? object->property("helpContext").toInt() : 0;
}

bool IsHelpKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    // Shift+F1 stays the toolkit's "What's this?".
    return key->key() == Qt::Key_F1 && !(key->modifiers() & Qt::ShiftModifier);
}

} // namespace

int HelpContextFor(const QObject* object) {
    if (const auto* menu = qobject_cast<const QMenu*>(object)) {
        if (int item = OwnContext(menu->activeAction())) return item;
        if (int own = OwnContext(menu)) return own;
        return OwnContext(menu->menuAction());
    }
    if (const auto* button = qobject_cast<const QToolButton*>(object))
        if (int action = OwnContext(button->defaultAction())) return action;
    for (const QObject* o = object; o; o = o->parent()) {
        if (int own = OwnContext(o)) return own;
        if (o->isWidgetType() && static_cast<const QWidget*>(o)->isWindow()) break;
    }
    return 0;
}

HelpKeyFilter::HelpKeyFilter(HelpRequests& help, QObject* parent)
    : QObject(parent)
    , Help(help) {}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    // Key events reach the window system's window first and the focused widget after; only the
    // widget knows its help context.
    if (!IsHelpKey(event) || !watched->isWidgetType()) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // F1 belongs to help everywhere, also where a window binds it as a shortcut.
        event->accept();
        return true;
    }
    const auto* widget = static_cast<const QWidget*>(watched);
    if (widget->window()->property("helpOnHelp").toBool()) {
        Help.ShowHelpOnHelp();
        return true;
    }
    int context = HelpContextFor(watched);
    if (context != 0)
        Help.ShowContext(context);
    else
        Help.ShowContents();
    return true;
}
