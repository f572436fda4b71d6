#pragma once
// Supplier names on the meter: uploads a new supplier name.
#include <QDialog>

class TDostawcyForm : public QDialog {
    Q_OBJECT
public:
    explicit TDostawcyForm(QWidget* mainWindow = nullptr);
};
