#include "Forms.h"

#include "TDostawcyForm.h"
#include "TFormEditName.h"
#include "TFormKontakt.h"
#include "TInfoForm.h"
#include "TLogoZQMForm.h"
#include "TMainUniZQMForm.h"
#include "TProgresForm.h"
#include "TPytForm.h"
#include "TWykresForm.h"

TMainUniZQMForm* MainUniZQMForm = nullptr;
TFormEditName* FormEditName = nullptr;
TWykresForm* WykresForm = nullptr;
TProgresForm* ProgresForm = nullptr;
TPytForm* PytForm = nullptr;
TInfoForm* InfoForm = nullptr;
TFormKontakt* FormKontakt = nullptr;
TLogoZQMForm* LogoZQMForm = nullptr;
TDostawcyForm* DostawcyForm = nullptr;

void createForms(const QString& settingsPath, const SpreadsheetProbe* probe) {
    MainUniZQMForm = new TMainUniZQMForm(settingsPath, probe);
    createSecondaryForms(MainUniZQMForm);
}

void createSecondaryForms(TMainUniZQMForm* mainWindow) {
    MainUniZQMForm = mainWindow;
    FormEditName = new TFormEditName(mainWindow);
    WykresForm = new TWykresForm(mainWindow);
    ProgresForm = new TProgresForm(mainWindow);
    PytForm = new TPytForm(mainWindow);
    InfoForm = new TInfoForm(mainWindow);
    FormKontakt = new TFormKontakt(mainWindow);
    LogoZQMForm = new TLogoZQMForm(mainWindow);
    DostawcyForm = new TDostawcyForm(mainWindow);
}

void destroyForms() {
    // The other windows are children of the main window and go with it.
    delete MainUniZQMForm;
    forgetForms();
}

void forgetForms() {
    MainUniZQMForm = nullptr;
    FormEditName = nullptr;
    WykresForm = nullptr;
    ProgresForm = nullptr;
    PytForm = nullptr;
    InfoForm = nullptr;
    FormKontakt = nullptr;
    LogoZQMForm = nullptr;
    DostawcyForm = nullptr;
}
