#pragma once
// What the main window keeps between runs in its section of the settings file.
#include "FormStorage.h"

#include <QDateTime>

class IniFile;

struct MainWindowSettings {
    static constexpr int kDesignClientWidth = 1411;
    static constexpr int kDesignClientHeight = 662;
    static constexpr int kDesignPanelWidth = 572;

    QDateTime dataOd{QDate(2025, 6, 1), QTime(0, 0, 0)};
    QDateTime dataDo{QDate(2025, 6, 1), QTime(23, 59, 59)};
    int panel8Width = kDesignPanelWidth;
    bool cbImportName = false;
    bool hasPlacement = false;
    FormStorage::Placement placement;

    static const QString kSection;

    void load(IniFile& ini);
    void store(IniFile& ini) const;
};
