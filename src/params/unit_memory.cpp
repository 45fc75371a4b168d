#include "params/unit_memory.h"

#include <array>

namespace orvane::params {

namespace {

struct Read {
    Block block;
    unsigned pauseAfterMs;  // lets the unit finish its EEPROM access before the next request
};

constexpr std::array<Read, BlockCount> Reads{{
    {Block::Config, 200},
    {Block::FreeParam, 200},
    {Block::Network, 150},
    {Block::GridService, 150},
    {Block::NetbiosName, 100},
    {Block::Identity, 100},
}};

}  // namespace

bool ReadBlocks(link::DeviceLink& link, link::Delay& delay, ParameterSet& into,
                const BlockSelection& blocks) {
    for (const Read& r : Reads) {
        if (!blocks[static_cast<std::size_t>(r.block)])
            continue;
        const BlockLayout& layout = LayoutOf(r.block);
        // MemoryRead copies into the block only when the whole answer is good.
        const std::uint8_t result = link.MemoryRead(into.bytes(r.block).data(), layout.address,
                                                    layout.size, link::UnitAddress);
        delay.waitMs(r.pauseAfterMs);
        if (result != link::read_result::Ok)
            return false;
    }
    return true;
}

}  // namespace orvane::params
