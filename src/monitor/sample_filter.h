// First-order smoothing of one 16-bit measurement word, in 16.16 fixed point. The output
// moves about a tenth of the way towards each new sample and lands on it exactly in the
// end. Plain value owned by `RealtimeData`; window thread only.
#pragma once

#include <cstdint>

namespace orvane::monitor {

struct SampleFilter {
    std::int32_t accumulator = 0;  // 16.16: the smoothed word in the upper half
    std::int16_t gain = 0;         // step factor, gain / 65536 per update
};

// gain = 655,360,000 / (a * b), at most 32,767; 0 when a is 0. The accumulator is cleared.
// A zero b with a non-zero a has an infinite quotient and takes the cap.
void SetFilterGain(SampleFilter& filter, std::uint16_t a, std::uint16_t b);

// Puts the filter on sample x, so the next update with x returns x.
void SeedFilter(SampleFilter& filter, std::uint16_t x);

// Advances the filter by one sample and returns the smoothed word. The distance to the
// sample wraps at 16 bits, so signed and unsigned words share the same arithmetic.
std::uint16_t UpdateFilter(SampleFilter& filter, std::uint16_t x);

}  // namespace orvane::monitor
