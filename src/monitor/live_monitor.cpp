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

void LiveMonitor::Tick(std::function<void()> end) {
    if (!link_.IsPortOpen()) {
        stepRunning_ = tickDue_ = false;
        if (end)
            end();
        return;
    }
    if (stepRunning_ && link_.Busy()) {
        tickDue_ = true;
        dueTick_ = std::move(end);
        return;
    }
    stepRunning_ = true;
    cycle_.BeginStep([this, end = std::move(end)] {
        stepRunning_ = false;
        handOut();
        if (end)
            end();
        if (std::exchange(tickDue_, false))
            Tick(std::exchange(dueTick_, nullptr));
    });
}

void LiveMonitor::handOut() {
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
