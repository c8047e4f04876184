#pragma once

// Loading a parameter file into the editor's grids and writing it back.
//
// A parameter file has 1024 lines of decimal text (Windows-1252, CR LF). Lines 0-255 (block 0)
// hold the words the data description describes; blocks 1 and 2 repeat each described word plus
// 1 and plus 2; block 3 and every line beyond the description hold -1. The editor reads only the
// described lines of block 0 and recomputes the rest on every save.

#include "textgrid.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace zr::params {

// Why a file could not be opened or saved. Nothing was changed on disk when a save reports one.
struct ParamProblem {
    enum Kind {
        DescriptionUnreadable, // the data or status description is missing or cannot be read
        DescriptionEmpty,      // no header line
        DescriptionTooLong,    // more than 256 description lines after the header
        StatusTooShort,        // fewer than 16 bit lines after the status header
        DescriptionChanged,    // the description marks more lines than the grid holds
        SourceUnreadable,      // the parameter file is missing or cannot be read
        SourceTooShort,        // fewer lines than the description describes
        NotANumber,            // a value that blocks 1 and 2 cannot be computed from
        CannotWrite,           // the destination could not be written
        NotAFile,              // a folder, a device or a pipe was named
        TooLarge,              // larger than any description or parameter file (line: size)
    };
    Kind kind = DescriptionUnreadable;
    QString path;
    int line = 0; // the line (from 0) or the count the problem is about
    QString detail;
};

// What the loader and the savers work on.
struct ParamFileContext {
    ParamFileContext(TextGrid &grid1, TextGrid &grid2) : MSFlexGrid1(grid1), MSFlexGrid2(grid2) {}
    TextGrid &MSFlexGrid1; // parameter grid
    TextGrid &MSFlexGrid2; // status grid
    QString DataDescriptionPath;
    QString StatusDescriptionPath;
    QString source;      // the opened file
    QString destination; // the file to write
    qint16 ParameterRowCount = 0;
    QLocale locale = QLocale();
};

// Loads source into the parameter grid (row 0 the description's header, then one row per "*"
// line with its raw value in column 3 and its shown value computed) and the status description
// into the status grid. Both grids are emptied first; on a problem they stay empty and
// ParameterRowCount is 0.
std::optional<ParamProblem> openfilezr5(ParamFileContext &ctx);

// Writes destination from the parameter grid and the unmarked lines of source. Everything is
// read and computed before the destination is touched, so saving onto the opened file works and
// a problem leaves the destination as it was.
std::optional<ParamProblem> salvafile(ParamFileContext &ctx);

// The 1024 lines salvafile writes, or the problem; nothing is written.
std::optional<ParamProblem> SavedLines(ParamFileContext &ctx, QStringList &lines);

// The 1024 lines of a new parameter file from a release's defaults. The new-file description has
// the layout of the data description, with each line's default word in column 3; block 0 takes
// those words, blocks 1 to 3 are written as salvafile writes them.
std::optional<ParamProblem> NewFileLines(const QString &newDescriptionPath, QStringList &lines,
                                         const QLocale &locale = QLocale());

} // namespace zr::params
