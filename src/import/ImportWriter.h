#pragma once
// The import's database writes, done in order on a thread and connection of
// their own, so that the engine's synchronous page writes (a commit costs
// tens of milliseconds on a slow disk) run while the meter is still sending
// the next measurement list instead of after it.
//
// Jobs run strictly one after another, in the order they were queued, each
// committed before the next starts; a job's result (or the DbError it threw)
// is collected through its future. The destructor lets the queued jobs finish
// before it closes the connection, so nothing queued is lost.
#include "Procedures.h"

#include <QList>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

class ImportWriter {
public:
    // Opens a second connection to `filePath` (the main window's database
    // file). Throws the DbError of the open when it fails.
    explicit ImportWriter(const QString& filePath);
    ~ImportWriter();
    ImportWriter(const ImportWriter&) = delete;
    ImportWriter& operator=(const ImportWriter&) = delete;

    // P_UPDATEOBIEKT_TEMP -> IDOBJ.
    std::future<int> updateObiektTemp(int idDev, int idoInDev, const QString& nazwaDev);
    // Procedures::storeMeasurements: one transaction, a savepoint per record.
    std::future<QList<MeasurementOutcome>> storeMeasurements(int idObj,
                                                             const QList<MeasurementRow>& rows);

private:
    void post(std::function<void(Procedures&)> job);
    void loop(QString filePath, std::promise<void> opened);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void(Procedures&)>> jobs_;
    bool stop_ = false;
    std::thread thread_;
};
