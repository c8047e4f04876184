#include "scopewindow.h"

#include "savefile.h"

#include "dialogs.h"
#include "hardwareserialport.h"
#include "scopecontrols.h"
#include "scopeexport.h"
#include "scopegraph.h"
#include "scopescales.h"
#include "scopetexts.h"
#include "shell.h"
#include "twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <array>
#include <cmath>

namespace zr::scope {

namespace {
using shell::TwipsToPx;

// How often a held picture drops what the stream brought: about 200 samples at the drive's rate.
constexpr int kHoldDrainMs = 200;

QRect Twips(int left, int top, int width, int height) {
    return {TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height)};
}

QStringList KnobLabels(bool timeBases) {
    QStringList out;
    if (timeBases) {
        for (const TimeBase &t : kTimeBases)
            out << QString::fromLatin1(t.knobLabel);
    } else {
        for (const VoltsRange &v : kVoltsRanges)
            out << QString::fromLatin1(v.knobLabel);
    }
    return out;
}

template <class W> W *Named(W *w, const QString &name, const QRect &geometry) {
    w->setObjectName(name);
    w->setGeometry(geometry);
    return w;
}
} // namespace

ScopeWindow::ScopeWindow(shell::Shell &shell, std::unique_ptr<SerialPort> scopePort,
                         QWidget *parent)
    : Form(shell, shell::kScopeWindow, parent),
      acq_(std::make_shared<ScopeAcquisition>(shell.port(), shell.state.DriveAddress,
                                              shell.state.CommResult, std::move(scopePort))) {
    acq_->setView(this);
    setWindowTitle(kScopeCaption);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMs);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    HoldTimer = new QTimer(this);
    HoldTimer->setObjectName(QStringLiteral("HoldTimer"));
    HoldTimer->setInterval(kHoldDrainMs);
    connect(HoldTimer, &QTimer::timeout, this, [this] { acq_->holdTick(); });
    createControls();
    Timer1->start(); // enabled from the start; a tick does nothing while the line is not ours
    showModeStatus();
}

ScopeWindow::~ScopeWindow() {
    acq_->setView(nullptr); // a tick still waiting inside ends at its next look
}

void ScopeWindow::createControls() {
    setFixedSize(612, 588);
    CWGraph1 = Named(new ScopeGraph(this), QStringLiteral("CWGraph1"), Twips(120, 120, 8892, 4092));

    const auto label = [this](const QString &name, const QString &text, QRect r) {
        auto *l = Named(new QLabel(text, this), name, r);
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    const auto readOut = [this](const char *name, QRect r) {
        auto *e = Named(new QLineEdit(this), QLatin1String(name), r);
        e->setReadOnly(true); // shows what the knob chose; typing into it would do nothing
        e->setAlignment(Qt::AlignCenter);
        return e;
    };
    // The acquisition group, the trigger group, the cursor row, the export corner and a box
    // around each of the three knobs.
    const std::array<QRect, 7> shapes = {QRect(6, 286, 492, 192),  QRect(502, 286, 104, 192),
                                         QRect(6, 482, 600, 102),  QRect(392, 486, 210, 46),
                                         QRect(10, 304, 226, 170), QRect(240, 304, 88, 170),
                                         QRect(332, 304, 80, 170)};
    for (size_t i = 0; i < shapes.size(); ++i) {
        auto *f = Named(new QFrame(this), QStringLiteral("Shape%1").arg(i + 1), shapes[i]);
        f->setFrameShape(QFrame::Box);
        f->setFrameShadow(QFrame::Sunken);
    }
    label(QStringLiteral("Label4"), QStringLiteral("Acquire Menù"), QRect(10, 288, 110, 16));
    label(QStringLiteral("Label5"), QStringLiteral("Trigger Menù"), QRect(504, 288, 100, 16));

    Xscale = Named(new ScopeKnob(KnobLabels(true), this), QStringLiteral("Xscale"),
                   QRect(12, 306, 222, 128));
    label(QStringLiteral("Label2"), QStringLiteral("X Scale"), QRect(12, 434, 222, 16));
    xvalore = readOut("xvalore", QRect(73, 450, 100, 22));

    Yscale = Named(new ScopeKnob(KnobLabels(false), this), QStringLiteral("Yscale"),
                   QRect(242, 306, 84, 126));
    label(QStringLiteral("Label1"), QStringLiteral("Y Scale"), QRect(242, 434, 84, 16));
    yvalore = readOut("yvalore", QRect(249, 450, 70, 22));

    CWKnob1 = Named(new ScopeKnob(-10, 10, 0.05, this), QStringLiteral("CWKnob1"),
                    QRect(334, 306, 76, 104));
    label(QStringLiteral("Label3"), QStringLiteral("Vertical Position"), QRect(334, 412, 76, 34))
        ->setWordWrap(true);
    allposition = readOut("allposition", QRect(339, 450, 66, 22));

    label(QStringLiteral("Label7"), QStringLiteral("Mode"), QRect(416, 304, 78, 16));
    CWSlide1 = Named(
        new ScopeSlide({QStringLiteral("Roll"), QStringLiteral("NoTrigg"), QStringLiteral("Norm")},
                       this),
        QStringLiteral("CWSlide1"), QRect(416, 320, 78, 72));
    CWButton1 = Named(new ScopeSwitch(QStringLiteral("Run"), QStringLiteral("Save"), false, this),
                      QStringLiteral("CWButton1"), QRect(418, 398, 76, 32));
    CWButton4 =
        Named(new ScopeSwitch(QStringLiteral("Acquire"), QStringLiteral("Acquire"), true, this),
              QStringLiteral("CWButton4"), QRect(418, 438, 76, 32));

    CWKnob2 = Named(new ScopeKnob(-350, 350, 1, this), QStringLiteral("CWKnob2"),
                    QRect(506, 306, 96, 112));
    label(QStringLiteral("Label6"), QStringLiteral("Level On/Off"), QRect(504, 424, 100, 16));
    CWButton3 = Named(new ScopeSwitch(QStringLiteral("Off"), QStringLiteral("On"), false, this),
                      QStringLiteral("CWButton3"), QRect(520, 442, 68, 32));

    label(QStringLiteral("Label8"), QStringLiteral("Cursor"), QRect(10, 486, 124, 16));
    CWButton2 = Named(
        new ScopeSwitch(QStringLiteral("Measure Value"), QStringLiteral("Real Value"), false, this),
        QStringLiteral("CWButton2"), QRect(10, 502, 124, 32));
    MSFlexGrid1 =
        Named(new QTableWidget(2, 8, this), QStringLiteral("MSFlexGrid1"), QRect(10, 538, 592, 42));

    CWKnob3 =
        Named(new ScopeKnob(0, 10, 0.1, this), QStringLiteral("CWKnob3"), QRect(396, 488, 84, 42));
    ExportCsv = Named(new QPushButton(QStringLiteral("CSV…"), this), QStringLiteral("ExportCsv"),
                      QRect(484, 496, 56, 26));
    ExportPng = Named(new QPushButton(QStringLiteral("PNG…"), this), QStringLiteral("ExportPng"),
                      QRect(544, 496, 56, 26));
    ExportCsv->setToolTip(QStringLiteral("ms, sample, volts"));

    // Design-time state: positions for " 1 Sec " and "10 V", run, level line off.
    Xscale->setPosition(kLoadTimeBase);
    Yscale->setPosition(kLoadVoltsRange);
    CWButton2->setEnabled(false); // Roll
    connectControls();
    setHorizontalAxis();
    setVerticalAxes();
    showTriggerLevel();
}

void ScopeWindow::connectControls() {
    connect(Xscale, &ScopeKnob::ValueChanged, this, [this] { Xscale_ValueChanged(); });
    connect(Yscale, &ScopeKnob::ValueChanged, this, [this] { Yscale_ValueChanged(); });
    connect(CWKnob1, &ScopeKnob::ValueChanged, this, [this] { CWKnob1_ValueChanged(); });
    connect(CWKnob2, &ScopeKnob::ValueChanged, this, [this] { CWKnob2_ValueChanged(); });
    // Every turn by the user, not only a press of the mouse: the wheel and the keys move the
    // level the trigger uses, so they move the line too.
    connect(CWKnob2, &QAbstractSlider::sliderPressed, this, [this] { CWKnob2_MouseDown(); });
    connect(CWKnob2, &QAbstractSlider::actionTriggered, this, [this] { CWKnob2_MouseDown(); });
    connect(CWSlide1, &ScopeSlide::ValueChanged, this, [this] { CWSlide1_ValueChanged(); });
    connect(CWButton1, &ScopeSwitch::ValueChanged, this,
            [this](bool v) { CWButton1_ValueChanged(v); });
    connect(CWButton2, &ScopeSwitch::ValueChanged, this,
            [this](bool v) { CWButton2_ValueChanged(v); });
    connect(CWButton3, &ScopeSwitch::ValueChanged, this,
            [this](bool v) { CWButton3_ValueChanged(v); });
    connect(CWButton4, &ScopeSwitch::ValueChanged, this,
            [this](bool v) { CWButton4_ValueChanged(v); });
    connect(CWGraph1, &ScopeGraph::CursorChange, this, [this] { CWGraph1_CursorChange(); });
    connect(CWGraph1, &ScopeGraph::PlotAreaMouseDown, this, [this] { CWGraph1_MouseDown(); });
    connect(ExportCsv, &QPushButton::clicked, this, [this] { ExportCsv_Click(); });
    connect(ExportPng, &QPushButton::clicked, this, [this] { ExportPng_Click(); });
}

void ScopeWindow::Form_Load() {
    // The measurement table: centred columns, row 0 headings, hidden until the cursors are on.
    QTableWidget *g = MSFlexGrid1;
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setWordWrap(false);
    QFont small = g->font();
    small.setPointSizeF(kControlTextPoints);
    g->setFont(small);
    for (int r = 0; r < 2; ++r)
        g->setRowHeight(r, 20);
    const QStringList headings = TableHeadings();
    for (int c = 0; c < g->columnCount(); ++c) {
        setCell(0, c, headings.value(c));
        setCell(1, c, QString());
    }
    setCell(1, 0, kRealValue);
    fitTableColumns();
    g->hide();

    yvalore->setText(QStringLiteral("10 V"));
    xvalore->setText(QStringLiteral(" 1 Sec "));
    allposition->setText(QStringLiteral("0"));
    acq_->input().port().SetPortNumber(shell_.state.ScopePort);
    hookFrontPanel();
}

void ScopeWindow::Form_Unload() {
    acq_->abandon();
    HoldTimer->stop();
    stopscope();
    HoldTimer->stop(); // stopscope held the picture; the line is the link's now
    shell_.line.startscope = nullptr;
    shell_.line.stopscope = nullptr;
    if (shell_.line.scopeClosed)
        shell_.line.scopeClosed();
}

void ScopeWindow::closeEvent(QCloseEvent *e) {
    // Closing by the window's frame unloads it: the stream stops and the line goes back.
    e->accept();
    if (shell_.forms().find(shell::kScopeWindow) == this)
        shell_.forms().unload(shell::kScopeWindow);
}

// The front panel starts and stops the scope through the shell while this window is there.
void ScopeWindow::hookFrontPanel() {
    QPointer<ScopeWindow> self(this);
    shell_.line.startscope = [self] {
        if (self)
            self->startscope();
    };
    shell_.line.stopscope = [self] {
        if (self)
            self->stopscope();
    };
}

bool ScopeWindow::startscope() {
    auto keep = acq_;
    return keep->startscope();
}

void ScopeWindow::stopscope() {
    auto keep = acq_;
    keep->stopscope();
}

void ScopeWindow::Timer1_Timer() {
    auto keep = acq_; // the window may be closed while the tick waits
    keep->tick();
}

void ScopeWindow::setHorizontalAxis() {
    CWGraph1->setAxisRange(ScopeGraph::XAxis, 0, TimeBaseAt(Xscale->position()).value);
}

void ScopeWindow::setVerticalAxes() {
    const VerticalAxes a = AxesFor(CWKnob1->value(), VoltsRangeAt(Yscale->position()).halfHeight);
    CWGraph1->setAxisRange(ScopeGraph::YAxis1, a.samplesMin, a.samplesMax);
    CWGraph1->setAxisRange(ScopeGraph::YAxis2, a.voltsMin, a.voltsMax);
}

void ScopeWindow::Xscale_ValueChanged() {
    const int allowed = AllowedTimeBase(Xscale->position(), CWSlide1->value());
    if (allowed != Xscale->position()) {
        Xscale->setPosition(allowed); // comes back here with the corrected position
        return;
    }
    const double before = CWGraph1->axisMaximum(ScopeGraph::XAxis);
    xvalore->setText(QString::fromLatin1(TimeBaseAt(allowed).text));
    setHorizontalAxis();
    if (CWGraph1->cursorVisible(ScopeGraph::Cursor1)) {
        // The cursors keep their place on the screen, and the table its units.
        const double k = CWGraph1->axisMaximum(ScopeGraph::XAxis) / before;
        for (int c : {ScopeGraph::Cursor1, ScopeGraph::Cursor2})
            CWGraph1->setCursorPosition(c, CWGraph1->cursorX(c) * k, CWGraph1->cursorY(c));
        fitTableColumns();
        fillTable();
    }
}

void ScopeWindow::Yscale_ValueChanged() {
    yvalore->setText(QString::fromLatin1(VoltsRangeAt(Yscale->position()).text));
    setVerticalAxes();
}

void ScopeWindow::CWKnob1_ValueChanged() {
    CWKnob1->update();
    allposition->setText(PositionText(CWKnob1->value()));
    setVerticalAxes();
}

void ScopeWindow::CWKnob2_ValueChanged() {
    if (shell::IsSet(shell_.state.LevelFollowsKnob))
        CWGraph1->setCursorPosition(ScopeGraph::Cursor3, CWGraph1->cursorX(ScopeGraph::Cursor3),
                                    level());
    showTriggerLevel();
}

void ScopeWindow::CWKnob2_MouseDown() {
    shell_.state.LevelFollowsKnob = shell::kTrue;
}

void ScopeWindow::CWGraph1_MouseDown() {
    shell_.state.LevelFollowsKnob = shell::kFalse;
}

void ScopeWindow::showTriggerLevel() {
    CWGraph1->setTriggerLevel(CWSlide1->value() == kNorm, level());
}

void ScopeWindow::CWSlide1_ValueChanged() {
    const int m = CWSlide1->value();
    if (m == kRoll) {
        CWButton2->setValue(false);
        CWGraph1->setCursorVisible(ScopeGraph::Cursor1, false);
        CWGraph1->setCursorVisible(ScopeGraph::Cursor2, false);
        MSFlexGrid1->hide();
        CWButton2->setEnabled(false);
    } else {
        CWButton2->setEnabled(true);
    }
    setHorizontalAxis();
    if (m != kRoll && Xscale->position() >= kLastTriggeredTimeBase)
        Xscale->setPosition(kLastTriggeredTimeBase);
    showTriggerLevel();
    if (!holding())
        showModeStatus();
}

void ScopeWindow::CWButton1_ValueChanged(bool v) {
    if (v) {
        Timer1->stop();
        HoldTimer->start();
        showStatus(ScopeText::Holding);
        return;
    }
    HoldTimer->stop();
    showModeStatus();
    startscope();
    Timer1->start();
}

void ScopeWindow::CWButton4_ValueChanged(bool v) {
    if (v)
        return;
    acq_->abandon();
    CWButton1->setValue(false);
    startscope();
}

void ScopeWindow::CWButton3_ValueChanged(bool v) {
    CWGraph1->setCursorVisible(ScopeGraph::Cursor3, v);
}

void ScopeWindow::CWButton2_ValueChanged(bool v) {
    if (CWSlide1->value() == kRoll)
        return;
    for (int c : {5, 6, 1, 2, 3, 4, 7})
        setCell(1, c, QString());
    CWGraph1->setCursorVisible(ScopeGraph::Cursor1, v);
    CWGraph1->setCursorVisible(ScopeGraph::Cursor2, v);
    // X 5 and 10 on the shortest screen, the same places on the screen at every time base;
    // 10 sample units either side of the middle of the 10 V range, as much of any other range.
    const double xMax = CWGraph1->axisMaximum(ScopeGraph::XAxis);
    const double x1 = 5 * xMax / TimeBaseAt(1).value;
    const double yMid =
        (CWGraph1->axisMinimum(ScopeGraph::YAxis1) + CWGraph1->axisMaximum(ScopeGraph::YAxis1)) / 2;
    const double dy = 10.0 * VoltsRangeAt(Yscale->position()).halfHeight / 128;
    CWGraph1->setCursorPosition(ScopeGraph::Cursor1, x1, yMid - dy);
    CWGraph1->setCursorPosition(ScopeGraph::Cursor2, 2 * x1, yMid + dy);
    MSFlexGrid1->setVisible(v);
    if (v)
        fillTable();
}

void ScopeWindow::CWGraph1_CursorChange() {
    fillTable();
    if (!shell::IsSet(shell_.state.LevelFollowsKnob)) {
        CWKnob2->setValue(CWGraph1->cursorY(ScopeGraph::Cursor3) - 127);
        // The line shows the level the knob holds: whole sample units.
        CWGraph1->setCursorPosition(ScopeGraph::Cursor3, CWGraph1->cursorX(ScopeGraph::Cursor3),
                                    level());
    }
}

void ScopeWindow::fillTable() {
    const ScopeGraph *g = CWGraph1;
    const auto cells =
        CursorReadings(g->cursorX(ScopeGraph::Cursor1), g->cursorY(ScopeGraph::Cursor1),
                       g->cursorX(ScopeGraph::Cursor2), g->cursorY(ScopeGraph::Cursor2),
                       TimeUnitFor(g->axisMaximum(ScopeGraph::XAxis)));
    for (int c : {5, 1, 2, 3, 4, 6, 7})
        setCell(1, c, cells[static_cast<size_t>(c - 1)]);
}

// Every column as wide as the longest text it can hold at this time base.
void ScopeWindow::fitTableColumns() {
    const QFontMetrics fm(MSFlexGrid1->font());
    const QStringList headings = TableHeadings();
    const auto widest = WidestReadings(CWGraph1->axisMaximum(ScopeGraph::XAxis));
    const auto fit = [&](const QString &a, const QString &b) {
        return std::max(fm.horizontalAdvance(a), fm.horizontalAdvance(b)) + 12;
    };
    MSFlexGrid1->setColumnWidth(0, fit(headings.value(0), kRealValue));
    for (int c = 1; c <= 7; ++c)
        MSFlexGrid1->setColumnWidth(c, fit(headings.value(c), widest[static_cast<size_t>(c - 1)]));
}

void ScopeWindow::setCell(int row, int col, const QString &text) {
    QTableWidgetItem *item = MSFlexGrid1->item(row, col);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        MSFlexGrid1->setItem(row, col, item);
    }
    item->setText(text);
}

// The trace and the picture are taken when the button is pressed: the acquisition goes on while
// the file dialog is open, and what is saved is what the user saw.
void ScopeWindow::ExportCsv_Click() {
    const QByteArray samples = CWGraph1->trace().samples();
    exportTo(QStringLiteral("CSV (*.csv)|*.csv"), [&samples](const QString &path, QString *why) {
        return SaveTraceCsv(path, samples, why);
    });
}

void ScopeWindow::ExportPng_Click() {
    const QImage picture = CWGraph1->grab().toImage();
    exportTo(QStringLiteral("PNG (*.png)|*.png"), [&picture](const QString &path, QString *why) {
        return SaveImage(path, picture, why);
    });
}

void ScopeWindow::exportTo(const QString &filter, const ExportSaver &save) {
    const QString path = shell_.dialogs.GetSaveFileName(this, kScopeCaption, filter, {});
    QString why;
    if (path.isEmpty() || save(path, &why))
        return;
    shell_.dialogs.MsgBox(
        this,
        ScopeTextFor(ScopeText::ExportFailed, shell_.state.CurrentLanguage)
            .arg(path, WriteFailureReason(path, why, shell_.state.CurrentLanguage)),
        shell::kOkOnly | shell::kExclamation, kScopeCaption);
}

void ScopeWindow::showStatus(ScopeText text) {
    QColor colour(90, 230, 120);
    if (text == ScopeText::WaitingForTrigger)
        colour = QColor(255, 200, 40);
    else if (text == ScopeText::Holding)
        colour = QColor(255, 120, 90);
    CWGraph1->setStatus(ScopeTextFor(text, shell_.state.CurrentLanguage), colour);
}

// What the mode does until the acquisition says more: Norm waits for its first trigger.
void ScopeWindow::showModeStatus() {
    const int m = CWSlide1->value();
    showStatus(m == kRoll      ? ScopeText::Rolling
               : m == kNoTrigg ? ScopeText::FreeRunning
                               : ScopeText::WaitingForTrigger);
}

// --- the acquisition's view ---

void ScopeWindow::letEventsRun() {
    QCoreApplication::processEvents();
}
bool ScopeWindow::holding() const {
    return CWButton1->value();
}
void ScopeWindow::setHolding(bool on) {
    CWButton1->setValue(on);
}
bool ScopeWindow::tickEnabled() const {
    return Timer1->isActive();
}
void ScopeWindow::setTickEnabled(bool on) {
    if (on)
        Timer1->start();
    else
        Timer1->stop();
}
int ScopeWindow::mode() const {
    return CWSlide1->value();
}
double ScopeWindow::xMax() const {
    return CWGraph1->axisMaximum(ScopeGraph::XAxis);
}
double ScopeWindow::level() const {
    return CWKnob2->value() + 127;
}
void ScopeWindow::chart(const QByteArray &samples) {
    CWGraph1->chart(samples);
}
void ScopeWindow::clearData() {
    CWGraph1->clearData();
}
void ScopeWindow::acquisitionState(AcquisitionState state) {
    if (holding())
        return;
    switch (state) {
    case AcquisitionState::Rolling:
        showStatus(ScopeText::Rolling);
        break;
    case AcquisitionState::FreeRunning:
        showStatus(ScopeText::FreeRunning);
        break;
    case AcquisitionState::WaitingForTrigger:
        showStatus(ScopeText::WaitingForTrigger);
        break;
    case AcquisitionState::Triggered:
        showStatus(ScopeText::Triggered);
        break;
    }
}

bool ScopeWindow::panelPollRunning() const {
    return shell_.line.panelPollRunning && shell_.line.panelPollRunning();
}
void ScopeWindow::stopPanelPoll() {
    if (shell_.line.pausePanelPoll)
        shell_.line.pausePanelPoll();
}
void ScopeWindow::startPanelPoll() {
    // Only while the front panel is the page shown: not while it is being unloaded.
    if (shell_.line.resumePanelPoll && shell_.state.CurrentPage == shell::kPageFront)
        shell_.line.resumePanelPoll();
}

void ScopeWindow::noSamples() {
    shell_.dialogs.MsgBox(this, ScopeTextFor(ScopeText::NoSamples, shell_.state.CurrentLanguage),
                          shell::kOkOnly | shell::kExclamation, kScopeCaption);
    shell_.forms().unload(shell::kScopeWindow);
}

void ScopeWindow::scopePortFailed(const QString &why) {
    shell_.dialogs.MsgBox(
        this, ScopeTextFor(ScopeText::PortFailed, shell_.state.CurrentLanguage).arg(why),
        shell::kOkOnly | shell::kCritical, kScopeCaption);
    shell_.forms().unload(shell::kScopeWindow);
}

void RegisterScopeWindows(shell::Shell &shell, ScopePortFactory makePort) {
    shell.forms().registerForm(shell::kScopeWindow, [&shell, makePort](QWidget *parent) {
        std::unique_ptr<SerialPort> port;
        if (makePort)
            port = makePort();
        if (!port) {
            const HardwareSerialPort *hw = HardwarePortOf(shell.port());
            port = std::make_unique<HardwareSerialPort>(hw ? hw->portMap() : PortMap::fromSystem());
        }
        return new ScopeWindow(shell, std::move(port), parent);
    });
}

} // namespace zr::scope
