// What the command-line programs (zr3500-cli, zr3500-sim) share: naming the program for --help
// and --version, options with a value, and the file a trace of the frames goes to.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QString>
#include <QTextStream>

namespace zr {

// Names the program (with the build's version) and gives the parser its description, --help and
// --version.
void SetUpCommandLine(QCommandLineParser &parser, const char *program, const QString &description);

// An option that takes a value; an empty default means none.
QCommandLineOption ValueOption(const char *name, const char *description, const char *valueName,
                               const char *defaultValue = "");

// A text file written a line at a time, flushed after each.
class LineLog {
public:
    // Creates or empties the file; false if it cannot be written (errorString() says why).
    bool openFile(const QString &path);
    bool openStderr();
    QString fileName() const { return file_.fileName(); }
    QString errorString() const { return file_.errorString(); }
    void write(const QString &line) { out_ << line << Qt::endl; }

private:
    bool started(bool opened);

    QFile file_;
    QTextStream out_;
};

} // namespace zr
