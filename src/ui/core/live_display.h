// The live link as the window runs it (`Timer1Timer`): the unit's part of the tick
// (`LiveMonitor`, with the window's presenter as its first sink, then the program's other
// sinks, and the clock-setting fields as what the clock command sends), then the window's
// own part, the PC clock copied into those fields while `Ck_Agg_Clock` is on. Owned by the
// program root (`Program`) for the whole run; window thread only.
#pragma once

#include <vector>

#include "catalogue/message_catalogue.h"
#include "frontend/screen.h"
#include "journal/event_sink.h"
#include "link/device_link.h"
#include "monitor/bus_health.h"
#include "monitor/clock_setting.h"
#include "monitor/device_replug.h"
#include "monitor/live_monitor.h"
#include "monitor/local_clock.h"
#include "monitor/poll_state.h"
#include "monitor/realtime_data.h"
#include "ui/core/snapshot_view.h"

namespace orvane::ui {

class LiveDisplay {
  public:
    // Every reference, and every sink, must outlive this object. `laterSinks` take each
    // snapshot after the presenter; `events` hears of the commands the cycle sends and of a
    // lost and found device; `health` is told of every completed poll cycle and reconnect.
    LiveDisplay(link::DeviceLink& link, monitor::PollState& poll, monitor::RealtimeData& data,
                frontend::Screen& screen, const frontend::ScreenReader& input,
                const monitor::LocalClock& clock, const catalogue::Language& language,
                monitor::BusHealth& health, std::vector<monitor::SnapshotSink*> laterSinks = {},
                journal::EventSink& events = journal::NoEvents());
    LiveDisplay(const LiveDisplay&) = delete;
    LiveDisplay& operator=(const LiveDisplay&) = delete;

    void Timer1Timer();

    // Window shown: poll state, command flags and filters back to their start values.
    void ResetOnShow() { monitor_.ResetOnShow(); }
    // The re-plug recovery run at the start of each tick (the link control stops it).
    monitor::DeviceReplug& replug() { return replug_; }

  private:
    frontend::Screen& screen_;
    const frontend::ScreenReader& input_;
    const monitor::LocalClock& clock_;
    monitor::ClockSettingFields clockFields_;
    SnapshotView view_;
    monitor::LiveMonitor monitor_;
    monitor::DeviceReplug replug_;
};

}  // namespace orvane::ui
