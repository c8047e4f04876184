#include "transferfiles.h"
#include "transfertexts.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zr;

class TestTransferFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parameterLine_data();
    void parameterLine();
    void parameterValues_data();
    void parameterValues();
    void pairs_data();
    void pairs();
    void programWord_data();
    void programWord();
    void commErrorTexts_data();
    void commErrorTexts();
};

void TestTransferFiles::parameterLine_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("1700") << 1700 << QByteArray(" 1700 \r\n");
    QTest::newRow("-1") << -1 << QByteArray("-1 \r\n");
    QTest::newRow("zero") << 0 << QByteArray(" 0 \r\n");
    QTest::newRow("-32768") << -32768 << QByteArray("-32768 \r\n");
}

void TestTransferFiles::parameterLine() {
    QFETCH(int, value);
    QFETCH(QByteArray, line);
    QCOMPARE(FormatParameterLine(value), line);
}

void TestTransferFiles::parameterValues_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("problem"); // -1 = accepted
    QTest::addColumn<int>("last");    // value 1023 when accepted

    QByteArray lines;
    for (int i = 0; i < 1024; ++i)
        lines += FormatParameterLine(i - 1);
    QTest::newRow("upload form") << lines << -1 << 1022;
    QTest::newRow("more than 1024 values") << lines + " 5 \r\nnot even a number\r\n" << -1 << 1022;
    QByteArray commas;
    for (int i = 0; i < 1024; ++i)
        commas += QByteArray::number(i) + ((i % 8 == 7) ? "\n" : ",");
    QTest::newRow("commas and LF") << commas << -1 << 1023;
    QTest::newRow("blank lines skipped") << QByteArray("\r\n  \r\n") + lines << -1 << 1022;
    QTest::newRow("too few") << lines.left(lines.indexOf("\r\n 500 "))
                             << int(FileProblem::TooFewValues) << 0;
    QByteArray text = lines;
    text.replace(" 300 ", "3OO");
    QTest::newRow("not a number") << text << int(FileProblem::NotANumber) << 0;
    QByteArray big = lines;
    big.replace(" 300 ", "70000");
    QTest::newRow("beyond 16 bits") << big << int(FileProblem::OutOfRange) << 0;
    QTest::newRow("empty") << QByteArray() << int(FileProblem::TooFewValues) << 0;
}

void TestTransferFiles::parameterValues() {
    QFETCH(QByteArray, content);
    QFETCH(int, problem);
    QFETCH(int, last);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.10d"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    FileProblem why;
    const auto values = ReadParameterValues(path, &why);
    QCOMPARE(values.has_value(), problem < 0);
    if (values) {
        QCOMPARE(values->size(), size_t(1024));
        QCOMPARE(values->back(), last);
    } else {
        QCOMPARE(int(why.kind), problem);
    }
    QVERIFY(!ReadParameterValues(dir.filePath(QStringLiteral("missing")), &why));
    QCOMPARE(why.kind, FileProblem::CannotOpen);
}

// A program of 8192 skipped pairs and 20480 sent ones around the text under test: the words it
// gives, or the problem found.
void TestTransferFiles::pairs_data() {
    QTest::addColumn<QByteArray>("sent"); // the start of the sent part
    QTest::addColumn<QList<int>>("words");
    QTest::addColumn<int>("problem"); // -1 = accepted
    QTest::newRow("plain") << QByteArray("0A1BFFFF") << QList<int>{0x0A1B, -1} << -1;
    QTest::newRow("separators skipped")
        << QByteArray("0A\r\n1B  FF\tFF") << QList<int>{0x0A1B, -1} << -1;
    QTest::newRow("lower case refused")
        << QByteArray("a1B2C") << QList<int>{} << int(FileProblem::LowerCase);
    QTest::newRow("second character must be a digit")
        << QByteArray("1 2x") << QList<int>{} << int(FileProblem::BadPair);
}

void TestTransferFiles::pairs() {
    QFETCH(QByteArray, sent);
    QFETCH(QList<int>, words);
    QFETCH(int, problem);
    QByteArray text = QByteArray(2 * kProgramSkipPairs, 'E') + sent;
    text += QByteArray(2 * kProgramPairs, '0');
    FileProblem why;
    const auto got = ProgramWordsOf(text, QStringLiteral("p.hex"), &why);
    QCOMPARE(got.has_value(), problem < 0);
    if (!got) {
        QCOMPARE(int(why.kind), problem);
        return;
    }
    QCOMPARE(got->size(), size_t(kProgramWords));
    for (int k = 0; k < words.size(); ++k)
        QCOMPARE((*got)[size_t(k)], words[k]);
}

void TestTransferFiles::programWord_data() {
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<int>("word");
    QTest::newRow("FFFF") << QByteArray("FFFF") << -1;
    QTest::newRow("0102") << QByteArray("0102") << 258;
    QTest::newRow("7FFF") << QByteArray("7FFF") << 32767;
    QTest::newRow("8000") << QByteArray("8000") << -32768;
    QTest::newRow("stops at a non-digit") << QByteArray("1G23") << 1;
}

void TestTransferFiles::programWord() {
    QFETCH(QByteArray, digits);
    QFETCH(int, word);
    QCOMPARE(ProgramWord(digits[0], digits[1], digits[2], digits[3]), word);
}

void TestTransferFiles::commErrorTexts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("Italian") << 0 << "Errore di comunicazione"
                             << "ERRORE di comunicazione tra ZR3500 e personal computer.";
    QTest::newRow("English") << 1 << "Communication Error"
                             << "Communication error between ZR3500 and PC.";
    QTest::newRow("French") << 2 << "Erreur de Communication"
                            << "Erreur de communication entre ZR3500 et ordinateur(PC).";
}

void TestTransferFiles::commErrorTexts() {
    QFETCH(int, language);
    QFETCH(QString, title);
    QFETCH(QString, firstLine);
    QCOMPARE(CommErrorTitle(language), title);
    const QStringList lines = CommErrorText(language).split(QLatin1Char('\r'));
    QCOMPARE(lines.first(), firstLine);
    QCOMPARE(lines.size(), 3);
}

QTEST_GUILESS_MAIN(TestTransferFiles)
#include "tst_transferfiles.moc"
