#pragma once
// Whether a spreadsheet program is installed, asked the way the export
// offers it: by the class keys "Excel.Application\CurVer" and
// "soffice.StarCalcDocument\CurVer".
#include <QString>

class SpreadsheetProbe {
public:
    virtual ~SpreadsheetProbe() = default;
    // Windows: whether HKEY_CLASSES_ROOT\<key> opens for reading.
    // Elsewhere: whether a desktop application is registered for the file
    // type that key stands for (XLS for Excel, ODS for Calc).
    virtual bool classesRootKeyExists(const QString& key) const = 0;
};

class PlatformSpreadsheetProbe : public SpreadsheetProbe {
public:
    bool classesRootKeyExists(const QString& key) const override;
};

inline const QString kExcelKey = QStringLiteral("Excel.Application\\CurVer");
inline const QString kCalcKey = QStringLiteral("soffice.StarCalcDocument\\CurVer");

struct SpreadsheetPrograms {
    bool IsExcelExport = false;
    bool IsOpenOffExport = false;
};

// Calc first, then Excel, each probe on its own.
SpreadsheetPrograms probeSpreadsheetPrograms(const SpreadsheetProbe& probe);
