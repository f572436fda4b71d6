// Helper process for the database tests: a second copy of the program's data
// layer, in a process of its own.
//
//   zqm_dbprobe [--as-nobody] open <programPath>
//       connects and opens the tables; prints "OK" or "ERROR <reason>" and
//       the message, exits 0 or 1.
//   zqm_dbprobe hold <programPath>
//       connects, prints "HOLDING" and keeps the database open until its
//       standard input closes.
//
// --as-nobody: when started as root, first drops to user and group 65534, so
// that file permissions apply (root reads and writes any file).
#include "ZqmDatabase.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <unistd.h>
#endif

namespace {

bool dropToNobody() {
#ifdef Q_OS_UNIX
    if (::geteuid() != 0)
        return true;
    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
        return false;
    // The parent's lock folder belongs to root; let the engine pick ours.
    qunsetenv("FIREBIRD_LOCK");
    qunsetenv("XDG_RUNTIME_DIR");
    return true;
#else
    return true;
#endif
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!args.isEmpty() && args.first() == QLatin1String("--as-nobody")) {
        args.removeFirst();
        if (!dropToNobody()) {
            std::fputs("ERROR setuid\ncannot drop to user nobody\n", stdout);
            return 2;
        }
    }
    QCoreApplication app(argc, argv);
    if (args.size() != 2) {
        std::fputs("usage: zqm_dbprobe [--as-nobody] open|hold <programPath>\n", stderr);
        return 2;
    }
    QTextStream out(stdout);
    ZqmDatabase db;
    try {
        db.connect(args.at(1));
        db.openTables();
    } catch (const DbError& e) {
        out << "ERROR " << int(e.reason()) << "\n" << e.message() << "\n";
        return 1;
    }
    if (args.first() == QLatin1String("hold")) {
        out << "HOLDING" << Qt::endl;
        // Until the parent closes our standard input.
        char buffer[256];
        while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
        }
        db.close();
        return 0;
    }
    out << "OK\n";
    return 0;
}
