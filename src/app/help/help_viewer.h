#pragma once
// The bridge between the program's help requests and Qt's help engine. A context number is
// looked up among the keywords of the help file ("ctx-" + the number); a number without a topic
// opens the contents, never an error. The engine and the window are made on the first request,
// so a program run without help costs nothing.

#include "app/common/help_requests.h"

#include <QString>
#include <QUrl>

#include <memory>

class QHelpEngine;
class HelpWindow;

class TQelHtmlHelpViewer : public HelpRequests {
public:
    static constexpr const char* FViewerName = "QelHtmlHelp";

    explicit TQelHtmlHelpViewer(const QString& helpFile = QString::fromLatin1(HelpFileName));
    ~TQelHtmlHelpViewer() override;

    // A name without a folder is taken from the program's folder. Closes the window of an
    // earlier file.
    void SetHelpFile(const QString& helpFile);
    QString HelpFile() const { return FHelpFile; }

    // The help file is one this viewer serves: its name ends in ".qhc", in any case.
    static bool ServesHelpFile(const QString& helpFile);

    void ShowContext(int helpContext) override;
    void ShowContents() override;
    void ShowHelpOnHelp() override;

    // The topic of a context number, empty when the help file has none.
    QUrl TopicOfContext(int helpContext);
    QUrl ContentsPage() const;
    QUrl HelpOnHelpPage() const;

    // The window, once a request has made it (for tests and the shut-down).
    HelpWindow* Window() const { return FWindow.get(); }

    // Hides the help window.
    void CloseAll();

private:
    // Opens the engine and the window when there are none yet; false when the file cannot serve.
    bool Ready();

    QString FHelpFile;
    std::unique_ptr<QHelpEngine> FEngine;
    std::unique_ptr<HelpWindow> FWindow;
    bool FEngineUsable = false;
};
