// Tick marks: clicks on the tick cells, the result grid's "√" title and
// "Mark results by date", each checked against what another connection sees.
#include "BrowseFixture.h"

namespace {

class Marking : public BrowseFixture {
protected:
    int committedTick(const char* table, const char* column, const char* key, int id) {
        return tdb.committedInt(QStringLiteral("select coalesce(%2, 0) from %1 where %3 = %4")
                                    .arg(table, column, key)
                                    .arg(id));
    }
    int tickedResults(int idg) {
        return tdb.committedInt(
            QStringLiteral("select count(*) from WYNIKI where IDOB = %1 and REZI1 = 1").arg(idg));
    }
};

TEST_F(Marking, TwoClicksOnATickCellRestoreTheMark) {
    addLine(1, "ALFA", 1, "Wheat", {{at(1, 8)}});
    const int beta = addLine(2, "BETA", 1, "Wheat", {{at(1, 8)}, {at(2, 8)}, {at(3, 8)}});
    controller->ReopenObiekty();
    clickCell(objects, 1, 1); // BETA's line; its results fill the result grid
    ASSERT_EQ(results->model()->rowCount(), 3);
    const int idwyn = controller->FDQWyniki()->fieldInt(1, "IDWYN");

    struct Case {
        const char* name;
        QTableView* grid;
        int row;
        std::function<int()> committed;
    };
    const Case cases[] = {
        {"object line", objects, 1, [&] { return committedTick("GATUNKI", "REZI2", "IDG", beta); }},
        {"result", results, 1, [&] { return committedTick("WYNIKI", "REZI1", "IDWYN", idwyn); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clickCell(c.grid, c.row, 0);
        EXPECT_EQ(c.committed(), 1);
        EXPECT_TRUE(ticked(c.grid, c.row));
        EXPECT_EQ(currentRow(c.grid), c.row);
        clickCell(c.grid, c.row, 0);
        EXPECT_EQ(c.committed(), 0);
        EXPECT_FALSE(ticked(c.grid, c.row));
    }
    // Ticking the line kept it current and left its results in place.
    EXPECT_EQ(controller->FDQObiekty()->fieldInt(currentRow(objects), "IDOB"), beta);
    EXPECT_EQ(results->model()->rowCount(), 3);
}

TEST_F(Marking, AClickOnAnyOtherCellOnlySelectsTheRow) {
    addLine(1, "ALFA", 1, "Wheat", {{at(1, 8)}});
    addLine(2, "BETA", 1, "Wheat", {{at(1, 8)}, {at(2, 8)}, {at(3, 8)}});
    controller->ReopenObiekty();
    for (int column : {1, 2, 3}) {
        clickCell(objects, 0, 2);
        clickCell(objects, 1, column);
        EXPECT_EQ(currentRow(objects), 1) << column;
    }
    for (int column : {1, 2, 3, 4}) {
        clickCell(results, 2, column);
        EXPECT_EQ(currentRow(results), 2) << column;
        clickCell(results, 0, column);
        EXPECT_EQ(currentRow(results), 0) << column;
    }
    EXPECT_EQ(tdb.committedInt("select count(*) from GATUNKI where REZI2 <> 0"), 0);
    EXPECT_EQ(tdb.committedInt("select count(*) from WYNIKI where REZI1 <> 0"), 0);
}

TEST_F(Marking, ResultTickTitleSendsZeroThenOneAcrossLines) {
    const int alfa = addLine(1, "ALFA", 1, "Wheat", {{at(1, 8)}, {at(2, 8)}});
    const int beta = addLine(2, "BETA", 1, "Wheat", {{at(1, 8)}, {at(2, 8)}, {at(3, 8)}});
    controller->ReopenObiekty();

    clickTitle(results, 0); // first use of the run: SELE 0, ticks ALFA's results
    EXPECT_EQ(tickedResults(alfa), 2);
    EXPECT_TRUE(ticked(results, 0) && ticked(results, 1));
    EXPECT_TRUE(controller->FlSelect_WH);

    clickCell(objects, 1, 1);
    clickCell(results, 2, 0); // one of BETA's results ticked by hand
    ASSERT_EQ(tickedResults(beta), 1);
    clickTitle(results, 0); // second use, on another line: SELE 1 unticks them all
    EXPECT_EQ(tickedResults(beta), 0);
    EXPECT_FALSE(ticked(results, 2));
    EXPECT_EQ(tickedResults(alfa), 2);
    EXPECT_FALSE(controller->FlSelect_WH);

    clickTitle(results, 0); // and SELE 0 again
    EXPECT_EQ(tickedResults(beta), 3);
}

TEST_F(Marking, ResultTickTitleOnAnEmptyViewChangesNothing) {
    const int alfa = addLine(1, "ALFA", 1, "Wheat", {{at(1, 8)}});
    // An object line without results: its result view is empty.
    const int idObj = tdb.procedures().updateObiektTemp(20, 2, "EMPTY");
    tdb.procedures().updateGatunek(idObj, 1, "Wheat");
    controller->ReopenObiekty();
    clickCell(objects, 1, 1);
    ASSERT_EQ(results->model()->rowCount(), 0);

    clickTitle(results, 0); // IDDX 0
    EXPECT_EQ(tickedResults(alfa), 0);
    EXPECT_TRUE(controller->FlSelect_WH);
}

TEST_F(Marking, DateRangeCoversWholeDaysAndAReversedRangeIsEmpty) {
    const int alfa =
        addLine(1, "ALFA", 1, "Wheat",
                {{at(14, 23, 59, 59)}, {at(15, 0)}, {at(15, 23, 59, 59)}, {at(16, 0)}});
    controller->ReopenObiekty();
    clickTitle(results, 1); // dates ascending, kept across the reopening

    struct Case {
        const char* name;
        QDate from, to;
        QList<bool> marks; // of the four results in date order
    };
    const Case cases[] = {
        {"one day", QDate(2024, 3, 15), QDate(2024, 3, 15), {false, true, true, false}},
        {"two days", QDate(2024, 3, 14), QDate(2024, 3, 15), {true, true, true, false}},
        {"reversed", QDate(2024, 3, 16), QDate(2024, 3, 14), {false, false, false, false}},
        {"last day only", QDate(2024, 3, 16), QDate(2024, 3, 16), {false, false, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        controller->btnSelectDateClick(c.from, c.to);
        QList<bool> shown;
        for (int r = 0; r < results->model()->rowCount(); ++r)
            shown << ticked(results, r);
        EXPECT_EQ(shown, c.marks);
        EXPECT_EQ(tickedResults(alfa), int(c.marks.count(true)));
        EXPECT_EQ(controller->LastSortString[2], "DATACZAS asc ");
    }
}

TEST_F(Marking, WithoutALineNothingHappens) {
    controller->ReopenObiekty();
    answerOk(); // would answer any dialog that opened
    controller->jvdbGrHobjectsCellClick(QModelIndex());
    controller->jvdbGrHresultsCellClick(QModelIndex());
    controller->actDelObjectExecute();
    controller->actSamplenameExecute(QPoint(100, 100));
    QTest::qWait(30);
    EXPECT_EQ(dialogsSeen, 0);
    EXPECT_EQ(tdb.committedInt("select count(*) from OBIEKTY"), 0);
}

} // namespace
