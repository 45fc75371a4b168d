// The checks a parameter set passes before it leaves the program (export, save to file).
// Pure functions of the block bytes: 0 = valid, otherwise the error number of the last
// failing test in the block's test order. Any thread.
#pragma once

#include <cstdint>
#include <span>

#include "params/field_table.h"
#include "params/parameter_set.h"

namespace orvane::params {

std::uint8_t CheckConfigBlock(ConfigBytes block);
std::uint8_t CheckFreeParamBlock(FreeParamBytes block);
std::uint8_t CheckGridServiceBlock(GridServiceBytes block);
// 0 when every one of the 16 bytes (also those behind the terminator) is NUL, a digit, an
// ASCII letter, '-', '.' or '_'; 1 otherwise. Other punctuation is refused too: the unit
// announces the name on the network, where only these characters are safe everywhere.
std::uint8_t CheckNetbiosName(std::span<const std::uint8_t, NetbiosNameSize> name);

// The range and order tests of any block with checked fields.
std::uint8_t CheckBlock(Block b, std::span<const std::uint8_t> bytes);

}  // namespace orvane::params
