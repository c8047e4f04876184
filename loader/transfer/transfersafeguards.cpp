// The transfer page's safeguards around a parameter download: the comparison before it, the
// backup of the drive's set, the read-back after it, and the notes that say how they went.

#include "comparedialog.h"
#include "descriptions.h"
#include "dialogs.h"
#include "parambackup.h"
#include "paramcompare.h"
#include "parameterset.h"
#include "paramtexts.h"
#include "serialport.h"
#include "shell.h"
#include "transferhistory.h"
#include "transfertexts.h"
#include "transferwindow.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace zr::transfer {

bool TransferWindow::backUpBeforeDownload(const QString &file) {
    // A file the download will refuse costs no backup: the download says why.
    if (!ReadParameterValues(file, nullptr))
        return true;
    shell::LoaderRoutine &st = shell_.state;
    const int lang = st.CurrentLanguage;
    const TransferLink link{shell_.port(), st.DriveAddress, lang};
    QPointer<TransferWindow> self(this);
    setRunning(true);
    HistoryRecord record(QStringLiteral("backup"), QString(), link, st.DriveRelease);
    record.setDrive(namedDrive());
    const BackupResult r = BackupParameterSet(link, st.DriveRelease, DefaultBackupFolder(), *this,
                                              QDateTime::currentDateTime(), namedDrive());
    record.setFile(r.path);
    record.finish(r.ok ? QStringLiteral("done") : QStringLiteral("failed"));
    if (!self)
        return false;
    setRunning(false);
    if (r.ok) {
        backupNote->clear();
        backupNote->setToolTip(QString());
        addNote(BackupNoteText(r.path, lang), BackupDoneText(r.path, lang));
        return true;
    }
    const QString question =
        BackupFailedText(r, lang) + QLatin1Char('\n') + BackupGoOnQuestion(lang);
    return shell_.dialogs.MsgBox(this, question, shell::kYesNo | shell::kExclamation,
                                 BackupFailedTitle(lang)) == shell::kYes;
}

void TransferWindow::verifyDownload(const QString &file) {
    const auto fileWords = ReadParameterValues(file, nullptr);
    if (!fileWords)
        return;
    shell::LoaderRoutine &st = shell_.state;
    const int lang = st.CurrentLanguage;
    const TransferLink link{shell_.port(), st.DriveAddress, lang};
    QPointer<TransferWindow> self(this);
    tempo->stop();
    setRunning(true);
    setLabel(ReadStepLabel(ReadStep::Verify, lang), true);
    setProgressRange(0, kParameterWords);
    setProgressValue(0);
    setProgressVisible(true);
    HistoryRecord record(QStringLiteral("verify"), file, link, st.DriveRelease);
    record.setDrive(namedDrive());
    const VerifyResult r = VerifyParameterSet(link, *fileWords, *this);
    record.finish(r.kind == VerifyResult::Equal    ? QStringLiteral("done")
                  : r.kind == VerifyResult::Differ ? QStringLiteral("differ")
                                                   : QStringLiteral("no answer"));
    if (!self)
        return;
    setProgressVisible(false);
    setLabel(QString(), false);
    setRunning(false);
    if (r.kind == VerifyResult::Equal) {
        addNote(VerifiedText(lang));
        return;
    }
    const QString text = r.kind == VerifyResult::Differ
                             ? VerifyDifferText(r.differing, r.driveWords, *fileWords, lang)
                             : VerifyNoAnswerText(r.failedAddress, lang);
    addNote(VerifyNoteText(r.kind == VerifyResult::Differ ? int(r.differing.size()) : 0,
                           r.differing.value(0, -1), lang),
            text);
    shell_.dialogs.MsgBox(this, text, shell::kOkOnly | shell::kCritical, VerifyTitle(lang));
}

bool TransferWindow::compareBeforeDownload(const QString &file) {
    const auto fileWords = ReadParameterValues(file, nullptr);
    if (!fileWords)
        return true; // the download says why it refuses the file
    shell::LoaderRoutine &st = shell_.state;
    const int lang = st.CurrentLanguage;
    QPointer<TransferWindow> self(this);
    setRunning(true);
    setLabel(ReadStepLabel(ReadStep::Compare, lang), true);
    setProgressRange(0, kParameterWords);
    setProgressValue(0);
    setProgressVisible(true);
    int failed = -1;
    const auto driveWords =
        ReadParameterSet(TransferLink{shell_.port(), st.DriveAddress, lang}, *this, 0, &failed);
    if (!self)
        return false;
    setProgressVisible(false);
    setLabel(QString(), false);
    setRunning(false);
    if (!driveWords) {
        shell_.dialogs.MsgBox(this, DriveSetUnreadText(failed, lang),
                              shell::kOkOnly | shell::kExclamation,
                              params::CompareText(params::CompareWords::Title, lang));
        return false;
    }
    // Without the release's descriptions every differing line is listed by its number.
    params::ParameterDescription description;
    const QString code = params::ReleaseCode(file);
    params::ReadParameterDescription(params::DataDescriptionFor(shell_.programDir, code, lang),
                                     params::StatusDescriptionFor(shell_.programDir, code, lang),
                                     description);
    const QString name = QFileInfo(file).fileName();
    const QString drive = params::CompareText(params::CompareWords::Drive, lang);
    const auto rows = params::CompareParameterSets(*fileWords, *driveWords, description);
    return params::ShowComparison(
        this, lang,
        params::CompareText(params::CompareWords::Intro, lang).arg(name, drive) +
            QLatin1Char('\n') + params::CompareText(params::CompareWords::SendAnyway, lang),
        params::CompareTable(rows, name, drive, lang), true);
}

void TransferWindow::addNote(const QString &text, const QString &tip) {
    auto join = [](const QString &a, const QString &b) {
        return a.isEmpty() ? b : b.isEmpty() ? a : a + QLatin1Char('\n') + b;
    };
    backupNote->setText(join(backupNote->text(), text));
    backupNote->setToolTip(join(backupNote->toolTip(), tip));
    backupNote->show();
}

int TransferWindow::namedDrive() const {
    const shell::LoaderRoutine &st = shell_.state;
    return st.DriveAddress != 0 ? st.DriveAddress : st.SavedDriveAddress;
}

} // namespace zr::transfer
