#include "datatable.h"
#include "descriptions.h"
#include "paramfile.h"
#include "reportdb.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace zr::params;

// What a print writes into the report database, per layout.
class TestParamReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void records_data();
    void records();
    void databaseCopiedWhenProgramDirReadOnly();

private:
    // Opens the shipped example of code into the grids (English descriptions).
    void load(const QString &code);
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TextGrid> g1_, g2_;
    QString db_;
};

void TestParamReport::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    g1_ = std::make_unique<TextGrid>(kParamColumns);
    g2_ = std::make_unique<TextGrid>(kStatusColumns);
    db_ = dir_->filePath(kReportDbName);
    QString error;
    QVERIFY2(CreateReportDatabase(ZR_DATA_DIR "/report/zr3500Rel131.sql", db_, error),
             qPrintable(error));
}

void TestParamReport::load(const QString &code) {
    ParamFileContext ctx(*g1_, *g2_);
    QString unused;
    ctx.source = ZR_DATA_DIR "/examples/demo." + code + "d";
    SetDescriptionFiles(1, ctx.source, 1, ZR_DATA_DIR, ctx.DataDescriptionPath,
                        ctx.StatusDescriptionPath, unused);
    QVERIFY(!openfilezr5(ctx));
}

void TestParamReport::records_data() {
    QTest::addColumn<QString>("code");     // example file; its number chooses the layout
    QTest::addColumn<int>("layout");       // 0: the code's own
    QTest::addColumn<int>("tableRecords"); // records the table holds before printing
    columns<int, int, bool>("prints", "parameterRecords", "statusSection");
    row("13 on layout 10", "13", 0, 21, 1, 21, true);
    row("14", "14", 0, 22, 1, 22, true);
    row("printed three times, one status section", "30", 0, 29, 3, 29, true);
    row("table shorter than N", "14", 0, 15, 1, 15, false);
    row("grid shorter than N", "30", 40, 30, 1, 30, false);
}

void TestParamReport::records() {
    QFETCH(QString, code);
    QFETCH(int, layout);
    QFETCH(int, tableRecords);
    QFETCH(int, prints);
    QFETCH(int, parameterRecords);
    QFETCH(bool, statusSection);
    load(code);
    const ReportLayout l = LayoutFor(layout ? layout : code.toInt());
    ReportConnection c(db_);
    QVERIFY(c.isOpen());
    QSqlQuery q(c.db());
    QVERIFY(q.exec(QString("DELETE FROM %1 WHERE rowid > %2").arg(l.table).arg(tableRecords)));
    for (int p = 0; p < prints; ++p) {
        QString error;
        QVERIFY2(apritabella(c.db(), l, *g1_, *g2_, error), qPrintable(error));
    }
    const QList<ReportRecord> r = c.records(l.table);
    const int gridRows = g1_->Rows() - 1;
    for (int i = 0; i < parameterRecords; ++i) {
        const int row = std::min(i + 1, gridRows); // past the grid the last row again
        QCOMPARE(r[i], (ReportRecord{g1_->TextMatrix(row, kName), g1_->TextMatrix(row, kShown),
                                     g1_->TextMatrix(row, kUnit)}));
    }
    // The status section: the bits whose state is not "x" (bits 12, 13 and 15 are unused).
    const int bits = statusSection ? 13 : 0;
    QCOMPARE(r.size(), parameterRecords + bits);
    if (statusSection) {
        QCOMPARE(r[parameterRecords - 1].variabile, "STATUS");
        QCOMPARE(r[parameterRecords], (ReportRecord{"Drive enabled", g2_->TextMatrix(1, 1), "x"}));
        QCOMPARE(r.last().variabile, "Drive program running");
        for (const ReportRecord &rec : r)
            QVERIFY(rec.valore.trimmed() != "x");
    }
}

void TestParamReport::databaseCopiedWhenProgramDirReadOnly() {
    const QString program = dir_->filePath("program");
    const QString data = dir_->filePath("user/data");
    QDir().mkpath(program);
    QVERIFY(QFile::copy(db_, program + "/" + kReportDbName));
    QString error;
    QCOMPARE(ReportDatabasePath(program, data, true, error), program + "/" + kReportDbName);
    const QString copy = ReportDatabasePath(program, data, false, error);
    QCOMPARE(copy, data + "/" + kReportDbName);
    QVERIFY(QFileInfo(copy).isWritable());
    {
        ReportConnection c(copy); // the copy is a working database
        QCOMPARE(c.records("parametri40").size(), 30);
    }
    QVERIFY(QFile::remove(program + "/" + kReportDbName));
    QCOMPARE(ReportDatabasePath(program, data, false, error), copy); // made once, then reused
    QCOMPARE(ReportDatabasePath(dir_->filePath("none"), dir_->filePath("nodata"), false, error),
             QString());
    QVERIFY(error.contains(kReportDbName));
}

QTEST_GUILESS_MAIN(TestParamReport)
#include "tst_paramreport.moc"
