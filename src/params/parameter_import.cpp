#include "params/parameter_import.h"

#include "params/unit_memory.h"

namespace orvane::params {

ParameterImport::ParameterImport(const TransferContext& context, ParameterSet& set,
                                 ParameterEditor& editor)
    : c_(context), set_(set), editor_(editor) {}

void ParameterImport::ImportParameters() {
    BeginOpenPortForReading(c_, [this](bool open) {
        if (!open)
            return;
        c_.progress.open();
        BeginReadBlocks(c_.link, set_, AllBlocks,
                        {c_.progress, c_.language, catalogue::row::ReadingBlock, true},
                        [this](ReadEnd end) { finish(end); });
    });
}

void ParameterImport::finish(ReadEnd end) {
    using namespace catalogue::row;
    c_.progress.close();
    if (end == ReadEnd::AllRead) {
        editor_.ShowParameters();
        c_.dialogs.inform(c_.language.text(ImportDone));
    } else {
        c_.dialogs.inform(
            c_.language.text(end == ReadEnd::Cancelled ? ImportCancelled : ImportFailed));
    }
    c_.link.ClosePort();
}

}  // namespace orvane::params
