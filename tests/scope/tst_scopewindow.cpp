// ZR_LOADER_OSCILLO on a fresh shell over the in-process simulated drive, worked with the mouse,
// the wheel and the keyboard: load state, axes, mode rules, the measurement cursors and their
// table, the trigger level and the acquisition's state, the hold, export, the line hand-over with
// the front panel, and the controls' legibility.

#include "child.h"
#include "datatable.h"
#include "panelrig.h"
#include "scopecontrols.h"
#include "scopegraph.h"
#include "scopescales.h"
#include "scopewindow.h"
#include "simserialport.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace zr;
using namespace zr::shell;
using namespace zr::scope;
using zr::test::child;

namespace {
// The window's controls, found by their names.
struct Controls {
    QWidget *w;
    ScopeGraph *CWGraph1() const { return child<ScopeGraph>(w, "CWGraph1"); }
    ScopeKnob *Xscale() const { return child<ScopeKnob>(w, "Xscale"); }
    ScopeKnob *Yscale() const { return child<ScopeKnob>(w, "Yscale"); }
    ScopeKnob *CWKnob1() const { return child<ScopeKnob>(w, "CWKnob1"); }
    ScopeKnob *CWKnob2() const { return child<ScopeKnob>(w, "CWKnob2"); }
    ScopeSlide *CWSlide1() const { return child<ScopeSlide>(w, "CWSlide1"); }
    ScopeSwitch *CWButton1() const { return child<ScopeSwitch>(w, "CWButton1"); }
    ScopeSwitch *CWButton2() const { return child<ScopeSwitch>(w, "CWButton2"); }
    ScopeSwitch *CWButton3() const { return child<ScopeSwitch>(w, "CWButton3"); }
    ScopeSwitch *CWButton4() const { return child<ScopeSwitch>(w, "CWButton4"); }
    QLineEdit *xvalore() const { return child<QLineEdit>(w, "xvalore"); }
    QLineEdit *yvalore() const { return child<QLineEdit>(w, "yvalore"); }
    QLineEdit *allposition() const { return child<QLineEdit>(w, "allposition"); }
    QTableWidget *MSFlexGrid1() const { return child<QTableWidget>(w, "MSFlexGrid1"); }
    QTimer *Timer1() const { return child<QTimer>(w, "Timer1"); }
    QTimer *HoldTimer() const { return child<QTimer>(w, "HoldTimer"); }
    QPushButton *ExportCsv() const { return child<QPushButton>(w, "ExportCsv"); }
    QPushButton *ExportPng() const { return child<QPushButton>(w, "ExportPng"); }

    QString cell(int row, int col) const {
        const QTableWidgetItem *item = MSFlexGrid1()->item(row, col);
        return item ? item->text() : QString();
    }
};

// The front panel's controls the scope works with.
struct Panel {
    QWidget *w;
    QPushButton *Command1() const { return child<QPushButton>(w, "Command1"); }
    QTimer *Timer1() const { return child<QTimer>(w, "Timer1"); }
    QLabel *PausedSign() const { return child<QLabel>(w, "PausedSign"); }
};

struct Rig : PanelRig {
    sim::SimSerialPort *scopePort = nullptr;

    Rig() : PanelRig(kEnglish) {
        drive.scopeStream().setPeriod(std::chrono::microseconds(50));
        drive.setStatus(0x4000); // a drive program runs: the panel is offered
        RegisterScopeWindows(shell, [this] {
            auto p = std::make_unique<sim::SimSerialPort>(drive);
            scopePort = p.get();
            return p;
        });
        shell.port().Open();
    }
    ScopeWindow *scope() { return shell.forms().formAs<ScopeWindow>(kScopeWindow); }
    // The front panel's Scope button: the scope opens and takes the line.
    ScopeWindow *openFromThePanel() {
        QTest::mouseClick(child<QPushButton>(openPanel(), "Command1"), Qt::LeftButton);
        return qobject_cast<ScopeWindow *>(shell.forms().find(kScopeWindow));
    }
};

void Wheel(QWidget *w, int notches) {
    const QPointF at = QRectF(w->rect()).center();
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

void Keys(QWidget *w, Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(w, key);
}

// A discrete knob turned with the keyboard to a position.
void TurnTo(ScopeKnob *knob, int position) {
    QTest::keyClick(knob, Qt::Key_Home);
    Keys(knob, Qt::Key_Up, position - knob->minimum());
}

void ChooseMode(const Controls &w, int mode) {
    QTest::mouseClick(w.CWSlide1(), Qt::LeftButton, {}, w.CWSlide1()->slotCentre(mode).toPoint());
}

QPoint PixelOf(const ScopeGraph *g, double x, double y) {
    const QRect r = g->plotRect();
    const double xs = (x - g->axisMinimum(ScopeGraph::XAxis)) /
                      (g->axisMaximum(ScopeGraph::XAxis) - g->axisMinimum(ScopeGraph::XAxis));
    const double ys = (y - g->axisMinimum(ScopeGraph::YAxis1)) /
                      (g->axisMaximum(ScopeGraph::YAxis1) - g->axisMinimum(ScopeGraph::YAxis1));
    return {r.left() + qRound(xs * r.width()), r.bottom() - qRound(ys * r.height())};
}

int Decimals(const QString &number) {
    const qsizetype dot = number.indexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : int(number.size() - dot - 1);
}
} // namespace

class TestScopeWindow : public QObject {
    Q_OBJECT
private slots:
    void loadState();
    void axesFollowTheKnobs_data();
    void axesFollowTheKnobs();
    void modeCapsTheTimeBase_data();
    void modeCapsTheTimeBase();
    void cursorsFillTheTableAtOnce_data();
    void cursorsFillTheTableAtOnce();
    void levelLineShowsTheLevelUsed_data();
    void levelLineShowsTheLevelUsed();
    void acquisitionStateAndEdgeMarker();
    void holdReadsAndDropsTheStream();
    void exportKeepsWhatWasOnScreen();
    void scopeButtonHandsTheLineOver();
    void leavingThePanelGivesTheLineBackFirst();
    void noSamplesGivesTheLineBack();
    void controlsAreLegibleAndQtDriven();
    void rollingColumnsMatchAFreshDrawing();
};

void TestScopeWindow::loadState() {
    Rig rig;
    ScopeWindow *w = rig.scope();
    QVERIFY(w);
    const Controls c{w};
    QCOMPARE(w->objectName(), QStringLiteral("ZR_LOADER_OSCILLO"));
    QCOMPARE(w->windowTitle(), QStringLiteral("ZR3500 Loader Scope"));
    QCOMPARE(c.xvalore()->text(), QStringLiteral(" 1 Sec "));
    QCOMPARE(c.yvalore()->text(), QStringLiteral("10 V"));
    QCOMPARE(c.allposition()->text(), QStringLiteral("0"));
    QVERIFY(c.MSFlexGrid1()->isHidden());
    QCOMPARE(c.cell(0, 5), QStringLiteral("Diff. X"));
    QCOMPARE(c.CWGraph1()->axisMaximum(ScopeGraph::XAxis), double(976.56f));
    QCOMPARE(c.CWGraph1()->axisCaption(ScopeGraph::XAxis), QStringLiteral("ms"));
    QCOMPARE(c.CWGraph1()->tickLabels(ScopeGraph::XAxis),
             (QStringList{"0", "200", "400", "600", "800", "1000"})); // samples shown as ms
    QCOMPARE(c.CWGraph1()->axisCaption(ScopeGraph::YAxis2), QStringLiteral("Volt"));
    QCOMPARE(c.CWButton1()->value(), false);
    QVERIFY(!c.CWButton2()->isEnabled());
    QVERIFY(c.Timer1()->isActive());
    QCOMPARE(c.Timer1()->interval(), 5);
    QCOMPARE(c.CWGraph1()->statusText(), QStringLiteral("Rolling"));
    // The read-outs show what the knobs chose; typing changes nothing.
    for (QLineEdit *box : {c.xvalore(), c.yvalore(), c.allposition()}) {
        QTest::keyClicks(box, QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    QCOMPARE(c.xvalore()->text() + c.yvalore()->text() + c.allposition()->text(),
             QStringLiteral(" 1 Sec 10 V0"));
}

void TestScopeWindow::axesFollowTheKnobs_data() {
    // steps: Up presses on the position knob, 0.05 V each
    columns<int, int, double, double, QString, QString>("range", "steps", "samplesMin", "voltsMax",
                                                        "yText", "positionText");
    row("10 V at 0", 3, 0, -1.0, 11.42, "10 V", "0");
    row("10 V at 1", 3, 20, 10.2084, 12.42, "10 V", "1");
    row("5 V at -1.25", 2, -25, 48.9895, 4.46, "5 V", "-1.3");
}

void TestScopeWindow::axesFollowTheKnobs() {
    QFETCH(int, range);
    QFETCH(int, steps);
    QFETCH(double, samplesMin);
    QFETCH(double, voltsMax);
    Rig rig;
    const Controls c{rig.scope()};
    TurnTo(c.Yscale(), range);
    Keys(c.CWKnob1(), steps > 0 ? Qt::Key_Up : Qt::Key_Down, std::abs(steps));
    QVERIFY(qAbs(c.CWGraph1()->axisMinimum(ScopeGraph::YAxis1) - samplesMin) < 1e-3);
    QVERIFY(qAbs(c.CWGraph1()->axisMaximum(ScopeGraph::YAxis2) - voltsMax) < 1e-9);
    QTEST(c.yvalore()->text(), "yText");
    QTEST(c.allposition()->text(), "positionText");
    // Each axis writes all its ticks in one number format.
    for (int axis : {ScopeGraph::XAxis, ScopeGraph::YAxis1, ScopeGraph::YAxis2}) {
        const QStringList ticks = c.CWGraph1()->tickLabels(axis);
        for (const QString &t : ticks)
            QCOMPARE(Decimals(t), Decimals(ticks.first()));
    }
}

void TestScopeWindow::modeCapsTheTimeBase_data() {
    columns<int, int, int, QString, QString>("mode", "asked", "position", "text", "unit");
    row("Norm with 10 Min", 2, 13, 8, " 5 Sec ", "s");
    row("NoTrigg with 30 Min", 1, 14, 8, " 5 Sec ", "s");
    row("Roll with 30 Min", 0, 14, 14, " 30 Min ", "min");
    row("Norm with 200 mSec", 2, 4, 4, "200 mSec", "ms");
}

void TestScopeWindow::modeCapsTheTimeBase() {
    QFETCH(int, mode);
    QFETCH(int, asked);
    Rig rig;
    const Controls c{rig.scope()};
    // The time base first, then the mode; and the other way round.
    TurnTo(c.Xscale(), asked);
    ChooseMode(c, mode);
    QCOMPARE(c.CWSlide1()->value(), mode);
    QTEST(c.Xscale()->position(), "position");
    TurnTo(c.Xscale(), asked);
    QTEST(c.Xscale()->position(), "position");
    QTEST(c.xvalore()->text(), "text");
    QCOMPARE(c.CWGraph1()->axisMaximum(ScopeGraph::XAxis),
             double(TimeBaseAt(c.Xscale()->position()).value));
    QTEST(c.CWGraph1()->axisCaption(ScopeGraph::XAxis), "unit");
}

// The readings' own texts are held by tst_scopescales; here the cursors' first places.
void TestScopeWindow::cursorsFillTheTableAtOnce_data() {
    QTest::addColumn<int>("timeBase");
    QTest::addColumn<QStringList>("cells"); // as the cursors start, columns 1..7
    row("20 mS: X 5 and 10", 1,
        QStringList{" 5.12 ms", "-0.94 V", " 10.24 ms", " 0.85 V", " 5.12 ms", " 1.8 V",
                    " 195.31 Hz"});
    row("5 S: the same places on the screen", 8,
        QStringList{" 1.28 s", "-0.94 V", " 2.56 s", " 0.85 V", " 1.28 s", " 1.8 V", " 0.78 Hz"});
}

void TestScopeWindow::cursorsFillTheTableAtOnce() {
    QFETCH(int, timeBase);
    Rig rig;
    const Controls c{rig.scope()};
    rig.host.show();
    ChooseMode(c, kNoTrigg);
    TurnTo(c.Xscale(), timeBase);
    QTest::mouseClick(c.CWButton2(), Qt::LeftButton);
    QVERIFY(!c.MSFlexGrid1()->isHidden());
    QStringList row;
    for (int col = 1; col <= 7; ++col)
        row << c.cell(1, col);
    QTEST(row, "cells");
    // Both cursors start inside the screen, clear of its edges.
    const ScopeGraph *g = c.CWGraph1();
    for (int k : {ScopeGraph::Cursor1, ScopeGraph::Cursor2})
        QVERIFY(g->plotRect()
                    .adjusted(20, 20, -20, -20)
                    .contains(PixelOf(g, g->cursorX(k), g->cursorY(k))));
    // Every text fits its column.
    const QFontMetrics fm(c.MSFlexGrid1()->font());
    for (int r = 0; r < 2; ++r)
        for (int col = 0; col < c.MSFlexGrid1()->columnCount(); ++col)
            QVERIFY2(fm.horizontalAdvance(c.cell(r, col)) + 4 <= c.MSFlexGrid1()->columnWidth(col),
                     qPrintable(c.cell(r, col)));
    // Dragging Cursor-1 with the mouse to the top left corner of the plot.
    const QRect r = g->plotRect();
    QTest::mousePress(c.CWGraph1(), Qt::LeftButton, {},
                      PixelOf(g, g->cursorX(ScopeGraph::Cursor1), g->cursorY(ScopeGraph::Cursor1)));
    QTest::mouseRelease(c.CWGraph1(), Qt::LeftButton, {}, QPoint(r.left(), r.top()));
    QCOMPARE(g->cursorX(ScopeGraph::Cursor1), 0.0);
    QCOMPARE(c.cell(1, 1), QStringLiteral(" 0 ") + g->axisCaption(ScopeGraph::XAxis));
    QCOMPARE(c.cell(1, 2), QStringLiteral(" 11.42 V"));
    QTest::mouseClick(c.CWButton2(), Qt::LeftButton);
    QVERIFY(c.MSFlexGrid1()->isHidden());
    QCOMPARE(c.cell(1, 5), QString()); // emptied
    // Roll turns the measurement off, and a click does not turn it on there.
    QTest::mouseClick(c.CWButton2(), Qt::LeftButton);
    ChooseMode(c, kRoll);
    QVERIFY(!c.CWButton2()->value() && !c.CWButton2()->isEnabled());
    QVERIFY(!g->cursorVisible(ScopeGraph::Cursor1) && !g->cursorVisible(ScopeGraph::Cursor2));
    QTest::mouseClick(c.CWButton2(), Qt::LeftButton);
    QVERIFY(!g->cursorVisible(ScopeGraph::Cursor1) && c.MSFlexGrid1()->isHidden());
}

void TestScopeWindow::levelLineShowsTheLevelUsed_data() {
    QTest::addColumn<QString>("how");
    row("mouse", "mouse");
    row("wheel", "wheel");
    row("arrow keys", "keys");
    row("page keys", "page");
}

void TestScopeWindow::levelLineShowsTheLevelUsed() {
    QFETCH(QString, how);
    Rig rig;
    const Controls c{rig.scope()};
    QTest::mouseClick(c.CWButton3(), Qt::LeftButton);
    QVERIFY(c.CWGraph1()->cursorVisible(ScopeGraph::Cursor3));
    ScopeKnob *knob = c.CWKnob2();
    if (how == QLatin1String("mouse"))
        QTest::mouseClick(knob, Qt::LeftButton, {}, knob->markPoint(60).toPoint());
    else if (how == QLatin1String("wheel"))
        Wheel(knob, 20);
    else if (how == QLatin1String("keys"))
        Keys(knob, Qt::Key_Up, 60);
    else
        Keys(knob, Qt::Key_PageUp, 1);
    QVERIFY(knob->value() > 0);
    const double used = knob->value() + 127; // what the trigger search compares with
    QCOMPARE(c.CWGraph1()->cursorY(ScopeGraph::Cursor3), used);
    // Dragging the line sets the knob, in whole sample units.
    const QRect r = c.CWGraph1()->plotRect();
    const QPoint on = PixelOf(c.CWGraph1(), 0, used);
    QTest::mousePress(c.CWGraph1(), Qt::LeftButton, {}, QPoint(r.center().x(), on.y()));
    QTest::mouseRelease(c.CWGraph1(), Qt::LeftButton, {}, QPoint(r.center().x(), r.top() + 40));
    QCOMPARE(c.CWGraph1()->cursorY(ScopeGraph::Cursor3), knob->value() + 127);
    QVERIFY(knob->value() > used - 127);
    // And turning the knob again moves the line again.
    Keys(knob, Qt::Key_Down, 3);
    QCOMPARE(c.CWGraph1()->cursorY(ScopeGraph::Cursor3), knob->value() + 127);
}

void TestScopeWindow::acquisitionStateAndEdgeMarker() {
    Rig rig;
    ScopeWindow *w = rig.openFromThePanel();
    QVERIFY(w);
    const Controls c{w};
    QVERIFY(!c.CWGraph1()->triggerMarkerShown()); // Roll uses no level
    TurnTo(c.Xscale(), 1);
    ChooseMode(c, kNorm);
    QVERIFY(c.CWGraph1()->triggerMarkerShown());
    // The step response crosses this level: triggered.
    QTest::keyClick(c.CWKnob2(), Qt::Key_Home);
    Keys(c.CWKnob2(), Qt::Key_PageUp, 5);
    Keys(c.CWKnob2(), Qt::Key_Up, 13);
    QCOMPARE(c.CWKnob2()->value(), 13.0);
    QCOMPARE(c.CWGraph1()->triggerLevelSide(), ScopeGraph::LevelInside);
    QTRY_COMPARE(c.CWGraph1()->statusText(), QStringLiteral("Triggered"));
    // A level the signal never reaches, above the screen: the marker sits on the top edge, and
    // after a while the scope says it waits. The search goes on inside the tick until the user
    // holds.
    QTest::keyClick(c.CWKnob2(), Qt::Key_End);
    QCOMPARE(c.CWGraph1()->triggerLevelSide(), ScopeGraph::LevelAbove);
    QCOMPARE(c.CWGraph1()->triggerMarkerRect().top(), double(c.CWGraph1()->plotRect().top()));
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, w, [&c] {
        if (c.CWGraph1()->statusText() == QLatin1String("Waiting for trigger"))
            QTest::mouseClick(c.CWButton1(), Qt::LeftButton); // hold
    });
    user.start(20);
    QTRY_COMPARE(c.CWGraph1()->statusText(), QStringLiteral("Hold"));
    user.stop();
    rig.shell.forms().unload(kScopeWindow);
}

void TestScopeWindow::holdReadsAndDropsTheStream() {
    Rig rig;
    rig.drive.scopeStream().setPeriod(std::chrono::microseconds(20));
    ScopeWindow *w = rig.openFromThePanel();
    QVERIFY(w);
    const Controls c{w};
    QTRY_VERIFY(c.CWGraph1()->trace().size() > 0);
    QTest::mouseClick(c.CWButton1(), Qt::LeftButton); // hold ("Save")
    QVERIFY(c.CWButton1()->value());
    QVERIFY(!c.Timer1()->isActive());
    QVERIFY(rig.scopePort->IsOpen()); // the line stays with the scope
    const QByteArray shown = c.CWGraph1()->trace().samples();
    const qint64 taken = rig.drive.scopeStream().sent();
    // Many seconds of the drive's stream arrive while the picture is held: they are read from
    // the port and dropped, and the picture stays as it was.
    QSignalSpy drains(c.HoldTimer(), &QTimer::timeout);
    QTRY_VERIFY(rig.drive.scopeStream().sent() > taken + 20 * 977 && drains.count() >= 3);
    QCOMPARE(c.CWGraph1()->trace().samples(), shown);
    QTest::keyClick(c.CWButton1(), Qt::Key_Space); // run
    QVERIFY(c.Timer1()->isActive());
    QVERIFY(!c.HoldTimer()->isActive());
    // "Acquire": held while pressed, runs again when let go.
    QTest::mouseClick(c.CWButton1(), Qt::LeftButton);
    QTest::mousePress(c.CWButton4(), Qt::LeftButton);
    QVERIFY(c.CWButton1()->value());
    QTest::mouseRelease(c.CWButton4(), Qt::LeftButton);
    QVERIFY(!c.CWButton1()->value());
    QVERIFY(c.Timer1()->isActive());
    rig.shell.forms().unload(kScopeWindow);
}

void TestScopeWindow::exportKeepsWhatWasOnScreen() {
    Rig rig;
    const Controls c{rig.scope()};
    c.CWGraph1()->chart(QByteArray("\x80\x81", 2));
    QTemporaryDir dir;
    // The acquisition goes on while the dialog is open: the file holds the screen of the press.
    rig.modals.then([&](QWidget *dialog) {
        c.CWGraph1()->chart(QByteArray("\x01\x02\x03", 3));
        // The name typed without an extension, then Save.
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
            ->setText(dir.filePath(QStringLiteral("trace")));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save),
                          Qt::LeftButton);
    });
    QTest::mouseClick(c.ExportCsv(), Qt::LeftButton);
    QFile f(dir.filePath(QStringLiteral("trace.csv")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray lines = f.readAll();
    QCOMPARE(lines.count('\n'), 3);
    QVERIFY(lines.contains("1.024,129,"));
    rig.modals.choose(dir.filePath(QStringLiteral("picture")));
    QTest::mouseClick(c.ExportPng(), Qt::LeftButton);
    QCOMPARE(rig.modals.seen().last().suffix, QStringLiteral("png"));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("picture.png"))).size(), c.CWGraph1()->size());
    // A target that cannot be written is reported.
    rig.modals.choose(dir.filePath(QStringLiteral("missing/trace.csv")));
    QTest::mouseClick(c.ExportCsv(), Qt::LeftButton);
    QCOMPARE(rig.modals.seen().last().kind, QStringLiteral("msgbox"));
    QVERIFY(rig.modals.seen().last().text.startsWith(QStringLiteral("Cannot write")));
}

void TestScopeWindow::scopeButtonHandsTheLineOver() {
    Rig rig;
    const Panel front{rig.openPanel()};
    QVERIFY(front.Timer1()->isActive());
    QVERIFY(front.PausedSign()->isHidden());
    ScopeWindow *w = rig.openFromThePanel();
    QVERIFY(w);
    const Controls c{w};
    QVERIFY(!front.Command1()->isEnabled());
    QVERIFY(!front.Timer1()->isActive());
    QVERIFY(!front.PausedSign()->isHidden()); // the display says why it stands still
    QCOMPARE(front.PausedSign()->text(), QStringLiteral("Paused: the scope has the line"));
    QVERIFY(!rig.port.IsOpen());
    QVERIFY(rig.scopePort->IsOpen());
    QVERIFY(rig.drive.scopeStream().running());
    QTRY_VERIFY(c.CWGraph1()->trace().size() > 0);
    // A key of the front panel stops the scope first and gives the line back.
    auto *plus = child<QWidget>(rig.shell.forms().find(kFrontWindow), "GlossSphere1_1");
    QTest::mouseClick(plus, Qt::LeftButton, {}, plus->rect().center());
    QVERIFY(!rig.scopePort->IsOpen());
    QVERIFY(rig.port.IsOpen());
    QVERIFY(c.CWButton1()->value()); // holding
    QCOMPARE(c.CWGraph1()->statusText(), QStringLiteral("Hold"));
    QVERIFY(front.Timer1()->isActive());
    QVERIFY(front.PausedSign()->isHidden());
    // Run again takes the line back; closing the scope returns it.
    QTest::mouseClick(c.CWButton1(), Qt::LeftButton);
    QVERIFY(rig.scopePort->IsOpen());
    QVERIFY(!rig.port.IsOpen());
    w->close(); // the window's frame
    QVERIFY(!rig.shell.forms().isLoaded(kScopeWindow));
    QVERIFY(rig.port.IsOpen());
    QVERIFY(!rig.drive.scopeStream().running());
    QVERIFY(front.Command1()->isEnabled());
    QVERIFY(front.Timer1()->isActive());
}

void TestScopeWindow::leavingThePanelGivesTheLineBackFirst() {
    Rig rig;
    QVERIFY(rig.openFromThePanel());
    QVERIFY(!rig.port.IsOpen());
    // "Com Setting" while the scope runs: the panel unloads, the link is switched on.
    rig.shell.showPage(kPageLink);
    QVERIFY(!rig.shell.forms().isLoaded(kScopeWindow));
    QVERIFY(!rig.drive.scopeStream().running());
    QVERIFY(rig.shell.link().linkEnabled());
    QCOMPARE(rig.state.CommResult, LinkResult::NoError);
    QVERIFY(rig.toolbar.isButtonEnabled(ToolbarButton::Front)); // the panel can be opened again
}

void TestScopeWindow::noSamplesGivesTheLineBack() {
    Rig rig;
    rig.drive.scopeStream().setPeriod(std::chrono::hours(1)); // the drive never sends
    const Panel front{rig.openPanel()};
    QTest::mouseClick(front.Command1(), Qt::LeftButton);
    QVERIFY(!rig.shell.forms().isLoaded(kScopeWindow));
    QVERIFY(front.Command1()->isEnabled());
    QVERIFY(front.Timer1()->isActive());
    QVERIFY(front.PausedSign()->isHidden());
    QVERIFY(rig.port.IsOpen());
    QCOMPARE(rig.modals.messages().value(0),
             QStringLiteral("The drive sent no samples: the scope has been closed."));
}

void TestScopeWindow::controlsAreLegibleAndQtDriven() {
    Rig rig;
    ScopeWindow *w = rig.scope();
    const Controls c{w};
    for (ScopeKnob *knob : w->findChildren<ScopeKnob *>()) {
        const QList<QRectF> labels = knob->labelRects();
        QVERIFY(!labels.isEmpty());
        for (qsizetype i = 0; i < labels.size(); ++i) {
            QVERIFY2(QRectF(knob->rect()).contains(labels[i]), qPrintable(knob->objectName()));
            for (qsizetype j = i + 1; j < labels.size(); ++j)
                QVERIFY2(!labels[i].adjusted(-1, -1, 1, 1).intersects(labels[j]),
                         qPrintable(QStringLiteral("%1: %2 and %3")
                                        .arg(knob->objectName())
                                        .arg(i + 1)
                                        .arg(j + 1)));
        }
    }
    for (ScopeSwitch *s : w->findChildren<ScopeSwitch *>()) {
        QVERIFY2(s->sizeHint().width() <= s->width(), qPrintable(s->objectName()));
        QVERIFY(s->textRect().left() > 2 && s->textRect().right() < s->width() - 2);
    }
    // The wheel moves a time base knob one position a notch, both ways.
    const int p = c.Xscale()->position();
    Wheel(c.Xscale(), 1);
    QCOMPARE(c.Xscale()->position(), p + 1);
    QCOMPARE(c.xvalore()->text(), QString::fromLatin1(TimeBaseAt(p + 1).text));
    Wheel(c.Xscale(), -2);
    QCOMPARE(c.Xscale()->position(), p - 1);
    Wheel(c.CWSlide1(), 1);
    QCOMPARE(c.CWSlide1()->value(), int(kNoTrigg));
}

// A rolling long screen keeps the columns it has summed; the picture must be the one a fresh
// graph draws from the same samples.
void TestScopeWindow::rollingColumnsMatchAFreshDrawing() {
    ScopeGraph rolling;
    rolling.resize(400, 200);
    rolling.setAxisRange(ScopeGraph::XAxis, 0, 50000.5);
    QRandomGenerator rng(7);
    QByteArray all;
    const auto picture = [](const ScopeGraph &g) {
        QImage img(g.size(), QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        g.drawTrace(p, g.plotRect());
        return img;
    };
    for (int frame = 0; frame < 80; ++frame) {
        QByteArray piece;
        const int n = frame == 0 ? 60000 : 1 + int(rng.bounded(3000));
        for (int i = 0; i < n; ++i)
            piece.append(char(rng.bounded(256)));
        rolling.chart(piece);
        all += piece;
        if (frame % 8 != 7)
            continue;
        ScopeGraph fresh;
        fresh.resize(rolling.size());
        fresh.setAxisRange(ScopeGraph::XAxis, 0, 50000.5);
        fresh.chart(all);
        QCOMPARE(fresh.trace().oldestNumber(), rolling.trace().oldestNumber());
        QCOMPARE(picture(rolling), picture(fresh));
    }
}

QTEST_MAIN(TestScopeWindow)
#include "tst_scopewindow.moc"
