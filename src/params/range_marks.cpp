#include "params/range_marks.h"

namespace orvane::params {

bool IsTyped(const FieldDescriptor& d) {
    return d.kind == FieldKind::Numeric || d.kind == FieldKind::Octet;
}

TypedLimits LimitsOf(const FieldDescriptor& d) {
    if (d.accepted.high != 0)
        return {d.accepted.low, d.accepted.high, d.accepted.zeroAllowed};
    return {0, static_cast<std::uint32_t>((std::uint64_t{1} << d.storedBits()) - 1), false};
}

bool OutsideLimits(const FieldDescriptor& d, std::optional<double> typed) {
    if (!IsTyped(d) || !typed)
        return false;
    if (const auto why = WhyUnstorable(typed, d.storedBits()))
        return *why != Unstorable::NotANumber;
    const std::uint32_t value = LowBits(*typed, d.storedBits());
    const TypedLimits limits = LimitsOf(d);
    if (limits.zeroAllowed && value == 0)
        return false;
    return value < limits.low || value > limits.high;
}

std::string LimitsTip(const FieldDescriptor& d, const catalogue::Language& language) {
    using namespace catalogue::row;
    const TypedLimits limits = LimitsOf(d);
    std::string tip = std::string(language.text(OutOfRange)) + std::to_string(limits.low) +
                      std::string(language.text(RangeTo)) + std::to_string(limits.high);
    if (limits.zeroAllowed)
        tip += language.text(RangeOrZero);
    return tip;
}

RangeMarks::RangeMarks(frontend::Screen& screen, const frontend::ScreenReader& input,
                       const catalogue::Language& language)
    : screen_(screen), input_(input), language_(language) {}

void RangeMarks::FieldChanged(Field f) {
    const FieldDescriptor& d = Describe(f);
    if (!IsTyped(d))
        return;
    const auto control = d.controlAs<NumberFieldControl>();
    screen_.setOutOfRange(control,
                          OutsideLimits(d, input_.number(control)) ? LimitsTip(d, language_) : "");
}

void RangeMarks::RefreshAll() {
    for (const FieldDescriptor& d : FieldTable())
        FieldChanged(d.field);
}

}  // namespace orvane::params
