#include "cli_transfer.h"

#include "ansitext.h"
#include "datadir.h"
#include "descriptions.h"
#include "driveprotocol.h"
#include "parambackup.h"
#include "paramcompare.h"
#include "parameterset.h"
#include "paramfile.h"
#include "paramtexts.h"
#include "savefile.h"
#include "transferhistory.h"
#include "transfersequences.h"
#include "transfertexts.h"

#include <QDir>
#include <QFileInfo>
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

constexpr int kExitFailed = 2;
constexpr int kExitDiffer = 3;

int verifyParameters(const TransferLink &link, const QString &file, int release) {
    const auto fileWords = ReadParameterValues(file, nullptr);
    if (!fileWords)
        return kExitFailed;
    HistoryRecord record(QStringLiteral("verify"), file, link, release);
    TransferView quiet;
    const VerifyResult r = VerifyParameterSet(link, *fileWords, quiet);
    if (r.kind == VerifyResult::NoAnswer) {
        record.finish(QStringLiteral("no answer"));
        QTextStream(stderr) << "verify: " << VerifyNoAnswerText(r.failedAddress, kEnglish)
                            << Qt::endl;
        return kExitFailed;
    }
    if (r.kind == VerifyResult::Differ) {
        record.finish(QStringLiteral("differ"));
        QTextStream(stderr) << "verify: "
                            << VerifyDifferText(r.differing, r.driveWords, *fileWords, kEnglish)
                            << Qt::endl;
        return kExitFailed;
    }
    record.finish(QStringLiteral("done"));
    QTextStream(stdout) << "verify: the drive holds all 1024 values of the file" << Qt::endl;
    return 0;
}

// Takes "--name VALUE" out of args; false when the name is there without a value.
bool takeValue(QStringList &args, const QString &name, QString &value) {
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return true;
    if (at + 1 >= args.size())
        return false;
    value = args.takeAt(at + 1);
    args.removeAt(at);
    return true;
}

int usage(const QString &why) {
    QTextStream(stderr) << "zr3500-cli: " << why << "\n(see zr3500-cli --help)" << Qt::endl;
    return 1;
}

// The drive's set goes into a backup file before a download; a failure stops the download.
bool backUp(const TransferLink &link, int release, const QString &folder, TerminalView &view) {
    HistoryRecord record(QStringLiteral("backup"), QString(), link, release);
    const BackupResult r = BackupParameterSet(link, release, folder, view);
    record.setFile(r.path);
    if (!r.ok) {
        record.finish(QStringLiteral("failed"));
        QTextStream(stderr) << BackupFailedText(r, kEnglish) << Qt::endl
                            << "Nothing was sent to the drive (--no-backup downloads without a "
                               "backup)."
                            << Qt::endl;
        return false;
    }
    record.finish(QStringLiteral("done"));
    QTextStream(stdout) << BackupDoneText(r.path, kEnglish) << Qt::endl;
    return true;
}

// compare-params: [--language L] FILE [FILE2]; the drive's set stands in for FILE2 when a link
// is given.
int compareParameters(QStringList args, const TransferLink *link) {
    QString languageName = QStringLiteral("eng");
    if (!takeValue(args, QStringLiteral("--language"), languageName))
        return usage(QStringLiteral("--language wants ita, eng or fra"));
    const int language = QStringList{"ita", "eng", "fra"}.indexOf(languageName);
    if (language < 0)
        return usage(QStringLiteral("--language wants ita, eng or fra"));
    if (args.size() != (link ? 1 : 2))
        return usage(QStringLiteral("compare-params takes FILE [FILE2]"));

    std::vector<std::vector<int>> sets;
    for (const QString &file : std::as_const(args)) {
        FileProblem problem;
        auto words = ReadParameterValues(file, &problem);
        if (!words) {
            QTextStream(stderr)
                << FileProblemText(problem, language).section(QLatin1Char('\n'), 0, 0) << Qt::endl;
            return kExitFailed;
        }
        sets.push_back(std::move(*words));
    }
    const QString code = params::ReleaseCode(args.first());
    params::ParameterDescription description;
    const QString data = DataDirectory();
    if (auto p = params::ReadParameterDescription(
            params::DataDescriptionFor(data, code, language),
            params::StatusDescriptionFor(data, code, language), description)) {
        QTextStream(stderr) << params::ProblemText(*p, language) << Qt::endl;
        return kExitFailed;
    }
    QString rightTitle = QFileInfo(args.value(1)).fileName();
    if (link) {
        TransferView quiet;
        int failed = -1;
        auto words = ReadParameterSet(*link, quiet, 0, &failed);
        if (!words) {
            QTextStream(stderr) << DriveSetUnreadText(failed, language) << Qt::endl;
            return kExitFailed;
        }
        sets.push_back(std::move(*words));
        rightTitle = params::CompareText(params::CompareWords::Drive, language);
    }
    const auto rows = params::CompareParameterSets(sets[0], sets[1], description);
    QTextStream(stdout) << params::CompareTable(rows, QFileInfo(args.first()).fileName(),
                                                rightTitle, language);
    return rows.isEmpty() ? 0 : kExitDiffer;
}

} // namespace

bool IsTransferCommand(const QString &command) {
    return command == QLatin1String("upload-params") ||
           command == QLatin1String("download-params") ||
           command == QLatin1String("download-program") ||
           command == QLatin1String("compare-params");
}

bool IsOfflineCommand(const QString &command, const QStringList &args) {
    if (command == QLatin1String("history") || command == QLatin1String("backups") ||
        command == QLatin1String("new-params"))
        return true;
    if (command != QLatin1String("compare-params"))
        return false;
    qsizetype files = args.size();
    if (args.contains(QStringLiteral("--language")))
        files -= 2;
    return files == 2;
}

int showHistory(const QStringList &args);

namespace {
// backups: the kept backups, newest first (any of them goes back with download-params).
int listBackups(const QStringList &args) {
    if (!args.isEmpty())
        return usage(QStringLiteral("backups takes no arguments"));
    const QStringList backups = ListBackups(DefaultBackupFolder());
    QTextStream out(stdout);
    if (backups.isEmpty())
        out << "no backups in " << QDir::toNativeSeparators(DefaultBackupFolder()) << Qt::endl;
    for (const QString &path : backups)
        out << QDir::toNativeSeparators(path) << Qt::endl;
    return 0;
}

// new-params FILE: a new parameter file from the defaults of the release its extension names.
int newParameters(const QStringList &args) {
    if (args.size() != 1)
        return usage(QStringLiteral("new-params takes one FILE (its extension names the release: "
                                    "pump.13d)"));
    const QString file = args.first();
    if (QFileInfo::exists(file)) {
        QTextStream(stderr) << "new-params: " << file << " exists; nothing was written" << Qt::endl;
        return kExitFailed;
    }
    const QString defaults = QDir(DataDirectory())
                                 .filePath(QStringLiteral("newRel") + params::ReleaseCode(file) +
                                           params::LanguageSuffix(kEnglish));
    QStringList lines;
    QString error;
    if (auto p = params::NewFileLines(defaults, lines)) {
        QTextStream(stderr) << params::ProblemText(*p, kEnglish) << Qt::endl;
        return kExitFailed;
    }
    if (!params::WriteAnsiLines(file, lines, error)) {
        QTextStream(stderr) << "new-params: " << file << ": "
                            << WriteFailureReason(file, error, kEnglish) << Qt::endl;
        return kExitFailed;
    }
    return 0;
}
} // namespace

int RunOfflineCommand(const QString &command, QStringList args) {
    if (command == QLatin1String("history"))
        return showHistory(args);
    if (command == QLatin1String("backups"))
        return listBackups(args);
    if (command == QLatin1String("new-params"))
        return newParameters(args);
    return compareParameters(std::move(args), nullptr);
}

int RunTransferCommand(const QString &command, QStringList args, SerialPort &port, int drive) {
    const TransferLink link{port, drive, kEnglish};
    if (command == QLatin1String("compare-params"))
        return compareParameters(std::move(args), &link);
    const bool download = command == QLatin1String("download-params");
    const bool verify = args.removeAll(QStringLiteral("--verify")) > 0;
    const bool noBackup = args.removeAll(QStringLiteral("--no-backup")) > 0;
    QString backupFolder = DefaultBackupFolder();
    const bool folderGiven = args.contains(QStringLiteral("--backup-dir"));
    if (!takeValue(args, QStringLiteral("--backup-dir"), backupFolder) || args.size() != 1 ||
        (!download && (verify || noBackup || folderGiven))) {
        QTextStream(stderr) << "zr3500-cli: " << command << " takes one FILE"
                            << (download ? " (and --verify, --no-backup, --backup-dir DIR)" : "")
                            << Qt::endl;
        return 1;
    }
    const QString file = args.first();
    // The release names the backup and goes into the history.
    QString releaseText;
    const int release =
        GuardedTransfer(link, addr::kRelease, false, true, releaseText) ? releaseText.toInt() : 0;
    TerminalView view;
    TransferOutcome outcome = TransferOutcome::Done;
    if (command == QLatin1String("upload-params")) {
        HistoryRecord record(QStringLiteral("upload"), file, link, release);
        outcome = UploadParameters(link, file, view);
        record.finish(outcome);
    } else if (download) {
        // A file that will be refused costs no backup: the download says why.
        if (!noBackup && ReadParameterValues(file, nullptr) &&
            !backUp(link, release, backupFolder, view))
            return kExitFailed;
        HistoryRecord record(QStringLiteral("download"), file, link, release);
        outcome = DownloadParameters(link, file, view);
        record.finish(outcome);
    } else {
        HistoryRecord record(QStringLiteral("program"), file, link, release);
        outcome = DownloadProgram(link, file, view);
        record.finish(outcome);
    }
    if (outcome != TransferOutcome::Done)
        return kExitFailed;
    if (verify)
        return verifyParameters(link, file, release);
    return 0;
}

// history: the transfers recorded, oldest first.
int showHistory(const QStringList &args) {
    if (!args.isEmpty())
        return usage(QStringLiteral("history takes no arguments"));
    const QString path = DefaultHistoryPath();
    const QList<HistoryEntry> entries = ReadHistory(path);
    QTextStream out(stdout);
    if (entries.isEmpty())
        out << "no transfers recorded in " << QDir::toNativeSeparators(path) << Qt::endl;
    for (const HistoryEntry &e : entries)
        out << HistoryText(e) << Qt::endl;
    return 0;
}

} // namespace zr
