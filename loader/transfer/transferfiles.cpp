#include "transferfiles.h"

#include "savefile.h"

#include <QRegularExpression>

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
    LimitedRead r = ReadFileLimited(path, kMaxTransferFileBytes);
    switch (r.outcome) {
    case LimitedRead::Read:
        return std::move(r.bytes);
    case LimitedRead::Missing:
        report(problem, FileProblem::CannotOpen, path, 0, QStringLiteral("No such file"));
        break;
    case LimitedRead::NotAFile:
        report(problem, FileProblem::NotAFile, path, 0);
        break;
    case LimitedRead::TooLarge:
        report(problem, FileProblem::TooLarge, path, r.size);
        break;
    case LimitedRead::Unreadable:
        report(problem, FileProblem::CannotOpen, path, 0, r.error);
        break;
    }
    return std::nullopt;
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
