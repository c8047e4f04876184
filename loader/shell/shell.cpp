#include "shell.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace zr::shell {

Shell::Shell(LoaderRoutine &s, Dialogs &d, SerialPort &port) : state(s), dialogs(d), port_(port) {
    mainFrame = [this] {
        MainFrame m;
        if (QWidget *host = forms_.pageHost()) {
            m.width = float(host->width() * 15);
            m.height = float(host->height() * 15);
        }
        return m;
    };
    programDir = QCoreApplication::applicationDirPath();
    endProgram = [] { QCoreApplication::quit(); };
    waitLettingEventsRun = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
}

SerialPort &Shell::port() {
    forms_.form(kSerialHost);
    return port_;
}

} // namespace zr::shell
