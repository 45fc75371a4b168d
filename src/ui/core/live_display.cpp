#include "ui/core/live_display.h"

namespace orvane::ui {

namespace {

std::vector<monitor::SnapshotSink*> PresenterFirst(monitor::SnapshotSink& presenter,
                                                   std::vector<monitor::SnapshotSink*> later) {
    later.insert(later.begin(), &presenter);
    return later;
}

}  // namespace

LiveDisplay::LiveDisplay(link::DeviceLink& link, monitor::PollState& poll,
                         monitor::RealtimeData& data, frontend::Screen& screen,
                         const frontend::ScreenReader& input, const monitor::LocalClock& clock,
                         const catalogue::Language& language, monitor::BusHealth& health,
                         std::vector<monitor::SnapshotSink*> laterSinks, journal::EventSink& events)
    : screen_(screen),
      input_(input),
      clock_(clock),
      clockFields_(input),
      view_(screen, input),
      monitor_(link, poll, data, clockFields_, language,
               PresenterFirst(view_, std::move(laterSinks)), events, &health),
      replug_(link, poll, screen, language, health, events) {}

void LiveDisplay::Timer1Timer() {
    replug_.BeforeTick();
    // After the unit's part, as ever; also while the link is stopped.
    monitor_.Tick([this] {
        if (input_.isChecked(frontend::controls::Ck_Agg_Clock))
            monitor::FollowPcClock(screen_, clock_);
    });
}

}  // namespace orvane::ui
