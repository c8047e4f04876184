#pragma once

// Names of the description files that belong to a parameter file, and what the editor reads from
// their rows.

#include <QString>

namespace zr::params {

// The release code of a parameter file: the two characters before the last one of its full path
// ("pump.13d" gives "13"), used unchanged. A path of fewer than three characters gives what there
// is of them.
QString ReleaseCode(const QString &path);

// The release number shown by the editor: first code character, a point, second ("1.3").
QString ReleaseNumber(const QString &code);

// The language suffix of the description files: 0 "ita.txt", 1 "eng.txt", 2 "fra.txt"; empty for
// any other language.
QString LanguageSuffix(int language);

// Sets the three description paths for the release code of dialogPath and language when
// filterIndex is 1 and language is 0, 1 or 2; otherwise leaves all three unchanged.
void SetDescriptionFiles(int filterIndex, const QString &dialogPath, int language,
                         const QString &programDir, QString &DataDescriptionPath,
                         QString &StatusDescriptionPath, QString &NewDescriptionPath);

// "STATUS" in any case, blanks ignored: the row of the drive's status word.
bool IsStatusName(const QString &name);
// "SG param" or "SG" exactly, after trimming: rows rounded to their step grid.
bool IsStepGridName(const QString &name);

// Columns of the parameter grid and of the status grid.
enum ParamColumn : int {
    kName = 0,
    kShown = 1,
    kUnit = 2,
    kRaw = 3,
    kMin = 4,
    kMax = 5,
    kStep = 6,
    kMultiplier = 7,
    kParamColumns = 8
};
enum StatusColumn : int {
    kBitName = 0,
    kBitShown = 1,
    kBitClearText = 2,
    kBitSetText = 3,
    kBitValue = 4,
    kStatusColumns = 5
};

// Block 0 of a parameter file: at most this many description lines after the header.
constexpr int kBlockLines = 256;
constexpr int kFileLines = 1024;
constexpr int kStatusBits = 16;

} // namespace zr::params
