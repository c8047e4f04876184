#pragma once

// A fresh shell with the parameter editor, its dialogs answered by a ModalDriver, a stand-in main
// window and the shipped description files; parameter files are copied into a temporary directory.

#include "editorwindow.h"
#include "form.h"
#include "simshell.h"

#include <QFile>
#include <QTemporaryDir>

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
    zr::params::ParameterEditor *editor() {
        return shell.forms().formAs<zr::params::ParameterEditor>(zr::shell::kEditorWindow);
    }
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
    // Opens path through the toolbar (no file open before).
    void open(const QString &path) {
        modals.choose(path);
        editor()->tbropen_ButtonClick(QStringLiteral("btnOpen"));
    }
    int count(const QString &kind) const { return modals.count(kind); }
    // Answers the next message box with Yes (kYes) or No.
    void press(int button) {
        modals.press(button == zr::shell::kYes ? QMessageBox::Yes : QMessageBox::No);
    }
};
