// The simulated drive's front-panel menu, driven through the key word over the in-process link,
// and read through the loader's own display decoding.

#include "datatable.h"
#include "driveprotocol.h"
#include "frontpanelmenu.h"
#include "paneldisplay.h"
#include "simdrive.h"
#include "simserialport.h"

#include <QTest>

using namespace zr;
using namespace zr::sim;

namespace {
struct Rig {
    SimDrive drive;
    SimSerialPort port{drive};
    FrontPanelMenu menu;

    explicit Rig(int language = 1) : menu(drive, language) {
        port.Open();
        menu.attach();
    }
    QString transact(int address, bool write, QString data = {}) {
        QString result;
        DriveTransaction(port, 1, address, write, true, data, result);
        return result == kNoError ? data : result;
    }
    void keys(const QList<int> &codes) {
        for (int c : codes)
            transact(FrontPanelMenu::kKeyWord, true, QString::number(c));
    }
    // The two rows as the loader decodes them.
    QStringList rows() {
        QString text;
        for (int a = 0x0202; a <= 0x0211; ++a)
            front::AppendDisplayWord(transact(a, false), text);
        return {text.left(16), text.mid(16)};
    }
};

constexpr int kRight = 32, kLeft = 64, kEsc = 2, kEnter = 4, kPlus = 8, kMinus = 128;
} // namespace

class TestFrontPanelMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void navigation_data();
    void navigation();
    void valueSteps_data();
    void valueSteps();
    void alarmDarkensTheBacklight();
    void specialSigns();
    void statusShowsReleaseAndIsRedrawnOnEachSweep();
    void languages_data();
    void languages();
};

void TestFrontPanelMenu::navigation_data() {
    columns<QList<int>, int>("codes", "screen");

    row("starts on status", QList<int>{}, 0);
    row("right", QList<int>{kRight}, 1);
    row("held right still one step", QList<int>{kRight | 0x4000}, 1);
    row("left wraps to variables", QList<int>{kLeft}, 10);
    row("right wraps to status", QList<int>(11, kRight), 0);
    row("enter opens the parameters", QList<int>{kEnter}, 1);
    row("esc goes home", QList<int>{kRight, kRight, kRight, kEsc}, 0);
    row("unknown code does nothing", QList<int>{kRight, 1, 16}, 1);
}

void TestFrontPanelMenu::navigation() {
    QFETCH(QList<int>, codes);
    Rig rig;
    rig.keys(codes);
    QTEST(rig.menu.screen(), "screen");
}

void TestFrontPanelMenu::valueSteps_data() {
    columns<int, QList<int>, int, QString>("screen", "codes", "value", "row2");

    row("held plus is ten steps", 1, QList<int>{8 | 0x4000}, 1510, "");
    row("current limit with plus-minus", 2, QList<int>{kMinus}, 124,
        QStringLiteral("         \u00B112.4 A"));
    row("resistance in ohm", 4, QList<int>{}, 235, QStringLiteral("          2.35 ~"));
    row("temperature stops at its maximum", 5, QList<int>(5, 8 | 0x4000), 120,
        QStringLiteral("          120 \u00BAC"));
    row("plus on the status screen changes nothing", 0, QList<int>{kPlus}, -1, "");
}

void TestFrontPanelMenu::valueSteps() {
    QFETCH(int, screen);
    QFETCH(QList<int>, codes);
    QFETCH(int, value);
    QFETCH(QString, row2);
    Rig rig;
    rig.keys(QList<int>(screen, kRight));
    rig.keys(codes);
    if (value >= 0)
        QCOMPARE(rig.menu.parameter(screen - 1), value);
    else
        QCOMPARE(rig.menu.parameter(0), 1500);
    if (!row2.isEmpty())
        QCOMPARE(rig.rows().at(1), row2);
}

void TestFrontPanelMenu::alarmDarkensTheBacklight() {
    Rig rig;
    QCOMPARE(rig.transact(FrontPanelMenu::kBacklight1, false), QStringLiteral("0"));
    QCOMPARE(rig.transact(FrontPanelMenu::kBacklight2, false), QStringLiteral("0"));
    rig.keys({kLeft, kLeft, kLeft, kLeft, kLeft, kPlus});
    QVERIFY(rig.menu.alarm());
    QCOMPARE(rig.transact(FrontPanelMenu::kBacklight1, false), QStringLiteral("7"));
    rig.keys({kEsc});
    QCOMPARE(rig.rows().at(1).trimmed(), QStringLiteral("ALARM 07"));
    rig.keys({kLeft, kLeft, kLeft, kLeft, kLeft, kMinus});
    QCOMPARE(rig.transact(FrontPanelMenu::kBacklight1, false), QStringLiteral("0"));
    QCOMPARE(rig.transact(FrontPanelMenu::kBacklight2, false), QStringLiteral("0"));
}

void TestFrontPanelMenu::specialSigns() {
    Rig rig;
    rig.keys(QList<int>(FrontPanelMenu::kDisplayTest, kRight));
    const QByteArray bytes = rig.menu.displayBytes();
    for (const char b : {'\x00', '\x02', '\x03', '\x06', '\x07', '\xDF', '\xF4', '\x05', '\x04'})
        QVERIFY2(bytes.contains(b), qPrintable(QString::number(quint8(b))));
}

void TestFrontPanelMenu::statusShowsReleaseAndIsRedrawnOnEachSweep() {
    Rig rig;
    rig.drive.setRelease(1812);
    rig.drive.setRam(0x0202, 0);
    const QStringList rows = rig.rows();
    QCOMPARE(rows.at(0), QStringLiteral("ZR3500  Rel1.812"));
    QVERIFY(rows.at(1).startsWith(QStringLiteral("n= 15")));
    QVERIFY(rows.at(1).endsWith(QStringLiteral("\u00BA"
                                               "C")));
}

void TestFrontPanelMenu::languages_data() {
    columns<QString, int>("text", "language");

    row("ita", "ita", 0);
    row("EN", "EN", 1);
    row("2", "2", 2);
    row("german", "deu", -1);
}

void TestFrontPanelMenu::languages() {
    QFETCH(QString, text);
    QTEST(FrontPanelMenu::ParseLanguage(text).value_or(-1), "language");
}

QTEST_GUILESS_MAIN(TestFrontPanelMenu)
#include "tst_frontpanelmenu.moc"
