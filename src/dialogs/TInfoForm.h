#pragma once
// Information message box. Its message arrives already translated; the
// window closes only through its OK button (Esc does not close it).
#include <QDialog>

class QLabel;
class QPushButton;

class TInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TInfoForm(QWidget* mainWindow = nullptr);

    // Shows `nazwa` and waits until the user presses OK.
    void DlgShow(const QString& nazwa);

    QLabel* Label2;
    QPushButton* BitBtn1;

public slots:
    void reject() override; // Esc is ignored

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* mainWindow_;
};
