#pragma once
// The main window. It owns the database, the meter link and the language
// state that every other window reaches through it, lays out the header and
// the two grids, and runs the start-up sequence when it is first shown.
#include "DesignedLexicon.h"
#include "MainWindowSettings.h"
#include "MeterLink.h"
#include "ZqmDatabase.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableView;
class QTableWidget;
class QTimer;
class Clock;
class IniFile;
class BrowseController;
class MeterImport;
class LanguageEngine;
class SpreadsheetProbe;

class TMainUniZQMForm : public QMainWindow {
    Q_OBJECT
public:
    // `settingsPath` is the per-user settings file; `probe` answers the
    // spreadsheet-program question (the platform's when null).
    explicit TMainUniZQMForm(QString settingsPath, const SpreadsheetProbe* probe = nullptr);
    ~TMainUniZQMForm() override;

    // Folder the program's files are taken from; empty means the folder of the
    // executable. Tests point it at a folder of their own.
    QString programFolder;

    // State reached by the other windows.
    QString ProgramPath;
    bool IsExcelExport = false;
    bool IsOpenOffExport = false;
    // The measurement database: connection, configuration row, device row 20.
    ZqmDatabase database;

    // The object and result views with their sorting, ticking, deleting and
    // renaming (LastSortString and FlSelect_WH live there); created at
    // start-up once the database is open.
    BrowseController* browse = nullptr;
    // Rebuilds the object view (and with it the result view); an empty clause
    // keeps the remembered order.
    void ReopenObiekty(const QString& clause);

    // The meter: the link object FtdiRS, FlagaJest, USBPortSerial, ListaPPDev,
    // DevFirmWare and the exchange every window uses.
    MeterLink meter;

    // Language components: the engine behind the picker and the lexicon.
    LanguageEngine* LangManEngine1;
    DesignedLexicon DesignedLexicon1;
    // Language index of the picked language: 0 English, 1 Polish, 2 German,
    // 3 French, 4 Spanish, 5 Russian, 6 Italian; 0 for anything else.
    int GetActLangNbr() const;

    // True once every start-up step has run.
    bool startupComplete() const { return startupComplete_; }

    // Header
    QWidget* Panel1;
    QLabel* imgEN;
    QLabel* imgPL;
    QLabel* imgDE;
    QLabel* imgFR;
    QLabel* imgES;
    QLabel* imgRU;
    QLabel* imgIT;
    QLabel* Image2; // second header picture, right of the banners
    QLabel* Label1; // "Device:"
    QLabel* Label3; // "SN:"
    QLabel* Label4; // "FV:"
    QLabel* LabNazwa;
    QLabel* LabSN;
    QLabel* LabFV;
    QFrame* Shape3; // frame around the date controls
    QPushButton* ButtonConnect;
    QComboBox* LangFlagsCombo1;
    QPushButton* btnRaport;
    QPushButton* btnExportPDF;
    QPushButton* btnExportXLS;
    QPushButton* JvBitBtn1;
    QPushButton* btnSelectDate;
    QLabel* LabelOd;
    QLabel* LabelDo;
    QDateTimeEdit* dtpDataOd;
    QDateTimeEdit* dtpDataDo;
    QCheckBox* CBImportName;
    QPushButton* btnDanePunktu;
    QPushButton* JvBBSup;
    QPushButton* BitBtn1;

    // Lower area
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QSplitter* Splitter1;
    QWidget* Panel8;
    QWidget* PanelResults;
    QPushButton* btnEditName;
    QPushButton* btnDelObject;
    QPushButton* btnDelRekord;
    QTableView* jvdbGrHobjects;
    QTableView* jvdbGrHresults;
    QTableWidget* StringGrid1;

    QAction* actChart;
    QAction* actSamplename;
    QAction* actDelObject;
    QAction* actDelRekord;
    QMenu* PopupObjects;
    QMenu* PopupResults;

    QTimer* Timer1;

    // The seven banner pictures in language-index order.
    std::array<QLabel*, 7> banners() const;
    // Brings the banner of `languageIndex` to the front, then the meter box
    // and the date frame above it.
    void showBanner(int languageIndex);

    // Settings file handling, exposed for the tests.
    void readSettings();
    void writeSettings();
    const QString& settingsPath() const { return settingsPath_; }

public slots:
    void FormShow();
    void Timer1Timer();
    void LangFlagsCombo1ChangeLanguage();
    // START: download from the meter.
    void ButtonConnectClick();

protected:
    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildHeader();
    void buildLowerArea();
    void buildActions();
    void retranslateUi();
    void disablePendingOperations();
    void FormResize();
    void LoadGatunki();
    void restoreLanguage(int pickerPosition);
    void FormClose();
    void applySettings(const MainWindowSettings& s);
    MainWindowSettings collectSettings() const;

    std::vector<std::function<void()>> startupSteps();
    std::unique_ptr<MeterImport> createImport();
    void openViews();
    void connectOperations();

    QString settingsPath_;
    const SpreadsheetProbe* probe_;
    std::unique_ptr<SpreadsheetProbe> ownProbe_;
    MainWindowSettings loadedSettings_;
    bool settingsRead_ = false;
    bool settingsWritten_ = false;
    bool shownOnce_ = false;
    bool startupComplete_ = false;
    std::unique_ptr<MeterImport> import_;
};
