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

void BeginOpenPortForReading(const TransferContext& c, std::function<void(bool)> done) {
    if (c.poll.FwVersionError) {
        c.dialogs.inform(IncompatibleFirmwareMessage(c.language));
        done(false);
        return;
    }
    if (c.linkControl.Started())
        c.linkControl.StopLink();
    c.link.BeginPause(SettleBeforeOpenMs,
                      [&c, done = std::move(done)](std::uint8_t) { done(OpenSelectedPort(c)); });
}

bool OpenPortForReading(const TransferContext& c) {
    if (c.poll.FwVersionError) {
        c.dialogs.inform(IncompatibleFirmwareMessage(c.language));
        return false;
    }
    if (c.linkControl.Started())
        c.linkControl.StopLink();
    c.delay.waitMs(SettleBeforeOpenMs);
    return OpenSelectedPort(c);
}

}  // namespace orvane::params
