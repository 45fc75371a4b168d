// The configurator's copy of the unit's parameter memory: six byte images laid out exactly
// as they travel in the memory transactions, plus the outgoing NetBIOS name that the editor
// builds for export. Plain data owned by the program root for the whole run; window thread only.
// Typed access goes through the field table (field_table.h): get/set touch only the bytes
// or the bit of one field, so reserved bytes and unnamed flag bits keep whatever the last
// import brought in.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace orvane::params {

enum class Block : std::uint8_t { Network, Config, FreeParam, GridService, NetbiosName, Identity };

inline constexpr std::size_t BlockCount = 6;

struct BlockLayout {
    Block block;
    std::string_view name;
    std::uint16_t address;  // in the unit's parameter memory
    std::uint8_t size;      // bytes
};

inline constexpr std::array<BlockLayout, BlockCount> BlockLayouts{{
    {Block::Network, "NetworkBlock", 0x000, 22},
    {Block::Config, "ConfigBlock", 0x060, 12},
    {Block::FreeParam, "FreeParamBlock", 0x080, 64},
    {Block::GridService, "GridServiceBlock", 0x0C0, 16},
    {Block::NetbiosName, "NetbiosNameBlock", 0x100, 16},
    {Block::Identity, "IdentityBlock", 0x1C0, 12},
}};

constexpr const BlockLayout& LayoutOf(Block b) {
    return BlockLayouts[static_cast<std::size_t>(b)];
}

using NetworkBytes = std::array<std::uint8_t, 22>;
using ConfigBytes = std::array<std::uint8_t, 12>;
using FreeParamBytes = std::array<std::uint8_t, 64>;
using GridServiceBytes = std::array<std::uint8_t, 16>;
using NetbiosBytes = std::array<std::uint8_t, 16>;
using IdentityBytes = std::array<std::uint8_t, 12>;

enum class Field : std::uint8_t;

class ParameterSet {
  public:
    NetworkBytes NetworkBlock{};
    ConfigBytes ConfigBlock{};
    FreeParamBytes FreeParamBlock{};
    GridServiceBytes GridServiceBlock{};
    NetbiosBytes NetbiosNameBlock{};     // `netbiosName` as it arrived (import, file, defaults)
    NetbiosBytes OutgoingNetbiosName{};  // built from the edit by CollectParameters; exported
    IdentityBytes IdentityBlock{};

    // The received image of a block (the NetBIOS block is the received copy).
    std::span<std::uint8_t> bytes(Block b);
    std::span<const std::uint8_t> bytes(Block b) const;

    // The field's unsigned value: 0 or 1 for a flag bit. The text field reads as 0; use the
    // NetBIOS helpers of field_table.h for it.
    std::uint32_t get(Field f) const;
    // Stores the low bits that fit the field (a flag takes only its own bit from value != 0).
    // The text field is left alone.
    void set(Field f, std::uint32_t value);
};

}  // namespace orvane::params
