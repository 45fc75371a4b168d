// What the import and the export share: the port they take over from the poll link, the
// protocol pauses, and the operator. Plain references, owned by the program root; window thread.
#pragma once

#include <cstdint>

#include "catalogue/message_catalogue.h"
#include "frontend/operator_dialogs.h"
#include "frontend/screen.h"
#include "journal/event_sink.h"
#include "link/delay.h"
#include "link/device_link.h"
#include "monitor/link_control.h"
#include "monitor/poll_state.h"

namespace orvane::params {

// How a transfer ended, for a caller that acts on it (a script's exit status); the operator
// has been told in words already.
enum class TransferOutcome : std::uint8_t {
    done,
    portNotOpened,
    incompatibleFirmware,
    noAnswer,     // the unit did not answer, or stopped answering part-way
    checkFailed,  // a value failed a check: nothing was sent
    fileFailed,   // a file could not be read or written
    unitRefused,  // the unit refused a write, or holds other values than were sent
    cancelled,    // the operator said No (or closed a dialog)
};

struct TransferContext {
    link::DeviceLink& link;
    link::Delay& delay;
    const monitor::PollState& poll;  // FwVersionError
    monitor::LinkControl& linkControl;
    const frontend::ScreenReader& input;
    frontend::OperatorDialogs& dialogs;
    const catalogue::Language& language;
    // Outcomes and refusals, as the operator is told them.
    journal::EventSink& events = journal::NoEvents();
};

// Opens the port selected in `Cb_Sel_Porta`; on failure shows and journals the opening error
// (with what to do about it) and returns false.
bool OpenSelectedPort(const TransferContext& c);

// The start of every transfer that reads the unit first (import, comparison): refused with
// the firmware message while the unit's firmware is not the required one; otherwise stops
// the poll link, lets the unit settle and opens the selected port. Anything but done when
// nothing may be read (the operator has been told why): what stood in the way.
TransferOutcome OpenPortForReading(const TransferContext& c);

}  // namespace orvane::params
