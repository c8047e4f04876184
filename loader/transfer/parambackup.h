#pragma once

// The drive's parameter set kept before a download overwrites it: one file a backup, in the
// parameter file format, under the user's data folder, the newest 100 kept.

#include "transfersequences.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zr {

constexpr int kKeptBackups = 100;

// The parameter file type of a drive release: 10 x thousands digit + tens digit
// (1310 -> 11, 1700 -> 10, 2130 -> 23, 0 -> 0).
int ParameterFileCode(int release);

// The folder backups go to when none is given: "backups" in the user's data folder.
QString DefaultBackupFolder();

// "20261207-143000_drive1_rel1700.10d": when, which drive, its release and the release's file type.
QString BackupFileName(const QDateTime &when, int drive, int release);

struct BackupResult {
    bool ok = false;
    QString path;           // the file written (ok), or the one that was to be written
    int failedAddress = -1; // the word the drive did not answer in five tries
    QString writeError;     // the system's reason when the file could not be written
};

// Reads the drive's set (ROM 0x3800-0x3BFF) and writes it into folder as a parameter file, then
// keeps only the newest kKeptBackups there. The bar runs from 0 to 1024 under the label
// "Backup......." (in the link's language). A failure writes nothing and sends nothing. The name
// carries namedDrive (the link's drive number when -1: the loader talks to drive 0, which every
// drive answers, and names the drive the user chose).
BackupResult BackupParameterSet(const TransferLink &link, int release, const QString &folder,
                                TransferView &view,
                                const QDateTime &when = QDateTime::currentDateTime(),
                                int namedDrive = -1);

// The backups in folder, newest first (by the time in their names).
QStringList ListBackups(const QString &folder);
// Removes all but the newest keep backups in folder.
void PruneBackups(const QString &folder, int keep = kKeptBackups);

} // namespace zr
