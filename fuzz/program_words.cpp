// The program (.hex) check on arbitrary bytes: either the 10240 words that go to the drive, which
// a clean file of the same pairs gives back unchanged, or a reason.

#include "fuzzcheck.h"

#include "transferfiles.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray content = fuzz::bytesOf(data, size);
    zr::FileProblem problem;
    const auto words = zr::ProgramWordsOf(content, QStringLiteral("f.hex"), &problem);
    if (!words) {
        FUZZ_CHECK(problem.kind == zr::FileProblem::TooShort ||
                   problem.kind == zr::FileProblem::BadPair ||
                   problem.kind == zr::FileProblem::LowerCase);
        FUZZ_CHECK(problem.where >= 0 && problem.where < zr::kProgramSkipPairs + zr::kProgramPairs);
        return 0;
    }
    FUZZ_CHECK(words->size() == std::size_t(zr::kProgramWords));
    QByteArray clean(2 * zr::kProgramSkipPairs, '0');
    for (const int w : *words) {
        FUZZ_CHECK(w >= -32768 && w <= 32767);
        clean += QByteArray::number(quint16(w), 16).toUpper().rightJustified(4, '0') + "\r\n";
    }
    FUZZ_CHECK(zr::ProgramWordsOf(clean, QString(), nullptr) == words);
    return 0;
}
