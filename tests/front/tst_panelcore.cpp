// The front panel's display decoding, cell rendering, key values and Enter guard.

#include "paneldisplay.h"
#include "panelkeys.h"
#include "panelmessages.h"
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
    void rendering_data();
    void rendering();
    void shortRowKeepsTheCellsBeyondIt();
    void keyValues_data();
    void keyValues();
    void keyPresses_data();
    void keyPresses();
    void keyboard_data();
    void keyboard();
    void enterGuard_data();
    void enterGuard();
    void backlight_data();
    void backlight();
    void messages();
};

void TestPanelCore::displayWords_data() {
    QTest::addColumn<QString>("value"); // the value text of a display read
    QTest::addColumn<QString>("text");

    QTest::newRow("plain letters") << "16706"
                                   << "AB";
    QTest::newRow("low byte 0 is e acute") << "16640" << chars({'A', 233});
    QTest::newRow("arrows") << "515"
                            << "<>";
    QTest::newRow("plus-minus and squared") << "1543" << chars({177, 178});
    QTest::newRow("degree sign") << QString::number(223 * 256 + 'C') << chars({186, 'C'});
    QTest::newRow("244 becomes the omega code") << QString::number('1' * 256 + 244) << "1~";
    QTest::newRow("negative word, high byte 0xF4") << "-2975" << chars({'~', 'a'});
    QTest::newRow("symbol codes pass unchanged") << "1284" << chars({5, 4});
    QTest::newRow("code 128 is the euro sign") << "-32703" << QString(QChar(0x20AC)) + "A";
    QTest::newRow("empty text reads as zero") << "" << chars({233, 233});
}

void TestPanelCore::displayWords() {
    QFETCH(QString, value);
    QFETCH(QString, text);
    QString row = QStringLiteral(">");
    AppendDisplayWord(value, row);
    QCOMPARE(row, QStringLiteral(">") + text);
}

void TestPanelCore::rendering_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("symbol");

    QTest::newRow("letter") << int('A') << "A" << false;
    QTest::newRow("tilde is omega") << 126 << QStringLiteral("\u03A9") << true;
    QTest::newRow("5 is registered") << 5 << QStringLiteral("\u00AE") << true;
    QTest::newRow("4 is copyright") << 4 << QStringLiteral("\u00A9") << true;
    QTest::newRow("e acute") << 233 << QStringLiteral("\u00E9") << false;
    QTest::newRow("blank") << 32 << " " << false;
}

void TestPanelCore::rendering() {
    QFETCH(int, code);
    QFETCH(QString, caption);
    QFETCH(bool, symbol);
    const CellLook look = RenderCharacter(CharacterForCode(code));
    QCOMPARE(look.caption, caption);
    QCOMPARE(look.symbol, symbol);
}

void TestPanelCore::shortRowKeepsTheCellsBeyondIt() {
    RowCells cells;
    RenderRow(QStringLiteral("0123456789ABCDEF"), cells);
    RenderRow(QStringLiteral("Timeout error"), cells);
    QCOMPARE(cells[0].caption, QStringLiteral("T"));
    QCOMPARE(cells[12].caption, QStringLiteral("r"));
    QCOMPARE(cells[13].caption, QStringLiteral("D"));
    QCOMPARE(cells[15].caption, QStringLiteral("F"));
    // A symbol cell goes back to the normal font when a normal character replaces it.
    RenderRow(QStringLiteral("~"), cells);
    QVERIFY(cells[0].symbol);
    RenderRow(QStringLiteral("x"), cells);
    QVERIFY(!cells[0].symbol);
}

void TestPanelCore::keyValues_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("holdTicks");
    QTest::addColumn<QString>("text");

    QTest::newRow("minus, first tick") << 128 << 1 << " 128";
    QTest::newRow("minus, tenth tick") << 128 << 10 << " 128";
    QTest::newRow("minus, eleventh tick") << 128 << 11 << "16512";
    QTest::newRow("plus, eleventh tick") << 8 << 11 << "16392";
    QTest::newRow("plus, long hold") << 8 << 32767 << "16392";
    QTest::newRow("enter") << 4 << 1 << " 4";
}

void TestPanelCore::keyValues() {
    QFETCH(int, key);
    QFETCH(int, holdTicks);
    QFETCH(QString, text);
    QCOMPARE(KeyValueText(key, holdTicks), text);
}

void TestPanelCore::keyPresses_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("pending");        // after the press
    QTest::addColumn<int>("pendingAfterUp"); // after the release

    QTest::newRow("minus is held") << 0 << 128 << 0;
    QTest::newRow("plus is held") << 1 << 8 << 0;
    QTest::newRow("enter stays for its one delivery") << 2 << 4 << 4;
    QTest::newRow("esc") << 3 << 2 << 2;
    QTest::newRow("left") << 4 << 64 << 64;
    QTest::newRow("right") << 5 << 32 << 32;
    QTest::newRow("contrast sends nothing") << 6 << 0 << 0;
}

void TestPanelCore::keyPresses() {
    QFETCH(int, index);
    QFETCH(int, pending);
    QFETCH(int, pendingAfterUp);
    PanelState s;
    s.holdTicks = 12;
    PressKey(s, index);
    QCOMPARE(s.pendingKey, pending);
    ReleaseKey(s);
    QCOMPARE(s.pendingKey, pendingAfterUp);
}

void TestPanelCore::keyboard_data() {
    QTest::addColumn<int>("character");
    QTest::addColumn<int>("index");

    QTest::newRow("<") << 60 << 4;
    QTest::newRow(">") << 62 << 5;
    QTest::newRow("space is enter") << 32 << 2;
    QTest::newRow("esc") << 27 << 3;
    QTest::newRow("plus is not a key stroke") << int('+') << -1;
    QTest::newRow("return is not a key stroke") << 13 << -1;
}

void TestPanelCore::keyboard() {
    QFETCH(int, character);
    QFETCH(int, index);
    QCOMPARE(KeyIndexForCharacter(character), index);
}

void TestPanelCore::enterGuard_data() {
    QTest::addColumn<GuardedTitles>("titles");
    QTest::addColumn<QString>("row1");
    QTest::addColumn<QString>("row2");
    QTest::addColumn<bool>("allowed");

    QTest::newRow("it: autophasing") << kItalian << "  AUTOPHASING   "
                                     << "" << false;
    QTest::newRow("en: autophasing is not guarded") << kEnglish << "  AUTOPHASING   "
                                                    << "" << true;
    QTest::newRow("en: phasing") << kEnglish << "    PHASING     "
                                 << "Esc  <  >" << false;
    QTest::newRow("en: lower case row is upper-cased") << kEnglish << "phasing"
                                                       << "" << false;
    QTest::newRow("en: phasing inside a longer row") << kEnglish << "PHASING DONE"
                                                     << "" << true;
    QTest::newRow("en: phasing on row 2 only") << kEnglish << "MENU"
                                               << "PHASING" << true;
    QTest::newRow("en: current offset") << kEnglish << " CURRENT OFFSET "
                                        << "" << false;
    QTest::newRow("fr: mise en phase") << kFrench << "MISE EN PHASE"
                                       << "" << false;
    QTest::newRow("en: variables on row 1") << kEnglish << "KEST<  VARIABLES"
                                            << "12" << false;
    QTest::newRow("it: variables across both rows") << kItalian << "VARIABILI<    KE"
                                                    << "ST       12.5" << false;
    QTest::newRow("fr: variables across both rows")
        << kFrench << "  VARIABLES<    "
        << "KEST" << true; // trimming drops the inner blanks
    QTest::newRow("it: variables with row 1 lower case") << kItalian << "variabili<    ke"
                                                         << "st" << false;
    QTest::newRow("en: parameter page") << kEnglish << "P01 Speed max"
                                        << "  3000 rpm" << true;
    QTest::newRow("it: empty display") << kItalian << ""
                                       << "" << true;
}

void TestPanelCore::enterGuard() {
    QFETCH(GuardedTitles, titles);
    QFETCH(QString, row1);
    QFETCH(QString, row2);
    QFETCH(bool, allowed);
    QCOMPARE(EnterAllowed(row1, row2, titles), allowed);
}

void TestPanelCore::backlight_data() {
    QTest::addColumn<QString>("word1");
    QTest::addColumn<QString>("word2");
    QTest::addColumn<bool>("lit");

    QTest::newRow("both zero") << "0"
                               << "0" << true;
    QTest::newRow("alarm") << "7"
                           << "0" << false;
    QTest::newRow("second word") << "0"
                                 << "1" << false;
    QTest::newRow("never read") << ""
                                << "" << false;
}

void TestPanelCore::backlight() {
    QFETCH(QString, word1);
    QFETCH(QString, word2);
    QFETCH(bool, lit);
    QCOMPARE(BacklightLit(word1, word2), lit);
}

void TestPanelCore::messages() {
    QCOMPARE(NotAvailableText(0), QStringLiteral("Funzione non disponibile."));
    QCOMPARE(NotAvailableText(1), QStringLiteral("Not avaible."));
    QCOMPARE(NotAvailableText(2), QStringLiteral("Fonction non disponible."));
    QCOMPARE(ReleaseNoticeFor(1).title, QStringLiteral("ZR350 Loader"));
    QVERIFY(ReleaseNoticeFor(0).text.contains(QStringLiteral("è presente")));
}

QTEST_GUILESS_MAIN(TestPanelCore)
#include "tst_panelcore.moc"
