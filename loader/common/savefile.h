#pragma once

// Files written so that a failure never costs the old file: everything goes through QSaveFile,
// every write and the final flush are checked, and on any failure the new file is thrown away and
// the named file keeps its bytes.

#include <QByteArray>
#include <QIODevice>
#include <QSaveFile>
#include <QString>

namespace zr {

// Writes bytes to a device and tells whether all of them went out.
bool WriteChecked(QIODevice &out, const QByteArray &bytes);

class SafeFileWriter {
public:
    explicit SafeFileWriter(const QString &path) : file_(path) {}
    ~SafeFileWriter() { cancel(); }

    bool open();
    // Once a write has failed, every later write and the commit fail too.
    bool write(const QByteArray &bytes);
    // Flushes and checks before the new file takes the name; false (and the old file kept) on any
    // failure.
    bool commit();
    // Drops what was written; the named file stays as it was.
    void cancel();

    // The system's reason for the first failure.
    QString reason() const { return reason_; }

private:
    bool fail(const QString &why);

    QSaveFile file_;
    bool failed_ = false;
    QString reason_;
};

// The whole of bytes as the new content of path; false with the reason on any failure.
bool WriteFileSafely(const QString &path, const QByteArray &bytes, QString *reason = nullptr);

// Why a file could not be written, in the user's language (0 Italian, 1 English, 2 French): the
// folder is missing or may not be written, the file is write-protected, the disk is full, else
// the system's own reason.
QString WriteFailureReason(const QString &path, const QString &systemReason, int language);

// A whole file read at once, with a limit: only a regular file is opened (a device or a pipe
// could block or never end), and never more than maxBytes is read.
struct LimitedRead {
    enum Outcome { Read, Missing, NotAFile, TooLarge, Unreadable };
    Outcome outcome = Missing;
    QByteArray bytes;
    qint64 size = 0; // what was found, for the TooLarge message
    QString error;   // the system's reason for Unreadable
};
LimitedRead ReadFileLimited(const QString &path, qint64 maxBytes);

} // namespace zr
