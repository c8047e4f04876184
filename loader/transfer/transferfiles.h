#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace zr {

constexpr int kParameterWords = 1024;
constexpr int kProgramSkipPairs = 8192;
constexpr int kProgramPairs = 20480;
constexpr int kProgramWords = kProgramPairs / 2;

// Why a transfer file was refused before anything went to the drive.
struct FileProblem {
    enum Kind {
        CannotOpen,
        CannotCreate, // the file to write could not be written (detail: why)
        TooFewValues,
        NotANumber,
        OutOfRange,
        TooShort,
        BadPair,
        LowerCase, // a lower-case hexadecimal letter would shift the pairs sent
        NotAFile,  // a device, a pipe or a folder
        TooLarge,  // larger than any real transfer file
    };
    Kind kind = CannotOpen;
    QString path;
    qint64 where = 0; // value, line or pair number the problem was found at
    QString detail;   // the system's reason, or the offending text
};

// A parameter file line as the upload writes it: the sign or a blank, the digits, one blank, CR LF
// (" 1700 \r\n", "-1 \r\n").
QByteArray FormatParameterLine(int value);

// Real parameter files hold about 8 KB, real programs about 60 KB.
constexpr qint64 kMaxTransferFileBytes = 1024 * 1024;

// The whole content of a file that is to go to the drive, read once: what is checked is what is
// sent, even if the file changes meanwhile. Only a regular file of at most 1 MB is opened (a
// device or a pipe could block or never end).
std::optional<QByteArray> ReadTransferFile(const QString &path, FileProblem *problem);

// The first 1024 values of a parameter file, read as a list separated by line ends or commas with
// blanks around values allowed; blank lines are skipped and anything after the 1024th value is
// ignored. Every value must be a whole number that fits 16 bits (-32768 to 65535).
std::optional<std::vector<int>> ReadParameterValues(const QString &path, FileProblem *problem);
std::optional<std::vector<int>> ParameterValuesOf(const QByteArray &content, const QString &path,
                                                  FileProblem *problem);

// A pair starts at an upper-case hexadecimal digit; anything else is skipped there. The pair's
// second character is taken as it comes.
bool IsPairStart(char c);
// The word sent for two pairs: "&H" + four characters evaluated as hexadecimal, 16-bit signed
// ("FFFF" gives -1). Evaluation stops at the first character that is no hexadecimal digit.
int ProgramWord(char h1, char h2, char l1, char l2);

// The 10240 words a program file sends, read once. The file must hold 8192 + 20480 pairs, every
// pair that will be sent must be two hexadecimal digits, and up to the last pair sent no lower-case
// hexadecimal letter may stand anywhere (a pair never starts at one, so it would shift every pair
// after it).
std::optional<std::vector<int>> ReadProgramWords(const QString &path, FileProblem *problem);
std::optional<std::vector<int>> ProgramWordsOf(const QByteArray &content, const QString &path,
                                               FileProblem *problem);

} // namespace zr
