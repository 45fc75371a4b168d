#include "params/parameter_export.h"

#include <array>
#include <span>

#include "params/parameter_checks.h"
#include "params/transfer_messages.h"
#include "params/unit_memory.h"

namespace orvane::params {

namespace {

constexpr auto GridServicePage = frontend::controls::Tab_Cei_021;
constexpr auto EthernetAuthorization = frontend::controls::Ck_Abilitazione_Esportazione_Eth;
// The unit needs this long between two memory writes.
constexpr unsigned PauseBetweenWritesMs = 100;

constexpr std::uint8_t CommitPayload[2] = {0x55, 0xAA};
constexpr std::uint8_t CommitAnswerLength = 2;

// The write order; the name goes from its outgoing copy.
constexpr std::array<Block, 5> WriteOrder{Block::Config, Block::FreeParam, Block::GridService,
                                          Block::Network, Block::NetbiosName};

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        if (line.empty())
            continue;
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

}  // namespace

BlockSelection WrittenBlocks(bool gridServicePageShown, bool ethernetAuthorized) {
    BlockSelection blocks{};
    blocks[static_cast<std::size_t>(Block::Config)] = true;
    blocks[static_cast<std::size_t>(Block::FreeParam)] = true;
    blocks[static_cast<std::size_t>(Block::GridService)] = gridServicePageShown;
    blocks[static_cast<std::size_t>(Block::Network)] = ethernetAuthorized;
    blocks[static_cast<std::size_t>(Block::NetbiosName)] = ethernetAuthorized;
    return blocks;
}

std::string ExportOutcomeMessage(const WriteOutcome& outcome, const std::string& backupPath,
                                 const catalogue::Language& language) {
    using namespace catalogue::row;
    const std::string backup = std::string(language.text(BackupSaved)) + backupPath;
    if (!outcome.allWritten)
        return Lines({language.text(ExportFailed), backup});
    if (outcome.readBack && !outcome.differing.empty())
        return Lines({outcome.committed ? "" : language.text(ExportFailed),
                      language.text(ReadBackDiffers), backup});
    if (!outcome.committed)
        // A lost or garbled answer to the commit says nothing about what the unit did; the
        // read-back does.
        return Lines(
            {outcome.readBack ? language.text(CommitAnswerLost) : language.text(ExportFailed),
             backup});
    return Lines({language.text(ExportDone),
                  language.text(outcome.readBack ? UnitHoldsNewValues : ReadBackFailed), backup});
}

TransferOutcome OutcomeOf(const WriteOutcome& outcome) {
    if (outcome.refused || (outcome.readBack && !outcome.differing.empty()))
        return TransferOutcome::unitRefused;
    // A write, the commit or the read-back went unanswered: what the unit keeps is unknown.
    if (!outcome.allWritten || !outcome.committed || !outcome.readBack)
        return TransferOutcome::noAnswer;
    return TransferOutcome::done;
}

ParameterExport::ParameterExport(const TransferContext& context, ParameterSet& set,
                                 ParameterEditor& editor, UnitBackups& backups)
    : c_(context), set_(set), editor_(editor), backups_(backups) {}

std::uint8_t ParameterExport::writeBlocks(const BlockSelection& blocks) {
    bool first = true;
    for (Block b : WriteOrder) {
        if (!blocks[static_cast<std::size_t>(b)])
            continue;
        if (!first)
            c_.delay.waitMs(PauseBetweenWritesMs);
        first = false;
        const std::span<const std::uint8_t> bytes =
            b == Block::NetbiosName ? std::span<const std::uint8_t>(set_.OutgoingNetbiosName)
                                    : set_.bytes(b);
        const std::uint8_t result =
            c_.link.MemoryWrite(bytes.data(), LayoutOf(b).address,
                                static_cast<std::uint8_t>(bytes.size()), link::UnitAddress);
        if (result != link::write_result::Ok)
            return result;  // what reached the unit stays uncommitted
    }
    return link::write_result::Ok;
}

bool ParameterExport::commit() {
    std::array<std::uint8_t, link::MaxFrameLength> buffer{};
    std::copy(std::begin(CommitPayload), std::end(CommitPayload), buffer.begin());
    return c_.link.Exchange(link::UnitAddress, link::MasterAddress, link::function::MemoryCommit,
                            buffer, sizeof CommitPayload, 0, 0,
                            CommitAnswerLength) == link::exchange_result::Ok;
}

WriteOutcome ParameterExport::writeCommitAndReadBack(const BlockSelection& blocks,
                                                     const ParameterSet& sent,
                                                     const ParameterSet& unit) {
    WriteOutcome outcome;
    const std::uint8_t written = writeBlocks(blocks);
    outcome.allWritten = written == link::write_result::Ok;
    outcome.refused = written >= link::write_result::StatusBase;
    if (!outcome.allWritten)
        return outcome;
    outcome.committed = commit();
    // The blocks not written keep the unit's image, so only written fields can differ.
    outcome.unitAfter = unit;
    outcome.readBack = ReadBlocks(c_.link, c_.delay, outcome.unitAfter, blocks);
    if (outcome.readBack)
        outcome.differing = ChangedFields(sent, outcome.unitAfter, blocks);
    return outcome;
}

TransferOutcome ParameterExport::exportThroughOpenPort() {
    using namespace catalogue::row;
    ParameterSet unit;  // what the unit holds before anything is written
    if (!ReadBlocks(c_.link, c_.delay, unit)) {
        c_.events.record(journal::EventKind::exportFailed, c_.language.text(BackupReadFailed));
        c_.dialogs.inform(c_.language.text(BackupReadFailed));
        return TransferOutcome::noAnswer;
    }
    const BackupOutcome backup = backups_.save(unit);
    if (!backup.saved) {
        const std::string failure = std::string(c_.language.text(BackupSaveFailed)) + backup.path;
        c_.events.record(journal::EventKind::exportFailed, failure);
        c_.dialogs.showError(failure);
        return TransferOutcome::fileFailed;
    }

    const BlockSelection blocks = WrittenBlocks(c_.input.isVisible(GridServicePage),
                                                c_.input.isChecked(EthernetAuthorization));
    const ParameterSet sent = AsWritten(set_);
    const std::vector<Field> changes = ChangedFields(unit, sent, blocks);
    if (!c_.dialogs.askChanges(MakeChangeList(
            std::string(c_.language.text(changes.empty() ? ConfirmNoChanges : ConfirmChanges)),
            UnitValueHeader, NewValueHeader, unit, sent, changes, c_.language))) {
        c_.dialogs.inform(Lines({c_.language.text(ExportCancelled),
                                 std::string(c_.language.text(BackupSaved)) + backup.path}));
        return TransferOutcome::cancelled;
    }

    const WriteOutcome outcome = writeCommitAndReadBack(blocks, sent, unit);
    const std::string message = ExportOutcomeMessage(outcome, backup.path, c_.language);
    // What was read back decides; without a read-back, the unit's answer to the commit.
    const bool exported =
        outcome.allWritten && (outcome.readBack ? outcome.differing.empty() : outcome.committed);
    c_.events.record(exported ? journal::EventKind::exportDone : journal::EventKind::exportFailed,
                     message);
    if (outcome.readBack && !outcome.differing.empty()) {
        c_.dialogs.showChanges(MakeChangeList(message, SentValueHeader, ReadBackValueHeader, sent,
                                              outcome.unitAfter, outcome.differing, c_.language));
        return OutcomeOf(outcome);
    }
    c_.dialogs.inform(message);
    return OutcomeOf(outcome);
}

TransferOutcome ParameterExport::ExportParameters() {
    if (!c_.dialogs.askYesNo(c_.language.text(catalogue::row::ConfirmExport)))
        return TransferOutcome::cancelled;
    if (c_.poll.FwVersionError) {
        const std::string refusal = IncompatibleFirmwareMessage(c_.language);
        c_.events.record(journal::EventKind::transferRefused, refusal);
        c_.dialogs.inform(refusal);
        return TransferOutcome::incompatibleFirmware;
    }
    if (c_.link.IsPortOpen())
        c_.linkControl.StopLink();

    // Every check runs, also for blocks this export will not write.
    const std::string refusal =
        ValidationMessage(c_.language, CheckCollectedParameters(set_, editor_.CollectParameters()));
    if (!refusal.empty()) {
        c_.events.record(journal::EventKind::parametersRefused, refusal);
        c_.dialogs.showError(refusal);
        return TransferOutcome::checkFailed;
    }

    if (!OpenSelectedPort(c_))
        return TransferOutcome::portNotOpened;
    const TransferOutcome outcome = exportThroughOpenPort();
    c_.link.ClosePort();
    return outcome;
}

}  // namespace orvane::params
