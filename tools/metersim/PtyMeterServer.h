#pragma once
// Serves a simulated meter on a pseudo-terminal: what the program writes to the
// terminal reaches the meter model, and the model's replies come back paced as
// a 115200-baud line would deliver them.
#include "sim/MeterModel.h"
#include "sim/PacedLine.h"

#include <QString>

class PtyMeterServer {
public:
    explicit PtyMeterServer(MeterModel& meter);
    ~PtyMeterServer();

    // Creates the terminal; false with the reason in `error` on failure.
    bool open(QString* error);
    // The path the program opens (/dev/pts/N).
    QString path() const { return path_; }
    // Runs until the meter's port vanishes (a fault) or `stop` becomes true.
    void run(const volatile bool* stop = nullptr);

private:
    MeterModel& meter_;
    PacedLine line_;
    int master_ = -1;
    int slave_ = -1;
    QString path_;
};
