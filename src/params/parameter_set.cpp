#include "params/parameter_set.h"

#include "params/field_table.h"

namespace orvane::params {

std::span<std::uint8_t> ParameterSet::bytes(Block b) {
    switch (b) {
        case Block::Network:
            return NetworkBlock;
        case Block::Config:
            return ConfigBlock;
        case Block::FreeParam:
            return FreeParamBlock;
        case Block::GridService:
            return GridServiceBlock;
        case Block::NetbiosName:
            return NetbiosNameBlock;
        case Block::Identity:
            return IdentityBlock;
    }
    return {};
}

std::span<const std::uint8_t> ParameterSet::bytes(Block b) const {
    return const_cast<ParameterSet*>(this)->bytes(b);
}

std::uint32_t ParameterSet::get(Field f) const {
    const FieldDescriptor& d = Describe(f);
    return ReadField(bytes(d.block), d);
}

void ParameterSet::set(Field f, std::uint32_t value) {
    const FieldDescriptor& d = Describe(f);
    WriteField(bytes(d.block), d, value);
}

}  // namespace orvane::params
