#pragma once

// The three-language caption table the windows copy their texts from.

#include "languages.h"

#include <QString>

namespace zr::shell {

// One caption in Italian, English and French.
using CaptionEntry = Texts3;

struct CaptionTable {
    CaptionEntry capOption;
    CaptionEntry capLanguage;
    CaptionEntry capProgram;
    CaptionEntry capParameter;
    CaptionEntry capItalian;
    CaptionEntry capEnglish;
    CaptionEntry capFrench;
    CaptionEntry capDriveStatus;
    CaptionEntry capOpenFile;
    CaptionEntry capSaveFile;
    CaptionEntry capOperation;
    CaptionEntry capCommState;
    CaptionEntry capDriveNumber;
    CaptionEntry capParameters;
    CaptionEntry capFile;
    CaptionEntry capPhasing;
    CaptionEntry capCurrentOffset;
    CaptionEntry capVariables;
};

// (Re)writes every entry of the table; calling it again is harmless.
void FillCaptionTable(CaptionTable &table);

// The text of entry for language lang (English for a language outside 0..2).
inline QString CaptionText(const CaptionEntry &entry, int lang) {
    return entry[lang];
}

} // namespace zr::shell
