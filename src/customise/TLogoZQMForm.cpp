#include "TLogoZQMForm.h"

TLogoZQMForm::TLogoZQMForm(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("LogoZQMForm"));
    setModal(true);
}
