#include "simulatedline.h"

namespace zr::sim {

bool SimulatedLine::start(QString *error) {
    if (!server_.open(error))
        return false;
    menu_.attach();
    thread_ = std::thread([this] { server_.run(); });
    return true;
}

SimulatedLine::~SimulatedLine() {
    server_.stop();
    if (thread_.joinable())
        thread_.join();
}

} // namespace zr::sim
