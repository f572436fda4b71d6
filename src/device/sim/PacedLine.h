#pragma once
// The meter's side of the serial line: replies become bytes with arrival
// times, one byte every 10 bit times at 115200 baud (8N1), so about 87 us a
// byte; pauses inside a reply and the port vanishing are placed on the same
// timeline. Times are in microseconds of whatever clock the transport uses.
#include "MeterModel.h"

#include <QByteArray>
#include <deque>
#include <limits>

class PacedLine {
public:
    static constexpr qint64 baud = 115200;
    // Arrival time of the i-th byte (0-based) of a stretch starting at `startUs`.
    static qint64 byteTimeUs(qint64 startUs, qint64 i) {
        return startUs + (i + 1) * 10'000'000 / baud;
    }

    // Queues `reply`, to start once the command of `commandBytes` has come in
    // at `nowUs` and the line is free.
    void schedule(const MeterReply& reply, qint64 nowUs, int commandBytes);

    // Bytes whose arrival time has come.
    int arrived(qint64 nowUs) const;
    QByteArray take(qint64 nowUs, int max);
    void dropArrived(qint64 nowUs);
    // Bytes still on their way.
    int pending() const { return int(bytes_.size()); }
    qint64 nextArrivalUs() const;
    bool vanished(qint64 nowUs) const { return nowUs >= vanishUs_; }

private:
    struct Timed {
        qint64 atUs;
        char byte;
    };
    std::deque<Timed> bytes_;
    qint64 lineFreeUs_ = 0;
    qint64 vanishUs_ = std::numeric_limits<qint64>::max();
};
