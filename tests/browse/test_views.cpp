// The object and result views: the grids as set up, sorting by the column
// titles, the remembered orders, the result view following the object line.
#include "BrowseFixture.h"
#include "ValueText.h"

#include <QLocale>

namespace {

class Views : public BrowseFixture {
protected:
    QList<double> resultValues(const char* field) {
        QList<double> values;
        for (int r = 0; r < controller->FDQWyniki()->rowCount(); ++r)
            values << controller->FDQWyniki()->fieldValue(r, field).toDouble();
        return values;
    }
    QList<int> objectKeys() {
        QList<int> keys;
        for (int r = 0; r < controller->FDQObiekty()->rowCount(); ++r)
            keys << controller->FDQObiekty()->fieldInt(r, "IDOB");
        return keys;
    }
    // Moisture 15.2, 12.1, 18.4, 13.0 measured on the 4th, 1st, 3rd and 2nd.
    int addSortableLine(int number = 1, const QString& name = "ALFA") {
        return addLine(
            number, name, 1, "Wheat",
            {{at(4, 8), 15.2f}, {at(1, 8), 12.1f}, {at(3, 8), 18.4f}, {at(2, 8), 13.0f}});
    }
};

TEST_F(Views, GridsShowTheirColumnsAsSet) {
    addLine(1, "ALFA", 1, "Wheat",
            {{at(15, 13, 25, 28), 14.3f, 0.5f, 76.4f, 3}, {at(16, 9), 12.0f, -3.2f, 70.0f, 64}});
    controller->ReopenObiekty();

    struct Expect {
        QTableView* grid;
        QStringList titles;
        QList<int> widths;
    };
    for (const Expect& e : {Expect{objects,
                                   {"√", "Supplier ZQMM name", "Supplier name", "Species"},
                                   {31, 196, 272, 278}},
                            Expect{results,
                                   {"√", "Measurement date", "Moisture", "Temperature", "Density"},
                                   {28, 182, 149, 158, 167}}}) {
        SCOPED_TRACE(e.grid == objects ? "object grid" : "result grid");
        ASSERT_EQ(e.grid->model()->columnCount(), e.titles.size());
        for (int c = 0; c < e.titles.size(); ++c) {
            EXPECT_EQ(e.grid->model()->headerData(c, Qt::Horizontal).toString(), e.titles[c]);
            EXPECT_EQ(e.grid->columnWidth(c), e.widths[c]);
        }
        EXPECT_EQ(e.grid->font().pixelSize(), 16);
        EXPECT_EQ(e.grid->horizontalHeader()->font().pixelSize(), 16);
        EXPECT_EQ(e.grid->rowHeight(0), 23);
        EXPECT_EQ(e.grid->horizontalHeader()->height(), 23);
        EXPECT_EQ(e.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        EXPECT_EQ(e.grid->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_FALSE(e.grid->isSortingEnabled());
        EXPECT_EQ(e.grid->palette().color(QPalette::Inactive, QPalette::Highlight),
                  e.grid->palette().color(QPalette::Active, QPalette::Highlight));
        // The tick column is a check box with no text.
        EXPECT_TRUE(e.grid->model()->index(0, 0).data().toString().isEmpty());
        EXPECT_EQ(e.grid->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    }

    EXPECT_EQ(text(objects, 0, 1), "ALFA");
    EXPECT_EQ(text(objects, 0, 3), "Wheat");
    // Values through the value texts with the row's own FLAGI, in the system's locale.
    const QLocale sys = QLocale::system();
    EXPECT_EQ(text(results, 0, 2), measurementText(MeasuredField::Moisture, 14.3f, 3, sys));
    EXPECT_EQ(text(results, 0, 4), measurementText(MeasuredField::Density, 76.4f, 3, sys));
    EXPECT_EQ(text(results, 0, 3), temperatureText(0.5f, sys));
    EXPECT_EQ(text(results, 1, 2), "---");
    EXPECT_EQ(text(results, 1, 3), temperatureText(-3.2f, sys));
    const QString when = text(results, 0, 1);
    EXPECT_TRUE(when.startsWith(sys.toString(QDate(2024, 3, 15), QLocale::ShortFormat)))
        << when.toStdString();
    EXPECT_TRUE(when.contains(sys.toString(QTime(13, 25, 28), "mm")) && when.contains("28"))
        << when.toStdString();
}

TEST_F(Views, ResultTitlesSortAscendingThenToggleAndTickTitleNeverSorts) {
    addSortableLine();
    controller->ReopenObiekty();
    EXPECT_EQ(controller->LastSortString[2], "");

    struct Step {
        int title;
        const char* clause;     // remembered result clause afterwards
        QList<double> moisture; // DANE1 of the rows, top to bottom
        int sortedColumn;       // the title shown as sorted
    };
    const QList<double> byDate{12.1f, 13.0f, 18.4f, 15.2f};
    const Step steps[] = {
        {2, "DANE1 asc ", {12.1f, 13.0f, 15.2f, 18.4f}, 2},
        {2, "DANE1 desc ", {18.4f, 15.2f, 13.0f, 12.1f}, 2},
        {1, "DATACZAS asc ", byDate, 1},
        // The tick title neither sorts nor changes which column counts as sorted ...
        {0, "DATACZAS asc ", byDate, 1},
        // ... so the next click on the date title toggles it.
        {1, "DATACZAS desc ", {15.2f, 18.4f, 13.0f, 12.1f}, 1},
        {3, "DANE2 asc ", {}, 3},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string("title ") + std::to_string(s.title) + " -> " + s.clause);
        clickTitle(results, s.title);
        EXPECT_EQ(controller->LastSortString[2], s.clause);
        if (!s.moisture.isEmpty()) {
            EXPECT_EQ(resultValues("DANE1"), s.moisture);
        }
        EXPECT_EQ(results->horizontalHeader()->sortIndicatorSection(), s.sortedColumn);
        EXPECT_EQ(controller->LastSortString[0], ""); // the object view's order is its own
    }
}

TEST_F(Views, ObjectSortUsesIdobTieBreakAndSurvivesReopen) {
    const int zedRye = addLine(1, "ZED", 2, "Rye", {{at(1, 8), 11.0f}});
    const int alfaWheat = addLine(2, "ALFA", 1, "Wheat", {{at(1, 9), 12.0f}});
    const int midRye = addLine(3, "MID", 2, "Rye", {{at(1, 10), 13.0f}});
    const int alfaRye = addLine(2, "ALFA", 2, "Rye", {{at(1, 11), 16.0f}, {at(1, 12), 14.0f}});
    controller->ReopenObiekty();

    clickTitle(objects, 3); // "Species"
    EXPECT_EQ(controller->LastSortString[0], "NAZWAGATUNKU asc ");
    EXPECT_EQ(objectKeys(), (QList<int>{zedRye, midRye, alfaRye, alfaWheat}));
    clickTitle(objects, 3);
    EXPECT_EQ(objectKeys(), (QList<int>{alfaWheat, zedRye, midRye, alfaRye}));
    clickTitle(objects, 1); // "Supplier ZQMM name" ascending, ties by IDOB
    EXPECT_EQ(objectKeys(), (QList<int>{alfaWheat, alfaRye, midRye, zedRye}));

    // Sort the results of the current line, then reopen as an import ends.
    clickCell(objects, 1, 2);
    clickTitle(results, 2);
    EXPECT_EQ(resultValues("DANE1"), (QList<double>{14.0f, 16.0f}));
    controller->ReopenObiekty();
    EXPECT_EQ(objectKeys(), (QList<int>{alfaWheat, alfaRye, midRye, zedRye}));
    EXPECT_EQ(controller->LastSortString[2], "DANE1 asc ");
    EXPECT_EQ(currentRow(objects), 0); // a reopened view stands on its first line
}

TEST_F(Views, SortingKeepsTheCurrentLineAndResult) {
    const int zed = addLine(1, "ZED", 2, "Rye", {{at(1, 8), 11.0f}});
    addLine(2, "ALFA", 1, "Wheat", {{at(1, 9), 12.0f}});
    addLine(3, "MID", 2, "Rye", {{at(1, 10), 13.0f}, {at(2, 10), 17.0f}, {at(3, 10), 15.0f}});
    controller->ReopenObiekty();

    clickCell(objects, 0, 2); // ZED, first in the database's order
    clickTitle(objects, 1);   // by name: ALFA, MID, ZED
    EXPECT_EQ(controller->FDQObiekty()->fieldInt(currentRow(objects), "IDOB"), zed);
    EXPECT_EQ(currentRow(objects), 2);
    EXPECT_EQ(resultValues("DANE1"), (QList<double>{11.0f}));

    clickCell(objects, 1, 2); // MID
    clickCell(results, 1, 2); // its 17.0 result
    clickTitle(results, 2);   // moisture ascending: 13, 15, 17
    EXPECT_EQ(currentRow(results), 2);
    EXPECT_DOUBLE_EQ(controller->FDQWyniki()->fieldValue(currentRow(results), "DANE1").toDouble(),
                     17.0);
}

TEST_F(Views, ObjectTickTitleChangesNeitherOrderNorMarks) {
    addLine(1, "ZED", 2, "Rye", {{at(1, 8)}});
    addLine(2, "ALFA", 1, "Wheat", {{at(1, 9)}});
    controller->ReopenObiekty();
    clickTitle(objects, 1);
    const QList<int> before = objectKeys();

    clickTitle(objects, 0);
    EXPECT_EQ(objectKeys(), before);
    EXPECT_EQ(controller->LastSortString[0], "NAZWA_DEV asc ");
    EXPECT_EQ(objects->horizontalHeader()->sortIndicatorSection(), 1);
    EXPECT_EQ(tdb.committedInt("select count(*) from GATUNKI where REZI2 <> 0"), 0);
    EXPECT_EQ(tdb.committedInt("select count(*) from WYNIKI where REZI1 <> 0"), 0);
    // The same title again still toggles the name column.
    clickTitle(objects, 1);
    EXPECT_EQ(controller->LastSortString[0], "NAZWA_DEV desc ");
}

TEST_F(Views, OnlyTheGridsOwnFieldsEverReachTheSql) {
    addSortableLine();
    controller->ReopenObiekty();
    clickTitle(objects, 2);
    clickTitle(results, 2);
    const auto remembered = controller->LastSortString;

    const char* objectClauses[] = {"OPIS asc; delete from WYNIKI",
                                   "opis asc ",
                                   "OPIS",
                                   "REZI2 asc ",
                                   "IDOB asc ",
                                   "OPIS asc , IDOB"};
    for (const char* clause : objectClauses)
        EXPECT_FALSE(controller->ReopenObiekty(clause)) << clause;
    const char* resultClauses[] = {"DANE1 asc ; drop table WYNIKI", "REZI1 desc ", "IDWYN asc ",
                                   "DANE1 ascending "};
    for (const char* clause : resultClauses)
        EXPECT_FALSE(controller->ReopenWyniki(clause)) << clause;
    EXPECT_FALSE(controller->jvdbGrHobjectsUserSort("REZI2", true));
    EXPECT_FALSE(controller->jvdbWynikiUserSort("REZI1", true));
    EXPECT_FALSE(controller->jvdbWynikiUserSort("IDOB", true));
    EXPECT_EQ(controller->LastSortString, remembered);
    EXPECT_EQ(tdb.committedInt("select count(*) from WYNIKI"), 4);
}

TEST_F(Views, ResultViewFollowsTheObjectLineInItsRememberedOrder) {
    addSortableLine(1, "ALFA");
    addLine(2, "BETA", 1, "Wheat", {{at(1, 8), 9.5f}, {at(2, 8), 20.5f}, {at(3, 8), 10.5f}});
    controller->ReopenObiekty();
    clickTitle(results, 2);
    clickTitle(results, 2); // moisture descending
    EXPECT_EQ(resultValues("DANE1"), (QList<double>{18.4f, 15.2f, 13.0f, 12.1f}));

    clickCell(objects, 1, 2); // another line, by a click on a plain cell
    EXPECT_EQ(currentRow(objects), 1);
    EXPECT_EQ(resultValues("DANE1"), (QList<double>{20.5f, 10.5f, 9.5f}));
    objects->selectionModel()->setCurrentIndex(objects->model()->index(0, 1),
                                               QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
    EXPECT_EQ(resultValues("DANE1"), (QList<double>{18.4f, 15.2f, 13.0f, 12.1f}));
}

TEST_F(Views, EmptyObjectViewGivesEmptyResultView) {
    controller->ReopenObiekty();
    EXPECT_TRUE(controller->FDQObiekty()->isOpen());
    EXPECT_TRUE(controller->FDQWyniki()->isOpen());
    EXPECT_EQ(objects->model()->rowCount(), 0);
    EXPECT_EQ(results->model()->rowCount(), 0);
    EXPECT_EQ(controller->currentObjectRow(), -1);
}

TEST_F(Views, LargeLineIsFetchedAsTheGridScrolls) {
    QList<Measurement> many;
    for (int i = 0; i < 1000; ++i)
        many << Measurement{at(1, 0).addSecs(i * 60), 10.0f + float(i % 100) / 10.0f};
    addLine(1, "ALFA", 1, "Wheat", many);
    controller->ReopenObiekty();
    clickTitle(results, 2);

    GridModel* model = controller->FDQWyniki();
    EXPECT_LT(model->rowCount(), 1000);
    EXPECT_TRUE(model->canFetchMore());
    const int firstChunk = model->rowCount();
    results->scrollToBottom();
    QApplication::processEvents();
    EXPECT_GT(model->rowCount(), firstChunk);
    EXPECT_TRUE(model->fetchUpTo(999));
    EXPECT_EQ(model->rowCount(), 1000);
    const QList<double> values = resultValues("DANE1");
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
}

} // namespace
