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
    monitor::ReportOpeningError(c.dialogs, c.events, c.language, index, c.link.lastOpenError());
    return false;
}

namespace {
constexpr unsigned SettleBeforeOpenMs = 100;
}  // namespace

bool TakePortFromPolling(const TransferContext& c) {
    if (c.poll.FwVersionError) {
        const std::string refusal = IncompatibleFirmwareMessage(c.language);
        c.events.record(journal::EventKind::transferRefused, refusal);
        c.dialogs.inform(refusal);
        return false;
    }
    if (c.linkControl.Started())
        c.linkControl.StopLink();
    return true;
}

void BeginOpenPortForReading(const TransferContext& c, TransferDone done) {
    if (!TakePortFromPolling(c)) {
        done(TransferOutcome::incompatibleFirmware);
        return;
    }
    c.link.BeginPause(SettleBeforeOpenMs, [&c, done = std::move(done)](std::uint8_t) {
        done(OpenSelectedPort(c) ? TransferOutcome::done : TransferOutcome::portNotOpened);
    });
}

}  // namespace orvane::params
