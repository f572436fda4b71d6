#pragma once
// The program's windows: created once each at start, in this order, and kept
// until the program ends.
class TMainUniZQMForm;
class TFormEditName;
class TWykresForm;
class TProgresForm;
class TPytForm;
class TInfoForm;
class TFormKontakt;
class TLogoZQMForm;
class TDostawcyForm;
class SpreadsheetProbe;
class QString;

extern TMainUniZQMForm* MainUniZQMForm;
extern TFormEditName* FormEditName;
extern TWykresForm* WykresForm;
extern TProgresForm* ProgresForm;
extern TPytForm* PytForm;
extern TInfoForm* InfoForm;
extern TFormKontakt* FormKontakt;
extern TLogoZQMForm* LogoZQMForm;
extern TDostawcyForm* DostawcyForm;

// Creates the nine windows in order; the main window first.
void createForms(const QString& settingsPath, const SpreadsheetProbe* probe = nullptr);
// Creates the eight windows after the main window, owned by it, in order.
void createSecondaryForms(TMainUniZQMForm* mainWindow);
// Destroys them again (the main window last).
void destroyForms();
// Forgets the window pointers (their windows were destroyed elsewhere).
void forgetForms();
