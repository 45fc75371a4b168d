#include "params/parameter_import.h"

#include <array>

#include "params/transfer_messages.h"

namespace orvane::params {

namespace {

struct Read {
    Block block;
    unsigned pauseAfterMs;  // lets the unit finish its EEPROM access before the next request
};

constexpr std::array<Read, BlockCount> Reads{{
    {Block::Config, 200},
    {Block::FreeParam, 200},
    {Block::Network, 150},
    {Block::GridService, 150},
    {Block::NetbiosName, 100},
    {Block::Identity, 100},
}};

constexpr unsigned SettleBeforeOpenMs = 100;

}  // namespace

ParameterImport::ParameterImport(const TransferContext& context, ParameterSet& set,
                                 ParameterEditor& editor)
    : c_(context), set_(set), editor_(editor) {}

void ParameterImport::ImportParameters() {
    if (c_.poll.FwVersionError) {
        const std::string refusal = IncompatibleFirmwareMessage(c_.language);
        c_.events.record(journal::EventKind::transferRefused, refusal);
        c_.dialogs.inform(refusal);
        return;
    }
    if (c_.link.IsPortOpen())
        c_.linkControl.StopLink();
    c_.delay.waitMs(SettleBeforeOpenMs);
    if (!OpenSelectedPort(c_))
        return;

    bool allRead = true;
    for (const Read& r : Reads) {
        const BlockLayout& layout = LayoutOf(r.block);
        // A failed read leaves its block untouched.
        const std::uint8_t result = c_.link.MemoryRead(set_.bytes(r.block).data(), layout.address,
                                                       layout.size, link::UnitAddress);
        c_.delay.waitMs(r.pauseAfterMs);
        if (result != link::read_result::Ok) {
            allRead = false;
            break;
        }
    }
    if (allRead) {
        editor_.ShowParameters();
        c_.events.identifyUnit(set_.get(Field::unitId));
        c_.events.record(journal::EventKind::importDone, {});
        c_.dialogs.inform(c_.language.text(catalogue::row::ImportDone));
    } else {
        c_.events.record(journal::EventKind::importFailed, {});
        c_.dialogs.inform(c_.language.text(catalogue::row::ImportFailed));
    }
    c_.link.ClosePort();
}

}  // namespace orvane::params
