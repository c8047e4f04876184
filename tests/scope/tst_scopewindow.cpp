// ZR_LOADER_OSCILLO on a fresh shell over the in-process simulated drive, worked with the mouse,
// the wheel and the keyboard: load state, axes, mode rules, the measurement cursors and their
// table, the trigger level and the acquisition's state, the hold, export, the line hand-over with
// the front panel, and the controls' legibility.

#include "child.h"
#include "datatable.h"
#include "frontwindow.h"
#include "panelrig.h"
#include "scopecontrols.h"
#include "scopegraph.h"
#include "scopescales.h"
#include "scopewindow.h"
#include "serialstatewindow.h"
#include "simserialport.h"
#include "toggleswitch.h"

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

namespace {
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
        QTest::mouseClick(openPanel()->Command1, Qt::LeftButton);
        return qobject_cast<ScopeWindow *>(shell.forms().find(kScopeWindow));
    }
    static QString cell(ScopeWindow *w, int row, int col) {
        const QTableWidgetItem *item = w->MSFlexGrid1->item(row, col);
        return item ? item->text() : QString();
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

void ChooseMode(ScopeWindow *w, int mode) {
    QTest::mouseClick(w->CWSlide1, Qt::LeftButton, {}, w->CWSlide1->slotCentre(mode).toPoint());
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
    QCOMPARE(w->objectName(), QStringLiteral("ZR_LOADER_OSCILLO"));
    QCOMPARE(w->windowTitle(), QStringLiteral("ZR3500 Loader Scope"));
    QCOMPARE(w->xvalore->text(), QStringLiteral(" 1 Sec "));
    QCOMPARE(w->yvalore->text(), QStringLiteral("10 V"));
    QCOMPARE(w->allposition->text(), QStringLiteral("0"));
    QVERIFY(w->MSFlexGrid1->isHidden());
    QCOMPARE(Rig::cell(w, 0, 5), QStringLiteral("Diff. X"));
    QCOMPARE(w->CWGraph1->axisMaximum(ScopeGraph::XAxis), double(976.56f));
    QCOMPARE(w->CWGraph1->axisCaption(ScopeGraph::XAxis), QStringLiteral("ms"));
    QCOMPARE(w->CWGraph1->tickLabels(ScopeGraph::XAxis),
             (QStringList{"0", "200", "400", "600", "800", "1000"}));
    QCOMPARE(w->CWGraph1->axisCaption(ScopeGraph::YAxis2), QStringLiteral("Volt"));
    QCOMPARE(w->CWButton1->value(), false);
    QVERIFY(!w->CWButton2->isEnabled());
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->Timer1->interval(), 5);
    QCOMPARE(w->CWGraph1->statusText(), QStringLiteral("Rolling"));
    // The read-outs show what the knobs chose; typing changes nothing.
    for (QLineEdit *box : {w->xvalore, w->yvalore, w->allposition}) {
        const QString before = box->text();
        QTest::keyClicks(box, QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), before);
    }
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
    Rig rig;
    ScopeWindow *w = rig.scope();
    TurnTo(w->Yscale, range);
    Keys(w->CWKnob1, steps > 0 ? Qt::Key_Up : Qt::Key_Down, std::abs(steps));
    QFETCH(double, samplesMin);
    QFETCH(double, voltsMax);
    QVERIFY(qAbs(w->CWGraph1->axisMinimum(ScopeGraph::YAxis1) - samplesMin) < 1e-3);
    QVERIFY(qAbs(w->CWGraph1->axisMaximum(ScopeGraph::YAxis2) - voltsMax) < 1e-9);
    QTEST(w->yvalore->text(), "yText");
    QTEST(w->allposition->text(), "positionText");
    // Each axis writes all its ticks in one number format.
    for (int axis : {ScopeGraph::XAxis, ScopeGraph::YAxis1, ScopeGraph::YAxis2}) {
        const QStringList ticks = w->CWGraph1->tickLabels(axis);
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
    ScopeWindow *w = rig.scope();
    // The time base first, then the mode; and the other way round.
    TurnTo(w->Xscale, asked);
    ChooseMode(w, mode);
    QCOMPARE(w->CWSlide1->value(), mode);
    QTEST(w->Xscale->position(), "position");
    QTEST(w->xvalore->text(), "text");
    TurnTo(w->Xscale, asked);
    QTEST(w->Xscale->position(), "position");
    QTEST(w->xvalore->text(), "text");
    QCOMPARE(w->CWGraph1->axisMaximum(ScopeGraph::XAxis),
             double(TimeBaseAt(w->Xscale->position()).value));
    QTEST(w->CWGraph1->axisCaption(ScopeGraph::XAxis), "unit");
}

void TestScopeWindow::cursorsFillTheTableAtOnce_data() {
    QTest::addColumn<int>("timeBase");
    QTest::addColumn<QStringList>("cells"); // as the cursors start, columns 1..7
    row("20 mS: X 5 and 10", 1,
        QStringList{" 5.12 ms", "-0.94 V", " 10.24 ms", " 0.85 V", " 5.12 ms", " 1.8 V",
                    " 195.31 Hz"});
    row("1 S", 6,
        QStringList{" 256.01 ms", "-0.94 V", " 512.03 ms", " 0.85 V", " 256.01 ms", " 1.8 V",
                    " 3.9 Hz"});
    row("5 S", 8,
        QStringList{" 1.28 s", "-0.94 V", " 2.56 s", " 0.85 V", " 1.28 s", " 1.8 V", " 0.78 Hz"});
}

void TestScopeWindow::cursorsFillTheTableAtOnce() {
    QFETCH(int, timeBase);
    Rig rig;
    ScopeWindow *w = rig.scope();
    rig.host.show();
    ChooseMode(w, kNoTrigg);
    TurnTo(w->Xscale, timeBase);
    QTest::mouseClick(w->CWButton2, Qt::LeftButton);
    QVERIFY(!w->MSFlexGrid1->isHidden());
    QStringList row;
    for (int c = 1; c <= 7; ++c)
        row << Rig::cell(w, 1, c);
    QTEST(row, "cells");
    // Both cursors start inside the screen, clear of its edges.
    const ScopeGraph *g = w->CWGraph1;
    for (int c : {ScopeGraph::Cursor1, ScopeGraph::Cursor2}) {
        const QPoint at = PixelOf(g, g->cursorX(c), g->cursorY(c));
        QVERIFY(g->plotRect().adjusted(20, 20, -20, -20).contains(at));
    }
    // Every text fits its column.
    const QFontMetrics fm(w->MSFlexGrid1->font());
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < w->MSFlexGrid1->columnCount(); ++c)
            QVERIFY2(fm.horizontalAdvance(Rig::cell(w, r, c)) + 4 <= w->MSFlexGrid1->columnWidth(c),
                     qPrintable(Rig::cell(w, r, c)));
    // Dragging Cursor-1 with the mouse to the top left corner of the plot.
    const QRect r = g->plotRect();
    QTest::mousePress(w->CWGraph1, Qt::LeftButton, {},
                      PixelOf(g, g->cursorX(ScopeGraph::Cursor1), g->cursorY(ScopeGraph::Cursor1)));
    QTest::mouseRelease(w->CWGraph1, Qt::LeftButton, {}, QPoint(r.left(), r.top()));
    QCOMPARE(g->cursorX(ScopeGraph::Cursor1), 0.0);
    QCOMPARE(Rig::cell(w, 1, 1), QStringLiteral(" 0 ") + g->axisCaption(ScopeGraph::XAxis));
    QCOMPARE(Rig::cell(w, 1, 2), QStringLiteral(" 11.42 V"));
    QTest::mouseClick(w->CWButton2, Qt::LeftButton);
    QVERIFY(w->MSFlexGrid1->isHidden());
    QCOMPARE(Rig::cell(w, 1, 5), QString()); // emptied
    // Roll turns the measurement off, and a click does not turn it on there.
    QTest::mouseClick(w->CWButton2, Qt::LeftButton);
    ChooseMode(w, kRoll);
    QVERIFY(!w->CWButton2->value() && !w->CWButton2->isEnabled());
    QVERIFY(!g->cursorVisible(ScopeGraph::Cursor1) && !g->cursorVisible(ScopeGraph::Cursor2));
    QVERIFY(w->MSFlexGrid1->isHidden());
    QTest::mouseClick(w->CWButton2, Qt::LeftButton);
    QVERIFY(!g->cursorVisible(ScopeGraph::Cursor1) && w->MSFlexGrid1->isHidden());
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
    ScopeWindow *w = rig.scope();
    QTest::mouseClick(w->CWButton3, Qt::LeftButton);
    QVERIFY(w->CWGraph1->cursorVisible(ScopeGraph::Cursor3));
    ScopeKnob *knob = w->CWKnob2;
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
    QCOMPARE(w->CWGraph1->cursorY(ScopeGraph::Cursor3), used);
    // Dragging the line sets the knob, in whole sample units.
    const QRect r = w->CWGraph1->plotRect();
    const QPoint on = PixelOf(w->CWGraph1, 0, used);
    QTest::mousePress(w->CWGraph1, Qt::LeftButton, {}, QPoint(r.center().x(), on.y()));
    QTest::mouseRelease(w->CWGraph1, Qt::LeftButton, {}, QPoint(r.center().x(), r.top() + 40));
    QCOMPARE(w->CWGraph1->cursorY(ScopeGraph::Cursor3), knob->value() + 127);
    QVERIFY(knob->value() > used - 127);
    // And turning the knob again moves the line again.
    Keys(knob, Qt::Key_Down, 3);
    QCOMPARE(w->CWGraph1->cursorY(ScopeGraph::Cursor3), knob->value() + 127);
}

void TestScopeWindow::acquisitionStateAndEdgeMarker() {
    Rig rig;
    ScopeWindow *w = rig.openFromThePanel();
    QVERIFY(w);
    QVERIFY(!w->CWGraph1->triggerMarkerShown()); // Roll uses no level
    TurnTo(w->Xscale, 1);
    ChooseMode(w, kNorm);
    QVERIFY(w->CWGraph1->triggerMarkerShown());
    // The step response crosses this level: triggered.
    QTest::keyClick(w->CWKnob2, Qt::Key_Home);
    Keys(w->CWKnob2, Qt::Key_PageUp, 5);
    Keys(w->CWKnob2, Qt::Key_Up, 13);
    QCOMPARE(w->CWKnob2->value(), 13.0);
    QCOMPARE(w->CWGraph1->triggerLevelSide(), ScopeGraph::LevelInside);
    QTRY_COMPARE(w->CWGraph1->statusText(), QStringLiteral("Triggered"));
    // A level the signal never reaches, above the screen: the marker sits on the top edge, and
    // after a while the scope says it waits. The search goes on inside the tick until the user
    // holds.
    QTest::keyClick(w->CWKnob2, Qt::Key_End);
    QCOMPARE(w->CWGraph1->triggerLevelSide(), ScopeGraph::LevelAbove);
    QCOMPARE(w->CWGraph1->triggerMarkerRect().top(), double(w->CWGraph1->plotRect().top()));
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, w, [w] {
        if (w->CWGraph1->statusText() == QLatin1String("Waiting for trigger"))
            QTest::mouseClick(w->CWButton1, Qt::LeftButton); // hold
    });
    user.start(20);
    QTRY_COMPARE(w->CWGraph1->statusText(), QStringLiteral("Hold"));
    user.stop();
    rig.shell.forms().unload(kScopeWindow);
}

void TestScopeWindow::holdReadsAndDropsTheStream() {
    Rig rig;
    rig.drive.scopeStream().setPeriod(std::chrono::microseconds(20));
    ScopeWindow *w = rig.openFromThePanel();
    QVERIFY(w);
    QTRY_VERIFY(w->CWGraph1->trace().size() > 0);
    QTest::mouseClick(w->CWButton1, Qt::LeftButton); // hold ("Save")
    QVERIFY(w->CWButton1->value());
    QVERIFY(!w->Timer1->isActive());
    QVERIFY(rig.scopePort->IsOpen()); // the line stays with the scope
    const QByteArray shown = w->CWGraph1->trace().samples();
    const qint64 taken = rig.drive.scopeStream().sent();
    // Many seconds of the drive's stream arrive while the picture is held: they are read from
    // the port and dropped, and the picture stays as it was.
    QSignalSpy drains(w->HoldTimer, &QTimer::timeout);
    QTRY_VERIFY(rig.drive.scopeStream().sent() > taken + 20 * 977 && drains.count() >= 3);
    QCOMPARE(w->CWGraph1->trace().samples(), shown);
    QTest::keyClick(w->CWButton1, Qt::Key_Space); // run
    QVERIFY(w->Timer1->isActive());
    QVERIFY(!w->HoldTimer->isActive());
    // "Acquire": held while pressed, runs again when let go.
    QTest::mouseClick(w->CWButton1, Qt::LeftButton);
    QTest::mousePress(w->CWButton4, Qt::LeftButton);
    QVERIFY(w->CWButton1->value());
    QTest::mouseRelease(w->CWButton4, Qt::LeftButton);
    QVERIFY(!w->CWButton1->value());
    QVERIFY(w->Timer1->isActive());
    rig.shell.forms().unload(kScopeWindow);
}

void TestScopeWindow::exportKeepsWhatWasOnScreen() {
    Rig rig;
    ScopeWindow *w = rig.scope();
    w->CWGraph1->chart(QByteArray("\x80\x81", 2));
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("trace.csv"));
    // The acquisition goes on while the dialog is open: the file holds the screen of the press.
    rig.modals.then([&](QWidget *dialog) {
        w->CWGraph1->chart(QByteArray("\x01\x02\x03", 3));
        // The name typed without an extension, then Save.
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
            ->setText(dir.filePath(QStringLiteral("trace")));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save),
                          Qt::LeftButton);
    });
    QTest::mouseClick(w->ExportCsv, Qt::LeftButton);
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray lines = f.readAll();
    QCOMPARE(lines.count('\n'), 3);
    QVERIFY(lines.contains("1.024,129,"));
    rig.modals.choose(dir.filePath(QStringLiteral("picture")));
    QTest::mouseClick(w->ExportPng, Qt::LeftButton);
    QCOMPARE(rig.modals.seen().last().suffix, QStringLiteral("png"));
    QImage image(dir.filePath(QStringLiteral("picture.png")));
    QCOMPARE(image.size(), w->CWGraph1->size());
    // A target that cannot be written is reported.
    rig.modals.choose(dir.filePath(QStringLiteral("missing/trace.csv")));
    QTest::mouseClick(w->ExportCsv, Qt::LeftButton);
    QCOMPARE(rig.modals.seen().last().kind, QStringLiteral("msgbox"));
    QVERIFY(rig.modals.seen().last().text.startsWith(QStringLiteral("Cannot write")));
}

void TestScopeWindow::scopeButtonHandsTheLineOver() {
    Rig rig;
    front::FrontWindow *front = rig.openPanel();
    QVERIFY(front->Timer1->isActive());
    QVERIFY(front->PausedSign->isHidden());
    ScopeWindow *w = rig.openFromThePanel();
    QVERIFY(w);
    QVERIFY(!front->Command1->isEnabled());
    QVERIFY(!front->Timer1->isActive());
    QVERIFY(!front->PausedSign->isHidden()); // the display says why it stands still
    QCOMPARE(front->PausedSign->text(), QStringLiteral("Paused: the scope has the line"));
    QVERIFY(!rig.port.IsOpen());
    QVERIFY(rig.scopePort->IsOpen());
    QVERIFY(rig.drive.scopeStream().running());
    QTRY_VERIFY(w->CWGraph1->trace().size() > 0);
    // A key of the front panel stops the scope first and gives the line back.
    QWidget *plus = front->GlossSphere1.at(1);
    QTest::mousePress(plus, Qt::LeftButton, {}, plus->rect().center());
    QTest::mouseRelease(plus, Qt::LeftButton, {}, plus->rect().center());
    QVERIFY(!rig.scopePort->IsOpen());
    QVERIFY(rig.port.IsOpen());
    QVERIFY(w->CWButton1->value()); // holding
    QCOMPARE(w->CWGraph1->statusText(), QStringLiteral("Hold"));
    QVERIFY(front->Timer1->isActive());
    QVERIFY(front->PausedSign->isHidden());
    // Run again takes the line back; closing the scope returns it.
    QTest::mouseClick(w->CWButton1, Qt::LeftButton);
    QVERIFY(rig.scopePort->IsOpen());
    QVERIFY(!rig.port.IsOpen());
    w->close(); // the window's frame
    QVERIFY(!rig.shell.forms().isLoaded(kScopeWindow));
    QVERIFY(rig.port.IsOpen());
    QVERIFY(!rig.drive.scopeStream().running());
    QVERIFY(front->Command1->isEnabled());
    QVERIFY(front->Timer1->isActive());
}

void TestScopeWindow::leavingThePanelGivesTheLineBackFirst() {
    Rig rig;
    ScopeWindow *w = rig.openFromThePanel();
    QVERIFY(w);
    QVERIFY(!rig.port.IsOpen());
    // "Com Setting" while the scope runs: the panel unloads, the link is switched on.
    rig.shell.showPage(kPageLink);
    QVERIFY(!rig.shell.forms().isLoaded(kScopeWindow));
    QVERIFY(!rig.drive.scopeStream().running());
    auto *link = rig.shell.forms().formAs<SerialStateWindow>(kLinkWindow);
    QVERIFY(zr::test::child<ToggleSwitch>(link, "CWButton1")->Value());
    QCOMPARE(rig.state.CommResult, LinkResult::NoError);
    QVERIFY(rig.toolbar.isButtonEnabled(ToolbarButton::Front)); // the panel can be opened again
}

void TestScopeWindow::noSamplesGivesTheLineBack() {
    Rig rig;
    rig.drive.scopeStream().setPeriod(std::chrono::hours(1)); // the drive never sends
    front::FrontWindow *front = rig.openPanel();
    QTest::mouseClick(front->Command1, Qt::LeftButton);
    QVERIFY(!rig.shell.forms().isLoaded(kScopeWindow));
    QVERIFY(front->Command1->isEnabled());
    QVERIFY(front->Timer1->isActive());
    QVERIFY(front->PausedSign->isHidden());
    QVERIFY(rig.port.IsOpen());
    QCOMPARE(rig.modals.messages().value(0),
             QStringLiteral("The drive sent no samples: the scope has been closed."));
}

void TestScopeWindow::controlsAreLegibleAndQtDriven() {
    Rig rig;
    ScopeWindow *w = rig.scope();
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
        QVERIFY(qobject_cast<QAbstractButton *>(s));
        QVERIFY2(s->sizeHint().width() <= s->width(), qPrintable(s->objectName()));
        QVERIFY(s->textRect().left() > 2 && s->textRect().right() < s->width() - 2);
    }
    // The wheel moves a time base knob one position a notch, both ways.
    const int p = w->Xscale->position();
    Wheel(w->Xscale, 1);
    QCOMPARE(w->Xscale->position(), p + 1);
    QCOMPARE(w->xvalore->text(), QString::fromLatin1(TimeBaseAt(p + 1).text));
    Wheel(w->Xscale, -2);
    QCOMPARE(w->Xscale->position(), p - 1);
    Wheel(w->CWSlide1, 1);
    QCOMPARE(w->CWSlide1->value(), int(kNoTrigg));
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
