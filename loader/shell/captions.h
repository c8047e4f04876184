#pragma once

// The three-language caption table the windows copy their texts from.

#include <QString>

#include <array>

namespace zr::shell {

// Four slots indexed by language; slots 0 (Italian), 1 (English) and 2 (French) are used.
using CaptionEntry = std::array<QString, 4>;

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

// The text of entry for language lang. A language outside the table's slots gives an empty
// text instead of reading past the entry.
QString CaptionText(const CaptionEntry &entry, int lang);

} // namespace zr::shell
