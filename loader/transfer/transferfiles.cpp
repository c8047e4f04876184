#include "transferfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

namespace zr {

QByteArray FormatParameterLine(int value) {
    QByteArray line = value < 0 ? QByteArray("-") : QByteArray(" ");
    line += QByteArray::number(value < 0 ? -static_cast<qint64>(value) : value);
    line += " \r\n";
    return line;
}

namespace {
bool report(FileProblem *problem, FileProblem::Kind kind, const QString &path, qint64 where,
            const QString &detail = {}) {
    if (problem)
        *problem = FileProblem{kind, path, where, detail};
    return false;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
} // namespace

std::optional<std::vector<int>> ReadParameterValues(const QString &path, FileProblem *problem) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        report(problem, FileProblem::CannotOpen, path, 0, f.errorString());
        return std::nullopt;
    }
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    std::vector<int> values;
    values.reserve(kParameterWords);
    while (values.size() < kParameterWords && !f.atEnd()) {
        const QString line = QString::fromLatin1(f.readLine()).trimmed();
        if (line.isEmpty())
            continue;
        for (const QString &item : line.split(QLatin1Char(','))) {
            if (values.size() == kParameterWords)
                break;
            const QString text = item.trimmed();
            if (!number.match(text).hasMatch()) {
                report(problem, FileProblem::NotANumber, path, static_cast<qint64>(values.size()),
                       text);
                return std::nullopt;
            }
            bool ok = false;
            const qlonglong v = text.toLongLong(&ok);
            if (!ok || v < -32768 || v > 65535) {
                report(problem, FileProblem::OutOfRange, path, static_cast<qint64>(values.size()),
                       text);
                return std::nullopt;
            }
            values.push_back(static_cast<int>(v));
        }
    }
    if (values.size() < kParameterWords) {
        report(problem, FileProblem::TooFewValues, path, static_cast<qint64>(values.size()));
        return std::nullopt;
    }
    return values;
}

QString WriteFailureReason(const QString &path, const QString &systemReason, int language) {
    const auto pick = [language](const char *it, const char *en, const char *fr) {
        return QString::fromUtf8(language == 0 ? it : language == 2 ? fr : en);
    };
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return pick("la cartella %1 non esiste", "the folder %1 does not exist",
                    "le dossier %1 n'existe pas")
            .arg(folder.absoluteFilePath());
    if (!folder.isWritable())
        return pick("non si può scrivere nella cartella %1", "you may not write in the folder %1",
                    "vous ne pouvez pas écrire dans le dossier %1")
            .arg(folder.absoluteFilePath());
    if (file.exists() && !file.isWritable())
        return pick("il file è protetto in scrittura", "the file is write-protected",
                    "le fichier est protégé en écriture");
    const QStorageInfo disk(folder.absoluteFilePath());
    if (disk.isValid() && disk.bytesAvailable() < 64 * 1024)
        return pick("il disco è pieno", "the disk is full", "le disque est plein");
    return systemReason;
}

bool HexPairReader::getChar(char &c) {
    return in_.getChar(&c);
}

bool HexPairReader::next(char &first, char &second) {
    char c = 0;
    do {
        if (!getChar(c))
            return false;
    } while (!IsPairStart(c));
    first = c;
    if (!getChar(second))
        return false;
    ++pairs_;
    return true;
}

bool IsPairStart(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

int ProgramWord(char h1, char h2, char l1, char l2) {
    const char digits[4] = {h1, h2, l1, l2};
    int value = 0;
    int count = 0;
    for (const char c : digits) {
        if (!isHexDigit(c))
            break;
        value = value * 16 + QByteArray(1, c).toInt(nullptr, 16);
        ++count;
    }
    return count == 4 ? static_cast<qint16>(value) : value;
}

bool CheckProgramFile(const QString &path, FileProblem *problem) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return report(problem, FileProblem::CannotOpen, path, 0, f.errorString());
    // The pair reader's own rules, with every character looked at.
    qint64 pairs = 0;
    char c = 0;
    while (pairs < kProgramSkipPairs + kProgramPairs) {
        if (!f.getChar(&c))
            return report(problem, FileProblem::TooShort, path, pairs);
        if (c >= 'a' && c <= 'f')
            return report(problem, FileProblem::LowerCase, path, pairs, QString(QLatin1Char(c)));
        if (!IsPairStart(c))
            continue;
        char second = 0;
        if (!f.getChar(&second))
            return report(problem, FileProblem::TooShort, path, pairs);
        if (second >= 'a' && second <= 'f')
            return report(problem, FileProblem::LowerCase, path, pairs,
                          QString::fromLatin1(QByteArray().append(c).append(second)));
        ++pairs;
        if (pairs > kProgramSkipPairs && !isHexDigit(second))
            return report(problem, FileProblem::BadPair, path, pairs - 1,
                          QString::fromLatin1(QByteArray().append(c).append(second)));
    }
    return true;
}

} // namespace zr
