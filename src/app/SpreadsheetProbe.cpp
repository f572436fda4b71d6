#include "SpreadsheetProbe.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

SpreadsheetPrograms probeSpreadsheetPrograms(const SpreadsheetProbe& probe) {
    SpreadsheetPrograms found;
    found.IsOpenOffExport = probe.classesRootKeyExists(kCalcKey);
    found.IsExcelExport = probe.classesRootKeyExists(kExcelKey);
    return found;
}

#ifdef Q_OS_WIN

bool PlatformSpreadsheetProbe::classesRootKeyExists(const QString& key) const {
    HKEY handle = nullptr;
    const std::wstring path = key.toStdWString();
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

#else

namespace {
QString mimeTypeForKey(const QString& key) {
    if (key == kExcelKey)
        return QStringLiteral("application/vnd.ms-excel");
    if (key == kCalcKey)
        return QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");
    return QString();
}

// True when a line "MimeType=a;b;..." or a cache entry "type=app.desktop;"
// names `mime` among its types.
bool listsType(const QString& list, const QString& mime) {
    const auto types = list.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return types.contains(mime);
}

bool desktopFileHandles(const QString& path, const QString& mime) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&f);
    bool hidden = false;
    bool handles = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1String("MimeType=")))
            handles = listsType(line.mid(9), mime);
        else if (line == QLatin1String("Hidden=true") || line == QLatin1String("NoDisplay=true"))
            hidden = line.startsWith(QLatin1String("Hidden"));
    }
    return handles && !hidden;
}
} // namespace

bool PlatformSpreadsheetProbe::classesRootKeyExists(const QString& key) const {
    const QString mime = mimeTypeForKey(key);
    if (mime.isEmpty())
        return false;
    const QStringList dirs =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    for (const QString& dir : dirs) {
        const QDir d(dir);
        const auto entries = d.entryList({QStringLiteral("*.desktop")}, QDir::Files);
        for (const QString& name : entries)
            if (desktopFileHandles(d.filePath(name), mime))
                return true;
    }
    return false;
}

#endif
