#include "transferhistory.h"

#include "datadir.h"
#include "serialport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zr {

namespace {
// The fields, then an end mark: a line cut anywhere before its mark is no line.
constexpr int kFields = 10;
const QString kEndMark = QStringLiteral("$");

QString clean(QString field) {
    field.replace(QLatin1Char('\t'), QLatin1Char(' '));
    field.replace(QLatin1Char('\n'), QLatin1Char(' '));
    field.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return field;
}

QByteArray lineOf(const HistoryEntry &e) {
    const QStringList fields{e.time.toString(Qt::ISODateWithMs),
                             clean(e.port),
                             QString::number(e.drive),
                             QString::number(e.release),
                             clean(e.direction),
                             clean(e.file),
                             clean(e.sha256),
                             clean(e.outcome),
                             QString::number(e.durationMs),
                             kEndMark};
    return fields.join(QLatin1Char('\t')).toUtf8() + '\n';
}

void readInto(const QString &path, QList<HistoryEntry> &entries) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray all = f.readAll();
    qsizetype start = 0;
    for (qsizetype end = all.indexOf('\n'); end >= 0; end = all.indexOf('\n', start)) {
        const QStringList fields =
            QString::fromUtf8(all.mid(start, end - start)).split(QLatin1Char('\t'));
        start = end + 1;
        if (fields.size() != kFields || fields.last() != kEndMark)
            continue;
        HistoryEntry e;
        e.time = QDateTime::fromString(fields[0], Qt::ISODateWithMs);
        bool driveOk = false, releaseOk = false, durationOk = false;
        e.port = fields[1];
        e.drive = fields[2].toInt(&driveOk);
        e.release = fields[3].toInt(&releaseOk);
        e.direction = fields[4];
        e.file = fields[5];
        e.sha256 = fields[6];
        e.outcome = fields[7];
        e.durationMs = fields[8].toLongLong(&durationOk);
        if (e.time.isValid() && driveOk && releaseOk && durationOk)
            entries << e;
    }
    // What follows the last line end is a line cut off by a crash: skipped.
}
} // namespace

QString DefaultHistoryPath() {
    return UserDataDirectory() + QStringLiteral("/history.txt");
}

QString FileSha256(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&f))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

bool AppendHistory(const QString &path, const HistoryEntry &entry, QString *error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) {
        const QByteArray all = f.readAll();
        f.close();
        if (all.count('\n') >= kHistoryLines) {
            const QString older = path + QStringLiteral(".1");
            QFile::remove(older);
            QFile::rename(path, older);
        }
    }
    if (!f.open(QIODevice::ReadWrite | QIODevice::Append)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    QByteArray bytes = lineOf(entry);
    // A line cut off by a crash gets its end first, so it stays a broken line of its own.
    if (f.size() > 0 && f.seek(f.size() - 1) && f.peek(1) != "\n")
        bytes.prepend('\n');
    f.seek(f.size());
    const bool ok = f.write(bytes) == bytes.size() && f.flush();
    if (!ok && error)
        *error = f.errorString();
    return ok;
}

QList<HistoryEntry> ReadHistory(const QString &path) {
    QList<HistoryEntry> entries;
    readInto(path + QStringLiteral(".1"), entries);
    readInto(path, entries);
    return entries;
}

QString HistoryText(const HistoryEntry &e) {
    return QStringList{e.time.toString(Qt::ISODate),
                       e.direction,
                       e.outcome,
                       QStringLiteral("port %1").arg(e.port),
                       QStringLiteral("drive %1").arg(e.drive),
                       QStringLiteral("release %1").arg(e.release),
                       QStringLiteral("%1 ms").arg(e.durationMs),
                       e.file,
                       e.sha256}
        .join(QStringLiteral("  "));
}

QString OutcomeName(TransferOutcome outcome) {
    switch (outcome) {
    case TransferOutcome::Done:
        return QStringLiteral("done");
    case TransferOutcome::NotConfirmed:
        return QStringLiteral("not confirmed");
    case TransferOutcome::BadFile:
        return QStringLiteral("refused");
    case TransferOutcome::CommError:
        break;
    }
    return QStringLiteral("communication error");
}

HistoryRecord::HistoryRecord(const QString &direction, const QString &file,
                             const TransferLink &link, int release) {
    entry_.time = QDateTime::currentDateTime();
    entry_.port = QString::number(link.port.GetPortNumber());
    entry_.drive = link.drive;
    entry_.release = release;
    entry_.direction = direction;
    entry_.file = file;
    clock_.start();
}

void HistoryRecord::finish(const QString &outcome, const QString &historyPath) {
    entry_.outcome = outcome;
    entry_.durationMs = clock_.elapsed();
    entry_.sha256 = FileSha256(entry_.file);
    AppendHistory(historyPath, entry_); // a history that cannot be written costs no transfer
}

} // namespace zr
