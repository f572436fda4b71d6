#pragma once
// Diagnostic record of the traffic with the meter: when ZQM_TRACE names a file,
// every driver call that moves or drops bytes, and every exchange, is appended
// to it with a time stamp in milliseconds. Off by default: a normal run writes
// nothing.
#include <QByteArray>
#include <QString>

namespace deviceTrace {
bool enabled();
void line(const QString& text);
QString hex(const QByteArray& bytes);
// Reopens the trace from ZQM_TRACE (tests change the variable at run time).
void reset();
} // namespace deviceTrace
