#include "DesignedLexicon.h"

#include <QCoreApplication>

namespace {

// Texts and numbering are fixed: the callers ask by number. Items 2, 3 and 4
// name other instruments of the range and are asked for by nobody; item 5 is
// not asked for either.
constexpr const char* kContext = "DesignedLexicon";
const char* const kItems[DesignedLexicon::ItemCount] = {
    //: Shown when the spreadsheet export to Excel is chosen without Excel installed.
    QT_TRANSLATE_NOOP("DesignedLexicon", "Microsoft Office Excel not installed"),
    //: Shown when the spreadsheet export to Calc is chosen without it installed.
    QT_TRANSLATE_NOOP("DesignedLexicon", "Open Office Calc  not installed"),
    //: Name of another instrument of the range (not shown at present).
    QT_TRANSLATE_NOOP("DesignedLexicon", "Grain Moisture Meter"),
    //: Name of another instrument of the range (not shown at present).
    QT_TRANSLATE_NOOP("DesignedLexicon", "Hay and Straw Moisture Meter"),
    //: Name of another instrument of the range: the hectolitre weight (test weight) tester.
    QT_TRANSLATE_NOOP("DesignedLexicon", "Hectolitre Weight Tester"),
    //: Grain temperature (not shown at present).
    QT_TRANSLATE_NOOP("DesignedLexicon", "Temperature"),
    //: Chart legend of the grain moisture series (%).
    QT_TRANSLATE_NOOP("DesignedLexicon", "Moisture"),
    //: End of a download. English, German, French, Italian: "<count> records read."; Polish,
    //: Spanish, Russian: "<this text> <count> <item 'records.'>".
    QT_TRANSLATE_NOOP("DesignedLexicon", "records read."),
    //: End of a download, after the count in Polish, Spanish and Russian.
    QT_TRANSLATE_NOOP("DesignedLexicon", "records."),
    //: The report was asked for but nothing is ticked.
    QT_TRANSLATE_NOOP("DesignedLexicon", "No objects to report"),
    //: Name of the meter shown after it has been identified; also on the banner.
    QT_TRANSLATE_NOOP("DesignedLexicon", "Grain Moisture and Density Meter"),
    //: Chart legend of the density series (kg/hl).
    QT_TRANSLATE_NOOP("DesignedLexicon", "Density"),
    //: Reminder before the meter's printer is driven.
    QT_TRANSLATE_NOOP("DesignedLexicon", "Please turn on your Bluetooth printer!"),
    //: Upload of a supplier name refused as a duplicate.
    QT_TRANSLATE_NOOP("DesignedLexicon", "A supplier with this name is already on your device!"),
};

} // namespace

QString DesignedLexicon::GetItem(int n) const {
    if (n < 0 || n >= ItemCount)
        return QString();
    return QCoreApplication::translate(kContext, kItems[n]);
}

QString DesignedLexicon::sourceText(int n) {
    if (n < 0 || n >= ItemCount)
        return QString();
    return QString::fromUtf8(kItems[n]);
}
