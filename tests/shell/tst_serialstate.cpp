// The link settings page on the in-process simulated drive: the port hunt, the release shown,
// the on/off switch and the toolbar rules.

#include "child.h"
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
using zr::test::child;

class TestSerialState : public QObject {
    Q_OBJECT

private slots:
    void load();
    void huntCyclesPortsWithoutDrive();
    void huntSettlesOnDrivePort_data();
    void huntSettlesOnDrivePort();
    void switchOn_data();
    void switchOn();
    void transferDoneReevaluatesOnStatoChange();
    void unloadStopsPoll();
    void switchedOffWhileTheLinkWaits_data();
    void switchedOffWhileTheLinkWaits();
};

namespace {

// The page as the user sees it, through its named controls.
struct LinkPage {
    ShellFixture &f;
    SerialStateWindow *w = f.link();

    QString text(const char *label) const { return child<QLabel>(w, label)->text(); }
    QString stato() const { return child<QLineEdit>(w, "Stato")->text(); }
    QColor statoColour() const {
        return child<QLineEdit>(w, "Stato")->palette().color(QPalette::Text);
    }
    ToggleSwitch *toggle() const { return child<ToggleSwitch>(w, "CWButton1"); }
    void clickSwitch() const { QTest::mouseClick(toggle(), Qt::LeftButton); }
    // The link's poll timer, which the page shows while it runs.
    QTimer *poll() const { return child<QTimer>(&f.shell.link(), "Timer1"); }
    void tick(int times = 1) const {
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(poll(), "timeout");
    }
    // Ticks until the drive answers, at most once round the ports.
    void hunt() const {
        for (int i = 0; i < 4 && stato() != QLatin1String("No error"); ++i)
            tick();
    }
    LinkPage &shown() {
        w->show();
        return *this;
    }
};

// WCAG contrast between the most common colour of an image (its ground) and the colour farthest
// from it in luminance (its text).
double textContrast(const QImage &image) {
    const auto lum = [](QRgb rgb) {
        const QColor c(rgb);
        const auto lin = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const double ground =
        lum((*std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                return a.second < b.second;
            })).first);
    double best = 1;
    for (QRgb c : counts.keys())
        best =
            std::max(best, (std::max(ground, lum(c)) + 0.05) / (std::min(ground, lum(c)) + 0.05));
    return best;
}

} // namespace

// The captions in each language come with the language window's choice (tst_languagewindow).
void TestSerialState::load() {
    ShellFixture f;
    f.state.DriveAddress = 3;
    LinkPage p{f};
    QCOMPARE(p.stato(), QStringLiteral(" "));
    QCOMPARE(child<QComboBox>(p.w, "Combo1")->currentText(), QStringLiteral("3"));
    QCOMPARE(p.poll()->interval(), 200);
    QVERIFY(!p.poll()->isActive());
}

void TestSerialState::huntCyclesPortsWithoutDrive() {
    ShellFixture f;
    for (int n = 1; n <= 4; ++n)
        f.port.setPortPresent(n, false);
    LinkPage p{f};
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
        p.tick();
        seen << p.text("numcom");
        QCOMPARE(p.text("SOFTREL"), QStringLiteral("X"));
        QCOMPARE(f.state.LinkOk, kFalse);
    }
    QCOMPARE(seen, (QStringList{"2", "3", "4", "1", "2"}));
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
    LinkPage p = LinkPage{f}.shown();
    p.tick(); // opens the port on the drive
    p.clickSwitch();
    QTEST(f.toolbar.pattern(), "buttons");
    QVERIFY(p.poll()->isActive());
    QCOMPARE(p.toggle()->toolTip(), QStringLiteral("Enable"));
    QCOMPARE(f.state.LinkEnabledSaved, kTrue);
    QCOMPARE(f.state.StatusFlag14, status & 0x4000);
}

void TestSerialState::transferDoneReevaluatesOnStatoChange() {
    ShellFixture f;
    f.drive.setStatus(0x4000);
    f.state.DriveAddress = 1;
    LinkPage p{f};
    p.tick();
    p.clickSwitch();
    f.toolbar.enabled.fill(false);
    f.state.DriveAddress = 2; // nobody answers: the status turns to a timeout
    p.tick();
    QCOMPARE(p.stato(), QStringLiteral("Timeout error"));
    QCOMPARE(f.toolbar.pattern(), QStringLiteral("000")); // no TransferDone: toolbar untouched
    f.state.TransferDone = kTrue;
    f.state.DriveAddress = 1;
    p.hunt();
    QCOMPARE(f.toolbar.pattern(), QStringLiteral("111"));
}

void TestSerialState::unloadStopsPoll() {
    ShellFixture f;
    f.state.DriveAddress = 1;
    LinkPage p{f};
    p.tick();
    p.clickSwitch();
    f.state.TransferDone = kTrue;
    f.shell.forms().unload(kLinkWindow);
    QVERIFY(!p.poll()->isActive());
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
    LinkPage p = LinkPage{f}.shown();
    p.tick();
    if (when == "after") {
        p.clickSwitch();
        QCOMPARE(f.toolbar.pattern(), QStringLiteral("111"));
        p.clickSwitch();
    } else if (when == "tick") {
        p.clickSwitch(); // on
        QTimer::singleShot(0, p.w, [p] { p.clickSwitch(); });
        p.tick();
    } else {
        QTimer::singleShot(0, p.w, [p] { p.clickSwitch(); });
        p.clickSwitch(); // on; the second click arrives while it reads the status
    }
    QCOMPARE(p.toggle()->Value(), false);
    QCOMPARE(f.state.LinkOk, kFalse);
    QCOMPARE(f.state.LinkEnabledSaved, kFalse);
    QCOMPARE(f.toolbar.pattern(), QStringLiteral("000"));
    QVERIFY(!p.poll()->isActive());
    QCOMPARE(p.stato(), QStringLiteral(" "));
    QCOMPARE(p.text("SOFTREL"), QStringLiteral("0"));
    QCOMPARE(p.text("numcom"), QStringLiteral("0"));
    QCOMPARE(p.toggle()->toolTip(), QStringLiteral("Disable"));
}

// Port 1 fails and the drive hangs on port 2: the hint says why in the user's language until
// the hunt finds the drive.
void TestSerialState::huntSettlesOnDrivePort_data() {
    columns<int, QString, QString>("lang", "port1", "says"); // port1: missing, busy, denied
    row("missing, Italian", 0, "missing", "non esiste");
    row("busy, English", 1, "busy", "in use by another program");
    row("denied, French", 2, "denied", "groupe dialout");
    row("denied, Italian", 0, "denied", "gruppo dialout");
}

void TestSerialState::huntSettlesOnDrivePort() {
    QFETCH(int, lang);
    QFETCH(QString, port1);
    QFETCH(QString, says);
    ShellFixture f;
    f.state.CurrentLanguage = qint16(lang);
    f.state.DriveAddress = 1;
    f.port.setPortPresent(1, port1 != "missing");
    f.port.setPortBusy(1, port1 == "busy");
    f.port.setPortDenied(1, port1 == "denied");
    f.port.setDrivePort(2);
    LinkPage p = LinkPage{f}.shown();
    p.tick(); // port 1 fails
    QCOMPARE(p.text("numcom"), QStringLiteral("2"));
    QCOMPARE(p.statoColour(), QColor(255, 1, 0));
    QLabel *hint = child<QLabel>(p.w, "linkHint");
    QVERIFY2(hint->text().contains(says), qPrintable(hint->text()));
    QVERIFY(hint->isVisible());
    const double contrast = textContrast(p.w->grab(hint->geometry()).toImage());
    QVERIFY2(contrast >= 7.0, qPrintable(QString::number(contrast)));
    for (int i = 0; i < 3; ++i) {
        p.tick();
        QCOMPARE(p.text("numcom"), QStringLiteral("2"));
        QCOMPARE(p.stato(), QStringLiteral("No error"));
        QCOMPARE(f.state.LinkOk, kTrue);
    }
    QVERIFY(hint->isHidden()); // the drive answers: nothing to explain
    QCOMPARE(p.statoColour(), QColor(0, 255, 1));
    QCOMPARE(p.text("SOFTREL"), QStringLiteral("1.700"));
    QCOMPARE(f.state.DriveRelease, qint16(1700));
    QCOMPARE(f.port.GetPortNumber(), 2);
    QVERIFY(f.port.IsOpen());
}

QTEST_MAIN(TestSerialState)
#include "tst_serialstate.moc"
