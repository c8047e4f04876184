#pragma once

// Every window of the shell over the in-process simulated drive, with waits that do not wait.

#include "child.h"
#include "mainwindow.h"
#include "registerwindows.h"
#include "simshell.h"
#include "toggleswitch.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>

struct WindowsFixture : SimShell {
    QList<int> waits;             // what the windows asked to wait, in ms
    std::function<void()> onWait; // what happens meanwhile
    int programEnds = 0;

    WindowsFixture() {
        zr::shell::RegisterWindows(shell);
        // The parameter editor is no part of the shell: a bare window stands in for it.
        shell.forms().registerForm(zr::shell::kEditorWindow, [this](QWidget *p) {
            return new zr::shell::Form(shell, zr::shell::kEditorWindow, p);
        });
        shell.programDir = QCoreApplication::applicationDirPath();
        shell.waitLettingEventsRun = [this](int ms) {
            waits << ms;
            if (onWait)
                onWait();
        };
        shell.endProgram = [this] { ++programEnds; };
    }
    ~WindowsFixture() {
        shell.forms().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    zr::shell::MainWindow *main() {
        return shell.forms().formAs<zr::shell::MainWindow>(zr::shell::kMainWindow);
    }
    zr::shell::SerialStateWindow *link() {
        return shell.forms().formAs<zr::shell::SerialStateWindow>(zr::shell::kLinkWindow);
    }
    bool loaded(const QString &name) { return shell.forms().isLoaded(name); }
    QToolBar *toolbar() { return zr::test::child<QToolBar>(main(), "tbrFile"); }
    // The toolbar's button for the action with this key ("btnDown" ...).
    QWidget *toolbarButton(const char *key) {
        return toolbar()->widgetForAction(zr::test::child<QAction>(toolbar(), key));
    }
    // A click on the toolbar button with this key, as the user makes it.
    void clickToolbar(const char *key) {
        if (!main()->isVisible())
            main()->show();
        QTest::mouseClick(toolbarButton(key), Qt::LeftButton);
    }
    zr::shell::ToggleSwitch *linkSwitch() {
        return zr::test::child<zr::shell::ToggleSwitch>(link(), "CWButton1");
    }
    QString linkStatus() { return zr::test::child<QLineEdit>(link(), "Stato")->text(); }
    // The link's 200 ms poll timer and one tick of it.
    QTimer *linkPoll() { return zr::test::child<QTimer>(&shell.link(), "Timer1"); }
    void tickLink() { QMetaObject::invokeMethod(linkPoll(), "timeout"); }
    // Toolbar buttons 1..3 as "110".
    QString buttons() {
        QString s;
        for (int i = 0; i < 3; ++i)
            s += main()->isButtonEnabled(zr::shell::ToolbarButton(i)) ? QLatin1Char('1')
                                                                      : QLatin1Char('0');
        return s;
    }
    void setButtons(const QString &pattern) {
        for (int i = 0; i < 3; ++i)
            main()->setButtonEnabled(zr::shell::ToolbarButton(i),
                                     pattern.at(i) == QLatin1Char('1'));
    }
};
