#pragma once

// A comparison table shown read-only in a fixed-width font: from the editor's "Compare with..."
// and before a parameter download.

#include <QString>

class QWidget;

namespace zr::params {

// Shows intro and table; with question, Yes and No below them (true for Yes), else Close.
bool ShowComparison(QWidget *parent, int lang, const QString &intro, const QString &table,
                    bool question);

} // namespace zr::params
