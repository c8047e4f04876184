// The link settings page on the in-process simulated drive: the port hunt, the release shown,
// the on/off switch and the toolbar rules.

#include "datatable.h"
#include "shellfixture.h"
#include "toggleswitch.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace zr::shell;

class TestSerialState : public QObject {
    Q_OBJECT

private slots:
    void loadAppliesLanguage_data();
    void loadAppliesLanguage();
    void huntCyclesPortsWithoutDrive();
    void huntSettlesOnDrivePort();
    void release_data();
    void release();
    void switchOn_data();
    void switchOn();
    void transferDoneReevaluatesOnStatoChange();
    void unloadStopsPoll();
    void switchedOffWhileTheLinkWaits_data();
    void switchedOffWhileTheLinkWaits();
    void hintSaysWhyInTheUsersLanguage_data();
    void hintSaysWhyInTheUsersLanguage();
};

namespace {

// The page as the user sees it, and a click on its switch.
SerialStateWindow *shownLink(ShellFixture &f) {
    SerialStateWindow *w = f.link();
    w->resize(w->size());
    w->show();
    return w;
}

void clickSwitch(SerialStateWindow *w) {
    QTest::mouseClick(w->CWButton1, Qt::LeftButton);
}

// WCAG contrast ratio of two colours.
double contrast(const QColor &a, const QColor &b) {
    const auto lum = [](const QColor &c) {
        const auto lin = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double la = lum(a);
    const double lb = lum(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast between the most common colour of an image (its ground) and the colour farthest
// from it (its text).
double textContrast(const QImage &image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            ground = it.key();
        }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(QColor(ground), QColor(it.key())));
    return best;
}

} // namespace

void TestSerialState::loadAppliesLanguage_data() {
    columns<int, QString, QString>("lang", "frame5", "frame1");
    row("before any choice: Italian", 0, "Stato comunicazione", "Numero drive:");
    row("English", 1, "Communication Error", "Address drive:");
    row("French", 2, "Communication Serie", "Addresse drive");
}

void TestSerialState::loadAppliesLanguage() {
    QFETCH(int, lang);
    ShellFixture f;
    f.state.CurrentLanguage = qint16(lang);
    f.state.DriveAddress = 3;
    SerialStateWindow *w = f.link();
    QTEST(w->Frame5->title(), "frame5");
    QTEST(w->Frame1->title(), "frame1");
    QCOMPARE(w->Stato->text(), QStringLiteral(" "));
    QCOMPARE(w->Combo1->currentText(), QStringLiteral("3"));
    QCOMPARE(w->Combo1->count(), 62);
    QCOMPARE(w->CWButton1->toolTip(), QStringLiteral("Disable"));
    QCOMPARE(w->Timer1->interval(), 200);
    QVERIFY(!w->Timer1->isActive());
}

void TestSerialState::huntCyclesPortsWithoutDrive() {
    ShellFixture f;
    for (int n = 1; n <= 4; ++n)
        f.port.setPortPresent(n, false);
    SerialStateWindow *w = f.link();
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
        w->Timer1_Timer();
        seen << w->numcom->text();
        QCOMPARE(w->SOFTREL->text(), QStringLiteral("X"));
        QCOMPARE(f.state.LinkOk, kFalse);
    }
    QCOMPARE(seen, (QStringList{"2", "3", "4", "1", "2"}));
    QVERIFY(w->linkHint->text().contains(QLatin1String("non esiste")));
}

void TestSerialState::huntSettlesOnDrivePort() {
    ShellFixture f;
    f.port.setPortPresent(1, false);
    f.port.setDrivePort(2);
    f.state.DriveAddress = 1;
    SerialStateWindow *w = f.link();
    w->Timer1_Timer(); // port 1 absent
    QCOMPARE(w->numcom->text(), QStringLiteral("2"));
    QCOMPARE(w->Stato->palette().color(QPalette::Text), QColor(255, 1, 0));
    for (int i = 0; i < 3; ++i) {
        w->Timer1_Timer();
        QCOMPARE(w->numcom->text(), QStringLiteral("2"));
        QCOMPARE(w->Stato->text(), QStringLiteral("No error"));
        QCOMPARE(f.state.LinkOk, kTrue);
    }
    QCOMPARE(w->Stato->palette().color(QPalette::Text), QColor(0, 255, 1));
    QCOMPARE(w->SOFTREL->text(), QStringLiteral("1.700"));
    QCOMPARE(f.state.DriveRelease, qint16(1700));
    QCOMPARE(f.port.GetPortNumber(), 2);
    QVERIFY(f.port.IsOpen());
}

void TestSerialState::release_data() {
    columns<int, QString, qint16>("word", "shown", "release");
    row("1700", 1700, "1.700", qint16(1700));
    row("0xFFFF reads -1", 0xFFFF, "-.1", qint16(-1));
    row("single digit", 7, "7.", qint16(7));
}

void TestSerialState::release() {
    QFETCH(int, word);
    ShellFixture f;
    f.drive.setRelease(word);
    f.state.DriveAddress = 1;
    SerialStateWindow *w = f.link();
    w->Timer1_Timer();
    QTEST(w->SOFTREL->text(), "shown");
    QTEST(f.state.DriveRelease, "release");
}

void TestSerialState::switchOn_data() {
    columns<int, QString>("status", "buttons");
    row("bit 14 set: buttons 1 to 3", 0x4000, "111");
    row("bit 14 clear: buttons 1 and 2", 0x0000, "110");
    row("other bits only", 0xBFFF, "110");
}

void TestSerialState::switchOn() {
    QFETCH(int, status);
    ShellFixture f;
    f.drive.setStatus(quint16(status));
    f.state.DriveAddress = 1;
    SerialStateWindow *w = shownLink(f);
    w->Timer1_Timer(); // opens the port on the drive
    clickSwitch(w);
    QTEST(f.toolbar.pattern(), "buttons");
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->CWButton1->toolTip(), QStringLiteral("Enable"));
    QCOMPARE(f.state.LinkEnabledSaved, kTrue);
    QCOMPARE(f.state.StatusFlag14, status & 0x4000);
}

void TestSerialState::transferDoneReevaluatesOnStatoChange() {
    ShellFixture f;
    f.drive.setStatus(0x4000);
    f.state.DriveAddress = 1;
    SerialStateWindow *w = f.link();
    w->Timer1_Timer();
    QTest::mouseClick(w->CWButton1, Qt::LeftButton);
    f.toolbar.enabled.fill(false);
    f.state.DriveAddress = 2; // nobody answers: the status turns to a timeout
    w->Timer1_Timer();
    QCOMPARE(w->Stato->text(), QStringLiteral("Timeout error"));
    QCOMPARE(f.toolbar.pattern(), QStringLiteral("000")); // no TransferDone: toolbar untouched
    f.state.TransferDone = kTrue;
    f.state.DriveAddress = 1;
    for (int i = 0; i < 4 && w->Stato->text() != QLatin1String("No error"); ++i)
        w->Timer1_Timer();
    QCOMPARE(f.toolbar.pattern(), QStringLiteral("111"));
}

void TestSerialState::unloadStopsPoll() {
    ShellFixture f;
    f.state.DriveAddress = 1;
    SerialStateWindow *w = f.link();
    w->Timer1_Timer();
    QTest::mouseClick(w->CWButton1, Qt::LeftButton);
    f.state.TransferDone = kTrue;
    QTimer *t = w->Timer1;
    f.shell.forms().unload(kLinkWindow);
    QVERIFY(!t->isActive());
    QCOMPARE(f.state.TransferDone, kFalse);
}

void TestSerialState::switchedOffWhileTheLinkWaits_data() {
    QTest::addColumn<QString>("when");
    row("after the switch-on, drive answering", "after");
    row("click lands inside a poll tick", "tick");
    row("click lands inside the switch-on status reads", "reads");
}

// The user switches the link off, also while a routine of the page lets window events run: the
// link stays off, whatever the routine had read before.
void TestSerialState::switchedOffWhileTheLinkWaits() {
    QFETCH(QString, when);
    ShellFixture f;
    f.drive.setStatus(0x4000);
    f.state.DriveAddress = 1;
    SerialStateWindow *w = shownLink(f);
    w->Timer1_Timer();
    if (when == "after") {
        clickSwitch(w);
        QCOMPARE(f.toolbar.pattern(), QStringLiteral("111"));
        clickSwitch(w);
    } else if (when == "tick") {
        clickSwitch(w); // on
        QTimer::singleShot(0, w, [w] { clickSwitch(w); });
        w->Timer1_Timer();
    } else {
        QTimer::singleShot(0, w, [w] { clickSwitch(w); });
        clickSwitch(w); // on; the second click arrives while it reads the status
    }
    QCOMPARE(w->CWButton1->Value(), false);
    QCOMPARE(f.state.LinkOk, kFalse);
    QCOMPARE(f.state.LinkEnabledSaved, kFalse);
    QCOMPARE(f.toolbar.pattern(), QStringLiteral("000"));
    QVERIFY(!w->Timer1->isActive());
    QCOMPARE(w->Stato->text(), QStringLiteral(" "));
    QCOMPARE(w->SOFTREL->text(), QStringLiteral("0"));
    QCOMPARE(w->numcom->text(), QStringLiteral("0"));
    QCOMPARE(w->CWButton1->toolTip(), QStringLiteral("Disable"));
}

void TestSerialState::hintSaysWhyInTheUsersLanguage_data() {
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("port1"); // "missing", "busy", "denied"
    QTest::addColumn<QString>("says");
    row("missing, Italian", 0, "missing", "non esiste");
    row("busy, English", 1, "busy", "in use by another program");
    row("denied, French", 2, "denied", "groupe dialout");
    row("denied, Italian", 0, "denied", "gruppo dialout");
}

void TestSerialState::hintSaysWhyInTheUsersLanguage() {
    QFETCH(int, lang);
    QFETCH(QString, port1);
    QFETCH(QString, says);
    ShellFixture f;
    f.state.CurrentLanguage = qint16(lang);
    f.port.setPortPresent(1, port1 != "missing");
    f.port.setPortBusy(1, port1 == "busy");
    f.port.setPortDenied(1, port1 == "denied");
    f.port.setDrivePort(2);
    SerialStateWindow *w = shownLink(f);
    w->Timer1_Timer(); // port 1 fails
    QVERIFY2(w->linkHint->text().contains(says), qPrintable(w->linkHint->text()));
    QVERIFY(w->linkHint->isVisible());
    const QImage shot = w->grab(w->linkHint->geometry()).toImage();
    QVERIFY2(textContrast(shot) >= 7.0, qPrintable(QString::number(textContrast(shot))));
    w->Timer1_Timer(); // the drive answers on port 2: nothing to explain
    QVERIFY(w->linkHint->isHidden());
}

QTEST_MAIN(TestSerialState)
#include "tst_serialstate.moc"
