#pragma once

// Answers the real modal dialogs a window opens, as a user would: presses a message box's button,
// types a path into Qt's own file dialog and presses its Open or Save button. Every dialog seen is
// recorded. A dialog that finds no answer waiting is closed: a message box by its Yes or OK
// button, a file dialog by Cancel.

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

class QFileDialog;

class ModalDriver : public QObject {
    Q_OBJECT
public:
    struct Seen {
        QString kind;  // "msgbox", "open", "save"
        QString title; // window title
        QString text;  // message text
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons; // button texts of a message box
        QStringList filters; // name filters of a file dialog
        QString suffix;      // default suffix of a file dialog
        QStringList listed;  // files the dialog listed, when listing was asked for
    };

    ModalDriver();

    // The next message box: press this button.
    void press(QMessageBox::StandardButton button);
    // The next file dialog: type path (absolute, or relative to the dialog's folder), accept.
    void choose(const QString &path);
    // The next file dialog: press Cancel.
    void cancel();
    // The next file dialog: wait until it has listed its folder, record the names, then cancel.
    void listThenCancel();
    // The next dialog of any kind is handed to act, which must close it.
    void then(std::function<void(QWidget *)> act);

    const QList<Seen> &seen() const { return seen_; }
    int count(const QString &kind) const;
    // Texts of the message boxes seen, in order.
    QStringList messages() const;
    // Answers still waiting for their dialog.
    int pending() const { return int(answers_.size()); }
    void clear() { seen_.clear(); }

private:
    using Answer = std::function<void(QWidget *, int seenIndex)>;
    void poll();
    static void closeUnanswered(QWidget *w, int seenIndex);
    void fileAnswer(std::function<void(QFileDialog *, int seenIndex)> act);

    QTimer timer_;
    QList<Answer> answers_;
    QList<Seen> seen_;
    QList<QPointer<QWidget>> handled_;
};
