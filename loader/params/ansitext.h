#pragma once

// Description and parameter files are Windows-1252 text with CR LF line ends, whatever the
// system's own encoding.

#include "savefile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zr::params {

QString FromWindows1252(const QByteArray &bytes);
// Characters that Windows-1252 cannot hold become "?".
QByteArray ToWindows1252(const QString &text);

// Description and parameter files hold a few KB; anything above this is no such file.
constexpr qint64 kMaxTextFileBytes = 1024 * 1024;

// Reads a whole file as lines (CR LF, LF or a lone CR end a line; a last line without an end
// counts). False with the system's reason in error when the file cannot be opened or read, is no
// regular file or is larger than kMaxTextFileBytes (outcome, when given, tells which).
bool ReadAnsiLines(const QString &path, QStringList &lines, QString &error,
                   LimitedRead::Outcome *outcome = nullptr);

// Writes the lines, each followed by CR LF, through a QSaveFile, checking every write and the
// final flush: either the whole file is replaced or the old one stays as it was. False with the
// system's reason in error.
bool WriteAnsiLines(const QString &path, const QStringList &lines, QString &error);

} // namespace zr::params
