#include "parambackup.h"

#include "datadir.h"
#include "parameterset.h"
#include "savefile.h"
#include "transfertexts.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zr {

namespace {
const QRegularExpression &backupName() {
    static const QRegularExpression re(
        QStringLiteral("^\\d{8}-\\d{6}(-\\d+)?_drive\\d+_rel\\d+\\.\\d+d$"));
    return re;
}
} // namespace

int ParameterFileCode(int release) {
    const int r = release;
    return 10 * (r / 1000) + r / 10 - 10 * (r / 100);
}

QString DefaultBackupFolder() {
    return UserDataDirectory() + QStringLiteral("/backups");
}

QString BackupFileName(const QDateTime &when, int drive, int release) {
    return QStringLiteral("%1_drive%2_rel%3.%4d")
        .arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss")))
        .arg(drive)
        .arg(release)
        .arg(ParameterFileCode(release));
}

BackupResult BackupParameterSet(const TransferLink &link, int release, const QString &folder,
                                TransferView &view, const QDateTime &when, int namedDrive) {
    BackupResult result;
    QDir dir(folder);
    // Two backups within one second get a number after the time.
    const QString name = BackupFileName(when, namedDrive < 0 ? link.drive : namedDrive, release);
    result.path = dir.filePath(name);
    for (int n = 2; QFileInfo::exists(result.path); ++n)
        result.path = dir.filePath(QString(name).insert(15, QStringLiteral("-%1").arg(n)));
    if (!dir.mkpath(QStringLiteral("."))) {
        result.writeError = QStringLiteral("cannot create the folder");
        return result;
    }

    view.setLabel(ReadStepLabel(ReadStep::Backup, link.language), true);
    view.setProgressRange(0, kParameterWords);
    view.setProgressValue(0);
    view.setProgressVisible(true);
    const auto words = ReadParameterSet(link, view, 0, &result.failedAddress);
    view.setProgressVisible(false);
    view.setLabel(QString(), false);
    if (!words)
        return result;
    QByteArray bytes;
    for (const int word : *words)
        bytes += FormatParameterLine(word);
    if (!WriteFileSafely(result.path, bytes, &result.writeError))
        return result;
    result.ok = true;
    PruneBackups(folder);
    return result;
}

QStringList ListBackups(const QString &folder) {
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::Reversed);
    QStringList paths;
    for (const QString &n : std::as_const(names))
        if (backupName().match(n).hasMatch())
            paths << QDir(folder).filePath(n);
    return paths;
}

void PruneBackups(const QString &folder, int keep) {
    const QStringList all = ListBackups(folder);
    for (qsizetype i = keep; i < all.size(); ++i)
        QFile::remove(all[i]);
}

} // namespace zr
