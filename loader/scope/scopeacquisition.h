#pragma once

// Scope acquisition: handing the serial line between the drive link and the scope's own port
// (startscope, stopscope) and the acquisition tick of the scope window with its three modes.
// Widget-free; the window and the front panel are reached through ScopeView.

#include "driveprotocol.h"
#include "scopeinput.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace zr {
class SerialPort;
}

namespace zr::scope {

// The scope command word in the drive's RAM and the words written to it.
constexpr int kScopeCommandAddress = 0x03B7;
inline const QString kStartCommand = QStringLiteral("&H55AA");
inline const QString kStopCommand = QStringLiteral("0");
constexpr int kStopDrive = 63; // every drive on the line, never answered

constexpr int kTickMs = 5;    // Timer1 of the scope window
constexpr int kQuietMs = 500; // each wait gives up after this long without data
constexpr int kPollMs = 2;    // longest block on the port between two looks at the window
// stopscope repeats the stop command while the line keeps talking, but not for ever.
constexpr int kMaxStopAttempts = 100;
constexpr int kMaxDrainReads = 64;
// After a start or stop command, what arrives within this time counts as "after the reply": on
// the line samples come 1.024 ms apart, so a look without waiting would mostly find nothing.
constexpr int kListenMs = 5;

enum Mode : int { kRoll = 0, kNoTrigg = 1, kNorm = 2 };

// What the running acquisition is doing, for the window to show.
enum class AcquisitionState { Rolling, FreeRunning, WaitingForTrigger, Triggered };

// Minimum and maximum of a block of samples, with the index of the first of each.
struct BlockExtremes {
    bool valid = false; // false for an empty block
    int minimum = 0;
    int maximum = 0;
    qsizetype minIndex = 0;
    qsizetype maxIndex = 0;
};
BlockExtremes FindExtremes(const QByteArray &block);
// A rising passage through level inside the block: minimum <= level <= maximum and the maximum
// comes after the minimum.
bool RisingPassage(const QByteArray &block, double level);
// The samples a tick reads to fill the screen after a trigger block of len samples.
qsizetype SamplesToFill(double xMax, qsizetype len);

// What the acquisition needs from the scope window and the front panel; everything defaults to
// nothing, so tests override only what they look at.
class ScopeView {
public:
    virtual ~ScopeView() = default;
    virtual void letEventsRun() {}
    // The run/hold switch CWButton1 (true holds) and the window's Timer1.
    virtual bool holding() const { return false; }
    virtual void setHolding(bool on) { Q_UNUSED(on); }
    virtual bool tickEnabled() const { return false; }
    virtual void setTickEnabled(bool on) { Q_UNUSED(on); }
    virtual int mode() const { return kRoll; }
    // XAxis maximum (samples a screen) and the trigger level in sample units.
    virtual double xMax() const { return 200; }
    virtual double level() const { return 127; }
    // Plot-1: append samples; clear the plotted data.
    virtual void chart(const QByteArray &samples) { Q_UNUSED(samples); }
    virtual void clearData() {}
    // The front panel's poll (its Timer1).
    virtual bool panelPollRunning() const { return false; }
    virtual void stopPanelPoll() {}
    virtual void startPanelPoll() {}
    // startscope heard no sample: the line is still with the drive link and the panel polls.
    // The window closes and tells the user.
    virtual void noSamples() {}
    // The scope's port could not be opened; the line has been given back to the drive link.
    virtual void scopePortFailed(const QString &why) { Q_UNUSED(why); }
    // The acquisition's state changed.
    virtual void acquisitionState(AcquisitionState state) { Q_UNUSED(state); }
};

class ScopeAcquisition {
public:
    // link: the drive link's port; driveAddress and commResult: the shared link state.
    ScopeAcquisition(SerialPort &link, const qint16 &driveAddress, LinkResult &commResult,
                     std::unique_ptr<SerialPort> scopePort);

    // nullptr detaches the window: a running tick ends at its next look at the window.
    void setView(ScopeView *view) { view_ = view; }
    ScopeInput &input() { return input_; }

    // Monotonic milliseconds and the blocking wait on the scope port; tests replace them.
    void setClock(std::function<qint64()> nowMs) { nowMs_ = std::move(nowMs); }
    void setWait(std::function<void(ScopeInput &, int ms)> wait) { wait_ = std::move(wait); }

    // Takes the line for the scope (sending the start command when the drive link has it).
    // False when the scope did not get the line.
    bool startscope();
    // Gives the line back to the drive link after stopping the stream of every drive.
    void stopscope();
    // One acquisition tick (Timer1). Re-entered ticks return at once.
    void tick();
    // Ends the waits and the trigger search of a running tick (the user pressed "Acquire" or is
    // closing the window).
    void abandon() { ++epoch_; }
    // While the picture is held the drive keeps streaming into the scope's port: what arrived is
    // read and dropped, so that nothing piles up for as long as the hold lasts. Called by the
    // window's hold timer; does nothing unless the scope owns the line and holds.
    void holdTick();

    bool ownsLine() const { return input_.isOpen(); }
    bool ticking() const { return inTick_; }
    // Start commands and stop commands sent so far.
    int startCommands() const { return startCommands_; }
    int stopCommands() const { return stopCommands_; }

private:
    qint64 now() const { return nowMs_(); }
    bool cancelled(quint64 epoch) const;
    // Lets events run, then blocks on the port for up to ms; false when the tick must end.
    bool pause(quint64 epoch, int ms);
    // "Wait for data": bytes waiting once there is one or kQuietMs passed; -1 when cancelled.
    qsizetype waitForData(quint64 epoch);
    bool triggerSearch(quint64 epoch, QByteArray &block);
    bool fillScreen(quint64 epoch, qsizetype len);

    SerialPort &link_;
    const qint16 &driveAddress_;
    LinkResult &commResult_;
    ScopeInput input_;
    ScopeView *view_ = nullptr;
    std::function<qint64()> nowMs_;
    std::function<void(ScopeInput &, int)> wait_;
    quint64 epoch_ = 0;
    bool inTick_ = false;
    int startCommands_ = 0;
    int stopCommands_ = 0;
};

} // namespace zr::scope
