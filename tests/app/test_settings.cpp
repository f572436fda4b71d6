// Per-user settings: first-run defaults, what a run leaves for the next one,
// and damaged files.
#include "AppFixture.h"
#include "FormStorage.h"
#include "IniFile.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <gtest/gtest.h>

TEST(Settings, FirstRunUsesTheDesignedValues) {
    AppFixture app;
    auto w = app.startWindow();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(w->frameGeometry().topLeft(), screen.topLeft());
    EXPECT_EQ(w->size(), QSize(1411, 662));
    EXPECT_EQ(w->dtpDataOd->dateTime(), QDateTime(QDate(2025, 6, 1), QTime(0, 0, 0)));
    EXPECT_EQ(w->dtpDataDo->dateTime(), QDateTime(QDate(2025, 6, 1), QTime(23, 59, 59)));
    EXPECT_FALSE(w->CBImportName->isChecked());
    EXPECT_EQ(w->Splitter1->sizes().value(0), 572);
    EXPECT_TRUE(app.messages.isEmpty()) << app.messages.join("\n").toStdString();
}

TEST(Settings, MaximisedWindowAndWiderPaneComeBack) {
    AppFixture app;
    {
        auto w = app.startWindow();
        w->Splitter1->setSizes({700, 500});
        w->dtpDataOd->setDateTime(QDateTime(QDate(2026, 8, 3), QTime(0, 0)));
        w->CBImportName->setChecked(true);
        w->showMaximized();
        QApplication::processEvents();
        ASSERT_TRUE(w->isMaximized());
        w->close();
    }
    const QString text = app.settingsText();
    EXPECT_TRUE(text.contains("[MainUniZQMForm]"));
    EXPECT_TRUE(text.contains("CBImportName_Checked=TRUE"));
    EXPECT_TRUE(text.contains("Panel8_Width=700"));
    EXPECT_TRUE(text.contains("dtpDataOd_Date=2026-08-03"));

    auto again = app.startWindow();
    EXPECT_TRUE(again->isMaximized());
    EXPECT_EQ(again->Splitter1->sizes().value(0), 700);
    EXPECT_TRUE(again->CBImportName->isChecked());
    EXPECT_EQ(again->dtpDataOd->date(), QDate(2026, 8, 3));
    // Un-maximised, the window returns to the size it had before.
    again->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(again->size(), QSize(1411, 662));
}

TEST(Settings, NormalPlacementComesBack) {
    AppFixture app;
    {
        auto w = app.startWindow();
        w->setGeometry(120, 90, 1200, 700);
        w->close();
    }
    auto again = app.startWindow();
    EXPECT_FALSE(again->isMaximized());
    EXPECT_EQ(again->geometry(), QRect(120, 90, 1200, 700));
}

TEST(Settings, BooleanTexts) {
    struct Case {
        const char* text;
        bool fallback;
        bool expected;
    };
    const Case cases[] = {
        {"TRUE", false, true},  {"YES", false, true},    {"Y", false, true},
        {"FALSE", true, false}, {"NO", true, false},     {"N", true, false},
        {"maybe", true, true},  {"maybe", false, false}, {"", true, true},
    };
    for (const Case& c : cases) {
        IniFile ini;
        ini.parse(QStringLiteral("[S]\nCBImportName_Checked=%1\n").arg(QLatin1String(c.text)));
        FormStorage s(ini, QStringLiteral("S"));
        EXPECT_EQ(s.readBool(QStringLiteral("CBImportName.Checked"), c.fallback), c.expected)
            << c.text;
    }
}

TEST(Settings, DamagedFileFallsBackToDefaults) {
    struct Case {
        const char* name;
        QByteArray content;
        bool checked;
        int pane;
    };
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 131 + 7) % 256));
    const Case cases[] = {
        {"binary garbage", binary, false, 572},
        {"cut in the middle of an entry", "[MainUniZQMForm]\nPanel8_Wi", false, 572},
        {"nonsense values",
         "[MainUniZQMForm]\nPanel8_Width=wide\nLeft=x\nClientWidth=-5\n"
         "dtpDataOd_Date=yesterday\nCBImportName_Checked=perhaps\n",
         false, 572},
        {"good entries among junk lines",
         "junk line\n[MainUniZQMForm]\n=\nCBImportName_Checked=Y\n\x01\x02\nPanel8_Width=640\n",
         true, 640},
    };
    for (const Case& c : cases) {
        AppFixture app;
        app.writeSettings(c.content);
        auto w = app.startWindow();
        EXPECT_EQ(w->CBImportName->isChecked(), c.checked) << c.name;
        EXPECT_EQ(w->Splitter1->sizes().value(0), c.pane) << c.name;
        EXPECT_EQ(w->size(), QSize(1411, 662)) << c.name;
        EXPECT_EQ(w->dtpDataOd->dateTime(), QDateTime(QDate(2025, 6, 1), QTime(0, 0))) << c.name;
        EXPECT_TRUE(w->startupComplete()) << c.name;
        w->close();
        // Closing replaces the damaged file with a readable one.
        IniFile ini;
        EXPECT_TRUE(ini.load(app.settingsPath())) << c.name;
        EXPECT_EQ(ini.value("MainUniZQMForm", "Panel8_Width"), QString::number(c.pane)) << c.name;
    }
}

TEST(Settings, OtherWindowsSectionsSurviveTheMainWindowsWrite) {
    AppFixture app;
    app.writeSettings("[DostawcyForm]\nEdit1_Text= Kowalski, Jan \n");
    app.startWindow()->close();
    IniFile ini;
    ini.load(app.settingsPath());
    EXPECT_EQ(ini.value("DostawcyForm", "Edit1_Text"), QStringLiteral(" Kowalski, Jan "));
}
