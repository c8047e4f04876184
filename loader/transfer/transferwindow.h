#pragma once

// ZR_LOADER_DOWN, the transfer page: watches the drive's status every 500 ms and offers what it
// allows: with the drive program stopped a program or parameter download, with it running the
// parameter upload. A click on the picture asks for the file and runs the transfer sequence.

#include "form.h"
#include "transfersequences.h"

#include <QList>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMovie;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

namespace zr::transfer {

// The parameter file type of a drive release: 10 x thousands digit + tens digit
// (1310 -> 11, 1700 -> 10, 2130 -> 23, 0 -> 0).
int ParamFileCodeOf(int release);
// "Parametri (*.11d)|*.11d" for code 11.
QString ParameterFilter(int code);

class TransferWindow final : public shell::Form, public TransferView {
    Q_OBJECT
public:
    explicit TransferWindow(shell::Shell &shell, QWidget *parent = nullptr);

    void Form_Load() override;
    void Form_Unload() override;
    void ApplyLanguage(int lang) override;

    // TransferView
    void setPollEnabled(bool on) override;
    void startUploadAnimation() override { StartUploadAnimation(); }
    void startDownloadAnimation() override { StartDownloadAnimation(); }
    void stopAnimation() override;
    void setLabel(const QString &text, bool visible) override;
    void setProgressRange(int min, int max) override;
    void setProgressValue(int value) override;
    void setProgressVisible(bool visible) override;
    void hidePictures() override;
    void unloadUploadClip() override;
    void unloadDownloadClip() override;
    void letEventsRun() override;
    void finished(bool upload) override;
    void showFileProblem(const FileProblem &problem) override;
    void showNotConfirmed(bool program) override;
    void ShowCommError(int language) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tempo_Timer();
    void download_Click();
    void upload_Click();
    // Sends one of the last backups as a parameter download (with its own backup and verify).
    void restore_Click();
    // A download of file: the backup first for parameters, the sequence, the verify.
    void sendFile(TransferOutcome (*sequence)(const TransferLink &, const QString &,
                                              TransferView &),
                  const QString &file);
    void Command1_Click();
    void opzione_KeyPress(int keyAscii);
    void StartDownloadAnimation();
    void StartUploadAnimation();
    TransferOutcome runSequence(TransferOutcome (*sequence)(const TransferLink &, const QString &,
                                                            TransferView &),
                                const QString &file);
    void playClip();
    void setRunning(bool on);
    void showPendingMessages();
    // The drive's set goes into a backup before a parameter download; false when it failed and
    // the user chose not to go on.
    bool backUpBeforeDownload(const QString &file);
    // Before a parameter download, when asked for: the file against the drive's set, then the
    // user's answer (true: go on).
    bool compareBeforeDownload(const QString &file);
    // Reads the drive's set back after a parameter download and holds it against the file.
    void verifyDownload(const QString &file);
    // Shows a line where the bar runs during a transfer (where the backup went, the verify), with
    // its longer form as tooltip.
    void addNote(const QString &text, const QString &tip = QString());
    // The drive number the user chose: the loader may be talking to drive 0, which all answer.
    int namedDrive() const;

    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QGroupBox *Frame6 = nullptr;
    QToolButton *download = nullptr;
    QToolButton *upload = nullptr;
    QRadioButton *opzione_0 = nullptr;
    QRadioButton *opzione_1 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLineEdit *source = nullptr;
    QLineEdit *destination = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *Picture2 = nullptr;
    QLabel *anmAVI = nullptr;
    QPushButton *Command1 = nullptr;
    QTimer *tempo = nullptr;
    // Shown while a transfer runs: clicks and keys wait until it ends.
    QLabel *runningNote = nullptr;
    // Where the backup before the last download went, how its verify ended.
    QLabel *backupNote = nullptr;
    QCheckBox *verifyAfter = nullptr; // "Verify after download", on by default
    QPushButton *historyButton = nullptr;
    QCheckBox *compareFirst = nullptr;    // compare with the drive before a parameter download
    QPushButton *restoreButton = nullptr; // enabled while downloads are offered

    QMovie *clip_ = nullptr;
    bool running_ = false;
    // Messages of a sequence, shown once it has ended and the window answers again.
    QList<std::function<void()>> pendingMessages_;
};

// Registers ZR_LOADER_DOWN and the two clip windows with the shell's forms registry.
void RegisterTransferWindows(shell::Shell &shell);

} // namespace zr::transfer
