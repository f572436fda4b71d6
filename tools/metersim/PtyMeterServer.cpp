#include "PtyMeterServer.h"

#include "Clock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyMeterServer::PtyMeterServer(MeterModel& meter) : meter_(meter) {}

PtyMeterServer::~PtyMeterServer() {
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

bool PtyMeterServer::open(QString* error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        *error = QStringLiteral("cannot create a pseudo-terminal: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    path_ = QString::fromLocal8Bit(::ptsname(master_));
    // Holding the terminal side open keeps the pair alive while the program
    // closes and reopens it; raw mode keeps the terminal from echoing or
    // translating the meter's bytes before the program sets the line up.
    slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        *error = QStringLiteral("cannot open %1: %2")
                     .arg(path_, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

void PtyMeterServer::run(const volatile bool* stop) {
    SystemClock clock;
    char buffer[4096];
    while (!(stop && *stop)) {
        const qint64 now = clock.nowUs();
        if (line_.vanished(now))
            return;
        const QByteArray due = line_.take(now, line_.arrived(now));
        for (qsizetype done = 0; done < due.size();) {
            const ssize_t n = ::write(master_, due.constData() + done, size_t(due.size() - done));
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return;
            done += n > 0 ? n : 0;
        }
        // Sleep until the next byte is due or the program writes; at most 50 ms.
        const qint64 waitUs =
            qBound(qint64(0), line_.nextArrivalUs() - clock.nowUs(), qint64(50'000));
        pollfd pfd{master_, POLLIN, 0};
        const timespec ts{time_t(waitUs / 1'000'000), long(waitUs % 1'000'000) * 1000};
        if (::ppoll(&pfd, 1, &ts, nullptr) <= 0 || !(pfd.revents & POLLIN))
            continue;
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        const qint64 t = clock.nowUs();
        for (const MeterReply& reply : meter_.receive(QByteArray(buffer, int(n)), t))
            line_.schedule(reply, t, int(n));
    }
}
