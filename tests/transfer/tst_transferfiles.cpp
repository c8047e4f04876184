#include "transferfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace zr;

// The forms of a parameter file a download accepts; what it refuses is held by
// tst_transfersequences (badFilesSendNothing), which checks that nothing goes out.
class TestTransferFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parameterValues_data();
    void parameterValues();
};

void TestTransferFiles::parameterValues_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("last"); // value 1023

    QByteArray lines;
    for (int i = 0; i < 1024; ++i)
        lines += FormatParameterLine(i - 1);
    QTest::newRow("upload form") << lines << 1022;
    QTest::newRow("more than 1024 values") << lines + " 5 \r\nnot even a number\r\n" << 1022;
    QByteArray commas;
    for (int i = 0; i < 1024; ++i)
        commas += QByteArray::number(i) + ((i % 8 == 7) ? "\n" : ",");
    QTest::newRow("commas and LF") << commas << 1023;
    QTest::newRow("blank lines skipped") << QByteArray("\r\n  \r\n") + lines << 1022;
}

void TestTransferFiles::parameterValues() {
    QFETCH(QByteArray, content);
    QFETCH(int, last);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.10d"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    FileProblem why;
    const auto values = ReadParameterValues(path, &why);
    QVERIFY(values);
    QCOMPARE(values->size(), size_t(1024));
    QCOMPARE(values->front(), content.startsWith("0,") ? 0 : -1);
    QCOMPARE(values->back(), last);
}

QTEST_GUILESS_MAIN(TestTransferFiles)
#include "tst_transferfiles.moc"
