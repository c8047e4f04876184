#include "mainwindow.h"

#include "pageswitcher.h"
#include "serialstatewindow.h"
#include "toggleswitch.h"
#include "toolbaricons.h"
#include "twips.h"

#include "driveprotocol.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QToolBar>

namespace zr::shell {

namespace {
struct ButtonDef {
    const char *caption;
    const char *key;
    const char *tip;
};
constexpr ButtonDef kButtons[] = {
    {"Com Setting", "btnCom", nullptr}, {"Save\\Load", "btnDown", nullptr},
    {"ZR3500", "btnFront", "ZR3500"},   {"Editor", "btnParam", "Parameter File"},
    {"Info ", "btnInfo", "Info File"},  {"Help", "btnHelp", "Help"},
    {"Exit", "btnExit", "Exit"},
};
} // namespace

MainWindow::MainWindow(Shell &shell, QWidget *parent) : Form(shell, kMainWindow, parent) {
    setWindowTitle(QStringLiteral("ZR3500 Loader Main"));
    setFont(QFont(QStringLiteral("Arial"), 9));
    tbrFile = new QToolBar(this);
    tbrFile->setObjectName(QStringLiteral("tbrFile"));
    tbrFile->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tbrFile->setIconSize(QSize(24, 24));
    tbrFile->setMovable(false);
    int i = 0;
    for (const ButtonDef &b : kButtons) {
        auto *a = tbrFile->addAction(ToolbarIcon(i++), QString::fromLatin1(b.caption));
        a->setObjectName(QString::fromLatin1(b.key));
        a->setToolTip(b.tip ? QString::fromLatin1(b.tip) : QString());
        const QString key = a->objectName();
        connect(a, &QAction::triggered, this, [this, key] { tbrFile_ButtonClick(key); });
        buttons_ << a;
    }
    buttons_[5]->setShortcut(QKeySequence(Qt::Key_F1));
    buttons_[5]->setShortcutContext(Qt::ApplicationShortcut);
    addAction(buttons_[5]);
}

MainWindow::~MainWindow() {
    if (shell_.toolbar() == this)
        shell_.setToolbar(nullptr);
}

void MainWindow::Form_Load() {
    resize(TwipsToPx(7200), TwipsToPx(6315));
    tbrFile->setGeometry(0, 0, width(), tbrFile->sizeHint().height());
    shell_.setToolbar(this);
    shell_.forms().setPageHost(this);
    shell_.mainFrame = [this] {
        return MainFrame{0, 0, PxToTwips(width()), PxToTwips(height()),
                         PxToTwips(tbrFile->height())};
    };
    for (int b = 1; b <= 3; ++b)
        setButtonEnabled(b, false);
    shell_.state.CurrentPage = kPageLink;
    FillCaptionTable(shell_.state.Captions);
    if (Form *host = shell_.forms().form(kSerialHost))
        host->hide();
}

void MainWindow::Form_Activate() {
    PageSwitcher(shell_);
}

void MainWindow::Form_Unload() {
    if (shell_.toolbar() == this)
        shell_.setToolbar(nullptr);
    shell_.endProgram();
}

void MainWindow::closeEvent(QCloseEvent *e) {
    e->accept();
    shell_.endProgram();
}

void MainWindow::setButtonEnabled(int index, bool on) {
    if (index >= 1 && index <= buttons_.size())
        buttons_[index - 1]->setEnabled(on);
}

bool MainWindow::isButtonEnabled(int index) const {
    return index >= 1 && index <= buttons_.size() && buttons_[index - 1]->isEnabled();
}

bool MainWindow::linkUsable() {
    auto *link = shell_.forms().formAs<SerialStateWindow>(kLinkWindow);
    return (link && link->Stato->text() == kNoError) || IsSet(shell_.state.LinkOk);
}

void MainWindow::switchPage() {
    PageSwitcher(shell_);
    QCoreApplication::processEvents();
}

void MainWindow::tbrFile_ButtonClick(const QString &key) {
    LoaderRoutine &st = shell_.state;
    QPointer<MainWindow> self(this);
    if (key == QLatin1String("btnExit")) {
        shell_.endProgram();
        return;
    }
    if (key == QLatin1String("btnHelp")) {
        if (shell_.showHelp)
            shell_.showHelp();
        switchPage();
    } else if (key == QLatin1String("btnInfo")) {
        st.CurrentPage = kPageAbout;
        switchPage();
    } else if (key == QLatin1String("btnCom")) {
        setButtonEnabled(3, true);
        st.CurrentPage = kPageLink;
        switchPage();
    } else if (key == QLatin1String("btnFront")) {
        if (linkUsable()) {
            st.CurrentPage = kPageFront;
            switchPage();
        } else {
            setButtonEnabled(3, false);
        }
    } else if (key == QLatin1String("btnDown")) {
        st.SavedDriveAddress = st.DriveAddress;
        if (linkUsable()) {
            setButtonEnabled(3, true);
            st.CurrentPage = kPageTransfer;
            switchPage();
            return;
        }
        st.DriveAddress = 0;
        for (int b = 1; b <= 3; ++b)
            setButtonEnabled(b, false);
        shell_.waitLettingEventsRun(3500);
        if (!self)
            return;
        if (linkUsable()) {
            st.CurrentPage = kPageTransfer;
            switchPage();
        } else {
            if (auto *link = shell_.forms().formAs<SerialStateWindow>(kLinkWindow))
                link->CWButton1->setValue(false);
            st.DriveAddress = st.SavedDriveAddress;
        }
    } else if (key == QLatin1String("btnParam")) {
        FormsRegistry &forms = shell_.forms();
        for (const QString &n : {kAboutWindow, kLinkWindow, kFrontWindow, kTransferWindow}) {
            forms.form(n);
            forms.unload(n);
        }
        if (Form *editor = forms.form(kEditorWindow))
            editor->show();
        switchPage();
    } else {
        switchPage();
    }
}

} // namespace zr::shell
