#include "ErrorHandler.h"

#include <QMessageBox>
#include <QWidget>
#include <stdexcept>

namespace ErrorHandler {
namespace {
std::function<void(const QString&)>& sink() {
    static std::function<void(const QString&)> s;
    return s;
}
} // namespace

void setSink(std::function<void(const QString&)> s) {
    sink() = std::move(s);
}

void show(const QString& message) {
    if (sink()) {
        sink()(message);
        return;
    }
    QWidget* parent = QApplication::activeWindow();
    QMessageBox::critical(parent, QCoreApplication::applicationName(), message);
}

QString describeCurrentException() {
    try {
        throw;
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QCoreApplication::translate("ErrorHandler", "An unexpected error occurred.");
    }
}
} // namespace ErrorHandler

ZqmApplication::ZqmApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ZqmApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ErrorHandler::show(ErrorHandler::describeCurrentException());
        return false;
    }
}
