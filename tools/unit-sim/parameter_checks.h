// The unit's own validation of its parameter memory. It decides the "parameters error"
// lamps and their error numbers in the live status block, so a configurator that writes a
// bad set sees the unit complain. Pure functions; any thread.
#pragma once

#include <cstdint>
#include <span>

namespace orvane::unitsim {

// 0 when valid, otherwise the number of the last failing test (tests run in a fixed order).
std::uint8_t CheckConfigBlock(std::span<const std::uint8_t> config);
std::uint8_t CheckFreeParamBlock(std::span<const std::uint8_t> freeParams);
std::uint8_t CheckGridServiceBlock(std::span<const std::uint8_t> grid);
// True when every one of the 16 bytes is NUL, a digit, an ASCII letter, '-', '.' or '_'.
bool NetbiosNameValid(std::span<const std::uint8_t> name);

}  // namespace orvane::unitsim
