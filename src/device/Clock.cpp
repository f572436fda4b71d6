#include "Clock.h"

#include <QElapsedTimer>
#include <QThread>

namespace {
qint64 monotonicUs() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.nsecsElapsed() / 1000;
}
Clock* g_clock = nullptr;
} // namespace

SystemClock::SystemClock() : origin_(monotonicUs()) {}

qint64 SystemClock::nowUs() {
    return monotonicUs() - origin_;
}

void SystemClock::sleepMs(int ms) {
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

Clock& appClock() {
    static SystemClock systemClock;
    return g_clock ? *g_clock : systemClock;
}

void setAppClock(Clock* clock) {
    g_clock = clock;
}
