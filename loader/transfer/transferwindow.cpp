#include "transferwindow.h"

#include "clipwindows.h"
#include "dialogs.h"
#include "driveprotocol.h"
#include "glosscontrols.h"
#include "historydialog.h"
#include "parambackup.h"
#include "serialport.h"
#include "shell.h"
#include "transferhistory.h"
#include "transferpictures.h"
#include "transfertexts.h"
#include "twips.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace zr::transfer {

using shell::IsSet;
using shell::kFalse;
using shell::kTrue;
using shell::TwipsToPx;

int ParamFileCodeOf(int release) {
    return ParameterFileCode(release);
}

QString ParameterFilter(int code) {
    const QString ext = QStringLiteral("*.%1d").arg(code);
    return QStringLiteral("Parametri (%1)|%1").arg(ext);
}

namespace {

QRect px(int x, int y, int w, int h) {
    return QRect(x, y, w, h);
}

template <class T> T *named(T *w, const char *name, QRect geometry) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

} // namespace

TransferWindow::TransferWindow(shell::Shell &shell, QWidget *parent)
    : Form(shell, shell::kTransferWindow, parent) {
    setWindowTitle(QStringLiteral("Download/upload file ZR3500 Loader "));
    setFont(QFont(QStringLiteral("Arial"), 9));
    setFixedSize(TwipsToPx(7200), TwipsToPx(5250));
    setAutoFillBackground(true);

    shell::AddGlossBackdrop(this);
    auto *shape = named(new QFrame(this), "Shape1", px(34, 32, width() - 68, height() - 64));
    shape->setFrameShape(QFrame::Box);
    shape->setStyleSheet(
        QStringLiteral("QFrame#Shape1 { border: 1px solid #4a5a78; border-radius: 6px; }"));

    Frame4 =
        named(new QGroupBox(QStringLiteral("Operazione"), this), "Frame4", px(40, 38, 118, 120));
    download = named(new QToolButton(Frame4), "download", px(19, 22, 80, 88));
    upload = named(new QToolButton(Frame4), "upload", px(19, 22, 80, 88));
    for (QToolButton *b : {download, upload}) {
        b->setAutoRaise(true);
        b->setIconSize(QSize(72, 72));
        b->setCursor(Qt::PointingHandCursor);
    }
    download->setIcon(QIcon(TransferPicture(true, 72)));
    upload->setIcon(QIcon(TransferPicture(false, 72)));
    download->setToolTip(QStringLiteral("Download"));
    upload->setToolTip(QStringLiteral("Upload"));
    upload->hide();
    connect(download, &QToolButton::clicked, this, [this] { download_Click(); });
    connect(upload, &QToolButton::clicked, this, [this] { upload_Click(); });

    Frame1 = named(new QGroupBox(QStringLiteral("Opzione"), this), "Frame1", px(164, 38, 118, 120));
    opzione_0 = named(new QRadioButton(QStringLiteral(" Programma"), Frame1), "opzione_0",
                      px(10, 34, 104, 24));
    opzione_1 = named(new QRadioButton(QStringLiteral("  Parametri"), Frame1), "opzione_1",
                      px(10, 72, 104, 24));
    compareFirst = named(new QCheckBox(Frame1), "compareFirst", px(10, 96, 106, 20));
    compareFirst->setFont(QFont(QStringLiteral("Arial"), 8));
    compareFirst->setEnabled(false);
    connect(opzione_1, &QRadioButton::toggled, compareFirst, &QCheckBox::setEnabled);
    opzione_0->setChecked(true);
    opzione_0->installEventFilter(this);
    opzione_1->installEventFilter(this);
    connect(opzione_0, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !upload->isVisible() && download->isVisible())
            destination->hide();
    });

    anmAVI = named(new QLabel(this), "anmAVI", px(284, 38, 160, 72));
    anmAVI->setAlignment(Qt::AlignCenter);
    Picture1 = named(new QLabel(this), "Picture1", px(340, 112, 44, 44));
    Picture2 = named(new QLabel(this), "Picture2", px(340, 112, 44, 44));
    Picture1->setPixmap(TransferPicture(true, 44));
    Picture2->setPixmap(TransferPicture(false, 44));
    Picture1->hide();
    Picture2->hide();

    Frame6 = named(new QGroupBox(QStringLiteral("File"), this), "Frame6", px(40, 162, 404, 82));
    Label6 = named(new QLabel(QStringLiteral("Ouvrir:"), Frame6), "Label6", px(10, 22, 90, 22));
    source = named(new QLineEdit(Frame6), "source", px(100, 20, 294, 24));
    Label7 =
        named(new QLabel(QStringLiteral("Sauvegarder:"), Frame6), "Label7", px(10, 52, 90, 22));
    destination = named(new QLineEdit(Frame6), "destination", px(100, 50, 294, 24));
    source->setReadOnly(true);
    destination->setReadOnly(true);
    destination->hide();

    Label1 = named(new QLabel(this), "Label1", px(42, 248, 280, 18));
    Label1->hide();
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1", px(40, 268, 282, 22));
    ProgressBar1->setTextVisible(true);
    ProgressBar1->hide();

    Command1 =
        named(new QPushButton(QStringLiteral("Cancel"), this), "Command1", px(334, 254, 110, 34));
    Command1->setFont(QFont(QStringLiteral("Comic Sans MS"), 10));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    runningNote = named(new QLabel(this), "runningNote", px(40, 294, 404, 20));
    runningNote->setAlignment(Qt::AlignCenter);
    runningNote->setStyleSheet(QStringLiteral("QLabel#runningNote { color: #1a1a1a; background: "
                                              "#fff8d0; border: 1px solid #b09a40; "
                                              "border-radius: 4px; }"));
    runningNote->hide();

    verifyAfter = named(new QCheckBox(this), "verifyAfter", px(40, 294, 172, 22));
    verifyAfter->setChecked(true);
    restoreButton = named(new QPushButton(this), "restoreButton", px(214, 292, 114, 24));
    connect(restoreButton, &QPushButton::clicked, this, [this] { restore_Click(); });
    historyButton = named(new QPushButton(this), "historyButton", px(332, 292, 112, 24));
    connect(historyButton, &QPushButton::clicked, this, [this] {
        ShowHistoryDialog(this, shell_.state.CurrentLanguage, DefaultHistoryPath());
    });

    // Where the progress bar runs during a transfer: said once the transfer is over.
    backupNote = named(new QLabel(this), "backupNote", px(40, 246, 290, 46));
    backupNote->setFont(QFont(QStringLiteral("Arial"), 8));
    backupNote->setWordWrap(true);
    backupNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    backupNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    backupNote->hide();

    tempo = new QTimer(this);
    tempo->setObjectName(QStringLiteral("tempo"));
    tempo->setInterval(500);
    connect(tempo, &QTimer::timeout, this, [this] { tempo_Timer(); });
}

void TransferWindow::ApplyLanguage(int lang) {
    const shell::CaptionTable &c = shell_.state.Captions;
    Frame1->setTitle(shell::CaptionText(c.capOption, lang));
    opzione_0->setText(shell::CaptionText(c.capProgram, lang));
    opzione_1->setText(shell::CaptionText(c.capParameter, lang));
    Frame4->setTitle(shell::CaptionText(c.capOperation, lang));
    Label6->setText(shell::CaptionText(c.capOpenFile, lang));
    Label7->setText(shell::CaptionText(c.capSaveFile, lang));
    Frame6->setTitle(shell::CaptionText(c.capFile, lang));
    verifyAfter->setText(VerifyAfterDownloadCaption(lang));
    compareFirst->setText(CompareFirstCaption(lang));
    historyButton->setText(HistoryButtonCaption(lang));
    restoreButton->setText(RestoreButtonCaption(lang));
}

void TransferWindow::Form_Load() {
    shell::LoaderRoutine &st = shell_.state;
    shell::FillCaptionTable(st.Captions);
    ApplyLanguage(st.CurrentLanguage);
    st.DownloadActive = kFalse;
    st.UploadActive = kFalse;
    if (shell::Form *host = shell_.forms().form(shell::kSerialHost))
        host->hide();
    QString text;
    st.CommResult = Transact(shell_.port(), st.DriveAddress, addr::kStatus, false, true, text);
    if (st.CommResult != LinkResult::NoError) {
        shell_.showPage(shell::kPageLink);
        return;
    }
    tempo->start();
}

void TransferWindow::Form_Unload() {
    shell::LoaderRoutine &st = shell_.state;
    st.DriveAddress = st.SavedDriveAddress;
    tempo->stop();
    // Switching the link on again loads the link page if needed and restarts its poll.
    shell_.setLinkEnabled(true);
}

void TransferWindow::tempo_Timer() {
    shell::LoaderRoutine &st = shell_.state;
    QPointer<TransferWindow> self(this);
    QString text;
    st.CommResult = Transact(shell_.port(), st.DriveAddress, addr::kStatus, false, true, text);
    QCoreApplication::processEvents();
    if (!self)
        return;
    if (st.CommResult != LinkResult::NoError) {
        upload->hide();
        download->hide();
        opzione_0->setEnabled(false);
        opzione_1->setEnabled(false);
        upload->setEnabled(false);
        download->setEnabled(false);
        shell_.showPage(shell::kPageLink);
        return;
    }
    st.StatusFlag14 = StatusBit14(text);
    QCoreApplication::processEvents();
    if (!self)
        return;
    if (st.StatusFlag14 == 0) {
        opzione_0->setEnabled(true);
        opzione_1->setEnabled(true);
        upload->setEnabled(false);
        upload->hide();
        download->setEnabled(true);
        download->show();
        restoreButton->setEnabled(!running_ && source->text().isEmpty()); // one download a visit
        if (opzione_0->isChecked())
            destination->hide();
    } else {
        opzione_0->setEnabled(false);
        opzione_1->setEnabled(true);
        opzione_1->setChecked(true);
        upload->setEnabled(true);
        upload->show();
        download->setEnabled(false);
        download->hide();
        destination->show();
        restoreButton->setEnabled(false);
    }
}

TransferOutcome TransferWindow::runSequence(TransferOutcome (*sequence)(const TransferLink &,
                                                                        const QString &,
                                                                        TransferView &),
                                            const QString &file) {
    const TransferLink link{shell_.port(), shell_.state.DriveAddress, shell_.state.CurrentLanguage};
    QPointer<TransferWindow> self(this);
    setRunning(true);
    const QString direction = sequence == &UploadParameters  ? QStringLiteral("upload")
                              : sequence == &DownloadProgram ? QStringLiteral("program")
                                                             : QStringLiteral("download");
    HistoryRecord record(direction, file, link, shell_.state.DriveRelease);
    record.setDrive(namedDrive());
    const TransferOutcome outcome = sequence(link, file, *this);
    record.finish(outcome);
    if (self && outcome != TransferOutcome::CommError) {
        setRunning(false);
        showPendingMessages();
    }
    return outcome;
}

void TransferWindow::download_Click() {
    shell::LoaderRoutine &st = shell_.state;
    if (running_ || !source->text().isEmpty())
        return;
    tempo->stop();
    QString file;
    TransferOutcome (*sequence)(const TransferLink &, const QString &, TransferView &) = nullptr;
    if (opzione_0->isChecked()) {
        file = shell_.dialogs.GetOpenFileName(this, QStringLiteral("Download Program"),
                                              QStringLiteral("Programma (*.hex)|*.hex"), QString());
        if (file.isEmpty())
            return; // cancelled: the poll stays stopped
        source->setText(file);
        sequence = &DownloadProgram;
    } else {
        const int code = ParamFileCodeOf(st.DriveRelease);
        st.ParamFileCode = QString::number(code);
        file = shell_.dialogs.GetOpenFileName(this, QStringLiteral("Download Parameter"),
                                              ParameterFilter(code), QString());
        if (file.isEmpty())
            return;
        st.ParamFileName = file;
        source->setText(st.ParamFileName);
        sequence = &DownloadParameters;
    }
    sendFile(sequence, file);
}

void TransferWindow::restore_Click() {
    shell::LoaderRoutine &st = shell_.state;
    if (running_ || !source->text().isEmpty() || !download->isVisible())
        return;
    tempo->stop();
    const QString file = ChooseBackup(this, st.CurrentLanguage, DefaultBackupFolder());
    if (file.isEmpty()) {
        tempo->start();
        return;
    }
    opzione_1->setChecked(true);
    st.ParamFileCode = QString::number(ParamFileCodeOf(st.DriveRelease));
    st.ParamFileName = file;
    source->setText(file);
    sendFile(&DownloadParameters, file);
}

void TransferWindow::sendFile(TransferOutcome (*sequence)(const TransferLink &, const QString &,
                                                          TransferView &),
                              const QString &file) {
    shell::LoaderRoutine &st = shell_.state;
    st.DownloadActive = kTrue;
    QPointer<TransferWindow> self(this);
    if (sequence == &DownloadParameters &&
        ((compareFirst->isChecked() && !compareBeforeDownload(file)) ||
         !backUpBeforeDownload(file))) {
        if (!self)
            return;
        source->clear();
        st.DownloadActive = kFalse;
        tempo->start();
        return;
    }
    if (!self)
        return;
    const TransferOutcome outcome = runSequence(sequence, file);
    if (!self || outcome == TransferOutcome::CommError)
        return;
    if (sequence == &DownloadParameters && outcome == TransferOutcome::Done &&
        verifyAfter->isChecked()) {
        verifyDownload(file);
        if (!self)
            return;
    }
    if (outcome == TransferOutcome::BadFile) {
        // Nothing was sent: the window is as before the click, ready for another file.
        source->clear();
        st.DownloadActive = kFalse;
        tempo->start();
        return;
    }
    st.TransferDone = kTrue;
    tempo->start();
}

void TransferWindow::upload_Click() {
    shell::LoaderRoutine &st = shell_.state;
    if (running_)
        return;
    tempo->stop();
    const int code = ParamFileCodeOf(st.DriveRelease);
    st.ParamFileCode = QString::number(code);
    const QString file = shell_.dialogs.GetSaveFileName(this, QStringLiteral("Upload Parameter"),
                                                        ParameterFilter(code), QString());
    if (file.isEmpty())
        return;
    destination->setText(file);
    st.UploadActive = kTrue;
    QPointer<TransferWindow> self(this);
    const TransferOutcome outcome = runSequence(&UploadParameters, file);
    if (!self || outcome == TransferOutcome::CommError)
        return;
    if (outcome == TransferOutcome::BadFile) {
        st.UploadActive = kFalse;
        tempo->start();
        return;
    }
    st.TransferDone = kTrue;
}

void TransferWindow::opzione_KeyPress(int keyAscii) {
    if (download->isVisible() && !upload->isVisible() && keyAscii == 100)
        download_Click();
    if (upload->isVisible() && !download->isVisible() && keyAscii == 117)
        upload_Click();
}

bool TransferWindow::eventFilter(QObject *watched, QEvent *event) {
    if ((watched == opzione_0 || watched == opzione_1) && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() == 1)
            opzione_KeyPress(text.at(0).unicode());
    }
    return Form::eventFilter(watched, event);
}

void TransferWindow::Command1_Click() {
    if (running_)
        return;
    shell_.showPage(shell::kPageLink);
    QCoreApplication::processEvents();
}

void TransferWindow::setRunning(bool on) {
    if (on == running_)
        return;
    running_ = on;
    Command1->setEnabled(!on);
    Frame1->setEnabled(!on);
    // The note stands over the check box and the buttons, the bar where the backup's note was.
    for (QWidget *w : std::initializer_list<QWidget *>{verifyAfter, restoreButton, historyButton})
        w->setVisible(!on);
    backupNote->setVisible(!on && !backupNote->text().isEmpty());
    // Clicks and keys wait while the words go out (see letEventsRun): say so, and show a busy
    // pointer, so that nobody thinks the program hangs.
    runningNote->setText(Pick(shell_.state.CurrentLanguage,
                              "Trasferimento in corso: i comandi attendono la fine.",
                              "Transfer running: clicks and keys wait until it ends.",
                              "Transfert en cours : les commandes attendent la fin."));
    runningNote->setVisible(on);
    if (on)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void TransferWindow::showPendingMessages() {
    const auto messages = std::exchange(pendingMessages_, {});
    for (const auto &show : messages)
        show();
}

// --- what the sequences show ---

void TransferWindow::setPollEnabled(bool on) {
    if (on)
        tempo->start();
    else
        tempo->stop();
}

void TransferWindow::playClip() {
    if (!clip_) {
        clip_ = new QMovie(ClipPath(shell_.programDir), QByteArray(), this);
        anmAVI->setMovie(clip_);
    }
    clip_->start();
    anmAVI->show();
}

void TransferWindow::StartDownloadAnimation() {
    Picture1->show();
    Picture2->hide();
    playClip();
    Picture1->show();
    repaint();
    letEventsRun();
}

void TransferWindow::StartUploadAnimation() {
    Picture1->hide();
    Picture2->show();
    playClip();
    Picture2->show();
    repaint();
    letEventsRun();
}

void TransferWindow::stopAnimation() {
    if (clip_)
        clip_->stop();
}

void TransferWindow::setLabel(const QString &text, bool visible) {
    if (!text.isEmpty())
        Label1->setText(text);
    Label1->setVisible(visible);
}

void TransferWindow::setProgressRange(int min, int max) {
    ProgressBar1->setRange(min, max);
}
void TransferWindow::setProgressValue(int value) {
    ProgressBar1->setValue(value);
}
void TransferWindow::setProgressVisible(bool visible) {
    ProgressBar1->setVisible(visible);
}

void TransferWindow::hidePictures() {
    Picture1->hide();
    Picture2->hide();
}

void TransferWindow::unloadUploadClip() {
    shell_.forms().unload(shell::kUploadClip);
}
void TransferWindow::unloadDownloadClip() {
    shell_.forms().unload(shell::kDownloadClip);
}

void TransferWindow::letEventsRun() {
    // Paint and timers run; clicks, keys and close requests wait until the transfer is over,
    // so nothing can unload this window or start another transaction between two words.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TransferWindow::finished(bool wasUpload) {
    if (wasUpload)
        shell_.state.UploadActive = kFalse;
    else
        shell_.state.DownloadActive = kFalse;
}

void TransferWindow::showFileProblem(const FileProblem &problem) {
    pendingMessages_ << [this, problem] {
        const int lang = shell_.state.CurrentLanguage;
        shell_.dialogs.MsgBox(this, FileProblemText(problem, lang),
                              shell::kOkOnly | shell::kExclamation,
                              FileProblemTitle(problem, lang));
    };
}

void TransferWindow::showNotConfirmed(bool program) {
    pendingMessages_ << [this, program] {
        const int lang = shell_.state.CurrentLanguage;
        shell_.dialogs.MsgBox(this, NotConfirmedText(program, lang),
                              shell::kOkOnly | shell::kExclamation, NotConfirmedTitle(lang));
    };
}

void TransferWindow::ShowCommError(int language) {
    if (CommErrorTitle(language).isEmpty())
        return;
    tempo->stop();
    setRunning(false);
    shell_.dialogs.MsgBox(this, CommErrorText(language), shell::kOkOnly | shell::kCritical,
                          CommErrorTitle(language));
    // The program ends here: no transaction follows, the port is released.
    if (shell_.port().IsOpen())
        shell_.port().Close();
    if (shell_.endProgram)
        shell_.endProgram();
}

void RegisterTransferWindows(shell::Shell &shell) {
    shell::FormsRegistry &f = shell.forms();
    f.registerForm(
        shell::kTransferWindow, [&shell](QWidget *p) { return new TransferWindow(shell, p); },
        true);
    f.registerForm(
        shell::kUploadClip,
        [&shell](QWidget *p) { return new ClipWindow(shell, shell::kUploadClip, p); }, true);
    f.registerForm(
        shell::kDownloadClip,
        [&shell](QWidget *p) { return new ClipWindow(shell, shell::kDownloadClip, p); }, true);
}

} // namespace zr::transfer
