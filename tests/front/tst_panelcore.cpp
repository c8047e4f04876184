// The front panel's display decoding, symbol cells, and the Enter guard's rules where the drive's
// menu cannot show them. What the window shows is in tst_frontwindow, keys on the line in
// tst_panelpoll.

#include "datatable.h"
#include "paneldisplay.h"
#include "panelkeys.h"
#include "panelpoll.h"

#include <QTest>

using namespace zr::front;

namespace {
QString chars(std::initializer_list<int> codes) {
    QString s;
    for (int c : codes)
        s += CharacterForCode(c);
    return s;
}

const GuardedTitles kItalian{QStringLiteral("AUTOPHASING"), QStringLiteral("TARATURA OFFSET"),
                             QStringLiteral("VARIABILI<    KEST")};
const GuardedTitles kEnglish{QStringLiteral("PHASING"), QStringLiteral("CURRENT OFFSET"),
                             QStringLiteral("KEST<  VARIABLES")};
const GuardedTitles kFrench{QStringLiteral("MISE EN PHASE"), QStringLiteral("TARAGE OFFSET"),
                            QStringLiteral("VARIABLES<    KEST")};
} // namespace

Q_DECLARE_METATYPE(GuardedTitles)

class TestPanelCore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void displayWords_data();
    void displayWords();
    void symbolCellGoesBackToTheNormalFont();
    void enterGuard_data();
    void enterGuard();
};

void TestPanelCore::displayWords_data() {
    QTest::addColumn<QString>("value"); // the value text of a display read
    QTest::addColumn<QString>("text");
    row("plain letters", "16706", "AB");
    row("244 becomes the omega code", QString::number('1' * 256 + 244), "1~");
    row("negative word, high byte 0xF4", "-2975", chars({'~', 'a'}));
    row("code 128 is the euro sign", "-32703", QString(QChar(0x20AC)) + "A");
    row("empty text reads as zero", "", chars({233, 233}));
}

void TestPanelCore::displayWords() {
    QFETCH(QString, value);
    QString row = QStringLiteral(">");
    AppendDisplayWord(value, row);
    QTEST(row.mid(1), "text");
}

void TestPanelCore::symbolCellGoesBackToTheNormalFont() {
    RowCells cells;
    RenderRow(QStringLiteral("~"), cells);
    QVERIFY(cells[0].symbol);
    RenderRow(QStringLiteral("x"), cells);
    QVERIFY(!cells[0].symbol);
}

void TestPanelCore::enterGuard_data() {
    columns<GuardedTitles, QString, QString, bool>("titles", "row1", "row2", "allowed");
    row("en: lower case row is upper-cased", kEnglish, "phasing", "", false);
    row("en: phasing inside a longer row", kEnglish, "PHASING DONE", "", true);
    row("en: phasing on row 2 only", kEnglish, "MENU", "PHASING", true);
    QTest::newRow("fr: variables across both rows")
        << kFrench << "  VARIABLES<    "
        << "KEST" << true; // trimming drops the inner blanks
    row("it: variables with row 1 lower case", kItalian, "variabili<    ke", "st", false);
    row("it: empty display", kItalian, "", "", true);
}

void TestPanelCore::enterGuard() {
    QFETCH(GuardedTitles, titles);
    QFETCH(QString, row1);
    QFETCH(QString, row2);
    QTEST(EnterAllowed(row1, row2, titles), "allowed");
}

QTEST_GUILESS_MAIN(TestPanelCore)
#include "tst_panelcore.moc"
