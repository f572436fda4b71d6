#pragma once
// The meter as the program sees it over the wire: it collects the bytes the
// computer sends, recognises each command when it is complete, and answers
// every command the program uses: "I" (identification), "L" (object list),
// "M" (measurements of one object), "N" (new supplier name), "U8"/"F" (printout
// text lines), "U9"/"P" (printout logo) and "V1"/"V2" (the printer step).
// It knows nothing of time on the line: a transport (the in-process driver or
// the pseudo-terminal server) paces the replies it returns.
#include "MeterData.h"
#include "MeterFaults.h"

#include <QByteArray>
#include <QList>
#include <array>

struct MeterConfig {
    QByteArray identPrefix = "PPGGD";
    QByteArray serial = "230117"; // shown by the program as "GD" + these six characters
    char spare = ' ';
    QByteArray firmware = "1.15";
    QByteArray identTail;      // extra bytes after the identification's CR
    int thinkUs = 1500;        // from the end of a command to the first reply byte
    int printerDelayMs = 1500; // from the first "*" of V1/V2 to the second
};

// One stretch of a reply: `delayUs` of silence, then `bytes` at line speed.
struct ReplyPiece {
    qint64 delayUs = 0;
    QByteArray bytes;
};

struct MeterReply {
    QList<ReplyPiece> pieces;
    bool vanish = false; // the port disappears once the pieces are out

    QByteArray bytes() const;
};

class MeterModel {
public:
    static constexpr int logoSize = 1800;

    explicit MeterModel(MeterData data = {}, MeterConfig config = {});

    // Bytes from the computer, received at `nowUs`; answers every command they
    // complete. A partial command older than 50 ms is dropped as line noise.
    QList<MeterReply> receive(const QByteArray& bytes, qint64 nowUs = 0);

    MeterConfig& config() { return config_; }
    MeterData& data() { return data_; }
    QList<MeterFault>& faults() { return faults_; }

    // What the computer has told the meter.
    const QList<QByteArray>& commands() const { return commands_; }
    const QByteArray& logo() const { return logo_; }
    bool logoPrinted() const { return logoPrinted_; }
    const std::array<QByteArray, 4>& textLines() const { return textLines_; }

private:
    MeterReply answer(const QByteArray& command);
    QByteArray identification() const;
    QByteArray addSupplier(const QByteArray& command);
    void applyFaults(char letter, MeterReply& reply, bool acknowledgement);

    MeterData data_;
    MeterConfig config_;
    QList<MeterFault> faults_;
    QByteArray pending_;
    qint64 lastByteUs_ = 0;
    QList<QByteArray> commands_;
    QList<int> ordinals_ = QList<int>(256, 0);
    int overallOrdinal_ = 0;
    QByteArray logo_ = QByteArray(logoSize, '\0');
    bool logoPrinted_ = false;
    std::array<QByteArray, 4> textLines_;
};
