#include "mainwindow.h"

#include "helptopics.h"
#include "pageswitcher.h"
#include "toolbaricons.h"
#include "twips.h"

#include "driveprotocol.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QResizeEvent>
#include <QToolBar>

namespace zr::shell {

namespace {
struct ButtonDef {
    const char *caption;
    const char *key;
    const char *tip;
    QKeyCombination shortcut; // so the toolbar works without a mouse
};
constexpr ButtonDef kButtons[] = {
    {"Com Setting", "btnCom", nullptr, Qt::ALT | Qt::Key_C},
    {"Save\\Load", "btnDown", nullptr, Qt::ALT | Qt::Key_S},
    {"ZR3500", "btnFront", "ZR3500", Qt::ALT | Qt::Key_Z},
    {"Editor", "btnParam", "Parameter File", Qt::ALT | Qt::Key_E},
    {"Info ", "btnInfo", "Info File", Qt::ALT | Qt::Key_I},
    {"Help", "btnHelp", "Help", QKeyCombination(Qt::Key_F1)},
    {"Exit", "btnExit", "Exit", Qt::ALT | Qt::Key_X},
};

// The pages the toolbar shows below itself.
const QString *const kPages[] = {&kLinkWindow, &kTransferWindow, &kFrontWindow, &kAboutWindow};
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
    QWidget *previous = nullptr;
    for (const ButtonDef &b : kButtons) {
        auto *a = tbrFile->addAction(ToolbarIcon(i++), QString::fromLatin1(b.caption));
        a->setObjectName(QString::fromLatin1(b.key));
        // F1 is the context help below; the others act where the toolbar is.
        if (QKeySequence(b.shortcut) != QKeySequence(Qt::Key_F1))
            a->setShortcut(QKeySequence(b.shortcut));
        a->setShortcutContext(Qt::WindowShortcut);
        // The tip names the key, so the keyboard way can be found.
        const QString tip = b.tip ? QString::fromLatin1(b.tip) : QString();
        a->setToolTip(tip);
        a->setStatusTip(QKeySequence(b.shortcut).toString(QKeySequence::NativeText));
        const QString key = a->objectName();
        connect(a, &QAction::triggered, this, [this, key] { tbrFile_ButtonClick(key); });
        buttons_ << a;
        // Tab reaches the buttons from left to right, before the page below them.
        if (QWidget *button = tbrFile->widgetForAction(a)) {
            button->setObjectName(a->objectName() + QStringLiteral("_button"));
            button->setFocusPolicy(Qt::TabFocus);
            if (previous)
                setTabOrder(previous, button);
            previous = button;
        }
    }
    // F1, from any window of the program, opens the manual at the page of the window that has
    // the focus.
    auto *contextHelp = new QAction(this);
    contextHelp->setObjectName(QStringLiteral("contextHelp"));
    contextHelp->setShortcut(QKeySequence(Qt::Key_F1));
    contextHelp->setShortcutContext(Qt::ApplicationShortcut);
    connect(contextHelp, &QAction::triggered, this, [this] {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            focus = QApplication::activeWindow();
        if (shell_.showHelp)
            shell_.showHelp(HelpTopicFor(focus));
    });
    addAction(contextHelp);
    // A visible focus mark on the buttons, whatever the style draws.
    tbrFile->setStyleSheet(QStringLiteral("QToolButton:focus { border: 2px solid #1e5bc6; "
                                          "border-radius: 4px; }"));
}

MainWindow::~MainWindow() {
    if (shell_.toolbar() == this)
        shell_.setToolbar(nullptr);
}

void MainWindow::Form_Load() {
    resize(TwipsToPx(7200), TwipsToPx(6315));
    tbrFile->setGeometry(0, 0, width(), tbrFile->sizeHint().height());
    // Never so small that buttons of the toolbar or the largest page (the transfer page) are cut.
    setMinimumSize(std::max(width(), tbrFile->sizeHint().width()),
                   std::max(height(), tbrFile->height() + TwipsToPx(5250)));
    shell_.setToolbar(this);
    shell_.forms().setPageHost(this);
    shell_.mainFrame = [this] {
        return MainFrame{0, 0, PxToTwips(width()), PxToTwips(height()),
                         PxToTwips(tbrFile->height())};
    };
    for (ToolbarButton b : {ToolbarButton::Com, ToolbarButton::Down, ToolbarButton::Front})
        setButtonEnabled(b, false);
    shell_.state.CurrentPage = kPageLink;
    FillCaptionTable(shell_.state.Captions);
    if (Form *host = shell_.forms().form(kSerialHost))
        host->hide();
}

void MainWindow::Form_Activate() {
    shell_.showPage(Page(shell_.state.CurrentPage));
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

// The toolbar spans the window and the page stays centred below it at every size.
void MainWindow::resizeEvent(QResizeEvent *e) {
    Form::resizeEvent(e);
    tbrFile->setGeometry(0, 0, width(), tbrFile->sizeHint().height());
    if (!shell_.mainFrame)
        return;
    for (const QString *name : kPages) {
        Form *page = shell_.forms().find(*name);
        if (page && page->parentWidget() == this)
            PlaceInMainWindow(shell_, page);
    }
}

QAction *MainWindow::action(ToolbarButton button) const {
    return buttons_.value(static_cast<int>(button));
}

void MainWindow::setButtonEnabled(ToolbarButton button, bool on) {
    if (QAction *a = action(button))
        a->setEnabled(on);
}

bool MainWindow::isButtonEnabled(ToolbarButton button) const {
    const QAction *a = action(button);
    return a && a->isEnabled();
}

void MainWindow::switchPage(Page page) {
    shell_.showPage(page);
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
            shell_.showHelp(kHelpContentsTopic);
        switchPage(Page(st.CurrentPage));
    } else if (key == QLatin1String("btnInfo")) {
        switchPage(kPageAbout);
    } else if (key == QLatin1String("btnCom")) {
        setButtonEnabled(ToolbarButton::Front, true);
        switchPage(kPageLink);
    } else if (key == QLatin1String("btnFront")) {
        if (shell_.link().linkUsable()) {
            switchPage(kPageFront);
        } else {
            setButtonEnabled(ToolbarButton::Front, false);
        }
    } else if (key == QLatin1String("btnDown")) {
        st.SavedDriveAddress = st.DriveAddress;
        if (shell_.link().linkUsable()) {
            setButtonEnabled(ToolbarButton::Front, true);
            switchPage(kPageTransfer);
            return;
        }
        // Drive number 0 is answered by every drive: the poll tries it for 3.5 s.
        st.DriveAddress = 0;
        for (ToolbarButton b : {ToolbarButton::Com, ToolbarButton::Down, ToolbarButton::Front})
            setButtonEnabled(b, false);
        shell_.waitLettingEventsRun(3500);
        if (!self)
            return;
        if (shell_.link().linkUsable()) {
            switchPage(kPageTransfer);
        } else {
            shell_.setLinkEnabled(false);
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
        switchPage(Page(st.CurrentPage));
    } else {
        switchPage(Page(st.CurrentPage));
    }
}

} // namespace zr::shell
