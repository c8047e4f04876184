#pragma once

#include <QByteArray>
#include <QString>

namespace zr {

// The one serial line to the drive: 19200 baud, 8 data bits, no parity, 1 stop bit, no flow
// control, fixed for the whole run. The line is chosen by a port number 1..4 that can only change
// while the port is closed. Every operation may fail; failures are reported through the return
// value and lastError(), never by throwing.
class SerialPort {
public:
    // Why the last failing operation failed, for texts in the user's language.
    enum class Failure {
        None,
        NoDevice,   // no serial device is mapped to the port number
        Missing,    // the device does not exist (adapter unplugged)
        Permission, // the account may not open the device
        Busy,       // another program holds the device
        Vanished,   // the device went away while open
        Other,
    };

    static constexpr int kBaudRate = 19200;
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 4;

    virtual ~SerialPort() = default;

    virtual bool IsOpen() const = 0;
    // Opens the port with the current number; fails when the port does not exist or is taken.
    virtual bool Open() = 0;
    virtual bool Close() = 0;

    // n = 1..4, only while the port is closed. A refused change leaves the number as it was.
    virtual bool SetPortNumber(int n);
    virtual int GetPortNumber() const { return portNumber_; }

    // Removes everything from the receive buffer.
    bool DiscardInput();
    // Queues the bytes for sending, all at once.
    virtual bool Write(const QByteArray &bytes) = 0;
    // Returns, and removes from the receive buffer, every byte received so far; never waits.
    // `ok` (optional) tells whether the port could be read at all.
    virtual QByteArray ReadAvailable(bool *ok = nullptr) = 0;
    // Blocks until at least one byte can be read or `msecs` have passed. Returns true when bytes
    // wait. Returns false at once on a closed port.
    virtual bool waitForData(int msecs) = 0;
    // The line's monotonic clock in nanoseconds, what reply limits are measured on. A simulated
    // line may keep a time of its own, so that waiting for a silent drive costs no real time.
    virtual qint64 clockNs() const;

    // What went wrong in the last failing operation (for logs and the command-line tool).
    QString lastError() const { return lastError_; }
    Failure lastFailure() const { return lastFailure_; }
    // The device the port number stands for, where the port knows it (for messages).
    virtual QString deviceFor(int /*portNumber*/) const { return {}; }

protected:
    bool fail(const QString &why, Failure kind = Failure::Other) {
        lastError_ = why;
        lastFailure_ = kind;
        return false;
    }
    void clearError() {
        lastError_.clear();
        lastFailure_ = Failure::None;
    }

private:
    int portNumber_ = kFirstPort;
    QString lastError_;
    Failure lastFailure_ = Failure::None;
};

} // namespace zr
