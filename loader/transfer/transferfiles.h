#pragma once

#include <QByteArray>
#include <QIODevice>
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
    };
    Kind kind = CannotOpen;
    QString path;
    qint64 where = 0; // value, line or pair number the problem was found at
    QString detail;   // the system's reason, or the offending text
};

// Why a file could not be written, in the user's language (0 Italian, 1 English, 2 French): the
// folder is missing or may not be written, the file is write-protected, the disk is full, else
// the system's own reason.
QString WriteFailureReason(const QString &path, const QString &systemReason, int language);

// A parameter file line as the upload writes it: the sign or a blank, the digits, one blank, CR LF
// (" 1700 \r\n", "-1 \r\n").
QByteArray FormatParameterLine(int value);

// The first 1024 values of a parameter file, read as a list separated by line ends or commas with
// blanks around values allowed; blank lines are skipped and anything after the 1024th value is
// ignored. Every value must be a whole number that fits 16 bits (-32768 to 65535).
std::optional<std::vector<int>> ReadParameterValues(const QString &path, FileProblem *problem);

// Reads a program file as a stream of byte pairs: a pair starts at an upper-case hexadecimal digit
// (anything else is skipped there), its second character is taken as it comes.
class HexPairReader {
public:
    explicit HexPairReader(QIODevice &in) : in_(in) {}
    // The next pair's two characters; false at the end of the file.
    bool next(char &first, char &second);
    qint64 pairsRead() const { return pairs_; }

private:
    bool getChar(char &c);

    QIODevice &in_;
    qint64 pairs_ = 0;
};

bool IsPairStart(char c);
// The word sent for two pairs: "&H" + four characters evaluated as hexadecimal, 16-bit signed
// ("FFFF" gives -1). Evaluation stops at the first character that is no hexadecimal digit.
int ProgramWord(char h1, char h2, char l1, char l2);

// Reads the whole program file once, without keeping it: it must hold 8192 + 20480 pairs, every
// pair that will be sent must be two hexadecimal digits, and up to the last pair sent no lower-case
// hexadecimal letter may stand anywhere (a pair never starts at one, so it would shift every pair
// after it).
bool CheckProgramFile(const QString &path, FileProblem *problem);

} // namespace zr
