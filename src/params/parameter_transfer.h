// What the import and the export share: the port they take over from the poll link, the
// protocol pauses, the operator and the progress dialog. Plain references, owned by the
// program root; window thread.
#pragma once

#include <cstdint>
#include <functional>

#include "catalogue/message_catalogue.h"
#include "frontend/operator_dialogs.h"
#include "frontend/screen.h"
#include "frontend/transfer_progress.h"
#include "link/delay.h"
#include "link/device_link.h"
#include "monitor/link_control.h"
#include "monitor/poll_state.h"

namespace orvane::params {

struct TransferContext {
    link::DeviceLink& link;
    link::Delay& delay;
    const monitor::PollState& poll;  // FwVersionError
    monitor::LinkControl& linkControl;
    const frontend::ScreenReader& input;
    frontend::OperatorDialogs& dialogs;
    const catalogue::Language& language;
    frontend::TransferProgress& progress;
};

// Opens the port selected in `Cb_Sel_Porta`; on failure shows the opening error (with what
// to do about it) and returns false.
bool OpenSelectedPort(const TransferContext& c);

// The start of every transfer that reads the unit first (import, comparison): refused with
// the firmware message while the unit's firmware is not the required one; otherwise stops
// the poll link, lets the unit settle and opens the selected port. False when nothing may
// be read (the operator has been told why).
bool OpenPortForReading(const TransferContext& c);
// The same with the unit's settling time as a pause on the link; `done` is told the answer.
void BeginOpenPortForReading(const TransferContext& c, std::function<void(bool)> done);

}  // namespace orvane::params
