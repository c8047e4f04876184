// The user's manual as the build compiles it: the same pages in the three languages, a page for
// every window, links and pictures that resolve, every text the program shows explained.

#include "conversions.h"
#include "datatable.h"
#include "driveprotocol.h"
#include "helptopics.h"
#include "loaderprogram.h"
#include "manualtexts.h"
#include "programs.h"

#include <QRegularExpression>
#include <QTest>

using namespace zr::shell;

namespace {

const char *const kLanguages[] = {"ita", "eng", "fra"};

const manual::HelpFile &Help(int lang) {
    static manual::HelpFile files[3];
    static bool read[3] = {};
    if (!read[lang]) {
        files[lang] = manual::ReadHelpFile(
            e2e::bin(QStringLiteral("helpRel131%1.qch").arg(QLatin1String(kLanguages[lang]))));
        read[lang] = true;
    }
    return files[lang];
}

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT

private slots:
    void samePagesInEveryLanguage();
    void everyWindowHasItsPage();
    void linksAndPicturesResolve_data();
    void linksAndPicturesResolve();
    void everyShownTextIsExplained_data();
    void everyShownTextIsExplained();
};

void TestManual::samePagesInEveryLanguage() {
    for (int lang = 0; lang < 3; ++lang)
        QVERIFY2(Help(lang).error.isEmpty(), qPrintable(Help(lang).error));
    const QStringList english = Sorted(Help(1).pages.keys());
    QVERIFY(english.size() >= 15);
    QCOMPARE(Sorted(Help(0).pages.keys()), english);
    QCOMPARE(Sorted(Help(2).pages.keys()), english);
    QCOMPARE(Sorted(Help(0).pictures), Sorted(Help(1).pictures));
    QCOMPARE(Sorted(Help(2).pictures), Sorted(Help(1).pictures));
}

// Every window the program can open, as the program registers them, has a page F1 opens.
void TestManual::everyWindowHasItsPage() {
    LoaderProgram program(zr::PortMap{});
    const QStringList windows = program.shell().forms().names();
    QVERIFY(windows.contains(kEditorWindow) && windows.contains(kScopeWindow));
    for (const QString &window : windows) {
        const QString topic = HelpTopicOf(window);
        QVERIFY2(!topic.isEmpty(), qPrintable(window + QStringLiteral(" has no page")));
        for (int lang = 0; lang < 3; ++lang)
            QVERIFY2(Help(lang).pages.contains(topic),
                     qPrintable(QStringLiteral("%1 -> %2 missing in %3")
                                    .arg(window, topic, QLatin1String(kLanguages[lang]))));
    }
    QCOMPARE(HelpTopicOf(QStringLiteral("DataReport20")), QStringLiteral("report.html"));
}

void TestManual::linksAndPicturesResolve_data() {
    columns<int>("lang");
    row("Italian", 0);
    row("English", 1);
    row("French", 2);
}

void TestManual::linksAndPicturesResolve() {
    QFETCH(int, lang);
    const manual::HelpFile &help = Help(lang);
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    static const QRegularExpression src(QStringLiteral("src=\"shots/([^\"]*)\""));
    static const QRegularExpression anchor(QStringLiteral("\\b(?:id|name)=\"([^\"]*)\""));
    QStringList broken;
    for (auto page = help.pages.cbegin(); page != help.pages.cend(); ++page) {
        for (auto m = href.globalMatch(page->html); m.hasNext();) {
            const QString link = m.next().captured(1);
            if (link.contains(QLatin1Char(':')))
                continue; // a web address
            const QString file = link.section(QLatin1Char('#'), 0, 0);
            const QString id = link.section(QLatin1Char('#'), 1);
            const auto target = help.pages.constFind(file.isEmpty() ? page.key() : file);
            bool ok = target != help.pages.cend();
            if (ok && !id.isEmpty()) {
                ok = false;
                for (auto a = anchor.globalMatch(target->html); a.hasNext() && !ok;)
                    ok = a.next().captured(1) == id;
            }
            if (!ok)
                broken << page.key() + QStringLiteral(" -> ") + link;
        }
        for (auto m = src.globalMatch(page->html); m.hasNext();) {
            const QString picture = m.next().captured(1);
            if (!help.pictures.contains(picture))
                broken << page.key() + QStringLiteral(" -> shots/") + picture;
        }
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
}

void TestManual::everyShownTextIsExplained_data() {
    columns<int>("lang");
    row("Italian", 0);
    row("English", 1);
    row("French", 2);
}

// Each message the program can show, in the user's language, is quoted in the manual of that
// language: the texts come from the program's sources, so a new message needs its explanation.
void TestManual::everyShownTextIsExplained() {
    QFETCH(int, lang);
    QString manualText;
    for (const manual::Page &p : Help(lang).pages)
        manualText += p.text + QLatin1Char('\n');
    QVERIFY(!manualText.isEmpty());

    QStringList texts{zr::kNoError, zr::kTimeoutError, zr::kEchoError, zr::kChecksumError,
                      zr::params::kOutOfRange};
    const auto sources = manual::ThreeLanguageTexts(QStringLiteral(ZR_SOURCE_DIR "/loader"));
    QVERIFY(sources.size() > 40);
    // A single lower-case word is a name (the language part of a file name, a translation
    // catalogue), not a text shown to the user.
    static const QRegularExpression name(QStringLiteral("^[a-z0-9_.]+$"));
    for (const manual::SourceText &s : sources)
        if (!name.match(s.texts[lang]).hasMatch())
            texts << s.texts[lang];
    QStringList missing;
    for (const QString &text : texts)
        for (const QString &piece : manual::FixedPieces(text))
            if (!manualText.contains(piece))
                missing << piece;
    missing.removeDuplicates();
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("not in the manual:\n") + missing.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
