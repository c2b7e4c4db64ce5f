#include "app/help/help_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

HelpTopicBrowser::HelpTopicBrowser(QHelpEngine* engine, QWidget* parent)
    : QTextBrowser(parent)
    , Engine(engine) {
    setObjectName("HelpTopicBrowser");
    setOpenExternalLinks(true);
}

QVariant HelpTopicBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp")) {
        QByteArray bytes = Engine->fileData(name);
        if (type == QTextDocument::ImageResource) return QImage::fromData(bytes);
        return bytes;
    }
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QHelpEngine* engine, const QUrl& contentsPage, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , Engine(engine)
    , ContentsPage(contentsPage) {
    setObjectName("HelpWindow");
    setWindowTitle("Tennis Tolvex - Help");
    // F1 inside the help explains the help itself.
    setProperty("helpOnHelp", true);

    Browser = new HelpTopicBrowser(engine, this);
    Panes = new QTabWidget(this);
    Panes->setObjectName("HelpPanes");
    Panes->addTab(engine->contentWidget(), "Inhoud");
    Panes->addTab(engine->indexWidget(), "Trefwoorden");

    auto makeButton = [this](QToolButton*& field, const char* name, const QString& text,
                             QStyle::StandardPixmap icon) {
        field = new QToolButton(this);
        field->setObjectName(name);
        field->setText(text);
        field->setIcon(style()->standardIcon(icon));
        field->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    };
    makeButton(BackButton, "HelpBackButton", "&Terug", QStyle::SP_ArrowBack);
    makeButton(ForwardButton, "HelpForwardButton", "&Vooruit", QStyle::SP_ArrowForward);
    makeButton(HomeButton, "HelpHomeButton", "&Inhoud", QStyle::SP_DirHomeIcon);
    BackButton->setEnabled(false);
    ForwardButton->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BackButton);
    buttons->addWidget(ForwardButton);
    buttons->addWidget(HomeButton);
    buttons->addStretch();

    auto* splitter = new QSplitter(this);
    splitter->addWidget(Panes);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 570});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(BackButton, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardButton, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(HomeButton, &QToolButton::clicked, this, &HelpWindow::ShowContents);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectInContents);
    // The contents are read in the background; once there, the first level is opened.
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        Engine->contentWidget()->expandToDepth(0);
        SelectInContents(Browser->source());
    });
    connect(engine->contentWidget(), &QHelpContentWidget::linkActivated, Browser,
            [this](const QUrl& link) { Browser->setSource(link); });
    connect(engine->indexWidget(), &QHelpIndexWidget::documentActivated, Browser,
            [this](const QHelpLink& link, const QString&) { Browser->setSource(link.url); });
    connect(engine->indexWidget(), &QHelpIndexWidget::documentsActivated, Browser,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty()) Browser->setSource(links.first().url);
            });

    resize(820, 600);
}

void HelpWindow::ShowTopic(const QUrl& topic) {
    if (topic.isEmpty()) {
        ShowContents();
        return;
    }
    if (Browser->source() == topic)
        Browser->reload();
    else
        Browser->setSource(topic);
    Present();
}

void HelpWindow::ShowContents() {
    ShowTopic(ContentsPage);
}

void HelpWindow::ShowNotice(const QString& html) {
    Browser->setHtml(html);
    Present();
}

QUrl HelpWindow::CurrentTopic() const {
    return Browser->source();
}

void HelpWindow::SelectInContents(const QUrl& topic) {
    QHelpContentWidget* contents = Engine->contentWidget();
    QUrl page = topic.adjusted(QUrl::RemoveFragment);
    QModelIndex index = contents->indexOf(page);
    if (index.isValid()) contents->setCurrentIndex(index);
}

void HelpWindow::Present() {
    QWidget* modal = QApplication::activeModalWidget();
    Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        // The modality of a window can only change while it is hidden.
        hide();
        setWindowModality(wanted);
    }
    if (!Placed) {
        // The first showing puts the help in the middle of the screen; later ones where the user
        // left it.
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        Placed = true;
    }
    show();
    raise();
    activateWindow();
}
