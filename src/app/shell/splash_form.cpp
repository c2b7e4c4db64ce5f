#include "app/shell/splash_form.h"

#include "app/common/form_scaling_adapter.h"
#include "app/shell/tennis_image.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("SplashForm");
    setWindowTitle("T O L V E X");
    setFixedSize(400, 200);
    TennisImageLabel = new QLabel(this);
    TennisImageLabel->setObjectName("TennisImage");
    TennisImageLabel->setGeometry(0, 0, 400, 200);
    TennisImageLabel->setPixmap(TennisImage(QSize(400, 200)));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(200, 100));

    Splash = new QTimer(this);
    Splash->setObjectName("Splash");
    Splash->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the splash must stay its full time.
    Splash->setTimerType(Qt::PreciseTimer);
    Splash->setInterval(1500);
    connect(Splash, &QTimer::timeout, this, &TSplashForm::SplashTimer);
    Splash->start();
    PasFormAan(this);
}

void TSplashForm::SplashTimer() {
    Splash->stop();
}

bool TSplashForm::FormCloseQuery() const {
    return !Splash->isActive();
}

void TSplashForm::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
