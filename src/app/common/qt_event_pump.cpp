#include "app/common/qt_event_pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

QtEventPump::QtEventPump(Milliseconds clock)
    : Now(std::move(clock)) {
    if (!Now) {
        QElapsedTimer started;
        started.start();
        Now = [started] { return started.elapsed(); };
    }
    LastBreath = Now();
}

void QtEventPump::ProcessEvents() {
    ++Calls;
    // The clock is read only every 16th call: a candidate takes well under a microsecond, so the
    // event loop still runs about every 10 ms.
    if ((Calls & 15) != 0) return;
    long long now = Now();
    if (now - LastBreath < IntervalMs) return;
    LastBreath = now;
    ++Breaths;
    if (OnBreath) OnBreath();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::Delay(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
