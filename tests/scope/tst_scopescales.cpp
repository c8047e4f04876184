// The scope's numbers and storage: cursor readings and their text, time units and tick labels,
// the trace ring with its min/max summary, the CSV form of a trace. Axes and time bases are
// worked through the knobs in tst_scopewindow.

#include "datatable.h"
#include "scopeexport.h"
#include "scopescales.h"
#include "tracebuffer.h"

#include <QRandomGenerator>
#include <QTest>

using namespace zr::scope;

class TestScopeScales : public QObject {
    Q_OBJECT
private slots:
    void cursorTable_data();
    void cursorTable();
    void timeUnits_data();
    void timeUnits();
    void tickLabels_data();
    void tickLabels();
    void ringAndColumnsMatchTheSamples_data();
    void ringAndColumnsMatchTheSamples();
    void samplesKeepTheirNumbers();
    void csvLines();
};

void TestScopeScales::cursorTable_data() {
    columns<double, double, double, double, double>("x1", "y1", "x2", "y2", "xMax");
    QTest::addColumn<QStringList>("cells"); // columns 1..7; the cursors as placed: tst_scopewindow
    row("crossed over", 10.0, 137.0, 5.0, 117.0, 19.53,
        QStringList{" 10.24 ms", " 0.85 V", " 5.12 ms", "-0.94 V", " 5.12 ms", " 1.79 V",
                    " 195.31 Hz"});
    row("same place", 3.257, 127.5, 3.257, 127.5, 19.53,
        QStringList{" 3.33 ms", " 0 V", " 3.33 ms", " 0 V", " 0 ms", " 0 V", ""});
    row("seconds on a 5 s screen", 976.5625, 0.0, 2929.6875, 255.0, 4882.81,
        QStringList{" 1 s", "-11.42 V", " 3 s", " 11.42 V", " 2 s", " 22.84 V", " 0.5 Hz"});
}

void TestScopeScales::cursorTable() {
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    QFETCH(double, xMax);
    const auto got = CursorReadings(x1, y1, x2, y2, TimeUnitFor(xMax));
    QTEST(QStringList(got.begin(), got.end()), "cells");
}

// Around the limits where the unit changes: 999.997 ms is still ms, 59.99997 s still s.
void TestScopeScales::timeUnits_data() {
    columns<int, QString>("position", "unit");
    row("20 mS", 1, "ms");
    row("1 S, 999.997 ms", 6, "ms");
    row("2 S", 7, "s");
    row("1 Min, 59.99997 s", 10, "s");
    row("2 Min", 11, "min");
}

void TestScopeScales::timeUnits() {
    QFETCH(int, position);
    QTEST(QString::fromLatin1(TimeUnitFor(TimeBaseAt(position).value).name), "unit");
}

void TestScopeScales::tickLabels_data() {
    columns<double, double, int, QStringList>("minimum", "maximum", "divisions", "labels");
    row("samples, 10 V", -1.0, 255.0, 4, QStringList{"-1", "63", "127", "191", "255"});
    row("samples, position 1", 10.2084, 266.2084, 4,
        QStringList{"10.2", "74.2", "138.2", "202.2", "266.2"});
    row("volts", -11.42, 11.42, 4, QStringList{"-11.42", "-5.71", "0.00", "5.71", "11.42"});
    row("20 mS in ms", 0.0, 19.53 * 1.024, 5, QStringList{"0", "4", "8", "12", "16", "20"});
    row("2 Min in min", 0.0, 117187 * 1.024 / 60000, 5,
        QStringList{"0.0", "0.4", "0.8", "1.2", "1.6", "2.0"});
}

void TestScopeScales::tickLabels() {
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, divisions);
    QTEST(TickLabels(minimum, maximum, divisions), "labels");
}

// The ring keeps the newest samples however they arrive, and every column's count, low and high
// are those of the samples the column covers: a lone spike is not lost in a column.
void TestScopeScales::ringAndColumnsMatchTheSamples_data() {
    columns<int, int>("capacity", "appended");
    QTest::addColumn<int>("chunk"); // largest append
    QTest::addColumn<int>("columns");
    row("partly filled", 5000, 3000, 40, 37);
    row("exactly full", 100, 100, 7, 10);
    row("wrapped mid-block", 5000, 12345, 40, 100);
    row("wrapped on a block edge", 4096, 4096 * 3 + 64, 40, 61);
    row("capacity no multiple of the block", 1000, 2500, 40, 9);
    row("more columns than samples", 300, 300, 40, 1000);
    row("one append larger than the ring", 50, 1000, 1000, 7);
}

void TestScopeScales::ringAndColumnsMatchTheSamples() {
    QFETCH(int, capacity);
    QFETCH(int, appended);
    QFETCH(int, chunk);
    QFETCH(int, columns);
    QRandomGenerator rng(42);
    TraceBuffer t(capacity);
    QByteArray all;
    while (all.size() < appended) {
        QByteArray piece;
        const int n = chunk >= appended
                          ? appended
                          : std::min<int>(int(appended - all.size()), 1 + int(rng.bounded(chunk)));
        for (int i = 0; i < n; ++i)
            piece.append(static_cast<char>(rng.bounded(256)));
        t.append(piece);
        all += piece;
    }
    const QByteArray s = t.samples();
    QCOMPARE(s, all.right(capacity));
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

void TestScopeScales::samplesKeepTheirNumbers() {
    QVERIFY(TraceBuffer(1757810).memoryBytes() <= 4 * 1024 * 1024); // " 30 Min " on the screen
    TraceBuffer t(100);
    t.append(QByteArray(250, 'a'));
    QCOMPARE(t.oldestNumber(), 150);
    t.setCapacity(40); // a shorter screen keeps the newest, with their numbers
    QCOMPARE(t.oldestNumber(), 210);
    t.setCapacity(500);
    QCOMPARE(t.oldestNumber(), 210);
    // A column range that starts before the oldest sample covers only what is there.
    QCOMPARE(t.range(-5, 10).count, 5);
    t.clear();
    QCOMPARE(t.oldestNumber(), 0);
}

void TestScopeScales::csvLines() {
    QCOMPARE(TraceCsv(QByteArray("\x00\xff\x80", 3)),
             QByteArray("ms,sample,volts\r\n0.000,0,-11.420\r\n1.024,255,11.420\r\n"
                        "2.048,128,0.045\r\n"));
}

QTEST_GUILESS_MAIN(TestScopeScales)
#include "tst_scopescales.moc"
