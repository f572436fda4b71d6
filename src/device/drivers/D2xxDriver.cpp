#include "D2xxDriver.h"

#include <cstring>
#include <vector>

#if defined(_WIN32) && !defined(_WIN64)
#define ZQM_D2XX_CALL __stdcall
#else
#define ZQM_D2XX_CALL
#endif

namespace {
// The library's own types: 32-bit status and counts, pointer-sized handles.
using Status = quint32;
using Handle = void*;

// The library's device-list node; its handle is pointer-sized, so on 64-bit
// systems it is wider than the program's 100-byte node.
struct NativeNode {
    quint32 flags;
    quint32 type;
    quint32 id;
    quint32 locId;
    char serialNumber[16];
    char description[64];
    Handle ftHandle;
};

Handle toNative(FtHandle h) {
    return reinterpret_cast<Handle>(h);
}
} // namespace

struct D2xxDriver::Api {
    Status(ZQM_D2XX_CALL* createDeviceInfoList)(quint32*);
    Status(ZQM_D2XX_CALL* getDeviceInfoList)(NativeNode*, quint32*);
    Status(ZQM_D2XX_CALL* openEx)(void*, quint32, Handle*);
    Status(ZQM_D2XX_CALL* close)(Handle);
    Status(ZQM_D2XX_CALL* resetDevice)(Handle);
    Status(ZQM_D2XX_CALL* setBaudRate)(Handle, quint32);
    Status(ZQM_D2XX_CALL* setDataCharacteristics)(Handle, quint8, quint8, quint8);
    Status(ZQM_D2XX_CALL* setFlowControl)(Handle, quint16, quint8, quint8);
    Status(ZQM_D2XX_CALL* setTimeouts)(Handle, quint32, quint32);
    Status(ZQM_D2XX_CALL* setLatencyTimer)(Handle, quint8);
    Status(ZQM_D2XX_CALL* setUSBParameters)(Handle, quint32, quint32);
    Status(ZQM_D2XX_CALL* write)(Handle, void*, quint32, quint32*);
    Status(ZQM_D2XX_CALL* read)(Handle, void*, quint32, quint32*);
    Status(ZQM_D2XX_CALL* getQueueStatus)(Handle, quint32*);
    Status(ZQM_D2XX_CALL* purge)(Handle, quint32);
};

D2xxDriver::D2xxDriver() = default;

D2xxDriver::~D2xxDriver() = default;

std::unique_ptr<D2xxDriver> D2xxDriver::load(QString* error) {
    // FTD2XX.DLL on Windows, libftd2xx.so on Linux.
    auto library = std::make_unique<QLibrary>(QStringLiteral("ftd2xx"));
    if (!library->load()) {
        if (error)
            *error = library->errorString();
        return nullptr;
    }
    auto api = std::make_unique<Api>();
    bool complete = true;
    auto resolve = [&](auto& fn, const char* symbol) {
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(library->resolve(symbol));
        if (!fn) {
            complete = false;
            if (error)
                *error =
                    QStringLiteral("%1 lacks %2").arg(library->fileName(), QLatin1String(symbol));
        }
    };
    resolve(api->createDeviceInfoList, "FT_CreateDeviceInfoList");
    resolve(api->getDeviceInfoList, "FT_GetDeviceInfoList");
    resolve(api->openEx, "FT_OpenEx");
    resolve(api->close, "FT_Close");
    resolve(api->resetDevice, "FT_ResetDevice");
    resolve(api->setBaudRate, "FT_SetBaudRate");
    resolve(api->setDataCharacteristics, "FT_SetDataCharacteristics");
    resolve(api->setFlowControl, "FT_SetFlowControl");
    resolve(api->setTimeouts, "FT_SetTimeouts");
    resolve(api->setLatencyTimer, "FT_SetLatencyTimer");
    resolve(api->setUSBParameters, "FT_SetUSBParameters");
    resolve(api->write, "FT_Write");
    resolve(api->read, "FT_Read");
    resolve(api->getQueueStatus, "FT_GetQueueStatus");
    resolve(api->purge, "FT_Purge");
    if (!complete)
        return nullptr;
    std::unique_ptr<D2xxDriver> driver(new D2xxDriver);
    driver->library_ = std::move(library);
    driver->api_ = std::move(api);
    return driver;
}

FtStatus D2xxDriver::createDeviceInfoList(quint32& numDevs) {
    return api_->createDeviceInfoList(&numDevs);
}

FtStatus D2xxDriver::getDeviceInfoList(ftdiDeviceNode* list, quint32& numDevs) {
    std::vector<NativeNode> native(numDevs);
    quint32 n = numDevs;
    const Status s = api_->getDeviceInfoList(native.data(), &n);
    if (s != ftStatus::ok)
        return s;
    n = qMin(n, numDevs);
    for (quint32 i = 0; i < n; ++i) {
        ftdiDeviceNode& node = list[i];
        node.flags = native[i].flags;
        node.deviceType = native[i].type;
        node.id = native[i].id;
        node.locid = native[i].locId;
        std::memcpy(node.serialNumber, native[i].serialNumber, sizeof node.serialNumber);
        std::memcpy(node.description, native[i].description, sizeof node.description);
        node.serialNumber[sizeof node.serialNumber - 1] = '\0';
        node.description[sizeof node.description - 1] = '\0';
        node.ftHandle = quint32(reinterpret_cast<quintptr>(native[i].ftHandle));
    }
    numDevs = n;
    return ftStatus::ok;
}

FtStatus D2xxDriver::openEx(const char* arg, quint32 flags, FtHandle& handle) {
    Handle h = nullptr;
    const Status s = api_->openEx(const_cast<char*>(arg), flags, &h);
    if (s == ftStatus::ok)
        handle = reinterpret_cast<FtHandle>(h);
    return s;
}

FtStatus D2xxDriver::close(FtHandle h) {
    return api_->close(toNative(h));
}
FtStatus D2xxDriver::resetDevice(FtHandle h) {
    return api_->resetDevice(toNative(h));
}
FtStatus D2xxDriver::setBaudRate(FtHandle h, quint32 baud) {
    return api_->setBaudRate(toNative(h), baud);
}
FtStatus D2xxDriver::setDataCharacteristics(FtHandle h, quint8 w, quint8 s, quint8 p) {
    return api_->setDataCharacteristics(toNative(h), w, s, p);
}
FtStatus D2xxDriver::setFlowControl(FtHandle h, quint16 flow, quint8 xon, quint8 xoff) {
    return api_->setFlowControl(toNative(h), flow, xon, xoff);
}
FtStatus D2xxDriver::setTimeouts(FtHandle h, quint32 r, quint32 w) {
    return api_->setTimeouts(toNative(h), r, w);
}
FtStatus D2xxDriver::setLatencyTimer(FtHandle h, quint8 ms) {
    return api_->setLatencyTimer(toNative(h), ms);
}
FtStatus D2xxDriver::setUSBParameters(FtHandle h, quint32 in, quint32 out) {
    return api_->setUSBParameters(toNative(h), in, out);
}
FtStatus D2xxDriver::write(FtHandle h, const void* buffer, quint32 n, quint32& written) {
    return api_->write(toNative(h), const_cast<void*>(buffer), n, &written);
}
FtStatus D2xxDriver::read(FtHandle h, void* buffer, quint32 n, quint32& got) {
    return api_->read(toNative(h), buffer, n, &got);
}
FtStatus D2xxDriver::getQueueStatus(FtHandle h, quint32& rx) {
    return api_->getQueueStatus(toNative(h), &rx);
}
FtStatus D2xxDriver::purge(FtHandle h, quint32 mask) {
    return api_->purge(toNative(h), mask);
}
