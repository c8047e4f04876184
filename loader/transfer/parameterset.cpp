#include "parameterset.h"

#include "driveprotocol.h"

namespace zr {

std::optional<std::vector<int>> ReadParameterSet(const TransferLink &link, TransferView &view,
                                                 int done, int *failedAddress) {
    std::vector<int> words(kParameterWords);
    QString text;
    for (int i = 0; i < kParameterWords; ++i) {
        text.clear();
        if (!GuardedTransfer(link, addr::kParamRom + i, false, false, text)) {
            if (failedAddress)
                *failedAddress = addr::kParamRom + i;
            return std::nullopt;
        }
        words[static_cast<size_t>(i)] = text.toInt();
        view.setProgressValue(done + i + 1);
        view.letEventsRun();
    }
    return words;
}

QList<int> DifferingLines(const std::vector<int> &a, const std::vector<int> &b) {
    QList<int> lines;
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
        if (static_cast<quint16>(a[i]) != static_cast<quint16>(b[i]))
            lines << static_cast<int>(i);
    return lines;
}

VerifyResult VerifyParameterSet(const TransferLink &link, const std::vector<int> &fileWords,
                                TransferView &view) {
    VerifyResult result;
    auto words = ReadParameterSet(link, view, 0, &result.failedAddress);
    if (!words)
        return result;
    result.driveWords = std::move(*words);
    result.differing = DifferingLines(result.driveWords, fileWords);
    result.kind = result.differing.isEmpty() ? VerifyResult::Equal : VerifyResult::Differ;
    return result;
}

} // namespace zr
