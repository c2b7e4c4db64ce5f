#include "app/common/qt_system_ports.h"

#include <QApplication>
#include <QDateTime>

void QtBeeper::Beep() {
    QApplication::beep();
}

CalendarDate QtClock::Today() {
    QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

ClockTime QtClock::Now() {
    QTime now = QTime::currentTime();
    return {now.hour(), now.minute(), now.second()};
}

uint32_t QtClock::RandomSeed() {
    return static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
}
