#include "manualtexts.h"

#include <QDirIterator>
#include <QFile>
#include <QHelpEngineCore>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

namespace manual {

HelpFile ReadHelpFile(const QString &qchPath) {
    HelpFile help;
    QTemporaryDir dir;
    QHelpEngineCore engine(dir.filePath(QStringLiteral("manual.qhc")));
    engine.setReadOnly(false);
    if (!engine.setupData() || !engine.registerDocumentation(qchPath)) {
        help.error = engine.error();
        return help;
    }
    const QString ns = QHelpEngineCore::namespaceName(qchPath);
    for (const QUrl &url : engine.files(ns, QString())) {
        const QByteArray data = engine.fileData(url);
        if (url.fileName().endsWith(QLatin1String(".html"))) {
            QTextDocument doc;
            doc.setHtml(QString::fromUtf8(data));
            help.pages.insert(url.fileName(),
                              {QString::fromUtf8(data), doc.toPlainText().simplified()});
        } else if (url.path().contains(QLatin1String("/shots/"))) {
            help.pictures << url.fileName();
        }
    }
    return help;
}

namespace {

// The literal starting at text[i] (at its opening quote), with C escapes read; i ends after it.
QString ReadLiteral(const QString &text, qsizetype &i) {
    QByteArray bytes;
    for (++i; i < text.size() && text[i] != QLatin1Char('"'); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar c = text[++i];
            if (c == QLatin1Char('n'))
                bytes += '\n';
            else if (c == QLatin1Char('r'))
                bytes += '\r';
            else if (c == QLatin1Char('t'))
                bytes += '\t';
            else if (c == QLatin1Char('u') && i + 4 < text.size()) {
                bytes += QString(QChar(text.mid(i + 1, 4).toUShort(nullptr, 16))).toUtf8();
                i += 4;
            } else
                bytes += QString(c).toUtf8();
        } else {
            bytes += QString(text[i]).toUtf8();
        }
    }
    ++i;
    return QString::fromUtf8(bytes);
}

void SkipBlanks(const QString &text, qsizetype &i) {
    while (i < text.size() && text[i].isSpace())
        ++i;
}

// Adjacent literals from text[i] joined; false when no literal starts there.
bool ReadJoinedLiterals(const QString &text, qsizetype &i, QString &out) {
    SkipBlanks(text, i);
    if (i >= text.size() || text[i] != QLatin1Char('"'))
        return false;
    out.clear();
    while (i < text.size() && text[i] == QLatin1Char('"')) {
        out += ReadLiteral(text, i);
        SkipBlanks(text, i);
    }
    return true;
}

// Exactly three comma-separated groups of literals from text[i], then `close`.
bool ReadThree(const QString &text, qsizetype i, QChar close, QString (&out)[3]) {
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            SkipBlanks(text, i);
            if (i >= text.size() || text[i] != QLatin1Char(','))
                return false;
            ++i;
        }
        if (!ReadJoinedLiterals(text, i, out[k]))
            return false;
    }
    SkipBlanks(text, i);
    return i < text.size() && text[i] == close;
}

} // namespace

QList<SourceText> ThreeLanguageTexts(const QString &folder) {
    QList<SourceText> found;
    QDirIterator it(folder, {QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
    static const QRegularExpression pick(QStringLiteral("\\bPick\\(\\s*[A-Za-z_.]+\\s*,"));
    static const QRegularExpression brace(QStringLiteral("\\{\\s*\""));
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        const auto add = [&](qsizetype at, QChar close) {
            SourceText t;
            t.file = QDir(folder).relativeFilePath(path);
            if (ReadThree(text, at, close, t.texts))
                found << t;
        };
        for (auto m = pick.globalMatch(text); m.hasNext();)
            add(m.next().capturedEnd(), QLatin1Char(')'));
        for (auto m = brace.globalMatch(text); m.hasNext();)
            add(m.next().capturedStart() + 1, QLatin1Char('}'));
    }
    return found;
}

QStringList FixedPieces(const QString &text) {
    static const QRegularExpression cut(QStringLiteral("%\\d|[\\r\\n]"));
    QStringList pieces;
    for (const QString &piece : text.split(cut)) {
        const QString p = piece.simplified();
        // A lone word or a bit of punctuation says nothing about the manual.
        if (p.size() >= 4)
            pieces << p;
    }
    return pieces;
}

} // namespace manual
