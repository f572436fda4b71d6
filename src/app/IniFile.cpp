#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

bool IniFile::load(const QString& path) {
    sections_.clear();
    clean_ = true;
    QFile f(path);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly)) {
        clean_ = false;
        return false;
    }
    const QByteArray bytes = f.read(4 * 1024 * 1024);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        clean_ = false;
        text = QString::fromLatin1(bytes);
    }
    parse(text);
    return clean_;
}

void IniFile::parse(const QString& text) {
    QString section;
    const auto lines = text.split(QLatin1Char('\n'));
    for (QString raw : lines) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        if (raw.startsWith(QChar(0xFEFF)))
            raw.remove(0, 1);
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype eq = raw.indexOf(QLatin1Char('='));
        if (eq < 0 || raw.left(eq).trimmed().isEmpty() || section.isEmpty() ||
            raw.contains(QChar(0))) {
            clean_ = false;
            continue;
        }
        // Values keep their blanks: a supplier name may begin or end with one.
        sections_[section][raw.left(eq).trimmed()] = raw.mid(eq + 1);
    }
}

QString IniFile::text() const {
    QString out;
    for (auto s = sections_.cbegin(); s != sections_.cend(); ++s) {
        out += QLatin1Char('[') + s.key() + QLatin1String("]\n");
        for (auto e = s->cbegin(); e != s->cend(); ++e)
            out += e.key() + QLatin1Char('=') + e.value() + QLatin1Char('\n');
        out += QLatin1Char('\n');
    }
    return out;
}

bool IniFile::save(const QString& path) const {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(text().toUtf8());
    return f.commit();
}

bool IniFile::contains(const QString& section, const QString& name) const {
    auto s = sections_.constFind(section);
    return s != sections_.cend() && s->contains(name);
}

QString IniFile::value(const QString& section, const QString& name, const QString& fallback) const {
    auto s = sections_.constFind(section);
    if (s == sections_.cend())
        return fallback;
    return s->value(name, fallback);
}

void IniFile::setValue(const QString& section, const QString& name, const QString& value) {
    QString v = value;
    v.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    sections_[section][name] = v;
}
