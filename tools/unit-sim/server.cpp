#include "unit-sim/server.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace orvane::unitsim {

Server::Server(const ServerParts& parts, const volatile std::sig_atomic_t& stop, int wakeFd)
    : parts_(parts), stop_(stop), wakeFd_(wakeFd) {}

void Server::applyControlLine(const std::string& line) {
    if (line.find_first_not_of(" \t\r") == std::string::npos)
        return;
    std::string error;
    if (!ApplyControlLine(line, parts_.settings, error)) {
        std::fprintf(stderr, "orvane-unit-sim: control: %s\n", error.c_str());
        return;
    }
    parts_.faults.configure(parts_.settings.faults);
    if (parts_.settings.chargeFault == Settings::ChargeFault::Raise)
        parts_.model.raiseChargeFault();
    if (parts_.settings.chargeFault == Settings::ChargeFault::Clear)
        parts_.model.resetChargeFault();
    parts_.settings.chargeFault = Settings::ChargeFault::Keep;
    std::fprintf(stderr, "orvane-unit-sim: control: %s\n", line.c_str());
}

void Server::applyPendingControl() {
    if (!parts_.control)
        return;
    for (const std::string& line : parts_.control->readLines())
        applyControlLine(line);
}

void Server::serve(const Bytes& request, double receivedMs) {
    if (parts_.log)
        parts_.log->record(receivedMs, Direction::Received, request);
    parts_.model.advanceTo(receivedMs / 1000.0, std::time(nullptr));
    // A request the unit does not hear has no effect either.
    if (parts_.faults.ignoreRequest())
        return;
    std::optional<Bytes> answer = parts_.responder.answer(request);
    if (!answer || parts_.faults.loseAnswerTo(request))
        return;
    const Transmission t = parts_.faults.shape(std::move(*answer));

    const Settings& s = parts_.settings;
    // On a pseudo-terminal the request arrives all at once; paced, the answer also waits
    // for the time the request would have taken on the wire.
    double start = receivedMs + s.turnaroundMs;
    if (s.pace)
        start += static_cast<double>(request.size()) * ByteTimeMs;
    SleepUntilMs(start, &stop_);
    // Logged before it goes out, so whoever has read the answer finds it in the log.
    if (parts_.log)
        parts_.log->record(MonotonicMs(), Direction::Sent, t.all());
    parts_.line.send(t.head, s.pace, &stop_);
    if (!t.tail.empty()) {
        SleepUntilMs(MonotonicMs() + t.gapMs, &stop_);
        parts_.line.send(t.tail, s.pace, &stop_);
    }
}

bool Server::run() {
    while (!stop_) {
        pollfd fds[3] = {{parts_.line.fd(), POLLIN, 0}, {wakeFd_, POLLIN, 0}, {-1, POLLIN, 0}};
        if (parts_.control)
            fds[2].fd = parts_.control->fd();
        const int ready = ::poll(fds, 3, reader_.pending() ? QuietLineMs : -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            std::fprintf(stderr, "orvane-unit-sim: poll: %s\n", std::strerror(errno));
            return false;
        }
        if (stop_)
            break;

        std::vector<Bytes> requests;
        const double now = MonotonicMs();
        if (fds[0].revents & POLLIN) {
            std::uint8_t buffer[512];
            std::size_t n;
            while ((n = parts_.line.readAvailable(buffer)) > 0) {
                auto found = reader_.feed(std::span(buffer, n));
                requests.insert(requests.end(), found.begin(), found.end());
            }
        } else if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            std::fprintf(stderr, "orvane-unit-sim: the line to %s failed\n",
                         parts_.line.portPath().c_str());
            return false;
        } else if (ready == 0 && reader_.pending()) {
            requests = reader_.expire();
        }
        // A control line written before a request is in place before that request is served.
        applyPendingControl();
        for (const Bytes& request : requests) {
            if (stop_)
                break;
            serve(request, now);
        }
    }
    return true;
}

}  // namespace orvane::unitsim
