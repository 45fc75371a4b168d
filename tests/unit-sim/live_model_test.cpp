// The live-data model over a simulated day: values that hang together and counters that
// only grow.
#include "unit-sim/live_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "unit-sim/bytes.h"
#include "unit-sim/parameter_checks.h"

namespace orvane::unitsim {
namespace {

std::int16_t S16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int16_t>(GetU16(b, at));
}

constexpr std::size_t EnergyFields[] = {48, 52, 56, 60, 64, 68, 72, 84};

TEST(LiveModel, staysCoherentThroughAWholeSimulatedDay) {
    const MemoryImage memory;
    LiveModel model(memory, ModelConfig{600, 42});
    const std::time_t wall0 = 1'700'000'000;
    model.advanceTo(0, wall0);
    auto previous = model.trendBlock();
    bool sawCharging = false, sawSupplying = false, sawDaylight = false, sawNight = false;

    for (int second = 1; second <= 600; ++second) {
        SCOPED_TRACE(testing::Message() << "second " << second);
        model.advanceTo(second, wall0 + second);
        const auto t = model.trendBlock();
        const auto a = model.liveBlockA();

        const int grid = S16(t, 4), house = S16(t, 10), battery = S16(t, 32), pv = S16(t, 40);
        EXPECT_EQ(S16(t, 92) + S16(t, 94) + S16(t, 96), grid) << "phases add up to the grid";
        EXPECT_NEAR(grid, house + battery - pv, 3) << "power balance";
        const double volts = GetU16(t, 20) / 10.0, amps = S16(t, 18) / 10.0;
        EXPECT_NEAR(volts * amps, battery, 0.05 * volts + 1) << "battery P = V * I";
        EXPECT_GE(volts, 44.0);
        EXPECT_LE(volts, 58.0);
        EXPECT_LE(GetU16(t, 34), 1000) << "state of charge, per mille";
        EXPECT_NEAR(GetU16(a, 106), 5000, 5) << "grid frequency";
        EXPECT_NEAR(GetU16(t, 0), 2305, 100) << "grid voltage";
        for (std::size_t at : {12, 14, 16}) {
            EXPECT_GT(S16(t, at), 100);
            EXPECT_LT(S16(t, at), 700);
        }
        for (std::size_t at : EnergyFields)
            EXPECT_GE(GetU32(t, at), GetU32(previous, at)) << "energy total at byte " << at;
        EXPECT_EQ((a[31] >> 5) & 1, battery > 5) << "charging lamp";
        EXPECT_EQ((a[31] >> 2) & 1, battery < -5) << "supplying lamp";

        sawCharging |= battery > 100;
        sawSupplying |= battery < -100;
        sawDaylight |= pv > 1000;
        sawNight |= pv < 0;
        previous = t;
    }
    EXPECT_TRUE(sawCharging && sawSupplying && sawDaylight && sawNight);
}

TEST(LiveModel, clockFollowsThePcClock) {
    const MemoryImage memory;
    LiveModel model(memory, ModelConfig{});
    const std::time_t now = 1'700'000'000;
    model.advanceTo(0, now);
    std::tm local{};
    localtime_r(&now, &local);
    const auto c = model.clockBlock();
    EXPECT_EQ(c[0], local.tm_mday);
    EXPECT_EQ(c[1], local.tm_mon + 1);
    EXPECT_EQ(c[2], local.tm_year + 1900 - 2000);
    EXPECT_EQ(c[3], local.tm_hour);
    EXPECT_EQ(c[4], local.tm_min);
    EXPECT_EQ(c[5], local.tm_sec);
}

TEST(LiveModel, blockedUnitNeitherProducesNorStores) {
    const MemoryImage memory;
    LiveModel model(memory, ModelConfig{600, 3});
    model.advanceTo(0, 0);
    model.block();
    model.advanceTo(30, 30);
    const auto t = model.trendBlock();
    EXPECT_EQ(S16(t, 32), 0) << "battery";
    EXPECT_EQ(S16(t, 40), 0) << "panels";
    EXPECT_EQ(S16(t, 4), S16(t, 10)) << "the house runs on the grid";
}

TEST(LiveModel, gridAlarmsFollowTheGridServiceSettings) {
    MemoryImage memory;
    LiveModel model(memory, ModelConfig{600, 3});
    model.advanceTo(0, 0);
    EXPECT_EQ(model.liveBlockA()[28], 0);
    PutU16(memory.edit(block::GridServices), field::OverFreqStart, 400);  // 40.0 Hz: always over
    const auto a = model.liveBlockA();
    EXPECT_EQ(a[28] & 0x09, 0x09) << "over-frequency and the grid-service error";
    EXPECT_EQ(a[29], CheckGridServiceBlock(memory.view(block::GridServices)));
}

}  // namespace
}  // namespace orvane::unitsim
