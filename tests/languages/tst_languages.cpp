// The one rule every three-language text follows: 0 Italian, 1 English, 2 French, anything else
// English; a message shown only for a known language is not shown for any other value.

#include "captions.h"
#include "datatable.h"
#include "descriptions.h"
#include "languages.h"
#include "linkhints.h"
#include "networkserialport.h"
#include "panelmessages.h"
#include "paramtexts.h"
#include "savefile.h"
#include "scopetexts.h"
#include "transfertexts.h"

#include <QTest>

#include <functional>

using namespace zr;

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void textFollowsTheRule_data();
    void textFollowsTheRule();
    void shownOnlyForAKnownLanguage_data();
    void shownOnlyForAKnownLanguage();
};

using TextOf = std::function<QString(int)>;
Q_DECLARE_METATYPE(TextOf)

namespace {
QString caption(int lang) {
    shell::CaptionTable t;
    shell::FillCaptionTable(t);
    return shell::CaptionText(t.capVariables, lang);
}

const int kOutside[] = {-1, 3, 4, 99};
} // namespace

void TestLanguages::textFollowsTheRule_data() {
    columns<TextOf, QStringList>("text", "ita_eng_fra");
    const auto add = [](const char *name, TextOf f, QStringList expected) {
        row(name, f, expected);
    };
    add("pick", [](int l) { return Pick(l, "a", "b", "c"); }, {"a", "b", "c"});
    add("texts3", [](int l) { return Texts3{"a", "b", "c"}[l]; }, {"a", "b", "c"});
    add("caption", caption, {"VARIABILI<    KEST", "KEST<  VARIABLES", "VARIABLES<    KEST"});
    add("panel paused", front::PausedText,
        {"In pausa: la linea è dell'oscilloscopio", "Paused: the scope has the line",
         "En pause : la ligne est à l'oscilloscope"});
    add("scope status", [](int l) { return scope::ScopeTextFor(scope::ScopeText::Holding, l); },
        {"In pausa", "Hold", "En pause"});
    add("editor caption", params::ProblemCaption,
        {"File dei parametri", "Parameter File", "Fichier des paramètres"});
    add("transfer title", NotConfirmedTitle,
        {"Trasferimento non confermato", "Transfer not confirmed", "Transfert non confirmé"});
    add("link hint", [](int l) { return shell::LatencyHint(16, l).left(12); },
        {"Il latency t", "The USB adap", "Le latency t"});
    add("slow network hint",
        [](int l) {
            const NetworkSerialPort port(QStringLiteral("tcp://plant-pc:3001"));
            return shell::NetworkDelayHint(port, 150000, l).section(QLatin1Char(')'), 1).left(18);
        },
        {" risponde in 150 m", " answers in 150 ms", " répond en 150 ms "});
    add("network port refused hint",
        [](int l) {
            NetworkSerialPort port(QStringLiteral("tcp://127.0.0.1:1")); // nobody listens
            port.Open();
            return shell::PortFailureHint(port, l).section(QLatin1Char(')'), 1).left(18);
        },
        {" non si collega: i", " does not connect:", " ne se connecte pa"});
    add("write failure",
        [](int l) { return WriteFailureReason(QStringLiteral("/nonexistent-zr/x"), {}, l); },
        {"la cartella /nonexistent-zr non esiste", "the folder /nonexistent-zr does not exist",
         "le dossier /nonexistent-zr n'existe pas"});
}

void TestLanguages::textFollowsTheRule() {
    QFETCH(TextOf, text);
    QFETCH(QStringList, ita_eng_fra);
    QCOMPARE(text(kItalian), ita_eng_fra[0]);
    QCOMPARE(text(kEnglish), ita_eng_fra[1]);
    QCOMPARE(text(kFrench), ita_eng_fra[2]);
    for (int lang : kOutside)
        QCOMPARE(text(lang), ita_eng_fra[1]);
}

void TestLanguages::shownOnlyForAKnownLanguage_data() {
    QTest::addColumn<TextOf>("text");
    row("communication error", TextOf(CommErrorText));
    row("not available", TextOf(front::NotAvailableText));
    row("release notice", TextOf([](int l) { return front::ReleaseNoticeFor(l).text; }));
    row("save question", TextOf([](int l) {
            QString caption, text;
            return params::SaveQuestion(l, caption, text) ? caption + text : QString();
        }));
    row("description suffix", TextOf(params::LanguageSuffix));
}

void TestLanguages::shownOnlyForAKnownLanguage() {
    QFETCH(TextOf, text);
    for (int lang : {kItalian, kEnglish, kFrench})
        QVERIFY(!text(lang).isEmpty());
    for (int lang : kOutside)
        QVERIFY(text(lang).isEmpty());
}

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
