#pragma once

// The hint line of the link page: why a port does not open, or a USB adapter that slows the line,
// in the user's language.

#include <QString>

namespace zr {
class SerialPort;
}

namespace zr::shell {

// Why the port last failed to open, with what to do about it; empty when it did not fail.
QString PortFailureHint(const SerialPort &port, int language);
// A warning when a USB adapter's latency timer is above 2 ms; empty otherwise.
QString LatencyHint(int latencyMs, int language);

} // namespace zr::shell
