// ZR_LOADER_FRONT on a fresh shell over the in-process simulated drive with its front-panel menu,
// worked with the mouse and the keyboard: what the cells show and how legibly, the layout inside
// the frame, the Enter guard, the keyboard from the moment the page shows, the Scope button, and
// the way back to the link page when the link fails. Leaving the page while the scope runs is in
// tst_scopewindow.

#include "child.h"
#include "datatable.h"
#include "dialogs.h"
#include "frontpanelmenu.h"
#include "frontwindow.h"
#include "panelrig.h"
#include "serialstatewindow.h"
#include "simdrive.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace zr;
using namespace zr::shell;
using zr::front::FrontWindow;
using zr::test::child;

namespace {
QTimer *Timer1(FrontWindow *w) {
    return child<QTimer>(w, "Timer1");
}
// One tick of the poll, as the timer gives it.
void Tick(FrontWindow *w) {
    QMetaObject::invokeMethod(Timer1(w), "timeout");
}
QWidget *Key(FrontWindow *w, int i) {
    return child<QWidget>(w, QStringLiteral("GlossSphere1_%1").arg(i).toLatin1().constData());
}
QLabel *Cell(FrontWindow *w, int row, int i) {
    return child<QLabel>(w, QStringLiteral("Label%1_%2").arg(row).arg(i).toLatin1().constData());
}
// Row 3 (the upper) or 4 of the display as its cells show it, a blank for an empty cell.
QString Shown(FrontWindow *w, int row) {
    QString s;
    for (int i = 0; i < 16; ++i)
        s += Cell(w, row, i)->text().isEmpty() ? QStringLiteral(" ") : Cell(w, row, i)->text();
    return s;
}

struct Rig : PanelRig {
    sim::FrontPanelMenu menu;

    explicit Rig(int language = kEnglish, int panelLanguage = -1)
        : PanelRig(language), menu(drive, panelLanguage < 0 ? language : panelLanguage) {
        menu.attach();
        shell.port().Open();
    }
    // The page with its poll stopped; the test gives the ticks.
    FrontWindow *openStill() {
        FrontWindow *w = openPanel();
        Timer1(w)->stop();
        return w;
    }
    // Keys pressed on the drive's own menu, then one tick shows where it stands.
    void toScreen(FrontWindow *w, int code, int times = 1) {
        for (int i = 0; i < times; ++i)
            menu.key(code);
        Tick(w);
    }
};

// Dark pixels of a widget's area as the window shows it: the ink of a legend or a character.
QRect InkBox(QWidget *window, QWidget *w, int *count = nullptr) {
    const QImage shot = window->grab().toImage();
    const QRect area(w->mapTo(window, QPoint(0, 0)), w->size());
    QRect box;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(shot.pixel(x, y)) < 40) {
                box |= QRect(x, y, 1, 1);
                ++n;
            }
    if (count)
        *count = n;
    return box;
}
} // namespace

class TestFrontWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutInsideTheFrame();
    void symbolsAndLegendsAreLegible();
    void enterGuard_data();
    void enterGuard();
    void keyboardWorksOnShow_data();
    void keyboardWorksOnShow();
    void heldPlusThroughTheMouse();
    void scopeButton_data();
    void scopeButton();
    void failureAtLoad();
    void failureInATick();
};

void TestFrontWindow::layoutInsideTheFrame() {
    Rig rig;
    FrontWindow *w = rig.openPanel();
    QVERIFY(Timer1(w)->isActive());
    QCOMPARE(Timer1(w)->interval(), 20);
    QWidget *frame = child<QWidget>(w, "GlossScreen1");
    // The glass inside the frame's bezel holds the display and every key, with room to spare.
    const int bezel = 24;
    const QRect glass = frame->geometry().adjusted(bezel + 4, bezel + 4, -bezel - 4, -bezel - 4);
    QVERIFY(glass.contains(child<QWidget>(w, "Shape1")->geometry()));
    for (int i = 0; i < 7; ++i)
        QVERIFY2(glass.contains(Key(w, i)->geometry()), qPrintable(Key(w, i)->objectName()));
    // The Scope button stands outside the frame, clear of the keys.
    const QRect scope = child<QPushButton>(w, "Command1")->geometry();
    QVERIFY(!scope.intersects(frame->geometry()));
    QVERIFY(w->rect().contains(scope) && w->rect().contains(frame->geometry()));
}

void TestFrontWindow::symbolsAndLegendsAreLegible() {
    Rig rig;
    rig.drive.setRelease(1812);
    FrontWindow *w = rig.openStill();
    Tick(w);
    QCOMPARE(Shown(w, 3), QStringLiteral("ZR3500  Rel1.812"));
    QCOMPARE(w->shapeColour(), front::kLitColour);
    QCOMPARE(child<QLineEdit>(w, "Text3")->text(), QStringLiteral("0"));
    // The test screen: the symbol cells switch font.
    rig.toScreen(w, 32, 7);
    QCOMPARE(Shown(w, 4), QStringLiteral(" \u00E9<>\u00B1\u00B2\u00BA \u03A9 \u00AE\u00A9 <> "));
    QVERIFY(Cell(w, 4, 8)->font().pointSize() < Cell(w, 4, 1)->font().pointSize());
    if (qEnvironmentVariableIsSet("ZR_SCREENSHOT_DIR"))
        w->grab().save(qEnvironmentVariable("ZR_SCREENSHOT_DIR") + QStringLiteral("/front.png"));
    // The registered and copyright signs carry about as much ink as the letters around them.
    int letter = 0, registered = 0, copyright = 0;
    InkBox(w, Cell(w, 3, int(Shown(w, 3).indexOf(QLatin1Char('D')))), &letter);
    const QRect r = InkBox(w, Cell(w, 4, 10), &registered);
    InkBox(w, Cell(w, 4, 11), &copyright);
    QVERIFY2(registered * 10 >= letter * 6 && copyright * 10 >= letter * 6,
             qPrintable(QStringLiteral("%1, %2 of %3").arg(registered).arg(copyright).arg(letter)));
    QVERIFY(r.height() >= 8);
    // Each key's legend is drawn big enough to read, "Esc" too: its longer side at least half
    // the key's width.
    for (int i = 0; i < 7; ++i) {
        const QRect legend = InkBox(w, Key(w, i));
        QVERIFY2(
            std::max(legend.width(), legend.height()) * 2 >= Key(w, i)->width() &&
                std::min(legend.width(), legend.height()) >= 3,
            qPrintable(
                QStringLiteral("key %1: %2 x %3").arg(i).arg(legend.width()).arg(legend.height())));
    }
    QVERIFY(InkBox(w, Key(w, 3)).height() >= 7);
    // An alarm darkens the display.
    rig.menu.key(64); // the alarm test page
    rig.toScreen(w, 8);
    QCOMPARE(w->shapeColour(), front::kDarkColour);
    QCOMPARE(child<QLineEdit>(w, "Text4")->text(), QStringLiteral("7"));
}

// Enter clicked, or Space typed on a focused key, on a screen the panel guards. Which screens
// are guarded is held by tst_panelcore.
void TestFrontWindow::enterGuard_data() {
    columns<int, int, int, bool>("language", "panel", "screen", "space");
    QTest::addColumn<QString>("message"); // empty: Enter goes to the drive

    row("it, autophasing, Space on Esc", 0, 0, 8, true, "Funzione non disponibile.");
    row("en, autophasing shown by an Italian drive", 1, 0, 8, false, "");
    row("fr, current offset", 2, 2, 9, false, "Fonction non disponible.");
    row("en, variables", 1, 1, 10, false, "Not avaible.");
    row("en, parameter page, Space on Esc", 1, 1, 1, true, "");
}

void TestFrontWindow::enterGuard() {
    QFETCH(int, language);
    QFETCH(int, panel);
    QFETCH(int, screen);
    QFETCH(bool, space);
    QFETCH(QString, message);
    Rig rig(language, panel);
    FrontWindow *w = rig.openStill();
    rig.toScreen(w, 32, screen);
    if (space)
        QTest::keyClick(Key(w, 3), Qt::Key_Space);
    else
        QTest::mouseClick(Key(w, 2), Qt::LeftButton, {}, Key(w, 2)->rect().center());
    QCOMPARE(rig.modals.messages(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(w->panelState().pendingKey, message.isEmpty() ? 4 : 0);
    if (!message.isEmpty())
        QCOMPARE(rig.modals.seen().at(0).icon, QMessageBox::Warning);
}

// The user opens the page and types at once: the keys have the keyboard without a click.
void TestFrontWindow::keyboardWorksOnShow_data() {
    columns<int, int>("key", "pending");
    row("<", int(Qt::Key_Less), 64);
    row(">", int(Qt::Key_Greater), 32);
    row("Space is Enter", int(Qt::Key_Space), 4);
    row("Esc", int(Qt::Key_Escape), 2);
    row("+ is no key stroke", int(Qt::Key_Plus), 0);
}

void TestFrontWindow::keyboardWorksOnShow() {
    QFETCH(int, key);
    Rig rig;
    rig.host.show();
    QApplication::setActiveWindow(&rig.host);
    QVERIFY(QTest::qWaitForWindowActive(&rig.host));
    FrontWindow *w = rig.openStill();
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key(key)); // to the focus widget
    QTEST(w->panelState().pendingKey, "pending");
}

void TestFrontWindow::heldPlusThroughTheMouse() {
    Rig rig;
    FrontWindow *w = rig.openStill();
    rig.menu.key(32); // first parameter page, 1500
    QWidget *plus = Key(w, 1);
    QTest::mousePress(plus, Qt::LeftButton, {}, plus->rect().center());
    for (int t = 0; t < 12; ++t)
        Tick(w);
    QTest::mouseRelease(plus, Qt::LeftButton, {}, plus->rect().center());
    Tick(w);
    QCOMPARE(rig.menu.parameter(0), 1500 + 10 + 2 * 10);
    QCOMPARE(w->panelState().holdTicks, qint16(0));
}

void TestFrontWindow::scopeButton_data() {
    columns<int, int>("release", "language");
    QTest::addColumn<QString>("title"); // empty: no notice

    row("1699, Italian", 1699, 0, "ZR3500 Loader");
    row("1699, English", 1699, 1, "ZR350 Loader");
    row("1700", 1700, 1, "");
}

void TestFrontWindow::scopeButton() {
    QFETCH(int, release);
    QFETCH(int, language);
    QFETCH(QString, title);
    Rig rig(language);
    FrontWindow *w = rig.openPanel();
    rig.state.DriveRelease = static_cast<qint16>(release);
    rig.state.ScopePort = 0;
    auto *scope = child<QPushButton>(w, "Command1");
    QTest::keyClick(scope, Qt::Key_S); // "s" on the focused button
    QCOMPARE(rig.state.ScopePort, qint16(title.isEmpty() ? 1 : 0));
    QCOMPARE(rig.modals.seen().size(), title.isEmpty() ? 0 : 1);
    if (!title.isEmpty()) {
        QCOMPARE(rig.modals.seen().at(0).title, title);
        QCOMPARE(rig.modals.seen().at(0).icon, QMessageBox::Critical);
    }
    QVERIFY(scope->isEnabled());
}

void TestFrontWindow::failureAtLoad() {
    Rig rig;
    rig.drive.addFault(*sim::ParseFault(QStringLiteral("checksum")));
    rig.shell.showPage(kPageFront);
    QVERIFY(!rig.shell.forms().form(kFrontWindow) ||
            !rig.shell.forms().find(kFrontWindow)->isVisible());
    QCOMPARE(rig.state.CommResult, LinkResult::Checksum);
    QCOMPARE(rig.state.CurrentPage, qint16(kPageLink));
    QVERIFY(rig.shell.forms().isLoaded(kLinkWindow));
}

void TestFrontWindow::failureInATick() {
    Rig rig;
    FrontWindow *w = rig.openStill();
    Tick(w);
    const QString row1 = Shown(w, 3);
    const QString row2 = Shown(w, 4);
    rig.drive.addFault(*sim::ParseFault(QStringLiteral("echo")));
    QPointer<FrontWindow> alive(w);
    Tick(w);
    QCOMPARE(rig.state.CommResult, LinkResult::Echo);
    QVERIFY(alive);
    QCOMPARE(Shown(w, 3), QStringLiteral("Echo error") + row1.mid(10));
    QCOMPARE(child<QLabel>(w, "Label1")->text(), kEchoError);
    QCOMPARE(child<QLabel>(w, "Label2")->text(), QString());
    QCOMPARE(Shown(w, 4), row2); // an empty row leaves the cells as they were
    QVERIFY(!Timer1(w)->isActive());
    QCOMPARE(rig.state.CurrentPage, qint16(kPageLink));
    QVERIFY(rig.shell.forms().isLoaded(kLinkWindow));
}

QTEST_MAIN(TestFrontWindow)
#include "tst_frontwindow.moc"
