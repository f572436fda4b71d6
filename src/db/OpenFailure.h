#pragma once
// Turning a failed attachment into a message a user can act on.
#include "DbError.h"

#include <QString>

// `filePath` is the database file the program tried to open; `engineText` is
// the engine's own message (QSqlError::databaseText()) and `sqlCode` its SQL
// code (QSqlError::nativeErrorCode()). The result names the file and the
// reason in plain words and keeps the engine's text as a detail line.
//
// Engine messages measured with Firebird 3.0.11 embedded:
//   missing      -902 I/O error during "open" ... No such file or directory
//   unreadable   -902 I/O error during "open" ... Permission denied
//   too short    -902 I/O error during "read" ... File size is less than expected
//   garbage      -922 file ... is not a valid database
//   read-only    -551 no permission for read-write access to database ...
//   in use       -902 I/O error during "lock" ... Database already opened with
//                     engine instance, incompatible with current
//   lock folder  operating system directive access failed - Permission denied
//                     - /tmp/firebird/   (a lock folder of another user)
DbError describeOpenFailure(const QString& filePath, const QString& engineText,
                            const QString& sqlCode);

// The same form of message for a reason found by the program itself (for
// instance a database without the program's tables); `detail` may be empty.
DbError makeOpenError(DbError::Reason reason, const QString& filePath, const QString& detail);
