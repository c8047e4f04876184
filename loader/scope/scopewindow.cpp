#include "scopewindow.h"

#include "dialogs.h"
#include "frontwindow.h"
#include "hardwareserialport.h"
#include "scopecontrols.h"
#include "scopeexport.h"
#include "scopegraph.h"
#include "scopescales.h"
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

QRect Twips(int left, int top, int width, int height) {
    return {TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height)};
}

const std::array<QString, 3> kNoSamplesText = {
    QStringLiteral("L'azionamento non ha inviato campioni: l'oscilloscopio è stato chiuso."),
    QStringLiteral("The drive sent no samples: the scope has been closed."),
    QStringLiteral("Le variateur n'a envoyé aucun échantillon : l'oscilloscope a été fermé."),
};
const std::array<QString, 3> kPortFailedText = {
    QStringLiteral("L'oscilloscopio non può aprire la porta seriale (%1): la linea torna al "
                   "pannello."),
    QStringLiteral("The scope cannot open the serial port (%1): the line goes back to the panel."),
    QStringLiteral("L'oscilloscope ne peut pas ouvrir le port série (%1) : la ligne revient au "
                   "panneau."),
};
const std::array<QString, 3> kExportFailedText = {
    QStringLiteral("Impossibile scrivere %1: %2"),
    QStringLiteral("Cannot write %1: %2"),
    QStringLiteral("Impossible d'écrire %1 : %2"),
};

QString ForLanguage(const std::array<QString, 3> &texts, int lang) {
    return texts[static_cast<size_t>(std::clamp(lang, 0, 2))];
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
    : Form(shell, kScopeWindowName, parent),
      acq_(std::make_shared<ScopeAcquisition>(shell.port(), shell.state.DriveAddress,
                                              shell.state.CommResult, std::move(scopePort))) {
    acq_->setView(this);
    setWindowTitle(kScopeCaption);
    createControls();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMs);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1->start(); // enabled from the start; a tick does nothing while the line is not ours
}

ScopeWindow::~ScopeWindow() {
    acq_->setView(nullptr); // a tick still waiting inside ends at its next look
}

void ScopeWindow::createControls() {
    setFixedSize(612, 590);
    CWGraph1 = Named(new ScopeGraph(this), QStringLiteral("CWGraph1"), Twips(120, 120, 8892, 4092));

    const auto label = [this](const QString &name, const QString &text, QRect r) {
        auto *l = Named(new QLabel(text, this), name, r);
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    const std::array<QRect, 7> shapes = {QRect(6, 286, 500, 190), QRect(510, 286, 96, 190),
                                         QRect(6, 480, 480, 104), QRect(490, 480, 116, 104),
                                         QRect(8, 300, 162, 170), QRect(172, 300, 98, 170),
                                         QRect(272, 300, 82, 170)};
    for (size_t i = 0; i < shapes.size(); ++i) {
        auto *f = Named(new QFrame(this), QStringLiteral("Shape%1").arg(i + 1), shapes[i]);
        f->setFrameShape(QFrame::Box);
        f->setFrameShadow(QFrame::Sunken);
    }
    label(QStringLiteral("Label4"), QStringLiteral("Acquire Menù"), QRect(12, 288, 120, 14));
    label(QStringLiteral("Label5"), QStringLiteral("Trigger Menù"), QRect(512, 288, 92, 14));

    Xscale = Named(new ScopeKnob(KnobLabels(true), this), QStringLiteral("Xscale"),
                   QRect(10, 302, 158, 122));
    label(QStringLiteral("Label2"), QStringLiteral("X Scale"), QRect(10, 424, 158, 14));
    xvalore = Named(new QLineEdit(this), QStringLiteral("xvalore"), QRect(44, 442, 90, 22));

    Yscale = Named(new ScopeKnob(KnobLabels(false), this), QStringLiteral("Yscale"),
                   QRect(174, 310, 94, 108));
    label(QStringLiteral("Label1"), QStringLiteral("Y Scale"), QRect(174, 424, 94, 14));
    yvalore = Named(new QLineEdit(this), QStringLiteral("yvalore"), QRect(182, 442, 78, 22));

    CWKnob1 = Named(new ScopeKnob(-10, 10, 0.05, this), QStringLiteral("CWKnob1"),
                    QRect(274, 312, 78, 100));
    label(QStringLiteral("Label3"), QStringLiteral("Vertical Position"), QRect(274, 412, 78, 28))
        ->setWordWrap(true);
    allposition =
        Named(new QLineEdit(this), QStringLiteral("allposition"), QRect(282, 442, 62, 22));

    label(QStringLiteral("Label7"), QStringLiteral("Mode"), QRect(356, 300, 72, 14));
    CWSlide1 = Named(
        new ScopeSlide({QStringLiteral("Roll"), QStringLiteral("NoTrigg"), QStringLiteral("Norm")},
                       this),
        QStringLiteral("CWSlide1"), QRect(356, 316, 72, 96));
    CWButton1 = Named(new ScopeSwitch(QStringLiteral("Run"), QStringLiteral("Save"), false, this),
                      QStringLiteral("CWButton1"), QRect(430, 320, 70, 34));
    CWButton4 =
        Named(new ScopeSwitch(QStringLiteral("Acquire"), QStringLiteral("Acquire"), true, this),
              QStringLiteral("CWButton4"), QRect(430, 366, 70, 30));

    CWKnob2 = Named(new ScopeKnob(-350, 350, 1, this), QStringLiteral("CWKnob2"),
                    QRect(514, 306, 88, 100));
    label(QStringLiteral("Label6"), QStringLiteral("Level On/Off"), QRect(512, 412, 92, 14));
    CWButton3 = Named(new ScopeSwitch(QStringLiteral("Off"), QStringLiteral("On"), false, this),
                      QStringLiteral("CWButton3"), QRect(528, 430, 60, 30));

    label(QStringLiteral("Label8"), QStringLiteral("Cursor"), QRect(10, 486, 110, 14));
    CWButton2 = Named(
        new ScopeSwitch(QStringLiteral("Measure Value"), QStringLiteral("Real Value"), false, this),
        QStringLiteral("CWButton2"), QRect(10, 504, 110, 34));
    MSFlexGrid1 = Named(new QTableWidget(2, 8, this), QStringLiteral("MSFlexGrid1"),
                        QRect(124, 490, 358, 44));

    CWKnob3 =
        Named(new ScopeKnob(0, 10, 0.1, this), QStringLiteral("CWKnob3"), QRect(494, 484, 60, 64));
    ExportCsv = Named(new QPushButton(QStringLiteral("CSV…"), this), QStringLiteral("ExportCsv"),
                      QRect(556, 490, 46, 24));
    ExportPng = Named(new QPushButton(QStringLiteral("PNG…"), this), QStringLiteral("ExportPng"),
                      QRect(556, 520, 46, 24));
    ExportCsv->setToolTip(QStringLiteral("ms, sample, volts"));

    // Design-time state: positions for " 1 Sec " and "10 V", run, level line off.
    Xscale->setPosition(kLoadTimeBase);
    Yscale->setPosition(kLoadVoltsRange);
    CWButton2->setEnabled(false); // Roll

    connect(Xscale, &ScopeKnob::ValueChanged, this, [this] { Xscale_ValueChanged(); });
    connect(Yscale, &ScopeKnob::ValueChanged, this, [this] { Yscale_ValueChanged(); });
    connect(CWKnob1, &ScopeKnob::ValueChanged, this, [this] { CWKnob1_ValueChanged(); });
    connect(CWKnob2, &ScopeKnob::ValueChanged, this, [this] { CWKnob2_ValueChanged(); });
    connect(CWKnob2, &ScopeKnob::MouseDown, this, [this] { CWKnob2_MouseDown(); });
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
    setHorizontalAxis();
    setVerticalAxes();
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
    small.setPointSizeF(7.5);
    g->setFont(small);
    g->setColumnWidth(0, 62);
    for (int c = 1; c <= 6; ++c)
        g->setColumnWidth(c, TwipsToPx(600));
    g->setColumnWidth(7, 52);
    for (int r = 0; r < 2; ++r)
        g->setRowHeight(r, 20);
    const QStringList headings = TableHeadings();
    for (int c = 0; c < g->columnCount(); ++c) {
        setCell(0, c, headings.value(c));
        setCell(1, c, QString());
    }
    setCell(1, 0, kRealValue);
    g->hide();

    yvalore->setText(QStringLiteral("10 V"));
    xvalore->setText(QStringLiteral(" 1 Sec "));
    allposition->setText(QStringLiteral("0"));
    acq_->input().port().SetPortNumber(shell_.state.ScopePort);
    hookFrontPanel();
}

void ScopeWindow::Form_Unload() {
    acq_->abandon();
    stopscope();
    if (auto *front = qobject_cast<front::FrontWindow *>(shell_.forms().find(shell::kFrontWindow)))
        front->Command1->setEnabled(true);
}

void ScopeWindow::closeEvent(QCloseEvent *e) {
    // Closing by the window's frame unloads it: the stream stops and the line goes back.
    e->accept();
    if (shell_.forms().find(kScopeWindowName) == this)
        shell_.forms().unload(kScopeWindowName);
}

void ScopeWindow::hookFrontPanel() {
    auto *front = qobject_cast<front::FrontWindow *>(shell_.forms().find(shell::kFrontWindow));
    if (!front)
        return;
    QPointer<ScopeWindow> self(this);
    front->startscope = [self] {
        if (self)
            self->startscope();
    };
    front->stopscope = [self] {
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
    xvalore->setText(QString::fromLatin1(TimeBaseAt(allowed).text));
    setHorizontalAxis();
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
                                    CWKnob2->value() + 127);
}

void ScopeWindow::CWKnob2_MouseDown() {
    shell_.state.LevelFollowsKnob = shell::kTrue;
}

void ScopeWindow::CWGraph1_MouseDown() {
    shell_.state.LevelFollowsKnob = shell::kFalse;
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
}

void ScopeWindow::CWButton1_ValueChanged(bool v) {
    if (v) {
        Timer1->stop();
        return;
    }
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
    CWGraph1->setCursorPosition(ScopeGraph::Cursor1, 5, 117);
    CWGraph1->setCursorPosition(ScopeGraph::Cursor2, 10, 137);
    MSFlexGrid1->setVisible(v);
}

void ScopeWindow::CWGraph1_CursorChange() {
    const ScopeGraph *g = CWGraph1;
    const auto cells =
        CursorReadings(g->cursorX(ScopeGraph::Cursor1), g->cursorY(ScopeGraph::Cursor1),
                       g->cursorX(ScopeGraph::Cursor2), g->cursorY(ScopeGraph::Cursor2));
    for (int c : {5, 1, 2, 3, 4, 6, 7})
        setCell(1, c, cells[static_cast<size_t>(c - 1)]);
    if (!shell::IsSet(shell_.state.LevelFollowsKnob))
        CWKnob2->setValue(g->cursorY(ScopeGraph::Cursor3) - 127);
}

void ScopeWindow::CWSerial1_OnData(const QByteArray &data) {
    CWGraph1->chart(data);
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

void ScopeWindow::ExportCsv_Click() {
    const QString path = shell_.dialogs.GetSaveFileName(this, kScopeCaption,
                                                        QStringLiteral("CSV (*.csv)|*.csv"), {});
    QString why;
    if (!path.isEmpty() && !SaveTraceCsv(path, CWGraph1->trace().samples(), &why))
        shell_.dialogs.MsgBox(
            this, ForLanguage(kExportFailedText, shell_.state.CurrentLanguage).arg(path, why),
            shell::kOkOnly | shell::kExclamation, kScopeCaption);
}

void ScopeWindow::ExportPng_Click() {
    const QString path = shell_.dialogs.GetSaveFileName(this, kScopeCaption,
                                                        QStringLiteral("PNG (*.png)|*.png"), {});
    QString why;
    if (!path.isEmpty() && !SaveImage(path, CWGraph1->grab().toImage(), &why))
        shell_.dialogs.MsgBox(
            this, ForLanguage(kExportFailedText, shell_.state.CurrentLanguage).arg(path, why),
            shell::kOkOnly | shell::kExclamation, kScopeCaption);
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

QTimer *ScopeWindow::panelTimer() const {
    auto *front = qobject_cast<front::FrontWindow *>(shell_.forms().find(shell::kFrontWindow));
    return front ? front->Timer1 : nullptr;
}
bool ScopeWindow::panelPollRunning() const {
    QTimer *t = panelTimer();
    return t && t->isActive();
}
void ScopeWindow::stopPanelPoll() {
    if (QTimer *t = panelTimer())
        t->stop();
}
void ScopeWindow::startPanelPoll() {
    // Only while the front panel is the page shown: not while it is being unloaded.
    if (QTimer *t = panelTimer(); t && shell_.state.CurrentPage == shell::kPageFront)
        t->start();
}

void ScopeWindow::noSamples() {
    const int lang = shell_.state.CurrentLanguage;
    shell_.dialogs.MsgBox(this, ForLanguage(kNoSamplesText, lang),
                          shell::kOkOnly | shell::kExclamation, kScopeCaption);
    shell_.forms().unload(kScopeWindowName);
}

void ScopeWindow::scopePortFailed(const QString &why) {
    const int lang = shell_.state.CurrentLanguage;
    shell_.dialogs.MsgBox(this, ForLanguage(kPortFailedText, lang).arg(why),
                          shell::kOkOnly | shell::kCritical, kScopeCaption);
    shell_.forms().unload(kScopeWindowName);
}

void RegisterScopeWindows(shell::Shell &shell, ScopePortFactory makePort) {
    shell.forms().registerForm(kScopeWindowName, [&shell, makePort](QWidget *parent) {
        std::unique_ptr<SerialPort> port;
        if (makePort)
            port = makePort();
        if (!port) {
            auto *hw = dynamic_cast<HardwareSerialPort *>(&shell.port());
            port = std::make_unique<HardwareSerialPort>(hw ? hw->portMap() : PortMap::fromSystem());
        }
        return new ScopeWindow(shell, std::move(port), parent);
    });
}

} // namespace zr::scope
