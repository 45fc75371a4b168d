#include "params/parameter_export.h"

#include <array>
#include <span>
#include <vector>

#include "params/parameter_checks.h"
#include "params/transfer_messages.h"

namespace orvane::params {

namespace {

constexpr auto GridServicePage = frontend::controls::Tab_Cei_021;
constexpr auto EthernetAuthorization = frontend::controls::Ck_Abilitazione_Esportazione_Eth;
// The unit needs this long between two memory writes.
constexpr unsigned PauseBetweenWritesMs = 100;

constexpr std::uint8_t CommitPayload[2] = {0x55, 0xAA};
constexpr std::uint8_t CommitAnswerLength = 2;

struct Write {
    std::span<const std::uint8_t> bytes;
    std::uint16_t address;
};

}  // namespace

ParameterExport::ParameterExport(const TransferContext& context, ParameterSet& set,
                                 ParameterEditor& editor)
    : c_(context), set_(set), editor_(editor) {}

bool ParameterExport::transfer() {
    std::vector<Write> writes;
    writes.push_back({set_.ConfigBlock, LayoutOf(Block::Config).address});
    writes.push_back({set_.FreeParamBlock, LayoutOf(Block::FreeParam).address});
    if (c_.input.isVisible(GridServicePage))
        writes.push_back({set_.GridServiceBlock, LayoutOf(Block::GridService).address});
    if (c_.input.isChecked(EthernetAuthorization)) {
        writes.push_back({set_.NetworkBlock, LayoutOf(Block::Network).address});
        writes.push_back({set_.OutgoingNetbiosName, LayoutOf(Block::NetbiosName).address});
    }
    for (std::size_t i = 0; i < writes.size(); ++i) {
        if (i > 0)
            c_.delay.waitMs(PauseBetweenWritesMs);
        const Write& w = writes[i];
        if (c_.link.MemoryWrite(w.bytes.data(), w.address,
                                static_cast<std::uint8_t>(w.bytes.size()),
                                link::UnitAddress) != link::write_result::Ok)
            return false;  // what reached the unit stays uncommitted
    }
    std::array<std::uint8_t, link::MaxFrameLength> buffer{};
    std::copy(std::begin(CommitPayload), std::end(CommitPayload), buffer.begin());
    return c_.link.Exchange(link::UnitAddress, link::MasterAddress, link::function::MemoryCommit,
                            buffer, sizeof CommitPayload, 0, 0,
                            CommitAnswerLength) == link::exchange_result::Ok;
}

void ParameterExport::ExportParameters() {
    if (!c_.dialogs.askYesNo(c_.language.text(catalogue::row::ConfirmExport)))
        return;
    if (c_.poll.FwVersionError) {
        const std::string refusal = IncompatibleFirmwareMessage(c_.language);
        c_.events.record(journal::EventKind::transferRefused, refusal);
        c_.dialogs.inform(refusal);
        return;
    }
    if (c_.link.IsPortOpen())
        c_.linkControl.StopLink();

    // Every check runs, also for blocks this export will not write.
    const std::string refusal =
        ValidationMessage(c_.language, CheckCollectedParameters(set_, editor_.CollectParameters()));
    if (!refusal.empty()) {
        c_.events.record(journal::EventKind::parametersRefused, refusal);
        c_.dialogs.showError(refusal);
        return;
    }

    if (!OpenSelectedPort(c_))
        return;
    const bool exported = transfer();
    c_.events.record(exported ? journal::EventKind::exportDone : journal::EventKind::exportFailed,
                     {});
    c_.dialogs.inform(
        c_.language.text(exported ? catalogue::row::ExportDone : catalogue::row::ExportFailed));
    c_.link.ClosePort();
}

}  // namespace orvane::params
