#pragma once

// A serial port that passes everything through to another one and keeps every frame the host
// sends, so a test can compare what went out on the line.

#include "serialport.h"

#include <QByteArray>
#include <QList>

class RecordingPort final : public zr::SerialPort {
public:
    explicit RecordingPort(zr::SerialPort &inner) : inner_(inner) {}
    QList<QByteArray> frames;
    bool IsOpen() const override { return inner_.IsOpen(); }
    bool Open() override { return inner_.Open(); }
    bool Close() override { return inner_.Close(); }
    bool Write(const QByteArray &b) override {
        frames << b;
        return inner_.Write(b);
    }
    QByteArray ReadAvailable(bool *ok = nullptr) override { return inner_.ReadAvailable(ok); }
    bool waitForData(int ms) override { return inner_.waitForData(ms); }
    qint64 clockNs() const override { return inner_.clockNs(); }

private:
    zr::SerialPort &inner_;
};
