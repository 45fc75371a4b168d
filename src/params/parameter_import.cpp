#include "params/parameter_import.h"

#include "params/unit_memory.h"

namespace orvane::params {

ParameterImport::ParameterImport(const TransferContext& context, ParameterSet& set,
                                 ParameterEditor& editor)
    : c_(context), set_(set), editor_(editor) {}

TransferOutcome ParameterImport::ImportParameters() {
    if (const TransferOutcome opened = OpenPortForReading(c_); opened != TransferOutcome::done)
        return opened;

    const bool allRead = ReadBlocks(c_.link, c_.delay, set_);
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
    return allRead ? TransferOutcome::done : TransferOutcome::noAnswer;
}

}  // namespace orvane::params
