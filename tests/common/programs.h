#pragma once

// Running the project's programs from whole-program tests.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace e2e {

// A program or file built beside the others (CTest passes their folder in ZR_BIN_DIR).
inline QString bin(const QString &name) {
    return qEnvironmentVariable("ZR_BIN_DIR", QStringLiteral(".")) + QLatin1Char('/') + name;
}

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// Runs a program to its end (at most a minute) and keeps its exit code and output.
inline Run run(const QString &program, const QStringList &args) {
    QProcess p;
    p.start(bin(program), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.code = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

inline Run cli(const QStringList &args) {
    return run(QStringLiteral("zr3500-cli"), args);
}

// A simulated drive process reachable through a symlink.
class Sim {
public:
    bool start(const QString &link, const QStringList &extra = {}) {
        proc_.start(bin(QStringLiteral("zr3500-sim")),
                    QStringList{QStringLiteral("--link"), link} + extra);
        if (!proc_.waitForReadyRead(10000))
            return false;
        return proc_.readLine().startsWith('/');
    }
    void stop() {
        proc_.terminate();
        proc_.waitForFinished(10000);
    }
    ~Sim() { stop(); }

private:
    QProcess proc_;
};

} // namespace e2e
