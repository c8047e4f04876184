// A long session in one process, compressed in simulated time: 100 parameter uploads and 100
// downloads, an hour of front-panel polling (the window's ticks back to back, "+" held now and
// then, the menu walked), and the scope rolling and on hold, all against the simulated drive on a
// pseudo-terminal through the real serial port. The drive runs unpaced and streams its scope
// samples 100 times faster than a real one. Resident memory and open file descriptors are printed
// at the start, along the way and at the end; target: memory within 5 MB of where it stood after
// one warm-up round, descriptors equal.

#include "dialogs.h"
#include "frontwindow.h"
#include "hardwareserialport.h"
#include "loaderroutine.h"
#include "portmap.h"
#include "scopeacquisition.h"
#include "scopegraph.h"
#include "serialhost.h"
#include "serialstatewindow.h"
#include "shell.h"
#include "simulatedline.h"
#include "transfersequences.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <cstdio>

using namespace zr;

namespace {

// Each round: one upload, one download, a hundredth of the hour's ticks, one roll of the scope.
constexpr int kRounds = 100;
// What the line allows at 19200 baud: a tick without a key is 18 reads of 9 bytes (84.4 ms).
constexpr double kByteSeconds = 10.0 / SerialPort::kBaudRate;
constexpr double kTickSeconds = 18 * 9 * kByteSeconds;
constexpr int kTicksPerRound = static_cast<int>(3600.0 / kTickSeconds / 100) + 1;
constexpr double kSamplePeriodSeconds = 1.024e-3;
constexpr auto kFastSamplePeriod = std::chrono::nanoseconds(10'240); // 100 times the drive's
constexpr qsizetype kRollSamplesPerRound = 20000; // about 20 s of the drive's stream
constexpr qsizetype kScreen = 1757810;            // the " 30 Min " Roll screen

double residentMb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

int openDescriptors() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)
                                .size());
}

// Idle threads of Qt's pool (drawing uses it) end after 30 s and take a descriptor each: they are
// let go before counting, so that the counts compare what the program holds.
void report(const char *when) {
    QThreadPool::globalInstance()->waitForDone();
    std::printf("%-28s VmRSS %8.2f MB, open descriptors %d\n", when, residentMb(),
                openDescriptors());
    std::fflush(stdout);
}

class QuietView final : public TransferView {
public:
    void letEventsRun() override { QCoreApplication::processEvents(); }
};

// The scope window as the acquisition sees it: a graph that keeps a 30-minute screen, the run/hold
// switch and the front panel's poll.
class RollView final : public scope::ScopeView {
public:
    RollView() {
        graph.setAxisRange(scope::ScopeGraph::XAxis, 0, double(kScreen));
        graph.setAxisRange(scope::ScopeGraph::YAxis1, -1, 255);
    }
    void letEventsRun() override { QCoreApplication::processEvents(); }
    bool holding() const override { return hold; }
    void setHolding(bool on) override { hold = on; }
    bool tickEnabled() const override { return ticking; }
    void setTickEnabled(bool on) override { ticking = on; }
    double xMax() const override { return double(kScreen); }
    void chart(const QByteArray &samples) override {
        graph.chart(samples);
        charted += samples.size();
    }
    bool panelPollRunning() const override { return panelPolling; }
    void stopPanelPoll() override { panelPolling = false; }
    void startPanelPoll() override { panelPolling = true; }

    scope::ScopeGraph graph;
    qint64 charted = 0;
    bool hold = false;
    bool ticking = false;
    bool panelPolling = true;
};

struct Totals {
    qint64 lineBytes = 0; // bytes the transfers put on the line, both ways
    qint64 ticks = 0;
    qint64 keyTicks = 0;
    qint64 samples = 0;
    int uploads = 0;
    int downloads = 0;
    QStringList failures;
};

class Soak {
public:
    bool start() {
        line_.setLinkPath(dir_.filePath(QStringLiteral("zr3500")));
        line_.drive().scopeStream().setPeriod(kFastSamplePeriod);
        QString error;
        if (!line_.start(&error)) {
            std::fprintf(stderr, "cannot start the simulated drive: %s\n", qPrintable(error));
            return false;
        }
        PortMap map;
        map.setDevice(1, dir_.filePath(QStringLiteral("zr3500")));
        port_ = std::make_unique<HardwareSerialPort>(map);
        shell_ = std::make_unique<shell::Shell>(state_, dialogs_, *port_);
        state_.DriveAddress = 1;
        state_.DriveRelease = 1700;
        state_.CurrentLanguage = shell::kEnglish;
        host_.resize(800, 600);
        shell_->forms().setPageHost(&host_);
        shell_->mainFrame = [] { return shell::MainFrame{0, 0, 12000, 9000, 600}; };
        shell_->endProgram = [] {};
        shell_->forms().registerForm(shell::kSerialHost, [this](QWidget *p) {
            return new shell::SerialHostWindow(*shell_, p);
        });
        shell_->forms().registerForm(
            shell::kLinkWindow,
            [this](QWidget *p) { return new shell::SerialStateWindow(*shell_, p); }, true);
        front::RegisterFrontWindow(*shell_);
        if (!port_->Open())
            return false;
        acquisition_ = std::make_unique<scope::ScopeAcquisition>(
            *port_, state_.DriveAddress, state_.CommResult,
            std::make_unique<HardwareSerialPort>(map));
        acquisition_->setView(&scope_);
        return openFront();
    }

    void round(int n) {
        step(n, "transfers", [this] { transfers(); });
        step(n, "panel", [this, n] { panel(n); });
        step(n, "scope", [this] { roll(); });
    }
    const Totals &totals() const { return totals_; }

private:
    // Names a step after which resident memory stands 0.5 MB higher than ever before.
    template <class F> void step(int n, const char *what, F &&f) {
        f();
        const double rss = residentMb();
        if (n > 0 && rss > highest_ + 0.5)
            std::printf("  round %d, %s: VmRSS up %.2f MB to %.2f MB\n", n, what, rss - highest_,
                        rss);
        highest_ = std::max(highest_, rss);
    }

    bool openFront() {
        shell_->showPage(shell::kPageFront);
        front_ = shell_->forms().formAs<front::FrontWindow>(shell::kFrontWindow);
        if (!front_)
            return false;
        frontTimer_ = front_->findChild<QTimer *>(QStringLiteral("Timer1"));
        frontTimer_->stop(); // the ticks run back to back from here
        host_.show();
        return true;
    }

    void transfers() {
        QuietView view;
        const TransferLink link{*port_, state_.DriveAddress, state_.CurrentLanguage};
        const QString file = dir_.filePath(QStringLiteral("session.10d"));
        if (UploadParameters(link, file, view) == TransferOutcome::Done)
            ++totals_.uploads;
        else
            totals_.failures << QStringLiteral("upload");
        if (DownloadParameters(link, file, view) == TransferOutcome::Done)
            ++totals_.downloads;
        else
            totals_.failures << QStringLiteral("download");
        totals_.lineBytes += 1024 * 9 + 2048 * 12 + 12 + 1024 * 9;
    }

    // The window's ticks back to back, as Timer1 runs them on a real line; "+" held for 15 ticks
    // every 400, ">" every 1000 to walk the menu, window events every 20 ticks.
    void panel(int n) {
        for (int i = 0; i < kTicksPerRound; ++i) {
            const qint64 t = qint64(n) * kTicksPerRound + i;
            if (t % 400 == 0)
                mouse(QStringLiteral("GlossSphere1_1"), QEvent::MouseButtonPress);
            if (t % 400 == 15)
                mouse(QStringLiteral("GlossSphere1_1"), QEvent::MouseButtonRelease);
            if (t % 1000 == 500)
                mouse(QStringLiteral("GlossSphere1_5"), QEvent::MouseButtonPress);
            totals_.keyTicks += front_->panelState().pendingKey != 0;
            const QPointer<front::FrontWindow> window(front_);
            QMetaObject::invokeMethod(frontTimer_, "timeout");
            if (!shell_->forms().isLoaded(shell::kFrontWindow)) {
                // Row 1 shows why; the window is deleted once events run.
                totals_.failures
                    << QStringLiteral("panel tick %1 (%2)")
                           .arg(t)
                           .arg(window
                                    ? window->findChild<QLabel *>(QStringLiteral("Label1"))->text()
                                    : QString());
                openFront();
            }
            if (i % 20 == 0)
                QCoreApplication::processEvents();
        }
        totals_.ticks += kTicksPerRound;
    }

    // A press or release of the left button in the middle of a key of the panel.
    void mouse(const QString &key, QEvent::Type type) {
        auto *w = front_->findChild<QWidget *>(key);
        const QPointF at = QRectF(w->rect()).center();
        QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(w, &e);
    }

    // The scope takes the line, rolls, holds a while (the stream goes on), rolls again, draws its
    // screen and gives the line back.
    void roll() {
        if (!acquisition_->startscope()) {
            totals_.failures << QStringLiteral("scope start");
            return;
        }
        const qint64 before = scope_.charted;
        for (int half = 0; half < 2; ++half) {
            scope_.hold = false;
            if (half == 1)
                acquisition_->startscope(); // run again after hold: the line is still the scope's
            while (scope_.charted - before < (half + 1) * kRollSamplesPerRound / 2)
                acquisition_->tick();
            // On hold: the ticks read nothing while the stream goes on filling the line.
            scope_.hold = true;
            QElapsedTimer held;
            held.start();
            while (!held.hasExpired(50)) {
                acquisition_->tick();
                QCoreApplication::processEvents();
                QThread::msleep(5);
            }
        }
        screen_.fill(Qt::black);
        QPainter p(&screen_);
        scope_.graph.drawTrace(p, QRectF(0, 0, 1920, 600));
        p.end();
        acquisition_->stopscope();
        if (acquisition_->ownsLine() || !port_->IsOpen())
            totals_.failures << QStringLiteral("scope stop");
        totals_.samples += scope_.charted - before;
    }

    QTemporaryDir dir_;
    sim::SimulatedLine line_;
    std::unique_ptr<HardwareSerialPort> port_;
    shell::LoaderRoutine state_;
    shell::QtDialogs dialogs_;
    std::unique_ptr<shell::Shell> shell_;
    QWidget host_;
    front::FrontWindow *front_ = nullptr;
    QTimer *frontTimer_ = nullptr;
    std::unique_ptr<scope::ScopeAcquisition> acquisition_;
    RollView scope_;
    QImage screen_{1920, 600, QImage::Format_ARGB32_Premultiplied}; // the graph's backing store
    Totals totals_;
    double highest_ = 0;
};

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // An optional number of rounds for a shorter try.
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : kRounds;
    report("process start");

    QElapsedTimer wall;
    wall.start();
    Soak soak;
    if (!soak.start())
        return 1;
    soak.round(0);
    report("after one warm-up round");
    const double rssWarm = residentMb();
    const int fdWarm = openDescriptors();
    for (int n = 1; n <= rounds; ++n) {
        soak.round(n);
        if (n % 10 == 0) {
            char when[64];
            std::snprintf(when, sizeof when, "after round %d", n);
            report(when);
        }
    }
    const double rssEnd = residentMb();
    const int fdEnd = openDescriptors();
    const Totals &t = soak.totals();
    const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;

    const double lineHours = static_cast<double>(t.lineBytes) * kByteSeconds / 3600.0;
    // A tick with a key adds the key word's write and its two read-backs: 30 bytes.
    const double panelHours = (static_cast<double>(t.ticks) * kTickSeconds +
                               static_cast<double>(t.keyTicks) * 30 * kByteSeconds) /
                              3600.0;
    const double scopeHours = static_cast<double>(t.samples) * kSamplePeriodSeconds / 3600.0;
    std::printf(
        "\n%d uploads and %d downloads (%.2f h of line time at 19200 baud), %lld panel ticks "
        "(%.2f h), %lld scope samples (%.2f h of stream), in %.1f min of wall time\n",
        t.uploads, t.downloads, lineHours, static_cast<long long>(t.ticks), panelHours,
        static_cast<long long>(t.samples), scopeHours, seconds / 60.0);
    if (!t.failures.isEmpty())
        std::printf("failures: %s\n", qPrintable(t.failures.join(QStringLiteral(", "))));
    std::printf("memory growth since the warm-up round: %+.2f MB (target within 5 MB)\n",
                rssEnd - rssWarm);
    std::printf("open descriptors: %d after warm-up, %d at the end (target equal)\n", fdWarm,
                fdEnd);
    return t.failures.isEmpty() ? 0 : 1;
}
