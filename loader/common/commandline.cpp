#include "commandline.h"

#include <QCoreApplication>

#include <cstdio>

namespace zr {

void SetUpCommandLine(QCommandLineParser &parser, const char *program, const QString &description) {
    QCoreApplication::setApplicationName(QString::fromLatin1(program));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZR_VERSION));
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
}

QCommandLineOption ValueOption(const char *name, const char *description, const char *valueName,
                               const char *defaultValue) {
    return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(description),
                              QString::fromLatin1(valueName), QString::fromLatin1(defaultValue));
}

bool LineLog::openFile(const QString &path) {
    file_.setFileName(path);
    return started(file_.open(QIODevice::WriteOnly | QIODevice::Truncate));
}

bool LineLog::openStderr() {
    return started(file_.open(stderr, QIODevice::WriteOnly));
}

bool LineLog::started(bool opened) {
    if (opened)
        out_.setDevice(&file_);
    return opened;
}

} // namespace zr
