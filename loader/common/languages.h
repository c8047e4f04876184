#pragma once

// The three languages of every user-visible text, and the one rule for picking a text by
// language: 0 Italian, 1 English, 2 French; any other value reads as English.
//
// A message that is shown only for a known language (the communication error box, the save
// question, the panel's refusals) asks IsLanguage before it shows anything.

#include <QString>
#include <QtGlobal>

namespace zr {

enum Language : qint16 { kItalian = 0, kEnglish = 1, kFrench = 2 };

constexpr bool IsLanguage(int lang) noexcept {
    return lang >= kItalian && lang <= kFrench;
}

// The index a text is taken from: the language itself, English for any other value.
constexpr int TextIndex(int lang) noexcept {
    return IsLanguage(lang) ? lang : kEnglish;
}

// One text in the three languages.
struct Texts3 {
    QString ita;
    QString eng;
    QString fra;

    const QString &operator[](int lang) const {
        switch (TextIndex(lang)) {
        case kItalian:
            return ita;
        case kFrench:
            return fra;
        default:
            return eng;
        }
    }
};

// The text for lang among three UTF-8 literals.
inline QString Pick(int lang, const char *ita, const char *eng, const char *fra) {
    switch (TextIndex(lang)) {
    case kItalian:
        return QString::fromUtf8(ita);
    case kFrench:
        return QString::fromUtf8(fra);
    default:
        return QString::fromUtf8(eng);
    }
}

} // namespace zr
