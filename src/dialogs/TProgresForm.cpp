#include "TProgresForm.h"

#include "Clock.h"
#include "PromptLook.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>

TProgresForm::TProgresForm(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("ProgresForm"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setModal(false);
    PromptLook::apply(this, 413, 108);

    auto statusLine = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(8, 24, 397, 23);
        l->setAlignment(Qt::AlignCenter);
        l->hide();
        return l;
    };
    LabSearch = statusLine("LabSearch");
    LabNodevice = statusLine("LabNodevice");
    LabImport = statusLine("LabImport");
    LabError = statusLine("LabError");
    LabelOK = statusLine("LabelOK");
    LabelOK->setFont(PromptLook::font(21, true));
    LabelOK->setGeometry(8, 22, 397, 27);
    LabelFTDI = statusLine("LabelFTDI");
    // As designed, the window first comes up with these two lines showing;
    // every operation starts with ProgressStart, which hides them.
    LabSearch->show();
    LabError->show();

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(40, 66, 333, 31);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    retranslateUi();
}

void TProgresForm::retranslateUi() {
    LabSearch->setText(tr("Searching"));
    LabNodevice->setText(tr("Device not connected"));
    LabImport->setText(tr("Transferring Data"));
    LabError->setText(tr("Transfer error"));
    LabelOK->setText(tr("OK"));
    LabelFTDI->setText(tr("Installing FTDI driver"));
}

void TProgresForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TProgresForm::ProgressStart() {
    for (QLabel* l : {LabNodevice, LabImport, LabError, LabSearch, LabelFTDI, LabelOK})
        l->hide();
    ProgressBar1->setValue(0);
}

void TProgresForm::showOnly(QLabel* line) {
    for (QLabel* l : {LabNodevice, LabImport, LabError, LabSearch, LabelFTDI, LabelOK})
        if (l != line)
            l->hide();
    line->show();
}

void TProgresForm::letPaint() {
    QCoreApplication::processEvents();
}

void TProgresForm::beginSearch() {
    ProgressStart();
    PromptLook::centreOver(this, mainWindow_);
    show();
    raise();
    LabSearch->show();
    letPaint();
}

void TProgresForm::endNoDevice(Clock& clock) {
    showOnly(LabNodevice);
    letPaint();
    clock.sleepMs(2000);
    hide();
    restoreCursor();
}

void TProgresForm::beginTransfer() {
    showOnly(LabImport);
    beginTransferKeepSearching();
}

void TProgresForm::beginTransferKeepSearching() {
    if (!busyCursor_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        busyCursor_ = true;
    }
}

void TProgresForm::endTransfer(bool ok, Clock& clock) {
    showOnly(ok ? LabelOK : LabError);
    letPaint();
    clock.sleepMs(2000);
    hide();
    restoreCursor();
}

void TProgresForm::endQuietly() {
    hide();
    restoreCursor();
}

void TProgresForm::restoreCursor() {
    if (busyCursor_) {
        QApplication::restoreOverrideCursor();
        busyCursor_ = false;
    }
}
