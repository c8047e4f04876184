#pragma once

// A drive on one line with two ports on it: the drive link's and the scope's. Each port notes
// when it is used while the other one is open.

#include "scopeacquisition.h"
#include "serialport.h"
#include "simdrive.h"
#include "simserialport.h"

#include <QByteArray>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace zr::scope::test {

struct LineLog {
    int bothOpen = 0;
};

class WatchedPort final : public SerialPort {
public:
    WatchedPort(sim::SimSerialPort &inner, LineLog &log) : inner_(inner), log_(log) {}
    void setOther(const SerialPort *other) { other_ = other; }

    bool IsOpen() const override { return inner_.IsOpen(); }
    bool Open() override {
        note();
        const bool ok = inner_.Open();
        note();
        return ok;
    }
    bool Close() override { return inner_.Close(); }
    bool SetPortNumber(int n) override { return inner_.SetPortNumber(n); }
    int GetPortNumber() const override { return inner_.GetPortNumber(); }
    bool Write(const QByteArray &bytes) override {
        note();
        return inner_.Write(bytes);
    }
    QByteArray ReadAvailable(bool *ok = nullptr) override {
        note();
        return inner_.ReadAvailable(ok);
    }
    bool waitForData(int msecs) override { return inner_.waitForData(msecs); }

private:
    void note() {
        if (other_ && other_->IsOpen() && inner_.IsOpen())
            ++log_.bothOpen;
    }
    sim::SimSerialPort &inner_;
    LineLog &log_;
    const SerialPort *other_ = nullptr;
};

// A line of its own: each read hands over the next byte of the script, or, when endless, the
// whole script again.
class ScriptPort final : public SerialPort {
public:
    bool IsOpen() const override { return open; }
    bool Open() override { return open = true; }
    bool Close() override { return !(open = false); }
    bool Write(const QByteArray &) override { return open; }
    QByteArray ReadAvailable(bool *ok) override {
        if (ok)
            *ok = open;
        if (!open || endless)
            return open ? script : QByteArray();
        const QByteArray one = script.left(1);
        script.remove(0, 1);
        return one;
    }
    bool waitForData(int) override { return open && !script.isEmpty(); }
    bool open = false;
    bool endless = false;
    QByteArray script;
};

// The window and the front panel as the acquisition sees them.
class FakeView : public ScopeView {
public:
    void letEventsRun() override {
        ++eventRuns;
        if (onEvents)
            onEvents();
    }
    bool holding() const override { return hold; }
    void setHolding(bool on) override { hold = on; }
    bool tickEnabled() const override { return tick; }
    void setTickEnabled(bool on) override { tick = on; }
    int mode() const override { return scopeMode; }
    double xMax() const override { return screen; }
    double level() const override { return triggerLevel; }
    void chart(const QByteArray &samples) override { charted += samples; }
    void clearData() override {
        ++clears;
        charted.clear();
    }
    bool panelPollRunning() const override { return panelPoll; }
    void stopPanelPoll() override { panelPoll = false; }
    void startPanelPoll() override { panelPoll = true; }
    void noSamples() override { ++noSampleCalls; }
    void scopePortFailed(const QString &) override { ++portFailures; }

    bool hold = false;
    bool tick = false;
    int scopeMode = kRoll;
    double screen = 200;
    double triggerLevel = 127;
    QByteArray charted;
    int clears = 0;
    bool panelPoll = true;
    int noSampleCalls = 0;
    int portFailures = 0;
    int eventRuns = 0;
    std::function<void()> onEvents;
};

// The drive link open on port 1, the scope's port closed, the window's view attached; a clock
// that moves only when the acquisition waits (so 0.5 s passes at once), and a stream fast
// enough that a screen arrives in a moment.
struct ScopeLine {
    ScopeLine() {
        drive.scopeStream().setPeriod(std::chrono::microseconds(20));
        linkPort.setOther(scopePortPtr);
        scopePortPtr->setOther(&linkPort);
        acq.setView(&view);
        acq.setClock([this] { return fakeMs; });
        acq.setWait([this](ScopeInput &, int ms) {
            fakeMs += ms;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        });
        linkPort.Open();
    }

    // Samples that count up, so lost or repeated samples show.
    void countingSignal() {
        drive.scopeStream().setSignal([](qint64 i) { return static_cast<quint8>(i % 256); });
    }

    sim::SimDrive drive;
    sim::SimSerialPort linkSim{drive};
    sim::SimSerialPort scopeSim{drive};
    LineLog log;
    WatchedPort linkPort{linkSim, log};
    WatchedPort *scopePortPtr = new WatchedPort(scopeSim, log);
    qint16 driveAddress = 1;
    LinkResult commResult = LinkResult::Timeout;
    ScopeAcquisition acq{linkPort, driveAddress, commResult,
                         std::unique_ptr<SerialPort>(scopePortPtr)};
    FakeView view;
    qint64 fakeMs = 0;
};

// True when every sample is the one before plus one (modulo 256).
inline bool Consecutive(const QByteArray &samples) {
    for (qsizetype i = 1; i < samples.size(); ++i)
        if (static_cast<quint8>(samples.at(i)) != static_cast<quint8>(samples.at(i - 1) + 1))
            return false;
    return true;
}

} // namespace zr::scope::test
