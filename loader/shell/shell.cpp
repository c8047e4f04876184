#include "shell.h"

#include "datadir.h"
#include "pageswitcher.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace zr::shell {

Shell::Shell(LoaderRoutine &s, Dialogs &d, SerialPort &port)
    : state(s), dialogs(d), port_(port), link_(std::make_unique<LinkController>(port, s)) {
    QObject::connect(link_.get(), &LinkController::buttonRule, [this](LinkButton b, bool on) {
        enableToolbarButton(b == LinkButton::Com    ? ToolbarButton::Com
                            : b == LinkButton::Down ? ToolbarButton::Down
                                                    : ToolbarButton::Front,
                            on);
    });
    mainFrame = [this] {
        MainFrame m;
        if (QWidget *host = forms_.pageHost()) {
            m.width = float(host->width() * 15);
            m.height = float(host->height() * 15);
        }
        return m;
    };
    programDir = DataDirectory();
    endProgram = [] { QCoreApplication::quit(); };
    waitLettingEventsRun = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
}

Shell::~Shell() = default;

void Shell::setLinkEnabled(bool on) {
    forms_.form(kLinkWindow);
    link_->setLinkEnabled(on);
}

void Shell::showPage(Page page) {
    state.CurrentPage = page;
    PageSwitcher(*this);
}

SerialPort &Shell::port() {
    forms_.form(kSerialHost);
    return port_;
}

} // namespace zr::shell
