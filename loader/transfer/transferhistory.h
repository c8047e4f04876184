#pragma once

// The transfer history: one line a transfer (upload, download, program, verify, backup) appended
// to a file in the user's data folder. Every line is written whole and flushed at once; a line cut
// off by a crash is skipped when the history is read and never joins the next one. At 10,000
// lines the file moves aside (one older file is kept) and a new one begins.

#include "transfersequences.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QString>

namespace zr {

constexpr int kHistoryLines = 10000;

struct HistoryEntry {
    QDateTime time;    // when the transfer started
    QString port;      // the port number, or the device
    int drive = 0;     // drive number
    int release = 0;   // the drive's release word (1700), 0 when unknown
    QString direction; // "upload", "download", "program", "verify", "backup"
    QString file;      // the file written or sent
    QString sha256;    // of that file after the transfer, empty when there is none
    QString outcome;   // "done", "differ", "not confirmed", "refused", "no answer", ...
    qint64 durationMs = 0;
};

// history.txt in the user's data folder.
QString DefaultHistoryPath();

// The SHA-256 of a file in hexadecimal; empty when it cannot be read.
QString FileSha256(const QString &path);

// Appends one line; false (with the system's reason) when the file cannot be written.
bool AppendHistory(const QString &path, const HistoryEntry &entry, QString *error = nullptr);

// The entries of the file moved aside, then of the file, oldest first; broken lines are skipped.
QList<HistoryEntry> ReadHistory(const QString &path);

// One entry as the CLI prints it: the fields separated by two blanks.
QString HistoryText(const HistoryEntry &entry);

// "done", "not confirmed", "refused", "communication error".
QString OutcomeName(TransferOutcome outcome);

// One transfer timed from its start; finish() appends its line (with the file's SHA-256 then).
class HistoryRecord {
public:
    HistoryRecord(const QString &direction, const QString &file, const TransferLink &link,
                  int release);
    void finish(const QString &outcome, const QString &historyPath = DefaultHistoryPath());
    void finish(TransferOutcome outcome) { finish(OutcomeName(outcome)); }
    // A backup's file is named once it is written.
    void setFile(const QString &file) { entry_.file = file; }
    // The drive the user chose, where the link talks to drive 0.
    void setDrive(int drive) { entry_.drive = drive; }

private:
    HistoryEntry entry_;
    QElapsedTimer clock_;
};

} // namespace zr
