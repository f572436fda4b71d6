#pragma once
// Contact window with the maker's details.
#include <QDialog>

class TFormKontakt : public QDialog {
    Q_OBJECT
public:
    explicit TFormKontakt(QWidget* mainWindow = nullptr);
};
