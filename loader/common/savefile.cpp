#include "savefile.h"

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

} // namespace zr
