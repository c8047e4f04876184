#include "qtlocale.h"

#include "loaderroutine.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace zr::shell {

namespace {
std::vector<std::unique_ptr<QTranslator>> &installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}
} // namespace

bool LoadQtTranslations(int language) {
    for (const auto &t : installed())
        QCoreApplication::removeTranslator(t.get());
    installed().clear();
    if (language != kItalian && language != kFrench)
        return true;
    const QLocale locale(language == kItalian ? QLocale::Italian : QLocale::French);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool loaded = false;
    // qtbase holds the dialogs and buttons; the others are loaded where present.
    for (const char *catalogue : {"qtbase", "qtmultimedia", "qtserialport"}) {
        auto t = std::make_unique<QTranslator>();
        if (!t->load(locale, QString::fromLatin1(catalogue), QStringLiteral("_"), dir))
            continue;
        QCoreApplication::installTranslator(t.get());
        installed().push_back(std::move(t));
        loaded = true;
    }
    return loaded;
}

void InstallFontSubstitutes() {
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                           QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(
        QStringLiteral("Comic Sans MS"),
        QStringList{QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")} + sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                QStringLiteral("DejaVu Sans Mono")});
    // The symbol signs are drawn as their Unicode characters (Ω, ®, ©).
    QFont::insertSubstitutions(QStringLiteral("SYMBOL"), {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Symbol"), {QStringLiteral("DejaVu Sans")});
}

} // namespace zr::shell
