// The platform's spreadsheet probe on this system: a desktop application
// registered for the file type counts, nothing else does.
#include "SpreadsheetProbe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifndef Q_OS_WIN
namespace {
void writeDesktopFile(const QString& folder, const QString& name, const QByteArray& body) {
    QDir().mkpath(folder);
    QFile f(folder + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(body);
}

struct ScopedEnv {
    QByteArray name, old;
    ScopedEnv(const char* n, const QByteArray& v) : name(n), old(qgetenv(n)) { qputenv(n, v); }
    ~ScopedEnv() { qputenv(name.constData(), old); }
};
} // namespace

TEST(PlatformSpreadsheetProbe, DesktopApplicationsForXlsAndOds) {
    QTemporaryDir home, system;
    ScopedEnv dataHome("XDG_DATA_HOME", home.path().toUtf8());
    ScopedEnv dataDirs("XDG_DATA_DIRS", system.path().toUtf8());
    PlatformSpreadsheetProbe probe;

    EXPECT_FALSE(probe.classesRootKeyExists(kExcelKey));
    EXPECT_FALSE(probe.classesRootKeyExists(kCalcKey));

    writeDesktopFile(system.path() + "/applications", "calc.desktop",
                     "[Desktop Entry]\nType=Application\nName=Calc\n"
                     "MimeType=text/csv;application/vnd.oasis.opendocument.spreadsheet;\n");
    EXPECT_TRUE(probe.classesRootKeyExists(kCalcKey));
    EXPECT_FALSE(probe.classesRootKeyExists(kExcelKey));

    // A hidden entry does not count.
    writeDesktopFile(home.path() + "/applications", "old.desktop",
                     "[Desktop Entry]\nType=Application\nHidden=true\n"
                     "MimeType=application/vnd.ms-excel;\n");
    EXPECT_FALSE(probe.classesRootKeyExists(kExcelKey));

    writeDesktopFile(home.path() + "/applications", "sheets.desktop",
                     "[Desktop Entry]\nType=Application\nName=Sheets\n"
                     "MimeType=application/vnd.ms-excel\n");
    EXPECT_TRUE(probe.classesRootKeyExists(kExcelKey));
    EXPECT_FALSE(probe.classesRootKeyExists(QStringLiteral("Other.Application\\CurVer")));
}
#endif
