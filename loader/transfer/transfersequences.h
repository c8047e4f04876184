#pragma once

#include "transferfiles.h"

#include <QString>

namespace zr {

class SerialPort;

// What a transfer sequence shows while it runs. The transfer window implements it with its
// controls; the command-line tool with a terminal progress bar. Every call has a do-nothing
// default so a view takes only what it shows.
class TransferView {
public:
    virtual ~TransferView() = default;
    virtual void setPollEnabled(bool) {} // the window's status poll `tempo`
    virtual void startUploadAnimation() {}
    virtual void startDownloadAnimation() {}
    virtual void stopAnimation() {}
    virtual void setLabel(const QString &, bool) {} // `Label1` caption and visibility
    virtual void setProgressRange(int, int) {}
    virtual void setProgressValue(int) {}
    virtual void setProgressVisible(bool) {}
    virtual void hidePictures() {}            // `Picture1` and `Picture2`
    virtual void unloadUploadClip() {}        // `ZR_LOADER_MAIN_AVIUP`
    virtual void unloadDownloadClip() {}      // `ZR_LOADER_MAIN_AVIDOWN`
    virtual void letEventsRun() {}            // between words, so the window repaints
    virtual void finished(bool /*upload*/) {} // `UploadActive` / `DownloadActive` = False
    // The file was refused before anything was sent.
    virtual void showFileProblem(const FileProblem &) {}
    // A word failed five times: show the communication error and end the program.
    virtual void ShowCommError(int /*language*/) {}
    // The drive did not answer the completion word: it may not have stored what was sent.
    virtual void showNotConfirmed(bool /*program*/) {}
};

struct TransferLink {
    SerialPort &port;
    int drive = 1;    // `DriveAddress`
    int language = 1; // `CurrentLanguage`
};

enum class TransferOutcome {
    Done,         // every word went through and the drive answered the completion word
    NotConfirmed, // every word went through, but the completion word got no answer
    BadFile,      // the file was refused; nothing was sent and nothing written
    CommError,    // a word failed five times; ShowCommError has been called
};

constexpr int kMaxTriesPerWord = 5;

// One word read or written with up to five transactions. A read keeps the last value read in
// `data` across the retries. True when a transaction gave "No error".
bool GuardedTransfer(const TransferLink &link, int address, bool isWrite, bool ramSpace,
                     QString &data);

// Reads the parameter block (ROM 0x3800-0x3BFF) into `destination`, 1024 lines. The file is
// replaced only when every word was read: on failure an existing file keeps its bytes.
TransferOutcome UploadParameters(const TransferLink &link, const QString &destination,
                                 TransferView &view);
// Saves the second block (ROM 0x3C00-0x3FFF) into RAM 0xBC00-0xBFFF, sends the file's first 1024
// values to RAM 0xB800-0xBBFF, then the completion word 0xAAAA. The file is checked first.
TransferOutcome DownloadParameters(const TransferLink &link, const QString &source,
                                   TransferView &view);
// Sends bytes 8192-28671 of a program file as 10240 words to RAM 0x9000-0xB7FF, then the completion
// word 0x5555. The file is read once and checked before the first word goes out; what was checked
// is what is sent.
TransferOutcome DownloadProgram(const TransferLink &link, const QString &source,
                                TransferView &view);

} // namespace zr
