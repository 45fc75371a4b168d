#include "params/parameter_compare.h"

#include "params/parameter_checks.h"
#include "params/transfer_messages.h"
#include "params/unit_memory.h"

namespace orvane::params {

std::optional<ParameterSet> WindowValues(const ParameterSet& set, const ParameterEditor& editor,
                                         frontend::OperatorDialogs& dialogs,
                                         const catalogue::Language& language) {
    ParameterSet window = set;
    const CollectedParameters collected = editor.CollectInto(window);
    // Values outside their limits are compared as they are; only what cannot be stored
    // stops the comparison.
    if (!collected.refused.empty() || collected.nameResult != 0) {
        dialogs.showError(ValidationMessage(language, CheckCollectedParameters(window, collected)));
        return std::nullopt;
    }
    return AsWritten(window);
}

ParameterCompare::ParameterCompare(const TransferContext& context, const ParameterSet& set,
                                   const ParameterEditor& editor)
    : c_(context), set_(set), editor_(editor) {}

void ParameterCompare::CompareWithUnit(const CompareWording& wording, TransferDone done) {
    window_ = WindowValues(set_, editor_, c_.dialogs, c_.language);
    if (!window_) {
        if (done)
            done(TransferOutcome::checkFailed);
        return;
    }
    BeginOpenPortForReading(c_, [this, wording, done = std::move(done)](TransferOutcome opened) {
        if (opened != TransferOutcome::done) {
            if (done)
                done(opened);
            return;
        }
        c_.progress.open();
        unit_ = ParameterSet{};
        BeginReadBlocks(c_.link, unit_, AllBlocks,
                        {c_.progress, c_.language, catalogue::row::ReadingBlock, true},
                        [this, wording, done](ReadEnd end) { finish(end, wording, done); });
    });
}

void ParameterCompare::finish(ReadEnd end, const CompareWording& wording,
                              const TransferDone& done) {
    using namespace catalogue::row;
    c_.progress.close();
    c_.link.ClosePort();
    TransferOutcome outcome = TransferOutcome::done;
    if (end == ReadEnd::Cancelled) {
        outcome = TransferOutcome::cancelled;
        c_.events.record(journal::EventKind::transferCancelled, c_.language.text(CompareCancelled));
        c_.dialogs.inform(c_.language.text(CompareCancelled));
    } else if (end != ReadEnd::AllRead) {
        outcome = TransferOutcome::noAnswer;
        c_.dialogs.inform(c_.language.text(CompareReadFailed));
    } else {
        const std::vector<Field> changes = ChangedFields(unit_, *window_, WindowBlocks);
        c_.dialogs.showChanges(MakeChangeList(
            std::string(c_.language.text(changes.empty() ? wording.sameRow : wording.differsRow)),
            UnitValueHeader, wording.valueHeaderRow, unit_, *window_, changes, c_.language));
    }
    if (done)
        done(outcome);
}

}  // namespace orvane::params
