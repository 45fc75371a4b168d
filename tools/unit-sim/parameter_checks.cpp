#include "unit-sim/parameter_checks.h"

#include "unit-sim/bytes.h"
#include "unit-sim/memory_image.h"

namespace orvane::unitsim {

namespace {

struct RangeRule {
    std::size_t offset;
    std::size_t width;  // 1 or 2 bytes
    std::uint16_t low;
    std::uint16_t high;
    std::uint8_t error;
    bool zeroAllowed = false;  // 0 switches the feature off
};

std::uint16_t FieldValue(std::span<const std::uint8_t> b, const RangeRule& r) {
    return r.width == 1 ? b[r.offset] : GetU16(b, r.offset);
}

std::uint8_t LastFailing(std::span<const std::uint8_t> b, std::span<const RangeRule> rules) {
    std::uint8_t result = 0;
    for (const RangeRule& r : rules) {
        const std::uint16_t v = FieldValue(b, r);
        if (r.zeroAllowed && v == 0)
            continue;
        if (v < r.low || v > r.high)
            result = r.error;
    }
    return result;
}

constexpr RangeRule ConfigRules[] = {
    {field::CapacityAh, 2, 25, 550, 1}, {field::PanelCount, 1, 4, 16, 2},
    {field::BatteryType, 1, 0, 6, 3},   {field::MaxSupplyCurrentA, 1, 2, 30, 4},
    {field::InverterType, 1, 0, 5, 5},
};

// In the order the unit tests them; the number reported is that of the last failure.
constexpr RangeRule FreeRules[] = {
    {0, 2, 350, 600, 1},        {2, 2, 350, 600, 4},         {4, 2, 350, 600, 3},
    {6, 2, 350, 600, 2},        {8, 2, 10, 90, 10},          {10, 2, 20, 500, 7},
    {12, 2, 2, 200, 5},         {14, 2, 2, 200, 6},          {16, 2, 10, 2300, 8},
    {18, 2, 10, 2300, 9},       {20, 2, 350, 600, 15, true}, {22, 2, 15, 600, 11},
    {24, 2, 15, 600, 12},       {26, 2, 15, 600, 13},        {28, 2, 15, 600, 14},
    {30, 2, 15, 600, 16, true}, {32, 2, 15, 600, 17, true},  {34, 2, 200, 1500, 18},
    {36, 2, 200, 1500, 19},     {38, 2, 370, 500, 20},       {40, 2, 10, 5000, 21},
    {42, 2, 250, 550, 22},
};

}  // namespace

std::uint8_t CheckConfigBlock(std::span<const std::uint8_t> config) {
    return LastFailing(config, ConfigRules);
}

std::uint8_t CheckFreeParamBlock(std::span<const std::uint8_t> freeParams) {
    return LastFailing(freeParams, FreeRules);
}

std::uint8_t CheckGridServiceBlock(std::span<const std::uint8_t> grid) {
    constexpr RangeRule rules[] = {
        {field::OverFreqStart, 2, 501, 520, 1},   {field::OverFreqMax, 2, 501, 520, 2},
        {field::UnderFreqStart, 2, 470, 499, 3},  {field::UnderFreqMin, 2, 470, 499, 4},
        {field::InsertionDelayMs, 2, 0, 1000, 5},
    };
    std::uint8_t result = LastFailing(grid, rules);
    if (GetU16(grid, field::OverFreqStart) >= GetU16(grid, field::OverFreqMax))
        result = 6;
    if (GetU16(grid, field::UnderFreqStart) <= GetU16(grid, field::UnderFreqMin))
        result = 7;
    const std::uint16_t overvoltage = GetU16(grid, field::OvervoltageStart);
    if (overvoltage < 1050)
        result = 8;
    if (overvoltage > 1150)
        result = 9;
    return result;
}

bool NetbiosNameValid(std::span<const std::uint8_t> name) {
    for (std::uint8_t c : name) {
        const bool ok = c == 0 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                        (c >= 'a' && c <= 'z') || c == '-' || c == '.' || c == '_';
        if (!ok)
            return false;
    }
    return true;
}

}  // namespace orvane::unitsim
