#include "ui/core/live_display.h"

namespace orvane::ui {

LiveDisplay::LiveDisplay(link::DeviceLink& link, monitor::PollState& poll,
                         monitor::RealtimeData& data, frontend::Screen& screen,
                         const frontend::ScreenReader& input, const monitor::LocalClock& clock,
                         const catalogue::Language& language, monitor::CycleWatcher& cycleWatcher)
    : screen_(screen),
      input_(input),
      clock_(clock),
      clockFields_(input),
      view_(screen, input),
      monitor_(link, poll, data, clockFields_, language, {&view_}, &cycleWatcher),
      replug_(link, poll, screen, language) {}

void LiveDisplay::Timer1Timer() {
    replug_.BeforeTick();
    // After the unit's part, as ever; also while the link is stopped.
    monitor_.Tick([this] {
        if (input_.isChecked(frontend::controls::Ck_Agg_Clock))
            monitor::FollowPcClock(screen_, clock_);
    });
}

}  // namespace orvane::ui
