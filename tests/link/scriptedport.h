#pragma once

#include "serialport.h"

#include <QList>

// A port whose line answers each write with chunks given by the test, one chunk a read. Its clock
// moves only while the host waits, so a timeout costs no real time.
class ScriptedPort final : public zr::SerialPort {
public:
    QList<QByteArray> written;
    QList<QByteArray> replyChunks; // handed out after the next write, one per ReadAvailable
    QByteArray waiting;            // already in the receive buffer before anything is written
    bool open = true;
    int readsAfterWrite = 0;

    bool IsOpen() const override { return open; }
    bool Open() override { return open = true; }
    bool Close() override {
        open = false;
        return true;
    }
    bool Write(const QByteArray &bytes) override {
        if (!open)
            return false;
        written.append(bytes);
        pending_ = replyChunks;
        return true;
    }
    QByteArray ReadAvailable(bool *ok = nullptr) override {
        if (ok)
            *ok = open;
        if (!open)
            return {};
        if (!waiting.isEmpty()) {
            const QByteArray w = waiting;
            waiting.clear();
            return w;
        }
        if (written.isEmpty() || pending_.isEmpty())
            return {};
        ++readsAfterWrite;
        return pending_.takeFirst();
    }
    bool waitForData(int msecs) override {
        if (!open)
            return false;
        if (!pending_.isEmpty() || !waiting.isEmpty())
            return true;
        nowNs_ += qint64(msecs) * 1000000;
        return false;
    }
    qint64 clockNs() const override { return nowNs_; }

private:
    QList<QByteArray> pending_;
    qint64 nowNs_ = 0;
};
