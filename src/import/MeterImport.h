#pragma once
// START (ButtonConnectClick): finds and identifies the meter, downloads its
// object list ("L" CR) and each object's measurement list ("M", object byte,
// CR), and stores everything under device 20:
//
//   - each object through P_UPDATEOBIEKT_TEMP, committed on its own;
//   - each complete measurement-list reply in one transaction with a
//     savepoint per record (Procedures::storeMeasurements). A record that
//     cannot be decoded (a date or time that does not exist) or stored is
//     skipped and not counted.
//
// The writes run in the documented order on a connection of their own
// (ImportWriter), beside the exchange: an object's row and the previous
// object's records are committed while its measurement list is on the line,
// and the import waits for both before it looks at that list. So whatever
// ends the import (a transfer error, a database error, success), the database
// holds exactly what committing every call on its own, one after the other,
// would have left, while the commits cost almost no time of their own. The
// one difference a meter could see: when the object call fails, that
// object's "M" command has already gone out (it only reads).
//
// The progress window follows the status protocol: "Searching", then
// "Device not connected" for 2 s, or "Transferring Data" with the bar at 50
// (object list), 60, 60 + i * 40 / n after each object's reply, 100 at the
// end. A good run rebuilds the object view and reports the count through the
// information window; a reply that is empty or does not end in "*" shows
// "Transfer error" for 2 s, clears FlagaJest and stores nothing of that
// reply (earlier objects stay). A database error outside a record (the
// object call, the batch's transaction, rebuilding the view) hides the
// window, restores the cursor and is thrown on to the caller, whose error
// handler shows it; what was stored before stays.
//
// The import lets window messages run between exchanges, so START can be
// pressed again meanwhile: such a nested call does nothing.
#include "SpeciesLookup.h"

#include <QString>
#include <functional>

class Clock;
class MeterLink;
class TInfoForm;
class TProgresForm;
class ZqmDatabase;

// What the import works on; the main window hands in its own parts.
struct MeterImportParts {
    MeterLink* meter = nullptr;
    // The connected database: the import writes to its file through a
    // second attachment (the embedded engine allows several in one process).
    ZqmDatabase* database = nullptr;
    TProgresForm* progress = nullptr;
    TInfoForm* info = nullptr;
    // The two-second pauses; nullptr: the program clock (appClock()).
    Clock* clock = nullptr;
    // The species table (see speciesNameFromGrid).
    SpeciesNameLookup speciesName;
    // GetActLangNbr: asked for each record and for the end message.
    std::function<int()> languageIndex;
    // DesignedLexicon1.GetItem(n); the import uses items 7 and 8.
    std::function<QString(int)> lexiconItem;
    // Whether CBImportName ("Adding data from multiple devices") is ticked:
    // then every object is stored with IDO_INDEV 0.
    std::function<bool()> importName;
    // Rebuilds the object view keeping its sort order: ReopenObiekty("").
    std::function<void()> reopenObjects;
    // Lets pending window messages run; default QCoreApplication::processEvents().
    std::function<void()> processMessages;
};

class MeterImport {
public:
    static constexpr int DeviceId = 20;

    enum class Outcome {
        Imported,       // all objects done, count reported
        NoDevice,       // the meter was not found or not identified
        TransferError,  // a reply was empty or did not end in "*"
        AlreadyRunning, // START while an import runs: nothing done
    };
    struct Result {
        Outcome outcome = Outcome::Imported;
        int stored = 0;  // measurements stored (and reported when Imported)
        int objects = 0; // objects written
    };

    explicit MeterImport(MeterImportParts parts);

    // The whole of ButtonConnectClick. Throws the database's DbError as
    // described above.
    Result ButtonConnectClick();
    // Another name for the same, for callers that are not a button.
    Result run() { return ButtonConnectClick(); }

    // True from the start of ButtonConnectClick until it returns.
    bool running() const { return running_; }

private:
    Result transferError(Result result);
    void letMessagesRun();
    Clock& clock() const;

    MeterImportParts parts_;
    bool running_ = false;
};
