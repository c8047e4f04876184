#include "transferfiles.h"

#include <QFile>
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
    HexPairReader reader(f);
    char a = 0;
    char b = 0;
    while (reader.pairsRead() < kProgramSkipPairs + kProgramPairs) {
        if (!reader.next(a, b))
            return report(problem, FileProblem::TooShort, path, reader.pairsRead());
        if (reader.pairsRead() > kProgramSkipPairs && !isHexDigit(b))
            return report(problem, FileProblem::BadPair, path, reader.pairsRead() - 1,
                          QString::fromLatin1(QByteArray().append(a).append(b)));
    }
    return true;
}

} // namespace zr
