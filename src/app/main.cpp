// Program start: the application, the nine windows, the message loop.
#include "ErrorHandler.h"
#include "FormStorage.h"
#include "Forms.h"
#include "TMainUniZQMForm.h"

int main(int argc, char** argv) {
    ZqmApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZQMM"));
    createForms(settingsFilePath());
    MainUniZQMForm->show(); // the main window is the one on the task bar
    const int rc = app.exec();
    destroyForms();
    return rc;
}
