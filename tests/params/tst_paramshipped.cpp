#include "ansitext.h"
#include "conversions.h"
#include "datatable.h"
#include "descriptions.h"
#include "numbers.h"
#include "paramfile.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace zr::params;

// The description files and examples that ship with the program, in every release and language.
class TestParamShipped : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void examples_data();
    void examples();
    void newFilesFromDefaults_data() { examples_data(); }
    void newFilesFromDefaults();
};

void TestParamShipped::examples_data() {
    columns<QString, int, int>("code", "language", "statusRow");
    const QList<QPair<QString, int>> releases = {{"10", 21}, {"11", 21}, {"13", 21}, {"14", 22},
                                                 {"20", 21}, {"30", 29}, {"40", 30}};
    for (const auto &[code, row] : releases)
        for (int lang = 0; lang < 3; ++lang)
            QTest::addRow("%s %s", qPrintable(code), qPrintable(LanguageSuffix(lang).left(3)))
                << code << lang << row;
}

void TestParamShipped::examples() {
    QFETCH(QString, code);
    QFETCH(int, language);
    QFETCH(int, statusRow);
    const QString dir = QStringLiteral(ZR_DATA_DIR);
    const QString example = dir + "/examples/demo." + code + "d";
    TextGrid g1(kParamColumns), g2(kStatusColumns);
    ParamFileContext ctx(g1, g2);
    QString newPath;
    SetDescriptionFiles(1, example, language, dir, ctx.DataDescriptionPath,
                        ctx.StatusDescriptionPath, newPath);
    ctx.source = example;
    const auto problem = openfilezr5(ctx);
    QVERIFY2(!problem, problem ? qPrintable(problem->path) : "");

    // "STATUS" is the last parameter row, where the printed layouts expect it.
    QCOMPARE(ctx.ParameterRowCount, statusRow);
    QVERIFY(IsStatusName(g1.TextMatrix(statusRow, kName)));
    QSet<QString> multipliers;
    int stepGridRows = 0;
    for (int r = 1; r <= statusRow; ++r) {
        multipliers << g1.TextMatrix(r, kMultiplier);
        stepGridRows += IsStepGridName(g1.TextMatrix(r, kName));
        QVERIFY(!g1.TextMatrix(r, kName).trimmed().isEmpty());
        const double raw = LeadingNumber(g1.TextMatrix(r, kRaw));
        QVERIFY2(raw >= LeadingNumber(g1.TextMatrix(r, kMin)) &&
                     raw <= LeadingNumber(g1.TextMatrix(r, kMax)),
                 qPrintable(g1.TextMatrix(r, kName)));
    }
    QVERIFY(multipliers.contains("1") && multipliers.contains("0.1") &&
            multipliers.contains("0.01") && multipliers.contains("10"));
    QCOMPARE(stepGridRows, 1);
    QCOMPARE(g2.Rows(), 17);

    // Saved unchanged, every line keeps its value (the examples are in the drive's upload form,
    // the editor writes its rows without blanks).
    QTemporaryDir out;
    ctx.destination = out.filePath("copy." + code + "d");
    QVERIFY(!salvafile(ctx));
    QFile a(example), b(ctx.destination);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QList<QByteArray> before = a.readAll().split('\n'), after = b.readAll().split('\n');
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i)
        QCOMPARE(after[i].trimmed(), before[i].trimmed());
}

// A new file from a release's defaults opens with its data description, and every shown value
// lies inside its row's limits (multiplier-10 rows read their limits as shown values).
void TestParamShipped::newFilesFromDefaults() {
    QFETCH(QString, code);
    QFETCH(int, language);
    QFETCH(int, statusRow);
    const QString dir = QStringLiteral(ZR_DATA_DIR);
    QTemporaryDir out;
    const QString path = out.filePath("new." + code + "d");
    TextGrid g1(kParamColumns), g2(kStatusColumns);
    ParamFileContext ctx(g1, g2);
    QString newPath;
    SetDescriptionFiles(1, path, language, dir, ctx.DataDescriptionPath, ctx.StatusDescriptionPath,
                        newPath);
    QStringList lines;
    QVERIFY(!NewFileLines(newPath, lines));
    QCOMPARE(lines.size(), 1024);
    QString error;
    QVERIFY(WriteAnsiLines(path, lines, error));
    ctx.source = path;
    QVERIFY(!openfilezr5(ctx));
    QCOMPARE(ctx.ParameterRowCount, statusRow);
    for (int r = 1; r <= statusRow; ++r) {
        const double m = LeadingNumber(g1.TextMatrix(r, kMultiplier));
        const double raw = LeadingNumber(g1.TextMatrix(r, kRaw)) * (m == 10 ? 10 : 1);
        QVERIFY2(raw >= LeadingNumber(g1.TextMatrix(r, kMin)) &&
                     raw <= LeadingNumber(g1.TextMatrix(r, kMax)),
                 qPrintable(g1.TextMatrix(r, kName)));
    }
    QCOMPARE(LeadingNumber(lines[256]), LeadingNumber(lines[0]) + 1);
    QCOMPARE(LeadingNumber(lines[512]), LeadingNumber(lines[0]) + 2);
    QCOMPARE(lines[1023], QStringLiteral("-1"));
}

QTEST_GUILESS_MAIN(TestParamShipped)
#include "tst_paramshipped.moc"
