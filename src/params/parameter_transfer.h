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
// Told how a transfer ended, once it has: at once on a blocking link, later on the window's
// loop.
using TransferDone = std::function<void(TransferOutcome)>;

struct TransferContext {
    link::DeviceLink& link;
    link::Delay& delay;
    const monitor::PollState& poll;  // FwVersionError
    monitor::LinkControl& linkControl;
    const frontend::ScreenReader& input;
    frontend::OperatorDialogs& dialogs;
    const catalogue::Language& language;
    // Outcomes and refusals, as the operator is told them.
    journal::EventSink& events;
    frontend::TransferProgress& progress;
};

// Opens the port selected in `Cb_Sel_Porta`; on failure shows and journals the opening error
// (with what to do about it) and returns false.
bool OpenSelectedPort(const TransferContext& c);

// Refused (the operator and the journal told why) while the unit's firmware is not the
// required one; otherwise stops the poll link, whose port the transfer takes.
bool TakePortFromPolling(const TransferContext& c);

// The start of every transfer that reads the unit first (import, comparison): the port taken
// from the poll link as above, a pause for the unit to settle, then the selected port opened.
// `done` is told what stood in the way, if anything (the operator has been told why).
void BeginOpenPortForReading(const TransferContext& c, TransferDone done);

}  // namespace orvane::params
