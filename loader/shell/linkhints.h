#pragma once

// The hint line of the link page: why a port does not open, or a USB adapter or a network that
// slows the line, in the user's language.

#include <QString>

namespace zr {
class SerialPort;
}

namespace zr::shell {

// Why the port last failed to open, with what to do about it; empty when it did not fail.
QString PortFailureHint(const SerialPort &port, int language);
// Why a network port (tcp://, rfc2217://) failed to open or closed: no connection, or a lost one.
QString NetworkFailureHint(const SerialPort &port, int language);
// A warning when a network port's round trip is too slow for the drive's reply limit; empty
// otherwise.
QString NetworkDelayHint(const SerialPort &port, qint64 roundTripUs, int language);
// A warning when a USB adapter's latency timer is above 2 ms; empty otherwise.
QString LatencyHint(int latencyMs, int language);

} // namespace zr::shell
