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

std::optional<QByteArray> ReadTransferFile(const QString &path, FileProblem *problem) {
    const QFileInfo info(path);
    if (!info.exists()) {
        report(problem, FileProblem::CannotOpen, path, 0, QStringLiteral("No such file"));
        return std::nullopt;
    }
    // Looked at before opening: opening a pipe without a writer would block.
    if (!info.isFile()) {
        report(problem, FileProblem::NotAFile, path, 0);
        return std::nullopt;
    }
    if (info.size() > kMaxTransferFileBytes) {
        report(problem, FileProblem::TooLarge, path, info.size());
        return std::nullopt;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        report(problem, FileProblem::CannotOpen, path, 0, f.errorString());
        return std::nullopt;
    }
    // The file may have grown since it was looked at: never read more than the limit.
    QByteArray content = f.read(kMaxTransferFileBytes + 1);
    if (content.size() > kMaxTransferFileBytes) {
        report(problem, FileProblem::TooLarge, path, content.size());
        return std::nullopt;
    }
    if (f.error() != QFileDevice::NoError) {
        report(problem, FileProblem::CannotOpen, path, 0, f.errorString());
        return std::nullopt;
    }
    return content;
}

std::optional<std::vector<int>> ReadParameterValues(const QString &path, FileProblem *problem) {
    const auto content = ReadTransferFile(path, problem);
    if (!content)
        return std::nullopt;
    return ParameterValuesOf(*content, path, problem);
}

std::optional<std::vector<int>> ParameterValuesOf(const QByteArray &content, const QString &path,
                                                  FileProblem *problem) {
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    std::vector<int> values;
    values.reserve(kParameterWords);
    qsizetype at = 0;
    while (values.size() < kParameterWords && at < content.size()) {
        qsizetype end = content.indexOf('\n', at);
        if (end < 0)
            end = content.size();
        const QString line = QString::fromLatin1(content.mid(at, end - at)).trimmed();
        at = end + 1;
        if (line.isEmpty())
            continue;
        for (const QString &item : line.split(QLatin1Char(','))) {
            if (values.size() == kParameterWords)
                break;
            const QString text = item.trimmed();
            if (!number.match(text).hasMatch()) {
                report(problem, FileProblem::NotANumber, path, static_cast<qint64>(values.size()),
                       text.left(40));
                return std::nullopt;
            }
            bool ok = false;
            const qlonglong v = text.toLongLong(&ok);
            if (!ok || v < -32768 || v > 65535) {
                report(problem, FileProblem::OutOfRange, path, static_cast<qint64>(values.size()),
                       text.left(40));
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

std::optional<std::vector<int>> ReadProgramWords(const QString &path, FileProblem *problem) {
    const auto content = ReadTransferFile(path, problem);
    if (!content)
        return std::nullopt;
    return ProgramWordsOf(*content, path, problem);
}

std::optional<std::vector<int>> ProgramWordsOf(const QByteArray &content, const QString &path,
                                               FileProblem *problem) {
    // The pair reader's own rules, with every character looked at.
    std::vector<int> words;
    words.reserve(kProgramWords);
    qint64 pairs = 0;
    char high[2] = {};
    qsizetype at = 0;
    const auto fail = [&](FileProblem::Kind kind, const QString &detail = {}) {
        report(problem, kind, path, pairs, detail);
        return std::nullopt;
    };
    while (pairs < kProgramSkipPairs + kProgramPairs) {
        if (at >= content.size())
            return fail(FileProblem::TooShort);
        const char c = content.at(at++);
        if (c >= 'a' && c <= 'f')
            return fail(FileProblem::LowerCase, QString(QLatin1Char(c)));
        if (!IsPairStart(c))
            continue;
        if (at >= content.size())
            return fail(FileProblem::TooShort);
        const char second = content.at(at++);
        const QString pair = QString::fromLatin1(QByteArray().append(c).append(second));
        if (second >= 'a' && second <= 'f')
            return fail(FileProblem::LowerCase, pair);
        if (pairs >= kProgramSkipPairs) {
            if (!isHexDigit(second))
                return fail(FileProblem::BadPair, pair);
            const qint64 sent = pairs - kProgramSkipPairs;
            if (sent % 2 == 0) {
                high[0] = c;
                high[1] = second;
            } else {
                words.push_back(ProgramWord(high[0], high[1], c, second));
            }
        }
        ++pairs;
    }
    return words;
}

} // namespace zr
