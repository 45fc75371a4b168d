#include "params/parameter_import.h"

#include "params/unit_memory.h"

namespace orvane::params {

ParameterImport::ParameterImport(const TransferContext& context, ParameterSet& set,
                                 ParameterEditor& editor)
    : c_(context), set_(set), editor_(editor) {}

void ParameterImport::ImportParameters(TransferDone done) {
    BeginOpenPortForReading(c_, [this, done = std::move(done)](TransferOutcome opened) {
        if (opened != TransferOutcome::done) {
            if (done)
                done(opened);
            return;
        }
        c_.progress.open();
        BeginReadBlocks(c_.link, set_, AllBlocks,
                        {c_.progress, c_.language, catalogue::row::ReadingBlock, true},
                        [this, done](ReadEnd end) { finish(end, done); });
    });
}

void ParameterImport::finish(ReadEnd end, const TransferDone& done) {
    using namespace catalogue::row;
    c_.progress.close();
    TransferOutcome outcome = TransferOutcome::done;
    if (end == ReadEnd::AllRead) {
        editor_.ShowParameters();
        c_.events.identifyUnit(set_.get(Field::unitId));
        c_.events.record(journal::EventKind::importDone, {});
        c_.dialogs.inform(c_.language.text(ImportDone));
    } else if (end == ReadEnd::Cancelled) {
        outcome = TransferOutcome::cancelled;
        c_.events.record(journal::EventKind::transferCancelled, c_.language.text(ImportCancelled));
        c_.dialogs.inform(c_.language.text(ImportCancelled));
    } else {
        outcome = TransferOutcome::noAnswer;
        c_.events.record(journal::EventKind::importFailed, {});
        c_.dialogs.inform(c_.language.text(ImportFailed));
    }
    c_.link.ClosePort();
    if (done)
        done(outcome);
}

}  // namespace orvane::params
