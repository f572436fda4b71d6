#include "FTDIchip.h"

#include "drivers/DriverSelect.h"

#include <stdexcept>

namespace {
[[noreturn]] void misuse(const char* what) {
    throw std::runtime_error(what);
}
bool ok(FtStatus s) {
    return s == ftStatus::ok;
}
} // namespace

tftdichip::tftdichip() : driver_(programFtdiDriver()) {}

tftdichip::tftdichip(std::shared_ptr<FtdiDriver> driver) : driver_(std::move(driver)) {}

tftdichip::~tftdichip() = default;

bool tftdichip::openDeviceBySerial(const QByteArray& deviceSerial) {
    if (fconnected)
        misuse("tftdichip.openDeviceBySerial: Already open");
    FtHandle handle = 0;
    // QByteArray::constData() is NUL-terminated, which is what the driver reads.
    if (!ok(driver_->openEx(deviceSerial.constData(), ftdiValues::openBySerialNumber, handle)))
        return false;
    fhandle = handle;
    fconnected = true;
    return true;
}

void tftdichip::closeDevice() {
    if (!fconnected)
        misuse("tftdichip.closeDevice: Not open");
    driver_->close(fhandle);
    fconnected = false;
}

bool tftdichip::resetDevice() {
    return ok(driver_->resetDevice(fhandle));
}

bool tftdichip::setBaudRate(fBaudRate baudrate) {
    static const quint32 rates[] = {300,   600,   1200,  2400,   4800,   9600,   14400,
                                    19200, 38400, 57600, 115200, 230400, 460800, 921600};
    const int index = static_cast<int>(baudrate);
    if (index < 0 || index >= int(std::size(rates)))
        misuse("tftdichip.setBaudRate: Invalid baud rate");
    return ok(driver_->setBaudRate(fhandle, rates[index]));
}

bool tftdichip::setDataCharacteristics(fWordLength wordLength, fStopBits stopBits, fParity parity) {
    using namespace ftdiValues;
    quint8 bits = 0, stops = 0, par = 0;
    switch (wordLength) {
    case fBits8:
        bits = bits8;
        break;
    case fBits7:
        bits = bits7;
        break;
    default:
        misuse("tftdichip.setDataCharacteristics: Invalid wordLength");
    }
    switch (stopBits) {
    case fStopBits1:
        stops = stopBits1;
        break;
    case fStopBits2:
        stops = stopBits2;
        break;
    default:
        misuse("tftdichip.setDataCharacteristics: Invalid stopBits");
    }
    switch (parity) {
    case fParityNone:
        par = parityNone;
        break;
    case fParityOdd:
        par = parityOdd;
        break;
    case fParityEven:
        par = parityEven;
        break;
    case fParityMark:
        par = parityMark;
        break;
    case fParitySpace:
        par = paritySpace;
        break;
    default:
        misuse("tftdichip.setDataCharacteristics: Invalid parity");
    }
    return ok(driver_->setDataCharacteristics(fhandle, bits, stops, par));
}

bool tftdichip::setFlowControl(fFlowControl flowcontrol, quint8 xonChar, quint8 xoffChar) {
    using namespace ftdiValues;
    quint16 mask = 0;
    switch (flowcontrol) {
    case fFlowNone:
        mask = flowNone;
        break;
    case fFlowRTSCTS:
        mask = flowRtsCts;
        break;
    case fFlowDTRDSR:
        mask = flowDtrDsr;
        break;
    case fFlowXONXOFF:
        mask = flowXonXoff;
        break;
    default:
        misuse("tftdichip.setFlowControl: Invalid flowcontrol");
    }
    return ok(driver_->setFlowControl(fhandle, mask, xonChar, xoffChar));
}

bool tftdichip::setTimeouts(quint32 readTimeout, quint32 writeTimeout) {
    return ok(driver_->setTimeouts(fhandle, readTimeout, writeTimeout));
}

bool tftdichip::setLatencyTimer(quint8 millisecs) {
    return ok(driver_->setLatencyTimer(fhandle, millisecs));
}

bool tftdichip::write(const void* buffer, int bytesToWrite, int& bytesWritten) {
    quint32 written = 0;
    if (!ok(driver_->write(fhandle, buffer, quint32(qMax(bytesToWrite, 0)), written)))
        return false;
    bytesWritten = int(written);
    dataHasBeenSent = true;
    return true;
}

bool tftdichip::read(void* buffer, int bytesToRead, int& bytesRead) {
    quint32 got = 0;
    if (!ok(driver_->read(fhandle, buffer, quint32(qMax(bytesToRead, 0)), got)))
        return false;
    bytesRead = int(got);
    return true;
}

bool tftdichip::getReceiveQueueStatus(int& bytesWaiting) {
    quint32 waiting = 0;
    if (!ok(driver_->getQueueStatus(fhandle, waiting)))
        return false;
    bytesWaiting = int(waiting);
    return true;
}

bool tftdichip::purgeQueue(fQueue queue) {
    using namespace ftdiValues;
    quint32 mask = 0;
    switch (queue) {
    case fSendQueue:
        mask = purgeTx;
        break;
    case fReceiveQueue:
        mask = purgeRx;
        break;
    case fAll:
        mask = purgeRx | purgeTx;
        break;
    default:
        misuse("tftdichip.purgeQueue: Invalid queue");
    }
    return ok(driver_->purge(fhandle, mask));
}

bool tftdichip::createDeviceInfoList(quint32& devicecount, pftdiDeviceList& devicelist) {
    quint32 count = 0;
    if (!ok(driver_->createDeviceInfoList(count)))
        return false;
    devicecount = count;
    if (count == 0) {
        devicelist = nullptr;
        return true;
    }
    auto* list = new ftdiDeviceNode[count]();
    quint32 filled = count;
    if (!ok(driver_->getDeviceInfoList(list, filled))) {
        delete[] list;
        devicelist = nullptr;
        devicecount = 0;
        return false;
    }
    // A device unplugged between the two calls leaves fewer nodes than counted.
    devicecount = qMin(filled, count);
    devicelist = list;
    return true;
}

void tftdichip::destroyDeviceInfoList(pftdiDeviceList& devicelist) {
    delete[] devicelist;
    devicelist = nullptr;
}
