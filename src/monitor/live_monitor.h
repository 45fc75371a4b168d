// The unit's part of the timer tick: while the port is open, one poll step, one decoder run
// and the tick's snapshot handed to every sink in the order given (the window's presenter
// first). Needs no window: a program without one gives it its own sinks and clock setting.
// Owns the poll cycle and the decoder; the data they work on and the sinks belong to its
// owner. Window thread only; ticks never overlap.
#pragma once

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

    void Tick();

    // Window shown: poll state, command flags and filters back to their start values.
    void ResetOnShow();

  private:
    link::DeviceLink& link_;
    PollState& poll_;
    RealtimeData& data_;
    PollCycle cycle_;
    RealtimeDecoder decoder_;
    std::vector<SnapshotSink*> sinks_;
};

}  // namespace orvane::monitor
