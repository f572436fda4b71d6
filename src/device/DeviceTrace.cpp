#include "DeviceTrace.h"

#include "Clock.h"

#include <QFile>
#include <QTextStream>
#include <memory>

namespace {
struct TraceFile {
    bool checked = false;
    std::unique_ptr<QFile> file;
};

TraceFile& state() {
    static TraceFile t;
    if (!t.checked) {
        t.checked = true;
        const QString path = qEnvironmentVariable("ZQM_TRACE");
        if (!path.isEmpty()) {
            t.file = std::make_unique<QFile>(path);
            if (!t.file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
                t.file.reset();
        }
    }
    return t;
}
} // namespace

namespace deviceTrace {
bool enabled() {
    return state().file != nullptr;
}

void line(const QString& text) {
    TraceFile& t = state();
    if (!t.file)
        return;
    const qint64 us = appClock().nowUs();
    const QString stamp =
        QStringLiteral("%1.%2").arg(us / 1000, 9).arg(us % 1000, 3, 10, QLatin1Char('0'));
    t.file->write((stamp + QStringLiteral(" ms  ") + text + QLatin1Char('\n')).toUtf8());
    t.file->flush();
}

QString hex(const QByteArray& bytes) {
    return bytes.isEmpty() ? QStringLiteral("-") : QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void reset() {
    state().file.reset();
    state().checked = false;
}
} // namespace deviceTrace
