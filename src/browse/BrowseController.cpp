#include "BrowseController.h"

#include "GridLook.h"
#include "ModalResult.h"
#include "SortClause.h"
#include "SqlTexts.h"
#include "TFormEditName.h"
#include "TInfoForm.h"
#include "TPytForm.h"
#include "ZqmDatabase.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>

namespace {

DbError viewError(const QSqlQuery& query, const QString& what) {
    QString detail = query.lastError().databaseText().trimmed();
    if (detail.isEmpty())
        detail = query.lastError().text().trimmed();
    return DbError(DbError::Reason::Statement,
                   BrowseController::tr("The %1 could not be opened: %2").arg(what, detail));
}

// The tick column of a grid's columns (the one field with the tick tag).
int tickColumn(const QList<GridColumn>& columns) {
    for (int i = 0; i < columns.size(); ++i)
        if (jvdbGrHresultsCheckIfBooleanField(columns.at(i)))
            return i;
    return -1;
}

// The mark a click on a tick cell gives: a ticked box (the text "1") is
// cleared, anything else becomes ticked, so the click always flips what the
// check box shows.
int flippedMark(int mark) {
    return mark == 1 ? 0 : 1;
}

} // namespace

BrowseController::BrowseController(QTableView* jvdbGrHobjects, QTableView* jvdbGrHresults,
                                   ZqmDatabase& database, TPytForm* pytForm,
                                   TFormEditName* formEditName, TInfoForm* infoForm,
                                   QObject* parent)
    : QObject(parent), objectGrid_(jvdbGrHobjects), resultGrid_(jvdbGrHresults),
      database_(database), pytForm_(pytForm), formEditName_(formEditName), infoForm_(infoForm),
      objects_(new GridModel(objectColumns(), this)),
      results_(new GridModel(resultColumns(), this)) {
    for (auto [grid, model] :
         {std::pair{objectGrid_, objects_}, std::pair{resultGrid_, results_}}) {
        GridLook::apply(grid);
        grid->setModel(model);
        GridLook::applyColumns(grid, model->columns());
        grid->installEventFilter(this);
    }

    connect(objectGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (!movingObjects_ && current.row() != previous.row())
                    guarded([this] { FDQObiektyAfterScroll(); });
            });
    connect(objectGrid_, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { guarded([&] { jvdbGrHobjectsCellClick(index); }); });
    connect(resultGrid_, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { guarded([&] { jvdbGrHresultsCellClick(index); }); });
    connect(objectGrid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { guarded([&] { objectTitleClicked(column); }); });
    connect(resultGrid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { guarded([&] { resultTitleClicked(column); }); });
}

BrowseController::~BrowseController() {
    closeViews();
}

template <class Work> void BrowseController::guarded(Work&& work) {
    if (!errorSink_) {
        work();
        return;
    }
    try {
        work();
    } catch (const DbError& e) {
        errorSink_(e.message());
    }
}

bool BrowseController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        if (watched == objectGrid_)
            objects_->retranslate();
        else if (watched == resultGrid_)
            results_->retranslate();
    }
    return QObject::eventFilter(watched, event);
}

void BrowseController::closeViews() {
    results_->close();
    objects_->close();
}

// ---- Views ----------------------------------------------------------------

void BrowseController::openObjects(const QString& clause) {
    objects_->close();
    QSqlQuery query(database_.database());
    const QString what = tr("object view");
    if (!query.prepare(objectViewSql(clause)))
        throw viewError(query, what);
    query.bindValue(QLatin1String(SqlTexts::ParamIdDev), database_.currentDeviceId());
    if (!query.exec())
        throw viewError(query, what);
    objects_->open(std::move(query));
    LastSortString[0] = clause;
}

bool BrowseController::ReopenObiekty(const QString& clause) {
    if (!isGridClause(objectColumns(), clause))
        return false;
    const QString used = clause.isEmpty() ? LastSortString[0] : clause;
    openObjects(used);
    setCurrentRow(objectGrid_, 0);
    ReopenWyniki();
    return true;
}

bool BrowseController::ReopenWyniki(const QString& clause) {
    if (!isGridClause(resultColumns(), clause))
        return false;
    const QString used = clause.isEmpty() ? LastSortString[2] : clause;
    results_->close();
    QSqlQuery query(database_.database());
    const QString what = tr("result view");
    if (!query.prepare(resultViewSql(used)))
        throw viewError(query, what);
    query.bindValue(QLatin1String(SqlTexts::ParamIdObj), objectLineKey());
    if (!query.exec())
        throw viewError(query, what);
    results_->open(std::move(query));
    LastSortString[2] = used;
    setCurrentRow(resultGrid_, 0);
    return true;
}

// Re-reads the object view in its order and keeps its current line; when
// that line is gone the line now in its place becomes current. The result
// view follows the current line.
void BrowseController::refreshObiekty() {
    const int oldRow = currentObjectRow();
    const int oldKey = objectLineKey();
    openObjects(LastSortString[0]);
    int row = -1;
    if (oldKey != 0) {
        for (int r = 0; objects_->fetchUpTo(r); ++r)
            if (objects_->fieldInt(r, "IDOB") == oldKey) {
                row = r;
                break;
            }
    }
    if (row < 0 && oldRow >= 0) {
        objects_->fetchUpTo(oldRow);
        row = qMin(oldRow, objects_->rowCount() - 1);
    }
    setCurrentRow(objectGrid_, qMax(row, 0));
    if (objectLineKey() != oldKey || !results_->isOpen())
        ReopenWyniki();
}

void BrowseController::setCurrentRow(QTableView* grid, int row) {
    QItemSelectionModel* selection = grid->selectionModel();
    const bool wasMoving = movingObjects_;
    movingObjects_ = true;
    if (row >= 0 && row < grid->model()->rowCount())
        selection->setCurrentIndex(grid->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        selection->clear();
    movingObjects_ = wasMoving;
}

int BrowseController::currentObjectRow() const {
    const QModelIndex current = objectGrid_->selectionModel()->currentIndex();
    return current.isValid() && current.row() < objects_->rowCount() ? current.row() : -1;
}

int BrowseController::currentResultRow() const {
    const QModelIndex current = resultGrid_->selectionModel()->currentIndex();
    return current.isValid() && current.row() < results_->rowCount() ? current.row() : -1;
}

int BrowseController::objectLineKey() const {
    const int row = currentObjectRow();
    return row < 0 ? 0 : objects_->fieldInt(row, "IDOB");
}

void BrowseController::FDQObiektyAfterScroll() {
    ReopenWyniki();
}

// ---- Sorting ----------------------------------------------------------------

bool BrowseController::jvdbGrHobjectsUserSort(const QString& field, bool ascending) {
    const int column = columnOfField(objectColumns(), field);
    const QString clause = sortClause(objectColumns(), column, ascending);
    if (clause.isEmpty())
        return false; // the tick column (or no column of this grid) never sorts
    return ReopenObiekty(clause);
}

bool BrowseController::jvdbWynikiUserSort(const QString& field, bool ascending) {
    const int column = columnOfField(resultColumns(), field);
    const QString clause = sortClause(resultColumns(), column, ascending);
    if (clause.isEmpty())
        return false;
    return ReopenWyniki(clause);
}

// After a sort the reopened view stands on its first line; the grid then
// goes back to the line that was current before, when it is among the first
// rows (searching further would fetch a whole large view for it).
int BrowseController::findRow(GridModel* model, const char* keyField, int key) {
    constexpr int searchedRows = 5000;
    for (int r = 0; r < searchedRows && model->fetchUpTo(r); ++r)
        if (model->fieldInt(r, keyField) == key)
            return r;
    return -1;
}

void BrowseController::objectTitleClicked(int column) {
    if (column < 0 || column >= objectColumns().size())
        return;
    const int keyBefore = objectLineKey();
    const TitleSort::Request request = objectSort_.request(column);
    if (jvdbGrHobjectsUserSort(QLatin1String(objectColumns().at(column).field),
                               request.ascending)) {
        objectSort_.accept(request);
        const int row = keyBefore != 0 ? findRow(objects_, "IDOB", keyBefore) : -1;
        if (row > 0) {
            setCurrentRow(objectGrid_, row);
            ReopenWyniki();
        }
    }
    GridLook::showSort(objectGrid_, objectSort_);
}

void BrowseController::resultTitleClicked(int column) {
    if (column < 0 || column >= resultColumns().size())
        return;
    const int row = currentResultRow();
    const int keyBefore = row < 0 ? 0 : results_->fieldInt(row, "IDWYN");
    const TitleSort::Request request = resultSort_.request(column);
    const bool accepted =
        jvdbWynikiUserSort(QLatin1String(resultColumns().at(column).field), request.ascending);
    if (accepted) {
        resultSort_.accept(request);
        const int rowNow = keyBefore != 0 ? findRow(results_, "IDWYN", keyBefore) : -1;
        if (rowNow > 0)
            setCurrentRow(resultGrid_, rowNow);
    }
    GridLook::showSort(resultGrid_, resultSort_);
    jvdbGrHresultsTitleBtnClick(column);
}

// ---- Marking ----------------------------------------------------------------

void BrowseController::jvdbGrHobjectsCellClick(const QModelIndex& clicked) {
    if (!clicked.isValid() || clicked.column() != tickColumn(objectColumns()) ||
        clicked.row() >= objects_->rowCount())
        return; // any other cell only selects its row
    const int row = clicked.row();
    database_.procedures().tickObjectLine(objects_->fieldInt(row, "IDOB"),
                                          flippedMark(objects_->fieldInt(row, "REZI2")));
    refreshObiekty();
}

void BrowseController::jvdbGrHresultsCellClick(const QModelIndex& clicked) {
    if (!clicked.isValid() || clicked.column() != tickColumn(resultColumns()) ||
        clicked.row() >= results_->rowCount())
        return;
    const int row = clicked.row();
    const int mark = flippedMark(results_->fieldInt(row, "REZI1"));
    database_.procedures().tickResult(results_->fieldInt(row, "IDWYN"), mark);
    results_->setTick(row, mark); // shown at once, without re-reading the view
}

void BrowseController::jvdbGrHresultsTitleBtnClick(int column) {
    if (column != tickColumn(resultColumns()))
        return;
    int row = currentResultRow();
    if (row < 0 && results_->rowCount() > 0)
        row = 0;
    const int iddx = row < 0 ? 0 : results_->fieldInt(row, "IDOB");
    database_.procedures().selectWyniki(iddx, FlSelect_WH ? 1 : 0);
    ReopenWyniki();
    FlSelect_WH = !FlSelect_WH;
}

void BrowseController::btnSelectDateClick(QDate from, QDate to) {
    const QDate dayAfter = to.addDays(1);
    if (!from.isValid() || !dayAfter.isValid())
        return;
    database_.procedures().selectDates(from, dayAfter);
    ReopenObiekty();
}

// ---- Deleting and renaming --------------------------------------------------

bool BrowseController::confirm(int numerKomunikatu) {
    pytForm_->NumerKomunikatu = numerKomunikatu;
    return pytForm_->exec() == mrOk;
}

void BrowseController::actDelRekordExecute() {
    if (!confirm(1))
        return;
    const int idobj = objectLineKey();
    if (idobj == 0)
        return;
    // The ticked results of the line, deleted by key in one transaction.
    QList<int> keys;
    {
        QSqlQuery query(database_.database());
        query.setForwardOnly(true);
        const QString what = tr("list of marked records");
        if (!query.prepare(QLatin1String(SqlTexts::TickedResultKeys)))
            throw viewError(query, what);
        query.bindValue(QLatin1String(SqlTexts::ParamIdObj), idobj);
        if (!query.exec())
            throw viewError(query, what);
        while (query.next())
            keys.append(query.value(0).toInt());
    }
    if (keys.isEmpty())
        return;
    database_.procedures().deleteResults(keys);
    ReopenWyniki();
}

void BrowseController::actDelObjectExecute() {
    if (currentObjectRow() < 0)
        return;
    if (!confirm(2))
        return;
    // The species row goes with all its results, ticked or not.
    database_.procedures().deleteObjectLine(objectLineKey());
    refreshObiekty();
}

void BrowseController::actSamplenameExecute(QPoint cursor) {
    const int row = currentObjectRow();
    if (row < 0)
        return;
    formEditName_->placeAt(cursor);
    formEditName_->Edit1->setText(objects_->fieldValue(row, "OPIS").toString());
    if (formEditName_->exec() != mrOk)
        return;
    const QString opis = formEditName_->Edit1->text();
    const qsizetype length = opis.toUcs4().size(); // characters, as the column counts them
    if (length > OpisMaxLength) {
        infoForm_->DlgShow(tr("The supplier name is %1 characters long; at most %2 fit.\n"
                              "The name was not changed.")
                               .arg(length)
                               .arg(OpisMaxLength));
        return;
    }
    database_.procedures().renameSupplier(objects_->fieldInt(row, "IDOB_0"), opis);
    refreshObiekty();
}
