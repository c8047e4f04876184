// Drive transactions against the simulated drive on a pseudo-terminal, measured against the
// physical limits of the same run: a bare round trip on the same line, and the 19200-baud line;
// then the same transactions through ser2net on loopback (tcp:// and rfc2217://) against those
// on the pseudo-terminal itself.

#include "benchcommon.h"
#include "driveprotocol.h"
#include "hardwareserialport.h"
#include "ser2netbridge.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
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

// The same least round trip on a raw TCP connection to ser2net: what the bridge itself costs.
std::vector<double> bareTcpRoundTrips(quint16 port, int count) {
    std::vector<double> times;
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0) {
        ::close(fd);
        return times;
    }
    const unsigned char req[3] = {0x01, 0x02, 0x00};
    char buf[64];
    for (int i = 0; i < count; ++i) {
        QElapsedTimer t;
        t.start();
        if (::send(fd, req, 3, MSG_NOSIGNAL) != 3)
            break;
        int got = 0;
        while (got < 6) {
            pollfd pfd{fd, POLLIN, 0};
            if (::poll(&pfd, 1, 300) <= 0)
                break;
            const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            got += static_cast<int>(n);
            ::setsockopt(fd, IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
        }
        times.push_back(static_cast<double>(t.nsecsElapsed()) / 1e3);
    }
    ::close(fd);
    return times;
}

struct Bridged {
    double unpaced = 0; // median transaction, us
    double paced = 0;
    double bare = 0; // median raw TCP round trip through ser2net, unpaced
};

// Median transactions through ser2net in front of the simulated drive's line.
bool throughSer2Net(const QString &device, const QString &scheme, int count, double *median_,
                    QString *failure, double *bare = nullptr) {
    sim::Ser2NetBridge bridge;
    if (!bridge.start(device, scheme))
        return false;
    if (bare) {
        const std::vector<double> raw = bareTcpRoundTrips(bridge.tcpPort(), count);
        *bare = raw.empty() ? 0 : median(raw);
        QThread::msleep(100); // ser2net closes the device again
    }
    PortMap map;
    map.setDevice(1, bridge.url());
    HardwareSerialPort port(map);
    if (!port.Open())
        return false;
    *median_ = median(transactions(port, count, failure));
    port.Close();
    return true;
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
    const QStringList schemes{QStringLiteral("tcp"), QStringLiteral("rfc2217")};
    std::vector<Bridged> bridged(schemes.size());
    const bool haveSer2Net = !sim::Ser2NetBridge::program().isEmpty();
    for (int i = 0; haveSer2Net && i < schemes.size(); ++i) {
        if (!throughSer2Net(sim.link(), schemes[i], n, &bridged[i].unpaced, &failure,
                            i == 0 ? &bridged[i].bare : nullptr))
            std::fprintf(stderr, "ser2net %s did not work\n", qPrintable(schemes[i]));
    }
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
    const double pacedMedian = median(transactions(port, 200, &failure));
    port.Close();
    for (int i = 0; haveSer2Net && i < schemes.size(); ++i)
        throughSer2Net(sim.link(), schemes[i], 200, &bridged[i].paced, &failure);
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
    if (!haveSer2Net) {
        std::printf("ser2net is not installed: no network figures\n");
        return 0;
    }
    for (int i = 0; i < schemes.size(); ++i) {
        const char *scheme = schemes[i] == QLatin1String("tcp") ? "tcp://    " : "rfc2217://";
        std::printf("%s through ser2net: median %.1f us unpaced, %.1f us at 19200 baud\n", scheme,
                    bridged[i].unpaced, bridged[i].paced);
        std::printf("%s overhead ratio, unpaced:     %.3f (target <= 1.5; pseudo-terminal %.1f "
                    "us)\n",
                    scheme, bridged[i].unpaced / hostMedian, hostMedian);
        std::printf("%s overhead ratio, 19200 baud:  %.3f (target <= 1.5; pseudo-terminal %.1f "
                    "us)\n",
                    scheme, bridged[i].paced / pacedMedian, pacedMedian);
        if (bridged[i].bare > 0)
            std::printf("%s against a raw TCP round trip through ser2net (%.1f us): %.3f\n", scheme,
                        bridged[i].bare, bridged[i].unpaced / bridged[i].bare);
    }
    return 0;
}
