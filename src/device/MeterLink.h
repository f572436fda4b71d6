#pragma once
// The meter as the main window holds it: the link object FtdiRS, what is known
// about the meter (FlagaJest, USBPortSerial, ListaPPDev, DevFirmWare), the
// command exchange every window uses (SendAndGetRS, SendAndGetRSLen) and the
// discovery and identification (FindPPDevices, OpenZQMDevice).
//
// Every wait goes through a Clock so that tests run the time-outs on a test
// clock. The window plugs in three hooks: letting pending window messages run,
// the text of lexicon item 10 in the current language, and showing the three
// meter labels.
#include "FTDIchip.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class Clock;
class FtdiDriver;

class MeterLink {
public:
    static constexpr int maxCandidates = 100;

    // `clock` nullptr: the program clock (appClock()) at each wait.
    explicit MeterLink(Clock* clock = nullptr);
    ~MeterLink();
    MeterLink(const MeterLink&) = delete;
    MeterLink& operator=(const MeterLink&) = delete;

    // Creates FtdiRS over the program's driver (start-up), or over `driver`.
    void createLink();
    void createLink(std::shared_ptr<FtdiDriver> driver);
    // Frees FtdiRS (closing the window), closing the device if it is open.
    void freeLink();

    tftdichip* FtdiRS = nullptr;
    bool FlagaJest = false;
    QByteArray USBPortSerial;
    // Serial numbers of the candidate devices of the last discovery, first
    // candidate at index 0; entries beyond the count keep older values.
    std::array<QByteArray, maxCandidates> ListaPPDev;
    QByteArray DevFirmWare;

    // Sends `stt` and collects a reply of variable length, or of at least
    // `lenn` bytes when `lenn` is not 0. Empty when the meter is silent.
    QByteArray SendAndGetRS(QByteArray& stt, int lenn);
    // Sends the first `lenn` bytes of `stt` and collects a 5-byte acknowledgement;
    // its first byte stays "x" when nothing came.
    QByteArray SendAndGetRSLen(QByteArray& stt, int lenn);
    // Lists the attached devices whose serial number begins with "PP" and is
    // longer than four characters; leaves the link closed.
    int FindPPDevices();
    // Finds, opens, sets up and identifies the meter; on success the labels
    // show its name, serial number and firmware.
    bool OpenZQMDevice();

    // Hooks set by the window.
    std::function<void()> processMessages;   // default: QCoreApplication::processEvents()
    std::function<QString()> deviceNameText; // lexicon item 10
    std::function<void(const QString& name, const QString& serial, const QString& firmware)>
        showLabels; // LabNazwa, LabSN, LabFV

private:
    Clock& clock() const;
    void letMessagesRun();
    int collectCandidates(pftdiDeviceList list, quint32 count, bool messagesFirst);

    Clock* clock_;
};

// Text of meter bytes as the labels show it: the system's 8-bit code page
// (the ANSI code page on Windows, Latin-1 elsewhere).
QString meterBytesToText(const QByteArray& bytes);
