#include "savefile.h"

#include "languages.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace zr {

bool WriteChecked(QIODevice &out, const QByteArray &bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = out.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool SafeFileWriter::fail(const QString &why) {
    if (!failed_)
        reason_ = why;
    failed_ = true;
    return false;
}

bool SafeFileWriter::open() {
    if (!file_.open(QIODevice::WriteOnly))
        return fail(file_.errorString());
    return true;
}

bool SafeFileWriter::write(const QByteArray &bytes) {
    if (failed_)
        return false;
    if (!file_.isOpen())
        return fail(QStringLiteral("the file is not open"));
    if (!WriteChecked(file_, bytes))
        return fail(file_.errorString());
    return true;
}

bool SafeFileWriter::commit() {
    if (failed_ || !file_.isOpen()) {
        cancel();
        return fail(reason_.isEmpty() ? QStringLiteral("the file is not open") : reason_);
    }
    // QSaveFile's own commit does not report a failing last flush (a full disk): flush and look
    // at the error first.
    if (!file_.flush() || file_.error() != QFileDevice::NoError) {
        const QString why = file_.errorString();
        cancel();
        return fail(why);
    }
    if (!file_.commit())
        return fail(file_.errorString());
    return true;
}

void SafeFileWriter::cancel() {
    if (file_.isOpen()) {
        file_.cancelWriting();
        file_.commit(); // only removes the temporary file
    }
}

bool WriteFileSafely(const QString &path, const QByteArray &bytes, QString *reason) {
    SafeFileWriter w(path);
    const bool ok = w.open() && w.write(bytes) && w.commit();
    if (!ok && reason)
        *reason = w.reason();
    return ok;
}

LimitedRead ReadFileLimited(const QString &path, qint64 maxBytes) {
    LimitedRead r;
    const QFileInfo info(path);
    if (!info.exists())
        return r;
    // Looked at before opening: opening a pipe without a writer would block.
    if (!info.isFile()) {
        r.outcome = LimitedRead::NotAFile;
        return r;
    }
    r.size = info.size();
    if (r.size > maxBytes) {
        r.outcome = LimitedRead::TooLarge;
        return r;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        r.outcome = LimitedRead::Unreadable;
        r.error = f.errorString();
        return r;
    }
    // The file may have grown since it was looked at.
    r.bytes = f.read(maxBytes + 1);
    if (r.bytes.size() > maxBytes) {
        r.outcome = LimitedRead::TooLarge;
        r.size = r.bytes.size();
        r.bytes.clear();
        return r;
    }
    if (f.error() != QFileDevice::NoError) {
        r.outcome = LimitedRead::Unreadable;
        r.error = f.errorString();
        r.bytes.clear();
        return r;
    }
    r.outcome = LimitedRead::Read;
    return r;
}

QString WriteFailureReason(const QString &path, const QString &systemReason, int language) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return Pick(language, "la cartella %1 non esiste", "the folder %1 does not exist",
                    "le dossier %1 n'existe pas")
            .arg(folder.absoluteFilePath());
    if (!folder.isWritable())
        return Pick(language, "non si può scrivere nella cartella %1",
                    "you may not write in the folder %1",
                    "vous ne pouvez pas écrire dans le dossier %1")
            .arg(folder.absoluteFilePath());
    if (file.exists() && !file.isWritable())
        return Pick(language, "il file è protetto in scrittura", "the file is write-protected",
                    "le fichier est protégé en écriture");
    const QStorageInfo disk(folder.absoluteFilePath());
    if (disk.isValid() && disk.bytesAvailable() < 64 * 1024)
        return Pick(language, "il disco è pieno", "the disk is full", "le disque est plein");
    return systemReason;
}

} // namespace zr
