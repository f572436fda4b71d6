#include "FormStorage.h"

#include "IniFile.h"

#include <QDir>
#include <QStandardPaths>

QString settingsFilePath() {
    QString folder;
#ifdef Q_OS_WIN
    folder = qEnvironmentVariable("APPDATA");
#else
    folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
#endif
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("VorzZQM.cfp"));
}

namespace {
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

FormStorage::FormStorage(IniFile& ini, QString section) : ini_(ini), section_(std::move(section)) {}

QString FormStorage::entryName(const QString& property) {
    QString name = property;
    return name.replace(QLatin1Char('.'), QLatin1Char('_'));
}

bool FormStorage::readBool(const QString& property, bool fallback) const {
    const QString v = ini_.value(section_, entryName(property)).trimmed().toUpper();
    if (v == QLatin1String("TRUE") || v == QLatin1String("YES") || v == QLatin1String("Y"))
        return true;
    if (v == QLatin1String("FALSE") || v == QLatin1String("NO") || v == QLatin1String("N"))
        return false;
    return fallback;
}

QString FormStorage::readString(const QString& property, const QString& fallback) const {
    if (!ini_.contains(section_, entryName(property)))
        return fallback;
    return ini_.value(section_, entryName(property));
}

int FormStorage::readInt(const QString& property, int fallback) const {
    bool ok = false;
    const int v = ini_.value(section_, entryName(property)).trimmed().toInt(&ok);
    return ok ? v : fallback;
}

QDateTime FormStorage::readDateTime(const QString& property, const QDateTime& fallback) const {
    const QDateTime v =
        QDateTime::fromString(ini_.value(section_, entryName(property)).trimmed(), kDateTimeFormat);
    return v.isValid() ? v : fallback;
}

void FormStorage::writeBool(const QString& property, bool value) {
    ini_.setValue(section_, entryName(property),
                  value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
}

void FormStorage::writeString(const QString& property, const QString& value) {
    ini_.setValue(section_, entryName(property), value);
}

void FormStorage::writeInt(const QString& property, int value) {
    ini_.setValue(section_, entryName(property), QString::number(value));
}

void FormStorage::writeDateTime(const QString& property, const QDateTime& value) {
    ini_.setValue(section_, entryName(property), value.toString(kDateTimeFormat));
}

bool FormStorage::readPlacement(Placement& out) const {
    const int left = readInt(QStringLiteral("Left"), INT_MIN);
    const int top = readInt(QStringLiteral("Top"), INT_MIN);
    const int width = readInt(QStringLiteral("ClientWidth"), -1);
    const int height = readInt(QStringLiteral("ClientHeight"), -1);
    if (left == INT_MIN || top == INT_MIN || width < 100 || height < 100 || width > 20000 ||
        height > 20000)
        return false;
    out.normal = QRect(left, top, width, height);
    out.maximised =
        readString(QStringLiteral("WindowState"), QString()) == QLatin1String("Maximized");
    return true;
}

void FormStorage::writePlacement(const Placement& placement) {
    writeInt(QStringLiteral("Left"), placement.normal.left());
    writeInt(QStringLiteral("Top"), placement.normal.top());
    writeInt(QStringLiteral("ClientWidth"), placement.normal.width());
    writeInt(QStringLiteral("ClientHeight"), placement.normal.height());
    writeString(QStringLiteral("WindowState"),
                placement.maximised ? QStringLiteral("Maximized") : QStringLiteral("Normal"));
}
