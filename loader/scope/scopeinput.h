#pragma once

// The scope's own serial component: a second SerialPort on the same line, plus the bytes already
// taken from the port but not yet read by the acquisition ("bytes waiting").

#include <QByteArray>

#include <memory>

namespace zr {
class SerialPort;
}

namespace zr::scope {

class ScopeInput {
public:
    explicit ScopeInput(std::unique_ptr<SerialPort> port);
    ~ScopeInput();

    SerialPort &port() { return *port_; }
    bool isOpen() const;
    bool open();
    void close();
    // Drops what the port holds and what was taken from it.
    void discard();
    // The number of bytes waiting; takes whatever the port received meanwhile.
    qsizetype waiting();
    // Up to n bytes, oldest first (fewer when fewer wait; none for n <= 0).
    QByteArray read(qsizetype n);
    // Blocks until the port receives something or ms pass; false at once on a closed port.
    bool waitForData(int ms);
    // Bytes dropped by discard() so far (what a held picture let go by).
    qint64 discarded() const { return discarded_; }

private:
    std::unique_ptr<SerialPort> port_;
    QByteArray pending_;
    qint64 discarded_ = 0;
};

} // namespace zr::scope
