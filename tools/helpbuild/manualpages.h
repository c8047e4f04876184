#pragma once

// The pages of the user's manual: what helpbuild reads from a page made by cmark-gfm, the checks
// of its links and pictures, the finished page and the help project that lists the pages.

#include <QDir>
#include <QMap>
#include <QSet>
#include <QStringList>

namespace help {

inline const QStringList kLanguages{QStringLiteral("ita"), QStringLiteral("eng"),
                                    QStringLiteral("fra")};

struct Heading {
    int level = 2;
    QString text;
    QString id;
};

struct Page {
    QString topic; // file name of the Markdown source, e.g. "editor.md"
    QString title;
    QString body; // HTML, links to other topics already pointing at their pages
    QList<Heading> headings;
    QSet<QString> anchors;
    QStringList links;
    QStringList pictures;
};

struct Language {
    QList<Page> pages; // in the order of the contents
};
using Manual = QMap<QString, Language>;

// The Markdown as cmark-gfm is to read it: a word in angle brackets outside code (a value the
// program puts into a message, "<file>") is text, not an HTML tag; the lines of a quoted message
// keep their breaks.
QString PrepareMarkdown(const QString &markdown);

// Topic file names in the order of topics.txt (blank lines and # comments skipped).
QStringList ReadTopics(const QString &path, QStringList &errors);
// Markdown files of dir that are not topics.
QStringList StrayFiles(const QDir &dir, const QStringList &topics);
// A page from the HTML cmark-gfm made of file.
Page MakePage(const QString &topic, const QString &html, const QString &file, QStringList &errors);
// Every link between pages, every anchor and every picture (under shots/<lang>/) must exist.
void CheckLinks(const Manual &manual, const QDir &shots, QStringList &errors);

QString HtmlName(const QString &topic);
// The whole page i of a language: title, style, navigation line, body.
QString PageHtml(const QString &lang, const QList<Page> &pages, qsizetype i);
// A picture wider than maxWidth is shown at that width (the help viewer scales it, keeping its
// proportions), so a page needs no sideways scrolling.
QString FitPictures(const QString &html, const QDir &pictures, int maxWidth);
// The pictures the pages of a language show, as file names under shots/.
QStringList ShotsUsed(const Language &language);
// The help project of a language for qhelpgenerator.
QString ProjectXml(const QString &lang, const Language &language);

} // namespace help
