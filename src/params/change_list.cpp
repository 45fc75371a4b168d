#include "params/change_list.h"

namespace orvane::params {

namespace {

// A caption as laid out beside its field, without the layout's trailing blanks, colons and
// note marks, and with runs of blanks made one.
std::string Tidy(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' || (!out.empty() && out.back() != ' '))
            out += c;
    while (!out.empty() && (out.back() == ' ' || out.back() == ':' || out.back() == '*'))
        out.pop_back();
    return out;
}

std::string_view CaptionText(frontend::AnyControl control, const catalogue::Language& language) {
    return language.text(frontend::Describe(control.id()).caption.row);
}

std::string WithUnit(std::uint32_t value, std::string_view unit) {
    std::string text = std::to_string(value);
    if (!unit.empty())
        text.append(" ").append(unit);
    return text;
}

}  // namespace

ParameterSet AsWritten(const ParameterSet& collected) {
    ParameterSet written = collected;
    written.NetbiosNameBlock = collected.OutgoingNetbiosName;
    return written;
}

std::vector<Field> ChangedFields(const ParameterSet& before, const ParameterSet& after,
                                 const BlockSelection& blocks) {
    std::vector<Field> changed;
    for (const FieldDescriptor& d : FieldTable()) {
        if (!blocks[static_cast<std::size_t>(d.block)])
            continue;
        const bool differs = d.kind == FieldKind::Text ? NetbiosText(before.NetbiosNameBlock) !=
                                                             NetbiosText(after.NetbiosNameBlock)
                                                       : before.get(d.field) != after.get(d.field);
        if (differs)
            changed.push_back(d.field);
    }
    return changed;
}

std::string FieldCaption(const FieldDescriptor& d, const catalogue::Language& language) {
    std::string caption;
    for (const auto& control : d.caption.controls) {
        if (!control)
            continue;
        if (!caption.empty())
            caption += ' ';
        caption += Tidy(CaptionText(*control, language));
    }
    if (d.caption.part)
        caption += " (" + Tidy(CaptionText(*d.caption.part, language)) + ")";
    if (d.caption.octet != 0)
        caption += " (" + std::to_string(d.caption.octet) + ")";
    return caption;
}

std::string FieldValueText(const FieldDescriptor& d, const ParameterSet& set,
                           const catalogue::Language& language) {
    const std::uint32_t value = set.get(d.field);
    switch (d.kind) {
        case FieldKind::Numeric:
        case FieldKind::Octet:
        case FieldKind::DisplayOnly:
            return WithUnit(value, d.unit);
        case FieldKind::List: {
            const int index = ListIndex(value, d);
            // A value no entry stands for is shown as the number it is.
            if (d.firstEntryRow == 0 || index < 0)
                return WithUnit(value, d.unit);
            return std::string(language.text(d.firstEntryRow + index));
        }
        case FieldKind::FlagBit:
            if (d.clearedControl)
                return Tidy(CaptionText(value != 0
                                            ? frontend::AnyControl(d.controlAs<FlagControl>())
                                            : frontend::AnyControl(*d.clearedControl),
                                        language));
            return std::string(
                language.text(value != 0 ? catalogue::row::FlagSet : catalogue::row::FlagClear));
        case FieldKind::Text:
            return NetbiosText(set.NetbiosNameBlock);
    }
    return {};
}

std::vector<frontend::ChangeRow> ChangeRows(const ParameterSet& before, const ParameterSet& after,
                                            std::span<const Field> fields,
                                            const catalogue::Language& language) {
    std::vector<frontend::ChangeRow> rows;
    for (Field f : fields) {
        const FieldDescriptor& d = Describe(f);
        rows.push_back({FieldCaption(d, language), FieldValueText(d, before, language),
                        FieldValueText(d, after, language)});
    }
    return rows;
}

frontend::ChangeList MakeChangeList(std::string message, int beforeHeader, int afterHeader,
                                    const ParameterSet& before, const ParameterSet& after,
                                    std::span<const Field> fields,
                                    const catalogue::Language& language) {
    return {std::move(message), std::string(language.text(catalogue::row::FieldHeader)),
            std::string(language.text(beforeHeader)), std::string(language.text(afterHeader)),
            ChangeRows(before, after, fields, language)};
}

}  // namespace orvane::params
