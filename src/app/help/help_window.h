#pragma once
// The help window: the contents of the help file in a pane at the left, the topic at the right,
// with back, forward and contents buttons. It reads everything through the help engine; it never
// shows an error box, a help file that cannot be read shows a text saying so instead.

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QLabel;
class QTabWidget;
class QToolButton;

// Shows the pages of the help file: qthelp:// addresses are read from the engine.
class HelpTopicBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpTopicBrowser(QHelpEngine* engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine* Engine;
};

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // The engine must have been set up; the window does not own it.
    HelpWindow(QHelpEngine* engine, const QUrl& contentsPage, QWidget* parent = nullptr);

    // Shows the topic (and the window). An empty address shows the contents page.
    void ShowTopic(const QUrl& topic);
    void ShowContents();
    // Shows this text in place of a topic (the help file is missing or unreadable).
    void ShowNotice(const QString& html);

    QUrl CurrentTopic() const;
    QTabWidget* Panes = nullptr;
    HelpTopicBrowser* Browser = nullptr;
    QToolButton* BackButton = nullptr;
    QToolButton* ForwardButton = nullptr;
    QToolButton* HomeButton = nullptr;

private:
    // Brings the window to the front. While a modal dialog is open the help window is modal
    // itself, otherwise the dialog would block it; it is an ordinary window the rest of the time.
    void Present();
    void SelectInContents(const QUrl& topic);

    QHelpEngine* Engine;
    QUrl ContentsPage;
    bool Placed = false;
};
