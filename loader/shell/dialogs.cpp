#include "dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace zr::shell {

QString FileDialogFilter(const QString &pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.contains(QLatin1Char('(')) && description.endsWith(QLatin1Char(')')))
            out << description;
        else
            out << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    if (parts.size() % 2 == 1 && !parts.last().trimmed().isEmpty())
        out << parts.last().trimmed();
    return out.join(QStringLiteral(";;"));
}

namespace {

int firstButton(int style) {
    return (style & 7) == kYesNoCancel || (style & 7) == kYesNo ? kYes : kOk;
}

int boxResult(QMessageBox::StandardButton b) {
    switch (b) {
    case QMessageBox::Ok:
        return kOk;
    case QMessageBox::Cancel:
        return kCancel;
    case QMessageBox::Abort:
        return kAbort;
    case QMessageBox::Retry:
        return kRetry;
    case QMessageBox::Ignore:
        return kIgnore;
    case QMessageBox::Yes:
        return kYes;
    case QMessageBox::No:
        return kNo;
    default:
        return kCancel;
    }
}

} // namespace

int QtDialogs::MsgBox(QWidget *parent, const QString &text, int style, const QString &title) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (style & 0x70) {
    case kCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case kQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case kExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case kInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    QMessageBox::StandardButtons buttons;
    switch (style & 7) {
    case kOkCancel:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case kAbortRetryIgnore:
        buttons = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        break;
    case kYesNoCancel:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    case kYesNo:
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    case kRetryCancel:
        buttons = QMessageBox::Retry | QMessageBox::Cancel;
        break;
    default:
        buttons = QMessageBox::Ok;
        break;
    }
    box.setStandardButtons(buttons);
    return boxResult(QMessageBox::StandardButton(box.exec()));
}

QString QtDialogs::GetOpenFileName(QWidget *parent, const QString &title, const QString &filter,
                                   const QString &dir) {
    return QFileDialog::getOpenFileName(parent, title, dir, FileDialogFilter(filter));
}

QString QtDialogs::GetSaveFileName(QWidget *parent, const QString &title, const QString &filter,
                                   const QString &dir) {
    // QFileDialog asks before overwriting an existing file unless told not to.
    return QFileDialog::getSaveFileName(parent, title, dir, FileDialogFilter(filter));
}

int ScriptedDialogs::MsgBox(QWidget *, const QString &text, int style, const QString &title) {
    shown_.append({QStringLiteral("msgbox"), text, style, title});
    return buttons_.isEmpty() ? firstButton(style) : buttons_.takeFirst();
}

QString ScriptedDialogs::GetOpenFileName(QWidget *, const QString &title, const QString &filter,
                                         const QString &) {
    shown_.append({QStringLiteral("open"), title, 0, filter});
    return files_.isEmpty() ? QString() : files_.takeFirst();
}

QString ScriptedDialogs::GetSaveFileName(QWidget *, const QString &title, const QString &filter,
                                         const QString &) {
    shown_.append({QStringLiteral("save"), title, 0, filter});
    return files_.isEmpty() ? QString() : files_.takeFirst();
}

} // namespace zr::shell
