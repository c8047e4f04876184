// Front-panel ticks against the simulated drive on a pseudo-terminal, paced at 19200 baud,
// measured against what the line allows: a tick without a key is 18 reads of 9 bytes (84.4 ms,
// 11.85 ticks a second); with "+" held it adds a 12-byte write and two reads (100 ms).

#include "benchcommon.h"
#include "driveprotocol.h"
#include "hardwareserialport.h"
#include "panelkeys.h"
#include "panelpoll.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

using namespace zr;
using namespace zr::front;

namespace {
constexpr double kByteSeconds = 10.0 / SerialPort::kBaudRate;

struct Run {
    int ticks = 0;
    double seconds = 0;
    QString failure;
};

// Ticks in a plain loop.
Run loop(SerialPort &port, PanelState &state, int ticks) {
    Run r;
    LinkResult comm = LinkResult::NoError;
    QElapsedTimer wall;
    wall.start();
    for (; r.ticks < ticks; ++r.ticks) {
        if (!RunPanelTick(port, 1, state, comm).linkOk && r.failure.isEmpty())
            r.failure = ResultText(comm);
    }
    r.seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    return r;
}

// Ticks driven by a 20 ms timer in the event loop, as the window runs them.
Run timed(SerialPort &port, PanelState &state, int ticks) {
    Run r;
    LinkResult comm = LinkResult::NoError;
    QTimer timer;
    timer.setInterval(20);
    timer.setTimerType(Qt::PreciseTimer); // as the window's Timer1
    QElapsedTimer wall;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!RunPanelTick(port, 1, state, comm).linkOk && r.failure.isEmpty())
            r.failure = ResultText(comm);
        if (++r.ticks == ticks) {
            timer.stop();
            QCoreApplication::exit(0);
        }
    });
    wall.start();
    timer.start();
    QCoreApplication::exec();
    r.seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    return r;
}

double report(const char *what, const Run &r, int bytesPerTick) {
    const double lineTick = bytesPerTick * kByteSeconds;
    const double rate = r.ticks / r.seconds;
    const double ratio = rate / (1.0 / lineTick);
    std::printf("%-28s %4d ticks in %6.3f s: %6.2f ticks/s, line limit %6.2f/s, ratio %.3f%s%s\n",
                what, r.ticks, r.seconds, rate, 1.0 / lineTick, ratio,
                r.failure.isEmpty() ? "" : ", failed: ", qPrintable(r.failure));
    return ratio;
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    bench::SimProcess sim;
    if (!sim.start(bench::Paced())) {
        std::fprintf(stderr, "cannot start zr3500-sim\n");
        return 1;
    }
    HardwareSerialPort port(sim.map());
    if (!port.Open()) {
        std::fprintf(stderr, "cannot open the simulated line: %s\n", qPrintable(port.lastError()));
        return 1;
    }
    const int ticks = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 60;
    constexpr int kIdleBytes = 18 * 9;
    constexpr int kKeyBytes = kIdleBytes + 12 + 2 * 9;

    PanelState state;
    const Run idle = loop(port, state, ticks);
    PressKey(state, kPlusKey);
    const Run held = loop(port, state, ticks);
    ReleaseKey(state);
    const Run idleTimed = timed(port, state, ticks);
    port.Close();
    sim.stop();

    report("loop, no key:", idle, kIdleBytes);
    report("loop, \"+\" held:", held, kKeyBytes);
    const double r = report("20 ms timer, no key:", idleTimed, kIdleBytes);
    std::printf("front panel ratio to the line: %.3f (target >= 0.95)\n", r);
    return 0;
}
