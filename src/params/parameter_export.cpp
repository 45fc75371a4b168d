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

void ParameterExport::writeNext(std::size_t next, bool first) {
    while (next < WriteOrder.size() && !blocks_[static_cast<std::size_t>(WriteOrder[next])])
        ++next;
    if (next == WriteOrder.size()) {
        outcome_.allWritten = true;
        commit();
        return;
    }
    const auto write = [this, next] {
        const Block b = WriteOrder[next];
        ++written_;
        c_.progress.show(
            StepText(c_.language, catalogue::row::WritingBlock, written_, writesTotal_),
            written_ - 1, writesTotal_);
        const std::span<const std::uint8_t> bytes =
            b == Block::NetbiosName ? std::span<const std::uint8_t>(set_.OutgoingNetbiosName)
                                    : set_.bytes(b);
        c_.link.BeginMemoryWrite(bytes.data(), LayoutOf(b).address,
                                 static_cast<std::uint8_t>(bytes.size()), link::UnitAddress,
                                 [this, next](std::uint8_t result) {
                                     if (result == link::write_result::Ok) {
                                         writeNext(next + 1, false);
                                         return;
                                     }
                                     // What reached the unit stays uncommitted.
                                     outcome_.refused = result >= link::write_result::StatusBase;
                                     finishWrites();
                                 });
    };
    if (first)
        write();
    else
        c_.link.BeginPause(PauseBetweenWritesMs, [write](std::uint8_t) { write(); });
}

void ParameterExport::commit() {
    c_.progress.show(c_.language.text(catalogue::row::Committing), writesTotal_, writesTotal_);
    commitBuffer_.fill(0);
    std::copy(std::begin(CommitPayload), std::end(CommitPayload), commitBuffer_.begin());
    c_.link.BeginExchange(
        link::UnitAddress, link::MasterAddress, link::function::MemoryCommit, commitBuffer_,
        sizeof CommitPayload, 0, 0, CommitAnswerLength, [this](std::uint8_t result) {
            outcome_.committed = result == link::exchange_result::Ok;
            // The blocks not written keep the unit's image, so only written
            // fields can differ.
            outcome_.unitAfter = unit_;
            BeginReadBlocks(c_.link, outcome_.unitAfter, blocks_,
                            {c_.progress, c_.language, catalogue::row::ReadingBackBlock, false},
                            [this](ReadEnd end) {
                                outcome_.readBack = end == ReadEnd::AllRead;
                                if (outcome_.readBack)
                                    outcome_.differing =
                                        ChangedFields(sent_, outcome_.unitAfter, blocks_);
                                finishWrites();
                            });
        });
}

void ParameterExport::finishWrites() {
    using namespace catalogue::row;
    c_.progress.close();
    const std::string message = ExportOutcomeMessage(outcome_, backup_.path, c_.language);
    // What was read back decides; without a read-back, the unit's answer to the commit.
    const bool exported = outcome_.allWritten &&
                          (outcome_.readBack ? outcome_.differing.empty() : outcome_.committed);
    c_.events.record(exported ? journal::EventKind::exportDone : journal::EventKind::exportFailed,
                     message);
    if (outcome_.readBack && !outcome_.differing.empty())
        c_.dialogs.showChanges(MakeChangeList(message, SentValueHeader, ReadBackValueHeader, sent_,
                                              outcome_.unitAfter, outcome_.differing, c_.language));
    else
        c_.dialogs.inform(message);
    c_.link.ClosePort();
    report(OutcomeOf(outcome_));
}

void ParameterExport::report(TransferOutcome outcome) {
    if (TransferDone done = std::move(done_))
        done(outcome);
}

void ParameterExport::backupRead(ReadEnd end) {
    using namespace catalogue::row;
    c_.progress.close();
    if (end == ReadEnd::Cancelled) {
        c_.events.record(journal::EventKind::transferCancelled, c_.language.text(ExportCancelled));
        c_.dialogs.inform(c_.language.text(ExportCancelled));
        c_.link.ClosePort();
        report(TransferOutcome::cancelled);
        return;
    }
    if (end != ReadEnd::AllRead) {
        c_.events.record(journal::EventKind::exportFailed, c_.language.text(BackupReadFailed));
        c_.dialogs.inform(c_.language.text(BackupReadFailed));
        c_.link.ClosePort();
        report(TransferOutcome::noAnswer);
        return;
    }
    backup_ = backups_.save(unit_);
    if (!backup_.saved) {
        const std::string failure = std::string(c_.language.text(BackupSaveFailed)) + backup_.path;
        c_.events.record(journal::EventKind::exportFailed, failure);
        c_.dialogs.showError(failure);
        c_.link.ClosePort();
        report(TransferOutcome::fileFailed);
        return;
    }

    blocks_ = WrittenBlocks(c_.input.isVisible(GridServicePage),
                            c_.input.isChecked(EthernetAuthorization));
    sent_ = AsWritten(set_);
    const std::vector<Field> changes = ChangedFields(unit_, sent_, blocks_);
    if (!c_.dialogs.askChanges(MakeChangeList(
            std::string(c_.language.text(changes.empty() ? ConfirmNoChanges : ConfirmChanges)),
            UnitValueHeader, NewValueHeader, unit_, sent_, changes, c_.language))) {
        c_.dialogs.inform(Lines({c_.language.text(ExportCancelled),
                                 std::string(c_.language.text(BackupSaved)) + backup_.path}));
        c_.link.ClosePort();
        report(TransferOutcome::cancelled);
        return;
    }

    // From the first write on, the unit's memory is being changed: no way back.
    outcome_ = WriteOutcome{};
    written_ = 0;
    writesTotal_ = 0;
    for (Block b : WriteOrder)
        writesTotal_ += blocks_[static_cast<std::size_t>(b)] ? 1 : 0;
    c_.progress.open();
    c_.progress.refuseCancel(c_.language.text(CannotCancelWriting));
    writeNext(0, true);
}

void ParameterExport::ExportParameters(TransferDone done) {
    done_ = std::move(done);
    if (!c_.dialogs.askYesNo(c_.language.text(catalogue::row::ConfirmExport))) {
        report(TransferOutcome::cancelled);
        return;
    }
    if (!TakePortFromPolling(c_)) {
        report(TransferOutcome::incompatibleFirmware);
        return;
    }

    // Every check runs, also for blocks this export will not write.
    const std::string refusal =
        ValidationMessage(c_.language, CheckCollectedParameters(set_, editor_.CollectParameters()));
    if (!refusal.empty()) {
        c_.events.record(journal::EventKind::parametersRefused, refusal);
        c_.dialogs.showError(refusal);
        report(TransferOutcome::checkFailed);
        return;
    }

    if (!OpenSelectedPort(c_)) {
        report(TransferOutcome::portNotOpened);
        return;
    }
    // What the unit holds before anything is written; the operator may still cancel.
    unit_ = ParameterSet{};
    c_.progress.open();
    BeginReadBlocks(c_.link, unit_, AllBlocks,
                    {c_.progress, c_.language, catalogue::row::ReadingBlock, true},
                    [this](ReadEnd end) { backupRead(end); });
}

}  // namespace orvane::params
