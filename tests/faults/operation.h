#pragma once

// The operations of the fault matrix: each one of the program's exchanges with the drive, run on
// the rig's line the way the program runs it, with the views it reports to.

#include "faultrig.h"

#include "captions.h"
#include "child.h"
#include "dialogs.h"
#include "loaderroutine.h"
#include "panelpoll.h"
#include "scopeacquisition.h"
#include "serialhost.h"
#include "serialstatewindow.h"
#include "shell.h"
#include "transfersequences.h"

#include <QFile>
#include <QHash>
#include <QLineEdit>

namespace zr::faults {

// Outcomes besides the four result texts: the transfers', who holds the line after startscope,
// and what the line does after stopscope.
inline const QString kDone = QStringLiteral("Done");
inline const QString kNotConfirmed = QStringLiteral("Not confirmed");
inline const QString kCommError = QStringLiteral("Communication error");
inline const QString kScopeHasLine = QStringLiteral("scope");
inline const QString kLinkHasLine = QStringLiteral("link");
inline const QString kSilent = QStringLiteral("silent");
inline const QString kStreaming = QStringLiteral("streaming");
inline const QString kGone = QStringLiteral("gone");

constexpr int kLanguage = 2; // French: the communication error must come in the user's language

enum class Op { Upload, Download, Program, LinkPoll, PanelPoll, Start, Stop };

inline Op opNamed(const QString &name) {
    static const QHash<QString, Op> ops{
        {QStringLiteral("upload"), Op::Upload},        {QStringLiteral("download"), Op::Download},
        {QStringLiteral("program"), Op::Program},      {QStringLiteral("link poll"), Op::LinkPoll},
        {QStringLiteral("panel poll"), Op::PanelPoll}, {QStringLiteral("scope start"), Op::Start},
        {QStringLiteral("scope stop"), Op::Stop},
    };
    return ops.value(name);
}

inline bool isTransfer(Op op) {
    return op == Op::Upload || op == Op::Download || op == Op::Program;
}

inline QString successOf(Op op) {
    if (isTransfer(op))
        return kDone;
    if (op == Op::Start)
        return kScopeHasLine;
    if (op == Op::Stop)
        return kSilent;
    return kNoError;
}

// A parameter set unlike the drive's own, and a program whose word k is 5k.
inline int parameterValue(int i) {
    return (i * 7 + 3) % 30000;
}
inline int programWord(int k) {
    return static_cast<qint16>(static_cast<quint16>(k * 5));
}
inline QByteArray parameterFile() {
    QByteArray b;
    for (int i = 0; i < kParameterWords; ++i)
        b += QByteArray::number(parameterValue(i)) + "\r\n";
    return b;
}
inline QByteArray programFile() {
    QByteArray b = QByteArray("EE").repeated(kProgramSkipPairs);
    for (int k = 0; k < kProgramWords; ++k)
        b += QByteArray::number(static_cast<quint16>(programWord(k)), 16)
                 .toUpper()
                 .rightJustified(4, '0');
    return b;
}
inline QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline bool isCompletionWord(const QByteArray &frame) {
    return frame.size() == 6 && (static_cast<quint8>(frame[0]) & 0x80) &&
           frame.mid(1, 2) == QByteArray::fromHex("0315");
}

struct RecordingView final : TransferView {
    const QList<QByteArray> *frames = nullptr;
    int commErrors = 0;
    int commErrorLanguage = -1;
    qsizetype framesAtCommError = -1;
    int finishes = 0;
    int notConfirmed = 0;
    void finished(bool) override { ++finishes; }
    void showNotConfirmed(bool) override { ++notConfirmed; }
    void ShowCommError(int language) override {
        ++commErrors;
        commErrorLanguage = language;
        framesAtCommError = frames->size();
    }
};

// The scope window and the front panel as the acquisition sees them.
struct ScopeSide final : scope::ScopeView {
    bool panelPolling = true;
    bool hold = true;
    bool ticking = false;
    bool holding() const override { return hold; }
    void setHolding(bool on) override { hold = on; }
    bool tickEnabled() const override { return ticking; }
    void setTickEnabled(bool on) override { ticking = on; }
    bool panelPollRunning() const override { return panelPolling; }
    void stopPanelPoll() override { panelPolling = false; }
    void startPanelPoll() override { panelPolling = true; }
};

// One operation of the program on the rig's line, with what it needs around it.
class Operation {
public:
    explicit Operation(Op op) : op_(op) {}

    bool prepare() {
        if (!rig.start() || !writeFile(rig.path(QStringLiteral("p.10d")), parameterFile()) ||
            !writeFile(rig.path(QStringLiteral("prog.hex")), programFile()) ||
            !writeFile(rig.path(QStringLiteral("up.10d")), QByteArrayLiteral("old file\r\n")))
            return false;
        state.DriveAddress = 1;
        state.CurrentLanguage = kLanguage;
        if (op_ == Op::LinkPoll) {
            host = std::make_unique<shell::Shell>(state, dialogs, *rig.port);
            shell::FillCaptionTable(state.Captions);
            host->forms().registerForm(shell::kSerialHost, [this](QWidget *p) {
                return new shell::SerialHostWindow(*host, p);
            });
            host->forms().registerForm(
                shell::kLinkWindow,
                [this](QWidget *p) { return new shell::SerialStateWindow(*host, p); }, true);
            linkPage = host->forms().formAs<shell::SerialStateWindow>(shell::kLinkWindow);
        }
        if (op_ == Op::Start || op_ == Op::Stop) {
            acquisition = std::make_unique<scope::ScopeAcquisition>(
                *rig.port, state.DriveAddress, state.CommResult,
                std::make_unique<HardwareSerialPort>(rig.portMap()));
            acquisition->setView(&scopeSide);
        }
        return op_ != Op::Stop || acquisition->startscope();
    }

    // The operation once; its outcome in the table's words.
    QString run() {
        const TransferLink link{*rig.port, state.DriveAddress, state.CurrentLanguage};
        view = RecordingView();
        view.frames = &rig.port->frames;
        switch (op_) {
        case Op::Upload:
            return outcomeText(UploadParameters(link, rig.path(QStringLiteral("up.10d")), view));
        case Op::Download:
            return outcomeText(DownloadParameters(link, rig.path(QStringLiteral("p.10d")), view));
        case Op::Program:
            return outcomeText(DownloadProgram(link, rig.path(QStringLiteral("prog.hex")), view));
        case Op::LinkPoll:
            host->link().pollTick();
            return zr::test::child<QLineEdit>(linkPage, "Stato")->text();
        case Op::PanelPoll:
            panel = front::RunPanelTick(*rig.port, 1, panelState, state.CommResult);
            return ResultText(state.CommResult);
        case Op::Start:
            acquisition->startscope();
            return acquisition->ownsLine() ? kScopeHasLine : kLinkHasLine;
        case Op::Stop:
            acquisition->stopscope();
            if (rig.lineVanished())
                return kGone;
            return rig.fromDrive<bool>([](sim::SimDrive &d) { return d.scopeStream().running(); })
                       ? kStreaming
                       : kSilent;
        }
        return {};
    }

    // The fault gone, the program gets the line back as it would: the scope gives it back, the
    // link page reopens the port (it closes and opens it at every tick) and hunts until it finds
    // the drive again.
    QString runAgain() {
        rig.clearFault();
        if (acquisition && acquisition->ownsLine())
            acquisition->stopscope();
        if (!rig.restore())
            return QStringLiteral("the line did not come back");
        if (op_ == Op::Stop && !acquisition->startscope())
            return QStringLiteral("the scope did not start again");
        QString outcome = run();
        for (int tick = 0; op_ == Op::LinkPoll && outcome != kNoError && tick < 4; ++tick)
            outcome = run();
        return outcome;
    }

    Op op_;
    FaultRig rig;
    shell::LoaderRoutine state;
    shell::QtDialogs dialogs;
    std::unique_ptr<shell::Shell> host;
    shell::SerialStateWindow *linkPage = nullptr;
    std::unique_ptr<scope::ScopeAcquisition> acquisition;
    ScopeSide scopeSide;
    RecordingView view;
    front::PanelState panelState;
    front::PanelPoll panel;

private:
    static QString outcomeText(TransferOutcome o) {
        switch (o) {
        case TransferOutcome::Done:
            return kDone;
        case TransferOutcome::NotConfirmed:
            return kNotConfirmed;
        case TransferOutcome::CommError:
            return kCommError;
        case TransferOutcome::BadFile:
            break;
        }
        return QStringLiteral("file refused");
    }
};

} // namespace zr::faults
