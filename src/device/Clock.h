#pragma once
// Time seam for everything that waits: the meter exchange, the simulated
// meter's pacing and the two-second pauses of the status windows. Tests plug
// in a ManualClock so that one-second and two-second waits cost nothing.
#include <QtGlobal>

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic time in microseconds since an arbitrary origin.
    virtual qint64 nowUs() = 0;
    virtual void sleepMs(int ms) = 0;
    qint64 nowMs() { return nowUs() / 1000; }
};

// Real time: a monotonic timer and a blocking sleep.
class SystemClock : public Clock {
public:
    SystemClock();
    qint64 nowUs() override;
    void sleepMs(int ms) override;

private:
    qint64 origin_;
};

// Test time: stands still until someone sleeps or advances it.
class ManualClock : public Clock {
public:
    qint64 nowUs() override { return now_; }
    void sleepMs(int ms) override { now_ += qint64(ms) * 1000; }
    void advanceUs(qint64 us) { now_ += us; }

private:
    qint64 now_ = 0;
};

// The clock the program uses unless a test installs another one.
Clock& appClock();
// Installs `clock` as the program clock; nullptr restores the system clock.
void setAppClock(Clock* clock);
