#pragma once

// The number readings and writings of the parameter editor.

#include <QLocale>
#include <QString>

#include <optional>

namespace zr::params {

// Leading-number value of a text: blanks anywhere ignored, an optional sign, digits, "." as the
// decimal point whatever the locale, an optional exponent ("E" or "D"); reading stops at the first
// character that does not fit, and a text without a leading number reads as 0.
double LeadingNumber(const QString &text);

// The locale's reading of a typed or stored number: its own decimal separator, blanks around the
// number allowed, no group separators. Empty when the text is not a number.
std::optional<double> LocaleNumber(const QString &text, const QLocale &locale = QLocale());

// The locale's shortest text of a number: up to 15 significant digits, no leading blank, no group
// separators ("123,4" on a comma locale, "125", "-0,5").
QString NumberText(double value, const QLocale &locale = QLocale());

// The list-print form written into blocks 1 and 2 of a parameter file: a blank in place of the sign
// for values >= 0, the shortest text, one trailing blank (" 13 ", "-2 ").
QString ListPrintText(double value, const QLocale &locale = QLocale());

// Rounds to the nearest whole number, ties to the even one.
double RoundHalfEven(double value);

// Number of decimals shown for a multiplier: the decimal exponent of m, rounded half to even,
// when it is negative; 0 otherwise. Empty when the multiplier has no logarithm (m <= 0).
std::optional<int> DecimalsFor(double multiplier);

// value with exactly decimals decimals, the locale's separator, no group separators.
QString FixedText(double value, int decimals, const QLocale &locale = QLocale());

// floor(x) that treats x within a few units of the last place below a whole number as that whole
// number, so that 0.3 / 0.1 counts as 3 steps and not 2.
double FloorSteps(double x);

} // namespace zr::params
