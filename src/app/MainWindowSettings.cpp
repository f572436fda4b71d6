#include "MainWindowSettings.h"

#include "IniFile.h"

const QString MainWindowSettings::kSection = QStringLiteral("MainUniZQMForm");

void MainWindowSettings::load(IniFile& ini) {
    const MainWindowSettings design;
    FormStorage s(ini, kSection);
    dataOd = s.readDateTime(QStringLiteral("dtpDataOd.Date"), design.dataOd);
    dataDo = s.readDateTime(QStringLiteral("dtpDataDo.Date"), design.dataDo);
    panel8Width = s.readInt(QStringLiteral("Panel8.Width"), design.panel8Width);
    if (panel8Width < 0 || panel8Width > 20000)
        panel8Width = design.panel8Width;
    cbImportName = s.readBool(QStringLiteral("CBImportName.Checked"), design.cbImportName);
    hasPlacement = s.readPlacement(placement);
}

void MainWindowSettings::store(IniFile& ini) const {
    FormStorage s(ini, kSection);
    s.writeDateTime(QStringLiteral("dtpDataOd.Date"), dataOd);
    s.writeDateTime(QStringLiteral("dtpDataDo.Date"), dataDo);
    s.writeInt(QStringLiteral("Panel8.Width"), panel8Width);
    s.writeBool(QStringLiteral("CBImportName.Checked"), cbImportName);
    if (hasPlacement)
        s.writePlacement(placement);
}
