#pragma once
// The object and result views of the main window and what the user does
// with them: sorting by a click on a column title, ticking, the whole-list
// and date-range ticks, deleting results and object lines, renaming a
// supplier.
//
// The main window constructs one controller with its two grids, its
// database and the dialogs the actions ask with, opens the views with
// ReopenObiekty("") once the database is open, and calls the action
// handlers from its buttons and menus. Clicks on the grids' cells and
// titles and moves of the object grid's current line are wired here.
//
// Errors: the action handlers called by the main window let DbError out
// (the operation stops where the error occurred). Handlers wired here to the
// grids hand the error's message to the error sink when one is set, and
// otherwise let it out to the application's event handling.
#include "GridModel.h"
#include "TitleSort.h"

#include <QDate>
#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>

class QModelIndex;
class QTableView;
class TFormEditName;
class TInfoForm;
class TPytForm;
class ZqmDatabase;

class BrowseController : public QObject {
    Q_OBJECT
public:
    // The number of characters OBIEKTY.OPIS holds.
    static constexpr int OpisMaxLength = 250;

    BrowseController(QTableView* jvdbGrHobjects, QTableView* jvdbGrHresults, ZqmDatabase& database,
                     TPytForm* pytForm, TFormEditName* formEditName, TInfoForm* infoForm,
                     QObject* parent = nullptr);
    ~BrowseController() override;

    // Remembered ORDER BY clauses: [0] the object view's, [2] the result
    // view's; [1] and [3] are not used. Empty at start, never saved.
    std::array<QString, 4> LastSortString;
    // The value P_SELECT_WYNIKI gets next: false sends 0, true 1; inverted
    // after each use, for the whole run.
    bool FlSelect_WH = false;

    // Rebuilds the object view's SQL with `clause` (empty: the remembered
    // one), reopens it on its first line and reopens the result view.
    // Returns false, changing nothing, when `clause` is not a clause of the
    // object grid's own fields.
    bool ReopenObiekty(const QString& clause = {});
    // The same for the result view, for the object view's current line.
    bool ReopenWyniki(const QString& clause = {});
    // Drops both views' queries (before the database is closed).
    void closeViews();

    // Sort handlers: `field` is the clicked column's field. Return whether
    // the sort was accepted (never for the tick column).
    bool jvdbGrHobjectsUserSort(const QString& field, bool ascending);
    bool jvdbWynikiUserSort(const QString& field, bool ascending);
    // The object view moved to another line: reload the result view.
    void FDQObiektyAfterScroll();

    // A click on a data cell; `clicked` is the cell under the mouse pointer.
    // Only a click on the tick column changes the mark, written at once.
    void jvdbGrHobjectsCellClick(const QModelIndex& clicked);
    void jvdbGrHresultsCellClick(const QModelIndex& clicked);
    // A click on a result grid title, after its sort request: the "√" title
    // ticks or unticks every result of the current line.
    void jvdbGrHresultsTitleBtnClick(int column);
    // "Mark results by date": ticks the results from `from` to `to`
    // inclusive (P_SELECTDATES with to + 1 day) and reopens both views.
    void btnSelectDateClick(QDate from, QDate to);

    // "Delete marked records", after confirmation 1.
    void actDelRekordExecute();
    // "Delete object", after confirmation 2: the current line and its results.
    void actDelObjectExecute();
    // "Edit supplier name": the name dialog at `cursor` (screen position,
    // kept on the screen) with the current OPIS; OK stores the text as typed.
    void actSamplenameExecute(QPoint cursor);

    // The object view (FDQObiekty) and the result view (FDQWyniki).
    GridModel* FDQObiekty() const { return objects_; }
    GridModel* FDQWyniki() const { return results_; }
    // The object view's current line, -1 when it has none.
    int currentObjectRow() const;
    int currentResultRow() const;

    // Where errors of the grid-wired handlers go (see above).
    void setErrorSink(std::function<void(const QString&)> sink) { errorSink_ = std::move(sink); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openObjects(const QString& clause);
    void refreshObiekty();
    static int findRow(GridModel* model, const char* keyField, int key);
    void setCurrentRow(QTableView* grid, int row);
    int objectLineKey() const; // IDOB of the current line, 0 when none
    bool confirm(int numerKomunikatu);
    void objectTitleClicked(int column);
    void resultTitleClicked(int column);
    template <class Work> void guarded(Work&& work);

    QTableView* objectGrid_;
    QTableView* resultGrid_;
    ZqmDatabase& database_;
    TPytForm* pytForm_;
    TFormEditName* formEditName_;
    TInfoForm* infoForm_;
    GridModel* objects_;
    GridModel* results_;
    TitleSort objectSort_;
    TitleSort resultSort_;
    bool movingObjects_ = false; // the program, not the user, moves the object line
    std::function<void(const QString&)> errorSink_;
};
