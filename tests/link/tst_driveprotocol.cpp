#include "datatable.h"
#include "driveprotocol.h"
#include "scriptedport.h"

#include <QTest>

using namespace zr;

namespace {
QByteArray hex(const char *h) {
    return QByteArray::fromHex(h);
}
} // namespace

class TestDriveProtocol : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitWord_data();
    void splitWord();
    void everyByteSurvivesJoinAndSplit();
    void parseValue_data();
    void parseValue();
    void parseAddress_data();
    void parseAddress();
    void request_data();
    void request();
    void transaction_data();
    void transaction();
    void leftoversAreDiscardedBeforeSending();
    void closedPortGivesTimeoutAndKeepsData();
    void unsendableWriteSendsNothing();
    void formatRelease_data();
    void formatRelease();
};

void TestDriveProtocol::splitWord_data() {
    columns<double, int, int>("value", "high", "low");
    // Whole values are covered by the request table; here the rounding and the 16-bit cut.
    row("70000 keeps low 16 bits", 70000.0, 0x11, 0x70);
    row("2.5 rounds to even 2", 2.5, 0x00, 0x02);
    row("3.5 rounds to even 4", 3.5, 0x00, 0x04);
    row("-2.5 rounds to even -2", -2.5, 0xFF, 0xFE);
    row("255.6 rounds up", 255.6, 0x01, 0x00);
}

void TestDriveProtocol::splitWord() {
    QFETCH(double, value);
    int h = -1;
    int l = -1;
    SplitWord(value, h, l);
    QTEST(h, "high");
    QTEST(l, "low");
}

void TestDriveProtocol::everyByteSurvivesJoinAndSplit() {
    for (int high = 0; high < 256; ++high) {
        for (int low = 0; low < 256; ++low) {
            int h = -1;
            int l = -1;
            SplitWord(JoinWord(high, low), h, l);
            if (h != high || l != low)
                QFAIL(qPrintable(
                    QStringLiteral("%1 %2 came back as %3 %4").arg(high).arg(low).arg(h).arg(l)));
        }
    }
}

void TestDriveProtocol::parseValue_data() {
    columns<QString, bool, double>("text", "valid", "value");
    row("leading blank", " 1700", true, 1700.0);
    row("blanks around", " 1700 ", true, 1700.0);
    row("negative", "-1", true, -1.0);
    row("plus sign", "+5", true, 5.0);
    row("hex 16-bit is signed", "&HAAAA", true, -21846.0);
    row("hex lower case", "&h55aa", true, 21930.0);
    row("hex 32-bit", "&H00011170", true, 70000.0);
    row("fraction", "12.5", true, 12.5);
    row("empty", "", false, 0.0);
    row("blank", " ", false, 0.0);
    row("letters", "abc", false, 0.0);
    row("trailing junk", "12x", false, 0.0);
    row("bare &H", "&H", false, 0.0);
    row("hex too long", "&H123456789", false, 0.0);
    row("beyond 32 bits", "4294967296", false, 0.0);
}

void TestDriveProtocol::parseValue() {
    QFETCH(QString, text);
    const auto v = ParseValueText(text);
    QTEST(v.has_value(), "valid");
    if (v)
        QTEST(*v, "value");
}

void TestDriveProtocol::parseAddress_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("address"); // -1 = rejected
    row("decimal", "640", 640);
    row("0x", "0x0280", 0x280);
    row("&H", "&H0280", 0x280);
    row("top", "0xFFFF", 0xFFFF);
    row("too big", "65536", -1);
    row("negative", "-1", -1);
    row("junk", "0xZZ", -1);
}

void TestDriveProtocol::parseAddress() {
    QFETCH(QString, text);
    const auto a = ParseAddressText(text);
    QTEST(a.value_or(-1), "address");
}

void TestDriveProtocol::request_data() {
    columns<int, int, bool, bool, QString, QByteArray>("drive", "address", "isWrite", "ram", "data",
                                                       "frame");
    row("read RAM status", 1, 0x0280, false, true, "", hex("010280"));
    row("read ROM param", 1, 0x3800, false, false, "", hex("413800"));
    row("write completion 5555", 1, 0x0315, true, true, "21845", hex("810315555543"));
    row("write -21846", 1, 0x0315, true, true, "-21846", hex("810315AAAAED"));
    row("write 70000", 1, 0xB800, true, true, " 70000", hex("81B8001170BA"));
    row("write ROM", 2, 0x0001, true, false, "1", hex("C2000100 01C4"));
    row("broadcast stop", 63, 0x03B7, true, true, "0", hex("BF03B70000 79"));
    row("drive 0 read", 0, 0x0200, false, true, "", hex("000200"));
    row("drive 64 refused", 64, 0x0200, false, true, "", QByteArray());
    row("address refused", 1, 0x10000, false, true, "", QByteArray());
    row("unreadable value refused", 1, 0x0200, true, true, "x", QByteArray());
}

void TestDriveProtocol::request() {
    QFETCH(int, drive);
    QFETCH(int, address);
    QFETCH(bool, isWrite);
    QFETCH(bool, ram);
    QFETCH(QString, data);
    QTEST(BuildRequest(drive, address, isWrite, ram, data), "frame");
}

void TestDriveProtocol::transaction_data() {
    columns<bool, QList<QByteArray>, QString>("isWrite", "chunks", "result");
    QTest::addColumn<QString>("data"); // value afterwards; a read starts from "keep"

    using L = QList<QByteArray>;
    row("good read", false, L{hex("010280123446")}, kNoError, "4660");
    row("read of 8000", false, L{hex("010280800080")}, kNoError, "-32768");
    row("wrong echo, right checksum", false, L{hex("010281123446")}, kEchoError, "4660");
    row("wrong echo and checksum", false, L{hex("010281123447")}, kChecksumError, "4660");
    row("wrong checksum", false, L{hex("010280123447")}, kChecksumError, "4660");
    row("read surplus ignored", false, L{hex("010280123446EEEE")}, kNoError, "4660");
    row("trickled reply", false, L{hex("01"), hex("0280"), QByteArray(), hex("12"), hex("3446")},
        kNoError, "4660");
    row("partial reply", false, L{hex("0102801234")}, kTimeoutError, "keep");
    row("no reply", false, L{}, kTimeoutError, "keep");
    row("write echoed", true, L{hex("810315555543")}, kNoError, "21845");
    row("write echoed in pieces", true, L{hex("8103"), hex("15555543")}, kNoError, "21845");
    row("write surplus", true, L{hex("81031555554300")}, kEchoError, "21845");
    row("write echo differs", true, L{hex("810315555544")}, kEchoError, "21845");
    row("write short echo", true, L{hex("8103155555")}, kTimeoutError, "21845");
}

void TestDriveProtocol::transaction() {
    QFETCH(bool, isWrite);
    QFETCH(QList<QByteArray>, chunks);
    ScriptedPort port;
    port.replyChunks = chunks;
    QString value = isWrite ? QStringLiteral("21845") : QStringLiteral("keep");
    QString outcome = QStringLiteral("stale");
    DriveTransaction(port, 1, isWrite ? 0x0315 : 0x0280, isWrite, true, value, outcome);
    QTEST(outcome, "result");
    QTEST(value, "data");
    QCOMPARE(port.written.size(), 1); // one write of the whole request, never a retry
}

void TestDriveProtocol::leftoversAreDiscardedBeforeSending() {
    ScriptedPort port;
    port.waiting = hex("0102800000000000"); // the tail of an earlier, late reply
    port.replyChunks = {hex("010200 06A4AA")};
    QString data;
    QString result;
    DriveTransaction(port, 1, 0x0200, false, true, data, result);
    QCOMPARE(result, kNoError);
    QCOMPARE(data, QStringLiteral("1700"));
}

void TestDriveProtocol::closedPortGivesTimeoutAndKeepsData() {
    ScriptedPort port;
    port.open = false;
    QString data = QStringLiteral("unchanged");
    QString result;
    DriveTransaction(port, 1, 0x0280, false, true, data, result);
    QCOMPARE(result, kTimeoutError);
    QCOMPARE(data, QStringLiteral("unchanged"));
    QVERIFY(port.written.isEmpty());
}

void TestDriveProtocol::unsendableWriteSendsNothing() {
    ScriptedPort port;
    QString data = QStringLiteral("not a number");
    QString result;
    DriveTransaction(port, 1, 0xB800, true, true, data, result);
    QCOMPARE(result, kTimeoutError);
    QVERIFY(port.written.isEmpty());
}

void TestDriveProtocol::formatRelease_data() {
    columns<QString, QString>("text", "shown");
    row("1700", "1700", "1.700");
    row("-1", "-1", "-.1");
    row("blank around", " 1310 ", "1.310");
    row("empty", "", "");
}

void TestDriveProtocol::formatRelease() {
    QFETCH(QString, text);
    QTEST(FormatRelease(text), "shown");
}

QTEST_GUILESS_MAIN(TestDriveProtocol)
#include "tst_driveprotocol.moc"
