#include "datacheck.h"

#include "ansitext.h"
#include "descriptions.h"
#include "languagewindow.h"
#include "reportdb.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QMovie>
#include <QTemporaryDir>

namespace zr::shell {

namespace {

// Every release the shipped description files cover.
constexpr const char *kReleaseCodes[] = {"10", "11", "13", "14", "20", "30", "40"};

class Checker {
public:
    Checker(const QDir &dir, QTextStream &out) : dir_(dir), out_(out) {}

    void item(const QString &name, const QString &problem) {
        out_ << (problem.isEmpty() ? QStringLiteral("ok       ") : QStringLiteral("PROBLEM  "))
             << name << (problem.isEmpty() ? QString() : QStringLiteral(": ") + problem)
             << Qt::endl;
        ok_ = ok_ && problem.isEmpty();
    }

    void helpFile(int lang, const QString &collection) {
        const QString name = HelpFileName(lang);
        const QString path = dir_.filePath(name);
        if (!QFileInfo::exists(path))
            return item(name, QStringLiteral("missing"));
        QHelpEngineCore engine(collection);
        engine.setReadOnly(false);
        if (!engine.setupData() || !engine.registerDocumentation(path))
            return item(name, engine.error());
        item(name, engine.registeredDocumentations().isEmpty() ? QStringLiteral("no contents")
                                                               : QString());
    }

    void textFile(const QString &name) {
        QStringList lines;
        QString error;
        if (!params::ReadAnsiLines(dir_.filePath(name), lines, error))
            return item(name, error);
        item(name, lines.isEmpty() ? QStringLiteral("empty") : QString());
    }

    void clip(const QString &name) {
        QMovie movie(dir_.filePath(name));
        item(name, movie.isValid() && movie.frameCount() > 1
                       ? QString()
                       : QStringLiteral("missing or no clip"));
    }

    bool ok() const { return ok_; }

private:
    QDir dir_;
    QTextStream &out_;
    bool ok_ = true;
};

} // namespace

bool CheckData(const QString &dataDir, QTextStream &out) {
    const QDir dir(dataDir);
    out << "data folder: " << QDir::toNativeSeparators(dir.absolutePath()) << Qt::endl;
    Checker check(dir, out);
    QTemporaryDir scratch;
    for (int lang = 0; lang < 3; ++lang)
        check.helpFile(lang, scratch.filePath(QStringLiteral("check%1.qhc").arg(lang)));
    for (const char *code : kReleaseCodes) {
        for (int lang = 0; lang < 3; ++lang) {
            const QString suffix = params::LanguageSuffix(lang);
            check.textFile(QStringLiteral("dataRel%1%2").arg(QLatin1String(code), suffix));
            check.textFile(QStringLiteral("statusRel%1%2").arg(QLatin1String(code), suffix));
            check.textFile(QStringLiteral("newRel%1%2").arg(QLatin1String(code), suffix));
        }
    }
    const QStringList examples =
        QDir(dir.filePath(QStringLiteral("examples"))).entryList({QStringLiteral("*.*d")});
    check.item(QStringLiteral("examples/"),
               examples.isEmpty() ? QStringLiteral("no example files") : QString());
    check.item(params::kReportDbName, QFileInfo(dir.filePath(params::kReportDbName)).size() > 0
                                          ? QString()
                                          : QStringLiteral("missing"));
    check.clip(QStringLiteral("logozr3500.gif"));
    check.clip(QStringLiteral("filemove.gif"));
    return check.ok();
}

} // namespace zr::shell
