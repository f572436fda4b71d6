// "Delete marked records", "Delete object" and "Edit supplier name": their
// confirmations, what each removes or changes, and the name checks.
#include "BrowseFixture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSqlQuery>

namespace {

class DeleteRename : public BrowseFixture {
protected:
    int count(const QString& sql) { return tdb.committedInt(sql); }
    QString committedOpis(int idob) {
        QSqlQuery q(tdb.secondConnection());
        q.exec(QStringLiteral("select OPIS from OBIEKTY where IDOB = %1").arg(idob));
        return q.next() ? q.value(0).toString() : QStringLiteral("<no row>");
    }
    bool opisIsNull(int idob) {
        return count(QStringLiteral("select count(*) from OBIEKTY where IDOB = %1 and OPIS is null")
                         .arg(idob)) == 1;
    }
    // The object grid's row of the species row `idg`, -1 when not shown.
    int objectKeysIndex(int idg) {
        for (int r = 0; r < objects->model()->rowCount(); ++r)
            if (controller->FDQObiekty()->fieldInt(r, "IDOB") == idg)
                return r;
        return -1;
    }
    int objectKeyOf(int idg) {
        return count(QStringLiteral("select IDOB from GATUNKI where IDG = %1").arg(idg));
    }
    // Answers the name dialog with `name` (typed over the current one).
    void answerName(const QString& name) {
        answerNextDialog([name](QDialog* d) {
            auto* form = qobject_cast<TFormEditName*>(d);
            ASSERT_NE(form, nullptr);
            form->Edit1->setText(name);
            form->BitBtn1->click();
        });
    }
};

TEST_F(DeleteRename, CancelOrEscInTheConfirmationDeletesNothing) {
    addLine(1, "ALFA", 1, "Wheat", {{at(1, 8)}, {at(2, 8)}});
    controller->ReopenObiekty();
    clickTitle(results, 0); // everything ticked

    struct Case {
        const char* name;
        std::function<void()> action;
        int numer;
        std::function<void(TPytForm*)> answer;
    };
    auto cancel = [](TPytForm* f) { f->BitBtn2->click(); };
    auto esc = [](TPytForm* f) { QTest::keyClick(f, Qt::Key_Escape); };
    const Case cases[] = {
        {"records, Cancel", [&] { controller->actDelRekordExecute(); }, 1, cancel},
        {"records, Esc", [&] { controller->actDelRekordExecute(); }, 1, esc},
        {"object, Cancel", [&] { controller->actDelObjectExecute(); }, 2, cancel},
        {"object, Esc", [&] { controller->actDelObjectExecute(); }, 2, esc},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int numer = -1;
        answerNextDialog([&](QDialog* d) {
            auto* form = qobject_cast<TPytForm*>(d);
            ASSERT_NE(form, nullptr);
            numer = form->NumerKomunikatu;
            c.answer(form);
        });
        c.action();
        EXPECT_EQ(numer, c.numer);
        EXPECT_EQ(count("select count(*) from WYNIKI"), 2);
        EXPECT_EQ(count("select count(*) from GATUNKI"), 1);
        EXPECT_EQ(results->model()->rowCount(), 2);
    }
}

TEST_F(DeleteRename, DeleteMarkedRecordsTakesExactlyTheTickedOnes) {
    // Another line whose results are all ticked: never touched.
    const int other = addLine(1, "ALFA", 1, "Wheat", {{at(1, 8)}, {at(2, 8)}});
    controller->ReopenObiekty();
    clickCell(results, 0, 0);
    clickCell(results, 1, 0);
    controller->ReopenWyniki("DATACZAS asc ");

    struct Case {
        const char* name;
        QList<int> tickRows; // of the five results in date order
        QList<int> remainingDays;
    };
    const Case cases[] = {
        {"nothing ticked", {}, {1, 2, 3, 4, 5}},
        {"two ticked", {0, 3}, {2, 3, 5}},
        {"all ticked", {0, 1, 2, 3, 4}, {}},
    };
    int supplier = 10;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int line = addLine(++supplier, "BETA", 1, "Wheat",
                                 {{at(1, 8)}, {at(2, 8)}, {at(3, 8)}, {at(4, 8)}, {at(5, 8)}});
        controller->ReopenObiekty();
        const int row = int(objectKeysIndex(line));
        ASSERT_GE(row, 0);
        clickCell(objects, row, 1);
        for (int r : c.tickRows)
            clickCell(results, r, 0);

        dialogsSeen = 0;
        answerOk();
        controller->actDelRekordExecute();
        EXPECT_EQ(dialogsSeen, 1); // asked even with nothing to delete
        QList<int> days;
        for (int r = 0; r < results->model()->rowCount(); ++r)
            days << controller->FDQWyniki()->fieldValue(r, "DATACZAS").toDateTime().date().day();
        EXPECT_EQ(days, c.remainingDays);
        EXPECT_EQ(count(QStringLiteral("select count(*) from WYNIKI where IDOB = %1").arg(line)),
                  c.remainingDays.size());
        // The line stays, and nothing of the other line is touched.
        EXPECT_EQ(count(QStringLiteral("select count(*) from GATUNKI where IDG = %1").arg(line)),
                  1);
        EXPECT_EQ(count(QStringLiteral("select count(*) from WYNIKI where IDOB = %1").arg(other)),
                  2);
        EXPECT_EQ(controller->FDQObiekty()->fieldInt(currentRow(objects), "IDOB"), line);
    }
}

TEST_F(DeleteRename, DeleteObjectRemovesOnlyTheCurrentSpeciesLine) {
    const int wheat = addLine(1, "ALFA", 1, "Wheat", {{at(1, 8), 11.0f}, {at(2, 8), 12.0f}});
    const int rye = addLine(1, "ALFA", 2, "Rye", {{at(3, 8), 13.0f}});
    const int supplier = objectKeyOf(wheat);
    ASSERT_EQ(objectKeyOf(rye), supplier);
    controller->ReopenObiekty();
    ASSERT_EQ(controller->FDQObiekty()->fieldInt(0, "IDOB"), wheat);

    answerOk();
    controller->actDelObjectExecute();
    EXPECT_EQ(count(QStringLiteral("select count(*) from GATUNKI where IDG = %1").arg(wheat)), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from WYNIKI where IDOB = %1").arg(wheat)), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from WYNIKI where IDOB = %1").arg(rye)), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from OBIEKTY where IDOB = %1").arg(supplier)),
              1);
    // The grid lost the line; the line now current shows its own results.
    ASSERT_EQ(objects->model()->rowCount(), 1);
    EXPECT_EQ(controller->FDQObiekty()->fieldInt(currentRow(objects), "IDOB"), rye);
    ASSERT_EQ(results->model()->rowCount(), 1);
    EXPECT_EQ(controller->FDQWyniki()->fieldInt(0, "IDOB"), rye);
}

TEST_F(DeleteRename, RenamingStoresTheTextAsTypedOnEveryLineOfTheSupplier) {
    const int wheat = addLine(1, "ALFA", 1, "Wheat", {{at(1, 8)}});
    addLine(1, "ALFA", 2, "Rye", {{at(2, 8)}});
    const int other = addLine(2, "BETA", 1, "Wheat", {{at(3, 8)}});
    const int supplier = objectKeyOf(wheat);
    controller->ReopenObiekty();
    clickTitle(objects, 3); // species: ALFA's Rye, ALFA's Wheat, BETA's Wheat
    clickCell(objects, 1, 1);
    const int current = controller->FDQObiekty()->fieldInt(1, "IDOB");
    ASSERT_EQ(current, wheat);

    const QString longest(BrowseController::OpisMaxLength, QChar(0x017B)); // "Ż" x 250
    struct Case {
        const char* name;
        QString typed;
    };
    const Case cases[] = {
        {"plain", "Kowalski i syn"},
        {"kept untrimmed", "  Nowak  "},
        {"empty", ""},
        {"full length", longest},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        answerName(c.typed);
        controller->actSamplenameExecute(QPoint(200, 200));
        EXPECT_EQ(committedOpis(supplier), c.typed);
        EXPECT_FALSE(opisIsNull(supplier));
        // Both lines of the supplier show it; the other supplier keeps none.
        int shown = 0;
        for (int r = 0; r < objects->model()->rowCount(); ++r) {
            if (controller->FDQObiekty()->fieldInt(r, "IDOB_0") == supplier) {
                EXPECT_EQ(text(objects, r, 2), c.typed);
                ++shown;
            }
        }
        EXPECT_EQ(shown, 2);
        EXPECT_EQ(controller->FDQObiekty()->fieldInt(currentRow(objects), "IDOB"), current);
    }
    EXPECT_TRUE(opisIsNull(objectKeyOf(other)));
}

TEST_F(DeleteRename, ANameLongerThanTheColumnIsRefusedWithAMessage) {
    const int line = addLine(1, "ALFA", 1, "Wheat", {{at(1, 8)}});
    const int supplier = objectKeyOf(line);
    controller->ReopenObiekty();
    answerName("Stara nazwa");
    controller->actSamplenameExecute(QPoint(200, 200));
    ASSERT_EQ(committedOpis(supplier), "Stara nazwa");

    QString message;
    answerNextDialog([&](QDialog* d) {
        auto* form = qobject_cast<TFormEditName*>(d);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Edit1->text(), "Stara nazwa"); // opens with the current name
        form->Edit1->setText(QString(BrowseController::OpisMaxLength + 1, QLatin1Char('x')));
        answerNextDialog([&](QDialog* box) {
            auto* infoForm = qobject_cast<TInfoForm*>(box);
            ASSERT_NE(infoForm, nullptr);
            message = infoForm->Label2->text();
            infoForm->BitBtn1->click();
        });
        form->BitBtn1->click();
    });
    controller->actSamplenameExecute(QPoint(200, 200));
    EXPECT_EQ(dialogsSeen, 3);
    EXPECT_TRUE(message.contains("251") && message.contains("250")) << message.toStdString();
    EXPECT_EQ(committedOpis(supplier), "Stara nazwa");
    EXPECT_EQ(text(objects, 0, 2), "Stara nazwa");
}

TEST_F(DeleteRename, NameDialogOpensAtThePointerAndStaysOnTheScreen) {
    addLine(1, "ALFA", 1, "Wheat", {{at(1, 8)}});
    controller->ReopenObiekty();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

    struct Case {
        const char* name;
        QPoint pointer;
    };
    const Case cases[] = {
        {"middle", QPoint(300, 250)},
        {"bottom right corner", screen.bottomRight() - QPoint(3, 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QRect shownAt;
        answerNextDialog([&](QDialog* d) {
            shownAt = d->frameGeometry();
            qobject_cast<TFormEditName*>(d)->BitBtn2->click();
        });
        controller->actSamplenameExecute(c.pointer);
        EXPECT_TRUE(screen.contains(shownAt)) << shownAt.x() << "," << shownAt.y();
        if (screen.contains(QRect(c.pointer, shownAt.size())))
            EXPECT_EQ(shownAt.topLeft(), c.pointer);
        else
            EXPECT_LT((shownAt.bottomRight() - screen.bottomRight()).manhattanLength(), 2);
    }
    EXPECT_TRUE(count("select count(*) from OBIEKTY where OPIS is null") == 1);
}

} // namespace
