// The scope's drawing, acquisition and memory costs:
// 1. a " 30 Min " Roll screen (1,757,810 samples) drawn 1920 pixels wide into an offscreen
//    image, against drawing 3840 precomputed points (two a column: the least any min/max picture
//    can draw): the first frame of a screen, and the frames of a rolling screen (each after the
//    samples of one frame, 1/50 s, have arrived); target for the rolling frame: at most 1.0;
// 2. the memory of one such screen; target: at most 4 MB;
// 3. appending 977 samples a second to that screen, in tick-sized pieces; target: under 5 % of
//    one core;
// 4. Roll acquisition from zr3500-sim on a pseudo-terminal at 19200 baud for a few seconds:
//    samples a second against the 976.56 the drive sends, and the CPU the ticks cost;
// 5. the scope window rolling on that line, shown, at the 1 s and 30 min time bases: redraws a
//    second and the CPU of the whole program; target: 50 redraws a second at no more than 5 %;
// 6. the scope window holding its picture for an hour of the drive's stream (sent 128 times
//    faster than the drive does, the hold timer's beat shortened alike): resident memory before
//    and after; target: within 1 MB. Then the same hold without the hold timer, as the window
//    held before, for comparison.

#include "benchcommon.h"
#include "dialogs.h"
#include "hardwareserialport.h"
#include "loaderroutine.h"
#include "portmap.h"
#include "scopeacquisition.h"
#include "scopecontrols.h"
#include "scopegraph.h"
#include "scopescales.h"
#include "scopestream.h"
#include "scopewindow.h"
#include "shell.h"
#include "tracebuffer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace zr;
using namespace zr::scope;

namespace {
constexpr qsizetype kScreen = 1757810;
constexpr int kWidth = 1920;
constexpr int kHeight = 600;

double residentMb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.value(1).toDouble() * 4096.0 / (1024.0 * 1024.0);
}

template <class F> double perCallMs(int calls, F f) {
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < calls; ++i)
        f();
    return static_cast<double>(t.nsecsElapsed()) / 1e6 / calls;
}

void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Starts the simulator for a measurement, or says under its name that it did not start.
bool startSim(bench::SimProcess &sim, const char *measurement, const QStringList &options) {
    if (sim.start(options))
        return true;
    std::printf("%s: zr3500-sim did not start\n", measurement);
    return false;
}

// The program's shell on the simulated drive, with the scope window open and owning the line.
struct ScopeProgram {
    explicit ScopeProgram(const PortMap &map) : link(map), shell(state, dialogs, link) {
        state.DriveAddress = 1;
        state.ScopePort = 1;
        link.Open();
        RegisterScopeWindows(shell);
        window = shell.forms().formAs<ScopeWindow>(shell::kScopeWindow);
    }
    shell::LoaderRoutine state;
    shell::QtDialogs dialogs;
    HardwareSerialPort link;
    shell::Shell shell;
    ScopeWindow *window = nullptr;
};

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
    bench::SimProcess sim;
    if (!startSim(sim, "acquisition", bench::Paced()))
        return;
    HardwareSerialPort port(sim.map());
    port.Open();
    qint16 drive = 1;
    LinkResult result = LinkResult::NoError;
    ScopeAcquisition acq(port, drive, result, std::make_unique<HardwareSerialPort>(sim.map()));
    RollView view;
    acq.setView(&view);
    if (!acq.startscope()) {
        std::printf("acquisition: no stream\n");
        return;
    }
    QTimer tick;
    tick.setInterval(kTickMs);
    QObject::connect(&tick, &QTimer::timeout, [&acq] { acq.tick(); });
    const qint64 before = view.charted;
    const double cpu0 = bench::CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    tick.start();
    runFor(4000);
    tick.stop();
    const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
    const double cpu = bench::CpuSeconds() - cpu0;
    const double rate = static_cast<double>(view.charted - before) / seconds;
    acq.stopscope();
    std::printf("acquisition: %.1f samples/s (drive sends 976.56), CPU %.2f %% of one core\n", rate,
                100 * cpu / seconds);
    std::printf("acquisition ratio samples/s / 976.56: %.3f\n", rate / 976.5625);
}

// Counts the graph's repaints.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

void rollingScreen() {
    bench::SimProcess sim;
    if (!startSim(sim, "rolling screen", bench::Paced()))
        return;
    ScopeProgram program(sim.map());
    ScopeWindow *w = program.window;
    w->show();
    if (!w->startscope()) {
        std::printf("rolling screen: no stream\n");
        return;
    }
    auto *graph = w->findChild<ScopeGraph *>(QStringLiteral("CWGraph1"));
    auto *xscale = w->findChild<ScopeKnob *>(QStringLiteral("Xscale"));
    PaintCounter counter;
    graph->installEventFilter(&counter);
    const bool longOnly = qEnvironmentVariableIsSet("ZR_BENCH_LONG_ONLY");
    for (int position : {kLoadTimeBase, 14}) {
        if (longOnly && position != 14)
            continue;
        xscale->setPosition(position);
        if (position == 14) { // a full 30 minutes on the screen, as after half an hour
            QByteArray screen;
            for (qsizetype i = 0; i < kScreen; ++i)
                screen.append(static_cast<char>(sim::ScopeStream::SpeedSample(i)));
            graph->chart(screen);
        }
        runFor(1500); // the screen fills and the redraws settle
        counter.paints = 0;
        const double cpu0 = bench::CpuSeconds();
        QElapsedTimer wall;
        wall.start();
        runFor(5000);
        const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
        const double cpu = bench::CpuSeconds() - cpu0;
        std::printf("rolling screen at %s: %.1f redraws/s, CPU %.2f %% of one core "
                    "(target 50 redraws/s at <= 5 %%)\n",
                    TimeBaseAt(position).text, counter.paints / seconds, 100 * cpu / seconds);
    }
    graph->removeEventFilter(&counter);
    program.shell.forms().unload(shell::kScopeWindow);
}

void hold() {
    // 8 us a sample: the drive's stream 128 times faster, so an hour passes in 28 s.
    bench::SimProcess sim;
    if (!startSim(sim, "hold", {QStringLiteral("--scope-period-us"), QStringLiteral("8")}))
        return;
    ScopeProgram program(sim.map());
    ScopeWindow *w = program.window;
    if (!w->startscope()) {
        std::printf("hold: no stream\n");
        return;
    }
    runFor(1000);
    auto *run = w->findChild<ScopeSwitch *>(QStringLiteral("CWButton1"));
    auto *holdTimer = w->findChild<QTimer *>(QStringLiteral("HoldTimer"));
    run->setValue(true); // "Save": the picture holds, the stream goes on
    // The hold timer drops what arrived at every beat; with the stream 128 times faster, so do
    // the beats, to keep as many beats to a minute of the stream as at the drive's rate.
    holdTimer->setInterval(std::max(1, holdTimer->interval() / 128));
    const double samplesPerHour = 3600.0 * 1000.0 / kMsPerSample;
    const qint64 dropped0 = w->acquisition().input().discarded();
    const double before = residentMb();
    QElapsedTimer wall;
    wall.start();
    while (w->acquisition().input().discarded() - dropped0 < samplesPerHour &&
           wall.elapsed() < 120000)
        runFor(500);
    const double after = residentMb();
    const double minutes = static_cast<double>(w->acquisition().input().discarded() - dropped0) *
                           kMsPerSample / 60000.0;
    std::printf("hold: %.1f minutes of the stream in %.1f s; resident %.1f MB before, %.1f MB "
                "after: %+.2f MB (target within 1 MB)\n",
                minutes, static_cast<double>(wall.elapsed()) / 1000.0, before, after,
                after - before);
    // As the window held before: nobody reads the port meanwhile.
    holdTimer->stop();
    const double still = residentMb();
    runFor(5000);
    std::printf("hold without reading the port: %+.1f MB in 5 s of the same stream\n",
                residentMb() - still);
    run->setValue(false);
    program.shell.forms().unload(shell::kScopeWindow);
}
} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // One part alone, by name: "acquisition", "rolling" or "hold".
    const QString only = app.arguments().value(1);
    if (only == QLatin1String("acquisition"))
        acquisition();
    else if (only == QLatin1String("rolling"))
        rollingScreen();
    else if (only == QLatin1String("hold"))
        hold();
    if (!only.isEmpty())
        return 0;

    // 1. frame time: the first frame of a screen, and the frames of a rolling one
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
    const double firstMs = perCallMs(1, [&] {
        image.fill(Qt::black);
        QPainter p(&image);
        graph.drawTrace(p, area);
    });
    qint64 next = kScreen + 12345;
    const double frameMs = perCallMs(frames, [&] {
        QByteArray piece;
        for (int i = 0; i < 20; ++i) // 1/50 s of the drive's stream
            piece.append(static_cast<char>(sim::ScopeStream::SpeedSample(next++)));
        graph.chart(piece);
        image.fill(Qt::black);
        QPainter p(&image);
        graph.drawTrace(p, area);
    });
    std::printf("frame: first %.3f ms, rolling %.3f ms for %lld samples at %d px; limit (3840 "
                "points) %.3f ms\n",
                firstMs, frameMs, static_cast<long long>(kScreen), kWidth, limitMs);

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

    // 4.-6. the real thing
    acquisition();
    rollingScreen();
    hold();

    std::printf("first frame ratio to the limit: %.2f\n", firstMs / limitMs);
    std::printf("rolling frame ratio to the limit: %.2f (target <= 1.0)\n", frameMs / limitMs);
    return 0;
}
