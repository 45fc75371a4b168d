// Start and stop of the poll link: the `Bt_Open` button and the stop that parameter
// transfers run before they take the port over. The window's poll timer runs while the link
// is started; each start counts the bus health afresh. Starts, stops, opening errors and the
// commands a stop drops go to `events`. Owned by the program root; window thread only.
#pragma once

#include "catalogue/message_catalogue.h"
#include "frontend/operator_dialogs.h"
#include "frontend/screen.h"
#include "journal/event_sink.h"
#include "link/device_link.h"
#include "monitor/bus_health.h"
#include "monitor/device_replug.h"
#include "monitor/poll_state.h"
#include "monitor/poll_timer.h"

namespace orvane::monitor {

class LinkControl {
  public:
    // Every reference must outlive this object.
    LinkControl(link::DeviceLink& link, PollState& poll, frontend::Screen& screen,
                const frontend::ScreenReader& input, PollTimer& timer,
                frontend::OperatorDialogs& dialogs, const catalogue::Language& language,
                BusHealth& health, DeviceReplug& replug,
                journal::EventSink& events = journal::NoEvents());

    void Bt_OpenClick();  // StopLink while started, StartLink otherwise
    // The port is open, or its device went away and is being waited for.
    bool Started() const { return link_.IsPortOpen() || replug_.waiting(); }
    void StartLink();
    void StopLink();
    // Window closing: port closed, lamp off, timer off; nothing asked, no text changed.
    void CloseOnExit();

  private:
    link::DeviceLink& link_;
    PollState& poll_;
    frontend::Screen& screen_;
    const frontend::ScreenReader& input_;
    PollTimer& timer_;
    frontend::OperatorDialogs& dialogs_;
    const catalogue::Language& language_;
    BusHealth& health_;
    DeviceReplug& replug_;
    journal::EventSink& events_;
};

}  // namespace orvane::monitor
