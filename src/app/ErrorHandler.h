#pragma once
// The one place where errors that leave an operation are shown to the user:
// a message box with the error's text; the program goes on.
#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

namespace ErrorHandler {
// Shows `message` in a message box (or hands it to the installed sink).
void show(const QString& message);
// Tests route messages here instead of a modal box; nullptr restores the box.
void setSink(std::function<void(const QString&)> sink);
// Text of the exception being handled.
QString describeCurrentException();

// Runs `work`; an exception is shown and false is returned.
template <class Work> bool guarded(Work&& work) {
    try {
        work();
        return true;
    } catch (...) {
        show(describeCurrentException());
        return false;
    }
}
} // namespace ErrorHandler

// Application object whose event delivery catches what a handler let escape,
// so that an error in one operation never ends the program.
class ZqmApplication : public QApplication {
public:
    ZqmApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
