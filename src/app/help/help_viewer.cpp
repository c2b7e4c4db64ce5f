#include "app/help/help_viewer.h"

#include "app/help/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>

namespace {

// Where the pages live inside the compiled help file (namespace and folder of the help project).
constexpr const char* TopicRoot = "qthelp://nl.tolvex.help/tolvex/";

QString NoticePage(const QString& helpFile) {
    return QStringLiteral("<h2>Help niet beschikbaar</h2><p>Het Help bestand <b>%1</b> is niet "
                          "gevonden of kan niet worden gelezen.</p><p>Installeer het programma "
                          "opnieuw, dan staat het Help bestand naast het programma.</p>")
        .arg(helpFile.toHtmlEscaped());
}

} // namespace

TQelHtmlHelpViewer::TQelHtmlHelpViewer(const QString& helpFile) {
    SetHelpFile(helpFile);
}

TQelHtmlHelpViewer::~TQelHtmlHelpViewer() {
    // The window holds the engine's widgets: it goes first.
    FWindow.reset();
    FEngine.reset();
}

void TQelHtmlHelpViewer::SetHelpFile(const QString& helpFile) {
    QString name = helpFile;
    if (QFileInfo(name).fileName() == name && QCoreApplication::instance())
        name = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    if (name == FHelpFile) return;
    FWindow.reset();
    FEngine.reset();
    FEngineUsable = false;
    FHelpFile = name;
}

bool TQelHtmlHelpViewer::ServesHelpFile(const QString& helpFile) {
    int dot = helpFile.lastIndexOf(u'.');
    return dot >= 0 && helpFile.mid(dot).compare(QLatin1String(".qhc"), Qt::CaseInsensitive) == 0;
}

bool TQelHtmlHelpViewer::Ready() {
    if (!ServesHelpFile(FHelpFile)) return false;
    if (FWindow) return true;
    FEngine = std::make_unique<QHelpEngine>(FHelpFile);
    // The installed collection may lie in a folder the user cannot write to.
    FEngine->setReadOnly(true);
    FEngineUsable = QFileInfo::exists(FHelpFile) && FEngine->setupData() &&
                    !FEngine->registeredDocumentations().isEmpty();
    FWindow = std::make_unique<HelpWindow>(FEngine.get(), ContentsPage());
    return true;
}

QUrl TQelHtmlHelpViewer::ContentsPage() const {
    return QUrl(QString::fromLatin1(TopicRoot) + "index.html");
}

QUrl TQelHtmlHelpViewer::HelpOnHelpPage() const {
    return QUrl(QString::fromLatin1(TopicRoot) + "help_gebruik.html");
}

QUrl TQelHtmlHelpViewer::TopicOfContext(int helpContext) {
    if (helpContext <= 0 || !Ready() || !FEngineUsable) return {};
    QList<QHelpLink> links =
        FEngine->documentsForIdentifier(QStringLiteral("ctx-%1").arg(helpContext));
    return links.isEmpty() ? QUrl() : links.first().url;
}

void TQelHtmlHelpViewer::ShowContext(int helpContext) {
    if (!Ready()) return;
    QUrl topic = TopicOfContext(helpContext);
    if (topic.isEmpty())
        ShowContents();
    else
        FWindow->ShowTopic(topic);
}

void TQelHtmlHelpViewer::ShowContents() {
    if (!Ready()) return;
    if (FEngineUsable)
        FWindow->ShowContents();
    else
        FWindow->ShowNotice(NoticePage(FHelpFile));
}

void TQelHtmlHelpViewer::ShowHelpOnHelp() {
    if (!Ready()) return;
    if (FEngineUsable)
        FWindow->ShowTopic(HelpOnHelpPage());
    else
        FWindow->ShowNotice(NoticePage(FHelpFile));
}

void TQelHtmlHelpViewer::CloseAll() {
    if (FWindow) FWindow->hide();
}
