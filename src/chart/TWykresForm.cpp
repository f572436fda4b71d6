#include "TWykresForm.h"

TWykresForm::TWykresForm(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("WykresForm"));
    resize(1000, 640);
}
