// Start-up against the database file beside the program: the language kept
// in the database, and a missing or damaged file.
#include "AppFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
void pick(TMainUniZQMForm& w, int position) {
    w.LangFlagsCombo1->setCurrentIndex(position);
    emit w.LangFlagsCombo1->activated(position);
}
QWidget* bannerOnTop(TMainUniZQMForm& w) {
    return w.Panel1->childAt(700, 40);
}
} // namespace

TEST(StartupDatabase, PickedLanguageIsStoredAndComesBack) {
    AppFixture app;
    {
        auto w = app.startWindow();
        ASSERT_TRUE(w->startupComplete()) << app.messages.join("\n").toStdString();
        EXPECT_EQ(w->LangFlagsCombo1->currentIndex(), 0);
        EXPECT_EQ(w->GetActLangNbr(), 0);
        EXPECT_EQ(bannerOnTop(*w), w->imgEN);

        pick(*w, 5); // Russian
        EXPECT_EQ(w->GetActLangNbr(), 5);
        EXPECT_EQ(bannerOnTop(*w), w->imgRU);
        EXPECT_EQ(w->ButtonConnect->text(), QString::fromUtf8("СТАРТ"));
        EXPECT_EQ(w->database.configLang(), 5);
        // Stored at once: the window is not even closed yet.
        w->close();
    }
    auto again = app.startWindow();
    ASSERT_TRUE(again->startupComplete());
    EXPECT_EQ(again->LangFlagsCombo1->currentIndex(), 5);
    EXPECT_EQ(again->GetActLangNbr(), 5);
    EXPECT_EQ(bannerOnTop(*again), again->imgRU);
    EXPECT_EQ(again->Label1->text(), QString::fromUtf8("Прибор:"));
    pick(*again, 0); // back to English for the tests that follow
    EXPECT_EQ(again->ButtonConnect->text(), QStringLiteral("START"));
}

TEST(StartupDatabase, StoredPositionThatNamesNoLanguage) {
    AppFixture app;
    {
        auto w = app.startWindow();
        w->database.storeConfigLang(42);
        w->close();
    }
    auto w = app.startWindow();
    EXPECT_TRUE(w->startupComplete());
    EXPECT_EQ(w->LangFlagsCombo1->currentIndex(), -1);
    EXPECT_EQ(w->GetActLangNbr(), 0);
    EXPECT_EQ(bannerOnTop(*w), w->imgEN);
}

TEST(StartupDatabase, UnusableDatabaseFileIsReportedAndTheWindowStays) {
    struct Case {
        const char* name;
        std::function<void(const QString& file)> damage;
    };
    const Case cases[] = {
        {"missing", [](const QString& f) { QFile::remove(f); }},
        {"garbage",
         [](const QString& f) {
             QFile file(f);
             file.open(QIODevice::WriteOnly | QIODevice::Truncate);
             file.write(QByteArray(64 * 1024, 'z'));
         }},
    };
    for (const Case& c : cases) {
        AppFixture app;
        const QString file = app.dir.filePath("ZQMBASE.fb");
        c.damage(file);
        auto w = app.startWindow();
        ASSERT_EQ(app.messages.size(), 1) << c.name;
        EXPECT_TRUE(app.messages[0].contains(file)) << app.messages[0].toStdString();
        EXPECT_FALSE(w->startupComplete()) << c.name;
        EXPECT_TRUE(w->isVisible()) << c.name;
        // Later operations do not crash without a connection; START says why
        // it cannot download.
        w->Timer1Timer();
        w->ButtonConnect->click();
        ASSERT_EQ(app.messages.size(), 2) << c.name;
        EXPECT_TRUE(app.messages[1].contains("database is not open")) << c.name;
        EXPECT_FALSE(w->meter.FlagaJest) << c.name;
        for (QAction* a : {w->actDelRekord, w->actDelObject, w->actSamplename})
            a->trigger();
        w->btnSelectDate->click();
        pick(*w, 1);
        pick(*w, 0);
        EXPECT_EQ(app.messages.size(), 2) << c.name;
        w->close();
        EXPECT_FALSE(w->isVisible()) << c.name;
    }
}
