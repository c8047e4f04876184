#include "telnetcodec.h"

namespace zr {

namespace {

constexpr int kMaxSubnegotiation = 64; // longer ones are kept only in part
constexpr quint32 kLineBaudRate = 19200;

bool weCarryOut(unsigned char option) {
    return option == TelnetCodec::kBinary || option == TelnetCodec::kSuppressGoAhead ||
           option == TelnetCodec::kComPort;
}

bool serverCarriesOut(unsigned char option) {
    return option == TelnetCodec::kBinary || option == TelnetCodec::kSuppressGoAhead;
}

QByteArray command(unsigned char verb, unsigned char option) {
    QByteArray out;
    out += TelnetCodec::kIac;
    out += char(verb);
    out += char(option);
    return out;
}

QByteArray comPort(unsigned char cmd, const QByteArray &value) {
    QByteArray out;
    out += TelnetCodec::kIac;
    out += char(TelnetCodec::kSb);
    out += char(TelnetCodec::kComPort);
    out += char(cmd);
    out += TelnetCodec::encode(value);
    out += TelnetCodec::kIac;
    out += char(TelnetCodec::kSe);
    return out;
}

} // namespace

void TelnetCodec::reset() {
    *this = TelnetCodec();
}

QByteArray TelnetCodec::opening() {
    QByteArray out;
    for (const unsigned char option : {kBinary, kSuppressGoAhead, kComPort}) {
        local_[option] = Side::Asked;
        out += command(kWill, option);
    }
    for (const unsigned char option : {kBinary, kSuppressGoAhead}) {
        remote_[option] = Side::Asked;
        out += command(kDo, option);
    }
    QByteArray baud;
    for (const int shift : {24, 16, 8, 0})
        baud += char(kLineBaudRate >> shift & 0xFF);
    out += comPort(kSetBaudRate, baud);
    out += comPort(kSetDataSize, QByteArray(1, char(8)));
    out += comPort(kSetParity, QByteArray(1, char(1)));   // none
    out += comPort(kSetStopSize, QByteArray(1, char(1))); // one
    out += comPort(kSetControl, QByteArray(1, char(1)));  // no flow control
    return out;
}

QByteArray TelnetCodec::encode(const QByteArray &data) {
    QByteArray out;
    out.reserve(data.size() + data.count(kIac));
    for (const char c : data) {
        out += c;
        if (c == kIac)
            out += kIac;
    }
    return out;
}

QByteArray TelnetCodec::takeReplies() {
    QByteArray out;
    out.swap(replies_);
    return out;
}

void TelnetCodec::reply(unsigned char verb, unsigned char option) {
    replies_ += command(verb, option);
}

// The option rules of RFC 1143 in short: agree to what we want, refuse the rest, and answer only
// a request that changes something, so that two sides never bounce a request between them.
void TelnetCodec::negotiate(unsigned char verb, unsigned char option) {
    const bool forUs = verb == kDo || verb == kDont;
    Side &side = forUs ? local_[option] : remote_[option];
    const bool wanted = forUs ? weCarryOut(option) : serverCarriesOut(option);
    const bool enable = verb == kDo || verb == kWill;
    const unsigned char yes = forUs ? kWill : kDo;
    const unsigned char no = forUs ? kWont : kDont;
    if (enable) {
        if (!wanted) {
            reply(no, option);
        } else if (side == Side::Off) {
            side = Side::On;
            reply(yes, option);
        } else {
            side = Side::On;
        }
    } else {
        if (side == Side::On)
            reply(no, option);
        side = Side::Off;
    }
}

void TelnetCodec::subnegotiation() {
    if (sub_.size() < 2 || static_cast<unsigned char>(sub_.at(0)) != kComPort)
        return;
    const auto at = [this](int i) { return static_cast<unsigned char>(sub_.at(i)); };
    const int cmd = at(1) - kServerOffset;
    if (cmd == kSetBaudRate && sub_.size() >= 6)
        confirmedBaud_ = quint32(at(2)) << 24 | quint32(at(3)) << 16 | quint32(at(4)) << 8 | at(5);
    else if (cmd == kSetDataSize && sub_.size() >= 3)
        confirmedDataSize_ = at(2);
}

QByteArray TelnetCodec::decode(const QByteArray &received) {
    QByteArray out;
    out.reserve(received.size());
    for (const char c : received) {
        const auto b = static_cast<unsigned char>(c);
        switch (state_) {
        case State::Data:
            if (c == kIac)
                state_ = State::Iac;
            else
                out += c;
            break;
        case State::Iac:
            if (c == kIac) {
                out += c;
                state_ = State::Data;
            } else if (b >= kWill) {
                verb_ = b;
                state_ = State::Option;
            } else if (b == kSb) {
                sub_.clear();
                state_ = State::Sub;
            } else {
                state_ = State::Data; // NOP, go-ahead, break and the like: nothing for the drive
            }
            break;
        case State::Option:
            negotiate(verb_, b);
            state_ = State::Data;
            break;
        case State::Sub:
            if (c == kIac)
                state_ = State::SubIac;
            else if (sub_.size() < kMaxSubnegotiation)
                sub_ += c;
            break;
        case State::SubIac:
            if (c == kIac) {
                if (sub_.size() < kMaxSubnegotiation)
                    sub_ += c;
                state_ = State::Sub;
            } else {
                // IAC SE ends it; any other command after IAC ends a malformed one as well.
                subnegotiation();
                state_ = State::Data;
            }
            break;
        }
    }
    return out;
}

} // namespace zr
