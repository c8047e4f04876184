#include "serialstatewindow.h"

#include "driveprotocol.h"
#include "glosscontrols.h"
#include "hardwareserialport.h"
#include "linkhints.h"
#include "serialport.h"
#include "shell.h"
#include "toggleswitch.h"
#include "twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace zr::shell {

namespace {

QRect twipRect(int left, int top, int width, int height) {
    return QRect(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, QRect r) {
    auto *g = new QGroupBox(caption, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(r);
    return g;
}

QLabel *valueLabel(QWidget *parent, const char *name) {
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(TwipsToPx(120), TwipsToPx(300), TwipsToPx(1200), TwipsToPx(330));
    QFont f = l->font();
    f.setPointSize(12);
    f.setBold(true);
    l->setFont(f);
    return l;
}

// The number a text holds, as the poll reads it: leading blanks skipped, an empty or
// non-numeric text gives 0.
qint32 numberIn(const QString &text) {
    bool ok = false;
    const qint32 v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

} // namespace

SerialStateWindow::SerialStateWindow(Shell &shell, QWidget *parent)
    : Form(shell, kLinkWindow, parent) {
    setWindowTitle(QStringLiteral("Serial state ZR3500 Loader"));
    setFont(QFont(QStringLiteral("Arial"), 9));
    setFixedSize(TwipsToPx(6300), TwipsToPx(4350));
    setAutoFillBackground(true);

    if (QWidget *screen = CreateGlossControl(QStringLiteral("GlossKit.GlossScreen"), this,
                                             QStringLiteral("GlossScreen1"))) {
        screen->setGeometry(rect());
        screen->lower();
    }

    Frame1 = frame(this, "Frame1", QStringLiteral("Numero Drive"), twipRect(675, 630, 2550, 810));
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    for (int i = 1; i <= 62; ++i)
        Combo1->addItem(QString::number(i));
    Combo1->setEditText(QStringLiteral("1"));
    Combo1->setGeometry(twipRect(150, 330, 2100, 360));
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    CWButton1 = new ToggleSwitch(this);
    CWButton1->setObjectName(QStringLiteral("CWButton1"));
    CWButton1->setToolTip(QStringLiteral("Disable"));
    CWButton1->setGeometry(TwipsToPx(4200), TwipsToPx(840), TwipsToPx(1200), TwipsToPx(480));
    connect(CWButton1, &ToggleSwitch::ValueChanged, this, [this](bool on) {
        ++switchFlips_;
        CWButton1_ValueChanged(on);
    });

    Frame3 = frame(this, "Frame3", QStringLiteral("Com"), twipRect(675, 1530, 1350, 810));
    numcom = valueLabel(Frame3, "numcom");
    numcom->setGeometry(twipRect(120, 330, 1110, 360));

    Frame2 =
        frame(this, "Frame2", QStringLiteral("Release Program"), twipRect(2175, 1530, 3450, 810));
    SOFTREL = valueLabel(Frame2, "SOFTREL");
    SOFTREL->setGeometry(twipRect(120, 330, 3210, 360));

    Frame5 = frame(this, "Frame5", QStringLiteral(" Stato comunicazione"),
                   twipRect(675, 2430, 4950, 810));
    Stato = new QLineEdit(QStringLiteral("Seriale"), Frame5);
    Stato->setObjectName(QStringLiteral("Stato"));
    Stato->setReadOnly(true);
    Stato->setAlignment(Qt::AlignCenter);
    Stato->setGeometry(twipRect(120, 330, 4710, 390));
    connect(Stato, &QLineEdit::textChanged, this, [this] { Stato_Change(); });

    // A note on a light ground, so that it reads on the green of the frame.
    linkHint = new QLabel(this);
    linkHint->setObjectName(QStringLiteral("linkHint"));
    linkHint->setWordWrap(true);
    linkHint->setGeometry(twipRect(675, 3270, 4950, 540));
    linkHint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    linkHint->setFont(QFont(QStringLiteral("Arial"), 9));
    linkHint->setStyleSheet(QStringLiteral("QLabel#linkHint { color: #1a1a1a; background: #fff8d0;"
                                           " border: 1px solid #b09a40; border-radius: 4px;"
                                           " padding: 2px 6px; }"));
    linkHint->hide();

    for (QGroupBox *g : {Frame1, Frame2, Frame3, Frame5})
        g->setFont(QFont(QStringLiteral("Arial"), 9));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void SerialStateWindow::ApplyLanguage(int lang) {
    const CaptionTable &t = shell_.state.Captions;
    Frame5->setTitle(CaptionText(t.capCommState, lang));
    Frame1->setTitle(CaptionText(t.capDriveNumber, lang));
}

void SerialStateWindow::Form_Load() {
    shell_.forms().unload(kDownloadClip);
    Combo1->setCurrentIndex(shell_.state.DriveAddress - 1);
    if (shell_.state.DriveAddress < 1)
        Combo1->setEditText(QString());
    ApplyLanguage(shell_.state.CurrentLanguage);
    Stato->setText(QStringLiteral(" "));
}

void SerialStateWindow::Form_Activate() {
    Combo1_Click();
}

void SerialStateWindow::Combo1_Click() {
    shell_.state.DriveAddress = qint16(numberIn(Combo1->currentText()));
}

void SerialStateWindow::Form_Unload() {
    Timer1->stop();
    shell_.state.TransferDone = kFalse;
}

// Every routine here that lets window events run may see the switch flipped (or the page
// unloaded) meanwhile; the handler of that flip has then done its work and has the last word, so
// the routine stops where it is instead of writing its older view of the link back.
bool SerialStateWindow::letEventsRun(const QPointer<SerialStateWindow> &self, quint64 flips) {
    QCoreApplication::processEvents();
    return self && switchFlips_ == flips;
}

void SerialStateWindow::callstatus() {
    LoaderRoutine &st = shell_.state;
    QPointer<SerialStateWindow> self(this);
    const quint64 flips = switchFlips_;
    QString text;
    for (int round = 0; round < 2; ++round) {
        if (!Timer1->isActive())
            Timer1->start();
        DriveTransaction(shell_.port(), st.DriveAddress, addr::kStatus, false, true, text,
                         st.CommResult);
        st.StatusFlag14 = numberIn(text) & addr::kStatusBit14;
        if (!letEventsRun(self, flips))
            return;
    }
}

void SerialStateWindow::CWButton1_ValueChanged(bool on) {
    LoaderRoutine &st = shell_.state;
    QPointer<SerialStateWindow> self(this);
    const quint64 flips = switchFlips_;
    callstatus();
    if (!self || switchFlips_ != flips)
        return;
    QString text2;
    DriveTransaction(shell_.port(), st.DriveAddress, addr::kStatus, false, true, text2,
                     st.CommResult);
    st.StatusFlag14 = numberIn(text2) & addr::kStatusBit14;
    if (!letEventsRun(self, flips))
        return;
    if (st.StatusFlag14 == addr::kStatusBit14 && on) {
        if (!Timer1->isActive())
            Timer1->start();
        CWButton1->setToolTip(QStringLiteral("Enable"));
        shell_.enableToolbarButton(1, true);
        shell_.enableToolbarButton(2, true);
        shell_.enableToolbarButton(3, true);
    }
    if (st.StatusFlag14 == 0 && on) {
        if (!Timer1->isActive())
            Timer1->start();
        CWButton1->setToolTip(QStringLiteral("Enable"));
        shell_.enableToolbarButton(1, true);
        shell_.enableToolbarButton(2, true);
        shell_.enableToolbarButton(3, false);
    }
    if (!on) {
        CWButton1->setToolTip(QStringLiteral("Disable"));
        shell_.enableToolbarButton(1, false);
        shell_.enableToolbarButton(2, false);
        shell_.enableToolbarButton(3, false);
        Timer1->stop();
        Stato->setText(QStringLiteral(" "));
        if (!self)
            return;
        SOFTREL->setText(QStringLiteral("0"));
        numcom->setText(QStringLiteral("0"));
        st.LinkOk = kFalse;
        showHint(QString());
    }
    st.LinkEnabledSaved = Flag(CWButton1->Value());
}

void SerialStateWindow::Stato_Change() {
    if (IsSet(shell_.state.TransferDone))
        CWButton1_ValueChanged(IsSet(shell_.state.LinkEnabledSaved));
}

void SerialStateWindow::Timer1_Timer() {
    LoaderRoutine &st = shell_.state;
    QPointer<SerialStateWindow> self(this);
    const quint64 flips = switchFlips_;
    if (PortNumber > 4)
        PortNumber = 4;
    if (PortNumber < 1)
        PortNumber = 1;

    SerialPort &port = shell_.port();
    bool ok = true;
    bool portFailed = false;
    if (port.IsOpen())
        ok = port.Close();
    ok = ok && port.SetPortNumber(PortNumber);
    if (ok && !letEventsRun(self, flips))
        return;
    if (ok && !port.IsOpen()) {
        ok = port.Open();
        portFailed = !ok;
    }
    ok = ok && port.DiscardInput();
    if (ok) {
        QString text;
        DriveTransaction(port, st.DriveAddress, addr::kRelease, false, true, text, st.CommResult);
        st.DriveRelease = qint16(numberIn(text));
        if (text.trimmed().isEmpty())
            ok = false;
        else
            SOFTREL->setText(FormatRelease(text));
    }
    if (ok && st.CommResult == kNoError) {
        numcom->setText(QString::number(PortNumber));
        QPalette pal = Stato->palette();
        pal.setColor(QPalette::Text, QColor(0, 255, 1));
        Stato->setPalette(pal);
        Stato->setText(st.CommResult);
        if (!self || switchFlips_ != flips)
            return;
        st.LinkOk = kTrue;
        showLatencyWarning();
        return;
    }

    PortNumber = PortNumber >= 4 ? 1 : qint16(PortNumber + 1);
    QPalette pal = Stato->palette();
    pal.setColor(QPalette::Text, QColor(255, 1, 0));
    Stato->setPalette(pal);
    numcom->setText(QString::number(PortNumber));
    Stato->setText(st.CommResult);
    if (!self || switchFlips_ != flips)
        return;
    SOFTREL->setText(QStringLiteral("X"));
    st.LinkOk = kFalse;
    showHint(portFailed ? PortFailureHint(shell_.port(), st.CurrentLanguage) : QString());
}

void SerialStateWindow::showHint(const QString &text) {
    linkHint->setText(text);
    linkHint->setVisible(!text.isEmpty());
}

void SerialStateWindow::showLatencyWarning() {
    auto *hw = dynamic_cast<HardwareSerialPort *>(&shell_.port());
    showHint(LatencyHint(hw ? hw->latencyTimerMs() : 0, shell_.state.CurrentLanguage));
}

} // namespace zr::shell
