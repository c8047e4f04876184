#pragma once

// The trace on the screen as a file: CSV (time in ms, sample, volts) and PNG.

#include <QByteArray>
#include <QString>

class QImage;

namespace zr::scope {

// "ms,sample,volts" and one line a sample: 1.024 ms apart from 0, volts as the cursors read them.
QByteArray TraceCsv(const QByteArray &samples);
// Written through a save file: an existing file changes only when the whole file is written.
bool SaveTraceCsv(const QString &path, const QByteArray &samples, QString *error = nullptr);
bool SaveImage(const QString &path, const QImage &image, QString *error = nullptr);

} // namespace zr::scope
