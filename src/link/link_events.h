// What the event-driven link asks of the loop it runs in, and what it is told back. The window
// implements it over its event loop (a socket notifier on the port and one single-shot
// timer), tests over a simulated clock, so no test sleeps. The loop belongs to whoever builds
// the program; the link attaches itself at construction. Window thread only.
#pragma once

#include <chrono>

namespace orvane::link {

using Micros = std::chrono::microseconds;

// Told by the loop: the armed timer is due, or the watched port has input (or hung up).
class LinkEventSink {
  public:
    virtual ~LinkEventSink() = default;
    virtual void timerDue() = 0;
    virtual void inputReady() = 0;
};

class LinkEvents {
  public:
    virtual ~LinkEvents() = default;
    // The sink every later event goes to; null: none.
    virtual void attach(LinkEventSink* sink) = 0;
    // A steady clock (any origin).
    virtual Micros now() const = 0;
    // One timer: timerDue() once `at` has come. Arming again replaces it.
    virtual void armTimer(Micros at) = 0;
    virtual void cancelTimer() = 0;
    // While on, inputReady() follows whenever the port has bytes to read or hung up.
    virtual void watchInput(bool on) = 0;
    // A fixed wait of the protocol (the turnaround, the pauses of the transfers): the timer
    // armed `ms` from now. Told apart so that a test can record the waits.
    virtual void armPause(unsigned ms) { armTimer(now() + std::chrono::milliseconds(ms)); }
};

}  // namespace orvane::link
