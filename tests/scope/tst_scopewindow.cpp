// ZR_LOADER_OSCILLO on a fresh shell over the in-process simulated drive: load state, axes,
// mode rules, cursors and their table, the level line, export, and the line hand-over with the
// front panel's Scope button.

#include "dialogs.h"
#include "frontwindow.h"
#include "loaderroutine.h"
#include "pageswitcher.h"
#include "scopecontrols.h"
#include "scopegraph.h"
#include "scopescales.h"
#include "scopewindow.h"
#include "serialhost.h"
#include "serialstatewindow.h"
#include "shell.h"
#include "simdrive.h"
#include "simserialport.h"
#include "simshell.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace zr;
using namespace zr::shell;
using namespace zr::scope;

namespace {
struct Rig : SimShell {
    QWidget host;
    sim::SimSerialPort *scopePort = nullptr;

    Rig() {
        drive.scopeStream().setPeriod(std::chrono::microseconds(50));
        state.CurrentLanguage = kEnglish;
        state.DriveAddress = 1;
        state.DriveRelease = 1700;
        host.resize(800, 600);
        shell.forms().setPageHost(&host);
        shell.mainFrame = [] { return MainFrame{0, 0, 12000, 9000, 600}; };
        shell.endProgram = [] {};
        shell.waitLettingEventsRun = [](int) {};
        registerLinkWindows();
        front::RegisterFrontWindow(shell);
        RegisterScopeWindows(shell, [this] {
            auto p = std::make_unique<sim::SimSerialPort>(drive);
            scopePort = p.get();
            return p;
        });
        shell.port().Open();
    }
    ScopeWindow *scope() { return shell.forms().formAs<ScopeWindow>(kScopeWindowName); }
    front::FrontWindow *front() {
        state.CurrentPage = kPageFront;
        PageSwitcher(shell);
        return shell.forms().formAs<front::FrontWindow>(kFrontWindow);
    }
    static QString cell(ScopeWindow *w, int row, int col) {
        const QTableWidgetItem *item = w->MSFlexGrid1->item(row, col);
        return item ? item->text() : QString();
    }
};
} // namespace

class TestScopeWindow : public QObject {
    Q_OBJECT
private slots:
    void loadState();
    void axesFollowTheKnobs_data();
    void axesFollowTheKnobs();
    void modeCapsTheTimeBase_data();
    void modeCapsTheTimeBase();
    void rollTurnsTheMeasurementOff();
    void cursorsFillTheTable();
    void levelLineAndKnob();
    void exportWritesTheTrace();
    void scopeButtonHandsTheLineOver();
    void noSamplesGivesTheLineBack();
    void holdAndRun();
};

void TestScopeWindow::loadState() {
    Rig rig;
    ScopeWindow *w = rig.scope();
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("ZR_LOADER_OSCILLO"));
    QCOMPARE(w->windowTitle(), QStringLiteral("ZR3500 Loader Scope"));
    QCOMPARE(w->xvalore->text(), QStringLiteral(" 1 Sec "));
    QCOMPARE(w->yvalore->text(), QStringLiteral("10 V"));
    QCOMPARE(w->allposition->text(), QStringLiteral("0"));
    QVERIFY(w->MSFlexGrid1->isHidden());
    QCOMPARE(Rig::cell(w, 0, 5), QStringLiteral("Diff. X"));
    QCOMPARE(Rig::cell(w, 1, 0), QStringLiteral("Real Value"));
    QCOMPARE(w->CWGraph1->axisMaximum(ScopeGraph::XAxis), double(976.56f));
    QCOMPARE(w->CWGraph1->axisCaption(ScopeGraph::XAxis), QStringLiteral("mSec"));
    QCOMPARE(w->CWGraph1->axisCaption(ScopeGraph::YAxis2), QStringLiteral("Volt"));
    QCOMPARE(w->CWGraph1->geometry(), QRect(8, 8, 593, 273));
    QCOMPARE(w->CWButton1->value(), false);
    QVERIFY(!w->CWButton2->isEnabled());
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->Timer1->interval(), 5);
    for (const char *name :
         {"Xscale", "Yscale", "CWKnob1", "CWKnob2", "CWKnob3", "CWSlide1", "CWButton1", "CWButton2",
          "CWButton3", "CWButton4", "Label1", "Label8", "Shape7", "ExportCsv", "ExportPng"})
        QVERIFY2(w->findChild<QWidget *>(QLatin1String(name)), name);
}

void TestScopeWindow::axesFollowTheKnobs_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("samplesMin");
    QTest::addColumn<double>("voltsMax");
    QTest::addColumn<QString>("yText");
    QTest::addColumn<QString>("positionText");
    QTest::newRow("10 V at 0") << 3 << 0.0 << -1.0 << 11.42 << "10 V"
                               << "0";
    QTest::newRow("10 V at 1") << 3 << 1.0 << 10.2084 << 12.42 << "10 V"
                               << "1";
    QTest::newRow("5 V at -1.25") << 2 << -1.25 << 48.9895 << 4.46 << "5 V"
                                  << "-1.3";
}

void TestScopeWindow::axesFollowTheKnobs() {
    QFETCH(int, range);
    QFETCH(double, position);
    Rig rig;
    ScopeWindow *w = rig.scope();
    w->Yscale->setPosition(range);
    w->CWKnob1->setValue(position);
    QFETCH(double, samplesMin);
    QFETCH(double, voltsMax);
    QVERIFY(qAbs(w->CWGraph1->axisMinimum(ScopeGraph::YAxis1) - samplesMin) < 1e-3);
    QVERIFY(qAbs(w->CWGraph1->axisMaximum(ScopeGraph::YAxis2) - voltsMax) < 1e-9);
    QTEST(w->yvalore->text(), "yText");
    QTEST(w->allposition->text(), "positionText");
}

void TestScopeWindow::modeCapsTheTimeBase_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("Norm with 10 Min") << 2 << 13 << 8 << " 5 Sec ";
    QTest::newRow("NoTrigg with 30 Min") << 1 << 14 << 8 << " 5 Sec ";
    QTest::newRow("Roll with 30 Min") << 0 << 14 << 14 << " 30 Min ";
    QTest::newRow("Norm with 200 mSec") << 2 << 4 << 4 << "200 mSec";
}

void TestScopeWindow::modeCapsTheTimeBase() {
    QFETCH(int, mode);
    QFETCH(int, asked);
    Rig rig;
    ScopeWindow *w = rig.scope();
    // The time base first, then the mode; and the other way round.
    w->Xscale->setPosition(asked);
    w->CWSlide1->setValue(mode);
    QTEST(w->Xscale->position(), "position");
    QTEST(w->xvalore->text(), "text");
    w->Xscale->setPosition(asked);
    QTEST(w->Xscale->position(), "position");
    QTEST(w->xvalore->text(), "text");
    QCOMPARE(w->CWGraph1->axisMaximum(ScopeGraph::XAxis),
             double(TimeBaseAt(w->Xscale->position()).value));
}

void TestScopeWindow::rollTurnsTheMeasurementOff() {
    Rig rig;
    ScopeWindow *w = rig.scope();
    w->CWSlide1->setValue(kNorm);
    w->CWButton2->setValue(true);
    QVERIFY(w->CWGraph1->cursorVisible(ScopeGraph::Cursor1));
    QVERIFY(!w->MSFlexGrid1->isHidden());
    w->CWSlide1->setValue(kRoll);
    QCOMPARE(w->CWButton2->value(), false);
    QVERIFY(!w->CWButton2->isEnabled());
    QVERIFY(!w->CWGraph1->cursorVisible(ScopeGraph::Cursor1));
    QVERIFY(!w->CWGraph1->cursorVisible(ScopeGraph::Cursor2));
    QVERIFY(w->MSFlexGrid1->isHidden());
    // Switching it in Roll changes nothing.
    w->CWButton2_ValueChanged(true);
    QVERIFY(!w->CWGraph1->cursorVisible(ScopeGraph::Cursor1));
    QVERIFY(w->MSFlexGrid1->isHidden());
}

void TestScopeWindow::cursorsFillTheTable() {
    Rig rig;
    ScopeWindow *w = rig.scope();
    w->CWSlide1->setValue(kNoTrigg);
    w->CWButton2->setValue(true);
    QVERIFY(!w->MSFlexGrid1->isHidden());
    QCOMPARE(w->CWGraph1->cursorX(ScopeGraph::Cursor1), 5.0);
    QCOMPARE(w->CWGraph1->cursorY(ScopeGraph::Cursor1), 117.0);
    QCOMPARE(w->CWGraph1->cursorX(ScopeGraph::Cursor2), 10.0);
    QCOMPARE(w->CWGraph1->cursorY(ScopeGraph::Cursor2), 137.0);
    QCOMPARE(Rig::cell(w, 1, 5), QString()); // filled when the user moves a cursor
    // Dragging Cursor-1 with the mouse to the top left corner of the plot.
    const QRect r = w->CWGraph1->plotRect();
    const QPoint c1(r.left() + qRound(5.0 / 976.56 * r.width()),
                    r.bottom() - qRound((117 + 1) / 256.0 * r.height()));
    QTest::mousePress(w->CWGraph1, Qt::LeftButton, {}, c1);
    QTest::mouseRelease(w->CWGraph1, Qt::LeftButton, {}, QPoint(r.left(), r.top()));
    QCOMPARE(w->CWGraph1->cursorX(ScopeGraph::Cursor1), 0.0);
    QCOMPARE(w->CWGraph1->cursorY(ScopeGraph::Cursor1), 255.0);
    const QStringList row{Rig::cell(w, 1, 1), Rig::cell(w, 1, 2), Rig::cell(w, 1, 3),
                          Rig::cell(w, 1, 4), Rig::cell(w, 1, 5), Rig::cell(w, 1, 6),
                          Rig::cell(w, 1, 7)};
    QCOMPARE(row, (QStringList{" 0", " 11.42", " 10", " 0.85", " 10", " 10.56", " 97.65"}));
    w->CWButton2->setValue(false);
    QVERIFY(w->MSFlexGrid1->isHidden());
    QCOMPARE(Rig::cell(w, 1, 5), QString()); // emptied
}

void TestScopeWindow::levelLineAndKnob() {
    Rig rig;
    ScopeWindow *w = rig.scope();
    w->CWButton3->setValue(true);
    QVERIFY(w->CWGraph1->cursorVisible(ScopeGraph::Cursor3));
    // Pressing the knob makes the line follow it.
    QTest::mousePress(w->CWKnob2, Qt::LeftButton, {}, QPoint(44, 10));
    QTest::mouseRelease(w->CWKnob2, Qt::LeftButton, {}, QPoint(44, 10));
    QCOMPARE(rig.state.LevelFollowsKnob, kTrue);
    w->CWKnob2->setValue(10);
    QCOMPARE(w->CWGraph1->cursorY(ScopeGraph::Cursor3), 137.0);
    QTest::keyClick(w->CWKnob2, Qt::Key_Up);
    QCOMPARE(w->CWGraph1->cursorY(ScopeGraph::Cursor3), 138.0);
    // Pressing the graph makes the knob follow the line.
    const QRect r = w->CWGraph1->plotRect();
    const int y = r.bottom() - qRound((138 + 1) / 256.0 * r.height());
    QTest::mousePress(w->CWGraph1, Qt::LeftButton, {}, QPoint(r.center().x(), y));
    QCOMPARE(rig.state.LevelFollowsKnob, kFalse);
    QTest::mouseRelease(w->CWGraph1, Qt::LeftButton, {}, QPoint(r.center().x(), r.bottom() + 9));
    QCOMPARE(w->CWGraph1->cursorY(ScopeGraph::Cursor3), -1.0);
    QCOMPARE(w->CWKnob2->value(), -128.0);
}

void TestScopeWindow::exportWritesTheTrace() {
    Rig rig;
    ScopeWindow *w = rig.scope();
    w->CWGraph1->chart(QByteArray("\x80\x81", 2));
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("trace.csv"));
    const QString png = dir.filePath(QStringLiteral("trace.png"));
    rig.modals.choose(csv);
    rig.modals.choose(png);
    w->ExportCsv->click();
    w->ExportPng->click();
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().count('\n'), 3);
    QImage image(png);
    QCOMPARE(image.size(), w->CWGraph1->size());
    // A target that cannot be written is reported.
    rig.modals.choose(dir.filePath(QStringLiteral("missing/trace.csv")));
    w->ExportCsv->click();
    QCOMPARE(rig.modals.seen().last().kind, QStringLiteral("msgbox"));
}

void TestScopeWindow::scopeButtonHandsTheLineOver() {
    Rig rig;
    front::FrontWindow *front = rig.front();
    QVERIFY(front);
    QVERIFY(front->Timer1->isActive());
    front->Command1->click();
    ScopeWindow *w = qobject_cast<ScopeWindow *>(rig.shell.forms().find(kScopeWindowName));
    QVERIFY(w);
    QVERIFY(!front->Command1->isEnabled());
    QVERIFY(!front->Timer1->isActive());
    QVERIFY(!rig.port.IsOpen());
    QVERIFY(rig.scopePort->IsOpen());
    QVERIFY(rig.drive.scopeStream().running());
    // A few ticks of Roll chart the stream.
    QTRY_VERIFY(w->CWGraph1->trace().size() > 0);
    // A key of the front panel stops the scope first and gives the line back.
    front->GlossSphere1_MouseDown(1);
    QVERIFY(!rig.scopePort->IsOpen());
    QVERIFY(rig.port.IsOpen());
    QVERIFY(w->CWButton1->value()); // holding
    QVERIFY(front->Timer1->isActive());
    // Run again takes the line back; closing the scope returns it.
    w->CWButton1->setValue(false);
    QVERIFY(rig.scopePort->IsOpen());
    QVERIFY(!rig.port.IsOpen());
    w->close(); // the window's frame
    QVERIFY(!rig.shell.forms().isLoaded(kScopeWindowName));
    QVERIFY(rig.port.IsOpen());
    QVERIFY(!rig.drive.scopeStream().running());
    QVERIFY(front->Command1->isEnabled());
    QVERIFY(front->Timer1->isActive());
}

void TestScopeWindow::noSamplesGivesTheLineBack() {
    Rig rig;
    rig.drive.scopeStream().setPeriod(std::chrono::hours(1)); // the drive never sends
    front::FrontWindow *front = rig.front();
    front->Command1->click();
    QVERIFY(!rig.shell.forms().isLoaded(kScopeWindowName));
    QVERIFY(front->Command1->isEnabled());
    QVERIFY(front->Timer1->isActive());
    QVERIFY(rig.port.IsOpen());
    QVERIFY(!rig.modals.seen().isEmpty());
    QCOMPARE(rig.modals.seen().last().text,
             QStringLiteral("The drive sent no samples: the scope has been closed."));
}

void TestScopeWindow::holdAndRun() {
    Rig rig;
    ScopeWindow *w = rig.scope();
    QVERIFY(w->startscope());
    QTest::mouseClick(w->CWButton1, Qt::LeftButton); // hold
    QVERIFY(w->CWButton1->value());
    QVERIFY(!w->Timer1->isActive());
    QVERIFY(rig.scopePort->IsOpen());             // the line stays with the scope
    QTest::keyClick(w->CWButton1, Qt::Key_Space); // run
    QVERIFY(w->Timer1->isActive());
    // "Acquire": pressed and released, runs and restarts.
    w->CWButton1->setValue(true);
    QTest::mousePress(w->CWButton4, Qt::LeftButton);
    QVERIFY(w->CWButton1->value());
    QTest::mouseRelease(w->CWButton4, Qt::LeftButton);
    QVERIFY(!w->CWButton1->value());
    QVERIFY(w->Timer1->isActive());
    rig.shell.forms().unload(kScopeWindowName);
}

QTEST_MAIN(TestScopeWindow)
#include "tst_scopewindow.moc"
