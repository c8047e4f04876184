#pragma once

// The transfer page on the in-process simulated drive, reached through its named controls.

#include "child.h"
#include "shellfixture.h"
#include "transferfiles.h"
#include "transferwindow.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace zr;
using namespace zr::shell;
using zr::test::child;
using zr::transfer::TransferWindow;

struct TransferFixture : ShellFixture {
    int ends = 0;
    TransferWindow *w = nullptr;
    TransferFixture() {
        shell.endProgram = [this] { ++ends; };
        transfer::RegisterTransferWindows(shell);
        state.DriveAddress = 1;
        state.SavedDriveAddress = 1;
        state.DriveRelease = 1700; // as the link found it
        port.Open();
    }
    TransferWindow *page() {
        shell.showPage(kPageTransfer);
        w = shell.forms().formAs<TransferWindow>(kTransferWindow);
        if (w)
            w->show();
        return w;
    }
    // The page after one status poll of a drive with status, with "Parametri" chosen by a click.
    TransferWindow *ready(bool parameters, std::optional<quint16> status = {}) {
        if (status)
            drive.setStatus(*status);
        page();
        poll();
        if (parameters && button("opzione_1")->isEnabled())
            click("opzione_1");
        return w;
    }
    QTimer *tempo() const { return child<QTimer>(w, "tempo"); }
    // One tick of the page's 500 ms status poll.
    void poll() const { QMetaObject::invokeMethod(tempo(), "timeout"); }
    QAbstractButton *button(const char *name) const { return child<QAbstractButton>(w, name); }
    void click(const char *name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(w, name); }
    QProgressBar *progress() const { return child<QProgressBar>(w, "ProgressBar1"); }
    QLabel *runningNote() const { return child<QLabel>(w, "runningNote"); }
};

inline QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &content) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

// 8192 filler pairs, then the 10240 words of a program.
inline QByteArray programFile() {
    QByteArray b(2 * kProgramSkipPairs, 'E');
    for (int k = 0; k < kProgramWords; ++k)
        b += QByteArray::number(k % 4096 + 0xA000, 16).toUpper();
    return b;
}

inline QString writeParameterFile(const QTemporaryDir &dir, int values) {
    QByteArray b;
    for (int i = 0; i < values; ++i)
        b += FormatParameterLine(i);
    return writeFile(dir, "set.10d", b);
}
