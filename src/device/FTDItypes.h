#pragma once
// Line settings of the USB link as typed enumerations, and the device-list node
// the driver fills in. Each enumeration value maps to the number the driver
// expects (see FTDIchip.cpp); a value outside an enumeration is refused there.
#include <QtGlobal>

enum fBaudRate {
    fBaud300,
    fBaud600,
    fBaud1200,
    fBaud2400,
    fBaud4800,
    fBaud9600,
    fBaud14400,
    fBaud19200,
    fBaud38400,
    fBaud57600,
    fBaud115200,
    fBaud230400,
    fBaud460800,
    fBaud921600
};

enum fWordLength { fBits8, fBits7 };

enum fStopBits { fStopBits1, fStopBits2 };

enum fParity { fParityNone, fParityOdd, fParityEven, fParityMark, fParitySpace };

enum fFlowControl { fFlowNone, fFlowRTSCTS, fFlowDTRDSR, fFlowXONXOFF };

enum fQueue { fSendQueue, fReceiveQueue, fAll };

// Driver values of the settings above.
namespace ftdiValues {
constexpr quint8 bits8 = 8;
constexpr quint8 bits7 = 7;
constexpr quint8 stopBits1 = 0;
constexpr quint8 stopBits2 = 2;
constexpr quint8 parityNone = 0;
constexpr quint8 parityOdd = 1;
constexpr quint8 parityEven = 2;
constexpr quint8 parityMark = 3;
constexpr quint8 paritySpace = 4;
constexpr quint16 flowNone = 0x0000;
constexpr quint16 flowRtsCts = 0x0100;
constexpr quint16 flowDtrDsr = 0x0200;
constexpr quint16 flowXonXoff = 0x0400;
constexpr quint32 purgeRx = 1;
constexpr quint32 purgeTx = 2;
constexpr quint32 openBySerialNumber = 1;
constexpr quint32 flagOpened = 1; // device-list flag: the device is open
} // namespace ftdiValues

// One entry of the device list, 100 bytes as the driver lays it out on a
// 32-bit system. Backends with a wider native node copy into this one.
struct ftdiDeviceNode {
    quint32 flags;
    quint32 deviceType;
    quint32 id;
    quint32 locid;
    char serialNumber[16];
    char description[64];
    quint32 ftHandle;
};
static_assert(sizeof(ftdiDeviceNode) == 100, "device-list node must be 100 bytes");

using ftdiDeviceList = ftdiDeviceNode[];
using pftdiDeviceList = ftdiDeviceNode*;
