#pragma once
// Progress and status window shown while the program talks to the meter.
// It stays on top, is never modal, and shows at most one status line.
#include <QDialog>

class Clock;
class QLabel;
class QProgressBar;

class TProgresForm : public QDialog {
    Q_OBJECT
public:
    explicit TProgresForm(QWidget* mainWindow = nullptr);

    // Hides every status line and puts the bar at 0; the window itself is
    // left shown or hidden as it was.
    void ProgressStart();

    // The status protocol shared by every operation that talks to the meter.
    // 1: reset, show the window with "Searching" and let it paint.
    void beginSearch();
    // 2: the meter was not found: "Device not connected" for two seconds.
    void endNoDevice(Clock& clock);
    // 3: the meter answered: "Transferring Data" and the busy cursor.
    void beginTransfer();
    // Keeps "Searching" on screen during the transfer (the busy cursor only).
    void beginTransferKeepSearching();
    // 4: "OK" or "Transfer error" for two seconds, then hide and restore the cursor.
    void endTransfer(bool ok, Clock& clock);
    // Hides the window and restores the cursor without a status line.
    void endQuietly();

    QLabel* LabSearch;
    QLabel* LabNodevice;
    QLabel* LabImport;
    QLabel* LabError;
    QLabel* LabelOK;
    QLabel* LabelFTDI;
    QProgressBar* ProgressBar1;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void showOnly(QLabel* line);
    void restoreCursor();
    void letPaint();

    QWidget* mainWindow_;
    bool busyCursor_ = false;
};
