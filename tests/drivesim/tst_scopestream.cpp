// The simulated drive's oscilloscope stream: started and stopped through RAM 0x03B7, samples
// interleaved with replies, requests still understood while it runs.

#include "datatable.h"
#include "scopestream.h"
#include "simdrive.h"

#include <QTest>

#include <chrono>

using namespace zr::sim;
using namespace std::chrono_literals;

namespace {
QByteArray Write(int drive, int address, quint16 value) {
    QByteArray f;
    f.append(static_cast<char>(0x80 | drive));
    f.append(static_cast<char>(address >> 8));
    f.append(static_cast<char>(address & 0xFF));
    f.append(static_cast<char>(value >> 8));
    f.append(static_cast<char>(value & 0xFF));
    int sum = 0;
    for (char c : f)
        sum += static_cast<quint8>(c);
    f.append(static_cast<char>(sum % 256));
    return f;
}

QByteArray Read(int drive, int address) {
    QByteArray f;
    f.append(static_cast<char>(drive));
    f.append(static_cast<char>(address >> 8));
    f.append(static_cast<char>(address & 0xFF));
    return f;
}
} // namespace

class TestScopeStream : public QObject {
    Q_OBJECT
private slots:
    void startRepliesThenStreams();
    void stopEndsTheStream_data();
    void stopEndsTheStream();
    void requestsAreAnsweredWhileStreaming();
    void pacedSamplesComeEvery1024Microseconds();
};

void TestScopeStream::startRepliesThenStreams() {
    SimDrive drive;
    drive.scopeStream().setSignal([](qint64 i) { return static_cast<quint8>(10 + i); });
    const auto t0 = Clock::now();
    const QByteArray start = Write(1, 0x03B7, 0x55AA);
    drive.receive(start, t0);
    QVERIFY(drive.scopeStream().running());
    const QByteArray out = drive.takeDue(t0 + 5ms);
    QVERIFY(out.startsWith(start)); // the echo comes first
    const QByteArray samples = out.mid(start.size());
    QCOMPARE(samples.size(), 4); // 5 ms at 1.024 ms a sample
    QCOMPARE(samples, QByteArray("\x0a\x0b\x0c\x0d"));
}

void TestScopeStream::stopEndsTheStream_data() {
    QTest::addColumn<int>("drive");
    row("every drive (63)", 63);
    row("own number", 1);
}

void TestScopeStream::stopEndsTheStream() {
    QFETCH(int, drive);
    SimDrive sim;
    const auto t0 = Clock::now();
    sim.receive(Write(1, 0x03B7, 0x55AA), t0);
    sim.takeDue(t0 + 10ms);
    sim.receive(Write(drive, 0x03B7, 0), t0 + 10ms);
    QVERIFY(!sim.scopeStream().running());
    const QByteArray rest = sim.takeDue(t0 + 1s);
    QCOMPARE(rest.size(), drive == 63 ? 0 : 6); // only the echo of an addressed write
}

void TestScopeStream::requestsAreAnsweredWhileStreaming() {
    SimDrive drive;
    drive.scopeStream().setSignal([](qint64) { return quint8(0x77); });
    const auto t0 = Clock::now();
    drive.receive(Write(1, 0x03B7, 0x55AA), t0);
    drive.takeDue(t0 + 20ms);
    drive.receive(Read(1, 0x0200), t0 + 20ms);
    const QByteArray out = drive.takeDue(t0 + 20ms);
    QCOMPARE(out.left(6), QByteArray::fromHex("01020006a4aa")); // release 1700
    QVERIFY(drive.scopeStream().running());
}

void TestScopeStream::pacedSamplesComeEvery1024Microseconds() {
    SimDrive drive;
    drive.setBaud(19200);
    const auto t0 = Clock::now();
    drive.receive(Write(1, 0x03B7, 0x55AA), t0);
    drive.takeDue(t0 + 20ms); // request and echo: 12 bytes of 0.52 ms
    const auto due = drive.nextDue();
    drive.takeDue(due);
    QCOMPARE(drive.nextDue() - due, std::chrono::steady_clock::duration(1024us));
    // 1 s brings 976 or 977 samples.
    const qsizetype n = drive.takeDue(due + 1s).size();
    QVERIFY(n == 976 || n == 977);
}

QTEST_GUILESS_MAIN(TestScopeStream)
#include "tst_scopestream.moc"
