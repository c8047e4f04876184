#pragma once

// The transfer page's own dialogs: the history shown read-only, newest first ("History..."), and
// the choice among the last backups ("Restore...").

#include <QString>

class QWidget;

namespace zr::transfer {

// Shows the history file at path in the user's language; returns when the user closes it.
void ShowHistoryDialog(QWidget *parent, int language, const QString &path);

// Offers the newest backups in folder; the chosen file, or empty when there is none or the user
// cancelled (a message says so when there is none).
QString ChooseBackup(QWidget *parent, int language, const QString &folder);

} // namespace zr::transfer
