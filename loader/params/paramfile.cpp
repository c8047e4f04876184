#include "paramfile.h"

#include "ansitext.h"
#include "conversions.h"
#include "descriptions.h"
#include "numbers.h"

namespace zr::params {

namespace {
// A file refused for what it is rather than for what it holds.
std::optional<ParamProblem> refusedFile(LimitedRead::Outcome why, const QString &path) {
    if (why == LimitedRead::NotAFile)
        return ParamProblem{ParamProblem::NotAFile, path, 0, {}};
    if (why == LimitedRead::TooLarge)
        return ParamProblem{ParamProblem::TooLarge, path, 0, {}};
    return std::nullopt;
}

bool isMarked(const QString &descriptionLine) {
    return descriptionLine.startsWith(QLatin1Char('*'));
}

// The description's lines after the header, checked for the limits of block 0.
std::optional<ParamProblem> readDescription(const QString &path, QString &header,
                                            QStringList &lines) {
    QString error;
    LimitedRead::Outcome why = LimitedRead::Read;
    if (!ReadAnsiLines(path, lines, error, &why))
        return refusedFile(why, path).value_or(
            ParamProblem{ParamProblem::DescriptionUnreadable, path, 0, error});
    if (lines.isEmpty())
        return ParamProblem{ParamProblem::DescriptionEmpty, path, 0, {}};
    header = lines.takeFirst();
    if (lines.size() > kBlockLines)
        return ParamProblem{ParamProblem::DescriptionTooLong, path, int(lines.size()), {}};
    return std::nullopt;
}

std::optional<ParamProblem> readSource(const QString &path, int needed, QStringList &lines) {
    QString error;
    LimitedRead::Outcome why = LimitedRead::Read;
    if (!ReadAnsiLines(path, lines, error, &why))
        return refusedFile(why, path).value_or(
            ParamProblem{ParamProblem::SourceUnreadable, path, 0, error});
    if (lines.size() < needed)
        return ParamProblem{ParamProblem::SourceTooShort, path, int(lines.size()),
                            QString::number(needed)};
    return std::nullopt;
}
} // namespace

std::optional<ParamProblem> openfilezr5(ParamFileContext &ctx) {
    TextGrid &g1 = ctx.MSFlexGrid1;
    TextGrid &g2 = ctx.MSFlexGrid2;
    g1.Clear();
    g2.Clear();
    ctx.ParameterRowCount = 0;

    QString header;
    QStringList description, values, status;
    if (auto p = readDescription(ctx.DataDescriptionPath, header, description))
        return p;
    if (auto p = readSource(ctx.source, int(description.size()), values))
        return p;
    QString error;
    if (!ReadAnsiLines(ctx.StatusDescriptionPath, status, error))
        return ParamProblem{ParamProblem::DescriptionUnreadable, ctx.StatusDescriptionPath, 0,
                            error};
    if (status.size() < kStatusBits + 1)
        return ParamProblem{
            ParamProblem::StatusTooShort, ctx.StatusDescriptionPath, int(status.size()), {}};

    g1.AddItem(header.mid(1));
    for (int i = 0; i < description.size(); ++i) {
        if (!isMarked(description[i]))
            continue;
        g1.AddItem(description[i].mid(1));
        const int row = g1.Rows() - 1;
        g1.SetTextMatrix(row, kRaw, values[i].trimmed());
        molconv(g1, row, ctx.locale);
        ++ctx.ParameterRowCount;
    }
    g1.SetColWidth(kName, 1500);
    g1.SetColWidth(kShown, 800);
    g1.SetWidth(3000);

    for (const QString &line : std::as_const(status))
        g2.AddItem(line);
    g2.SetColWidth(kBitName, 1300);
    g2.SetColWidth(kBitShown, 800);
    g2.SetWidth(2100);
    return std::nullopt;
}

std::optional<ParamProblem> SavedLines(ParamFileContext &ctx, QStringList &lines) {
    lines.clear();
    QString header;
    QStringList description, keep;
    if (auto p = readDescription(ctx.DataDescriptionPath, header, description))
        return p;
    const int n = int(description.size());
    if (auto p = readSource(ctx.source, n, keep))
        return p;
    const int marked = int(std::count_if(description.cbegin(), description.cend(), isMarked));
    if (marked > ctx.MSFlexGrid1.Rows() - 1)
        return ParamProblem{ParamProblem::DescriptionChanged, ctx.DataDescriptionPath, marked, {}};

    // Block 0 as text, then its values as numbers for blocks 1 and 2.
    QStringList block0;
    QList<std::optional<double>> numbers;
    int row = 0;
    for (int i = 0; i < kBlockLines; ++i) {
        if (i >= n) {
            block0 << QStringLiteral("-1");
            numbers << std::nullopt;
            continue;
        }
        const QString t =
            isMarked(description[i]) ? ctx.MSFlexGrid1.TextMatrix(++row, kRaw).trimmed() : keep[i];
        const auto value = LocaleNumber(t, ctx.locale);
        if (!value)
            return ParamProblem{ParamProblem::NotANumber, ctx.source, i, t};
        block0 << t;
        numbers << value;
    }
    ctx.ParameterRowCount = qint16(row);

    lines = block0;
    for (int b = 1; b <= 2; ++b)
        for (int i = 0; i < kBlockLines; ++i)
            lines << (numbers[i] ? ListPrintText(*numbers[i] + b, ctx.locale)
                                 : QStringLiteral("-1"));
    for (int i = 3 * kBlockLines; i < kFileLines; ++i)
        lines << QStringLiteral("-1");
    return std::nullopt;
}

std::optional<ParamProblem> salvafile(ParamFileContext &ctx) {
    QStringList lines;
    if (auto p = SavedLines(ctx, lines))
        return p;
    QString error;
    if (!WriteAnsiLines(ctx.destination, lines, error))
        return ParamProblem{ParamProblem::CannotWrite, ctx.destination, 0, error};
    return std::nullopt;
}

std::optional<ParamProblem> NewFileLines(const QString &newDescriptionPath, QStringList &lines,
                                         const QLocale &locale) {
    lines.clear();
    QString header;
    QStringList description;
    if (auto p = readDescription(newDescriptionPath, header, description))
        return p;
    QStringList block0;
    QList<std::optional<double>> numbers;
    for (int i = 0; i < kBlockLines; ++i) {
        if (i >= description.size()) {
            block0 << QStringLiteral("-1");
            numbers << std::nullopt;
            continue;
        }
        const QString t = description[i].mid(1).section(QLatin1Char('\t'), kRaw, kRaw).trimmed();
        const auto value = LocaleNumber(t, locale);
        if (!value)
            return ParamProblem{ParamProblem::NotANumber, newDescriptionPath, i, t};
        block0 << t;
        numbers << value;
    }
    lines = block0;
    for (int b = 1; b <= 2; ++b)
        for (int i = 0; i < kBlockLines; ++i)
            lines << (numbers[i] ? ListPrintText(*numbers[i] + b, locale) : QStringLiteral("-1"));
    for (int i = 3 * kBlockLines; i < kFileLines; ++i)
        lines << QStringLiteral("-1");
    return std::nullopt;
}

} // namespace zr::params
