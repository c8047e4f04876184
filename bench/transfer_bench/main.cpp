// Parameter upload and download through zr3500-cli against zr3500-sim paced at 19200 baud,
// measured against the line time of the bytes the sequences move; then the download through
// ser2net on loopback (tcp://), with ser2net's character delay off and at its default.

#include "benchcommon.h"
#include "ser2netbridge.h"
#include "transferfiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

double childCpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Measured {
    bool ok = false;
    double wall = 0;
    double cpu = 0;
};

Measured runCli(const QStringList &args) {
    QProcess cli;
    const double cpu0 = childCpuSeconds();
    QElapsedTimer t;
    t.start();
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zr3500-cli"), args);
    Measured m;
    m.ok = cli.waitForFinished(120000) && cli.exitCode() == 0;
    m.wall = static_cast<double>(t.nsecsElapsed()) / 1e9;
    m.cpu = childCpuSeconds() - cpu0;
    if (!m.ok)
        std::fprintf(stderr, "%s", cli.readAllStandardError().constData());
    return m;
}

double lineSeconds(int bytes) {
    return bytes * 10.0 / 19200.0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("params.10d"));

    zr::bench::SimProcess sim;
    if (!sim.start(zr::bench::Paced())) {
        std::fprintf(stderr, "cannot start zr3500-sim\n");
        return 1;
    }

    // The probe before each sequence reads the release once: 9 bytes more on the line.
    const int probeBytes = 9;
    const int uploadBytes = zr::kParameterWords * 9 + probeBytes;
    const int downloadBytes =
        zr::kParameterWords * 9 + 2 * zr::kParameterWords * 12 + 12 + probeBytes;

    const Measured up =
        runCli({QStringLiteral("--port"), sim.link(), QStringLiteral("upload-params"), file});
    const Measured down =
        runCli({QStringLiteral("--port"), sim.link(), QStringLiteral("download-params"), file});
    Measured bridged[2];
    const bool haveSer2Net = !zr::sim::Ser2NetBridge::program().isEmpty();
    for (int chardelay = 0; haveSer2Net && chardelay < 2; ++chardelay) {
        zr::sim::Ser2NetBridge bridge;
        if (bridge.start(sim.link(), QStringLiteral("tcp"), {chardelay == 1, {}}))
            bridged[chardelay] = runCli(
                {QStringLiteral("--port"), bridge.url(), QStringLiteral("download-params"), file});
    }
    sim.stop();
    if (!up.ok || !down.ok) {
        std::fprintf(stderr, "a transfer failed\n");
        return 1;
    }
    std::printf("upload:   %.3f s wall, line time %.3f s (%d bytes), CPU %.3f s\n", up.wall,
                lineSeconds(uploadBytes), uploadBytes, up.cpu);
    std::printf("download: %.3f s wall, line time %.3f s (%d bytes), CPU %.3f s\n", down.wall,
                lineSeconds(downloadBytes), downloadBytes, down.cpu);
    std::printf("upload line ratio:   %.3f (target <= 1.05)\n", up.wall / lineSeconds(uploadBytes));
    std::printf("download line ratio: %.3f (target <= 1.05)\n",
                down.wall / lineSeconds(downloadBytes));
    std::printf("CPU/wall ratio:      %.3f (target <= 0.05)\n",
                (up.cpu + down.cpu) / (up.wall + down.wall));
    if (!haveSer2Net) {
        std::printf("ser2net is not installed: no network figures\n");
        return 0;
    }
    const char *names[2] = {"chardelay off", "chardelay on (ser2net's default)"};
    for (int i = 0; i < 2; ++i) {
        if (!bridged[i].ok) {
            std::printf("download through ser2net, %s: failed\n", names[i]);
            continue;
        }
        std::printf("download through ser2net tcp://, %s: %.3f s wall, line ratio %.3f (target "
                    "<= 1.05), %.3f of the direct download\n",
                    names[i], bridged[i].wall, bridged[i].wall / lineSeconds(downloadBytes),
                    bridged[i].wall / down.wall);
    }
    return 0;
}
