// The main window's toolbar rules and the About page, on the in-process simulated drive.

#include "aboutwindow.h"
#include "datatable.h"
#include "toggleswitch.h"
#include "windowsfixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

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
void hunt(SerialStateWindow *link) {
    for (int i = 0; i < 4 && link->Stato->text() != QLatin1String("No error"); ++i)
        link->Timer1_Timer();
}

// Main window loaded and activated, so the link page is shown; the switch on, the poll
// running, buttons 1 to 3 enabled.
SerialStateWindow *linkPageWithSwitchOn(WindowsFixture &f) {
    f.state.DriveAddress = 5;
    f.main()->Form_Activate();
    SerialStateWindow *link = f.link();
    QTest::mouseClick(link->CWButton1, Qt::LeftButton);
    f.setButtons(QStringLiteral("111"));
    return link;
}

// The line set up, the link page shown with its switch on, and the poll's hunt done.
SerialStateWindow *linkAfterHunt(WindowsFixture &f, bool alive) {
    setUpLine(f, alive);
    SerialStateWindow *link = linkPageWithSwitchOn(f);
    hunt(link);
    return link;
}

// A click on the toolbar button with this key, as the user makes it.
void clickToolbar(WindowsFixture &f, const char *key) {
    MainWindow *m = f.main();
    if (!m->isVisible())
        m->show();
    QAction *a = m->tbrFile->findChild<QAction *>(QLatin1String(key));
    QVERIFY(a);
    QWidget *button = m->tbrFile->widgetForAction(a);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void load();
    void btnDown_data();
    void btnDown();
    void btnFront_data();
    void btnFront();
    void btnCom();
    void btnParamUnloadsPagesAndOpensEditor();
    void btnHelpOpensHelpAndStaysOnPage();
    void btnExitAndClosingEndTheProgram();
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
    QCOMPARE(m->tbrFile->actions().size(), 7);
    for (const QAction *a : m->tbrFile->actions())
        QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
    for (ToolbarButton b :
         {ToolbarButton::Param, ToolbarButton::Info, ToolbarButton::Help, ToolbarButton::Exit})
        QVERIFY(m->isButtonEnabled(b));
    QCOMPARE(f.state.CurrentPage, qint16(kPageLink));
    QVERIFY(f.loaded(kSerialHost));
    QVERIFY(!f.shell.forms().find(kSerialHost)->isVisible());
    QVERIFY(!f.loaded(kLinkWindow)); // the page comes with the activation
    m->Form_Activate();
    QVERIFY(f.link()->isVisibleTo(m));
    QVERIFY(f.link()->y() >= m->tbrFile->height());
}

void TestMainWindow::btnDown_data() {
    columns<bool, bool, QList<int>, int, QString, int>("answersAtOnce", "answersDuringWait",
                                                       "waits", "page", "buttons", "driveAddress");
    row("link usable: transfer page at once", true, false, QList<int>{}, 1, "111", 5);
    row("dead link, drive number 0 answers while waiting", false, true, QList<int>{3500}, 1, "000",
        0);
    row("dead link for 3.5 s: page kept, link off, drive number back", false, false,
        QList<int>{3500}, 0, "000", 5);
}

void TestMainWindow::btnDown() {
    QFETCH(bool, answersAtOnce);
    QFETCH(bool, answersDuringWait);
    QFETCH(QList<int>, waits);
    QFETCH(int, page);
    QFETCH(QString, buttons);
    QFETCH(int, driveAddress);
    WindowsFixture f;
    SerialStateWindow *link = linkAfterHunt(f, answersAtOnce);
    QCOMPARE(IsSet(f.state.LinkOk), answersAtOnce);
    qint16 addressWhileWaiting = -1;
    f.onWait = [&] {
        addressWhileWaiting = f.state.DriveAddress;
        QCOMPARE(f.buttons(), QStringLiteral("000"));
        if (answersDuringWait) { // the poll keeps running while the main window waits
            setUpLine(f, true);
            hunt(link);
        }
    };

    clickToolbar(f, "btnDown");

    QCOMPARE(f.waits, waits);
    if (!waits.isEmpty())
        QCOMPARE(addressWhileWaiting, qint16(0));
    QCOMPARE(f.state.CurrentPage, qint16(page));
    QCOMPARE(f.buttons(), buttons);
    QCOMPARE(f.state.DriveAddress, qint16(driveAddress));
    QCOMPARE(f.state.SavedDriveAddress, qint16(5));
    if (page == kPageLink) {
        QVERIFY(link->isVisibleTo(f.main()));
        QVERIFY(!link->CWButton1->Value());
        QVERIFY(!link->Timer1->isActive());
        QCOMPARE(f.state.LinkOk, kFalse);
        QCOMPARE(f.state.LinkEnabledSaved, kFalse);
    } else {
        QVERIFY(!f.loaded(kLinkWindow)); // the switcher left the link page
    }
}

void TestMainWindow::btnFront_data() {
    columns<bool, int, QString>("alive", "page", "buttons");
    row("dead link only disables button 3", false, 0, "110");
    row("usable link: front panel page", true, 2, "111");
}

void TestMainWindow::btnFront() {
    QFETCH(bool, alive);
    QFETCH(int, page);
    WindowsFixture f;
    SerialStateWindow *link = linkAfterHunt(f, alive);
    clickToolbar(f, "btnFront");
    QVERIFY(f.waits.isEmpty());
    QCOMPARE(f.state.CurrentPage, qint16(page));
    QTEST(f.buttons(), "buttons");
    QCOMPARE(f.state.DriveAddress, qint16(5));
    QCOMPARE(f.loaded(kLinkWindow), page == kPageLink);
    if (page == kPageLink) {
        QVERIFY(link->CWButton1->Value());
        QVERIFY(link->Timer1->isActive());
    }
}

void TestMainWindow::btnCom() {
    WindowsFixture f;
    MainWindow *m = f.main();
    f.setButtons(QStringLiteral("110")); // the link is on, the drive in loader mode
    clickToolbar(f, "btnInfo");
    QVERIFY(f.loaded(kAboutWindow));
    clickToolbar(f, "btnCom");
    QCOMPARE(f.buttons(), QStringLiteral("111"));
    QCOMPARE(f.state.CurrentPage, qint16(kPageLink));
    QVERIFY(!f.loaded(kAboutWindow));
    QVERIFY(f.link()->isVisibleTo(m));
}

void TestMainWindow::btnParamUnloadsPagesAndOpensEditor() {
    WindowsFixture f;
    MainWindow *m = f.main();
    m->Form_Activate();
    QPointer<Form> firstLink = f.link();
    clickToolbar(f, "btnParam");
    Form *editor = f.shell.forms().find(kEditorWindow);
    QVERIFY(editor);
    QVERIFY(editor->isWindow());
    QVERIFY(editor->isVisible());
    QVERIFY(!f.loaded(kAboutWindow));
    // The About page was created to be unloaded; the link page, unloaded too, comes back
    // with the page switch that follows.
    QCOMPARE(f.shell.forms().loads(kAboutWindow), 1);
    QCOMPARE(f.shell.forms().loads(kLinkWindow), 2);
    QVERIFY(f.link() != firstLink.data());
    QVERIFY(f.link()->isVisibleTo(m));
}

void TestMainWindow::btnHelpOpensHelpAndStaysOnPage() {
    WindowsFixture f;
    int helps = 0;
    f.shell.showHelp = [&] { ++helps; };
    MainWindow *m = f.main();
    m->Form_Activate();
    clickToolbar(f, "btnHelp");
    QCOMPARE(helps, 1);
    QCOMPARE(f.state.CurrentPage, qint16(kPageLink));
    QVERIFY(f.link()->isVisibleTo(m));
    QCOMPARE(f.shell.forms().loads(kLinkWindow), 1);
}

void TestMainWindow::btnExitAndClosingEndTheProgram() {
    WindowsFixture f;
    MainWindow *m = f.main();
    m->Form_Activate();
    clickToolbar(f, "btnExit");
    QCOMPARE(f.programEnds, 1);
    QCOMPARE(f.state.CurrentPage, qint16(kPageLink));
    m->close();
    QCOMPARE(f.programEnds, 2);
    f.shell.forms().unload(kMainWindow);
    QCOMPARE(f.programEnds, 3);
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
    clickToolbar(f, "btnInfo");
    QCOMPARE(f.state.CurrentPage, qint16(kPageAbout));
    QVERIFY(!f.loaded(kLinkWindow));
    auto *about = qobject_cast<AboutWindow *>(f.shell.forms().find(kAboutWindow));
    QVERIFY(about);
    QVERIFY(about->isVisibleTo(f.main()));
    f.state.LinkEnabledSaved = savedLink;
    f.setButtons(QStringLiteral("000"));

    QTest::mouseClick(about->Command1, Qt::LeftButton);

    QVERIFY(!f.loaded(kAboutWindow));
    QCOMPARE(f.state.CurrentPage, qint16(kPageLink));
    SerialStateWindow *again = f.link();
    QVERIFY(again->isVisibleTo(f.main()));
    QCOMPARE(again->CWButton1->Value(), IsSet(savedLink));
    QCOMPARE(again->Timer1->isActive(), IsSet(savedLink));
    QTEST(f.buttons(), "buttons");
}

void TestMainWindow::keyboardReachesTheToolbar_data() {
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("shown"); // the window the keys bring up; "" the program ends
    row("Alt+I: About", (Qt::ALT | Qt::Key_I), kAboutWindow);
    row("Alt+E: editor", (Qt::ALT | Qt::Key_E), kEditorWindow);
    row("Alt+C: link page", (Qt::ALT | Qt::Key_C), kLinkWindow);
    row("Alt+X: exit", (Qt::ALT | Qt::Key_X), QString());
}

void TestMainWindow::keyboardReachesTheToolbar() {
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, shown);
    WindowsFixture f;
    MainWindow *m = f.main();
    f.setButtons(QStringLiteral("110")); // the link is on
    f.state.CurrentPage = kPageAbout;    // Alt+C must bring the link page back
    m->show();
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    QTest::keyClick(m, keys.key(), keys.keyboardModifiers());
    if (shown.isEmpty()) {
        QCOMPARE(f.programEnds, 1);
        return;
    }
    QVERIFY(f.loaded(shown));
    QVERIFY(f.shell.forms().find(shown)->isVisible());
}

void TestMainWindow::tabFollowsTheToolbar() {
    WindowsFixture f;
    MainWindow *m = f.main();
    m->show();
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    f.setButtons(QStringLiteral("111")); // the link is on
    m->tbrFile->widgetForAction(m->tbrFile->actions().first())->setFocus();
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
    const int toolbar = m->tbrFile->height();
    for (const QSize size : {QSize(1000, 800), QSize(100, 100), QSize(700, 430)}) {
        m->resize(size);
        QCoreApplication::processEvents();
        QVERIFY(m->width() >= size.width() || m->width() == m->minimumWidth());
        // Every toolbar button lies whole inside the window.
        for (QAction *a : m->tbrFile->actions()) {
            const QWidget *b = m->tbrFile->widgetForAction(a);
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
