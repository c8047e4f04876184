#include "scopeacquisition.h"

#include "driveprotocol.h"
#include "serialport.h"

#include <QElapsedTimer>

#include <cmath>

namespace zr::scope {

BlockExtremes FindExtremes(const QByteArray &block) {
    BlockExtremes e;
    if (block.isEmpty())
        return e;
    e.valid = true;
    e.minimum = 256;
    e.maximum = -1;
    for (qsizetype i = 0; i < block.size(); ++i) {
        const int v = static_cast<quint8>(block.at(i));
        if (v < e.minimum) {
            e.minimum = v;
            e.minIndex = i;
        }
        if (v > e.maximum) {
            e.maximum = v;
            e.maxIndex = i;
        }
    }
    return e;
}

bool RisingPassage(const QByteArray &block, double level) {
    const BlockExtremes e = FindExtremes(block);
    return e.valid && e.minimum <= level && level <= e.maximum && e.maxIndex > e.minIndex;
}

qsizetype SamplesToFill(double xMax, qsizetype len) {
    const double n = std::ceil(xMax - static_cast<double>(len));
    return n > 0 ? static_cast<qsizetype>(n) : 0;
}

ScopeAcquisition::ScopeAcquisition(SerialPort &link, const qint16 &driveAddress,
                                   LinkResult &commResult, std::unique_ptr<SerialPort> scopePort)
    : link_(link), driveAddress_(driveAddress), commResult_(commResult),
      input_(std::move(scopePort)) {
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    nowMs_ = [clock] { return clock->elapsed(); };
    wait_ = [](ScopeInput &in, int ms) { in.waitForData(ms); };
}

bool ScopeAcquisition::startscope() {
    ++epoch_;
    if (link_.IsOpen()) {
        // Whatever the link left on the line is no sample. A line that keeps talking (a stream
        // left running) is not drained for ever.
        const qint64 drainStart = now();
        for (int reads = 0; reads < kMaxDrainReads && now() - drainStart < kQuietMs; ++reads)
            if (link_.ReadAvailable().isEmpty())
                break;
        const qint64 t0 = now();
        QByteArray got;
        do {
            QString data = kStartCommand;
            commResult_ = Transact(link_, driveAddress_, kScopeCommandAddress, true, true, data);
            ++startCommands_;
            link_.waitForData(kListenMs);
            got = link_.ReadAvailable();
            // A line pulled away closes the port: nothing more can be said or heard on it.
        } while (got.isEmpty() && link_.IsOpen() && now() - t0 < kQuietMs);
        if (got.isEmpty()) {
            // No stream: the line stays with the drive link and the panel keeps polling.
            if (view_)
                view_->noSamples();
            return false;
        }
    }
    if (view_ && view_->panelPollRunning())
        view_->stopPanelPoll();
    if (link_.IsOpen())
        link_.Close();
    if (!input_.open()) {
        // Nobody may be left holding the line: it goes back to the drive link.
        const QString why = input_.port().lastError();
        stopscope();
        if (view_)
            view_->scopePortFailed(why);
        return false;
    }
    input_.discard();
    if (view_)
        view_->setTickEnabled(true);
    return true;
}

void ScopeAcquisition::stopscope() {
    ++epoch_;
    if (view_ && view_->tickEnabled())
        view_->setTickEnabled(false);
    input_.close();
    if (view_)
        view_->setHolding(true);
    if (!link_.IsOpen())
        link_.Open();
    for (int attempt = 0; attempt < kMaxStopAttempts; ++attempt) {
        QString data = kStopCommand;
        commResult_ = Transact(link_, kStopDrive, kScopeCommandAddress, true, true, data);
        ++stopCommands_;
        link_.waitForData(kListenMs);
        if (link_.ReadAvailable().isEmpty())
            break; // the line has fallen silent
    }
    if (view_)
        view_->startPanelPoll();
}

bool ScopeAcquisition::cancelled(quint64 epoch) const {
    return epoch != epoch_ || !view_ || view_->holding() || !input_.isOpen();
}

bool ScopeAcquisition::pause(quint64 epoch, int ms) {
    if (cancelled(epoch))
        return false;
    view_->letEventsRun();
    if (cancelled(epoch))
        return false;
    if (ms > 0)
        wait_(input_, ms);
    return !cancelled(epoch);
}

qsizetype ScopeAcquisition::waitForData(quint64 epoch) {
    const qint64 t0 = now();
    for (bool first = true;; first = false) {
        if (!pause(epoch, first ? 0 : kPollMs))
            return -1;
        const qsizetype n = input_.waiting();
        if (n >= 1 || now() - t0 >= kQuietMs)
            return n;
    }
}

void ScopeAcquisition::holdTick() {
    if (view_ && view_->holding() && input_.isOpen())
        input_.discard();
}

bool ScopeAcquisition::triggerSearch(quint64 epoch, QByteArray &block) {
    input_.discard();
    QByteArray carried; // the last sample of the block before
    // A level the signal soon crosses keeps showing "triggered"; one it has not crossed for a
    // while shows that the scope waits.
    const qint64 t0 = now();
    bool waitingShown = false;
    for (;;) {
        if (!waitingShown && now() - t0 > kQuietMs) {
            view_->acquisitionState(AcquisitionState::WaitingForTrigger);
            waitingShown = true;
        }
        const qsizetype n = waitForData(epoch);
        if (n < 0)
            return false;
        if (n == 0)
            continue; // the stream is quiet: nothing links the next block to the last one
        // A block read as soon as one sample is there often holds just that sample; the
        // passage between two reads counts as well.
        block = carried + input_.read(n);
        if (RisingPassage(block, view_->level())) {
            view_->acquisitionState(AcquisitionState::Triggered);
            return true;
        }
        carried = block.right(1);
    }
}

bool ScopeAcquisition::fillScreen(quint64 epoch, qsizetype len) {
    qint64 t0 = now();
    qsizetype prev = 0;
    for (bool first = true;; first = false) {
        if (!pause(epoch, first ? 0 : kPollMs))
            return false;
        const qsizetype n = input_.waiting();
        if (n != prev)
            t0 = now();
        prev = n;
        if (now() - t0 > kQuietMs || static_cast<double>(n) > view_->xMax() - len)
            return true;
    }
}

void ScopeAcquisition::tick() {
    if (inTick_ || !view_ || view_->holding())
        return;
    inTick_ = true;
    const quint64 epoch = epoch_;
    if (view_->mode() == kRoll)
        view_->acquisitionState(AcquisitionState::Rolling);
    else if (view_->mode() == kNoTrigg)
        view_->acquisitionState(AcquisitionState::FreeRunning);
    if (view_->mode() == kRoll) {
        // Samples already there are charted at once: the tick came from the event loop, which
        // needs no further turn before them.
        qsizetype n = input_.waiting();
        if (n == 0)
            n = waitForData(epoch);
        if (n > 0 && !cancelled(epoch))
            view_->chart(input_.read(n));
        inTick_ = false;
        return;
    }
    const bool norm = view_->mode() == kNorm;
    QByteArray triggerBlock;
    bool go = !norm || triggerSearch(epoch, triggerBlock);
    const qsizetype len = triggerBlock.size();
    go = go && fillScreen(epoch, len);
    if (go && !cancelled(epoch)) {
        const QByteArray rest = input_.read(SamplesToFill(view_->xMax(), len));
        view_->clearData();
        if (norm)
            view_->chart(triggerBlock);
        view_->chart(rest);
    }
    inTick_ = false;
}

} // namespace zr::scope
