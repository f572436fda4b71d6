#include "TMainUniZQMForm.h"

#include "BrowseController.h"
#include "ErrorHandler.h"
#include "IniFile.h"
#include "LanguageEngine.h"
#include "LanguagePicker.h"
#include "Languages.h"
#include "MeterImport.h"
#include "SpeciesGrid.h"
#include "SpeciesLookup.h"
#include "SpeciesTable.h"
#include "SpreadsheetProbe.h"
#include "TFormEditName.h"
#include "TInfoForm.h"
#include "TProgresForm.h"
#include "TPytForm.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTimeEdit>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

TMainUniZQMForm::TMainUniZQMForm(QString settingsPath, const SpreadsheetProbe* probe)
    : settingsPath_(std::move(settingsPath)), probe_(probe) {
    setObjectName(QStringLiteral("MainUniZQMForm"));
    if (!probe_) {
        ownProbe_ = std::make_unique<PlatformSpreadsheetProbe>();
        probe_ = ownProbe_.get();
    }

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    buildHeader();
    buildLowerArea();
    buildActions();
    LangManEngine1 = new LanguageEngine(this);
    LangManEngine1->setObjectName(QStringLiteral("LangManEngine1"));
    fillLanguagePicker(LangFlagsCombo1, *LangManEngine1);
    LangFlagsCombo1->setCurrentIndex(0);
    connect(LangFlagsCombo1, &QComboBox::activated, this, [this](int position) {
        ErrorHandler::guarded([&] {
            LangManEngine1->Translate(LangManEngine1->GetISOCode(position));
            LangFlagsCombo1ChangeLanguage();
        });
    });
    meter.deviceNameText = [this] { return DesignedLexicon1.GetItem(10); };
    meter.showLabels = [this](const QString& name, const QString& serial, const QString& fw) {
        LabNazwa->setText(name);
        LabSN->setText(serial);
        LabFV->setText(fw);
    };
    layout->addWidget(Panel1);
    layout->addWidget(PageControl1, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, &TMainUniZQMForm::Timer1Timer);
    Timer1->start();

    retranslateUi();
    disablePendingOperations();
    connectOperations();
    ButtonConnect->setFocus();
    setFocusProxy(ButtonConnect);
}

TMainUniZQMForm::~TMainUniZQMForm() {
    if (settingsRead_ && !settingsWritten_)
        writeSettings();
    // The views go before the grids they show and the connection they read.
    delete browse;
    browse = nullptr;
}

void TMainUniZQMForm::disablePendingOperations() {
    // Controls whose operations this build does not have yet stay visible
    // but disabled, so nothing pretends to work.
    for (QWidget* w : {static_cast<QWidget*>(btnRaport), static_cast<QWidget*>(btnExportPDF),
                       static_cast<QWidget*>(btnExportXLS), static_cast<QWidget*>(btnDanePunktu),
                       static_cast<QWidget*>(JvBBSup), static_cast<QWidget*>(BitBtn1)})
        w->setEnabled(false);
    actChart->setEnabled(false);
}

void TMainUniZQMForm::connectOperations() {
    // Each operation runs guarded: an error ends it with a message and the
    // program goes on. Before the views exist (a failed start-up) they do
    // nothing.
    auto onBrowse = [this](auto operation) {
        return [this, operation] {
            if (browse)
                ErrorHandler::guarded([&] { operation(*browse); });
        };
    };
    connect(ButtonConnect, &QPushButton::clicked, this,
            [this] { ErrorHandler::guarded([this] { ButtonConnectClick(); }); });
    connect(btnSelectDate, &QPushButton::clicked, this, onBrowse([this](BrowseController& b) {
                b.btnSelectDateClick(dtpDataOd->date(), dtpDataDo->date());
            }));
    connect(actDelRekord, &QAction::triggered, this,
            onBrowse([](BrowseController& b) { b.actDelRekordExecute(); }));
    connect(actDelObject, &QAction::triggered, this,
            onBrowse([](BrowseController& b) { b.actDelObjectExecute(); }));
    connect(actSamplename, &QAction::triggered, this,
            onBrowse([](BrowseController& b) { b.actSamplenameExecute(QCursor::pos()); }));
}

void TMainUniZQMForm::openViews() {
    browse =
        new BrowseController(jvdbGrHobjects, jvdbGrHresults, database,
                             findChild<TPytForm*>(QString(), Qt::FindDirectChildrenOnly),
                             findChild<TFormEditName*>(QString(), Qt::FindDirectChildrenOnly),
                             findChild<TInfoForm*>(QString(), Qt::FindDirectChildrenOnly), this);
    browse->setErrorSink(&ErrorHandler::show);
    ReopenObiekty(QString());
}

void TMainUniZQMForm::ReopenObiekty(const QString& clause) {
    if (browse)
        browse->ReopenObiekty(clause);
}

std::array<QLabel*, 7> TMainUniZQMForm::banners() const {
    return {imgEN, imgPL, imgDE, imgFR, imgES, imgRU, imgIT};
}

void TMainUniZQMForm::showBanner(int languageIndex) {
    const auto all = banners();
    all[(languageIndex >= 0 && languageIndex < 7) ? languageIndex : 0]->raise();
    // The buttons and fields laid over the banner stay in front of it ...
    for (QWidget* w : Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (std::find(all.begin(), all.end(), w) == all.end() && w != Image2)
            w->raise();
    // ... and so do the date frame and the meter box, in this order.
    for (QWidget* w : {static_cast<QWidget*>(Shape3), static_cast<QWidget*>(LabFV),
                       static_cast<QWidget*>(LabNazwa), static_cast<QWidget*>(LabSN),
                       static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(Label4)})
        w->raise();
}

// ---- settings ------------------------------------------------------------

void TMainUniZQMForm::readSettings() {
    IniFile ini;
    ini.load(settingsPath_); // a damaged file still yields what it can; the rest is default
    loadedSettings_.load(ini);
    applySettings(loadedSettings_);
    settingsRead_ = true;
}

void TMainUniZQMForm::applySettings(const MainWindowSettings& s) {
    dtpDataOd->setDateTime(s.dataOd);
    dtpDataDo->setDateTime(s.dataDo);
    CBImportName->setChecked(s.cbImportName);
    Splitter1->setSizes({s.panel8Width, qMax(200, width() - s.panel8Width)});
    Panel8->resize(s.panel8Width, Panel8->height());

    if (s.hasPlacement) {
        setGeometry(s.placement.normal);
        if (s.placement.maximised)
            setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        // First run: top-left corner with the designed client size.
        QPoint corner(0, 0);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            corner = screen->availableGeometry().topLeft();
        resize(MainWindowSettings::kDesignClientWidth, MainWindowSettings::kDesignClientHeight);
        move(corner);
    }
}

MainWindowSettings TMainUniZQMForm::collectSettings() const {
    MainWindowSettings s = loadedSettings_;
    s.dataOd = dtpDataOd->dateTime();
    s.dataDo = dtpDataDo->dateTime();
    s.cbImportName = CBImportName->isChecked();
    s.panel8Width = Splitter1->sizes().value(0, Panel8->width());
    s.hasPlacement = true;
    s.placement.maximised = isMaximized();
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    s.placement.normal = normal.isValid() ? normal : geometry();
    return s;
}

void TMainUniZQMForm::writeSettings() {
    IniFile ini;
    ini.load(settingsPath_); // keep the other windows' sections
    collectSettings().store(ini);
    if (!ini.save(settingsPath_))
        qWarning("Settings could not be written to %s", qPrintable(settingsPath_));
    settingsWritten_ = true;
}

// ---- window events ---------------------------------------------------------

void TMainUniZQMForm::setVisible(bool visible) {
    if (visible && !settingsRead_)
        readSettings(); // before the first show handler
    QMainWindow::setVisible(visible);
    if (visible && !shownOnce_) {
        shownOnce_ = true;
        // The start-up sequence runs once the window is on the screen, so
        // that a message about a failing step appears over it.
        QMetaObject::invokeMethod(this, &TMainUniZQMForm::FormShow, Qt::QueuedConnection);
    }
}

void TMainUniZQMForm::closeEvent(QCloseEvent* event) {
    FormClose();
    writeSettings();
    QMainWindow::closeEvent(event);
}

void TMainUniZQMForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainUniZQMForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void TMainUniZQMForm::FormResize() {
    Image2->setVisible(width() > 1100);
    LangFlagsCombo1->move(width() - LangFlagsCombo1->width() - 12, 8);
    LangFlagsCombo1->raise();
}

// ---- the download ------------------------------------------------------------

std::unique_ptr<MeterImport> TMainUniZQMForm::createImport() {
    MeterImportParts parts;
    parts.meter = &meter;
    parts.database = &database;
    parts.progress = findChild<TProgresForm*>(QString(), Qt::FindDirectChildrenOnly);
    parts.info = findChild<TInfoForm*>(QString(), Qt::FindDirectChildrenOnly);
    parts.speciesName = speciesNameFromGrid(StringGrid1);
    parts.languageIndex = [this] { return GetActLangNbr(); };
    parts.lexiconItem = [this](int n) { return DesignedLexicon1.GetItem(n); };
    parts.importName = [this] { return CBImportName->isChecked(); };
    parts.reopenObjects = [this] { ReopenObiekty(QString()); };
    return std::make_unique<MeterImport>(parts);
}

void TMainUniZQMForm::ButtonConnectClick() {
    // Without the database (a failed start-up) there is nowhere to store
    // what the meter holds: say so instead of talking to the meter.
    if (!database.tablesOpen()) {
        ErrorHandler::show(tr("The measurement database is not open, so nothing can be "
                              "downloaded from the meter. Restart the program after "
                              "correcting the problem reported at start-up."));
        return;
    }
    if (!import_)
        import_ = createImport();
    // A START pressed while the download lets window messages run does
    // nothing: the import refuses to nest.
    import_->ButtonConnectClick();
}

void TMainUniZQMForm::FormClose() {
    meter.freeLink();
}

// ---- languages -------------------------------------------------------------

int TMainUniZQMForm::GetActLangNbr() const {
    return LangNbrFromISOCode(LangManEngine1->GetISOCode(LangFlagsCombo1->currentIndex()));
}

void TMainUniZQMForm::LangFlagsCombo1ChangeLanguage() {
    // The choice is stored at once, so it survives a crash as well as a restart.
    if (database.tablesOpen())
        database.storeConfigLang(LangFlagsCombo1->currentIndex());
    showBanner(GetActLangNbr());
    ButtonConnect->setFocus();
}

void TMainUniZQMForm::restoreLanguage(int pickerPosition) {
    // A stored position that names no language leaves the picker without a
    // selection: index 0, English banner, captions as they are.
    const bool known = pickerPosition >= 0 && pickerPosition < LangFlagsCombo1->count();
    LangFlagsCombo1->setCurrentIndex(known ? pickerPosition : -1);
    LangManEngine1->Translate(LangManEngine1->GetISOCode(LangFlagsCombo1->currentIndex()));
}

void TMainUniZQMForm::LoadGatunki() {
    const SpeciesLoadResult loaded = ::LoadGatunki(ProgramPath + speciesFileName());
    fillStringGrid(StringGrid1, loaded.table);
    // Refused lines are reported once; the good ones are kept and start-up
    // goes on.
    if (!loaded.message.isEmpty())
        ErrorHandler::show(loaded.message);
}

void TMainUniZQMForm::Timer1Timer() {
    // While no meter is identified the meter box stays blank.
    if (!meter.FlagaJest)
        for (QLabel* l : {LabFV, LabSN, LabNazwa})
            l->setText(QStringLiteral(" "));
}

// ---- start-up --------------------------------------------------------------

// The start-up sequence, in order.
std::vector<std::function<void()>> TMainUniZQMForm::startupSteps() {
    return {
        [this] { // 1. the program folder
            const QString folder =
                programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
            ProgramPath = QDir(folder).absolutePath() + QLatin1Char('/');
        },
        [this] { database.connect(ProgramPath); }, // 2. the database file beside the program
        [this] {                                   // 3. the link object
            meter.createLink();
            meter.FlagaJest = false;
        },
        [this] { LoadGatunki(); },         // 4. species names
        [this] { database.openTables(); }, // 5, 6. configuration row, device row 20
        [this] { openViews(); },           // 7. object and result views
        [this] { restoreLanguage(database.configLang()); }, // 8. the stored language
        [this] { showBanner(GetActLangNbr()); },            // 9. its banner in front
        [this] { // 10. spreadsheet programs for the export
            const SpreadsheetPrograms found = probeSpreadsheetPrograms(*probe_);
            IsOpenOffExport = found.IsOpenOffExport;
            IsExcelExport = found.IsExcelExport;
        },
    };
}

void TMainUniZQMForm::FormShow() {
    // A failing step shows its message; the steps after it do not run and
    // the window stays open.
    for (const auto& step : startupSteps())
        if (!ErrorHandler::guarded(step))
            return;
    startupComplete_ = true;
}
