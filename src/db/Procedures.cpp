#include "Procedures.h"

#include "DbError.h"
#include "SqlTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>

namespace {

DbError statementError(const QSqlDatabase& db, const QString& what, const QSqlError& error) {
    QString detail = error.databaseText().trimmed();
    if (detail.isEmpty())
        detail = error.text().trimmed();
    return DbError(DbError::Reason::Statement,
                   QCoreApplication::translate(
                       "ZqmDatabase", "The database file \"%1\" reported an error in %2: %3")
                       .arg(QDir::toNativeSeparators(db.databaseName()), what, detail));
}

QString errorText(const QSqlError& error) {
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

// One explicit transaction of the connection, rolled back unless committed.
// Queries meant to run in it must be prepared after it has started.
class Transaction {
public:
    Transaction(QSqlDatabase& db, const QString& what) : db_(db), what_(what) {
        if (!db_.isOpen())
            throw DbError(
                DbError::Reason::Statement,
                QCoreApplication::translate("ZqmDatabase", "The database is not connected (%1).")
                    .arg(what_));
        if (!db_.transaction()) {
            const QSqlError error = db_.lastError();
            if (error.type() == QSqlError::NoError)
                throw DbError(
                    DbError::Reason::Statement,
                    QCoreApplication::translate(
                        "ZqmDatabase", "%1: a transaction is already open on the connection.")
                        .arg(what_));
            throw statementError(db_, what_, error);
        }
        active_ = true;
    }
    ~Transaction() {
        if (active_)
            db_.rollback();
    }
    void commit() {
        active_ = false;
        if (!db_.commit())
            throw statementError(db_, what_, db_.lastError());
    }

private:
    QSqlDatabase& db_;
    QString what_;
    bool active_ = false;
};

void prepare(QSqlQuery& query, const QSqlDatabase& db, const char* sql, const QString& what) {
    if (!query.prepare(QString::fromLatin1(sql)))
        throw statementError(db, what, query.lastError());
}

void bindAll(QSqlQuery& query, const QVariantList& inputs) {
    for (int i = 0; i < inputs.size(); ++i)
        query.bindValue(i, inputs.at(i));
}

// The meter's wall-clock time, stored as written. Only its date and time
// count: a local time in a daylight-saving gap (02:30 on the spring-forward
// day) is an invalid QDateTime, yet the meter may well have taken a sample
// then. Passed on as UTC, which has no gaps, so nothing moves it.
QVariant timestamp(const QDateTime& dt) {
    if (!dt.date().isValid() || !dt.time().isValid())
        return QVariant(QMetaType::fromType<QDateTime>());
    return QDateTime(dt.date(), dt.time(), QTimeZone::utc());
}

// Text inputs of the procedures are declared with a length (text 20, 60, 50);
// a longer value is cut to it rather than failing the call. A null QString
// would be bound as SQL NULL; texts are stored as given, so it becomes ''.
QString text(const QString& value, int length = -1) {
    QString result = length < 0 ? value : value.left(length);
    if (result.isNull())
        result = QStringLiteral("");
    return result;
}

QVariantList wynikiInputs(const WynikiUiInput& in) {
    return {in.idOb,  timestamp(in.dataCzas), in.dane1, in.dane2, in.dane3, in.dane5,
            in.rezi1, text(in.rezc, 50),      in.flagi, in.rezi2};
}

} // namespace

Procedures::Procedures(QSqlDatabase db) : db_(std::move(db)) {}

int Procedures::outputInt(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return 0;
    return value.toInt();
}

QVariantList Procedures::call(const char* sql, const QVariantList& inputs, int outputs,
                              const QString& what) {
    QVariantList result;
    Transaction transaction(db_, what);
    {
        QSqlQuery query(db_);
        prepare(query, db_, sql, what);
        bindAll(query, inputs);
        if (!query.exec())
            throw statementError(db_, what, query.lastError());
        if (outputs > 0) {
            // QIBASE hands the outputs back as a one-row result.
            if (!query.next())
                throw statementError(db_, what, query.lastError());
            for (int i = 0; i < outputs; ++i)
                result << query.value(i);
        }
    }
    transaction.commit();
    return result;
}

int Procedures::change(const char* sql, const QVariantList& inputs, const QString& what) {
    int affected = 0;
    Transaction transaction(db_, what);
    {
        QSqlQuery query(db_);
        prepare(query, db_, sql, what);
        bindAll(query, inputs);
        if (!query.exec())
            throw statementError(db_, what, query.lastError());
        affected = query.numRowsAffected();
    }
    transaction.commit();
    return affected;
}

int Procedures::updateObiektTemp(int idDev, int idoInDev, const QString& nazwaDev) {
    const QVariantList out =
        call(SqlTexts::P_UPDATEOBIEKT_TEMP, {idDev, idoInDev, text(nazwaDev, 20)}, 1,
             QStringLiteral("P_UPDATEOBIEKT_TEMP"));
    return outputInt(out.value(0));
}

int Procedures::updateGatunek(int idOb, int idGatunku, const QString& nazwaGat) {
    const QVariantList out = call(SqlTexts::P_UPDATEGATUNEK, {idOb, idGatunku, text(nazwaGat, 60)},
                                  1, QStringLiteral("P_UPDATEGATUNEK"));
    return outputInt(out.value(0));
}

void Procedures::wynikiUi(const WynikiUiInput& in) {
    call(SqlTexts::P_WYNIKI_UI, wynikiInputs(in), 0, QStringLiteral("P_WYNIKI_UI"));
}

void Procedures::selectWyniki(int iddx, int sele) {
    call(SqlTexts::P_SELECT_WYNIKI, {iddx, sele}, 0, QStringLiteral("P_SELECT_WYNIKI"));
}

void Procedures::selectDates(QDate dataOd, QDate dataDo) {
    call(SqlTexts::P_SELECTDATES, {dataOd, dataDo}, 0, QStringLiteral("P_SELECTDATES"));
}

void Procedures::selectObjects(int iddx, int sele) {
    call(SqlTexts::P_SELECT_OBJECTS, {iddx, sele}, 0, QStringLiteral("P_SELECT_OBJECTS"));
}

QList<MeasurementOutcome> Procedures::storeMeasurements(int idObj,
                                                        const QList<MeasurementRow>& records) {
    QList<MeasurementOutcome> outcomes;
    if (records.isEmpty())
        return outcomes;
    outcomes.reserve(records.size());
    const QString what = QStringLiteral("P_UPDATEGATUNEK/P_WYNIKI_UI");

    Transaction transaction(db_, what);
    {
        // Prepared once, inside the transaction, and run for every record.
        QSqlQuery gatunek(db_), wyniki(db_), savepoint(db_), release(db_), rollback(db_);
        prepare(gatunek, db_, SqlTexts::P_UPDATEGATUNEK, QStringLiteral("P_UPDATEGATUNEK"));
        prepare(wyniki, db_, SqlTexts::P_WYNIKI_UI, QStringLiteral("P_WYNIKI_UI"));
        prepare(savepoint, db_, SqlTexts::SavepointRecord, what);
        prepare(release, db_, SqlTexts::ReleaseRecord, what);
        prepare(rollback, db_, SqlTexts::RollbackRecord, what);
        auto run = [&](QSqlQuery& query) {
            if (!query.exec())
                throw statementError(db_, what, query.lastError());
        };

        for (const MeasurementRow& record : records) {
            MeasurementOutcome outcome;
            // A failed statement is undone by the engine by itself; the
            // savepoint bounds the record's measurement write, after the
            // species row, which stays written as with per-call commits.
            bindAll(gatunek, {idObj, record.idGatunku, text(record.nazwaGat, 60)});
            if (!gatunek.exec() || !gatunek.next()) {
                outcome.error = errorText(gatunek.lastError());
                outcomes << outcome;
                continue;
            }
            outcome.idGatt = outputInt(gatunek.value(0));

            run(savepoint);
            WynikiUiInput in;
            in.idOb = outcome.idGatt;
            in.dataCzas = record.dataCzas;
            in.dane1 = record.dane1;
            in.dane2 = record.dane2;
            in.dane3 = record.dane3;
            in.dane5 = record.dane5;
            in.flagi = record.flagi;
            bindAll(wyniki, wynikiInputs(in));
            if (wyniki.exec()) {
                outcome.stored = true;
            } else {
                outcome.error = errorText(wyniki.lastError());
                run(rollback);
            }
            run(release);
            outcomes << outcome;
        }
    }
    transaction.commit();
    return outcomes;
}

bool Procedures::tickObjectLine(int idg, int rezi2) {
    return change(SqlTexts::TickObjectLine, {rezi2, idg},
                  QCoreApplication::translate("ZqmDatabase", "ticking an object line")) > 0;
}

bool Procedures::tickResult(int idwyn, int rezi1) {
    return change(SqlTexts::TickResult, {rezi1, idwyn},
                  QCoreApplication::translate("ZqmDatabase", "ticking a result")) > 0;
}

bool Procedures::deleteResult(int idwyn) {
    return change(SqlTexts::DeleteResult, {idwyn},
                  QCoreApplication::translate("ZqmDatabase", "deleting a result")) > 0;
}

int Procedures::deleteResults(const QList<int>& idwyns) {
    if (idwyns.isEmpty())
        return 0;
    const QString what = QCoreApplication::translate("ZqmDatabase", "deleting results");
    int deleted = 0;
    Transaction transaction(db_, what);
    {
        QSqlQuery query(db_);
        prepare(query, db_, SqlTexts::DeleteResult, what);
        for (int id : idwyns) {
            query.bindValue(0, id);
            if (!query.exec())
                throw statementError(db_, what, query.lastError());
            deleted += qMax(0, query.numRowsAffected());
        }
    }
    transaction.commit();
    return deleted;
}

bool Procedures::deleteObjectLine(int idg) {
    return change(SqlTexts::DeleteObjectLine, {idg},
                  QCoreApplication::translate("ZqmDatabase", "deleting an object line")) > 0;
}

bool Procedures::renameSupplier(int idob, const QString& opis) {
    return change(SqlTexts::RenameSupplier, {text(opis), idob},
                  QCoreApplication::translate("ZqmDatabase", "renaming a supplier")) > 0;
}

bool Procedures::storeLanguage(int idd, int lang) {
    return change(SqlTexts::StoreLanguage, {lang, idd},
                  QCoreApplication::translate("ZqmDatabase", "storing the language")) > 0;
}
