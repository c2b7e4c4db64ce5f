#pragma once
// The application object. An exception that escapes an event handler is caught at the event loop
// and shown in the message window (kind Fout, OK) with the file name and the system's reason
// where there is one; the program goes on. Before the message window exists, the error goes to
// standard error. Nothing ends the program but the user.

#include <QApplication>

#include <iostream>
#include <string>

class Messenger;

class TolvexApplication : public QApplication {
    Q_OBJECT
public:
    TolvexApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Loads Qt's own Dutch texts, so the file, print and font dialogs speak Dutch.
    bool LoadDutchTranslations();

    Messenger* Reporter = nullptr;
    // Where an escaped error goes while there is no Reporter.
    std::ostream* ErrorStream = &std::cerr;

private:
    void ReportEscaped(const std::string& text, const char* original);
};

// The message text for an exception that reached the event loop.
std::string EscapedErrorText(const std::exception& error);
