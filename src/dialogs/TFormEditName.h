#pragma once
// One-line name entry. The window sees every key first: Enter answers OK and
// Esc answers Cancel whichever control has the focus.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TFormEditName : public QDialog {
    Q_OBJECT
public:
    explicit TFormEditName(QWidget* mainWindow = nullptr);

    // Puts the window's top-left corner at `screenPos`, moved back just
    // enough to stay whole on the screen that holds that point.
    void placeAt(const QPoint& screenPos);

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool FormKeyDown(int key);
    void retranslateUi();
};
