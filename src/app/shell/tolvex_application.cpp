#include "app/shell/tolvex_application.h"

#include "app/common/application_title.h"
#include "app/common/qt_text.h"
#include "core/common/file_error_report.h"
#include "core/common/ports.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <exception>
#include <iostream>

TolvexApplication::TolvexApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName("Tolvex");
    setOrganizationName("Tolvex");
    // The application's title, where the platform shows a program's name.
    setApplicationDisplayName(QString::fromLatin1(ApplicationTitle));
}

bool TolvexApplication::LoadDutchTranslations() {
    auto* translator = new QTranslator(this);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Dutch, QLocale::Netherlands), "qtbase", "_", folder) &&
        !translator->load("qtbase_nl", folder)) {
        delete translator;
        return false;
    }
    installTranslator(translator);
    return true;
}

std::string EscapedErrorText(const std::exception& error) {
    if (auto* fileError = dynamic_cast<const FileError*>(&error))
        return FileErrorText(*fileError, FileAction::Unknown);
    return FromQt(QString::fromLocal8Bit(error.what()));
}

void TolvexApplication::ReportEscaped(const std::string& text, const char* original) {
    if (Reporter) {
        Reporter->Show(text, KindFout, ButtonsOK);
        return;
    }
    // Before the message window exists the error still must not vanish.
    *ErrorStream << "tolvex: " << original << std::endl;
}

bool TolvexApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportEscaped(EscapedErrorText(error), error.what());
    } catch (...) {
        ReportEscaped("Onbekende fout", "Onbekende fout");
    }
    return false;
}
