#include "app/shell/tolvex_application.h"

#include "core/common/file_error.h"
#include "core/common/ports.h"
#include "app/common/application_title.h"
#include "app/common/qt_text.h"
#include "core/common/text_utils.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <exception>

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
    if (auto* fileError = dynamic_cast<const FileError*>(&error)) {
        std::string text = FileNameText(fileError->FileName);
        if (!fileError->Reason.empty()) {
            text.push_back('\r');
            text.append(FromQt(QString::fromLocal8Bit(fileError->Reason)));
        }
        return text;
    }
    return FromQt(QString::fromLocal8Bit(error.what()));
}

void TolvexApplication::ReportEscaped(const std::string& text) {
    if (Reporter) Reporter->Show(text, KindFout, ButtonsOK);
}

bool TolvexApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportEscaped(EscapedErrorText(error));
    } catch (...) {
        ReportEscaped("Onbekende fout");
    }
    return false;
}
