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

TransferOutcome ParameterCompare::CompareWithUnit(const CompareWording& wording) {
    using namespace catalogue::row;
    const std::optional<ParameterSet> window = WindowValues(set_, editor_, c_.dialogs, c_.language);
    if (!window)
        return TransferOutcome::checkFailed;
    if (const TransferOutcome opened = OpenPortForReading(c_); opened != TransferOutcome::done)
        return opened;
    ParameterSet unit;
    const bool read = ReadBlocks(c_.link, c_.delay, unit);
    c_.link.ClosePort();
    if (!read) {
        c_.dialogs.inform(c_.language.text(CompareReadFailed));
        return TransferOutcome::noAnswer;
    }
    const std::vector<Field> changes = ChangedFields(unit, *window, WindowBlocks);
    c_.dialogs.showChanges(MakeChangeList(
        std::string(c_.language.text(changes.empty() ? wording.sameRow : wording.differsRow)),
        UnitValueHeader, wording.valueHeaderRow, unit, *window, changes, c_.language));
    return TransferOutcome::done;
}

}  // namespace orvane::params
