#pragma once
// Runs a modal dialog and feeds it keys once it is on the screen.
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

// Shows `dialog` modally; `whileOpen` runs inside the dialog's event loop
// (typing keys, inspecting it). Returns the dialog's result, or -1 when the
// dialog was still open after `whileOpen` (it is then closed by force).
inline int runModal(QDialog& dialog, std::function<void()> whileOpen) {
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
        dialog.activateWindow();
        QApplication::setActiveWindow(&dialog);
        (void)QTest::qWaitForWindowActive(&dialog, 1000);
        whileOpen();
        QApplication::processEvents();
        if (dialog.isVisible()) {
            stillOpen = true;
            dialog.done(-1);
        }
    });
    const int result = dialog.exec();
    return stillOpen ? -1 : result;
}

inline void pressOnFocus(int key) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeModalWidget();
    QTest::keyClick(target, static_cast<Qt::Key>(key));
}
