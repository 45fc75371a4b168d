// The smoothing filters, bit for bit: gain from the two factors, seeding, the glide
// towards a new sample, exact arrival, and 16/32-bit wrap-around without overflow.
#include <gtest/gtest.h>

#include <vector>

#include "monitor/sample_filter.h"

namespace orvane::monitor {
namespace {

SampleFilter SmoothingFilterSeededAt(std::uint16_t x) {
    SampleFilter f;
    SetFilterGain(f, 1000, 100);
    SeedFilter(f, x);
    return f;
}

std::vector<int> SignedOutputs(SampleFilter& f, std::uint16_t x, int count) {
    std::vector<int> out;
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<std::int16_t>(UpdateFilter(f, x)));
    return out;
}

TEST(FilterGain, followsTheFactorsAndIsCapped) {
    struct Case {
        std::uint16_t a, b;
        int gain;
    };
    for (const Case c : {Case{1000, 100, 6553}, Case{0, 100, 0}, Case{0, 0, 0},
                         Case{100, 100, 32767},   // 65536 capped
                         Case{1, 0, 32767},       // no divisor: as fast as it goes
                         Case{65535, 65535, 0}})  // product beyond 31 bits
    {
        SampleFilter f;
        f.accumulator = 12345;
        SetFilterGain(f, c.a, c.b);
        EXPECT_EQ(f.gain, c.gain) << c.a << " x " << c.b;
        EXPECT_EQ(f.accumulator, 0);
    }
}

TEST(SampleFilter, aSeededFilterReturnsTheSeedExactly) {
    for (std::uint16_t x : {0, 1, 2305, 0x7FFF, 0x8000, 0xFFFF}) {
        SampleFilter f = SmoothingFilterSeededAt(x);
        EXPECT_EQ(UpdateFilter(f, x), x);
    }
}

TEST(SampleFilter, glidesAboutATenthOfTheWayPerSample) {
    SampleFilter up = SmoothingFilterSeededAt(0);
    EXPECT_EQ(SignedOutputs(up, 1000, 4), (std::vector<int>{99, 190, 271, 343}));
    SampleFilter down = SmoothingFilterSeededAt(0);
    EXPECT_EQ(SignedOutputs(down, static_cast<std::uint16_t>(-500), 3),
              (std::vector<int>{-50, -95, -136}));
}

TEST(SampleFilter, arrivesExactlyFromBelowAndFromAbove) {
    SampleFilter up = SmoothingFilterSeededAt(0);
    const auto rising = SignedOutputs(up, 1000, 200);
    EXPECT_EQ(rising[43], 990);
    EXPECT_EQ(rising.back(), 1000);

    SampleFilter down = SmoothingFilterSeededAt(1000);
    EXPECT_EQ(SignedOutputs(down, 0, 200).back(), 0);
    EXPECT_EQ(UpdateFilter(down, 0), 0) << "and stays there";
}

TEST(SampleFilter, takesTheShortWayRoundTheSixteenBitCircle) {
    // An unsigned word of 65000 is 636 steps below 100 modulo 2^16: the output moves down
    // through 0 rather than climbing 64900 steps.
    SampleFilter f = SmoothingFilterSeededAt(100);
    EXPECT_LT(UpdateFilter(f, 65000), 100);
    std::uint16_t out = 0;
    for (int i = 0; i < 300; ++i)
        out = UpdateFilter(f, 65000);
    EXPECT_EQ(out, 65000);
}

TEST(SampleFilter, crossesTheSignedLimitWithoutOverflow) {
    // 0x7FFF to 0x8000 is one step up; the accumulator passes the top of the 32-bit range.
    SampleFilter f = SmoothingFilterSeededAt(0x7FFF);
    std::uint16_t out = 0;
    for (int i = 0; i < 20; ++i)
        out = UpdateFilter(f, 0x8000);
    EXPECT_EQ(out, 0x8000);
}

TEST(SampleFilter, withoutGainStaysWhereItWasSeeded) {
    SampleFilter f;
    SetFilterGain(f, 0, 100);
    SeedFilter(f, 42);
    EXPECT_EQ(UpdateFilter(f, 1000), 42);
}

}  // namespace
}  // namespace orvane::monitor
