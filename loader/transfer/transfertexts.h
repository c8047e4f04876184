#pragma once

#include "languages.h"
#include "parambackup.h"
#include "transferfiles.h"

#include <QString>

namespace zr {

// The communication error box: title and three lines joined by CR. Empty for another language.
QString CommErrorTitle(int language);
QString CommErrorText(int language);

// Title and text telling the user why a file was refused (nothing was sent to the drive) or could
// not be written.
QString FileProblemTitle(const FileProblem &problem, int language);
QString FileProblemText(const FileProblem &problem, int language);

// Title and text when the drive did not answer the completion word of a download.
QString NotConfirmedTitle(int language);
QString NotConfirmedText(bool program, int language);

// A read-back after a download: the word that did not answer (ROM address), or the first lines
// where the drive and the file differ (from 0) with both values; the drive may hold a mixed set.
QString VerifyTitle(int language);
QString VerifyNoAnswerText(int address, int language);
QString VerifyDifferText(const QList<int> &lines, const std::vector<int> &driveWords,
                         const std::vector<int> &fileWords, int language);
QString VerifiedText(int language);
// The short form the transfer page keeps: how many lines differ and the first (from 0), or, for
// 0 lines, that the drive did not answer the read-back.
QString VerifyNoteText(int lines, int firstLine, int language);
// The drive's set could not be read (for a comparison): the word that did not answer.
QString DriveSetUnreadText(int address, int language);

// A backup before a download: where it went, or why there is none.
QString BackupDoneText(const QString &path, int language);
// The short form the transfer page shows: the file's name only.
QString BackupNoteText(const QString &path, int language);
QString BackupFailedTitle(int language);
QString BackupFailedText(const BackupResult &result, int language);
// Asked after a failed backup: send the file all the same?
QString BackupGoOnQuestion(int language);

// The label over the bar while the drive's set is read: for a backup, a verify, a comparison.
enum class ReadStep { Backup, Verify, Compare };
QString ReadStepLabel(ReadStep step, int language);

// The transfer page's own controls.
QString VerifyAfterDownloadCaption(int language);
QString CompareFirstCaption(int language);
QString HistoryButtonCaption(int language);
// Restoring a backup: the button, the dialog's title and question, and the text when there is
// none in folder.
QString RestoreButtonCaption(int language);
QString RestoreTitle(int language);
QString RestoreQuestion(int language);
QString NoBackupsText(const QString &folder, int language);
// The history window: title and the column headers (time, operation, outcome, port, drive,
// release, seconds, file, SHA-256).
QString HistoryTitle(int language);
QStringList HistoryColumns(int language);
// A direction or outcome word of the history file ("download", "not confirmed") in the user's
// language; a word it does not know as it is.
QString HistoryWord(const QString &word, int language);

} // namespace zr
