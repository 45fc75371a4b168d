#include "params/parameter_transfer.h"

#include "monitor/opening_error.h"
#include "params/transfer_messages.h"

namespace orvane::params {

bool OpenSelectedPort(const TransferContext& c) {
    const int index = c.input.listIndex(frontend::controls::Cb_Sel_Porta);
    // No selection (-1) goes to the link as an index outside the list, which it refuses.
    const std::uint8_t linkIndex =
        index >= 0 && index < link::PortCount ? static_cast<std::uint8_t>(index) : 0xFF;
    if (c.link.OpenPort(linkIndex))
        return true;
    c.dialogs.inform(monitor::OpeningErrorMessage(c.language, index, c.link.lastOpenError()));
    return false;
}

namespace {
constexpr unsigned SettleBeforeOpenMs = 100;
}  // namespace

TransferOutcome OpenPortForReading(const TransferContext& c) {
    if (c.poll.FwVersionError) {
        c.dialogs.inform(IncompatibleFirmwareMessage(c.language));
        return TransferOutcome::incompatibleFirmware;
    }
    if (c.link.IsPortOpen())
        c.linkControl.StopLink();
    c.delay.waitMs(SettleBeforeOpenMs);
    return OpenSelectedPort(c) ? TransferOutcome::done : TransferOutcome::portNotOpened;
}

}  // namespace orvane::params
