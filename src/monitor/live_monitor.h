// The timer tick of the live link (`Timer1Timer`): one poll step and one decoder run while
// the port is open, then the PC clock into the clock-setting fields when the operator asks
// for it. Owns the poll cycle and the decoder; the data they work on belong to the
// session. Window thread only; ticks never overlap.
#pragma once

#include "link/device_link.h"
#include "monitor/local_clock.h"
#include "monitor/poll_cycle.h"
#include "monitor/realtime_data.h"
#include "monitor/realtime_decoder.h"

namespace orvane::monitor {

class LiveMonitor {
  public:
    // Every reference must outlive this object.
    LiveMonitor(link::DeviceLink& link, PollState& poll, RealtimeData& data,
                frontend::Screen& screen, const frontend::ScreenReader& input,
                const LocalClock& clock, const catalogue::Language& language);

    void Timer1Timer();

    // Window shown: poll state, command flags and filters back to their start values.
    void ResetOnShow();

  private:
    link::DeviceLink& link_;
    PollState& poll_;
    RealtimeData& data_;
    frontend::Screen& screen_;
    const frontend::ScreenReader& input_;
    const LocalClock& clock_;
    PollCycle cycle_;
    RealtimeDecoder decoder_;
};

}  // namespace orvane::monitor
