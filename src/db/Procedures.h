#pragma once
// Every stored-procedure call and every single-row change the program makes.
// The import, the views, marking, deleting and renaming call these instead of
// writing SQL.
//
// Each call is committed before it returns, so any other connection sees it
// at once (the data layer's automatic commit). Inputs go by position in the
// procedures' declared order, outputs are read by position, and an
// output that comes back NULL is taken as 0. A failure throws DbError
// (Reason::Statement) with the engine's message; nothing of the failed call
// stays written.
//
// The QIBASE pitfall this class exists for: the driver treats every EXECUTE
// PROCEDURE as a select and never commits it by itself (not on finish(),
// only when the query is prepared again or destroyed, and then silently). So
// every call runs in an explicit transaction, prepared inside it, and is
// committed with its error checked.
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// The ten inputs of P_WYNIKI_UI, in order. The import passes REZI1 0, REZC
// empty and REZI2 0, the defaults here.
struct WynikiUiInput {
    int idOb = 0;       // IDOB: the species row key (IDG), not the object key
    QDateTime dataCzas; // DATACZAS: the meter's date and time, taken as written
    float dane1 = 0;    // DANE1: moisture in %
    float dane2 = 0;    // DANE2: grain temperature in deg C
    int dane3 = 0;      // DANE3: the record's 24-bit number
    float dane5 = 0;    // DANE5: density in kg/hl
    int rezi1 = 0;      // REZI1: tick mark
    QString rezc;       // REZC
    int flagi = 0;      // FLAGI: status bits
    int rezi2 = 0;      // REZI2
};

// One measurement record of an object reply, as the import stores it:
// P_UPDATEGATUNEK(IDOBJ, idGatunku, nazwaGat), then P_WYNIKI_UI under the
// species row it returns, with REZI1 0, REZC empty, REZI2 0.
struct MeasurementRow {
    int idGatunku = 0; // species number: the meter's species index + 1
    QString nazwaGat;  // species name in the current language
    QDateTime dataCzas;
    float dane1 = 0;
    float dane2 = 0;
    int dane3 = 0;
    float dane5 = 0;
    int flagi = 0;
};

struct MeasurementOutcome {
    bool stored = false; // both calls succeeded
    int idGatt = 0;      // the species row key (0 when P_UPDATEGATUNEK failed)
    QString error;       // the engine's message when not stored
};

class Procedures {
public:
    explicit Procedures(QSqlDatabase db);

    // ---- Stored procedures ---------------------------------------------------
    // P_UPDATEOBIEKT_TEMP(IDDEV, IDO_INDEV, NAZWA_DEV) -> IDOBJ
    int updateObiektTemp(int idDev, int idoInDev, const QString& nazwaDev);
    // P_UPDATEGATUNEK(IDOB, IDGATUNKU, NAZWAGAT) -> IDGATT
    int updateGatunek(int idOb, int idGatunku, const QString& nazwaGat);
    // P_WYNIKI_UI(IDOB, DATACZAS, DANE1, DANE2, DANE3, DANE5, REZI1, REZC, FLAGI, REZI2)
    void wynikiUi(const WynikiUiInput& in);
    // P_SELECT_WYNIKI(IDDX, SELE): SELE 0 ticks all results of species
    // row IDDX, any other value unticks them.
    void selectWyniki(int iddx, int sele);
    // P_SELECTDATES(DATA_OD, DATA_DO): ticks DATA_OD <= DATACZAS < DATA_DO, unticks the rest.
    // `dataDo` is the day after the last day of the range.
    void selectDates(QDate dataOd, QDate dataDo);
    // P_SELECT_OBJECTS(IDDX, SELE): the object lines of device IDDX; no control calls it.
    void selectObjects(int iddx, int sele);

    // ---- The import's batch ----------------------------------------------------
    // Stores the measurement records of one object reply (object key `idObj`
    // from updateObiektTemp) in one transaction with a savepoint per record:
    // for each record P_UPDATEGATUNEK, then P_WYNIKI_UI under the returned key.
    // A record whose call fails is skipped (outcome.stored false) and the rest
    // go on; as with per-call commits, a species row created for a record
    // whose P_WYNIKI_UI fails stays written. One outcome per record, in order.
    // Throws DbError only when the transaction itself fails (then nothing of
    // the batch is stored).
    QList<MeasurementOutcome> storeMeasurements(int idObj, const QList<MeasurementRow>& records);

    // ---- Single-row changes by key -----------------------------------------------
    // Each returns whether the row was there (false: no row has that key).
    bool tickObjectLine(int idg, int rezi2);     // GATUNKI.REZI2, the object line's tick
    bool tickResult(int idwyn, int rezi1);       // WYNIKI.REZI1, the result's tick
    bool deleteResult(int idwyn);                // WYNIKI row
    int deleteResults(const QList<int>& idwyns); // several, one commit; count deleted
    bool deleteObjectLine(int idg);              // GATUNKI row and its results
    // OBIEKTY.OPIS, stored as given; `idob` is the object key (the view's IDOB_0).
    bool renameSupplier(int idob, const QString& opis);
    // KONFIGURACJA.LANG, the language picker position.
    bool storeLanguage(int idd, int lang);

    // ---- The general form ----------------------------------------------------------
    // Runs `sql` (an EXECUTE PROCEDURE text of SqlTexts) with `inputs` bound by
    // position, commits, and returns the first `outputs` output values by
    // position (NULL stays NULL here; read them with outputInt). `what` names
    // the call in error messages.
    QVariantList call(const char* sql, const QVariantList& inputs, int outputs,
                      const QString& what);
    // An output parameter as an integer; NULL (empty) is 0.
    static int outputInt(const QVariant& value);

    QSqlDatabase database() const { return db_; }

private:
    int change(const char* sql, const QVariantList& inputs, const QString& what);

    QSqlDatabase db_;
};
