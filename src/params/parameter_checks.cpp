#include "params/parameter_checks.h"

namespace orvane::params {

namespace {

std::uint8_t RangeError(std::uint32_t value, const Accepted& a) {
    if (a.zeroAllowed && value == 0)
        return 0;
    if (value < a.low)
        return a.lowError;
    if (value > a.high)
        return a.highError;
    return 0;
}

bool NameByteAccepted(std::uint8_t b) {
    return b == 0 || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') ||
           b == '-' || b == '.' || b == '_';
}

const RefusedValue* Find(std::span<const RefusedValue> refused, Field f) {
    for (const RefusedValue& r : refused)
        if (r.field == f)
            return &r;
    return nullptr;
}

}  // namespace

std::uint8_t CheckBlock(Block b, std::span<const std::uint8_t> bytes,
                        std::span<const RefusedValue> refused) {
    std::uint8_t result = 0;
    for (const FieldDescriptor& d : FieldsOf(b)) {
        if (d.accepted.tested()) {
            if (const RefusedValue* r = Find(refused, d.field))
                result =
                    r->reason == Unstorable::TooLarge ? d.accepted.highError : d.accepted.lowError;
            else if (const std::uint8_t e = RangeError(ReadField(bytes, d), d.accepted))
                result = e;
        }
        for (const OrderRule& rule : OrderRules()) {
            if (rule.testedAfter != d.field || Find(refused, rule.lower) != nullptr ||
                Find(refused, rule.upper) != nullptr)
                continue;
            const std::uint32_t lower = ReadField(bytes, Describe(rule.lower));
            const std::uint32_t upper = ReadField(bytes, Describe(rule.upper));
            if (lower >= upper)
                result = rule.error;
        }
    }
    return result;
}

std::uint8_t CheckConfigBlock(ConfigBytes block) {
    return CheckBlock(Block::Config, block);
}

std::uint8_t CheckFreeParamBlock(FreeParamBytes block) {
    return CheckBlock(Block::FreeParam, block);
}

std::uint8_t CheckGridServiceBlock(GridServiceBytes block) {
    return CheckBlock(Block::GridService, block);
}

ValidationResults CheckCollectedParameters(const ParameterSet& set,
                                           const CollectedParameters& collected) {
    ValidationResults results;
    for (const RefusedValue& r : collected.refused)
        if (const FieldDescriptor& d = Describe(r.field); !d.accepted.tested())
            results.refusalRow = d.refusalRow;
    results.config = CheckBlock(Block::Config, set.ConfigBlock, collected.refused);
    results.freeParam = CheckBlock(Block::FreeParam, set.FreeParamBlock, collected.refused);
    results.gridService = CheckBlock(Block::GridService, set.GridServiceBlock, collected.refused);
    results.name = collected.nameResult;
    return results;
}

std::uint8_t CheckNetbiosName(std::span<const std::uint8_t, NetbiosNameSize> name) {
    for (std::uint8_t b : name)
        if (!NameByteAccepted(b))
            return 1;
    return 0;
}

}  // namespace orvane::params
