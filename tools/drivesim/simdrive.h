#pragma once

#include "scopestream.h"
#include "simfaults.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>
#include <deque>
#include <functional>
#include <vector>

namespace zr::sim {

using Clock = std::chrono::steady_clock;
using TimePoint = Clock::time_point;

// A ZR3500 drive as seen from its serial line: memory, the request/reply protocol, completion
// words, line pacing and faults on demand. Bytes go in with receive(); reply bytes become due at
// computed times and are collected with takeDue(). The drive has no clock of its own: callers pass
// the time, so the same model serves an in-process port and a pseudo-terminal.
class SimDrive {
public:
    static constexpr int kDefaultRelease = 1700;
    static constexpr quint16 kRunning = 0x4000; // status bit 14: drive program running

    SimDrive();

    // --- memory ---
    quint16 ram(int address) const { return ram_[address & 0xFFFF]; }
    quint16 rom(int address) const { return rom_[address & 0xFFFF]; }
    void setRam(int address, quint16 value) { ram_[address & 0xFFFF] = value; }
    void setRom(int address, quint16 value) { rom_[address & 0xFFFF] = value; }
    void setRelease(int release) { setRam(0x0200, static_cast<quint16>(release)); }
    void setStatus(quint16 status) { setRam(0x0280, status); }
    // Loads the first 1024 numbers of a parameter file (one value a line, leading number of each
    // line) into the ROM block at `romBase` (0x3800 or 0x3C00). False, and nothing changed, when
    // the file cannot be read or holds fewer than 1024 values.
    bool loadParameterFile(const QString &path, int romBase, QString *error = nullptr);

    // --- line ---
    void setDriveNumber(int n) { driveNumber_ = n; }
    int driveNumber() const { return driveNumber_; }
    // 0 = unpaced (bytes move instantly); otherwise 10 bit times a byte in both directions.
    void setBaud(int baud) { baud_ = baud; }
    void setTurnaround(std::chrono::microseconds t) { turnaround_ = t; }
    void addFault(const Fault &f) {
        faults_.append(f);
        faultSeen_.push_back(0);
    }
    void clearFaults() {
        faults_.clear();
        faultSeen_.clear();
    }

    // Bytes from the host, arriving at `now`.
    void receive(const QByteArray &bytes, TimePoint now);
    // Reply bytes whose time has come (removed from the queue).
    QByteArray takeDue(TimePoint now);
    // When the next reply byte is due; Clock::time_point::max() when none waits.
    TimePoint nextDue() const;
    // The line has gone (fault "vanish"); the host's port should close.
    bool vanished() const { return vanished_; }
    void restoreLine() { vanished_ = false; }

    // Requests addressed to this drive (own number, 0 or 63) served so far.
    int transactions() const { return transactions_; }
    // The oscilloscope stream (RAM 0x03B7: 0x55AA starts it after the reply, 0 stops it). Its
    // samples are interleaved with reply bytes by due time; requests are still parsed meanwhile.
    ScopeStream &scopeStream() { return stream_; }
    // One line a frame: "   0.001234 RX 01 02 80" / "   0.003456 TX 01 02 80 06 A4 AA".
    void setTrace(std::function<void(const QString &)> sink) { trace_ = std::move(sink); }
    // Called after every word the host writes (RAM or ROM) so extensions can react.
    void setWriteHook(std::function<void(bool ram, int address, quint16 value)> hook) {
        writeHook_ = std::move(hook);
    }
    // Called for every request addressed to this drive, before it is carried out, with the time
    // its last byte arrived (so extensions can bring memory up to date before a read).
    void setRequestHook(std::function<void(bool write, bool ram, int address, TimePoint at)> hook) {
        requestHook_ = std::move(hook);
    }

private:
    struct Scheduled {
        TimePoint due;
        char byte;
    };

    void handleFrame(const QByteArray &frame, TimePoint done);
    // Which faults hit the request for `address`, the drive's n-th transaction.
    QList<bool> faultsHitting(int address, int n);
    QByteArray answer(const QByteArray &frame, bool &silent);
    void writeWord(bool ram, int address, quint16 value);
    void schedule(const QByteArray &reply, TimePoint start, std::chrono::nanoseconds gap);
    void trace(const char *dir, const QByteArray &bytes, TimePoint at);
    std::chrono::nanoseconds byteTime() const;

    std::vector<quint16> ram_;
    std::vector<quint16> rom_;
    int driveNumber_ = 1;
    int baud_ = 0;
    std::chrono::microseconds turnaround_{0};
    QList<Fault> faults_;
    std::vector<int> faultSeen_; // requests for a fault's own address, a count for each fault

    QByteArray partial_;
    TimePoint lastRx_{};
    TimePoint rxFree_{};
    TimePoint txFree_{};
    std::deque<Scheduled> out_;
    int transactions_ = 0;
    bool vanished_ = false;
    TimePoint epoch_;
    std::function<void(const QString &)> trace_;
    std::function<void(bool, int, quint16)> writeHook_;
    std::function<void(bool, bool, int, TimePoint)> requestHook_;
    ScopeStream stream_;
    bool streamRequested_ = false;
    bool storeWrong_ = false; // the write being carried out is stored wrong (fault)
};

} // namespace zr::sim
