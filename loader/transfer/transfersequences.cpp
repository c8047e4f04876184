#include "transfersequences.h"

#include "driveprotocol.h"
#include "parameterset.h"
#include "serialport.h"

#include "savefile.h"

#include <optional>
#include <vector>

namespace zr {

namespace {
constexpr int kParamCompletion = -21846;  // 0xAAAA
constexpr int kProgramCompletion = 21845; // 0x5555

// The completion word goes out once, unguarded. A drive that does not answer it may not have
// stored what was sent, which the user must know.
bool sendCompletion(const TransferLink &link, int value) {
    QString data = QString::number(value);
    return Transact(link.port, link.drive, addr::kCompletion, true, true, data) ==
           LinkResult::NoError;
}

TransferOutcome confirm(bool confirmed, bool program, TransferView &view) {
    if (confirmed)
        return TransferOutcome::Done;
    view.showNotConfirmed(program);
    return TransferOutcome::NotConfirmed;
}

void showProgress(TransferView &view, int maximum) {
    view.setProgressRange(0, maximum);
    view.setProgressValue(0);
    view.setProgressVisible(true);
}

// The clip, the pictures, the label and the bar go when a sequence has gone through.
void clearProgress(TransferView &view) {
    view.stopAnimation();
    view.hidePictures();
    view.setLabel(QString(), false);
    view.setProgressVisible(false);
}

// Reads or writes words[i] at base + i, each guarded, the bar moving on from done; false at the
// first word that fails.
bool transferBlock(const TransferLink &link, int base, bool isWrite, bool ramSpace,
                   std::vector<QString> &words, int done, TransferView &view) {
    for (size_t i = 0; i < words.size(); ++i) {
        const int offset = static_cast<int>(i);
        if (!GuardedTransfer(link, base + offset, isWrite, ramSpace, words[i]))
            return false;
        view.setProgressValue(done + offset + 1);
        view.letEventsRun();
    }
    return true;
}

// A download's file, read before the line is touched; a problem is shown and gives nothing.
using WordsReader = std::optional<std::vector<int>> (*)(const QString &, FileProblem *);
std::optional<std::vector<int>> readForDownload(WordsReader read, const QString &source,
                                                TransferView &view) {
    FileProblem problem;
    auto words = read(source, &problem);
    if (!words)
        view.showFileProblem(problem);
    return words;
}

// The panel's poll stops while the download has the line; the clip, the label and the bar show.
void startDownload(TransferView &view, int steps) {
    view.setPollEnabled(false);
    view.startDownloadAnimation();
    view.setLabel(QStringLiteral("Download......."), true);
    showProgress(view, steps);
}

TransferOutcome endDownload(bool confirmed, bool program, TransferView &view) {
    clearProgress(view);
    view.setPollEnabled(true);
    view.finished(false);
    return confirm(confirmed, program, view);
}
} // namespace

bool GuardedTransfer(const TransferLink &link, int address, bool isWrite, bool ramSpace,
                     QString &data) {
    int errors = 0;
    LinkResult result = LinkResult::Timeout;
    do {
        result = Transact(link.port, link.drive, address, isWrite, ramSpace, data);
        if (result != LinkResult::NoError)
            ++errors;
    } while (result != LinkResult::NoError && errors < kMaxTriesPerWord);
    return result == LinkResult::NoError;
}

TransferOutcome UploadParameters(const TransferLink &link, const QString &destination,
                                 TransferView &view) {
    // The new file is written aside and takes the name only when complete and on the disk.
    SafeFileWriter file(destination);
    if (!file.open()) {
        view.showFileProblem({FileProblem::CannotCreate, destination, 0, file.reason()});
        return TransferOutcome::BadFile;
    }
    view.setPollEnabled(false);
    view.startUploadAnimation();
    view.setLabel(QStringLiteral("Upload......."), true);
    showProgress(view, kParameterWords);

    const auto words = ReadParameterSet(link, view);
    if (!words) {
        view.setProgressVisible(false);
        file.cancel();
        view.unloadUploadClip();
        view.setPollEnabled(true);
        view.ShowCommError(link.language);
        return TransferOutcome::CommError;
    }
    for (const int word : *words)
        file.write(FormatParameterLine(word)); // a failure shows at the commit

    clearProgress(view);
    view.unloadUploadClip();
    view.finished(true);
    view.setPollEnabled(true);
    if (!file.commit()) {
        view.showFileProblem({FileProblem::CannotCreate, destination, 0, file.reason()});
        return TransferOutcome::BadFile;
    }
    return TransferOutcome::Done;
}

TransferOutcome DownloadParameters(const TransferLink &link, const QString &source,
                                   TransferView &view) {
    const auto values = readForDownload(ReadParameterValues, source, view);
    if (!values)
        return TransferOutcome::BadFile;
    startDownload(view, 3 * kParameterWords);

    auto fail = [&] {
        view.setProgressVisible(false);
        view.ShowCommError(link.language);
        return TransferOutcome::CommError;
    };

    // The second block goes from ROM to RAM as it is, then the file's values into RAM.
    std::vector<QString> secondBlock(kParameterWords);
    if (!transferBlock(link, addr::kSecondBlockRom, false, false, secondBlock, 0, view) ||
        !transferBlock(link, addr::kSecondBlockRam, true, true, secondBlock, kParameterWords, view))
        return fail();
    std::vector<QString> texts(kParameterWords);
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = QString::number(values->at(i));
    if (!transferBlock(link, addr::kParamRam, true, true, texts, 2 * kParameterWords, view))
        return fail();
    const bool confirmed = sendCompletion(link, kParamCompletion);

    return endDownload(confirmed, false, view);
}

TransferOutcome DownloadProgram(const TransferLink &link, const QString &source,
                                TransferView &view) {
    const auto words = readForDownload(ReadProgramWords, source, view);
    if (!words)
        return TransferOutcome::BadFile;
    startDownload(view, kProgramPairs);
    // One pair after the other, as the file is read: a word goes out with its second pair.
    for (int count = 0; count < kProgramPairs; ++count) {
        if (count % 2 == 1) {
            QString text = QString::number((*words)[static_cast<size_t>(count / 2)]);
            if (!GuardedTransfer(link, addr::kProgramRam + count / 2, true, true, text)) {
                view.unloadDownloadClip();
                view.setProgressVisible(false);
                view.ShowCommError(link.language);
                return TransferOutcome::CommError;
            }
        }
        view.setProgressValue(count + 1);
        view.letEventsRun();
    }
    const bool confirmed = sendCompletion(link, kProgramCompletion);

    return endDownload(confirmed, true, view);
}

} // namespace zr
