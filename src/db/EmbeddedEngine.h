#pragma once
// Preparing the process for the embedded Firebird engine before the first
// attachment.
#include <QString>

// Unix: the engine keeps its lock files in the folder named by FIREBIRD_LOCK,
// by default /tmp/firebird, which the first user to run any Firebird program
// creates with mode 0770 for himself alone; every other user then fails with
// "operating system directive access failed". Unless the environment names a
// folder already, a private per-user folder is used instead: the runtime
// folder XDG_RUNTIME_DIR when there is one, else <temp>/zqmm-firebird-<uid>
// (mode 0700), with /tmp as the last resort. Two copies of the program still
// exclude each other: the engine locks the database file itself, whatever the
// lock folder.
//
// Windows: when the program folder carries its own engine (plugins/engine12.dll
// beside fbclient.dll), FIREBIRD points the client library at it.
//
// Returns the lock folder in use (empty on Windows). Throws DbError
// (Reason::LockDir) when no usable folder can be made.
QString prepareEmbeddedEngine(const QString& programPath);
