#include "ImportWriter.h"

#include "ZqmDatabase.h"

#include <QFileInfo>
#include <memory>

ImportWriter::ImportWriter(const QString& filePath) {
    std::promise<void> opened;
    std::future<void> openResult = opened.get_future();
    thread_ = std::thread(&ImportWriter::loop, this, filePath, std::move(opened));
    try {
        openResult.get();
    } catch (...) {
        thread_.join();
        throw;
    }
}

ImportWriter::~ImportWriter() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void ImportWriter::loop(QString filePath, std::promise<void> opened) {
    // The connection belongs to this thread: opened, used and closed here.
    ZqmDatabase database;
    try {
        database.connect(QFileInfo(filePath).absolutePath());
    } catch (...) {
        opened.set_exception(std::current_exception());
        return;
    }
    opened.set_value();
    Procedures procedures = database.procedures();
    for (;;) {
        std::function<void(Procedures&)> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
            if (jobs_.empty())
                break; // stopping, and everything queued is done
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job(procedures);
    }
    procedures = Procedures(QSqlDatabase());
    database.close();
}

void ImportWriter::post(std::function<void(Procedures&)> job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

std::future<int> ImportWriter::updateObiektTemp(int idDev, int idoInDev, const QString& nazwaDev) {
    auto promise = std::make_shared<std::promise<int>>();
    std::future<int> result = promise->get_future();
    post([promise, idDev, idoInDev, nazwaDev](Procedures& p) {
        try {
            promise->set_value(p.updateObiektTemp(idDev, idoInDev, nazwaDev));
        } catch (...) {
            promise->set_exception(std::current_exception());
        }
    });
    return result;
}

std::future<QList<MeasurementOutcome>>
ImportWriter::storeMeasurements(int idObj, const QList<MeasurementRow>& rows) {
    auto promise = std::make_shared<std::promise<QList<MeasurementOutcome>>>();
    std::future<QList<MeasurementOutcome>> result = promise->get_future();
    post([promise, idObj, rows](Procedures& p) {
        try {
            promise->set_value(p.storeMeasurements(idObj, rows));
        } catch (...) {
            promise->set_exception(std::current_exception());
        }
    });
    return result;
}
