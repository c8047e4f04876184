// The scope's drawing and acquisition costs:
// 1. a full " 30 Min " Roll screen (1,757,810 samples) drawn 1920 pixels wide into an offscreen
//    image, against drawing 3840 precomputed points (two a column: the least any min/max picture
//    can draw); target: at most 2;
// 2. the memory of one such screen; target: at most 4 MB;
// 3. appending 977 samples a second to that screen, in tick-sized pieces; target: under 5 % of
//    one core;
// 4. Roll acquisition from zr3500-sim on a pseudo-terminal at 19200 baud for a few seconds:
//    samples a second against the 976.56 the drive sends, and the CPU the ticks cost.

#include "hardwareserialport.h"
#include "portmap.h"
#include "scopeacquisition.h"
#include "scopegraph.h"
#include "scopestream.h"
#include "tracebuffer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

using namespace zr;
using namespace zr::scope;

namespace {
constexpr qsizetype kScreen = 1757810;
constexpr int kWidth = 1920;
constexpr int kHeight = 600;

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

template <class F> double perCallMs(int calls, F f) {
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < calls; ++i)
        f();
    return static_cast<double>(t.nsecsElapsed()) / 1e6 / calls;
}

class RollView final : public ScopeView {
public:
    void letEventsRun() override { QCoreApplication::processEvents(); }
    void chart(const QByteArray &s) override {
        trace.append(s);
        charted += s.size();
    }
    double xMax() const override { return double(kScreen); }
    TraceBuffer trace{kScreen};
    qint64 charted = 0;
};

void acquisition() {
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("zr3500"));
    QProcess sim;
    sim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zr3500-sim"),
              {QStringLiteral("--link"), link, QStringLiteral("--baud"), QStringLiteral("19200")});
    if (!sim.waitForReadyRead(10000) || !sim.readLine().startsWith('/')) {
        std::printf("acquisition: zr3500-sim did not start\n");
        return;
    }
    PortMap map;
    map.setDevice(1, link);
    HardwareSerialPort port(map);
    port.Open();
    qint16 drive = 1;
    QString result;
    ScopeAcquisition acq(port, drive, result, std::make_unique<HardwareSerialPort>(map));
    RollView view;
    acq.setView(&view);
    if (!acq.startscope()) {
        std::printf("acquisition: no stream\n");
        sim.terminate();
        sim.waitForFinished(3000);
        return;
    }
    QTimer tick;
    tick.setInterval(kTickMs);
    QObject::connect(&tick, &QTimer::timeout, [&acq] { acq.tick(); });
    const qint64 before = view.charted;
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    tick.start();
    QEventLoop loop;
    QTimer::singleShot(4000, &loop, &QEventLoop::quit);
    loop.exec();
    tick.stop();
    const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
    const double cpu = cpuSeconds() - cpu0;
    const double rate = static_cast<double>(view.charted - before) / seconds;
    acq.stopscope();
    sim.terminate();
    sim.waitForFinished(3000);
    std::printf("acquisition: %.1f samples/s (drive sends 976.56), CPU %.2f %% of one core\n", rate,
                100 * cpu / seconds);
    std::printf("acquisition ratio samples/s / 976.56: %.3f\n", rate / 976.5625);
}
} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // 1. frame time
    ScopeGraph graph;
    graph.setAxisRange(ScopeGraph::XAxis, 0, double(kScreen));
    graph.setAxisRange(ScopeGraph::YAxis1, -1, 255);
    QByteArray chunk;
    for (qsizetype i = 0; i < kScreen + 12345; ++i)
        chunk.append(static_cast<char>(sim::ScopeStream::SpeedSample(i)));
    graph.chart(chunk); // the ring has wrapped: the newest 30 minutes are shown
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    const QRectF area(0, 0, kWidth, kHeight);
    QPolygonF points;
    for (int c = 0; c < kWidth; ++c) {
        points.append({c + 0.5, 100.0 + (c % 7)});
        points.append({c + 0.5, 400.0 - (c % 5)});
    }
    const int frames = 60;
    const double limitMs = perCallMs(frames, [&] {
        image.fill(Qt::black);
        QPainter p(&image);
        p.setPen(QPen(Qt::yellow, 0));
        p.drawPolyline(points);
    });
    const double frameMs = perCallMs(frames, [&] {
        image.fill(Qt::black);
        QPainter p(&image);
        graph.drawTrace(p, area);
    });
    std::printf("frame: %.3f ms for %lld samples at %d px; limit (3840 points) %.3f ms\n", frameMs,
                static_cast<long long>(kScreen), kWidth, limitMs);

    // 2. memory
    const double mb = static_cast<double>(graph.trace().memoryBytes()) / (1024.0 * 1024.0);
    std::printf("memory of one 30-minute screen: %.2f MB (budget 4 MB)\n", mb);

    // 3. appending a second of samples in 5 ms pieces
    TraceBuffer ring(kScreen);
    ring.append(chunk);
    const QByteArray piece = chunk.left(5);
    const double secondMs = perCallMs(200, [&] {
        for (int i = 0; i < 195; ++i)
            ring.append(piece);
        ring.append(piece.left(2));
    });
    std::printf("append: %.4f ms for one second of samples = %.4f %% of one core\n", secondMs,
                secondMs / 10.0);

    // 4. the real thing
    acquisition();

    std::printf("frame ratio to the limit: %.2f (target <= 2)\n", frameMs / limitMs);
    return 0;
}
