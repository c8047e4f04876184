#pragma once

// Message boxes and file dialogs behind one interface, so that a window asks for them in the
// terms of the message boxes and common dialogs it was written for.

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
// The extension a save dialog appends to a name typed without one: that of the first filter's
// first pattern when it is a plain "*.ext" ("10d" for "Parametri (*.10d)|*.10d"), else none.
QString DefaultSuffix(const QString &pipeFilter);

class QtDialogs final : public Dialogs {
public:
    int MsgBox(QWidget *parent, const QString &text, int style, const QString &title) override;
    QString GetOpenFileName(QWidget *parent, const QString &title, const QString &filter,
                            const QString &dir) override;
    QString GetSaveFileName(QWidget *parent, const QString &title, const QString &filter,
                            const QString &dir) override;
};

} // namespace zr::shell
