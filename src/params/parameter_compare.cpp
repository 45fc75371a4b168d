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

void ParameterCompare::CompareWithUnit() {
    using namespace catalogue::row;
    const std::optional<ParameterSet> window = WindowValues(set_, editor_, c_.dialogs, c_.language);
    if (!window || !OpenPortForReading(c_))
        return;
    ParameterSet unit;
    const bool read = ReadBlocks(c_.link, c_.delay, unit);
    c_.link.ClosePort();
    if (!read) {
        c_.dialogs.inform(c_.language.text(CompareReadFailed));
        return;
    }
    const std::vector<Field> changes = ChangedFields(unit, *window, WindowBlocks);
    c_.dialogs.showChanges(MakeChangeList(
        std::string(c_.language.text(changes.empty() ? WindowSameAsUnit : WindowAgainstUnit)),
        UnitValueHeader, WindowValueHeader, unit, *window, changes, c_.language));
}

}  // namespace orvane::params
