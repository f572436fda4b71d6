#include "TFormKontakt.h"

TFormKontakt::TFormKontakt(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("FormKontakt"));
    setModal(true);
}
