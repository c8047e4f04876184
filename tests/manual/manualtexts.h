#pragma once

// What the manual tests read: the pages of a compiled help file, and the texts the program can
// show, as its sources give them.

#include <QHash>
#include <QString>
#include <QStringList>

namespace manual {

struct Page {
    QString html;
    QString text; // the words a reader sees, blanks simplified
};

// The pages (by file name, "editor.html") and pictures (by name under shots/) of a help file.
struct HelpFile {
    QString error; // empty when it could be read
    QHash<QString, Page> pages;
    QStringList pictures;
};
HelpFile ReadHelpFile(const QString &qchPath);

// The three-language texts of the sources under a folder: every Pick(lang, "ita", "eng", "fra")
// and every {"ita", "eng", "fra"} of three string literals, with the file each stands in.
struct SourceText {
    QString file;
    QString texts[3];
};
QList<SourceText> ThreeLanguageTexts(const QString &folder);

// The fixed pieces of a text (what lies between its %1 placeholders and its line breaks) that a
// reader would search for.
QStringList FixedPieces(const QString &text);

} // namespace manual
