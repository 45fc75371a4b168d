// The simulator's main loop: waits on the line, the control FIFO and the stop signal, cuts
// requests out of the line, lets the unit answer them after its turnaround and puts the
// (possibly faulty) answers on the line. Runs on the main thread until told to stop.
#pragma once

#include <csignal>

#include "unit-sim/control.h"
#include "unit-sim/fault_injector.h"
#include "unit-sim/frame_log.h"
#include "unit-sim/line_port.h"
#include "unit-sim/live_model.h"
#include "unit-sim/request_reader.h"
#include "unit-sim/settings.h"
#include "unit-sim/unit_responder.h"

namespace orvane::unitsim {

// A request cut short stays pending this long after the last byte before it is given up.
inline constexpr int QuietLineMs = 20;

struct ServerParts {
    LinePort& line;
    UnitResponder& responder;
    LiveModel& model;
    FaultInjector& faults;
    Settings& settings;
    ControlFifo* control = nullptr;  // optional
    FrameLog* log = nullptr;         // optional
};

class Server {
  public:
    // `stop` is raised by the signal handler, which also writes a byte to `wakeFd`.
    Server(const ServerParts& parts, const volatile std::sig_atomic_t& stop, int wakeFd);

    // Serves until `stop` is raised (true) or the line fails (false).
    bool run();

    // Applies control lines; takes effect for every request read after it.
    void applyControlLine(const std::string& line);

  private:
    void applyPendingControl();
    void serve(const Bytes& request, double receivedMs);

    ServerParts parts_;
    const volatile std::sig_atomic_t& stop_;
    int wakeFd_;
    RequestReader reader_;
};

}  // namespace orvane::unitsim
