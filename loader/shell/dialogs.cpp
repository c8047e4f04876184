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
        // Qt takes the patterns from the brackets: a description that brings its own brackets
        // ("Parametri (*.xxd)") gets the real patterns in their place.
        QString name = description;
        if (name.endsWith(QLatin1Char(')')) && name.contains(QLatin1Char('(')))
            name = name.left(name.lastIndexOf(QLatin1Char('('))).trimmed();
        out << QStringLiteral("%1 (%2)").arg(name, patterns);
    }
    if (parts.size() % 2 == 1 && !parts.last().trimmed().isEmpty())
        out << parts.last().trimmed();
    return out.join(QStringLiteral(";;"));
}

namespace {

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
    // The texts join their lines with a CR, which a Qt label does not break at.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);
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

QString DefaultSuffix(const QString &pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {};
    const QString first = parts[1].trimmed().section(QLatin1Char(';'), 0, 0).trimmed();
    if (!first.startsWith(QLatin1String("*.")))
        return {};
    const QString suffix = first.mid(2);
    if (suffix.isEmpty() || suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')))
        return {};
    return suffix;
}

namespace {

QString runFileDialog(QWidget *parent, const QString &title, const QString &filter,
                      const QString &dir, bool save) {
    QFileDialog dialog(parent, title, dir, FileDialogFilter(filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A name typed without an extension gets the filter's, so the file shows in the next
    // dialog of the same kind. A save dialog asks before an existing file is replaced.
    dialog.setDefaultSuffix(DefaultSuffix(filter));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString QtDialogs::GetOpenFileName(QWidget *parent, const QString &title, const QString &filter,
                                   const QString &dir) {
    return runFileDialog(parent, title, filter, dir, false);
}

QString QtDialogs::GetSaveFileName(QWidget *parent, const QString &title, const QString &filter,
                                   const QString &dir) {
    return runFileDialog(parent, title, filter, dir, true);
}

} // namespace zr::shell
