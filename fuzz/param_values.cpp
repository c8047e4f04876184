// The transfers' parameter file reader on arbitrary bytes: either 1024 words that fit 16 bits,
// which read back the same once written as the upload writes them, or a reason.

#include "fuzzcheck.h"

#include "transferfiles.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    zr::FileProblem problem;
    const auto values =
        zr::ParameterValuesOf(fuzz::bytesOf(data, size), QStringLiteral("f.10d"), &problem);
    if (!values) {
        FUZZ_CHECK(problem.kind == zr::FileProblem::TooFewValues ||
                   problem.kind == zr::FileProblem::NotANumber ||
                   problem.kind == zr::FileProblem::OutOfRange);
        FUZZ_CHECK(problem.where >= 0 && problem.where < zr::kParameterWords);
        FUZZ_CHECK(problem.detail.size() <= 40);
        return 0;
    }
    FUZZ_CHECK(values->size() == std::size_t(zr::kParameterWords));
    QByteArray written;
    for (const int v : *values) {
        FUZZ_CHECK(v >= -32768 && v <= 65535);
        written += zr::FormatParameterLine(v);
    }
    FUZZ_CHECK(zr::ParameterValuesOf(written, QString(), nullptr) == values);
    return 0;
}
