#include "datadir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zr {

QString DataDirectoryFor(const QString &programDir) {
    const QDir beside(programDir);
    if (QFileInfo::exists(beside.filePath(QLatin1String(kDataMarker))))
        return beside.path();
    const QDir installed(beside.filePath(QStringLiteral("../share/zr3500-loader")));
    if (QFileInfo::exists(installed.filePath(QLatin1String(kDataMarker))))
        return installed.canonicalPath();
    return beside.path();
}

QString DataDirectory() {
    return DataDirectoryFor(QCoreApplication::applicationDirPath());
}

QString UserDataDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ZR_LOADER_131");
}

} // namespace zr
