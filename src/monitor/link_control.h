// Start and stop of the poll link: the `Bt_Open` button and the stop that parameter
// transfers run before they take the port over. Owned by the session; window thread only.
#pragma once

#include "catalogue/message_catalogue.h"
#include "link/device_link.h"
#include "monitor/operator_dialogs.h"
#include "monitor/poll_state.h"
#include "monitor/screen.h"

namespace orvane::monitor {

class LinkControl {
  public:
    // Every reference must outlive this object.
    LinkControl(link::DeviceLink& link, PollState& poll, Screen& screen, const ScreenReader& input,
                OperatorDialogs& dialogs, const catalogue::Language& language);

    void Bt_OpenClick();  // StopLink while a port is open, StartLink otherwise
    void StartLink();
    void StopLink();
    // Window closing: port closed, lamp off, timer off; nothing asked, no text changed.
    void CloseOnExit();

  private:
    link::DeviceLink& link_;
    PollState& poll_;
    Screen& screen_;
    const ScreenReader& input_;
    OperatorDialogs& dialogs_;
    const catalogue::Language& language_;
};

}  // namespace orvane::monitor
