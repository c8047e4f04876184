#include "ansitext.h"
#include "datatable.h"
#include "descriptions.h"
#include "numbers.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zr::params;

class TestParamNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void leadingNumber_data();
    void leadingNumber();
    void localeNumber_data();
    void localeNumber();
    void numberText_data();
    void numberText();
    void windows1252_data();
    void windows1252();
    void lineEnds_data();
    void lineEnds();
};

void TestParamNumbers::leadingNumber_data() {
    columns<QString, double>("text", "value");
    row("blanks anywhere", " 1 2 3 4 ", 1234.0);
    row("point whatever the locale", "0.1", 0.1);
    row("comma stops", "100,5", 100.0);
    row("sign", "-32768", -32768.0);
    row("exponent", "1.5E3", 1500.0);
    row("D exponent", "2D2", 200.0);
    row("exponent without digits stops", "7E", 7.0);
    row("stops at letters", "12abc", 12.0);
    row("no number", "abc", 0.0);
    row("empty", "", 0.0);
    row("lone sign", "-", 0.0);
    row("leading point", ".5", 0.5);
}

void TestParamNumbers::leadingNumber() {
    QFETCH(QString, text);
    QTEST(LeadingNumber(text), "value");
}

void TestParamNumbers::localeNumber_data() {
    columns<QString, QString, bool, double>("locale", "text", "ok", "value");
    row("comma locale decimal", QString("it_IT"), "12,5", true, 12.5);
    row("comma locale no grouping", QString("it_IT"), "12.5", false, 0.0);
    row("point locale decimal", QString("en_US"), "12.5", true, 12.5);
    row("point locale no grouping", QString("en_US"), "12,5", false, 0.0);
    row("blanks around", QString("en_US"), " 1700 ", true, 1700.0);
    row("empty", QString("it_IT"), "", false, 0.0);
}

void TestParamNumbers::localeNumber() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    const auto v = LocaleNumber(text, QLocale(locale));
    QCOMPARE(v.has_value(), ok);
    if (ok)
        QTEST(*v, "value");
}

void TestParamNumbers::numberText_data() {
    columns<QString, double, QString, QString>("locale", "value", "text", "listPrint");
    row("whole", QString("it_IT"), 13.0, QString("13"), " 13 ");
    row("negative", QString("en_US"), -2.0, QString("-2"), "-2 ");
    row("comma decimal", QString("it_IT"), 123.4, QString("123,4"), " 123,4 ");
    row("point decimal", QString("en_US"), 123.4, QString("123.4"), " 123.4 ");
    row("no grouping", QString("it_IT"), 65535.0, QString("65535"), " 65535 ");
    row("15 digits hide float noise", QString("en_US"), 12.5 / 0.1, QString("125"), " 125 ");
    row("product noise", QString("en_US"), 0.1 * 3, QString("0.3"), " 0.3 ");
}

void TestParamNumbers::numberText() {
    QFETCH(QString, locale);
    QFETCH(double, value);
    QTEST(NumberText(value, QLocale(locale)), "text");
    QTEST(ListPrintText(value, QLocale(locale)), "listPrint");
}

void TestParamNumbers::windows1252_data() {
    columns<QByteArray, QString>("bytes", "text");
    row("ascii", QByteArray("Speed\tKp"), QString("Speed\tKp"));
    row("accents", QByteArray("Velocit\xe0 r\xe9gl\xe9"), QString("Velocità réglé"));
    row("euro and quotes", QByteArray("\x80 \x93x\x94"), QString("€ “x”"));
    row("unassigned 0x81 kept", QByteArray("\x81"), QString(QChar(0x81)));
}

void TestParamNumbers::windows1252() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(FromWindows1252(bytes), text);
    QCOMPARE(ToWindows1252(text), bytes);
}

void TestParamNumbers::lineEnds_data() {
    columns<QByteArray, QStringList>("content", "lines");
    row("CR LF", QByteArray("a\r\nb\r\n"), QStringList{"a", "b"});
    row("LF", QByteArray("a\nb\n"), QStringList{"a", "b"});
    row("last line without end", QByteArray("a\r\nb"), QStringList{"a", "b"});
    row("blank line kept", QByteArray("a\r\n\r\nb\r\n"), QStringList{"a", "", "b"});
}

void TestParamNumbers::lineEnds() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QFile f(dir.filePath("t.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    QStringList read;
    QString error;
    QVERIFY(ReadAnsiLines(f.fileName(), read, error));
    QCOMPARE(read, lines);
    // Written back: CR LF after every line, whatever the system.
    QVERIFY(WriteAnsiLines(dir.filePath("o.txt"), read, error));
    QFile o(dir.filePath("o.txt"));
    QVERIFY(o.open(QIODevice::ReadOnly));
    QCOMPARE(o.readAll(), lines.join("\r\n").toLatin1() + "\r\n");
}

QTEST_GUILESS_MAIN(TestParamNumbers)
#include "tst_paramnumbers.moc"
