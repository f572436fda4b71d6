#pragma once
// Yes/no question asked before a deletion. The caller sets NumerKomunikatu
// (1: delete the ticked records, 2: delete an object with its records) and
// shows the window modally; the answer is mrOk or mrCancel.
#include <QDialog>

class QLabel;
class QPushButton;

class TPytForm : public QDialog {
    Q_OBJECT
public:
    explicit TPytForm(QWidget* mainWindow = nullptr);

    int NumerKomunikatu = 0;

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

public slots:
    void reject() override; // Esc answers Cancel

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormShow();
    void retranslateUi();

    QWidget* mainWindow_;
};
