#include "monitor/sample_filter.h"

namespace orvane::monitor {

namespace {
constexpr std::int64_t GainNumerator = 655'360'000;
constexpr std::int64_t GainCap = 32'767;

std::int16_t UpperHalf(std::int32_t accumulator) {
    return static_cast<std::int16_t>(accumulator >> 16);  // arithmetic shift
}
}  // namespace

void SetFilterGain(SampleFilter& filter, std::uint16_t a, std::uint16_t b) {
    filter.accumulator = 0;
    if (a == 0) {
        filter.gain = 0;
        return;
    }
    // The product of two 16-bit factors needs more than 31 bits.
    const std::int64_t product = std::int64_t{a} * std::int64_t{b};
    const std::int64_t quotient = product == 0 ? GainCap : GainNumerator / product;
    filter.gain = static_cast<std::int16_t>(quotient > GainCap ? GainCap : quotient);
}

void SeedFilter(SampleFilter& filter, std::uint16_t x) {
    filter.accumulator = static_cast<std::int32_t>(std::uint32_t{x} << 16);
}

std::uint16_t UpdateFilter(SampleFilter& filter, std::uint16_t x) {
    const auto difference = static_cast<std::int16_t>(
        static_cast<std::uint16_t>(x - static_cast<std::uint16_t>(UpperHalf(filter.accumulator))));
    const std::int32_t step = std::int32_t{difference} * std::int32_t{filter.gain};
    // Near the ends of the range the sum can pass 32 bits; it wraps instead of overflowing.
    filter.accumulator = static_cast<std::int32_t>(static_cast<std::uint32_t>(filter.accumulator) +
                                                   static_cast<std::uint32_t>(step));
    return static_cast<std::uint16_t>(UpperHalf(filter.accumulator));
}

}  // namespace orvane::monitor
