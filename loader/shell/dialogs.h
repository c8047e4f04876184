#pragma once

// Message boxes and file dialogs behind one interface: the program uses QMessageBox and
// QFileDialog, tests script the answers.

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace zr::shell {

// Message box style: one button set plus one icon.
enum MsgBoxStyle : int {
    kOkOnly = 0,
    kOkCancel = 1,
    kAbortRetryIgnore = 2,
    kYesNoCancel = 3,
    kYesNo = 4,
    kRetryCancel = 5,
    kCritical = 16,
    kQuestion = 32,
    kExclamation = 48,
    kInformation = 64,
};

// Button a message box returns.
enum MsgBoxResult : int {
    kOk = 1,
    kCancel = 2,
    kAbort = 3,
    kRetry = 4,
    kIgnore = 5,
    kYes = 6,
    kNo = 7
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows text with the buttons and icon of style under title; returns the button pressed.
    virtual int MsgBox(QWidget *parent, const QString &text, int style, const QString &title) = 0;

    // filter in "Text (*.ext)|*.ext" form. Both return the chosen path, or an empty text when
    // the user cancels. A save dialog asks before overwriting an existing file.
    virtual QString GetOpenFileName(QWidget *parent, const QString &title, const QString &filter,
                                    const QString &dir) = 0;
    virtual QString GetSaveFileName(QWidget *parent, const QString &title, const QString &filter,
                                    const QString &dir) = 0;
};

// "Text (*.ext)|*.ext|All|*.*" -> "Text (*.ext);;All (*.*)".
QString FileDialogFilter(const QString &pipeFilter);

class QtDialogs final : public Dialogs {
public:
    int MsgBox(QWidget *parent, const QString &text, int style, const QString &title) override;
    QString GetOpenFileName(QWidget *parent, const QString &title, const QString &filter,
                            const QString &dir) override;
    QString GetSaveFileName(QWidget *parent, const QString &title, const QString &filter,
                            const QString &dir) override;
};

// Answers from a script, and a record of every dialog shown. With the script exhausted, a
// message box answers its first button and a file dialog is cancelled.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind; // "msgbox", "open", "save"
        QString text; // message text or dialog title
        int style = 0;
        QString title; // message box title or file filter
    };

    void answerButton(int button) { buttons_.append(button); }
    void answerFile(const QString &path) { files_.append(path); }

    const QList<Shown> &shown() const { return shown_; }

    int MsgBox(QWidget *parent, const QString &text, int style, const QString &title) override;
    QString GetOpenFileName(QWidget *parent, const QString &title, const QString &filter,
                            const QString &dir) override;
    QString GetSaveFileName(QWidget *parent, const QString &title, const QString &filter,
                            const QString &dir) override;

private:
    QList<int> buttons_;
    QStringList files_;
    QList<Shown> shown_;
};

} // namespace zr::shell
