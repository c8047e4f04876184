#include "transfersequences.h"

#include "driveprotocol.h"
#include "serialport.h"

#include "savefile.h"

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

    QString value;
    for (int i = 0; i < kParameterWords; ++i) {
        if (!GuardedTransfer(link, addr::kParamRom + i, false, false, value)) {
            view.setProgressVisible(false);
            file.cancel();
            view.unloadUploadClip();
            view.setPollEnabled(true);
            view.ShowCommError(link.language);
            return TransferOutcome::CommError;
        }
        file.write(FormatParameterLine(value.toInt())); // a failure shows at the commit
        view.setProgressValue(i + 1);
        view.letEventsRun();
    }

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
    FileProblem problem;
    const auto values = ReadParameterValues(source, &problem);
    if (!values) {
        view.showFileProblem(problem);
        return TransferOutcome::BadFile;
    }
    view.setPollEnabled(false);
    showProgress(view, 3 * kParameterWords);
    view.startDownloadAnimation();
    view.setLabel(QStringLiteral("Download......."), true);

    auto fail = [&] {
        view.setProgressVisible(false);
        view.ShowCommError(link.language);
        return TransferOutcome::CommError;
    };

    std::vector<QString> secondBlock(kParameterWords);
    QString value;
    for (int i = 0; i < kParameterWords; ++i) {
        if (!GuardedTransfer(link, addr::kSecondBlockRom + i, false, false, value))
            return fail();
        secondBlock[static_cast<size_t>(i)] = value;
        view.setProgressValue(i + 1);
        view.letEventsRun();
    }
    for (int i = 0; i < kParameterWords; ++i) {
        QString text = secondBlock[static_cast<size_t>(i)];
        if (!GuardedTransfer(link, addr::kSecondBlockRam + i, true, true, text))
            return fail();
        view.setProgressValue(kParameterWords + i + 1);
        view.letEventsRun();
    }
    for (int i = 0; i < kParameterWords; ++i) {
        QString text = QString::number((*values)[static_cast<size_t>(i)]);
        if (!GuardedTransfer(link, addr::kParamRam + i, true, true, text))
            return fail();
        view.setProgressValue(2 * kParameterWords + i + 1);
        view.letEventsRun();
    }
    const bool confirmed = sendCompletion(link, kParamCompletion);

    return endDownload(confirmed, false, view);
}

TransferOutcome DownloadProgram(const TransferLink &link, const QString &source,
                                TransferView &view) {
    FileProblem problem;
    const auto words = ReadProgramWords(source, &problem);
    if (!words) {
        view.showFileProblem(problem);
        return TransferOutcome::BadFile;
    }
    view.setPollEnabled(false);
    view.startDownloadAnimation();
    view.setLabel(QStringLiteral("Download......."), true);
    showProgress(view, kProgramPairs);
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
