// Drive transactions against the simulated drive on a pseudo-terminal, measured against the
// physical limits of the same run: a bare round trip on the same line, and the 19200-baud line.

#include "benchcommon.h"
#include "driveprotocol.h"
#include "hardwareserialport.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

using namespace zr;

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Write the request, poll, read until six bytes: the least any host can do.
std::vector<double> bareRoundTrips(const QString &device, int count) {
    std::vector<double> times;
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return times;
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd, TCSANOW, &tio);
    const unsigned char req[3] = {0x01, 0x02, 0x00};
    char buf[64];
    for (int i = 0; i < count; ++i) {
        QElapsedTimer t;
        t.start();
        if (::write(fd, req, 3) != 3)
            break;
        int got = 0;
        while (got < 6) {
            pollfd pfd{fd, POLLIN, 0};
            if (::poll(&pfd, 1, 300) <= 0)
                break;
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n <= 0)
                break;
            got += static_cast<int>(n);
        }
        times.push_back(static_cast<double>(t.nsecsElapsed()) / 1e3);
    }
    ::close(fd);
    return times;
}

std::vector<double> transactions(SerialPort &port, int count, QString *failure) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        QString data;
        QString result;
        QElapsedTimer t;
        t.start();
        DriveTransaction(port, 1, 0x0200, false, true, data, result);
        times.push_back(static_cast<double>(t.nsecsElapsed()) / 1e3);
        if (result != kNoError && failure->isEmpty())
            *failure = result;
    }
    return times;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QString failure;

    // 1. Host overhead, unpaced drive.
    bench::SimProcess sim;
    if (!sim.start()) {
        std::fprintf(stderr, "cannot start zr3500-sim\n");
        return 1;
    }
    const int n = 3000;
    const std::vector<double> bare = bareRoundTrips(sim.link(), n);
    HardwareSerialPort port(sim.map());
    if (bare.empty() || !port.Open()) {
        std::fprintf(stderr, "cannot open the simulated line\n");
        return 1;
    }
    const std::vector<double> host = transactions(port, n, &failure);
    port.Close();
    sim.stop();
    const double bareMedian = median(bare);
    const double hostMedian = median(host);

    // 2. Line efficiency and CPU, drive paced at 19200 baud.
    if (!sim.start(bench::Paced()) || !port.Open()) {
        std::fprintf(stderr, "cannot start the paced drive\n");
        return 1;
    }
    const int reads = 1024;
    const double lineSeconds = reads * 9 * 10.0 / 19200.0;
    const double cpu0 = bench::CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    transactions(port, reads, &failure);
    const double wallSeconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = bench::CpuSeconds() - cpu0;
    port.Close();
    sim.stop();

    if (!failure.isEmpty())
        std::printf("note: some transactions failed (%s)\n", qPrintable(failure));
    std::printf("unpaced: transaction median %.1f us, bare round trip median %.1f us (%d each)\n",
                hostMedian, bareMedian, n);
    std::printf("paced 19200: %d reads in %.3f s, line time %.3f s, CPU %.3f s\n", reads,
                wallSeconds, lineSeconds, cpu);
    std::printf("host overhead ratio:   %.3f (target <= 1.5)\n", hostMedian / bareMedian);
    std::printf("line efficiency ratio: %.3f (target <= 1.03)\n", wallSeconds / lineSeconds);
    std::printf("CPU/wall ratio:        %.3f (target <= 0.05)\n", cpu / wallSeconds);
    return 0;
}
