#include "paramcompare.h"

#include "ansitext.h"
#include "conversions.h"
#include "descriptions.h"
#include "numbers.h"
#include "paramtexts.h"

#include <QDir>

#include <algorithm>

namespace zr::params {

QString DataDescriptionFor(const QString &dataDir, const QString &code, int language) {
    return QDir(dataDir).filePath(QStringLiteral("dataRel") + code + LanguageSuffix(language));
}

QString StatusDescriptionFor(const QString &dataDir, const QString &code, int language) {
    return QDir(dataDir).filePath(QStringLiteral("statusRel") + code + LanguageSuffix(language));
}

std::optional<ParamProblem> ReadParameterDescription(const QString &dataPath,
                                                     const QString &statusPath,
                                                     ParameterDescription &description) {
    description = {};
    QStringList data, status;
    QString error;
    if (!ReadAnsiLines(dataPath, data, error))
        return ParamProblem{ParamProblem::DescriptionUnreadable, dataPath, 0, error};
    if (data.isEmpty())
        return ParamProblem{ParamProblem::DescriptionEmpty, dataPath, 0, {}};
    if (data.size() - 1 > kBlockLines)
        return ParamProblem{ParamProblem::DescriptionTooLong, dataPath, int(data.size() - 1), {}};
    if (!ReadAnsiLines(statusPath, status, error))
        return ParamProblem{ParamProblem::DescriptionUnreadable, statusPath, 0, error};
    if (status.size() < kStatusBits + 1)
        return ParamProblem{ParamProblem::StatusTooShort, statusPath, int(status.size()), {}};
    for (qsizetype i = 1; i < data.size(); ++i) {
        const bool shown = data[i].startsWith(QLatin1Char('*'));
        description.lines.append({shown, data[i].mid(1).split(QLatin1Char('\t'))});
    }
    for (int r = 1; r <= kStatusBits; ++r)
        description.bits.append(status[r].split(QLatin1Char('\t')));
    return std::nullopt;
}

QString ShownValue(const ParameterDescription::Line &line, int word, const QLocale &locale) {
    const double m = LeadingNumber(line.cell(kMultiplier));
    const auto decimals = DecimalsFor(m);
    if (!decimals)
        return QString::number(word);
    return FixedText(word * m, *decimals, locale);
}

QList<CompareRow> CompareParameterSets(const std::vector<int> &left, const std::vector<int> &right,
                                       const ParameterDescription &description,
                                       const QLocale &locale) {
    QList<CompareRow> rows;
    const size_t n = std::min(left.size(), right.size());
    for (size_t i = 0; i < n; ++i) {
        const auto a = static_cast<quint16>(left[i]);
        const auto b = static_cast<quint16>(right[i]);
        if (a == b)
            continue;
        CompareRow row;
        row.line = static_cast<int>(i);
        row.left = left[i];
        row.right = right[i];
        const auto k = static_cast<qsizetype>(i);
        row.hidden = k >= description.lines.size() || !description.lines[k].shown;
        if (row.hidden) {
            row.leftShown = QString::number(row.left);
            row.rightShown = QString::number(row.right);
            rows << row;
            continue;
        }
        const ParameterDescription::Line &line = description.lines[k];
        row.name = line.cell(kName).trimmed();
        row.unit = line.cell(kUnit).trimmed();
        row.leftShown = ShownValue(line, row.left, locale);
        row.rightShown = ShownValue(line, row.right, locale);
        if (IsStatusName(row.name)) {
            for (int bit = 0; bit < kStatusBits && bit < description.bits.size(); ++bit) {
                if (((a ^ b) >> bit & 1) == 0)
                    continue;
                const QStringList &cells = description.bits[bit];
                auto text = [&](quint16 w) {
                    return cells.value((w >> bit & 1) ? kBitSetText : kBitClearText).trimmed();
                };
                row.bits << CompareRow::Bit{bit, cells.value(kBitName).trimmed(), text(a), text(b)};
            }
        }
        rows << row;
    }
    return rows;
}

QString CompareTable(const QList<CompareRow> &rows, const QString &leftTitle,
                     const QString &rightTitle, int language) {
    if (rows.isEmpty())
        return CompareText(CompareWords::Equal, language) + QLatin1Char('\n');
    // Columns: line, parameter, unit, left, right; bit lines are indented under their word.
    QList<QStringList> table;
    table << QStringList{CompareText(CompareWords::Line, language),
                         CompareText(CompareWords::Parameter, language),
                         CompareText(CompareWords::Unit, language), leftTitle, rightTitle};
    for (const CompareRow &r : rows) {
        const QString name = r.hidden ? CompareText(CompareWords::Hidden, language) : r.name;
        table << QStringList{QString::number(r.line + 1), name, r.unit, r.leftShown, r.rightShown};
        for (const CompareRow::Bit &b : r.bits)
            table << QStringList{QString(), QStringLiteral("  bit %1 %2").arg(b.bit).arg(b.name),
                                 QString(), b.leftText, b.rightText};
    }
    QList<qsizetype> widths(5, 0);
    for (const QStringList &cells : std::as_const(table))
        for (int c = 0; c < 5; ++c)
            widths[c] = std::max(widths[c], cells[c].size());
    QString out;
    for (const QStringList &cells : std::as_const(table)) {
        QString line = cells[0].rightJustified(widths[0]);
        for (int c = 1; c < 5; ++c)
            line += QStringLiteral("  ") + cells[c].leftJustified(widths[c]);
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out += line + QLatin1Char('\n');
    }
    return out;
}

} // namespace zr::params
