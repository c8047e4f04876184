#include "manualpages.h"

#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextStream>
#include <QXmlStreamWriter>

namespace help {

namespace {

// The words the navigation line and the contents page use, by language.
struct Words {
    const char *contents;
    const char *previous;
    const char *next;
    const char *manual;
};
Words WordsOf(const QString &lang) {
    if (lang == QLatin1String("ita"))
        return {"Sommario", "Indietro", "Avanti", "Manuale di ZR3500 Loader"};
    if (lang == QLatin1String("fra"))
        return {"Sommaire", "Pr\u00e9c\u00e9dent", "Suivant", "Manuel de ZR3500 Loader"};
    return {"Contents", "Previous", "Next", "ZR3500 Loader manual"};
}

QString PlainText(QString html) {
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return html.replace(QLatin1String("&amp;"), QLatin1String("&"))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .simplified();
}

// An anchor for a heading: its words in lower-case ASCII, joined by hyphens.
QString Slug(const QString &text) {
    QString s;
    for (QChar c : text.normalized(QString::NormalizationForm_D).toLower()) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            s += c;
        else if ((c.isSpace() || c == QLatin1Char('-')) && !s.endsWith(QLatin1Char('-')))
            s += QLatin1Char('-');
    }
    while (s.endsWith(QLatin1Char('-')))
        s.chop(1);
    return s.isEmpty() ? QStringLiteral("section") : s;
}

bool IsExternal(const QString &link) {
    static const QRegularExpression scheme(QStringLiteral("^[a-z][a-z0-9+.-]*:"));
    return scheme.match(link).hasMatch();
}

QString Escaped(const QString &text) {
    return text.toHtmlEscaped();
}

const char *const kStyle =
    "body { font-family: 'DejaVu Sans', 'Liberation Sans', Arial, sans-serif; }\n"
    "h1 { color: #1e3f73; }\n"
    "h2, h3 { color: #1e3f73; margin-top: 18px; }\n"
    "p.nav { font-size: small; color: #555555; }\n"
    "code, pre { font-family: 'DejaVu Sans Mono', 'Liberation Mono', monospace; }\n"
    "pre { background-color: #f2f2f2; padding: 6px; }\n"
    "blockquote { background-color: #fff4e0; margin-left: 12px; padding: 4px 8px; }\n"
    "th { background-color: #e4e9f2; text-align: left; }\n"
    "img { max-width: 100%; }\n";

// Angle brackets of a placeholder in a stretch of text outside code spans.
QString EscapePlaceholders(const QString &text) {
    // Left alone: the anchors <a id="..."></a>, </a>, and autolinks <https://...>.
    static const QRegularExpression placeholder(
        QStringLiteral("<(?!a\\s|/a>|[a-z][a-z0-9+.-]*:)([^<>`\n]+)>"));
    QString out;
    const QStringList parts = text.split(QLatin1Char('`'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += QLatin1Char('`');
        QString part = parts[i];
        if (i % 2 == 0) // outside a code span
            part.replace(placeholder, QStringLiteral("&lt;\\1&gt;"));
        out += part;
    }
    return out;
}

} // namespace

QString PrepareMarkdown(const QString &markdown) {
    QStringList lines = markdown.split(QLatin1Char('\n'));
    bool fenced = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString &line = lines[i];
        if (line.trimmed().startsWith(QLatin1String("```"))) {
            fenced = !fenced;
            continue;
        }
        if (fenced)
            continue;
        line = EscapePlaceholders(line);
        // A quoted line followed by another one ends with a hard break.
        const auto quoted = [](const QString &l) {
            return l.startsWith(QLatin1Char('>')) && !l.mid(1).trimmed().isEmpty();
        };
        if (quoted(line) && i + 1 < lines.size() && quoted(lines[i + 1]) &&
            !line.endsWith(QLatin1Char('\\')))
            line += QLatin1Char('\\');
    }
    return lines.join(QLatin1Char('\n'));
}

QStringList ReadTopics(const QString &path, QStringList &errors) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        errors << QStringLiteral("%1: cannot read: %2").arg(path, f.errorString());
        return {};
    }
    QStringList topics;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (topics.contains(line))
            errors << QStringLiteral("%1: %2 listed twice").arg(path, line);
        topics << line;
    }
    if (topics.isEmpty())
        errors << QStringLiteral("%1: no topics").arg(path);
    return topics;
}

QStringList StrayFiles(const QDir &dir, const QStringList &topics) {
    QStringList stray;
    for (const QString &f : dir.entryList({QStringLiteral("*.md")}, QDir::Files))
        if (!topics.contains(f))
            stray << f;
    return stray;
}

QString HtmlName(const QString &topic) {
    QString name = topic;
    if (name.endsWith(QLatin1String(".md")))
        name.chop(3);
    return name + QStringLiteral(".html");
}

Page MakePage(const QString &topic, const QString &html, const QString &file, QStringList &errors) {
    Page page;
    page.topic = topic;
    QString body = html;

    static const QRegularExpression h1(QStringLiteral("<h1>(.*?)</h1>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    const auto title = h1.match(body);
    if (!title.hasMatch() || !body.trimmed().startsWith(QLatin1String("<h1>")))
        errors << QStringLiteral("%1: the page must begin with its title (# Title)").arg(file);
    else
        page.title = PlainText(title.captured(1));

    // Links to another topic's source point at its page.
    static const QRegularExpression mdLink(QStringLiteral("href=\"([^\":#]+)\\.md(#[^\"]*)?\""));
    body.replace(mdLink, QStringLiteral("href=\"\\1.html\\2\""));
    // Tables get rules that every viewer draws.
    body.replace(QLatin1String("<table>"),
                 QLatin1String("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"));

    // Every section heading gets an anchor, so the contents and the index can point at it.
    static const QRegularExpression heading(QStringLiteral("<h([23])>(.*?)</h\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression idAttr(QStringLiteral("\\b(?:id|name)=\"([^\"]+)\""));
    for (auto it = idAttr.globalMatch(body); it.hasNext();)
        page.anchors.insert(it.next().captured(1));
    QString out;
    qsizetype last = 0;
    for (auto it = heading.globalMatch(body); it.hasNext();) {
        const auto m = it.next();
        Heading h;
        h.level = m.captured(1).toInt();
        h.text = PlainText(m.captured(2));
        h.id = Slug(h.text);
        for (int n = 2; page.anchors.contains(h.id); ++n)
            h.id = Slug(h.text) + QLatin1Char('-') + QString::number(n);
        page.anchors.insert(h.id);
        page.headings << h;
        out += body.mid(last, m.capturedStart() - last);
        out += QStringLiteral("<h%1 id=\"%2\">%3</h%1>").arg(m.captured(1), h.id, m.captured(2));
        last = m.capturedEnd();
    }
    out += body.mid(last);
    page.body = out;

    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (auto it = href.globalMatch(page.body); it.hasNext();)
        page.links << it.next().captured(1);
    static const QRegularExpression src(QStringLiteral("<img src=\"([^\"]*)\""));
    for (auto it = src.globalMatch(page.body); it.hasNext();)
        page.pictures << it.next().captured(1);
    return page;
}

void CheckLinks(const Manual &manual, const QDir &shots, QStringList &errors) {
    for (auto l = manual.cbegin(); l != manual.cend(); ++l) {
        QMap<QString, const Page *> byName;
        for (const Page &p : l->pages)
            byName.insert(HtmlName(p.topic), &p);
        for (const Page &p : l->pages) {
            const QString where = l.key() + QLatin1Char('/') + p.topic;
            for (const QString &link : p.links) {
                if (IsExternal(link))
                    continue;
                const qsizetype hash = link.indexOf(QLatin1Char('#'));
                const QString target = hash < 0 ? link : link.left(hash);
                const QString anchor = hash < 0 ? QString() : link.mid(hash + 1);
                const Page *to = target.isEmpty() ? &p : byName.value(target);
                if (!to)
                    errors << QStringLiteral("%1: link to %2: no such topic").arg(where, link);
                else if (!anchor.isEmpty() && !to->anchors.contains(anchor))
                    errors << QStringLiteral("%1: link to %2: no such anchor").arg(where, link);
            }
            for (const QString &pic : p.pictures) {
                if (!pic.startsWith(QLatin1String("shots/")) ||
                    !QFileInfo::exists(shots.filePath(l.key() + QLatin1Char('/') + pic.mid(6))))
                    errors << QStringLiteral("%1: picture %2 was not made").arg(where, pic);
            }
        }
    }
}

QString PageHtml(const QString &lang, const QList<Page> &pages, qsizetype i) {
    const Words w = WordsOf(lang);
    const Page &p = pages.at(i);
    QString nav = QStringLiteral("<p class=\"nav\"><a href=\"%1\">%2</a>")
                      .arg(HtmlName(pages.first().topic), QString::fromUtf8(w.contents));
    if (i > 0)
        nav += QStringLiteral(" | %1: <a href=\"%2\">%3</a>")
                   .arg(QString::fromUtf8(w.previous), HtmlName(pages[i - 1].topic),
                        Escaped(pages[i - 1].title));
    if (i + 1 < pages.size())
        nav += QStringLiteral(" | %1: <a href=\"%2\">%3</a>")
                   .arg(QString::fromUtf8(w.next), HtmlName(pages[i + 1].topic),
                        Escaped(pages[i + 1].title));
    nav += QStringLiteral("</p>\n");
    const QString htmlLang = lang == QLatin1String("ita")   ? QStringLiteral("it")
                             : lang == QLatin1String("fra") ? QStringLiteral("fr")
                                                            : QStringLiteral("en");
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>%2</title>\n<style>\n%3</style>\n</head>\n<body>\n%4%5%4"
                          "</body>\n</html>\n")
        .arg(htmlLang, Escaped(p.title), QString::fromLatin1(kStyle), nav, p.body);
}

QString FitPictures(const QString &html, const QDir &pictures, int maxWidth) {
    static const QRegularExpression img(QStringLiteral("<img src=\"shots/([^\"]+)\""));
    QString out;
    qsizetype last = 0;
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        out += html.mid(last, m.capturedEnd() - last);
        last = m.capturedEnd();
        const QSize size = QImageReader(pictures.filePath(m.captured(1))).size();
        if (size.width() > maxWidth)
            out += QStringLiteral(" width=\"%1\" height=\"%2\"")
                       .arg(maxWidth)
                       .arg(size.height() * maxWidth / size.width());
    }
    return out + html.mid(last);
}

QStringList ShotsUsed(const Language &language) {
    QSet<QString> used;
    for (const Page &p : language.pages)
        for (const QString &pic : p.pictures)
            used.insert(pic.mid(6));
    QStringList list(used.begin(), used.end());
    list.sort();
    return list;
}

QString ProjectXml(const QString &lang, const Language &language) {
    QString xml;
    QXmlStreamWriter w(&xml);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("QtHelpProject"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    w.writeTextElement(QStringLiteral("namespace"), QStringLiteral("zr3500.loader.131.") + lang);
    w.writeTextElement(QStringLiteral("virtualFolder"), QStringLiteral("doc"));
    w.writeStartElement(QStringLiteral("filterSection"));

    const auto ref = [&lang](const Page &p, const QString &anchor = QString()) {
        return lang + QLatin1Char('/') + HtmlName(p.topic) +
               (anchor.isEmpty() ? QString() : QLatin1Char('#') + anchor);
    };
    w.writeStartElement(QStringLiteral("toc"));
    const Page &top = language.pages.first();
    w.writeStartElement(QStringLiteral("section"));
    w.writeAttribute(QStringLiteral("title"), top.title);
    w.writeAttribute(QStringLiteral("ref"), ref(top));
    for (const Page &p : language.pages.mid(1)) {
        w.writeStartElement(QStringLiteral("section"));
        w.writeAttribute(QStringLiteral("title"), p.title);
        w.writeAttribute(QStringLiteral("ref"), ref(p));
        for (const Heading &h : p.headings) {
            if (h.level != 2)
                continue;
            w.writeEmptyElement(QStringLiteral("section"));
            w.writeAttribute(QStringLiteral("title"), h.text);
            w.writeAttribute(QStringLiteral("ref"), ref(p, h.id));
        }
        w.writeEndElement();
    }
    w.writeEndElement(); // top
    w.writeEndElement(); // toc

    w.writeStartElement(QStringLiteral("keywords"));
    for (const Page &p : language.pages) {
        w.writeEmptyElement(QStringLiteral("keyword"));
        w.writeAttribute(QStringLiteral("name"), p.title);
        w.writeAttribute(QStringLiteral("ref"), ref(p));
        for (const Heading &h : p.headings) {
            w.writeEmptyElement(QStringLiteral("keyword"));
            w.writeAttribute(QStringLiteral("name"), h.text);
            w.writeAttribute(QStringLiteral("ref"), ref(p, h.id));
        }
    }
    w.writeEndElement(); // keywords

    w.writeStartElement(QStringLiteral("files"));
    for (const Page &p : language.pages)
        w.writeTextElement(QStringLiteral("file"), ref(p));
    for (const QString &shot : ShotsUsed(language))
        w.writeTextElement(QStringLiteral("file"), lang + QStringLiteral("/shots/") + shot);
    w.writeEndElement(); // files
    w.writeEndElement(); // filterSection
    w.writeEndElement(); // QtHelpProject
    w.writeEndDocument();
    return xml;
}

} // namespace help
