#include "serialstatewindow.h"

#include "driveprotocol.h"
#include "glosscontrols.h"
#include "hardwareserialport.h"
#include "linkcontroller.h"
#include "linkhints.h"
#include "serialport.h"
#include "shell.h"
#include "toggleswitch.h"
#include "twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

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

} // namespace

SerialStateWindow::SerialStateWindow(Shell &shell, QWidget *parent)
    : Form(shell, kLinkWindow, parent) {
    setWindowTitle(QStringLiteral("Serial state ZR3500 Loader"));
    setFont(QFont(QStringLiteral("Arial"), 9));
    setFixedSize(TwipsToPx(6300), TwipsToPx(4350));
    setAutoFillBackground(true);

    AddGlossBackdrop(this);

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
    // A flip of the switch goes to the link; the page shows whatever the link then is.
    connect(CWButton1, &ToggleSwitch::ValueChanged, this,
            [this](bool on) { shell_.link().setLinkEnabled(on); });
    connect(&shell_.link(), &LinkController::linkEnabledChanged, this, [this] { showLink(); });
    connect(&shell_.link(), &LinkController::viewChanged, this, [this] { showLink(); });

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
    shell_.link().pageLoaded();
    showLink();
}

void SerialStateWindow::Form_Activate() {
    Combo1_Click();
}

void SerialStateWindow::Combo1_Click() {
    bool ok = false;
    const int n = Combo1->currentText().trimmed().toInt(&ok);
    shell_.state.DriveAddress = qint16(ok ? n : 0);
}

void SerialStateWindow::Form_Unload() {
    shell_.link().pageUnloaded();
}

void SerialStateWindow::showLink() {
    const LinkController &link = shell_.link();
    {
        const QSignalBlocker quiet(CWButton1); // showing the value is no change by the user
        CWButton1->setValue(link.linkEnabled());
    }
    CWButton1->setToolTip(link.linkEnabled() ? QStringLiteral("Enable")
                                             : QStringLiteral("Disable"));
    QPalette pal = Stato->palette();
    pal.setColor(QPalette::Text, link.statusGood() ? QColor(0, 255, 1) : QColor(255, 1, 0));
    Stato->setPalette(pal);
    Stato->setText(link.statusText());
    SOFTREL->setText(link.releaseText());
    numcom->setText(link.portText());
    const int lang = shell_.state.CurrentLanguage;
    const HardwareSerialPort *hw = HardwarePortOf(shell_.port());
    const QString slow = hw && hw->network()
                             ? NetworkDelayHint(shell_.port(), hw->network()->roundTripUs(), lang)
                             : QString();
    // A port that opened and went away in the tick says why as well: a lost connection, or
    // ser2net turning the connection away.
    if (link.portFailed() || (hw && hw->deviceVanished()))
        showHint(PortFailureHint(shell_.port(), lang));
    else if (!slow.isEmpty())
        showHint(slow);
    else if (link.statusGood())
        showHint(LatencyHint(hw ? hw->latencyTimerMs() : 0, lang));
    else
        showHint(QString());
}

void SerialStateWindow::showHint(const QString &text) {
    linkHint->setText(text);
    linkHint->setVisible(!text.isEmpty());
}

} // namespace zr::shell
