#pragma once
// The data layer's error: a message a user can read (it is shown as it is by
// the application's error box), naming the database file and the reason.
#include <QString>
#include <stdexcept>

class DbError : public std::runtime_error {
public:
    // Why an operation failed; the open failures get a reason of their own so
    // that callers and tests need not parse the text.
    enum class Reason {
        Missing,        // the database file does not exist
        Unreadable,     // no permission to read the file
        ReadOnly,       // the file (or its folder) cannot be written
        NotADatabase,   // not a Firebird database file at all
        Damaged,        // a Firebird file, but too short or corrupt
        WrongVersion,   // a Firebird file of another on-disk version
        InUse,          // held by another copy of the program
        NotOurDatabase, // a Firebird database without the program's tables
        EngineMissing,  // the Qt Firebird driver or the engine cannot be loaded
        LockDir,        // the engine's lock folder cannot be used
        Other,          // any other failure to open
        Statement       // a statement or procedure call failed
    };

    DbError(Reason reason, const QString& message)
        : std::runtime_error(message.toStdString()), reason_(reason), message_(message) {}

    Reason reason() const { return reason_; }
    QString message() const { return message_; }

private:
    Reason reason_;
    QString message_;
};
