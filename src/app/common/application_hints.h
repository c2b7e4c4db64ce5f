#pragma once
// The hints of every window of the application: the status tip of a control under the mouse
// pointer or of a highlighted menu item, in whatever window, goes to one handler (the main
// window's status bar panel 0). Without this a hint reaches no further than its own window.

#include <QObject>
#include <QString>

#include <functional>

class ApplicationHints : public QObject {
    Q_OBJECT
public:
    // Watches the whole application until this object is destroyed.
    ApplicationHints(std::function<void(const QString&)> showHint, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> ShowHint;
};
