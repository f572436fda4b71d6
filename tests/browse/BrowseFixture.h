#pragma once
// A window with the object and result grids, driven by a BrowseController
// on a fresh copy of the database, with helpers that store suppliers and
// measurements, click cells and titles like a user, and answer the modal
// dialogs the actions open.
#include "BrowseController.h"
#include "TFormEditName.h"
#include "TInfoForm.h"
#include "TPytForm.h"
#include "TempDatabase.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

struct Measurement {
    QDateTime when;
    float moisture = 14.0f;
    float temperature = 20.0f;
    float density = 75.0f;
    int flagi = 0;
};

class BrowseFixture : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(1500, 700);
        auto* layout = new QHBoxLayout(window.get());
        objects = new QTableView(window.get());
        results = new QTableView(window.get());
        layout->addWidget(objects);
        layout->addWidget(results);
        pyt = std::make_unique<TPytForm>(window.get());
        editName = std::make_unique<TFormEditName>(window.get());
        info = std::make_unique<TInfoForm>(window.get());
        controller = std::make_unique<BrowseController>(objects, results, tdb.db(), pyt.get(),
                                                        editName.get(), info.get());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override {
        controller.reset();
        info.reset();
        editName.reset();
        pyt.reset();
        window.reset();
    }

    // A supplier (object number `number` on the meter) with one species
    // line holding `measurements`; returns the species row key (IDG).
    int addLine(int number, const QString& name, int species, const QString& speciesName,
                const QList<Measurement>& measurements) {
        const int idObj = tdb.procedures().updateObiektTemp(20, number, name);
        const int idg = tdb.procedures().updateGatunek(idObj, species, speciesName);
        QList<MeasurementRow> rows;
        for (int i = 0; i < measurements.size(); ++i) {
            const Measurement& m = measurements.at(i);
            MeasurementRow r;
            r.idGatunku = species;
            r.nazwaGat = speciesName;
            r.dataCzas = m.when;
            r.dane1 = m.moisture;
            r.dane2 = m.temperature;
            r.dane3 = i;
            r.dane5 = m.density;
            r.flagi = m.flagi;
            rows << r;
        }
        tdb.procedures().storeMeasurements(idObj, rows);
        return idg;
    }

    static QDateTime at(int day, int hour, int minute = 0, int second = 0) {
        return QDateTime(QDate(2024, 3, day), QTime(hour, minute, second));
    }

    // The grid's cell text and check state, as drawn.
    static QString text(QTableView* grid, int row, int column) {
        return grid->model()->index(row, column).data().toString();
    }
    static bool ticked(QTableView* grid, int row) {
        return grid->model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    }
    // One column's texts, top to bottom, of every row the grid holds.
    static QStringList columnTexts(QTableView* grid, int column) {
        QStringList texts;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            texts << text(grid, r, column);
        return texts;
    }

    // A mouse click where the cell is drawn.
    static void clickCell(QTableView* grid, int row, int column) {
        const QModelIndex index = grid->model()->index(row, column);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }
    static void clickTitle(QTableView* grid, int column) {
        QHeaderView* header = grid->horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(column) +
                                header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }

    int currentRow(QTableView* grid) { return grid->selectionModel()->currentIndex().row(); }

    // Runs `answer` on the next modal dialog once it is open; `seen` counts
    // the dialogs answered.
    void answerNextDialog(std::function<void(QDialog*)> answer) {
        auto* timer = new QTimer(window.get());
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, answer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            ++dialogsSeen;
            answer(dialog);
        });
        timer->start();
    }
    void answerOk() {
        answerNextDialog([](QDialog* d) { d->done(1); });
    }

    TempDatabase tdb;
    std::unique_ptr<QWidget> window;
    QTableView* objects = nullptr;
    QTableView* results = nullptr;
    std::unique_ptr<TPytForm> pyt;
    std::unique_ptr<TFormEditName> editName;
    std::unique_ptr<TInfoForm> info;
    std::unique_ptr<BrowseController> controller;
    int dialogsSeen = 0;
};
