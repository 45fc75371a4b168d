#include "ui/core/live_display.h"

namespace orvane::ui {

namespace {
std::vector<monitor::SnapshotSink*> WithPresenterFirst(
    SnapshotView& view, const std::vector<monitor::SnapshotSink*>& more) {
    std::vector<monitor::SnapshotSink*> sinks{&view};
    sinks.insert(sinks.end(), more.begin(), more.end());
    return sinks;
}
}  // namespace

LiveDisplay::LiveDisplay(link::DeviceLink& link, monitor::PollState& poll,
                         monitor::RealtimeData& data, frontend::Screen& screen,
                         const frontend::ScreenReader& input, const monitor::LocalClock& clock,
                         const catalogue::Language& language, monitor::CycleWatcher& cycleWatcher,
                         const std::vector<monitor::SnapshotSink*>& moreSinks)
    : screen_(screen),
      input_(input),
      clock_(clock),
      clockFields_(input),
      view_(screen, input),
      monitor_(link, poll, data, clockFields_, language, WithPresenterFirst(view_, moreSinks),
               &cycleWatcher) {}

void LiveDisplay::Timer1Timer() {
    monitor_.Tick();
    // Also while the link is stopped.
    if (input_.isChecked(frontend::controls::Ck_Agg_Clock))
        monitor::FollowPcClock(screen_, clock_);
}

}  // namespace orvane::ui
