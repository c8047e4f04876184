#include "scopeinput.h"

#include "serialport.h"

namespace zr::scope {

namespace {
// Bytes kept when nobody reads: more than the longest screen a tick reads at once.
constexpr qsizetype kMaxPending = 1 << 20;
} // namespace

ScopeInput::ScopeInput(std::unique_ptr<SerialPort> port) : port_(std::move(port)) {}

ScopeInput::~ScopeInput() = default;

bool ScopeInput::isOpen() const {
    return port_->IsOpen();
}

bool ScopeInput::open() {
    pending_.clear();
    return port_->IsOpen() || port_->Open();
}

void ScopeInput::close() {
    pending_.clear();
    if (port_->IsOpen())
        port_->Close();
}

void ScopeInput::discard() {
    discarded_ += pending_.size();
    pending_.clear();
    if (port_->IsOpen())
        discarded_ += port_->ReadAvailable().size();
}

qsizetype ScopeInput::waiting() {
    if (port_->IsOpen()) {
        pending_ += port_->ReadAvailable();
        if (pending_.size() > kMaxPending)
            pending_.remove(0, pending_.size() - kMaxPending); // the oldest go first
    }
    return pending_.size();
}

QByteArray ScopeInput::read(qsizetype n) {
    if (n <= 0)
        return {};
    if (n > pending_.size())
        waiting();
    const QByteArray out = pending_.left(n);
    pending_.remove(0, out.size());
    return out;
}

bool ScopeInput::waitForData(int ms) {
    return port_->waitForData(ms);
}

} // namespace zr::scope
