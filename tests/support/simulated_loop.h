// The event loop of the event-driven link for tests: a simulated clock, one timer and the
// input watch on a FakeSerialPort, run by hand so that no test sleeps. Records the protocol's
// fixed waits in `pauses`, and in the FakeDelay given, as the blocking path records them
// there. Single-threaded; owned by the test.
#pragma once

#include <chrono>
#include <optional>
#include <stdexcept>
#include <vector>

#include "link/link_events.h"
#include "support/fake_serial_port.h"

namespace orvane::testing {

class SimulatedLoop final : public link::LinkEvents {
  public:
    explicit SimulatedLoop(FakeSerialPort& port, FakeDelay* waits = nullptr)
        : port_(port), waits_(waits) {}

    void attach(link::LinkEventSink* sink) override { sink_ = sink; }
    link::Micros now() const override { return now_; }
    void armTimer(link::Micros at) override { timer_ = at; }
    void cancelTimer() override { timer_.reset(); }
    void watchInput(bool on) override { watching_ = on; }
    void armPause(unsigned ms) override {
        pauses.push_back(ms);
        if (waits_)
            waits_->waitMs(ms);
        armTimer(now_ + std::chrono::milliseconds(ms));
    }

    // Delivers input and due timers in time order up to `until`; the clock ends there.
    void runUntil(link::Micros until) {
        while (step(until)) {
        }
        now_ = std::max(now_, until);
    }
    void runFor(std::chrono::milliseconds span) { runUntil(now_ + span); }
    // Runs until nothing is armed or watched with input to come.
    void runUntilIdle() {
        while (step(link::Micros::max())) {
        }
    }
    bool idle() const { return !timer_ && !(watching_ && port_.inputReady()); }
    bool timerArmed() const { return timer_.has_value(); }
    bool watching() const { return watching_; }

    std::vector<unsigned> pauses;

  private:
    bool step(link::Micros until) {
        if (++events_ > 1'000'000)
            throw std::runtime_error("the link keeps the loop busy");
        if (sink_ && watching_ && port_.inputReady()) {
            sink_->inputReady();
            return true;
        }
        if (sink_ && timer_ && *timer_ <= until) {
            now_ = std::max(now_, *timer_);
            timer_.reset();
            sink_->timerDue();
            return true;
        }
        return false;
    }

    FakeSerialPort& port_;
    FakeDelay* waits_;
    link::LinkEventSink* sink_ = nullptr;
    link::Micros now_{0};
    std::optional<link::Micros> timer_;
    bool watching_ = false;
    long events_ = 0;
};

}  // namespace orvane::testing
