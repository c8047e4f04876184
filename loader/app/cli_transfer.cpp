#include "cli_transfer.h"

#include "driveprotocol.h"
#include "transfersequences.h"
#include "transfertexts.h"

#include <QTextStream>

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zr {

namespace {

bool StdoutIsTerminal() {
#ifdef Q_OS_WIN
    return ::_isatty(::_fileno(stdout)) != 0;
#else
    return ::isatty(STDOUT_FILENO) != 0;
#endif
}

// Progress on a terminal, messages on stderr, in English.
class TerminalView final : public TransferView {
public:
    TerminalView() : tty_(StdoutIsTerminal()) {}

    void setLabel(const QString &text, bool visible) override {
        if (visible)
            label_ = text;
    }
    void setProgressRange(int, int max) override { max_ = max; }
    void setProgressValue(int value) override {
        if (!tty_ || max_ <= 0)
            return;
        const int width = 40;
        const int filled = static_cast<int>(static_cast<qint64>(value) * width / max_);
        // Repaint only when the bar moves or at the end: a terminal is slower than the line.
        if (filled == lastFilled_ && value != max_)
            return;
        lastFilled_ = filled;
        std::printf("\r%s [%s%s] %d/%d", qPrintable(label_), QByteArray(filled, '#').constData(),
                    QByteArray(width - filled, '.').constData(), value, max_);
        if (value == max_)
            std::printf("\n");
        std::fflush(stdout);
    }
    void showFileProblem(const FileProblem &p) override {
        QTextStream(stderr) << FileProblemText(p, kEnglish) << Qt::endl;
    }
    void showNotConfirmed(bool program) override {
        QTextStream(stderr) << NotConfirmedText(program, kEnglish) << Qt::endl;
    }
    void ShowCommError(int language) override {
        if (tty_ && lastFilled_ >= 0)
            std::printf("\n");
        QTextStream(stderr) << CommErrorTitle(language) << ": "
                            << CommErrorText(language).replace(QLatin1Char('\r'), QLatin1Char('\n'))
                            << Qt::endl;
    }

private:
    bool tty_;
    QString label_;
    int max_ = 0;
    int lastFilled_ = -1;
};

int verifyParameters(const TransferLink &link, const QString &file) {
    const auto values = ReadParameterValues(file, nullptr);
    if (!values)
        return 2;
    QString word;
    for (int i = 0; i < kParameterWords; ++i) {
        if (!GuardedTransfer(link, addr::kParamRom + i, false, false, word)) {
            QTextStream(stderr) << "verify: the drive stopped answering at ROM 0x"
                                << QString::number(addr::kParamRom + i, 16).toUpper() << Qt::endl;
            return 2;
        }
        const auto expected = static_cast<quint16>((*values)[static_cast<size_t>(i)]);
        if (static_cast<quint16>(word.toInt()) != expected) {
            QTextStream(stderr) << "verify: ROM 0x"
                                << QString::number(addr::kParamRom + i, 16).toUpper() << " holds "
                                << word << ", the file has " << (*values)[static_cast<size_t>(i)]
                                << Qt::endl;
            return 2;
        }
    }
    QTextStream(stdout) << "verify: the drive holds all 1024 values of the file" << Qt::endl;
    return 0;
}

} // namespace

bool IsTransferCommand(const QString &command) {
    return command == QLatin1String("upload-params") ||
           command == QLatin1String("download-params") ||
           command == QLatin1String("download-program");
}

int RunTransferCommand(const QString &command, QStringList args, SerialPort &port, int drive) {
    const bool verify = args.removeAll(QStringLiteral("--verify")) > 0;
    if (args.size() != 1 || (verify && command != QLatin1String("download-params"))) {
        QTextStream(stderr) << "zr3500-cli: " << command << " takes one FILE"
                            << (command == QLatin1String("download-params") ? " (and --verify)"
                                                                            : "")
                            << Qt::endl;
        return 1;
    }
    const QString file = args.first();
    TerminalView view;
    const TransferLink link{port, drive, kEnglish};
    TransferOutcome outcome = TransferOutcome::Done;
    if (command == QLatin1String("upload-params"))
        outcome = UploadParameters(link, file, view);
    else if (command == QLatin1String("download-params"))
        outcome = DownloadParameters(link, file, view);
    else
        outcome = DownloadProgram(link, file, view);
    if (outcome != TransferOutcome::Done)
        return 2;
    if (verify)
        return verifyParameters(link, file);
    return 0;
}

} // namespace zr
