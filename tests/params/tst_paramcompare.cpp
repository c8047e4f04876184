// Two parameter sets held side by side with the shipped descriptions of release 1.0.

#include "datatable.h"
#include "paramcompare.h"

#include <QTest>

using namespace zr::params;

namespace {
const QString kData = QStringLiteral(ZR_DATA_DIR);

std::vector<int> factorySet() {
    std::vector<int> words(1024);
    for (int i = 0; i < 1024; ++i)
        words[static_cast<size_t>(i)] = 1000 + i;
    words[24] = 5;      // STATUS: bits 0 and 2
    words[300] = 65535; // the word a drive reads back as -1
    return words;
}
} // namespace

class TestParamCompare : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void differences_data();
    void differences();
    void missingDescriptionIsAProblem();
};

// Right differs from the factory set at the given lines (from 0); the table, in the language,
// holds every text of says.
void TestParamCompare::differences_data() {
    columns<QList<int>, QList<int>, int, int, QStringList>("lines", "values", "language", "rows",
                                                           "says");
    row("equal", QList<int>{}, QList<int>{}, 1, 0,
        QStringList{"The two parameter sets are equal."});
    row("-1 and 65535 are one word", QList<int>{300}, QList<int>{-1}, 1, 0, QStringList{});
    row("one row, as the editor shows it", QList<int>{1}, QList<int>{1250}, 1, 1,
        QStringList{"Line  Parameter", "   2  Speed loop gain Kp        10.01  12.50"});
    row("a unit", QList<int>{0}, QList<int>{1500}, 1, 1,
        QStringList{"1  Maximum speed  rpm   1000   1500"});
    row("a status bit, Italian", QList<int>{24}, QList<int>{7}, 0, 1,
        QStringList{"STATUS", "bit 1 Allarme", "No", "Sì"});
    row("a hidden row by its number", QList<int>{5}, QList<int>{0}, 1, 1,
        QStringList{"6  (hidden line)", "1005", "0"});
    row("beyond the description, French", QList<int>{700}, QList<int>{3}, 2, 1,
        QStringList{"701  (ligne cachée)", "Ligne"});
    row("three rows in file order", QList<int>{900, 24, 2}, QList<int>{1, 0, 1}, 1, 3,
        QStringList{"STATUS", "bit 0 Drive enabled", "bit 2 Speed reached"});
}

void TestParamCompare::differences() {
    QFETCH(QList<int>, lines);
    QFETCH(QList<int>, values);
    QFETCH(int, language);
    QFETCH(int, rows);
    QFETCH(QStringList, says);
    ParameterDescription description;
    QVERIFY(!ReadParameterDescription(DataDescriptionFor(kData, QStringLiteral("10"), language),
                                      StatusDescriptionFor(kData, QStringLiteral("10"), language),
                                      description));
    const std::vector<int> left = factorySet();
    std::vector<int> right = left;
    for (qsizetype i = 0; i < lines.size(); ++i)
        right[static_cast<size_t>(lines[i])] = values[i];
    const QList<CompareRow> found = CompareParameterSets(left, right, description);
    QCOMPARE(found.size(), rows);
    for (qsizetype i = 1; i < found.size(); ++i)
        QVERIFY(found[i - 1].line < found[i].line);
    const QString table =
        CompareTable(found, QStringLiteral("a.10d"), QStringLiteral("b.10d"), language);
    for (const QString &text : says)
        QVERIFY2(table.contains(text), qPrintable(table));
}

void TestParamCompare::missingDescriptionIsAProblem() {
    ParameterDescription description;
    const auto problem =
        ReadParameterDescription(DataDescriptionFor(kData, QStringLiteral("99"), 1),
                                 StatusDescriptionFor(kData, QStringLiteral("99"), 1), description);
    QVERIFY(problem);
    QCOMPARE(problem->kind, ParamProblem::DescriptionUnreadable);
}

QTEST_GUILESS_MAIN(TestParamCompare)
#include "tst_paramcompare.moc"
