#include "MeterFaults.h"

#include <QStringList>

std::optional<QList<MeterFault>> parseMeterFaults(const QString& text, QString* error) {
    QList<MeterFault> faults;
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        MeterFault f;
        static const QStringList kinds = {QStringLiteral("silence"), QStringLiteral("cut"),
                                          QStringLiteral("nostar"),  QStringLiteral("pause"),
                                          QStringLiteral("refuse"),  QStringLiteral("vanish")};
        const int kind = kinds.indexOf(words.first().toLower());
        if (kind < 0)
            return fail(QStringLiteral("unknown fault \"%1\"").arg(words.first()));
        f.kind = MeterFault::Kind(kind);
        for (int i = 1; i < words.size(); ++i) {
            const QString key = words[i].section(QLatin1Char('='), 0, 0).toLower();
            const QString value = words[i].section(QLatin1Char('='), 1);
            bool ok = true;
            if (key == QLatin1String("cmd")) {
                ok = value.size() == 1 && value[0].unicode() < 0x80;
                if (ok)
                    f.command = char(value[0].unicode());
            } else if (key == QLatin1String("first"))
                f.first = value.toInt(&ok);
            else if (key == QLatin1String("times"))
                f.times = value.toInt(&ok);
            else if (key == QLatin1String("at"))
                f.at = value.toInt(&ok);
            else if (key == QLatin1String("ms"))
                f.ms = value.toInt(&ok);
            else
                ok = false;
            if (!ok || f.first < 1 || f.times < 0 || f.at < 0 || f.ms < 0)
                return fail(QStringLiteral("bad setting \"%1\" in fault \"%2\"")
                                .arg(words[i], part.trimmed()));
        }
        faults.append(f);
    }
    return faults;
}
