// The configurator's own DeviceLink, over the termios port, against the simulator: every
// function code, the parameter memory through commit and restart, the commands' effects,
// and each fault with the result codes the link gives for it.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "link/device_link.h"
#include "link/posix_serial_port.h"
#include "support/fake_serial_port.h"
#include "support/scratch_directory.h"
#include "support/unit_sim_process.h"

namespace orvane::testing {
namespace {

namespace fn = link::function;
using Frame = std::array<std::uint8_t, link::MaxFrameLength>;

// A link to a fresh simulator, opened through port-list entry 0.
class LinkToSim {
  public:
    explicit LinkToSim(std::vector<std::string> arguments = {}) : sim(std::move(arguments)) {
        sim.bindTo(ports, 0);
    }
    bool open() { return sim.ready() && link.OpenPort(0); }

    // Exchange with the poll cycle's addresses; the answer frame lands in `frame`.
    std::uint8_t exchange(std::uint8_t function, std::vector<std::uint8_t> payload,
                          std::uint8_t m) {
        frame.fill(0);
        std::copy(payload.begin(), payload.end(), frame.begin());
        return link.Exchange(link::UnitAddress, link::MasterAddress, function, frame,
                             static_cast<std::uint8_t>(payload.size()), 0, 0, m);
    }
    std::uint8_t at(std::size_t payloadByte) const {
        return frame[link::PayloadStart + payloadByte];
    }
    std::uint32_t u32(std::size_t payloadByte) const {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | at(payloadByte + static_cast<std::size_t>(i));
        return v;
    }
    bool bit(std::size_t payloadByte, int bit) const { return (at(payloadByte) >> bit) & 1; }

    std::uint8_t read(std::uint16_t address, std::uint8_t count) {
        data.fill(0);
        return link.MemoryRead(data.data(), address, count, link::UnitAddress);
    }
    std::uint8_t write(std::uint16_t address, const std::vector<std::uint8_t>& bytes) {
        return link.MemoryWrite(bytes.data(), address, static_cast<std::uint8_t>(bytes.size()),
                                link::UnitAddress);
    }

    UnitSimProcess sim;
    link::PortTable ports;
    link::PosixSerialPort port;
    FakeDelay delay;  // the simulator's own turnaround stands in for the 3 ms wait
    link::DeviceLink link{port, ports, delay};
    Frame frame{};
    std::array<std::uint8_t, 256> data{};
};

TEST(SimOverDeviceLink, answersEveryFunctionCodeWithItsLengthAndAValidChecksum) {
    LinkToSim t;
    ASSERT_TRUE(t.open()) << t.sim.error();
    const struct {
        std::uint8_t function;
        std::vector<std::uint8_t> payload;
        std::uint8_t m;
    } cases[] = {
        {fn::FirmwareVersion, {0}, 3},
        {fn::LiveBlockA, {0}, 176},
        {fn::LiveBlockB, {0}, 48},
        {fn::TrendBlock, {0}, 108},
        {fn::ClockRead, {0}, 6},
        {fn::OperatingCommand, {0x02, 0x05}, 2},
        {fn::BatteryDataReset, {0}, 48},
        {fn::StorageDataReset, {0}, 48},
        {fn::ClockSet, {5, 3, 24, 13, 7, 9}, 68},
        {fn::ChargeFaultReset, {0x10, 0x01}, 2},
        {fn::MemoryCommit, {0x55, 0xAA}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "function 0x" << std::hex << int{c.function});
        EXPECT_EQ(t.exchange(c.function, c.payload, c.m), link::exchange_result::Ok);
        EXPECT_EQ(t.frame[link::LengthByte], c.m + link::FrameOverhead);
        EXPECT_EQ(t.frame[link::FunctionByte], c.function);
    }
    EXPECT_EQ(t.read(0x060, 12), link::read_result::Ok);
    EXPECT_EQ(t.data[0] | (t.data[1] << 8), 200) << "factory capacity";
    EXPECT_EQ(t.write(0x1F0, {1, 2, 3}), link::write_result::Ok);
}

TEST(SimOverDeviceLink, keepsWrittenMemoryThroughCommitAndRestart) {
    ScratchDirectory dir;
    const std::string eeprom = dir.file("unit.eeprom");
    const std::vector<std::uint8_t> config = {0x2C, 0x01, 12,   4,    20,   0x41,
                                              2,    0x3C, 0x88, 0x13, 0x12, 0x34};
    {
        LinkToSim t({"--eeprom", eeprom});
        ASSERT_TRUE(t.open()) << t.sim.error();
        ASSERT_EQ(t.write(0x060, config), link::write_result::Ok);
        ASSERT_EQ(t.read(0x060, 12), link::read_result::Ok);
        EXPECT_TRUE(std::equal(config.begin(), config.end(), t.data.begin()));
        ASSERT_EQ(t.exchange(fn::MemoryCommit, {0x55, 0xAA}, 2), link::exchange_result::Ok);
    }
    LinkToSim again({"--eeprom", eeprom});
    ASSERT_TRUE(again.open()) << again.sim.error();
    ASSERT_EQ(again.read(0x060, 12), link::read_result::Ok);
    EXPECT_TRUE(std::equal(config.begin(), config.end(), again.data.begin()));
}

TEST(SimOverDeviceLink, forgetsUncommittedWritesOnRestart) {
    ScratchDirectory dir;
    const std::string eeprom = dir.file("unit.eeprom");
    {
        LinkToSim t({"--eeprom", eeprom});
        ASSERT_TRUE(t.open()) << t.sim.error();
        ASSERT_EQ(t.write(0x060, {0x2C, 0x01}), link::write_result::Ok);
    }
    LinkToSim again({"--eeprom", eeprom});
    ASSERT_TRUE(again.open()) << again.sim.error();
    ASSERT_EQ(again.read(0x060, 2), link::read_result::Ok);
    EXPECT_EQ(again.data[0] | (again.data[1] << 8), 200);
}

TEST(SimOverDeviceLink, showsEachCommandsEffectInTheNextLiveBlock) {
    LinkToSim t({"--charge-fault"});
    ASSERT_TRUE(t.open()) << t.sim.error();

    ASSERT_EQ(t.exchange(fn::OperatingCommand, {0x03, 0x07}, 2), 0);
    ASSERT_EQ(t.exchange(fn::LiveBlockA, {0}, 176), 0);
    EXPECT_TRUE(t.bit(33, 0) && t.bit(34, 3)) << "blocked";
    ASSERT_EQ(t.exchange(fn::OperatingCommand, {0x02, 0x05}, 2), 0);
    ASSERT_EQ(t.exchange(fn::LiveBlockA, {0}, 176), 0);
    EXPECT_FALSE(t.bit(33, 0) || t.bit(34, 3)) << "started again";

    ASSERT_EQ(t.exchange(fn::OperatingCommand, {0x5A, 0x9B}, 2), 0);
    ASSERT_EQ(t.exchange(fn::LiveBlockA, {0}, 176), 0);
    EXPECT_TRUE(t.bit(30, 2)) << "full charge";

    EXPECT_TRUE(t.bit(117, 2)) << "charge fault raised at start";
    ASSERT_EQ(t.exchange(fn::ChargeFaultReset, {0x10, 0x01}, 2), 0);
    ASSERT_EQ(t.exchange(fn::LiveBlockA, {0}, 176), 0);
    EXPECT_FALSE(t.bit(117, 2));
    ASSERT_EQ(t.exchange(fn::LiveBlockB, {0}, 48), 0);
    EXPECT_FALSE(t.bit(20, 1));

    ASSERT_EQ(t.exchange(fn::BatteryDataReset, {0}, 48), 0);
    EXPECT_EQ(t.u32(0), 0u) << "the answer is the reset battery block";
    ASSERT_EQ(t.exchange(fn::TrendBlock, {0}, 108), 0);
    EXPECT_EQ(t.at(88) | (t.at(89) << 8), 0) << "battery life used";
    EXPECT_NE(t.u32(48), 0u) << "energy totals untouched by the battery reset";

    ASSERT_EQ(t.exchange(fn::StorageDataReset, {0}, 48), 0);
    ASSERT_EQ(t.exchange(fn::TrendBlock, {0}, 108), 0);
    EXPECT_LT(t.u32(48), 100u) << "energy accumulated starts again from zero";
    EXPECT_LT(t.u32(72), 100u) << "house energy starts again from zero";

    ASSERT_EQ(t.exchange(fn::ClockSet, {5, 3, 24, 13, 7, 9}, 68), 0);
    EXPECT_EQ(std::vector<std::uint8_t>(t.frame.begin() + 6, t.frame.begin() + 12),
              (std::vector<std::uint8_t>{5, 3, 24, 13, 7, 9}));
    ASSERT_EQ(t.exchange(fn::ClockRead, {0}, 6), 0);
    EXPECT_EQ(std::vector<std::uint8_t>(t.frame.begin() + 6, t.frame.begin() + 11),
              (std::vector<std::uint8_t>{5, 3, 24, 13, 7}));
    EXPECT_GE(t.at(5), 9) << "the clock runs on from the time set";
    EXPECT_LE(t.at(5), 12);
}

// One transaction of each kind the faults are tried on.
enum class Kind { Exchange, Read, Write };

std::uint8_t Attempt(LinkToSim& t, Kind kind) {
    switch (kind) {
        case Kind::Exchange:
            return t.exchange(fn::FirmwareVersion, {0}, 3);
        case Kind::Read:
            return t.read(0x060, 12);
        case Kind::Write:
            return t.write(0x1F0, {7, 7});
    }
    return 0xFF;
}

struct FaultCase {
    const char* on;
    const char* off;
    Kind kind;
    std::uint8_t result;
    std::size_t lateBytes = 0;  // still on their way when the link gives up
};

// Waits until the rest of an answer that came too late has arrived, so it cannot mix into
// the next answer.
void TakeLateBytes(LinkToSim& t, std::size_t count) {
    if (count == 0)
        return;
    std::array<std::uint8_t, 64> late{};
    const std::size_t got =
        t.port.read(std::span(late.data(), count), link::ReadTimeouts{500, 0, 2000},
                    [count](auto received) { return received.size() >= count; });
    EXPECT_EQ(got, count) << "late bytes";
}

TEST(SimOverDeviceLink, eachFaultGivesItsResultCodeForGoodAndTheLinkRecoversWhenItIsOff) {
    LinkToSim t;
    ASSERT_TRUE(t.open()) << t.sim.error();
    namespace ex = link::exchange_result;
    namespace rd = link::read_result;
    namespace wr = link::write_result;
    const FaultCase cases[] = {
        {"silent on", "silent off", Kind::Exchange, ex::BadLength},
        {"silent on", "silent off", Kind::Read, rd::NoAnswer},
        {"silent on", "silent off", Kind::Write, wr::NoAnswer},
        {"drop 1", "drop 0", Kind::Exchange, ex::BadLength},
        {"corrupt 1", "corrupt 0", Kind::Exchange, ex::BadChecksum},
        {"corrupt 1", "corrupt 0", Kind::Read, rd::BadChecksum},
        {"corrupt 1", "corrupt 0", Kind::Write, wr::BadChecksum},
        {"truncate 1", "truncate 0", Kind::Exchange, ex::TooShort},
        {"truncate 1", "truncate 0", Kind::Read, rd::BadChecksum},
        {"gap 80", "gap 0", Kind::Exchange, ex::TooShort, 5},
        {"gap 80", "gap 0", Kind::Read, rd::BadChecksum, 10},
        {"wrong-function on", "wrong-function off", Kind::Exchange, ex::Ok},
        {"wrong-function on", "wrong-function off", Kind::Read, rd::WrongFunction},
        {"wrong-function on", "wrong-function off", Kind::Write, wr::WrongFunction},
        {"leading-zero on", "leading-zero off", Kind::Exchange, ex::Ok},
        {"leading-zero on", "leading-zero off", Kind::Read, rd::Ok},
        {"leading-zero on", "leading-zero off", Kind::Write, wr::Ok},
        {"dup-first on", "dup-first off", Kind::Exchange, ex::Ok},
        {"dup-first on", "dup-first off", Kind::Read, rd::Ok},
        {"dup-first on", "dup-first off", Kind::Write, wr::BadChecksum},
        {"garbage 2", "garbage 0", Kind::Exchange, ex::BadLength},
        {"garbage 2", "garbage 0", Kind::Read, rd::BadChecksum},
        {"write-status 0", "write-status 1", Kind::Write, wr::StatusBase + 0},
        {"write-status 2", "write-status 1", Kind::Write, wr::StatusBase + 2},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.on << ", kind " << static_cast<int>(c.kind));
        ASSERT_TRUE(t.sim.control(c.on));
        EXPECT_EQ(Attempt(t, c.kind), c.result);
        TakeLateBytes(t, c.lateBytes);
        EXPECT_EQ(Attempt(t, c.kind), c.result) << "the fault stays until switched off";
        TakeLateBytes(t, c.lateBytes);
        ASSERT_TRUE(t.sim.control(c.off));
        EXPECT_EQ(Attempt(t, c.kind), 0) << "recovers once it is off";
    }
}

TEST(SimOverDeviceLink, periodicFaultsSpoilOnlyEveryNthAnswer) {
    LinkToSim t({"--corrupt", "3"});
    ASSERT_TRUE(t.open()) << t.sim.error();
    std::string results;
    for (int i = 0; i < 6; ++i)
        results += static_cast<char>('0' + Attempt(t, Kind::Exchange));
    EXPECT_EQ(results, "001001");
}

TEST(SimOverDeviceLink, answersTheFirmwareVersionSetThroughTheFifo) {
    LinkToSim t({"--fw", "1.6.9"});
    ASSERT_TRUE(t.open()) << t.sim.error();
    ASSERT_EQ(Attempt(t, Kind::Exchange), 0);
    EXPECT_EQ(std::vector<std::uint8_t>(t.frame.begin() + 6, t.frame.begin() + 9),
              (std::vector<std::uint8_t>{1, 6, 9}));
    ASSERT_TRUE(t.sim.control("fw 1.8.0"));
    ASSERT_EQ(Attempt(t, Kind::Exchange), 0);
    EXPECT_EQ(t.at(1), 8);
}

TEST(SimOverDeviceLink, survivesTheConfiguratorClosingAndReopeningThePort) {
    LinkToSim t;
    ASSERT_TRUE(t.open()) << t.sim.error();
    for (int i = 0; i < 3; ++i) {
        t.link.ClosePort();
        ASSERT_TRUE(t.link.OpenPort(0)) << "reopen " << i;
        EXPECT_EQ(Attempt(t, Kind::Exchange), 0);
    }
}

}  // namespace
}  // namespace orvane::testing
