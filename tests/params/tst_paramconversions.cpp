#include "conversions.h"
#include "datatable.h"
#include "descriptions.h"
#include "paramfixture.h"

#include <QTest>

using namespace zr::params;
using namespace zr::params::test;

namespace {
const QLocale kComma(QLocale::Italian, QLocale::Italy);
const QLocale kPoint(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestParamConversions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void shownValue_data();
    void shownValue();
    void typing_data();
    void typing();
    void firstKeyClearsSecondAppends();
    void statusRowIgnoresKeys();
    void statusDecode_data();
    void statusDecode();
    void statusClick_data();
    void statusClick();
};

void TestParamConversions::shownValue_data() {
    columns<QLocale, QString, QString, QString>("locale", "raw", "mul", "shown");
    row("0.1 x 1234 point", kPoint, "1234", "0.1", "123.4");
    row("0.1 x 1234 comma", kComma, "1234", "0.1", "123,4");
    row("0.01 keeps two decimals", kComma, "100", "0.01", "1,00");
    row("1 shows none", kPoint, "-5", "1", "-5");
    row("10 shows tens", kPoint, "999", "10", "9990");
    row("no grouping", kComma, "30000", "1", "30000");
    row("raw with blanks", kPoint, " 12 ", "1", "12");
    row("multiplier 0 keeps the text", kPoint, "12", "0", "old");
}

void TestParamConversions::shownValue() {
    QFETCH(QLocale, locale);
    QFETCH(QString, raw);
    QFETCH(QString, mul);
    QLocale::setDefault(locale);
    TextGrid g(kParamColumns);
    g.AddItem("Name\tValue");
    AddParamRow(g, "P", raw, -32768, 32767, 1, mul);
    g.SetTextMatrix(1, kShown, "old");
    molconv(g, 1);
    QTEST(g.TextMatrix(1, kShown), "shown");
    QCOMPARE(g.Row(), 1);
}

void TestParamConversions::typing_data() {
    columns<QLocale, QString, double, double, double, QString>("locale", "name", "min", "max",
                                                               "step", "mul");
    QTest::addColumn<QString>("keys"); // "\r" Enter, "\b" Backspace
    columns<QString, QString, QStringList>("shown", "raw", "messages");
    // Keys: "\r" Enter, "\b" Backspace. messages: how many "OUT of RANGE" boxes.
    auto row = [](const char *title, const QLocale &l, const char *name, double min, double max,
                  double step, const char *mul, const QString &keys, const char *shown,
                  const char *raw, int messages = 0) {
        QTest::newRow(title) << l << QString(name) << min << max << step << QString(mul) << keys
                             << QString(shown) << QString(raw)
                             << QStringList(messages, QStringLiteral("OUT of RANGE"));
    };
    // Decimal separators.
    row("12,5 x 0.1 comma locale", kComma, "P", 0, 1000, 1, "0.1", "12,5\r", "12,5", "125");
    row("12.5 x 0.1 comma locale: point key types the comma", kComma, "P", 0, 1000, 1, "0.1",
        "12.5\r", "12,5", "125");
    row("12,5 x 0.1 point locale: comma key types the point", kPoint, "P", 0, 1000, 1, "0.1",
        "12,5\r", "12.5", "125");
    row("between raw steps goes to the nearest", kPoint, "P", 0, 1000, 1, "0.1", "12.34\r", "12.3",
        "123");
    row("minus and letters ignored", kPoint, "P", 0, 1000, 1, "1", "-1a2\r", "12", "12");
    row("keys beyond 32 characters ignored", kPoint, "P", 0, 1000, 1, "1", QString(32, '0') + "5\r",
        "0", "0");
    row("backspace makes room again", kPoint, "P", 0, 1000, 1, "1", QString(36, '0') + "\b7\r", "7",
        "7");
    // Steps.
    row("multiplier 1 down to the step grid", kPoint, "P", 0, 100, 5, "1", "12\r", "10", "10");
    row("step grid counted from the minimum", kPoint, "P", 3, 100, 5, "1", "12\r", "8", "8");
    row("other multipliers not rounded", kPoint, "P", 0, 1000, 5, "0.1", "1.2\r", "1.2", "12");
    row("SG rounds whatever the multiplier", kComma, "SG", 0, 1000, 0.5, "0.01", "1,23\r", "1",
        "100");
    row("SG param", kComma, " SG param ", 0, 1000, 0.5, "0.01", "1,73\r", "1,5", "150");
    row("decimal step counts whole steps", kPoint, "SG", 0, 1000, 0.1, "0.1", "0.3\r", "0.3", "3");
    row("step 0 leaves the typed text", kPoint, "P", 0, 1000, 0, "0.1", "77\r", "77", "5");
    // Limits.
    row("above the maximum", kPoint, "P", 0, 100, 1, "0.1", "12\r", "10", "100", 1);
    row("below the minimum", kPoint, "P", 50, 100, 1, "0.1", "2\r", "5", "50", 1);
    row("at the maximum accepted", kPoint, "P", 0, 100, 1, "0.1", "10\r", "10", "100");
    row("comma locale compares the real quotient", kComma, "P", 0, 100, 1, "1", "100,5\r", "100",
        "100");
    row("comma locale 10,05 x 0.1 is above 100", kComma, "P", 0, 100, 1, "0.1", "10,05\r", "10",
        "100", 1);
    // Multiplier 10: whole tens, limits in shown units; shown and raw always agree, also when
    // keys follow the message.
    row("x10 whole tens", kPoint, "P", 0, 99990, 1, "10", "1234\r", "1230", "123");
    row("x10 the maximum", kPoint, "P", 0, 99990, 1, "10", "99990\r", "99990", "9999");
    row("x10 above the maximum", kPoint, "P", 0, 99990, 1, "10", "250000\r", "99990", "9999", 1);
    row("x10 above, then Backspace", kPoint, "P", 0, 99990, 1, "10", "250000\r\b\r", "9990", "999",
        1);
    row("x10 above, then a digit", kPoint, "P", 0, 99990, 1, "10", "250000\r5\r", "99990", "9999",
        2);
    row("x10 maximum between tens", kPoint, "P", 0, 995, 1, "10", "1000\r", "990", "99", 1);
    row("x10 below the minimum", kPoint, "P", 105, 99990, 1, "10", "60\r", "110", "11", 1);
}

void TestParamConversions::typing() {
    QFETCH(QLocale, locale);
    QFETCH(QString, name);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, step);
    QFETCH(QString, mul);
    QFETCH(QString, keys);
    QLocale::setDefault(locale);

    TextGrid g(kParamColumns);
    g.AddItem("Name");
    AddParamRow(g, name, "5", min, max, step, mul);
    g.SetRow(1);
    QStringList shownMessages;
    ParameterKeys keysHandler([&](const QString &text, int style) {
        shownMessages << text;
        QCOMPARE(style, kStyleCritical);
    });
    for (QChar c : keys)
        keysHandler.KeyPress(g, c.unicode());
    QTEST(g.TextMatrix(1, kShown), "shown");
    QTEST(g.TextMatrix(1, kRaw), "raw");
    QTEST(shownMessages, "messages");
    QCOMPARE(g.Col(), int(kShown));
}

void TestParamConversions::firstKeyClearsSecondAppends() {
    QLocale::setDefault(kPoint);
    TextGrid g(kParamColumns);
    g.AddItem("Name");
    AddParamRow(g, "A", "5", 0, 100, 1, "1");
    AddParamRow(g, "B", "7", 0, 100, 1, "1");
    molconv(g, 1);
    molconv(g, 2);
    ParameterKeys k([](const QString &, int) {});
    QVERIFY(!k.lastEditedRow);
    g.SetRow(1);
    k.KeyPress(g, '4');
    QCOMPARE(g.TextMatrix(1, kShown), "4");
    QCOMPARE(g.CellBackColor(1, kShown), kTypingBack);
    k.KeyPress(g, '2');
    QCOMPARE(g.TextMatrix(1, kShown), "42");
    g.SetRow(2); // typing into another row replaces its value
    k.KeyPress(g, '9');
    QCOMPARE(g.TextMatrix(2, kShown), "9");
    k.KeyPress(g, 13);
    QCOMPARE(k.lastEditedRow, -1);
    QCOMPARE(g.CellForeColor(2, kShown), kEnteredFore);
    k.KeyPress(g, '1'); // after Enter the same row starts afresh
    QCOMPARE(g.TextMatrix(2, kShown), "1");
    QCOMPARE(g.TextMatrix(1, kRaw), "5"); // row 1 never confirmed
}

void TestParamConversions::statusRowIgnoresKeys() {
    TextGrid g(kParamColumns);
    g.AddItem("Name");
    AddParamRow(g, " status ", "5", 0, 65535, 1, "1");
    g.SetTextMatrix(1, kShown, "5");
    g.SetRow(1);
    g.SetCol(1);
    ParameterKeys k([](const QString &, int) {});
    k.KeyPress(g, '7');
    k.KeyPress(g, 13);
    QCOMPARE(g.TextMatrix(1, kShown), "5");
    QCOMPARE(g.Col(), 0);
}

void TestParamConversions::statusDecode_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("bits"); // bit 0 first
    row("5", "5", "1010000000000000");
    row("-32768 is bit 15", "-32768", "0000000000000001");
    row("-1 all set", "-1", "1111111111111111");
    row("65535 all set", "65535", "1111111111111111");
    row("2.5 rounds to even", "2.5", "0100000000000000");
    row("no number is 0", "abc", "0000000000000000");
    // Beyond the words a file holds the nearest one is shown.
    row("65536 shows 65535", "65536", "1111111111111111");
    row("1e300 shows 65535", "1e300", "1111111111111111");
    row("-32769 shows -32768", "-32769", "0000000000000001");
    row("-1e300 shows -32768", "-1e300", "0000000000000001");
}

void TestParamConversions::statusDecode() {
    QFETCH(QString, word);
    QFETCH(QString, bits);
    TextGrid g1(kParamColumns), g2(kStatusColumns);
    g1.AddItem("Name");
    AddParamRow(g1, "STATUS", word, 0, 65535, 1, "1");
    g1.SetTextMatrix(1, kShown, word);
    g1.SetRow(1);
    for (const QString &l : StatusDescription({3, 15}))
        g2.AddItem(l);
    StsConv(g1, g2);
    for (int b = 0; b < 16; ++b) {
        const bool set = bits[b] == '1';
        QCOMPARE(g2.TextMatrix(b + 1, kBitValue), set ? "1" : "0");
        const QString clear = b == 3 || b == 15 ? "X" : "off";
        QCOMPARE(g2.TextMatrix(b + 1, kBitShown), set ? QString("on%1").arg(b) : clear);
        QCOMPARE(g2.RowHeight(b + 1), b == 3 || b == 15 ? 0 : 250); // "X" bits hidden
    }
}

void TestParamConversions::statusClick_data() {
    columns<QString, int, int, bool, QString>("word", "row", "col", "keepShown", "result");
    row("5, bit 1 set gives 7", "5", 2, 1, true, "7");
    row("5, bit 0 cleared gives 4", "5", 1, 1, true, "4");
    row("-32768, bit 15 cleared gives 0", "-32768", 16, 1, true, "0");
    row("0, bit 15 set gives 32768", "0", 16, 1, true, "32768");
    row("name column hides", "5", 2, 0, false, "5");
}

void TestParamConversions::statusClick() {
    QFETCH(QString, word);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, result);
    TextGrid g1(kParamColumns), g2(kStatusColumns);
    g1.AddItem("Name");
    AddParamRow(g1, "Speed", "1", 0, 10, 1, "1");
    AddParamRow(g1, "STATUS", word, -32768, 65535, 1, "1");
    g1.SetTextMatrix(2, kShown, word);
    g1.SetRow(2);
    g1.SetCol(1);
    for (const QString &l : StatusDescription())
        g2.AddItem(l);
    StsConv(g1, g2);
    QTEST(StatusGridClick(g1, g2, row, col), "keepShown");
    QCOMPARE(g1.TextMatrix(2, kShown), result);
    QCOMPARE(g1.TextMatrix(2, kRaw), result);
    QCOMPARE(g1.TextMatrix(1, kShown), ""); // other rows untouched
}

QTEST_GUILESS_MAIN(TestParamConversions)
#include "tst_paramconversions.moc"
