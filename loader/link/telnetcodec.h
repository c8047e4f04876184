#pragma once

#include <QByteArray>

#include <array>

namespace zr {

// The client side of a telnet connection with com-port control (RFC 854, RFC 2217), as a serial
// bridge such as ser2net's telnet(rfc2217) accepter offers it. Pure bytes in, bytes out: the port
// that owns the socket feeds what arrives to decode() and sends what encode(), opening() and
// takeReplies() give.
//
// Drive bytes pass unchanged in both directions: 0xFF goes out doubled and comes back single.
// Negotiation and sub-negotiation are taken out of the received stream; a sequence split over
// several reads is held until its end arrives.
class TelnetCodec {
public:
    // Telnet commands and options.
    static constexpr char kIac = char(0xFF);
    static constexpr unsigned char kSe = 240, kSb = 250, kWill = 251, kWont = 252, kDo = 253,
                                   kDont = 254;
    static constexpr unsigned char kBinary = 0, kEcho = 1, kSuppressGoAhead = 3, kComPort = 44;
    // Com-port commands, client to server; the server's answers add 100.
    static constexpr unsigned char kSetBaudRate = 1, kSetDataSize = 2, kSetParity = 3,
                                   kSetStopSize = 4, kSetControl = 5;
    static constexpr unsigned char kServerOffset = 100;

    // What the connection asks for as it opens: binary transmission both ways, no go-ahead, the
    // com-port option, then 19200 baud, 8 data bits, no parity, 1 stop bit, no flow control.
    QByteArray opening();

    // Drive bytes as they go on the connection.
    static QByteArray encode(const QByteArray &data);
    // The drive bytes in what arrived; answers to the server's requests wait in takeReplies().
    QByteArray decode(const QByteArray &received);
    QByteArray takeReplies();

    // The line settings the server last confirmed (0 until it has).
    quint32 confirmedBaudRate() const { return confirmedBaud_; }
    int confirmedDataSize() const { return confirmedDataSize_; }
    // Starts afresh for a new connection.
    void reset();

private:
    enum class State { Data, Iac, Option, Sub, SubIac };
    enum class Side { Off, Asked, On };

    void negotiate(unsigned char verb, unsigned char option);
    void subnegotiation();
    void reply(unsigned char verb, unsigned char option);

    State state_ = State::Data;
    unsigned char verb_ = 0;
    QByteArray sub_;
    QByteArray replies_;
    std::array<Side, 256> local_{};  // options we carry out (WILL / WONT)
    std::array<Side, 256> remote_{}; // options the server carries out (DO / DONT)
    quint32 confirmedBaud_ = 0;
    int confirmedDataSize_ = 0;
};

} // namespace zr
