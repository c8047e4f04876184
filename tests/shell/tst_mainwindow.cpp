// The main window's toolbar rules and the About page, on the in-process simulated drive.

#include "datatable.h"
#include "windowsfixture.h"

#include <QApplication>
#include <QPushButton>

using namespace zr::shell;

namespace {

constexpr int kDrivePort = 2;

// The drive (number 5) hangs on port 2; ports 1, 3 and 4 do not exist, so the hunt is quick.
// alive = false takes port 2 away too: nothing answers.
void setUpLine(WindowsFixture &f, bool alive) {
    f.drive.setDriveNumber(5);
    f.port.setDrivePort(kDrivePort);
    for (int n = 1; n <= 4; ++n)
        f.port.setPortPresent(n, alive && n == kDrivePort);
    if (!alive && f.port.IsOpen())
        f.port.Close();
}

// Ticks the poll until it finds the drive or has tried every port once.
void hunt(WindowsFixture &f) {
    for (int i = 0; i < 4 && f.linkStatus() != QLatin1String("No error"); ++i)
        f.tickLink();
}

// The line set up; the main window activated, so the link page is shown; its switch on, the
// poll's hunt done and buttons 1 to 3 enabled.
void linkAfterHunt(WindowsFixture &f, bool alive) {
    setUpLine(f, alive);
    f.state.DriveAddress = 5;
    f.main()->Form_Activate();
    QTest::mouseClick(f.linkSwitch(), Qt::LeftButton);
    f.setButtons(QStringLiteral("111"));
    hunt(f);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void load();
    void pagesFollowTheLink_data();
    void pagesFollowTheLink();
    void closingEndsTheProgram();
    void aboutOk_data();
    void aboutOk();
    void keyboardReachesTheToolbar_data();
    void keyboardReachesTheToolbar();
    void tabFollowsTheToolbar();
    void resizingKeepsToolbarWholeAndPageCentred();
};

void TestMainWindow::load() {
    WindowsFixture f;
    f.state.CurrentPage = kPageAbout;
    MainWindow *m = f.main();
    QCOMPARE(m->size(), QSize(480, 421)); // 7200 x 6315 twips
    QCOMPARE(m->windowTitle(), QStringLiteral("ZR3500 Loader Main"));
    QCOMPARE(f.buttons(), QStringLiteral("000"));
    // Seven buttons, each with its picture (the captions and keys are the toolbar's own table).
    QCOMPARE(f.toolbar()->actions().size(), 7);
    for (const QAction *a : f.toolbar()->actions())
        QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
    for (ToolbarButton b :
         {ToolbarButton::Param, ToolbarButton::Info, ToolbarButton::Help, ToolbarButton::Exit})
        QVERIFY(m->isButtonEnabled(b));
    QCOMPARE(f.state.CurrentPage, qint16(kPageLink));
    QVERIFY(!f.shell.forms().find(kSerialHost)->isVisible());
    QVERIFY(!f.loaded(kLinkWindow)); // the page comes with the activation
    m->Form_Activate();
    QVERIFY(f.link()->isVisibleTo(m));
    QVERIFY(f.link()->y() >= f.toolbar()->height());
}

// Save\Load and ZR3500 go to their page only over a usable link; Save\Load first tries drive
// number 0 for 3.5 s, and switches the link off when nothing answers.
void TestMainWindow::pagesFollowTheLink_data() {
    columns<QString, bool, bool, QList<int>, int, QString, int>(
        "key", "alive", "answersDuringWait", "waits", "page", "buttons", "driveAddress");
    row("Save\\Load, usable link: transfer page at once", "btnDown", true, false, QList<int>{}, 1,
        "111", 5);
    row("Save\\Load, dead link, drive number 0 answers while waiting", "btnDown", false, true,
        QList<int>{3500}, 1, "000", 0);
    row("Save\\Load, dead link for 3.5 s: page kept, link off, drive number back", "btnDown", false,
        false, QList<int>{3500}, 0, "000", 5);
    row("ZR3500, dead link: only button 3 disabled", "btnFront", false, false, QList<int>{}, 0,
        "110", 5);
    row("ZR3500, usable link: front panel page", "btnFront", true, false, QList<int>{}, 2, "111",
        5);
}

void TestMainWindow::pagesFollowTheLink() {
    QFETCH(QString, key);
    QFETCH(bool, alive);
    QFETCH(bool, answersDuringWait);
    QFETCH(int, page);
    WindowsFixture f;
    linkAfterHunt(f, alive);
    QCOMPARE(IsSet(f.state.LinkOk), alive);
    qint16 addressWhileWaiting = -1;
    f.onWait = [&] {
        addressWhileWaiting = f.state.DriveAddress;
        QCOMPARE(f.buttons(), QStringLiteral("000"));
        if (answersDuringWait) { // the poll keeps running while the main window waits
            setUpLine(f, true);
            hunt(f);
        }
    };

    f.clickToolbar(qPrintable(key));

    QTEST(f.waits, "waits");
    if (!f.waits.isEmpty())
        QCOMPARE(addressWhileWaiting, qint16(0));
    QCOMPARE(f.state.CurrentPage, qint16(page));
    QTEST(f.buttons(), "buttons");
    QTEST(int(f.state.DriveAddress), "driveAddress");
    QCOMPARE(f.loaded(kLinkWindow), page == kPageLink);
    if (page == kPageLink) {
        QVERIFY(f.link()->isVisibleTo(f.main()));
        const bool stillOn = f.waits.isEmpty(); // the link is off after a vain wait
        QCOMPARE(f.linkSwitch()->Value(), stillOn);
        QCOMPARE(f.linkPoll()->isActive(), stillOn);
        QCOMPARE(IsSet(f.state.LinkEnabledSaved), stillOn);
    }
}

// Exit is one of the toolbar's keys below; closing the window or unloading it ends it too.
void TestMainWindow::closingEndsTheProgram() {
    WindowsFixture f;
    f.main()->show();
    f.main()->close();
    QCOMPARE(f.programEnds, 1);
    f.shell.forms().unload(kMainWindow);
    QCOMPARE(f.programEnds, 2);
}

void TestMainWindow::aboutOk_data() {
    columns<qint16, int, QString>("savedLink", "status", "buttons");
    row("link was on, drive program running", kTrue, 0x4000, "111");
    row("link was on, loader mode", kTrue, 0x0000, "110");
    row("link was off", kFalse, 0x4000, "000");
}

void TestMainWindow::aboutOk() {
    QFETCH(qint16, savedLink);
    QFETCH(int, status);
    WindowsFixture f;
    f.drive.setStatus(quint16(status));
    linkAfterHunt(f, true);
    f.clickToolbar("btnInfo");
    QCOMPARE(f.state.CurrentPage, qint16(kPageAbout));
    QVERIFY(!f.loaded(kLinkWindow));
    Form *about = f.shell.forms().find(kAboutWindow);
    QVERIFY(about && about->isVisibleTo(f.main()));
    f.state.LinkEnabledSaved = savedLink;
    f.setButtons(QStringLiteral("000"));

    QTest::mouseClick(zr::test::child<QPushButton>(about, "Command1"), Qt::LeftButton);

    QVERIFY(!f.loaded(kAboutWindow));
    QCOMPARE(f.state.CurrentPage, qint16(kPageLink));
    QVERIFY(f.link()->isVisibleTo(f.main()));
    QCOMPARE(f.linkSwitch()->Value(), IsSet(savedLink));
    QCOMPARE(f.linkPoll()->isActive(), IsSet(savedLink));
    QTEST(f.buttons(), "buttons");
}

void TestMainWindow::keyboardReachesTheToolbar_data() {
    // The window the keys bring up, the only page then loaded and buttons 1 to 3 after.
    columns<QKeyCombination, QString, QString, QString>("keys", "shown", "page", "buttons");
    row("Alt+I: About", (Qt::ALT | Qt::Key_I), kAboutWindow, kAboutWindow, "110");
    row("Alt+E: editor, the page comes back", (Qt::ALT | Qt::Key_E), kEditorWindow, kAboutWindow,
        "110");
    row("Alt+C: link page, button 3 enabled", (Qt::ALT | Qt::Key_C), kLinkWindow, kLinkWindow,
        "111");
    row("Alt+X: the program ends", (Qt::ALT | Qt::Key_X), QString(), kAboutWindow, "110");
}

void TestMainWindow::keyboardReachesTheToolbar() {
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, shown);
    WindowsFixture f;
    MainWindow *m = f.main();
    f.setButtons(QStringLiteral("110")); // the link is on, the drive in loader mode
    f.clickToolbar("btnInfo");           // Alt+C must bring the link page back
    m->show();
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    QTest::keyClick(m, keys.key(), keys.keyboardModifiers());
    QCOMPARE(f.programEnds, shown.isEmpty() ? 1 : 0);
    if (!shown.isEmpty())
        QVERIFY(f.loaded(shown) && f.shell.forms().find(shown)->isVisible());
    QTEST(f.buttons(), "buttons");
    QFETCH(QString, page);
    for (const QString &p : {kLinkWindow, kAboutWindow})
        QCOMPARE(f.loaded(p), p == page);
}

void TestMainWindow::tabFollowsTheToolbar() {
    WindowsFixture f;
    MainWindow *m = f.main();
    m->show();
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    f.setButtons(QStringLiteral("111")); // the link is on
    f.toolbarButton("btnCom")->setFocus();
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order,
             (QStringList{"btnCom_button", "btnDown_button", "btnFront_button", "btnParam_button",
                          "btnInfo_button", "btnHelp_button", "btnExit_button"}));
}

void TestMainWindow::resizingKeepsToolbarWholeAndPageCentred() {
    WindowsFixture f;
    MainWindow *m = f.main();
    m->show();
    m->Form_Activate();
    SerialStateWindow *page = f.link();
    const int toolbar = f.toolbar()->height();
    for (const QSize size : {QSize(1000, 800), QSize(100, 100), QSize(700, 430)}) {
        m->resize(size);
        QCoreApplication::processEvents();
        QVERIFY(m->width() >= size.width() || m->width() == m->minimumWidth());
        // Every toolbar button lies whole inside the window.
        for (QAction *a : f.toolbar()->actions()) {
            const QWidget *b = f.toolbar()->widgetForAction(a);
            QVERIFY2(m->rect().contains(b->geometry()), qPrintable(a->objectName()));
        }
        QVERIFY(m->rect().contains(page->geometry()));
        QVERIFY(qAbs(page->geometry().center().x() - m->width() / 2) <= 1);
        const int below = toolbar + (m->height() - toolbar) / 2;
        QVERIFY(qAbs(page->geometry().center().y() - below) <= 1);
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
