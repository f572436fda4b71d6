#pragma once
// Misbehaviour the simulated meter can be told to show, to try the program
// against a meter that is silent, slow, unplugged or wrong. A fault applies to
// the commands whose first byte is `command` (0: every command), from the
// `first`-th such command on (1-based), for `times` of them (0: all).
//
// Text form (ZQM_SIM_FAULTS, metersim --fault), faults separated by ';':
//   silence  [cmd=C] [first=K] [times=T]        no answer at all
//   cut      at=N ...                           the reply stops after N bytes
//   nostar   ...                                the final "*" of a data reply is left out
//   pause    at=N ms=M ...                      a pause of M ms after N bytes of the reply
//   refuse   ...                                an acknowledgement without "*"
//   vanish   [at=N] ...                         the port disappears after N bytes (a pulled cable)
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct MeterFault {
    enum Kind { Silence, Cut, NoStar, Pause, Refuse, Vanish };
    Kind kind = Silence;
    char command = 0;
    int first = 1;
    int times = 0;
    int at = 0;
    int ms = 0;

    bool hits(int ordinal) const {
        return ordinal >= first && (times == 0 || ordinal < first + times);
    }
};

// Parses the text form; on a mistake returns nothing and says why in `error`.
std::optional<QList<MeterFault>> parseMeterFaults(const QString& text, QString* error = nullptr);
