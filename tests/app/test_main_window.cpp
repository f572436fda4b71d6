// The main window: its windows, header picture rule, and the start-up
// sequence's last step.
#include "AppFixture.h"
#include "Forms.h"
#include "TDostawcyForm.h"
#include "TFormEditName.h"
#include "TFormKontakt.h"
#include "TInfoForm.h"
#include "TLogoZQMForm.h"
#include "TProgresForm.h"
#include "TPytForm.h"
#include "TWykresForm.h"
#include <QAbstractItemModel>
#include <QTableView>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MainWindow, NineWindowsInOrderWithTheMainWindowFirst) {
    AppFixture app;
    createForms(app.settingsPath(), &app.probe);
    ASSERT_NE(MainUniZQMForm, nullptr);
    // The other eight are owned by the main window, in creation order.
    QStringList order;
    for (QObject* child : MainUniZQMForm->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && w->isWindow())
            order << w->metaObject()->className();
    order.removeAll(QStringLiteral("QMenu"));
    EXPECT_EQ(order, (QStringList{"TFormEditName", "TWykresForm", "TProgresForm", "TPytForm",
                                  "TInfoForm", "TFormKontakt", "TLogoZQMForm", "TDostawcyForm"}));
    EXPECT_EQ(FormEditName->parent(), MainUniZQMForm);
    EXPECT_EQ(QString(MainUniZQMForm->metaObject()->className()), "TMainUniZQMForm");
    EXPECT_EQ(MainUniZQMForm->windowTitle(), QStringLiteral("VORZEL S. A.   v.1.15"));
    destroyForms();
    EXPECT_EQ(ProgresForm, nullptr);
}

TEST(MainWindow, SecondHeaderPictureOnlyAbove1100Pixels) {
    AppFixture app;
    auto w = app.startWindow();
    struct Case {
        int width;
        bool shown;
    };
    for (const Case c : {Case{1100, false}, Case{1101, true}, Case{900, false}, Case{1411, true}}) {
        w->resize(c.width, 662);
        QApplication::processEvents();
        EXPECT_EQ(w->Image2->isVisible(), c.shown) << c.width;
    }
}

TEST(MainWindow, SpreadsheetFlagsFollowTheProbe) {
    struct Case {
        QStringList keys;
        bool excel, calc;
    };
    const Case cases[] = {
        {{kExcelKey, kCalcKey}, true, true},
        {{kExcelKey}, true, false},
        {{kCalcKey}, false, true},
        {{}, false, false},
    };
    for (const Case& c : cases) {
        AppFixture app;
        app.probe.present = c.keys;
        auto w = app.startWindow();
        EXPECT_TRUE(w->startupComplete());
        EXPECT_EQ(w->IsExcelExport, c.excel) << c.keys.join(",").toStdString();
        EXPECT_EQ(w->IsOpenOffExport, c.calc) << c.keys.join(",").toStdString();
    }
}

TEST(MainWindow, ProgramPathEndsWithASeparator) {
    AppFixture app;
    auto w = app.startWindow();
    EXPECT_EQ(w->ProgramPath, QDir(app.dir.path()).absolutePath() + "/");
}

TEST(MainWindow, BannerOfTheLanguageLiesOnTopWithTheMeterBoxAboveIt) {
    AppFixture app;
    auto w = app.startWindow();
    auto topmostAt = [&](QPoint p) { return w->Panel1->childAt(p); };
    for (int lang : {5, 1, 0}) {
        w->showBanner(lang);
        // Over an empty part of the banner, the banner of that language shows.
        EXPECT_EQ(topmostAt({700, 40}), w->banners()[lang]) << lang;
        EXPECT_EQ(topmostAt(w->ButtonConnect->geometry().center()), w->ButtonConnect) << lang;
        EXPECT_EQ(topmostAt(w->Label1->geometry().center()), w->Label1) << lang;
    }
}

TEST(MainWindow, SpeciesNamesLoadedAtStartUp) {
    AppFixture app;
    auto w = app.startWindow();
    EXPECT_TRUE(app.messages.isEmpty());
    EXPECT_GE(w->StringGrid1->rowCount(), 29);
    EXPECT_FALSE(w->StringGrid1->isVisible());
    // Row 1 is the meter's species 0; column 1 English.
    ASSERT_NE(w->StringGrid1->item(1, 1), nullptr);
    EXPECT_FALSE(w->StringGrid1->item(1, 1)->text().isEmpty());
}

TEST(MainWindow, MissingSpeciesFileIsReportedAndStartUpGoesOn) {
    AppFixture app({"GatunkiZQM.txt"});
    auto w = app.startWindow();
    ASSERT_EQ(app.messages.size(), 1);
    EXPECT_TRUE(app.messages[0].contains("GatunkiZQM.txt"));
    EXPECT_TRUE(w->startupComplete());
}

TEST(MainWindow, TimerBlanksTheMeterBoxOnlyWhileNoMeterIsIdentified) {
    AppFixture app;
    auto w = app.startWindow();
    ASSERT_NE(w->meter.FtdiRS, nullptr);
    EXPECT_FALSE(w->meter.FlagaJest);
    EXPECT_EQ(w->Timer1->interval(), 3000);
    EXPECT_TRUE(w->Timer1->isActive());

    // Identification fills the meter box ...
    ASSERT_TRUE(w->meter.OpenZQMDevice());
    EXPECT_EQ(w->LabNazwa->text(), QStringLiteral("Grain Moisture and Density Meter"));
    EXPECT_TRUE(w->LabSN->text().startsWith("GD"));
    EXPECT_EQ(w->LabFV->text().size(), 4);

    // ... and the timer keeps it while the meter counts as found,
    w->meter.FlagaJest = true;
    const QString serial = w->LabSN->text();
    w->Timer1Timer();
    EXPECT_EQ(w->LabSN->text(), serial);
    // but blanks it once it does not.
    w->meter.FlagaJest = false;
    w->Timer1Timer();
    for (QLabel* l : {w->LabNazwa, w->LabSN, w->LabFV})
        EXPECT_EQ(l->text(), QStringLiteral(" "));
}

TEST(MainWindow, ClosingFreesTheLink) {
    AppFixture app;
    auto w = app.startWindow();
    ASSERT_TRUE(w->meter.OpenZQMDevice());
    w->close();
    EXPECT_EQ(w->meter.FtdiRS, nullptr);
}

TEST(MainWindow, StartDownloadsTheSimulatedMeterIntoTheGrids) {
    AppFixture app;
    auto w = app.startWindow();
    ASSERT_TRUE(w->startupComplete()) << app.messages.join("\n").toStdString();
    EXPECT_TRUE(w->ButtonConnect->isEnabled());
    EXPECT_EQ(w->jvdbGrHobjects->model()->rowCount(), 0);

    // The information window reports the count; answer it as a user would.
    QString reported;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* info = w->findChild<TInfoForm*>();
        if (info && info->isVisible()) {
            reported = info->Label2->text();
            info->BitBtn1->click();
        }
    });
    closer.start(20);
    w->ButtonConnect->click();
    closer.stop();

    EXPECT_TRUE(w->meter.FlagaJest);
    EXPECT_TRUE(reported.endsWith(" records read.")) << reported.toStdString();
    EXPECT_GT(reported.section(' ', 0, 0).toInt(), 0) << reported.toStdString();
    EXPECT_GT(w->jvdbGrHobjects->model()->rowCount(), 0);
    EXPECT_GT(w->jvdbGrHresults->model()->rowCount(), 0);
    EXPECT_FALSE(w->LabSN->text().trimmed().isEmpty());
    EXPECT_TRUE(app.messages.isEmpty()) << app.messages.join("\n").toStdString();
}
