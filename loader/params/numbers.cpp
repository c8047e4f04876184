#include "numbers.h"

#include <cmath>

namespace zr::params {

namespace {
QLocale plainLocale(const QLocale &locale) {
    QLocale l(locale);
    l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return l;
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}
} // namespace

double LeadingNumber(const QString &text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c))
            s += c;

    QString number;
    int i = 0;
    const int n = int(s.size());
    auto digit = [&](int k) {
        return k < n && s[k] >= QLatin1Char('0') && s[k] <= QLatin1Char('9');
    };
    // Appends the run of digits at k to out; true when there was one.
    auto takeDigits = [&](int &k, QString &out) {
        const int start = k;
        while (digit(k))
            out += s[k++];
        return k > start;
    };
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        number += s[i++];
    bool anyDigit = takeDigits(i, number);
    if (i < n && s[i] == QLatin1Char('.')) {
        number += s[i++];
        if (takeDigits(i, number))
            anyDigit = true;
    }
    if (!anyDigit)
        return 0.0;
    if (i < n && (s[i].toUpper() == QLatin1Char('E') || s[i].toUpper() == QLatin1Char('D'))) {
        int k = i + 1;
        QString exponent = QStringLiteral("e");
        if (k < n && (s[k] == QLatin1Char('+') || s[k] == QLatin1Char('-')))
            exponent += s[k++];
        if (takeDigits(k, exponent))
            number += exponent;
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(number, &ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

std::optional<double> LocaleNumber(const QString &text, const QLocale &locale) {
    bool ok = false;
    const double v = plainLocale(locale).toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString NumberText(double value, const QLocale &locale) {
    if (value == 0.0)
        value = 0.0; // no "-0"
    return plainLocale(locale).toString(value, 'g', 15);
}

QString ListPrintText(double value, const QLocale &locale) {
    const QString text = NumberText(value, locale);
    return (text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text) + QLatin1Char(' ');
}

double RoundHalfEven(double value) {
    return std::nearbyint(value); // the default rounding mode rounds ties to even
}

std::optional<int> DecimalsFor(double multiplier) {
    if (!(multiplier > 0.0) || !std::isfinite(multiplier))
        return std::nullopt;
    const double d = std::log(multiplier) / std::log(10.0);
    if (d >= 0.0)
        return 0;
    return int(RoundHalfEven(-d));
}

QString FixedText(double value, int decimals, const QLocale &locale) {
    QString text = plainLocale(locale).toString(value, 'f', decimals);
    // A value that rounds to zero is shown without a sign.
    if (text.startsWith(QLatin1Char('-')) && LocaleNumber(text, locale).value_or(1.0) == 0.0)
        text.remove(0, 1);
    return text;
}

double FloorSteps(double x) {
    const double nearest = std::round(x);
    if (std::fabs(x - nearest) <= 1e-9 * std::max(1.0, std::fabs(x)))
        return nearest;
    return std::floor(x);
}

} // namespace zr::params
