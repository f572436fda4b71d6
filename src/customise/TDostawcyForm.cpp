#include "TDostawcyForm.h"

TDostawcyForm::TDostawcyForm(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("DostawcyForm"));
    setModal(true);
}
