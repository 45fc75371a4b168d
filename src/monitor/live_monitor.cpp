#include "monitor/live_monitor.h"

#include <utility>

namespace orvane::monitor {

LiveMonitor::LiveMonitor(link::DeviceLink& link, PollState& poll, RealtimeData& data,
                         const ClockSettingSource& clockSetting,
                         const catalogue::Language& language, std::vector<SnapshotSink*> sinks,
                         journal::EventSink& events, CycleWatcher* cycleWatcher)
    : link_(link),
      poll_(poll),
      data_(data),
      cycle_(link, poll, clockSetting, language, events, cycleWatcher),
      decoder_(poll, data, language),
      sinks_(std::move(sinks)) {}

void LiveMonitor::Tick() {
    if (!link_.IsPortOpen())
        return;
    cycle_.RunStep();
    // Also after a failed or empty step: the sinks get the last good blocks again.
    const UnitSnapshot snapshot = decoder_.Run();
    for (SnapshotSink* sink : sinks_)
        sink->take(snapshot);
}

void LiveMonitor::ResetOnShow() {
    ResetPollStateOnShow(poll_);
    data_.ResetFilters();
}

}  // namespace orvane::monitor
