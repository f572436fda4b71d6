#include "PacedLine.h"

void PacedLine::schedule(const MeterReply& reply, qint64 nowUs, int commandBytes) {
    qint64 t = qMax(byteTimeUs(nowUs, commandBytes - 1), lineFreeUs_);
    for (const ReplyPiece& piece : reply.pieces) {
        t += piece.delayUs;
        for (int i = 0; i < piece.bytes.size(); ++i)
            bytes_.push_back({byteTimeUs(t, i), piece.bytes[i]});
        t = byteTimeUs(t, piece.bytes.size() - 1);
    }
    lineFreeUs_ = t;
    if (reply.vanish)
        vanishUs_ = qMin(vanishUs_, t);
}

int PacedLine::arrived(qint64 nowUs) const {
    int n = 0;
    for (const Timed& b : bytes_) {
        if (b.atUs > nowUs || b.atUs > vanishUs_)
            break;
        ++n;
    }
    return n;
}

QByteArray PacedLine::take(qint64 nowUs, int max) {
    const int n = qMin(arrived(nowUs), max);
    QByteArray out;
    out.reserve(n);
    for (int i = 0; i < n; ++i) {
        out.append(bytes_.front().byte);
        bytes_.pop_front();
    }
    return out;
}

void PacedLine::dropArrived(qint64 nowUs) {
    take(nowUs, arrived(nowUs));
}

qint64 PacedLine::nextArrivalUs() const {
    return bytes_.empty() ? std::numeric_limits<qint64>::max() : bytes_.front().atUs;
}
