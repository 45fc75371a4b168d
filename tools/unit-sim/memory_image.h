// The unit's 512-byte parameter memory: the six blocks the configurator reads and writes,
// the built-in factory image, and the EEPROM file that keeps it across runs.
// Owned by the simulator's main loop; one thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace orvane::unitsim {

inline constexpr std::size_t MemorySize = 512;

struct BlockSpan {
    std::uint16_t address;
    std::uint16_t size;
};

namespace block {
inline constexpr BlockSpan Network{0x000, 22};
inline constexpr BlockSpan Config{0x060, 12};
inline constexpr BlockSpan FreeParams{0x080, 64};
inline constexpr BlockSpan GridServices{0x0C0, 16};
inline constexpr BlockSpan NetbiosName{0x100, 16};
inline constexpr BlockSpan Identity{0x1C0, 12};
}  // namespace block

// Byte offsets inside the blocks that the unit itself looks at.
namespace field {
// Config block.
inline constexpr std::size_t CapacityAh = 0;
inline constexpr std::size_t PanelCount = 2;
inline constexpr std::size_t BatteryType = 3;
inline constexpr std::size_t MaxSupplyCurrentA = 4;
inline constexpr std::size_t ConfigFlags = 5;
inline constexpr std::size_t InverterType = 6;
inline constexpr std::size_t MaxMpptPowerW = 8;
// Free-parameter block (all 16-bit).
inline constexpr std::size_t ChargeCurrentDivider = 10;
inline constexpr std::size_t ChargeEfficiency = 34;
inline constexpr std::size_t DischargeEfficiency = 36;
inline constexpr std::size_t BatteryLifeCycles = 40;
// Grid-service block.
inline constexpr std::size_t GridFlags = 0;
inline constexpr std::size_t OverFreqStart = 2;
inline constexpr std::size_t OverFreqMax = 4;
inline constexpr std::size_t UnderFreqStart = 6;
inline constexpr std::size_t UnderFreqMin = 8;
inline constexpr std::size_t InsertionDelayMs = 10;
inline constexpr std::size_t OvervoltageStart = 12;
// Identity block.
inline constexpr std::size_t UnitId = 0;
}  // namespace field

namespace grid_flag {
inline constexpr std::uint8_t ServicesEnabled = 0x01;
inline constexpr std::uint8_t OvervoltageLimit = 0x02;
inline constexpr std::uint8_t OverFreqLimit = 0x04;
inline constexpr std::uint8_t UnderFreqLimit = 0x08;
}  // namespace grid_flag

class MemoryImage {
  public:
    // The factory configuration (see DefaultImage in memory_image.cpp).
    MemoryImage();

    // False (and `out` untouched) when any byte lies outside the memory.
    bool read(std::size_t address, std::size_t count, std::span<std::uint8_t> out) const;
    // False, storing nothing, when any byte would lie outside the memory.
    bool write(std::size_t address, std::span<const std::uint8_t> data);

    std::span<const std::uint8_t> view(BlockSpan b) const {
        return {bytes_.data() + b.address, b.size};
    }
    std::span<std::uint8_t> edit(BlockSpan b) { return {bytes_.data() + b.address, b.size}; }
    std::span<const std::uint8_t, MemorySize> bytes() const { return bytes_; }

  private:
    std::array<std::uint8_t, MemorySize> bytes_{};
};

enum class LoadOutcome { Loaded, Missing, Failed };

// Reads a 512-byte EEPROM file. A missing file leaves `image` as it is; a file of another
// size, or one that cannot be read, is refused with a reason (it is never overwritten).
LoadOutcome LoadImage(const std::string& path, MemoryImage& image, std::string& error);

// Writes the image to a temporary file beside `path` and renames it over `path`, so however
// the simulator ends the file holds either the old or the new memory, never half of each.
bool SaveImageAtomically(const std::string& path, const MemoryImage& image, std::string& error);

}  // namespace orvane::unitsim
