// The unit's part of the timer tick: while the port is open, one poll step, one decoder run
// and the tick's snapshot handed to every sink in the order given (the window's presenter
// first). Needs no window: a program without one gives it its own sinks and clock setting.
// Owns the poll cycle and the decoder; the data they work on and the sinks belong to its
// owner. Window thread only; ticks never overlap: on an event-driven link a tick that falls
// due while the last one's exchange runs waits for its end and then runs once (as a timer
// that fires late does), however many fell due.
#pragma once

#include <functional>
#include <vector>

#include "catalogue/message_catalogue.h"
#include "link/device_link.h"
#include "monitor/clock_setting.h"
#include "monitor/poll_cycle.h"
#include "monitor/realtime_data.h"
#include "monitor/realtime_decoder.h"
#include "monitor/snapshot_sink.h"

namespace orvane::monitor {

class LiveMonitor {
  public:
    // Every reference, every sink and the cycle's watcher when given must outlive this
    // object. `events` hears of every command the cycle sends.
    LiveMonitor(link::DeviceLink& link, PollState& poll, RealtimeData& data,
                const ClockSettingSource& clockSetting, const catalogue::Language& language,
                std::vector<SnapshotSink*> sinks, journal::EventSink& events = journal::NoEvents(),
                CycleWatcher* cycleWatcher = nullptr);

    // The tick; `end` is told once the tick's snapshot has gone to the sinks, or at once while
    // the port is closed. A stop during the exchange ends the tick untold.
    void Tick(std::function<void()> end = {});

    // Window shown: poll state, command flags and filters back to their start values.
    void ResetOnShow();

  private:
    void handOut();

    link::DeviceLink& link_;
    PollState& poll_;
    RealtimeData& data_;
    PollCycle cycle_;
    RealtimeDecoder decoder_;
    std::vector<SnapshotSink*> sinks_;
    bool stepRunning_ = false;
    std::function<void()> dueTick_;  // the end of the tick that fell due meanwhile
    bool tickDue_ = false;
};

}  // namespace orvane::monitor
