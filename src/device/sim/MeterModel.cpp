#include "MeterModel.h"

namespace {
constexpr char CR = '\r';
constexpr qint64 staleInputUs = 50'000;

// Length of the command at the front of `buf`: >0 complete, 0 incomplete,
// -1 the first byte starts no command and is dropped.
int commandLength(const QByteArray& buf) {
    switch (buf[0]) {
    case 'I':
    case 'L': {
        const int cr = buf.indexOf(CR);
        if (cr >= 0)
            return cr + 1;
        return buf.size() > 32 ? -1 : 0;
    }
    case 'M':
        if (buf.size() < 2)
            return 0;
        if (buf[1] == CR)
            return 2; // object 13 travels as "M" CR
        if (buf.size() < 3)
            return 0;
        return buf[2] == CR ? 3 : -1;
    case 'N':
        return buf.size() >= 25 ? 25 : 0;
    case 'U':
        return buf.size() >= 5 ? 5 : 0;
    case 'F':
        return buf.size() >= 43 ? 43 : 0;
    case 'P':
        return buf.size() >= 44 ? 44 : 0;
    case 'V':
        return buf.size() >= 3 ? 3 : 0;
    default:
        return -1;
    }
}

QByteArray untilNul(const QByteArray& bytes) {
    const int nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.left(nul);
}
} // namespace

QByteArray MeterReply::bytes() const {
    QByteArray all;
    for (const auto& p : pieces)
        all += p.bytes;
    return all;
}

MeterModel::MeterModel(MeterData data, MeterConfig config)
    : data_(std::move(data)), config_(std::move(config)) {}

QList<MeterReply> MeterModel::receive(const QByteArray& bytes, qint64 nowUs) {
    if (!pending_.isEmpty() && nowUs - lastByteUs_ > staleInputUs)
        pending_.clear();
    lastByteUs_ = nowUs;
    pending_ += bytes;
    QList<MeterReply> replies;
    while (!pending_.isEmpty()) {
        const int len = commandLength(pending_);
        if (len == 0)
            break;
        if (len < 0) {
            pending_.remove(0, 1);
            continue;
        }
        const QByteArray command = pending_.left(len);
        pending_.remove(0, len);
        commands_.append(command);
        MeterReply reply = answer(command);
        if (!reply.pieces.isEmpty())
            replies.append(reply);
    }
    return replies;
}

QByteArray MeterModel::identification() const {
    return config_.identPrefix + config_.serial + config_.spare + config_.firmware + CR +
           config_.identTail;
}

QByteArray MeterModel::addSupplier(const QByteArray& command) {
    const QByteArray name = untilNul(command.mid(1, 23));
    QList<bool> used(256, false);
    for (const auto& o : data_.objects)
        used[o.number] = true;
    int number = -1;
    for (int n = 1; n < 256 && number < 0; ++n)
        if (!used[n])
            number = n;
    if (number < 0)
        return QByteArray("N?") + CR; // the meter's list is full
    SimObject o;
    o.number = quint8(number);
    o.name = name;
    data_.objects.append(o);
    return QByteArray("N*") + CR;
}

MeterReply MeterModel::answer(const QByteArray& command) {
    const char letter = command[0];
    QByteArray out;
    QByteArray later; // the V1/V2 second answer
    bool acknowledgement = false;
    if (command == QByteArray("I\r")) {
        out = identification();
    } else if (command == QByteArray("L\r")) {
        for (const auto& o : data_.objects)
            out += o.record();
        out += '*';
    } else if (letter == 'M') {
        const quint8 number = command.size() == 2 ? 13 : quint8(command[1]);
        if (const SimObject* o = data_.object(number))
            for (const auto& m : o->measurements)
                out += m.record();
        out += '*';
    } else if (letter == 'N') {
        acknowledgement = true;
        out = command[24] == CR ? addSupplier(command) : QByteArray("N?") + CR;
    } else if (command == QByteArray("U8\0\0\r", 5) || command == QByteArray("U9\0\0\r", 5)) {
        acknowledgement = true;
        out = QByteArray("*") + CR;
    } else if (letter == 'F') {
        acknowledgement = true;
        const int line = quint8(command[2]) - 0x65;
        if (line >= 0 && line < 4 && quint8(command[4]) == 0x80) {
            textLines_[size_t(line)] = untilNul(command.mid(5, 38));
            out = QByteArray("*") + CR;
        } else {
            out = QByteArray("?") + CR;
        }
    } else if (letter == 'P') {
        acknowledgement = true;
        const int offset = quint8(command[2]) | (quint8(command[3]) << 8);
        if (quint8(command[1]) == 0x03 && offset + 40 <= logoSize) {
            logo_.replace(offset, 40, command.mid(4, 40));
            out = QByteArray("*") + CR;
        } else {
            out = QByteArray("?") + CR;
        }
    } else if (command == QByteArray("V1\r") || command == QByteArray("V2\r")) {
        acknowledgement = true;
        if (command[1] == '1') {
            logo_.fill('\0');
            logoPrinted_ = false;
        } else {
            logoPrinted_ = true;
        }
        out = "*";
        later = "*";
    }
    MeterReply reply;
    if (!out.isEmpty())
        reply.pieces.append({config_.thinkUs, out});
    if (!later.isEmpty())
        reply.pieces.append({qint64(config_.printerDelayMs) * 1000, later});
    applyFaults(letter, reply, acknowledgement);
    return reply;
}

void MeterModel::applyFaults(char letter, MeterReply& reply, bool acknowledgement) {
    const int ordinal = ++ordinals_[quint8(letter)];
    const int overall = ++overallOrdinal_;
    for (const MeterFault& f : faults_) {
        if (f.command != 0 && f.command != letter)
            continue;
        if (!f.hits(f.command ? ordinal : overall) || reply.pieces.isEmpty())
            continue;
        switch (f.kind) {
        case MeterFault::Silence:
            reply.pieces.clear();
            break;
        case MeterFault::NoStar: {
            QByteArray& last = reply.pieces.last().bytes;
            if (last.endsWith('*'))
                last.chop(1);
            break;
        }
        case MeterFault::Refuse:
            if (acknowledgement)
                for (auto& p : reply.pieces)
                    p.bytes.replace('*', '?');
            break;
        case MeterFault::Cut:
        case MeterFault::Vanish:
        case MeterFault::Pause: {
            // Walk the pieces to byte `at` and cut or split there.
            int left = f.at;
            for (int i = 0; i < reply.pieces.size(); ++i) {
                ReplyPiece& p = reply.pieces[i];
                if (left > p.bytes.size()) {
                    left -= int(p.bytes.size());
                    continue;
                }
                if (f.kind == MeterFault::Pause) {
                    ReplyPiece rest{qint64(f.ms) * 1000, p.bytes.mid(left)};
                    p.bytes.truncate(left);
                    reply.pieces.insert(i + 1, rest);
                } else {
                    p.bytes.truncate(left);
                    reply.pieces.erase(reply.pieces.begin() + i + 1, reply.pieces.end());
                    if (f.kind == MeterFault::Vanish)
                        reply.vanish = true;
                }
                break;
            }
            break;
        }
        }
    }
}
