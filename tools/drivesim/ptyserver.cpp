#include "ptyserver.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace zr::sim {

namespace {
constexpr auto kWakeLead = std::chrono::microseconds(60);

void closeFd(int &fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Writes all bytes to the (non-blocking) master; while the host does not read, waits for room or
// for `wake`. False when woken or when the line broke.
bool writeAll(int fd, int wake, const QByteArray &bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
            return false;
        pollfd fds[2] = {{fd, POLLOUT, 0}, {wake, POLLIN, 0}};
        if (::ppoll(fds, 2, nullptr, nullptr) < 0 && errno != EINTR)
            return false;
        if (fds[1].revents || (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)))
            return false;
    }
    return true;
}
} // namespace

PtyServer::PtyServer(SimDrive &drive) : drive_(drive) {}

PtyServer::~PtyServer() {
    shutdown();
    closeFd(wake_[0]);
    closeFd(wake_[1]);
    if (!linkPath_.isEmpty())
        QFile::remove(linkPath_);
}

bool PtyServer::open(QString *error) {
    auto bad = [&](const char *what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                  QString::fromLocal8Bit(strerror(errno)));
        shutdown();
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0)
        return bad("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return bad("grantpt/unlockpt");
    const char *name = ::ptsname(master_);
    if (!name)
        return bad("ptsname");
    slavePath_ = QString::fromLocal8Bit(name);
    // Holding the slave side open keeps the master readable while the host closes and reopens.
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        return bad("open slave");
    termios tio{};
    if (::tcgetattr(slave_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(slave_, TCSANOW, &tio);
    }
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0)
        return bad("pipe");
    return true;
}

bool PtyServer::link(const QString &path, QString *error) {
    const QFileInfo existing(path);
    if (existing.isSymLink())
        QFile::remove(path);
    if (!QFile::link(slavePath_, path)) {
        if (error)
            *error = QStringLiteral("cannot create the link %1").arg(path);
        return false;
    }
    linkPath_ = path;
    return true;
}

void PtyServer::stop() {
    stopping_ = true;
    if (wake_[1] >= 0) {
        const char b = 1;
        [[maybe_unused]] const auto n = ::write(wake_[1], &b, 1);
    }
}

void PtyServer::withDrive(const std::function<void(SimDrive &)> &change) {
    const std::lock_guard<std::mutex> lock(driveMutex_);
    change(drive_);
}

void PtyServer::shutdown() {
    closeFd(slave_);
    closeFd(master_);
}

void PtyServer::run() {
    // Wake up on time for paced bytes rather than up to 50 us late.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    char buf[4096];
    while (!stopping_ && master_ >= 0) {
        // A byte goes out a little before its time: waking up from poll() and the host's own
        // wake-up take about that long, so the host sees it when the line would deliver it.
        std::unique_lock<std::mutex> lock(driveMutex_);
        const QByteArray out = drive_.takeDue(Clock::now() + kWakeLead);
        const bool vanished = drive_.vanished();
        const TimePoint due = drive_.nextDue();
        lock.unlock(); // a host that does not read may block the write: others keep the drive
        if (!out.isEmpty() && !writeAll(master_, wake_[0], out) && stopping_)
            break;
        if (vanished)
            break;

        timespec ts{};
        timespec *timeout = nullptr;
        if (due != TimePoint::max()) {
            const auto wait = std::max(Clock::duration::zero(), due - kWakeLead - Clock::now());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
            ts.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
            ts.tv_nsec = static_cast<long>(ns % 1'000'000'000);
            timeout = &ts;
        }
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        const int n = ::ppoll(fds, 2, timeout, nullptr);
        if (n < 0 && errno != EINTR)
            break;
        if (fds[1].revents)
            break;
        if (fds[0].revents & POLLIN) {
            const ssize_t got = ::read(master_, buf, sizeof buf);
            if (got > 0) {
                const std::lock_guard<std::mutex> held(driveMutex_);
                drive_.receive(QByteArray(buf, static_cast<int>(got)), Clock::now());
            }
        } else if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            break;
        }
    }
    bool vanished = false;
    withDrive([&](SimDrive &d) { vanished = d.vanished(); });
    if (vanished || closeRequested_)
        shutdown();
}

} // namespace zr::sim
