#pragma once

// A fresh shell with the parameter editor shown, its dialogs answered by a ModalDriver, a
// stand-in main window and the shipped description files; parameter files are copied into a
// temporary directory. The editor is worked as a user works it: toolbar buttons clicked, keys
// typed into the grid, cells pressed with the mouse.

#include "child.h"
#include "editorwindow.h"
#include "flexgridview.h"
#include "form.h"
#include "simshell.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

struct EditorFixture : SimShell {
    QTemporaryDir dir;

    EditorFixture() {
        using namespace zr::shell;
        shell.programDir = QStringLiteral(ZR_DATA_DIR);
        shell.endProgram = [] {};
        FillCaptionTable(state.Captions);
        state.CurrentLanguage = kEnglish;
        shell.forms().registerForm(kMainWindow,
                                   [this](QWidget *p) { return new Form(shell, kMainWindow, p); });
        zr::params::RegisterParameterEditor(shell);
    }
    // The editor, created and shown on first use.
    zr::params::ParameterEditor *editor() {
        auto *e = shell.forms().formAs<zr::params::ParameterEditor>(zr::shell::kEditorWindow);
        if (e && !e->isVisible()) {
            e->show();
            (void)QTest::qWaitForWindowExposed(e);
        }
        return e;
    }
    // The parameter grid (1) or the status grid (2), and the cells it shows.
    zr::params::FlexGridView *view(int n) {
        return zr::test::child<zr::params::FlexGridView>(editor(),
                                                         n == 1 ? "MSFlexGrid1" : "MSFlexGrid2");
    }
    zr::params::TextGrid &grid(int n) { return view(n)->grid(); }
    // The text of one of the editor's boxes ("source", "destination", "numrelease", "openfile").
    QString text(const char *box) { return zr::test::child<QLineEdit>(editor(), box)->text(); }
    // A copy of the shipped example of release code.
    QString example(const QString &code, const QString &name = QStringLiteral("pump")) {
        const QString path = dir.filePath(name + QLatin1Char('.') + code + QLatin1Char('d'));
        QFile::remove(path);
        QFile::copy(QStringLiteral(ZR_DATA_DIR "/examples/demo.") + code + QLatin1Char('d'), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    static QByteArray bytes(const QString &path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    // The tool button that shows action (a toolbar button of any window).
    static QToolButton *buttonOf(QAction *action) {
        for (QObject *o : action ? action->associatedObjects() : QObjectList{})
            if (auto *b = qobject_cast<QToolButton *>(o))
                return b;
        return nullptr;
    }
    // Clicks the editor's toolbar button key ("btnOpen", "btnSave", "btnPrint").
    void click(const QString &key) {
        QToolButton *b = buttonOf(editor()->findChild<QAction *>(key));
        QVERIFY2(b, qPrintable(key));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Opens path through the toolbar.
    void open(const QString &path) {
        modals.choose(path);
        click(QStringLiteral("btnOpen"));
    }
    // Presses the mouse on a cell of a grid, scrolled into view first.
    static void pressCell(zr::params::FlexGridView *view, int row, int col) {
        const QModelIndex i = view->model()->index(row, col);
        view->scrollTo(i);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(i).center());
    }
    // Types keys into the parameter grid: "\r" is Enter, "\b" Backspace.
    void type(const QString &keys) {
        auto *grid = view(1);
        for (QChar c : keys) {
            if (c == QLatin1Char('\r'))
                QTest::keyClick(grid, Qt::Key_Return);
            else if (c == QLatin1Char('\b'))
                QTest::keyClick(grid, Qt::Key_Backspace);
            else
                QTest::keyClicks(grid, QString(c));
        }
    }
    // The parameter grid row whose name is name, or -1.
    int rowNamed(const QString &name) {
        auto &g = grid(1);
        for (int r = 1; r < g.Rows(); ++r)
            if (g.TextMatrix(r, 0).trimmed() == name)
                return r;
        return -1;
    }
    int count(const QString &kind) const { return modals.count(kind); }
    // Answers the next message box with Yes (kYes) or No.
    void press(int button) {
        modals.press(button == zr::shell::kYes ? QMessageBox::Yes : QMessageBox::No);
    }
};
