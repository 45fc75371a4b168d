#include "monitor/live_monitor.h"

#include "monitor/clock_setting.h"

namespace orvane::monitor {

LiveMonitor::LiveMonitor(link::DeviceLink& link, PollState& poll, RealtimeData& data,
                         frontend::Screen& screen, const frontend::ScreenReader& input,
                         const LocalClock& clock, const catalogue::Language& language)
    : link_(link),
      poll_(poll),
      data_(data),
      screen_(screen),
      input_(input),
      clock_(clock),
      cycle_(link, poll, input),
      decoder_(poll, data, screen, input, language) {}

void LiveMonitor::Timer1Timer() {
    if (link_.IsPortOpen()) {
        cycle_.RunStep();
        decoder_.Run();  // also after a failed or empty step: the screens show the last blocks
    }
    if (input_.isChecked(frontend::controls::Ck_Agg_Clock))
        FollowPcClock(screen_, clock_);
}

void LiveMonitor::ResetOnShow() {
    ResetPollStateOnShow(poll_);
    data_.ResetFilters();
}

}  // namespace orvane::monitor
