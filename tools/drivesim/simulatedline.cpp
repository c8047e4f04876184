#include "simulatedline.h"

namespace zr::sim {

bool SimulatedLine::start(QString *error) {
    menu_.attach();
    return plugIn(error);
}

SimulatedLine::~SimulatedLine() {
    halt();
}

void SimulatedLine::halt() {
    if (server_)
        server_->stop();
    if (thread_.joinable())
        thread_.join();
}

void SimulatedLine::withDrive(const std::function<void(SimDrive &)> &change) {
    if (server_)
        server_->withDrive(change);
    else
        change(drive_);
}

void SimulatedLine::pull() {
    if (server_)
        server_->closeLine();
    if (thread_.joinable())
        thread_.join();
}

bool SimulatedLine::plugIn(QString *error) {
    halt();
    server_.reset(); // the old device goes, and with it the link to it
    drive_.restoreLine();
    server_ = std::make_unique<PtyServer>(drive_);
    if (!server_->open(error) || (!linkPath_.isEmpty() && !server_->link(linkPath_, error))) {
        server_.reset();
        return false;
    }
    thread_ = std::thread([server = server_.get()] { server->run(); });
    return true;
}

} // namespace zr::sim
