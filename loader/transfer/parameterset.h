#pragma once

// The parameter set the drive keeps (ROM 0x3800-0x3BFF) read into memory: what the upload writes
// into a file, what a backup keeps, what a verify and a comparison hold against a file.

#include "transfersequences.h"

#include <QList>

#include <optional>
#include <vector>

namespace zr {

// Reads the 1024 words of ROM 0x3800-0x3BFF, each with the guarded transfer (five tries a word),
// the bar moving on from `done`. Empty when a word got no answer in five tries; failedAddress
// (when given) then names it. Nothing else is shown: the caller decides what a failure means.
std::optional<std::vector<int>> ReadParameterSet(const TransferLink &link, TransferView &view,
                                                 int done = 0, int *failedAddress = nullptr);

// The lines (from 0) where two sets of words differ, compared as 16-bit words (65535 and -1 are
// the same word).
QList<int> DifferingLines(const std::vector<int> &a, const std::vector<int> &b);

// What a read-back after a download found.
struct VerifyResult {
    enum Kind { Equal, Differ, NoAnswer };
    Kind kind = NoAnswer;
    int failedAddress = -1;      // NoAnswer: the word that did not answer in five tries
    QList<int> differing;        // Differ: every line where the drive and the file differ
    std::vector<int> driveWords; // what was read (all 1024 unless NoAnswer)
};

// Reads the drive's set back and holds it against the file's values. A drive may need a moment to
// store a new set: a word that does not answer is tried again within the five tries of the
// guarded transfer before anything counts as a failure.
VerifyResult VerifyParameterSet(const TransferLink &link, const std::vector<int> &fileWords,
                                TransferView &view);

} // namespace zr
