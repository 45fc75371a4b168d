// Parameter sets as a unit holds them, and their place in the unit's parameter memory.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "params/field_table.h"
#include "params/parameter_defaults.h"
#include "params/parameter_set.h"

namespace orvane::params {

// Every byte of every block set to `fill`.
inline void FillAll(ParameterSet& set, std::uint8_t fill) {
    for (const BlockLayout& b : BlockLayouts)
        for (std::uint8_t& byte : set.bytes(b.block))
            byte = fill;
    set.OutgoingNetbiosName.fill(fill);
}

// A valid set as a unit might hold it: the defaults with `values` and `netbiosName` over
// them, and every reserved byte and unnamed bit set, which the program must keep.
inline ParameterSet UnitSet(std::initializer_list<FieldDefault> values,
                            std::string_view netbiosName) {
    ParameterSet s;
    FillAll(s, 0xFF);
    for (const BlockLayout& b : BlockLayouts)
        for (const FieldDefault& d : DefaultValues(b.block))
            s.set(d.field, d.value);
    for (const FieldDefault& v : values)
        s.set(v.field, v.value);
    StoreNetbiosText(netbiosName, s.NetbiosNameBlock);
    return s;
}

// Whether `actual` holds `expected`'s bytes in each of `blocks`; a failure names the blocks
// that differ.
inline ::testing::AssertionResult SameBlocks(const ParameterSet& actual,
                                             const ParameterSet& expected,
                                             std::initializer_list<Block> blocks = {
                                                 Block::Network, Block::Config, Block::FreeParam,
                                                 Block::GridService, Block::NetbiosName,
                                                 Block::Identity}) {
    std::string differing;
    for (Block b : blocks)
        if (!std::ranges::equal(actual.bytes(b), expected.bytes(b)))
            differing += std::string(differing.empty() ? "" : ", ") + std::string(LayoutOf(b).name);
    if (differing.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "other bytes in " << differing;
}

// Lays every block of `s` into a memory image of the unit at the block's address.
inline void StoreInMemory(const ParameterSet& s, std::span<std::uint8_t> memory) {
    for (const BlockLayout& b : BlockLayouts) {
        const auto bytes = s.bytes(b.block);
        std::copy(bytes.begin(), bytes.end(), memory.begin() + b.address);
    }
}

}  // namespace orvane::params
