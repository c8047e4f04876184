// helpbuild: makes the pages of the user's manual from its Markdown sources.
//
//   helpbuild --cmark PROGRAM --source DIR --shots DIR --out DIR
//
// DIR/topics.txt lists the topics in the order of the contents; the first is the contents page,
// every other one sits below it. Each language folder (ita, eng, fra) holds every topic under the
// same file name. For each language the tool writes OUT/<lang>/<topic>.html (the Markdown made
// into HTML by cmark-gfm, with a title, a navigation line and the links to other topics pointing
// at their pages), copies the screenshots the pages show into OUT/<lang>/shots, and writes the
// help project OUT/helpRel131<lang>.qhp (contents, index, files) for qhelpgenerator.
//
// A topic missing in a language, a page without a title, a link to a page or anchor that does
// not exist or a picture that was not made is an error: the tool lists them all and fails.

#include "manualpages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <cstdio>

namespace {

QString argument(const QStringList &args, const QString &name) {
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : QString();
}

QString runCmark(const QString &cmark, const QString &file, QStringList &errors) {
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        errors << QStringLiteral("%1: cannot read: %2").arg(file, source.errorString());
        return {};
    }
    QProcess p;
    p.start(cmark,
            {QStringLiteral("--extension"), QStringLiteral("table"), QStringLiteral("--extension"),
             QStringLiteral("autolink"), QStringLiteral("--unsafe")});
    p.write(help::PrepareMarkdown(QString::fromUtf8(source.readAll())).toUtf8());
    p.closeWriteChannel();
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        errors << QStringLiteral("%1: %2 failed: %3")
                      .arg(file, cmark, QString::fromLocal8Bit(p.readAllStandardError()));
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool writeText(const QString &path, const QString &text, QStringList &errors) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text.toUtf8()) < 0) {
        errors << QStringLiteral("%1: cannot write: %2").arg(path, f.errorString());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString cmark = argument(args, QStringLiteral("--cmark"));
    const QDir source(argument(args, QStringLiteral("--source")));
    const QDir shots(argument(args, QStringLiteral("--shots")));
    const QDir out(argument(args, QStringLiteral("--out")));
    if (cmark.isEmpty() || !source.exists() || !out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr,
                     "usage: helpbuild --cmark PROGRAM --source DIR --shots DIR --out DIR\n");
        return 2;
    }

    QStringList errors;
    const QStringList topics =
        help::ReadTopics(source.filePath(QStringLiteral("topics.txt")), errors);
    help::Manual manual;
    for (const QString &lang : help::kLanguages) {
        help::Language &l = manual[lang];
        const QDir dir(source.filePath(lang));
        for (const QString &stray : help::StrayFiles(dir, topics))
            errors << QStringLiteral("%1: not a topic of topics.txt").arg(dir.filePath(stray));
        for (const QString &topic : topics) {
            const QString file = dir.filePath(topic);
            if (!QFileInfo::exists(file)) {
                errors << QStringLiteral("%1: missing (every language has every topic)").arg(file);
                continue;
            }
            const QString body = runCmark(cmark, file, errors);
            if (!body.isEmpty())
                l.pages.append(help::MakePage(topic, body, file, errors));
        }
    }
    if (errors.isEmpty())
        help::CheckLinks(manual, shots, errors);
    if (errors.isEmpty()) {
        for (const QString &lang : help::kLanguages) {
            const help::Language &l = manual[lang];
            QDir langOut(out.filePath(lang));
            langOut.mkpath(QStringLiteral("shots"));
            for (qsizetype i = 0; i < l.pages.size(); ++i)
                writeText(langOut.filePath(help::HtmlName(l.pages[i].topic)),
                          help::FitPictures(help::PageHtml(lang, l.pages, i),
                                            QDir(shots.filePath(lang)), 620),
                          errors);
            for (const QString &shot : help::ShotsUsed(l)) {
                const QString to = langOut.filePath(QStringLiteral("shots/") + shot);
                QFile::remove(to);
                if (!QFile::copy(shots.filePath(lang + QStringLiteral("/") + shot), to))
                    errors << QStringLiteral("%1: cannot copy the picture").arg(to);
            }
            writeText(out.filePath(QStringLiteral("helpRel131%1.qhp").arg(lang)),
                      help::ProjectXml(lang, l), errors);
        }
    }
    for (const QString &e : errors)
        std::fprintf(stderr, "helpbuild: %s\n", qPrintable(e));
    return errors.isEmpty() ? 0 : 1;
}
