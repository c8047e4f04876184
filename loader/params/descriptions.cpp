#include "descriptions.h"

#include "languages.h"

#include <QDir>

namespace zr::params {

QString ReleaseCode(const QString &path) {
    const qsizetype n = path.size();
    if (n >= 3)
        return path.mid(n - 3, 2);
    return path.left(n - 1);
}

QString ReleaseNumber(const QString &code) {
    return code.left(1) + QLatin1Char('.') + code.mid(1, 1);
}

QString LanguageSuffix(int language) {
    if (!IsLanguage(language))
        return {};
    return Pick(language, "ita.txt", "eng.txt", "fra.txt");
}

void SetDescriptionFiles(int filterIndex, const QString &dialogPath, int language,
                         const QString &programDir, QString &DataDescriptionPath,
                         QString &StatusDescriptionPath, QString &NewDescriptionPath) {
    const QString suffix = LanguageSuffix(language);
    if (filterIndex != 1 || suffix.isEmpty())
        return;
    const QString code = ReleaseCode(dialogPath);
    const QString dir = QDir::fromNativeSeparators(programDir);
    DataDescriptionPath = dir + QStringLiteral("/dataRel") + code + suffix;
    StatusDescriptionPath = dir + QStringLiteral("/statusRel") + code + suffix;
    NewDescriptionPath = dir + QStringLiteral("/newRel") + code + suffix;
}

bool IsStatusName(const QString &name) {
    QString s = name;
    s.remove(QLatin1Char(' '));
    return s.compare(QLatin1String("STATUS"), Qt::CaseInsensitive) == 0;
}

bool IsStepGridName(const QString &name) {
    const QString s = name.trimmed();
    return s == QLatin1String("SG param") || s == QLatin1String("SG");
}

} // namespace zr::params
