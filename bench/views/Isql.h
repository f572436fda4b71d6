#pragma once
// Runs isql-fb (the command-line tool, a process of its own) on a database
// file: the bare queries the benchmark compares the program against.
#include <QString>

struct IsqlRun {
    double seconds = 0; // wall time of the whole process
    QString output;     // what it printed (errors included)
    bool ok = false;
};

// Runs `script` against `databaseFile`; the query results go to /dev/null
// unless `keepOutput`. The program's own connection must be closed: the
// embedded engine locks the file.
IsqlRun runIsql(const QString& databaseFile, const QString& script, bool keepOutput = false);

// Best (smallest) wall time of `runs` runs of `script`.
double bestIsqlSeconds(const QString& databaseFile, const QString& script, int runs);
