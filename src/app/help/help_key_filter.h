#pragma once
// F1 in every window of the program, modal dialogs included: installed once on the application,
// it opens the topic of the focused control's help context, else of its window's; with neither
// it opens the contents. F1 in an open menu asks for the item under the cursor, else the menu.

#include <QObject>

class HelpRequests;

class HelpKeyFilter : public QObject {
    Q_OBJECT
public:
    HelpKeyFilter(HelpRequests& help, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpRequests& Help;
};

// The help context that F1 on this object asks for: the object's own, a menu's active item's, a
// tool button's action's, or the nearest one on the way up to its window; 0 when none has one.
int HelpContextFor(const QObject* object);
