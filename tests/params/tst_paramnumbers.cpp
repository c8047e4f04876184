#include "ansitext.h"
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
    void decimals_data();
    void decimals();
    void descriptionFiles_data();
    void descriptionFiles();
    void windows1252_data();
    void windows1252();
    void lineEnds_data();
    void lineEnds();
};

void TestParamNumbers::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "1234" << 1234.0;
    QTest::newRow("blanks anywhere") << " 1 2 3 4 " << 1234.0;
    QTest::newRow("point whatever the locale") << "0.1" << 0.1;
    QTest::newRow("comma stops") << "100,5" << 100.0;
    QTest::newRow("sign") << "-32768" << -32768.0;
    QTest::newRow("exponent") << "1.5E3" << 1500.0;
    QTest::newRow("D exponent") << "2D2" << 200.0;
    QTest::newRow("exponent without digits stops") << "7E" << 7.0;
    QTest::newRow("stops at letters") << "12abc" << 12.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
}

void TestParamNumbers::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(LeadingNumber(text), value);
}

void TestParamNumbers::localeNumber_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("comma locale decimal") << "it_IT"
                                          << "12,5" << true << 12.5;
    QTest::newRow("comma locale no grouping") << "it_IT"
                                              << "12.5" << false << 0.0;
    QTest::newRow("point locale decimal") << "en_US"
                                          << "12.5" << true << 12.5;
    QTest::newRow("point locale no grouping") << "en_US"
                                              << "12,5" << false << 0.0;
    QTest::newRow("blanks around") << "en_US"
                                   << " 1700 " << true << 1700.0;
    QTest::newRow("negative") << "it_IT"
                              << "-1" << true << -1.0;
    QTest::newRow("empty") << "it_IT"
                           << "" << false << 0.0;
    QTest::newRow("text") << "it_IT"
                          << "abc" << false << 0.0;
}

void TestParamNumbers::localeNumber() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto v = LocaleNumber(text, QLocale(locale));
    QCOMPARE(v.has_value(), ok);
    if (ok)
        QCOMPARE(*v, value);
}

void TestParamNumbers::numberText_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("listPrint");
    QTest::newRow("whole") << "it_IT" << 13.0 << "13"
                           << " 13 ";
    QTest::newRow("negative") << "en_US" << -2.0 << "-2"
                              << "-2 ";
    QTest::newRow("zero") << "en_US" << 0.0 << "0"
                          << " 0 ";
    QTest::newRow("comma decimal") << "it_IT" << 123.4 << "123,4"
                                   << " 123,4 ";
    QTest::newRow("point decimal") << "en_US" << 123.4 << "123.4"
                                   << " 123.4 ";
    QTest::newRow("no grouping") << "it_IT" << 65535.0 << "65535"
                                 << " 65535 ";
    QTest::newRow("15 digits hide float noise") << "en_US" << 12.5 / 0.1 << "125"
                                                << " 125 ";
    QTest::newRow("product noise") << "en_US" << 0.1 * 3 << "0.3"
                                   << " 0.3 ";
}

void TestParamNumbers::numberText() {
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(QString, listPrint);
    QCOMPARE(NumberText(value, QLocale(locale)), text);
    QCOMPARE(ListPrintText(value, QLocale(locale)), listPrint);
}

void TestParamNumbers::decimals_data() {
    QTest::addColumn<double>("multiplier");
    QTest::addColumn<int>("decimals"); // -1: no logarithm
    QTest::newRow("1") << 1.0 << 0;
    QTest::newRow("10") << 10.0 << 0;
    QTest::newRow("0.1") << 0.1 << 1;
    QTest::newRow("0.01") << 0.01 << 2;
    QTest::newRow("0.5 rounds to 0") << 0.5 << 0;
    QTest::newRow("0.02 rounds to 2") << 0.02 << 2;
    QTest::newRow("0") << 0.0 << -1;
    QTest::newRow("negative") << -1.0 << -1;
}

void TestParamNumbers::decimals() {
    QFETCH(double, multiplier);
    QFETCH(int, decimals);
    QCOMPARE(DecimalsFor(multiplier).value_or(-1), decimals);
}

void TestParamNumbers::descriptionFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("data"); // empty: paths unchanged
    QTest::addColumn<QString>("number");
    QTest::newRow("english") << "/p/x.13d" << 1 << 1 << "/prog/dataRel13eng.txt"
                             << "1.3";
    QTest::newRow("italian") << "/p/pump.40d" << 1 << 0 << "/prog/dataRel40ita.txt"
                             << "4.0";
    QTest::newRow("french") << "/p/a.b.14d" << 1 << 2 << "/prog/dataRel14fra.txt"
                            << "1.4";
    QTest::newRow("other filter index") << "/p/x.13d" << 2 << 1 << ""
                                        << "1.3";
    QTest::newRow("unknown language") << "/p/x.13d" << 1 << 3 << ""
                                      << "1.3";
}

void TestParamNumbers::descriptionFiles() {
    QFETCH(QString, file);
    QFETCH(int, filterIndex);
    QFETCH(int, language);
    QFETCH(QString, data);
    QFETCH(QString, number);
    QString d = "old-d", s = "old-s", n = "old-n";
    SetDescriptionFiles(filterIndex, file, language, "/prog", d, s, n);
    if (data.isEmpty()) {
        QCOMPARE(QStringList({d, s, n}), QStringList({"old-d", "old-s", "old-n"}));
    } else {
        QCOMPARE(d, data);
        QCOMPARE(s, QString(data).replace("dataRel", "statusRel"));
        QCOMPARE(n, QString(data).replace("dataRel", "newRel"));
    }
    QCOMPARE(ReleaseNumber(ReleaseCode(file)), number);
}

void TestParamNumbers::windows1252_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Speed\tKp") << QString("Speed\tKp");
    QTest::newRow("accents") << QByteArray("Velocit\xe0 r\xe9gl\xe9") << QString("Velocità réglé");
    QTest::newRow("euro and quotes") << QByteArray("\x80 \x93x\x94") << QString("€ “x”");
    QTest::newRow("unassigned 0x81 kept") << QByteArray("\x81") << QString(QChar(0x81));
}

void TestParamNumbers::windows1252() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(FromWindows1252(bytes), text);
    QCOMPARE(ToWindows1252(text), bytes);
}

void TestParamNumbers::lineEnds_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("blank line kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
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
