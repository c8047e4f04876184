// The scope's numbers and storage: scales and axes, cursor readings and their text, the trace
// ring with its min/max summary, the CSV form of a trace.

#include "scopeexport.h"
#include "scopescales.h"
#include "tracebuffer.h"

#include <QRandomGenerator>
#include <QTest>

using namespace zr::scope;

class TestScopeScales : public QObject {
    Q_OBJECT
private slots:
    void verticalAxes_data();
    void verticalAxes();
    void timeBaseByMode_data();
    void timeBaseByMode();
    void cursorVoltsText_data();
    void cursorVoltsText();
    void cursorTable_data();
    void cursorTable();
    void timeUnits_data();
    void timeUnits();
    void tickLabels_data();
    void tickLabels();
    void positionText_data();
    void positionText();

    void ringKeepsTheNewest_data();
    void ringKeepsTheNewest();
    void columnsMatchTheSamples_data();
    void columnsMatchTheSamples();
    void loneSpikeSurvivesDecimation_data();
    void loneSpikeSurvivesDecimation();
    void thirtyMinuteScreenFitsTheBudget();
    void samplesKeepTheirNumbers();

    void csvLines();
};

void TestScopeScales::verticalAxes_data() {
    QTest::addColumn<double>("position");
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("samplesMin");
    QTest::addColumn<double>("samplesMax");
    QTest::addColumn<double>("voltsMin");
    QTest::addColumn<double>("voltsMax");
    QTest::newRow("10 V at 0") << 0.0 << 3 << -1.0 << 255.0 << -11.42 << 11.42;
    QTest::newRow("10 V at 1") << 1.0 << 3 << 10.2084 << 266.2084 << -10.42 << 12.42;
    QTest::newRow("2 V at 0") << 0.0 << 1 << 95.0 << 159.0 << -2.855 << 2.855;
    QTest::newRow("20 V at -10") << -10.0 << 4 << -241.0841 << 270.9159 << -32.84 << 12.84;
}

void TestScopeScales::verticalAxes() {
    QFETCH(double, position);
    QFETCH(int, range);
    const VerticalAxes a = AxesFor(position, VoltsRangeAt(range).halfHeight);
    QFETCH(double, samplesMin);
    QFETCH(double, samplesMax);
    QFETCH(double, voltsMin);
    QFETCH(double, voltsMax);
    QVERIFY(qAbs(a.samplesMin - samplesMin) < 1e-3);
    QVERIFY(qAbs(a.samplesMax - samplesMax) < 1e-3);
    QVERIFY(qAbs(a.voltsMin - voltsMin) < 1e-9);
    QVERIFY(qAbs(a.voltsMax - voltsMax) < 1e-9);
}

void TestScopeScales::timeBaseByMode_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("Roll allows 30 Min") << 14 << 0 << " 30 Min ";
    QTest::newRow("Norm caps 10 Min") << 13 << 2 << " 5 Sec ";
    QTest::newRow("NoTrigg caps 10 Sec") << 9 << 1 << " 5 Sec ";
    QTest::newRow("NoTrigg keeps 2 Sec") << 7 << 1 << " 2 Sec ";
    QTest::newRow("Norm keeps 20 mSec") << 1 << 2 << " 20 mSec ";
}

void TestScopeScales::timeBaseByMode() {
    QFETCH(int, position);
    QFETCH(int, mode);
    QFETCH(QString, text);
    QCOMPARE(QString::fromLatin1(TimeBaseAt(AllowedTimeBase(position, mode)).text), text);
}

void TestScopeScales::cursorVoltsText_data() {
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("text");
    QTest::newRow("127.5 is zero") << 127.5 << " 0";
    QTest::newRow("bottom") << 0.0 << "-11.42";
    QTest::newRow("top") << 255.0 << " 11.42";
    QTest::newRow("117") << 117.0 << "-0.94";
    QTest::newRow("137, cut toward zero") << 137.0 << " 0.85";
    QTest::newRow("just below zero") << 127.0 << "-0.04";
}

void TestScopeScales::cursorVoltsText() {
    QFETCH(double, y);
    QFETCH(QString, text);
    QCOMPARE(NumberText(CutVolts(y)), text);
}

void TestScopeScales::cursorTable_data() {
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y2");
    QTest::addColumn<double>("xMax");
    QTest::addColumn<QStringList>("cells"); // columns 1..7
    QTest::newRow("cursors as placed") << 5.0 << 117.0 << 10.0 << 137.0 << 19.53
                                       << QStringList{" 5.12 ms", "-0.94 V", " 10.24 ms", " 0.85 V",
                                                      " 5.12 ms", " 1.8 V",  " 195.31 Hz"};
    QTest::newRow("crossed over") << 10.0 << 137.0 << 5.0 << 117.0 << 19.53
                                  << QStringList{" 10.24 ms", " 0.85 V", " 5.12 ms",  "-0.94 V",
                                                 " 5.12 ms",  " 1.79 V", " 195.31 Hz"};
    QTest::newRow("same place") << 3.257 << 127.5 << 3.257 << 127.5 << 19.53
                                << QStringList{" 3.33 ms", " 0 V", " 3.33 ms", " 0 V",
                                               " 0 ms",    " 0 V", ""};
    QTest::newRow("seconds on a 5 s screen")
        << 976.5625 << 0.0 << 2929.6875 << 255.0 << 4882.81
        << QStringList{" 1 s", "-11.42 V", " 3 s", " 11.42 V", " 2 s", " 22.84 V", " 0.5 Hz"};
}

void TestScopeScales::cursorTable() {
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    QFETCH(double, xMax);
    QFETCH(QStringList, cells);
    const auto got = CursorReadings(x1, y1, x2, y2, TimeUnitFor(xMax));
    QCOMPARE(QStringList(got.begin(), got.end()), cells);
}

void TestScopeScales::timeUnits_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("unit");
    QTest::newRow("20 mS") << 1 << "ms";
    QTest::newRow("1 S, 999.997 ms") << 6 << "ms";
    QTest::newRow("2 S") << 7 << "s";
    QTest::newRow("1 Min, 59.99997 s") << 10 << "s";
    QTest::newRow("2 Min") << 11 << "min";
    QTest::newRow("30 Min") << 14 << "min";
}

void TestScopeScales::timeUnits() {
    QFETCH(int, position);
    QTEST(QString::fromLatin1(TimeUnitFor(TimeBaseAt(position).value).name), "unit");
}

void TestScopeScales::tickLabels_data() {
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("divisions");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("samples, 10 V")
        << -1.0 << 255.0 << 4 << QStringList{"-1", "63", "127", "191", "255"};
    QTest::newRow("samples, position 1")
        << 10.2084 << 266.2084 << 4 << QStringList{"10.2", "74.2", "138.2", "202.2", "266.2"};
    QTest::newRow("volts") << -11.42 << 11.42 << 4
                           << QStringList{"-11.42", "-5.71", "0.00", "5.71", "11.42"};
    QTest::newRow("20 mS in ms") << 0.0 << 19.53 * 1.024 << 5
                                 << QStringList{"0", "4", "8", "12", "16", "20"};
    QTest::newRow("2 Min in min") << 0.0 << 117187 * 1.024 / 60000 << 5
                                  << QStringList{"0.0", "0.4", "0.8", "1.2", "1.6", "2.0"};
}

void TestScopeScales::tickLabels() {
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, divisions);
    QTEST(TickLabels(minimum, maximum, divisions), "labels");
}

void TestScopeScales::positionText_data() {
    QTest::addColumn<double>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("rounds down") << -1.25 << "-1.3";
    QTest::newRow("positive") << 1.25 << "1.2";
    QTest::newRow("end") << 10.0 << "10";
}

void TestScopeScales::positionText() {
    QFETCH(double, position);
    QFETCH(QString, text);
    QCOMPARE(PositionText(position), text);
}

void TestScopeScales::ringKeepsTheNewest_data() {
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("appended");
    QTest::newRow("not full") << 100 << 40;
    QTest::newRow("exactly full") << 100 << 100;
    QTest::newRow("wrapped") << 100 << 257;
    QTest::newRow("one append larger than the ring") << 50 << 1000;
}

void TestScopeScales::ringKeepsTheNewest() {
    QFETCH(int, capacity);
    QFETCH(int, appended);
    TraceBuffer t(capacity);
    QByteArray all;
    for (int i = 0; i < appended; ++i)
        all.append(static_cast<char>(i % 251));
    if (appended == 1000)
        t.append(all);
    else
        for (int i = 0; i < appended; i += 7)
            t.append(all.mid(i, 7));
    QCOMPARE(t.samples(), all.right(capacity));
}

void TestScopeScales::columnsMatchTheSamples_data() {
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("appended");
    QTest::addColumn<int>("columns");
    QTest::newRow("partly filled") << 5000 << 3000 << 37;
    QTest::newRow("wrapped mid-block") << 5000 << 12345 << 100;
    QTest::newRow("wrapped on a block edge") << 4096 << 4096 * 3 + 64 << 61;
    QTest::newRow("capacity no multiple of the block") << 1000 << 2500 << 9;
    QTest::newRow("more columns than samples") << 300 << 300 << 1000;
}

void TestScopeScales::columnsMatchTheSamples() {
    QFETCH(int, capacity);
    QFETCH(int, appended);
    QFETCH(int, columns);
    QRandomGenerator rng(42);
    TraceBuffer t(capacity);
    for (int done = 0; done < appended;) {
        QByteArray chunk;
        const int n = std::min(appended - done, 1 + static_cast<int>(rng.bounded(40)));
        for (int i = 0; i < n; ++i)
            chunk.append(static_cast<char>(rng.bounded(256)));
        t.append(chunk);
        done += n;
    }
    const QByteArray s = t.samples();
    const auto got = t.columns(0, capacity, columns);
    const double per = double(capacity) / columns;
    for (int c = 0; c < columns; ++c) {
        const auto a = static_cast<qsizetype>(std::ceil(c * per));
        const auto b =
            std::min<qsizetype>(static_cast<qsizetype>(std::ceil((c + 1) * per)), s.size());
        int lo = 255, hi = 0;
        for (qsizetype i = a; i < b; ++i) {
            lo = std::min<int>(lo, static_cast<quint8>(s.at(i)));
            hi = std::max<int>(hi, static_cast<quint8>(s.at(i)));
        }
        const ColumnRange &r = got[static_cast<size_t>(c)];
        QCOMPARE(r.count, std::max<qsizetype>(0, b - a));
        if (r.count > 0) {
            QCOMPARE(int(r.low), lo);
            QCOMPARE(int(r.high), hi);
        }
    }
}

void TestScopeScales::loneSpikeSurvivesDecimation_data() {
    QTest::addColumn<int>("spikeAt");
    QTest::addColumn<int>("spike");
    QTest::newRow("high spike, oldest sample") << 0 << 255;
    QTest::newRow("low spike, middle") << 900001 << 0;
    QTest::newRow("high spike, newest sample") << 1757809 << 250;
}

void TestScopeScales::loneSpikeSurvivesDecimation() {
    QFETCH(int, spikeAt);
    QFETCH(int, spike);
    const qsizetype screen = 1757810; // " 30 Min "
    TraceBuffer t(screen);
    QByteArray flat(10000, char(128));
    for (qsizetype done = 0; done < screen + 3333;) { // wrapped past a block edge
        const qsizetype n = std::min<qsizetype>(flat.size(), screen + 3333 - done);
        t.append(flat.left(n));
        done += n;
    }
    // Overwrite the ring so that the spike lands at logical index spikeAt.
    QByteArray tail = t.samples();
    tail[spikeAt] = static_cast<char>(spike);
    t.append(tail);
    const auto cols = t.columns(0, double(screen), 1920);
    int seen = 0;
    for (const ColumnRange &c : cols)
        if (c.low == spike || c.high == spike)
            ++seen;
    QCOMPARE(seen, 1);
}

void TestScopeScales::thirtyMinuteScreenFitsTheBudget() {
    TraceBuffer t(1757810);
    QVERIFY(t.memoryBytes() <= 4 * 1024 * 1024);
}

void TestScopeScales::samplesKeepTheirNumbers() {
    TraceBuffer t(100);
    t.append(QByteArray(250, 'a'));
    QCOMPARE(t.oldestNumber(), 150);
    t.setCapacity(40); // a shorter screen keeps the newest, with their numbers
    QCOMPARE(t.oldestNumber(), 210);
    t.setCapacity(500);
    QCOMPARE(t.oldestNumber(), 210);
    // A column range that starts before the oldest sample covers only what is there.
    const ColumnRange r = t.range(-5, 10);
    QCOMPARE(r.count, 5);
    t.clear();
    QCOMPARE(t.oldestNumber(), 0);
}

void TestScopeScales::csvLines() {
    const QByteArray csv = TraceCsv(QByteArray("\x00\xff\x80", 3));
    const QList<QByteArray> lines = csv.split('\n');
    QCOMPARE(lines.value(0), QByteArray("ms,sample,volts\r"));
    QCOMPARE(lines.value(1), QByteArray("0.000,0,-11.420\r"));
    QCOMPARE(lines.value(2), QByteArray("1.024,255,11.420\r"));
    QCOMPARE(lines.value(3), QByteArray("2.048,128,0.045\r"));
}

QTEST_GUILESS_MAIN(TestScopeScales)
#include "tst_scopescales.moc"
