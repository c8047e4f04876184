#include "simdrive.h"

#include <QFile>
#include <QRegularExpression>

namespace zr::sim {

using namespace std::chrono_literals;

namespace {
// A partial frame older than this is dropped: the line was idle, the next byte starts a frame.
constexpr auto kResyncGap = 100ms;
constexpr auto kTrickleGap = 15ms;
constexpr auto kLateBy = 400ms;

quint8 u8(const QByteArray &b, int i) {
    return static_cast<quint8>(b.at(i));
}
} // namespace

SimDrive::SimDrive() : ram_(65536, 0), rom_(65536, 0), epoch_(Clock::now()) {
    setRelease(kDefaultRelease);
    setStatus(kRunning);
    // A recognisable factory parameter set: block 1 counts up, block 2 counts down.
    for (int i = 0; i < 1024; ++i) {
        setRom(0x3800 + i, static_cast<quint16>((i * 37) % 2000));
        setRom(0x3C00 + i, static_cast<quint16>(1023 - i));
    }
}

bool SimDrive::loadParameterFile(const QString &path, int romBase, QString *error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, f.errorString());
        return false;
    }
    static const QRegularExpression leading(QStringLiteral("^\\s*([+-]?[0-9]+)"));
    std::vector<quint16> values;
    while (!f.atEnd() && values.size() < 1024) {
        const auto m = leading.match(QString::fromLatin1(f.readLine()));
        if (m.hasMatch())
            values.push_back(static_cast<quint16>(m.captured(1).toInt()));
    }
    if (values.size() < 1024) {
        if (error)
            *error = QStringLiteral("%1: only %2 values, 1024 needed").arg(path).arg(values.size());
        return false;
    }
    for (int i = 0; i < 1024; ++i)
        setRom(romBase + i, values[static_cast<size_t>(i)]);
    return true;
}

std::chrono::nanoseconds SimDrive::byteTime() const {
    if (baud_ <= 0)
        return 0ns;
    return std::chrono::nanoseconds(10'000'000'000LL / baud_);
}

void SimDrive::trace(const char *dir, const QByteArray &bytes, TimePoint at) {
    if (!trace_)
        return;
    const double t = std::chrono::duration<double>(at - epoch_).count();
    trace_(QStringLiteral("%1 %2 %3")
               .arg(t, 11, 'f', 6)
               .arg(QLatin1String(dir))
               .arg(QString::fromLatin1(bytes.toHex(' ').toUpper())));
}

void SimDrive::receive(const QByteArray &bytes, TimePoint now) {
    const auto bt = byteTime();
    for (const char b : bytes) {
        TimePoint arrival = now;
        if (bt > 0ns) {
            arrival = std::max(now, rxFree_) + bt;
            rxFree_ = arrival;
        }
        if (!partial_.isEmpty() && arrival - lastRx_ > kResyncGap)
            partial_.clear();
        lastRx_ = arrival;
        partial_.append(b);
        const int expected = (u8(partial_, 0) & 0x80) ? 6 : 3;
        if (partial_.size() == expected) {
            const QByteArray frame = partial_;
            partial_.clear();
            handleFrame(frame, arrival);
        }
    }
}

void SimDrive::writeWord(bool ram, int address, quint16 value) {
    if (ram)
        setRam(address, value);
    else
        setRom(address, value);
    if (ram && address == 0x0315) {
        if (value == 0xAAAA) {
            // New parameters: both blocks become what the drive keeps (and an upload reads).
            for (int i = 0; i < 2048; ++i)
                setRom(0x3800 + i, ram_[static_cast<size_t>(0xB800 + i)]);
        } else if (value == 0x5555) {
            setStatus(ram_[0x0280] | kRunning); // program stored and started
        }
    }
    if (ram && address == ScopeStream::kCommandAddress) {
        if (value == ScopeStream::kStartWord)
            streamRequested_ = true; // starts once the reply is out
        else if (value == ScopeStream::kStopWord)
            stream_.stop();
    }
    if (writeHook_)
        writeHook_(ram, address, value);
}

QByteArray SimDrive::answer(const QByteArray &frame, bool &silent) {
    silent = false;
    const int cmd = u8(frame, 0);
    const bool write = cmd & 0x80;
    const bool ram = !(cmd & 0x40);
    const int address = u8(frame, 1) * 256 + u8(frame, 2);
    if (write) {
        const int sum =
            (u8(frame, 0) + u8(frame, 1) + u8(frame, 2) + u8(frame, 3) + u8(frame, 4)) % 256;
        if (sum != u8(frame, 5)) {
            silent = true; // a damaged write is neither carried out nor answered
            return {};
        }
        const auto value = static_cast<quint16>(u8(frame, 3) * 256 + u8(frame, 4));
        writeWord(ram, address, storeWrong_ ? static_cast<quint16>(value ^ 1) : value);
        return frame;
    }
    const quint16 v = ram ? this->ram(address) : rom(address);
    QByteArray reply = frame;
    reply.append(static_cast<char>(v >> 8));
    reply.append(static_cast<char>(v & 0xFF));
    reply.append(static_cast<char>(((v >> 8) + (v & 0xFF)) % 256));
    return reply;
}

void SimDrive::handleFrame(const QByteArray &frame, TimePoint done) {
    trace("RX", frame, done);
    const int drive = u8(frame, 0) & 0x3F;
    if (vanished_ || (drive != driveNumber_ && drive != 0 && drive != 63))
        return;
    const int n = ++transactions_;
    const QList<bool> hit = faultsHitting(u8(frame, 1) * 256 + u8(frame, 2), n);
    for (qsizetype i = 0; i < faults_.size(); ++i) {
        if (faults_[i].kind == FaultKind::Vanish && hit[i]) {
            vanished_ = true;
            out_.clear();
            return;
        }
        if (faults_[i].kind == FaultKind::Silence && hit[i])
            return;
    }
    if (requestHook_) {
        const int cmd = u8(frame, 0);
        requestHook_(cmd & 0x80, !(cmd & 0x40), u8(frame, 1) * 256 + u8(frame, 2), done);
    }
    bool silent = false;
    streamRequested_ = false;
    storeWrong_ = false;
    for (qsizetype i = 0; i < faults_.size(); ++i)
        storeWrong_ = storeWrong_ || (hit[i] && faults_[i].kind == FaultKind::WrongStore);
    QByteArray reply = answer(frame, silent);
    if (streamRequested_ && (silent || drive == 63))
        stream_.start(done);
    if (silent || drive == 63)
        return;

    TimePoint start = std::max(done + turnaround_, txFree_);
    std::chrono::nanoseconds gap = 0ns;
    for (qsizetype i = 0; i < faults_.size(); ++i) {
        if (!hit[i])
            continue;
        switch (faults_[i].kind) {
        case FaultKind::NoReply:
            // Carried out all the same: a scope start begins streaming when its reply would have.
            if (streamRequested_)
                stream_.start(start);
            return;
        case FaultKind::PartialReply:
            reply.chop(1);
            break;
        case FaultKind::Trickle:
            gap = kTrickleGap;
            break;
        case FaultKind::WrongEcho:
            reply[1] = static_cast<char>(u8(reply, 1) ^ 0x01);
            break;
        case FaultKind::WrongChecksum:
            reply[5] = static_cast<char>(u8(reply, 5) ^ 0xFF);
            break;
        case FaultKind::ExtraBytes:
            reply.append('\x00');
            reply.append('\xEE');
            break;
        case FaultKind::LateReply:
            start += kLateBy;
            break;
        case FaultKind::Garbage:
            reply.prepend('\xFF');
            break;
        case FaultKind::Silence:
        case FaultKind::Vanish:
        case FaultKind::WrongStore:
            break;
        }
    }
    schedule(reply, start, gap);
    if (streamRequested_)
        stream_.start(txFree_);
}

QList<bool> SimDrive::faultsHitting(int address, int n) {
    QList<bool> hit;
    for (qsizetype i = 0; i < faults_.size(); ++i) {
        const Fault &f = faults_[i];
        if (f.address < 0)
            hit << f.hits(n);
        else
            hit << (f.address == address && f.hits(++faultSeen_[static_cast<size_t>(i)]));
    }
    return hit;
}

void SimDrive::schedule(const QByteArray &reply, TimePoint start, std::chrono::nanoseconds gap) {
    const auto bt = byteTime();
    TimePoint t = start;
    for (int i = 0; i < reply.size(); ++i) {
        if (i > 0)
            t += gap;
        t += bt;
        out_.push_back({t, reply.at(i)});
    }
    txFree_ = t;
    trace("TX", reply, start);
}

QByteArray SimDrive::takeDue(TimePoint now) {
    QByteArray bytes;
    for (;;) {
        const TimePoint reply = out_.empty() ? TimePoint::max() : out_.front().due;
        const TimePoint sample = stream_.nextDue();
        if (std::min(reply, sample) > now)
            break;
        if (reply <= sample) {
            bytes.append(out_.front().byte);
            out_.pop_front();
        } else {
            bytes.append(stream_.take());
        }
    }
    return bytes;
}

TimePoint SimDrive::nextDue() const {
    return std::min(out_.empty() ? TimePoint::max() : out_.front().due, stream_.nextDue());
}

} // namespace zr::sim
