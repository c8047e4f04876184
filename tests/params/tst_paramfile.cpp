#include "datatable.h"
#include "descriptions.h"
#include "paramfile.h"
#include "paramfixture.h"
#include "paramtexts.h"
#include "smalldisk.h"

#include <QTest>

#include <functional>

#include <sys/stat.h>

using namespace zr::params;
using namespace zr::params::test;

// What a row does to the files or the grid between a good open and the step it checks.
using Damage = std::function<void()>;
Q_DECLARE_METATYPE(Damage)

class TestParamFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void loadFollowsMarkers();
    void savePatternOverFourBlocks_data();
    void savePatternOverFourBlocks();
    void openRefused_data();
    void openRefused();
    void saveRefusedLeavesFile_data();
    void saveRefusedLeavesFile();
    void saveOntoAFullDisk();

private:
    void prepare(const QStringList &description, const QStringList &source);
    std::unique_ptr<Files> files_;
    std::unique_ptr<TextGrid> g1_, g2_;
    std::unique_ptr<ParamFileContext> ctx_;
};

void TestParamFile::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    files_ = std::make_unique<Files>();
    g1_ = std::make_unique<TextGrid>(kParamColumns);
    g2_ = std::make_unique<TextGrid>(kStatusColumns);
    ctx_ = std::make_unique<ParamFileContext>(*g1_, *g2_);
}

void TestParamFile::prepare(const QStringList &description, const QStringList &source) {
    ctx_->DataDescriptionPath = files_->write("dataRel13eng.txt", description);
    ctx_->StatusDescriptionPath = files_->write("statusRel13eng.txt", StatusDescription());
    ctx_->source = files_->write("pump.13d", source);
    ctx_->destination = files_->path("copy.13d");
}

void TestParamFile::loadFollowsMarkers() {
    prepare(FortyLineDescription(), ParameterLines());
    QVERIFY(!openfilezr5(*ctx_));
    QCOMPARE(ctx_->ParameterRowCount, 30);
    QCOMPARE(g1_->Rows(), 31);
    QCOMPARE(g1_->TextMatrix(0, 0), "Parameter"); // header without its first character
    QCOMPARE(g1_->TextMatrix(0, 7), "Mul");
    // Rows follow the marked lines: 0 1 2 4 5 6 8 ...; the unmarked lines still count.
    QCOMPARE(g1_->TextMatrix(1, kRaw), "1000");
    QCOMPARE(g1_->TextMatrix(4, kRaw), "1004");
    QCOMPARE(g1_->TextMatrix(4, kName), "P4");
    QCOMPARE(g1_->TextMatrix(30, kRaw), "1038");
    QCOMPARE(g1_->TextMatrix(30, kShown), "1038");
    QCOMPARE(g2_->Rows(), 17);
    QCOMPARE(g2_->TextMatrix(16, 0), "Bit 15");
}

void TestParamFile::savePatternOverFourBlocks_data() {
    flagRows("ontoSource", "under a new name", "onto the opened file");
}

// Grid row 1 (line 0) edited to 7; line 3 unmarked, kept as read; line 7 unmarked -1. Block 1 holds
// the values + 1, block 2 + 2, as far as the description reaches; the rest is -1.
void TestParamFile::savePatternOverFourBlocks() {
    QFETCH(bool, ontoSource);
    QStringList source = ParameterLines();
    source[7] = "-1";
    prepare(FortyLineDescription(), source);
    QVERIFY(!openfilezr5(*ctx_));
    g1_->SetTextMatrix(1, kRaw, " 7 ");
    if (ontoSource)
        ctx_->destination = ctx_->source;
    QVERIFY(!salvafile(*ctx_));
    const QStringList saved = files_->lines(ontoSource ? "pump.13d" : "copy.13d");
    QCOMPARE(saved.size(), 1024);
    const QList<QPair<int, QString>> expected{
        {0, "7"},     {3, " 1003 "},   {7, "-1"},       {38, "1038"}, {39, " 1039 "}, {40, "-1"},
        {255, "-1"},  {256, " 8 "},    {259, " 1004 "}, {263, " 0 "}, {296, "-1"},    {512, " 9 "},
        {519, " 1 "}, {551, " 1041 "}, {552, "-1"},     {768, "-1"},  {1023, "-1"}};
    for (const auto &[line, text] : expected)
        QVERIFY2(saved[line] == text,
                 qPrintable(QString("line %1: %2").arg(line).arg(saved[line])));
    QCOMPARE(ctx_->ParameterRowCount, 30);
}

void TestParamFile::openRefused_data() {
    columns<Damage, int>("damage", "kind");
    row("missing description",
        Damage([this] { ctx_->DataDescriptionPath = files_->path("dataRel99eng.txt"); }),
        int(ParamProblem::DescriptionUnreadable));
    row("missing status description",
        Damage([this] { ctx_->StatusDescriptionPath = files_->path("statusRel99eng.txt"); }),
        int(ParamProblem::DescriptionUnreadable));
    row("missing source", Damage([this] { ctx_->source = files_->path("gone.13d"); }),
        int(ParamProblem::SourceUnreadable));
    row("short file", Damage([this] { files_->write("pump.13d", ParameterLines(39)); }),
        int(ParamProblem::SourceTooShort));
    row("empty description", Damage([this] { files_->write("dataRel13eng.txt", {}); }),
        int(ParamProblem::DescriptionEmpty));
    row("257 description lines", Damage([this] {
            QStringList d{DescriptionHeader()};
            for (int k = 0; k < 257; ++k)
                d << DescriptionRow("*", "P", 0, 1, 1, "1");
            files_->write("dataRel13eng.txt", d);
        }),
        int(ParamProblem::DescriptionTooLong));
    row("15 status bits",
        Damage([this] { files_->write("statusRel13eng.txt", StatusDescription().mid(0, 16)); }),
        int(ParamProblem::StatusTooShort));
    row("a pipe without a writer", Damage([this] {
            ctx_->source = files_->path("pipe.13d");
            ::mkfifo(QFile::encodeName(ctx_->source).constData(), 0600);
        }),
        int(ParamProblem::NotAFile));
    row("a parameter file of 2 MB", Damage([this] {
            files_->write("pump.13d", QStringList{QString(2 * 1024 * 1024, QLatin1Char('1'))});
        }),
        int(ParamProblem::TooLarge));
}

void TestParamFile::openRefused() {
    QFETCH(Damage, damage);
    // A previous file is on show; a refused open leaves both grids empty, not half filled.
    prepare(FortyLineDescription(), ParameterLines());
    QVERIFY(!openfilezr5(*ctx_));
    damage();
    const auto problem = openfilezr5(*ctx_);
    QVERIFY(problem);
    QTEST(int(problem->kind), "kind");
    QCOMPARE(g1_->Rows(), 0);
    QCOMPARE(g2_->Rows(), 0);
    QCOMPARE(ctx_->ParameterRowCount, 0);
}

void TestParamFile::saveRefusedLeavesFile_data() {
    columns<Damage, int>("damage", "kind");
    row("value not a number", Damage([this] { g1_->SetTextMatrix(5, kRaw, "12a"); }),
        int(ParamProblem::NotANumber));
    row("value with a comma on a point locale",
        Damage([this] { g1_->SetTextMatrix(5, kRaw, "12,5"); }), int(ParamProblem::NotANumber));
    row("missing description", Damage([this] { QFile::remove(ctx_->DataDescriptionPath); }),
        int(ParamProblem::DescriptionUnreadable));
    row("unreadable source", Damage([this] { QFile::remove(ctx_->source); }),
        int(ParamProblem::SourceUnreadable));
    row("source shortened meanwhile",
        Damage([this] { files_->write("pump.13d", ParameterLines(10)); }),
        int(ParamProblem::SourceTooShort));
    row("destination folder missing",
        Damage([this] { ctx_->destination = files_->path("missing/copy.13d"); }),
        int(ParamProblem::CannotWrite));
}

void TestParamFile::saveRefusedLeavesFile() {
    QFETCH(Damage, damage);
    prepare(FortyLineDescription(), ParameterLines());
    QVERIFY(!openfilezr5(*ctx_));
    const QByteArray old = "old contents\r\n";
    QFile f(ctx_->destination);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(old);
    f.close();
    damage();
    const auto problem = salvafile(*ctx_);
    QVERIFY(problem);
    QTEST(int(problem->kind), "kind");
    QCOMPARE(files_->bytes("copy.13d"), old);
}

// A save onto a disk without room keeps the old file byte for byte and says why.
void TestParamFile::saveOntoAFullDisk() {
    prepare(FortyLineDescription(), ParameterLines());
    QVERIFY(!openfilezr5(*ctx_));
    SmallDisk disk(files_->path("small"), 8);
    if (!disk.mounted())
        QSKIP("no tmpfs can be mounted here");
    ctx_->destination = files_->path("small/copy.13d");
    const QByteArray old(6 * 1024, 'x'); // the new file finds no room beside it
    QFile f(ctx_->destination);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(old), old.size());
    f.close();
    const auto problem = salvafile(*ctx_);
    QVERIFY(problem);
    QCOMPARE(problem->kind, ParamProblem::CannotWrite);
    QCOMPARE(files_->bytes("small/copy.13d"), old);
    QVERIFY(ProblemText(*problem, 0).contains(QString::fromUtf8("il disco è pieno")));
}

QTEST_GUILESS_MAIN(TestParamFile)
#include "tst_paramfile.moc"
