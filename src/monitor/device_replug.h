// Re-plug recovery: while the link is started, a port whose device went away (adapter
// pulled) is closed and the same device, by the path it was opened on (the stable
// /dev/serial/by-id path where the entry has one), is tried again about every second; the
// LED-matrix line says "Riconnessione..." meanwhile. Once it opens, the poll cycle goes on
// at the step where it stopped. Stop ends the attempts. Run at the start of every tick. The
// journal hears of the loss and the return, and the bus health counts the returns.
// Owned by the live display (program root); window thread only.
#pragma once

#include "catalogue/message_catalogue.h"
#include "frontend/screen.h"
#include "journal/event_sink.h"
#include "link/device_link.h"
#include "monitor/bus_health.h"
#include "monitor/poll_state.h"

namespace orvane::monitor {

// Ticks of 75 ms between two attempts: about a second.
inline constexpr int ReplugAttemptTicks = 13;

class DeviceReplug {
  public:
    // Every reference must outlive this object.
    DeviceReplug(link::DeviceLink& link, PollState& poll, frontend::Screen& screen,
                 const catalogue::Language& language, BusHealth& health,
                 journal::EventSink& events);

    // Notices a hung-up port, or makes the attempt that is due.
    void BeforeTick();
    // The operator stopped the link (or the window closes): no more attempts.
    void Stop() { waiting_ = false; }
    // Started, waiting for the device to come back.
    bool waiting() const { return waiting_; }

  private:
    link::DeviceLink& link_;
    PollState& poll_;
    frontend::Screen& screen_;
    const catalogue::Language& language_;
    BusHealth& health_;
    journal::EventSink& events_;
    bool waiting_ = false;
    int ticksToAttempt_ = 0;
};

}  // namespace orvane::monitor
