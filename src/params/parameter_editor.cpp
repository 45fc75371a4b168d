#include "params/parameter_editor.h"

#include "params/field_table.h"

namespace orvane::params {

ParameterEditor::ParameterEditor(ParameterSet& set, frontend::Screen& screen,
                                 const frontend::ScreenReader& input,
                                 FreeConfigurationLayout& layout)
    : set_(set), screen_(screen), input_(input), layout_(layout) {}

void ParameterEditor::collect(ParameterSet& target, const FieldDescriptor& d,
                              std::vector<RefusedValue>& refused) const {
    const std::span<std::uint8_t> block = target.bytes(d.block);
    switch (d.kind) {
        case FieldKind::Numeric:
        case FieldKind::Octet: {
            const std::optional<double> typed = input_.number(d.controlAs<NumberFieldControl>());
            if (const auto reason = WhyUnstorable(typed, d.storedBits()))
                refused.push_back({d.field, *reason});
            else
                WriteField(block, d, LowBits(*typed, d.storedBits()));
            break;
        }
        case FieldKind::List:
            WriteField(block, d,
                       ListValue(input_.listIndex(d.controlAs<frontend::ListControl>()), d));
            break;
        case FieldKind::FlagBit:
            WriteField(block, d, input_.isChecked(d.controlAs<FlagControl>()) ? 1 : 0);
            break;
        case FieldKind::Text:         // collected apart: it goes to the outgoing copy
        case FieldKind::DisplayOnly:  // the unit's identifier is never taken from the window
            break;
    }
}

CollectedParameters ParameterEditor::CollectInto(ParameterSet& target) const {
    CollectedParameters collected;
    for (Block b : {Block::Network, Block::Config, Block::FreeParam, Block::GridService})
        for (const FieldDescriptor& d : FieldsOf(b))
            collect(target, d, collected.refused);
    const FieldDescriptor& name = Describe(Field::netbiosName);
    collected.nameResult = StoreNetbiosText(input_.text(name.controlAs<TextFieldControl>()),
                                            target.OutgoingNetbiosName)
                               ? CheckNetbiosName(target.OutgoingNetbiosName)
                               : 1;
    return collected;
}

void ParameterEditor::show(const FieldDescriptor& d) {
    const std::uint32_t value = ReadField(set_.bytes(d.block), d);
    switch (d.kind) {
        case FieldKind::Numeric:
        case FieldKind::Octet:
        case FieldKind::DisplayOnly:
            screen_.setNumber(d.controlAs<NumberFieldControl>(), value);
            break;
        case FieldKind::List:
            screen_.setListIndex(d.controlAs<frontend::ListControl>(), ListIndex(value, d));
            break;
        case FieldKind::FlagBit:
            // Radio pairs: exactly one of the two ends up checked.
            if (d.clearedControl)
                screen_.setChecked(*d.clearedControl, value == 0);
            screen_.setChecked(d.controlAs<FlagControl>(), value != 0);
            break;
        case FieldKind::Text:
            screen_.setText(d.controlAs<TextFieldControl>(), NetbiosText(set_.NetbiosNameBlock));
            break;
    }
}

void ParameterEditor::showBlock(Block b) {
    for (const FieldDescriptor& d : FieldsOf(b))
        show(d);
}

void ParameterEditor::ShowParameters() {
    showBlock(Block::Identity);
    showBlock(Block::Network);
    showBlock(Block::NetbiosName);
    showBlock(Block::Config);
    showBlock(Block::FreeParam);
    if (set_.get(Field::batteryType) == FreeConfigurationType)
        layout_.ShowFreeConfiguration();
    else
        layout_.HideFreeConfiguration();
    showBlock(Block::GridService);
}

}  // namespace orvane::params
