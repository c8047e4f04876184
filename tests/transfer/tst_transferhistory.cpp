// The transfer history file: lines appended whole, a line cut by a crash skipped, rotation.

#include "datatable.h"
#include "transferhistory.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zr;

namespace {
HistoryEntry entry(const QString &direction, const QString &outcome, qint64 ms) {
    HistoryEntry e;
    e.time = QDateTime(QDate(2026, 12, 7), QTime(14, 30, 5, 120), Qt::UTC);
    e.port = QStringLiteral("1");
    e.drive = 1;
    e.release = 1700;
    e.direction = direction;
    e.file = QStringLiteral("/tmp/a\tb.10d"); // a TAB in a name cannot split the line
    e.sha256 = QStringLiteral("ab12");
    e.outcome = outcome;
    e.durationMs = ms;
    return e;
}

QStringList directions(const QList<HistoryEntry> &entries) {
    QStringList d;
    for (const HistoryEntry &e : entries)
        d << e.direction + QLatin1Char(' ') + e.outcome;
    return d;
}
} // namespace

class TestTransferHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesSurviveACrash_data();
    void linesSurviveACrash();
    void rotatesAtTenThousandLines();
    void sha256OfAFile();
};

// Two lines appended, then the file cut at a byte count (-1: not cut), then one more line.
void TestTransferHistory::linesSurviveACrash_data() {
    columns<int, QStringList>("cutBy", "read");
    row("whole", 0, QStringList{"backup done", "download done", "verify differ"});
    row("cut inside the last line", 7, QStringList{"backup done", "verify differ"});
    row("cut inside its last field", 3, QStringList{"backup done", "verify differ"});
    row("only its line end lost", 1, QStringList{"backup done", "download done", "verify differ"});
}

void TestTransferHistory::linesSurviveACrash() {
    QFETCH(int, cutBy);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h/history.txt"));
    QVERIFY(AppendHistory(path, entry(QStringLiteral("backup"), QStringLiteral("done"), 812)));
    QVERIFY(AppendHistory(path, entry(QStringLiteral("download"), QStringLiteral("done"), 2400)));
    if (cutBy > 0) {
        QFile f(path);
        QVERIFY(f.resize(f.size() - cutBy));
    }
    QVERIFY(AppendHistory(path, entry(QStringLiteral("verify"), QStringLiteral("differ"), 9)));
    const QList<HistoryEntry> read = ReadHistory(path);
    QTEST(directions(read), "read");
    const HistoryEntry &first = read.first();
    QCOMPARE(first.time, entry({}, {}, 0).time);
    QCOMPARE(first.file, QStringLiteral("/tmp/a b.10d"));
    QCOMPARE(first.release, 1700);
    QCOMPARE(first.durationMs, 812);
}

void TestTransferHistory::rotatesAtTenThousandLines() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.txt"));
    QVERIFY(AppendHistory(path, entry(QStringLiteral("upload"), QStringLiteral("done"), 1)));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray line = f.readAll();
    f.close();
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(line.repeated(kHistoryLines));
    f.close();
    QVERIFY(AppendHistory(path, entry(QStringLiteral("program"), QStringLiteral("done"), 1)));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().count('\n'), 1);
    const QList<HistoryEntry> read = ReadHistory(path);
    QCOMPARE(read.size(), kHistoryLines + 1);
    QCOMPARE(read.last().direction, QStringLiteral("program"));
}

void TestTransferHistory::sha256OfAFile() {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("abc")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("abc");
    f.close();
    QCOMPARE(FileSha256(f.fileName()),
             QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
    QVERIFY(FileSha256(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

QTEST_GUILESS_MAIN(TestTransferHistory)
#include "tst_transferhistory.moc"
