#include "MeterImport.h"

#include "BarPosition.h"
#include "Clock.h"
#include "ImportMessage.h"
#include "ImportWriter.h"
#include "MeterLink.h"
#include "MeterRecords.h"
#include "TInfoForm.h"
#include "TProgresForm.h"
#include "ZqmDatabase.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace {
// Clears the running mark however ButtonConnectClick is left.
class RunningMark {
public:
    explicit RunningMark(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningMark() { flag_ = false; }

private:
    bool& flag_;
};

// The rows of one measurement-list reply as the database stores them. Records
// whose date or time does not exist are left out here, uncounted.
QList<MeasurementRow> decodeReply(const QByteArray& reply, const MeterImportParts& parts) {
    QList<MeasurementRow> rows;
    const int count = measurementRecordCount(reply);
    rows.reserve(count);
    for (int k = 0; k < count; ++k) {
        const auto record =
            MeasurementRecord::decode(reply.constData() + k * MeasurementRecord::Size);
        if (!record)
            continue;
        const int language = parts.languageIndex ? parts.languageIndex() : 0;
        MeasurementRow row;
        row.idGatunku = record->speciesIndex + 1;
        row.nazwaGat =
            parts.speciesName ? parts.speciesName(language, record->speciesIndex) : QString();
        row.dataCzas = record->when;
        row.dane1 = float(record->moisture);
        row.dane2 = float(record->temperature);
        row.dane3 = int(record->number);
        row.dane5 = float(record->density);
        row.flagi = record->flags;
        rows.append(row);
    }
    return rows;
}
} // namespace

MeterImport::MeterImport(MeterImportParts parts) : parts_(std::move(parts)) {}

Clock& MeterImport::clock() const {
    return parts_.clock ? *parts_.clock : appClock();
}

void MeterImport::letMessagesRun() {
    if (parts_.processMessages)
        parts_.processMessages();
    else
        QCoreApplication::processEvents();
}

MeterImport::Result MeterImport::ButtonConnectClick() {
    if (running_)
        return {Outcome::AlreadyRunning, 0, 0};
    RunningMark mark(running_);

    MeterLink& meter = *parts_.meter;
    TProgresForm& progress = *parts_.progress;
    Result result;

    progress.beginSearch();
    meter.FlagaJest = meter.OpenZQMDevice();
    if (!meter.FlagaJest) {
        progress.endNoDevice(clock());
        result.outcome = Outcome::NoDevice;
        return result;
    }

    progress.beginTransfer();
    letMessagesRun();
    try {
        // Every write goes through the writer, in the documented order; what
        // it has been given is on disk before any result of the import is
        // judged (see ImportWriter.h for why it runs beside the exchange).
        ImportWriter writer(parts_.database->filePath());

        progress.ProgressBar1->setValue(50);
        QByteArray command("L\r");
        const QByteArray objectList = meter.SendAndGetRS(command, 0);
        letMessagesRun();
        if (!isCompleteDataReply(objectList))
            return transferError(result);

        progress.ProgressBar1->setValue(60);
        const QList<ObjectRecord> objects = objectRecords(objectList);
        const int n = int(objects.size());
        auto writeObject = [&](const ObjectRecord& object) {
            const bool importName = parts_.importName && parts_.importName();
            return writer.updateObiektTemp(DeviceId, importName ? 0 : object.number,
                                           meterBytesToText(object.name));
        };
        auto countStored = [&](std::future<QList<MeasurementOutcome>>& batch) {
            if (batch.valid())
                for (const MeasurementOutcome& outcome : batch.get())
                    if (outcome.stored)
                        ++result.stored;
        };

        std::future<int> object = n > 0 ? writeObject(objects[0]) : std::future<int>();
        std::future<QList<MeasurementOutcome>> batch;
        for (int i = 0; i < n; ++i) {
            command = measurementListCommand(objects[i].number);
            const QByteArray reply = meter.SendAndGetRS(command, 0);
            progress.ProgressBar1->setValue(importBarPosition(i, n));
            letMessagesRun();

            // The previous object's records and this object's row are
            // committed (or their error is thrown) before this reply counts.
            countStored(batch);
            const int idObj = object.get();
            ++result.objects;
            if (!isCompleteDataReply(reply))
                return transferError(result);

            batch = writer.storeMeasurements(idObj, decodeReply(reply, parts_));
            if (i + 1 < n)
                object = writeObject(objects[i + 1]);
        }
        countStored(batch);

        progress.ProgressBar1->setValue(100);
        if (parts_.reopenObjects)
            parts_.reopenObjects();

        const int language = parts_.languageIndex ? parts_.languageIndex() : 0;
        auto item = [this](int n) {
            return parts_.lexiconItem ? parts_.lexiconItem(n) : QString();
        };
        const QString message = importMessage(result.stored, language, item(7), item(8));
        if (parts_.info)
            parts_.info->DlgShow(message);
        progress.endQuietly();
    } catch (...) {
        progress.endQuietly();
        throw;
    }
    result.outcome = Outcome::Imported;
    return result;
}

MeterImport::Result MeterImport::transferError(Result result) {
    parts_.progress->endTransfer(false, clock());
    parts_.meter->FlagaJest = false;
    result.outcome = Outcome::TransferError;
    return result;
}
