#pragma once

// Two parameter sets side by side: the rows where they differ, named and converted as the editor
// shows them, the status word bit by bit, the lines the description does not show by number.

#include "paramfile.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zr::params {

// The description of one release in one language, read once.
struct ParameterDescription {
    // One description line after the header: file line k is lines[k]. Cells as in the parameter
    // grid (name, shown, unit, raw, min, max, step, multiplier); shown is the "*" marker.
    struct Line {
        bool shown = false;
        QStringList cells;
        QString cell(int col) const { return cells.value(col); }
    };
    QList<Line> lines;
    // Status rows 1..16 (bit 0 first): name, shown, text for 0, text for 1, value.
    QList<QStringList> bits;
};

// The description paths of a release code and language in the data folder (dataRel / statusRel
// + code + "ita.txt" / "eng.txt" / "fra.txt").
QString DataDescriptionFor(const QString &dataDir, const QString &code, int language);
QString StatusDescriptionFor(const QString &dataDir, const QString &code, int language);

std::optional<ParamProblem> ReadParameterDescription(const QString &dataPath,
                                                     const QString &statusPath,
                                                     ParameterDescription &description);

// A raw word as the editor shows it in a row with these cells: raw x multiplier with the
// multiplier's decimals; the word itself where the multiplier has no logarithm.
QString ShownValue(const ParameterDescription::Line &line, int word,
                   const QLocale &locale = QLocale());

// One row that differs.
struct CompareRow {
    struct Bit {
        int bit = 0;
        QString name, leftText, rightText;
    };
    int line = 0;        // file line, from 0
    bool hidden = false; // no "*" in the description, or beyond it: shown by number only
    QString name, unit;
    int left = 0, right = 0; // the words
    QString leftShown, rightShown;
    QList<Bit> bits; // the status word: the bits that differ
};

// The rows where left and right (1024 words each) differ as 16-bit words, in file order.
QList<CompareRow> CompareParameterSets(const std::vector<int> &left, const std::vector<int> &right,
                                       const ParameterDescription &description,
                                       const QLocale &locale = QLocale());

// The rows as a plain-text table with a header line, in the user's language; line numbers count
// from 1. An empty list gives the one line saying that the sets are equal.
QString CompareTable(const QList<CompareRow> &rows, const QString &leftTitle,
                     const QString &rightTitle, int language);

} // namespace zr::params
