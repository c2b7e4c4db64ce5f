#include "app/common/qt_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

QtEventPump::QtEventPump() {
    SinceLastBreath.start();
}

void QtEventPump::ProcessEvents() {
    ++Calls;
    // The monotonic clock is read only every 16th call: a candidate takes well under a
    // microsecond, so the event loop still runs about every 10 ms.
    if ((Calls & 15) != 0 || !SinceLastBreath.hasExpired(IntervalMs)) return;
    SinceLastBreath.restart();
    ++Breaths;
    if (OnBreath) OnBreath();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::Delay(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
