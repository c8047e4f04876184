#include "frontwindow.h"

#include "dialogs.h"
#include "glosscontrols.h"
#include "panelkeys.h"
#include "panelmessages.h"
#include "pixmapcanvas.h"
#include "serialport.h"
#include "shell.h"
#include "twips.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "common/glosscontrol.h"
#include "common/picture.h"

#include <cmath>
#include <vector>

namespace zr::front {

using shell::TwipsToPx;

namespace {
const QString kAppTitle = QStringLiteral("ZR3500 Loader");
const QString kCellFamily = QStringLiteral("Courier New");
// The symbol cells draw omega, registered and copyright as the characters they are, in a bold
// sans-serif whose circled signs keep their strokes at a cell's size.
const QString kSymbolFamily = QStringLiteral("DejaVu Sans");

QFont symbolFont() {
    QFont f(kSymbolFamily, kSymbolPointSize, QFont::Bold);
    f.setFamilies({kSymbolFamily, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    return f;
}

const QColor kLegendInk(16, 26, 60);

QColor fromBbggrr(unsigned c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QRect twips(int left, int top, int width, int height) {
    return QRect(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

// The frame's glass holds the display and the keys with 8 pixels to spare: its bezel is 24
// pixels on every side.
const QRect kFrame(8, 40, 241, 193);
const QSize kWindowSize(258, 274);

struct KeyLook {
    const char *letter; // ContentLetter
    int left, top;
};
const KeyLook kKeys[kKeyCount] = {
    {"-", 840, 2160}, {"+", 1440, 2160}, {"Enter", 2040, 2160}, {"Esc", 2640, 2160},
    {"<", 840, 2640}, {">", 1440, 2640}, {"", 2040, 2640},
};

// The signs drawn as lines, by key index: each stroke a run of points joined by straight lines.
// Enter goes down, then left into an arrowhead; Esc is lettered instead.
using Stroke = std::vector<QPointF>;
const std::vector<Stroke> kKeyStrokes[kRightKey + 1] = {
    /* - */ {{{6.5, 12}, {17.5, 12}}},
    /* + */ {{{6.5, 12}, {17.5, 12}}, {{12, 6.5}, {12, 17.5}}},
    /* Enter */ {{{17, 5}, {17, 14}, {8, 14}}, {{11.5, 10.5}, {8, 14}, {11.5, 17.5}}},
    /* Esc */ {},
    /* < */ {{{14.5, 6}, {8.5, 12}, {14.5, 18}}},
    /* > */ {{{9.5, 6}, {15.5, 12}, {9.5, 18}}},
};

// The sign on a key, 24 x 24, dark on a light halo so that it reads on the cloudy sphere.
QPixmap keyLegend(int index) {
    shell::PixmapCanvas canvas(24);
    QPainter &p = canvas.painter();
    QPainterPath sign;
    bool filled = false;
    switch (index) {
    case kMinusKey:
    case kPlusKey:
    case kEnterKey:
    case kLeftKey:
    case kRightKey:
        for (const Stroke &stroke : kKeyStrokes[index]) {
            sign.moveTo(stroke.front());
            for (auto at = stroke.begin() + 1; at != stroke.end(); ++at)
                sign.lineTo(*at);
        }
        break;
    case kEscKey: {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(12);
        f.setBold(true);
        const QFontMetricsF fm(f);
        const QString text = QStringLiteral("Esc");
        sign.addText((24 - fm.horizontalAdvance(text)) / 2, 12 + fm.capHeight() / 2, f, text);
        filled = true;
        break;
    }
    default: { // contrast: a circle, one half dark
        sign.addEllipse(QPointF(12, 12), 6.5, 6.5);
        QPainterPath half;
        half.moveTo(12, 5.5);
        half.arcTo(QRectF(5.5, 5.5, 13, 13), 90, 180);
        half.closeSubpath();
        p.setPen(QPen(QColor(255, 255, 255, 210), 4.5));
        p.drawPath(sign);
        p.setPen(QPen(kLegendInk, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(sign);
        p.setPen(Qt::NoPen);
        p.setBrush(kLegendInk);
        p.drawPath(half);
        return canvas.take();
    }
    }
    const QPen halo(QColor(255, 255, 255, 210), filled ? 3 : 5, Qt::SolidLine, Qt::RoundCap,
                    Qt::RoundJoin);
    p.strokePath(sign, halo);
    if (filled)
        p.fillPath(sign, kLegendInk);
    else
        p.strokePath(sign, QPen(kLegendInk, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    return canvas.take();
}

QPixmap scopeIcon() {
    shell::PixmapCanvas canvas(16);
    QPainter &p = canvas.painter();
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(10, 40, 20));
    p.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 2, 2);
    p.setPen(QPen(QColor(80, 255, 120), 1.2));
    QPainterPath trace;
    trace.moveTo(2, 8);
    for (int x = 2; x <= 14; ++x)
        trace.lineTo(x, 8 - 4 * std::sin((x - 2) * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trace);
    return canvas.take();
}

QPixmap driveImage() {
    shell::PixmapCanvas canvas(32, 40);
    QPainter &p = canvas.painter();
    QLinearGradient g(0, 0, 32, 0);
    g.setColorAt(0, QColor(70, 74, 82));
    g.setColorAt(1, QColor(130, 136, 146));
    p.setBrush(g);
    p.setPen(QColor(40, 40, 40));
    p.drawRoundedRect(QRectF(1, 1, 30, 38), 3, 3);
    p.setBrush(QColor(0, 200, 1));
    p.drawRect(QRectF(5, 6, 22, 8));
    p.setBrush(QColor(220, 220, 230));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(9 + 7 * i, 22), 2.5, 2.5);
    p.setPen(QColor(200, 60, 40));
    p.drawLine(6, 33, 26, 33);
    return canvas.take();
}
} // namespace

FrontWindow::FrontWindow(shell::Shell &shell, QWidget *parent)
    : Form(shell, shell::kFrontWindow, parent) {
    setWindowTitle(kAppTitle);
    setFixedSize(kWindowSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xD8, 0xDC, 0xE2));
    setPalette(pal);

    if (QWidget *frame = shell::CreateGlossControl(QStringLiteral("GlossKit.GlossScreen"), this,
                                                   QStringLiteral("GlossScreen1")))
        frame->setGeometry(kFrame);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(driveImage());
    image->setGeometry(kFrame.right() - 32, 0, 32, 40);
    auto *brand = new QLabel(QStringLiteral("ZR3500"), this);
    brand->setObjectName(QStringLiteral("Label8"));
    QFont logo(QStringLiteral("Liberation Sans"), 20, QFont::Black);
    logo.setItalic(true);
    logo.setLetterSpacing(QFont::PercentageSpacing, 92);
    brand->setFont(logo);
    brand->setStyleSheet(QStringLiteral("color: #1c3f8c"));
    brand->setGeometry(kFrame.left() + 4, 2, 170, 36);

    Shape1 = new QWidget(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setAutoFillBackground(true);
    Shape1->setGeometry(twips(600, 1080, 2655, 855));
    setShapeColour(kDarkColour);

    for (int row = 0; row < 2; ++row) {
        QList<QLabel *> &cells = row == 0 ? Label3 : Label4;
        for (int i = 0; i < kRowLength; ++i) {
            auto *cell = new QLabel(this);
            cell->setObjectName(QStringLiteral("Label%1_%2").arg(row == 0 ? 3 : 4).arg(i));
            cell->setGeometry(twips(960 + 120 * i, row == 0 ? 1200 : 1560, 156, 252));
            cell->setAlignment(Qt::AlignCenter);
            cell->setFont(QFont(kCellFamily, kCellPointSize, QFont::Bold));
            cell->setAttribute(Qt::WA_TransparentForMouseEvents);
            cells.append(cell);
        }
    }

    auto hidden = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->hide();
        return l;
    };
    Label1 = hidden("Label1");
    Label2 = hidden("Label2");
    Label5 = hidden("Label5");
    Label6 = hidden("Label6");
    Label7 = hidden("Label7");
    Text3 = new QLineEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->hide();
    Text4 = new QLineEdit(this);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->hide();

    createKeys();

    Command1 = new QPushButton(QStringLiteral("Scope"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setIcon(QIcon(scopeIcon()));
    // Below the frame, clear of the keys.
    Command1->setGeometry(kFrame.right() + 1 - 84, kFrame.bottom() + 7, 84, 28);
    Command1->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    // Over the display, in place of what it showed last, while the scope has the line.
    PausedSign = new QLabel(this);
    PausedSign->setObjectName(QStringLiteral("PausedSign"));
    PausedSign->setGeometry(Shape1->geometry());
    PausedSign->setAlignment(Qt::AlignCenter);
    PausedSign->setWordWrap(true);
    QFont sign(QStringLiteral("Liberation Sans"), 9, QFont::Bold);
    PausedSign->setFont(sign);
    PausedSign->setStyleSheet(
        QStringLiteral("background: rgb(0, 48, 0); color: rgb(200, 255, 200); padding: 4px"));
    PausedSign->hide();
}

void FrontWindow::createKeys() {
    for (int i = 0; i < kKeyCount; ++i) {
        QWidget *key = shell::CreateGlossControl(QStringLiteral("GlossKit.GlossSphere"), this,
                                                 QStringLiteral("GlossSphere1_%1").arg(i));
        GlossSphere1.append(key);
        if (!key)
            continue;
        key->setGeometry(twips(kKeys[i].left, kKeys[i].top, 375, 375));
        key->setProperty("SphereType", 8);  // GlsSphereClouds
        key->setProperty("ContentType", 1); // GlsCntIcon
        key->setProperty("IconSize", 2);    // 24 x 24: the legend fills the key
        key->setProperty("ContentLetter", QString::fromLatin1(kKeys[i].letter));
        key->setProperty("ShowFocus", true);
        key->setProperty("UseSound", i == kEnterKey);
        key->setProperty("ContentIcon", QVariant::fromValue(glosskit::Picture(keyLegend(i))));
        key->setToolTip(i == kContrastKey ? QString() : QString::fromLatin1(kKeys[i].letter));
        if (auto *control = qobject_cast<glosskit::GlossControl *>(key)) {
            connect(control, &glosskit::GlossControl::MouseDown, this,
                    [this, i](short, short, float, float) { GlossSphere1_MouseDown(i); });
            connect(control, &glosskit::GlossControl::MouseUp, this,
                    [this, i](short, short, float, float) { GlossSphere1_MouseUp(i); });
            connect(control, &glosskit::GlossControl::KeyPress, this,
                    [this, i](short keyAscii) { GlossSphere1_KeyPress(i, keyAscii); });
        }
    }
}

void FrontWindow::setShapeColour(unsigned bbggrr) {
    shapeColour_ = bbggrr;
    QPalette pal = Shape1->palette();
    pal.setColor(QPalette::Window, fromBbggrr(bbggrr));
    Shape1->setPalette(pal);
}

void FrontWindow::setLabel1(const QString &text) {
    Label1->setText(text);
    frontalino();
}

void FrontWindow::setLabel2(const QString &text) {
    Label2->setText(text);
    frontalino();
}

void FrontWindow::frontalino() {
    RenderRow(Label1->text(), cells1_);
    RenderRow(Label2->text(), cells2_);
    for (int row = 0; row < 2; ++row) {
        const RowCells &looks = row == 0 ? cells1_ : cells2_;
        const QList<QLabel *> &cells = row == 0 ? Label3 : Label4;
        for (int i = 0; i < kRowLength; ++i) {
            const CellLook &look = looks[static_cast<size_t>(i)];
            QLabel *cell = cells.at(i);
            if (cell->text() == look.caption &&
                cell->font().family() == (look.symbol ? kSymbolFamily : kCellFamily))
                continue;
            cell->setFont(look.symbol ? symbolFont()
                                      : QFont(kCellFamily, kCellPointSize, QFont::Bold));
            cell->setText(look.caption);
        }
    }
}

void FrontWindow::ApplyLanguage(int lang) {
    const shell::CaptionTable &t = shell_.state.Captions;
    Label5->setText(shell::CaptionText(t.capPhasing, lang));
    Label6->setText(shell::CaptionText(t.capCurrentOffset, lang));
    Label7->setText(shell::CaptionText(t.capVariables, lang));
}

void FrontWindow::Form_Load() {
    shell::LoaderRoutine &st = shell_.state;
    // The scope pauses and resumes the poll through the shell while this page is there.
    QPointer<FrontWindow> self(this);
    shell::LineSharing &line = shell_.line;
    line.panelPollRunning = [self] { return self && self->Timer1->isActive(); };
    line.pausePanelPoll = [self] {
        if (self)
            self->pauseForScope();
    };
    line.resumePanelPoll = [self] {
        if (self)
            self->resumeAfterScope();
    };
    line.scopeClosed = [self] {
        if (self)
            self->Command1->setEnabled(true);
    };
    state_ = PanelState{};
    shell::FillCaptionTable(st.Captions);
    ApplyLanguage(st.CurrentLanguage);
    shell_.forms().unload(shell::kDownloadClip);
    const PanelPoll poll = RunPanelLoad(shell_.port(), st.DriveAddress, state_, st.CommResult);
    Text4->setText(state_.backlight1);
    if (!state_.backlight2.isNull())
        Text3->setText(state_.backlight2);
    setShapeColour(poll.lit ? kLitColour : kDarkColour);
    if (!poll.linkOk) {
        setLabel1(poll.label1);
        backToLinkPage();
        return;
    }
    Timer1->start();
}

void FrontWindow::Form_Unload() {
    state_.pendingKey = 0;
    Timer1->stop();
    // The scope gives the line back first: the link must find its port open and the stream
    // stopped when it reads the drive's status.
    shell_.forms().unload(shell::kScopeWindow);
    shell::LineSharing &line = shell_.line;
    line.panelPollRunning = nullptr;
    line.pausePanelPoll = nullptr;
    line.resumePanelPoll = nullptr;
    line.scopeClosed = nullptr;
    shell_.setLinkEnabled(true);
}

void FrontWindow::pauseForScope() {
    Timer1->stop();
    PausedSign->setText(PausedText(shell_.state.CurrentLanguage));
    PausedSign->show();
    PausedSign->raise();
}

void FrontWindow::resumeAfterScope() {
    PausedSign->hide();
    Timer1->start();
}

void FrontWindow::showEvent(QShowEvent *event) {
    Form::showEvent(event);
    if (QWidget *enter = GlossSphere1.value(kEnterKey))
        enter->setFocus(Qt::OtherFocusReason);
}

void FrontWindow::backToLinkPage() {
    Timer1->stop();
    shell_.showPage(shell::kPageLink);
}

void FrontWindow::applyPoll(const PanelPoll &poll) {
    if (poll.backlightRead) {
        Text4->setText(state_.backlight1);
        Text3->setText(state_.backlight2);
        setShapeColour(poll.lit ? kLitColour : kDarkColour);
    }
    setLabel1(poll.label1);
    setLabel2(poll.label2);
}

void FrontWindow::Timer1_Timer() {
    shell::LoaderRoutine &st = shell_.state;
    const PanelPoll poll = RunPanelTick(shell_.port(), st.DriveAddress, state_, st.CommResult);
    applyPoll(poll);
    if (!poll.linkOk)
        backToLinkPage();
}

void FrontWindow::GlossSphere1_MouseDown(int index) {
    if (!Command1->isEnabled() && shell_.line.stopscope)
        shell_.line.stopscope(); // gives the line back and restarts Timer1
    if (index != kEnterKey) {
        PressKey(state_, index);
        return;
    }
    const GuardedTitles titles{Label5->text(), Label6->text(), Label7->text()};
    if (EnterAllowed(Label1->text(), Label2->text(), titles)) {
        PressKey(state_, index);
        return;
    }
    const QString text = NotAvailableText(shell_.state.CurrentLanguage);
    if (!text.isEmpty())
        shell_.dialogs.MsgBox(this, text, shell::kOkOnly | shell::kExclamation, kAppTitle);
}

void FrontWindow::GlossSphere1_MouseUp(int index) {
    Q_UNUSED(index);
    ReleaseKey(state_);
}

void FrontWindow::GlossSphere1_KeyPress(int index, int keyAscii) {
    Q_UNUSED(index);
    const int key = KeyIndexForCharacter(keyAscii);
    if (key >= 0)
        GlossSphere1_MouseDown(key);
}

void FrontWindow::Command1_Click() {
    shell::LoaderRoutine &st = shell_.state;
    if (st.DriveRelease >= kScopeRelease) {
        st.ScopePort = static_cast<qint16>(shell_.port().GetPortNumber());
        if (!shell_.forms().isRegistered(shell::kScopeWindow))
            return; // no oscilloscope in this build yet
        if (QWidget *scope = shell_.forms().form(shell::kScopeWindow))
            scope->show();
        if (shell_.line.startscope)
            shell_.line.startscope();
        // A scope that got no samples has closed again and left the button enabled.
        Command1->setEnabled(!shell_.forms().isLoaded(shell::kScopeWindow));
        return;
    }
    const ReleaseNotice notice = ReleaseNoticeFor(st.CurrentLanguage);
    if (!notice.text.isEmpty())
        shell_.dialogs.MsgBox(this, notice.text, shell::kOkOnly | shell::kCritical, notice.title);
}

void FrontWindow::Command1_KeyPress(int keyAscii) {
    if (keyAscii == 's')
        Command1_Click();
}

bool FrontWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Command1 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() == 1 && text.at(0) == QLatin1Char('s')) {
            Command1_KeyPress('s');
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void RegisterFrontWindow(shell::Shell &shell) {
    shell.forms().registerForm(
        shell::kFrontWindow, [&shell](QWidget *p) { return new FrontWindow(shell, p); }, true);
}

} // namespace zr::front
