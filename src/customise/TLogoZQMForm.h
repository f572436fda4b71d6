#pragma once
// Owner details: the printout header lines and the printout logo of the meter.
#include <QDialog>

class TLogoZQMForm : public QDialog {
    Q_OBJECT
public:
    explicit TLogoZQMForm(QWidget* mainWindow = nullptr);
};
