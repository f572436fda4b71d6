#include "MeterImport.h"

#include "BarPosition.h"
#include "Clock.h"
#include "ImportMessage.h"
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
        Procedures procedures = parts_.database->procedures();

        progress.ProgressBar1->setValue(50);
        QByteArray command("L\r");
        const QByteArray objectList = meter.SendAndGetRS(command, 0);
        letMessagesRun();
        if (!isCompleteDataReply(objectList))
            return transferError(result);

        progress.ProgressBar1->setValue(60);
        const QList<ObjectRecord> objects = objectRecords(objectList);
        const int n = int(objects.size());
        for (int i = 0; i < n; ++i) {
            const ObjectRecord& object = objects[i];
            const bool importName = parts_.importName && parts_.importName();
            const int idObj = procedures.updateObiektTemp(DeviceId, importName ? 0 : object.number,
                                                          meterBytesToText(object.name));
            ++result.objects;

            command = measurementListCommand(object.number);
            const QByteArray reply = meter.SendAndGetRS(command, 0);
            progress.ProgressBar1->setValue(importBarPosition(i, n));
            letMessagesRun();
            if (!isCompleteDataReply(reply))
                return transferError(result);

            const QList<MeasurementRow> rows = decodeReply(reply, parts_);
            for (const MeasurementOutcome& outcome : procedures.storeMeasurements(idObj, rows))
                if (outcome.stored)
                    ++result.stored;
        }

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
