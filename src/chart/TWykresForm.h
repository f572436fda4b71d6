#pragma once
// Chart window: moisture and density of one object line over time.
#include <QDialog>

class TWykresForm : public QDialog {
    Q_OBJECT
public:
    explicit TWykresForm(QWidget* mainWindow = nullptr);
};
