#pragma once
// Which driver the program talks through. ZQM_DRIVER chooses: "d2xx" (the
// vendor library), "serial" (the system's serial ports) or "sim" (the
// in-process simulated meter); unset, the vendor library where it loads, else
// the serial ports. With ZQM_TRACE set, the driver's calls are traced.
#include "FtdiDriver.h"

#include <memory>

std::shared_ptr<FtdiDriver> createDriverFromEnvironment();

// The one driver of this run, created on first use.
std::shared_ptr<FtdiDriver> programFtdiDriver();
// Replaces it (tests; nullptr: choose again from the environment on next use).
void setProgramFtdiDriver(std::shared_ptr<FtdiDriver> driver);
