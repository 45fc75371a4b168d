// Little-endian field access over byte buffers, as every block of the unit is laid out.
// Pure functions; any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvane::unitsim {

using Bytes = std::vector<std::uint8_t>;

inline void PutU16(std::span<std::uint8_t> b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline void PutU32(std::span<std::uint8_t> b, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void PutS16(std::span<std::uint8_t> b, std::size_t at, std::int16_t v) {
    PutU16(b, at, static_cast<std::uint16_t>(v));
}

inline void PutS32(std::span<std::uint8_t> b, std::size_t at, std::int32_t v) {
    PutU32(b, at, static_cast<std::uint32_t>(v));
}

inline std::uint16_t GetU16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

inline std::uint32_t GetU32(std::span<const std::uint8_t> b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= std::uint32_t{b[at + i]} << (8 * i);
    return v;
}

}  // namespace orvane::unitsim
