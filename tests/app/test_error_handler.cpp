// An error that escapes an event handler is shown and the program goes on.
#include "AppFixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
class Failing : public QObject {
public:
    int handled = 0;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            ++handled;
            throw std::runtime_error("Cannot open the database file");
        }
        return QObject::event(e);
    }
};
} // namespace

TEST(ErrorHandler, EscapedErrorIsShownAndTheLoopGoesOn) {
    AppFixture app;
    Failing target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(target.handled, 2);
    EXPECT_EQ(app.messages,
              (QStringList{"Cannot open the database file", "Cannot open the database file"}));
}

TEST(ErrorHandler, GuardedReportsAndTellsTheCaller) {
    AppFixture app;
    EXPECT_TRUE(ErrorHandler::guarded([] {}));
    EXPECT_FALSE(ErrorHandler::guarded([] { throw 42; }));
    ASSERT_EQ(app.messages.size(), 1);
    EXPECT_FALSE(app.messages[0].isEmpty());
}
