// What the unit answers to each function code, and what each request does to it.
#include "unit-sim/unit_responder.h"

#include <gtest/gtest.h>

#include "link/frame.h"
#include "unit-sim/bytes.h"

namespace orvane::unitsim {
namespace {

namespace fn = link::function;

class UnitResponderTest : public ::testing::Test {
  protected:
    UnitResponderTest() : model(memory, ModelConfig{600, 7}) { model.advanceTo(0, 1'700'000'000); }

    // The answer's payload, after checking that the frame is well formed.
    std::optional<Bytes> ask(std::uint8_t function, Bytes payload, std::uint16_t address = 0) {
        link::FrameBuffer tx{};
        const auto length =
            link::BuildFrame(tx, link::UnitAddress, link::MasterAddress, function, payload.data(),
                             payload.size(), address & 0xFF, address >> 8);
        const std::optional<Bytes> frame = responder.answer(std::span(tx.data(), length));
        if (!frame)
            return std::nullopt;
        EXPECT_TRUE(link::AnswerIntact(*frame));
        EXPECT_EQ(frame->at(link::LengthByte), frame->size());
        EXPECT_EQ(frame->at(link::FunctionByte), function);
        EXPECT_NE(frame->at(0), frame->at(1)) << "the receiver would drop the first byte";
        EXPECT_NE(frame->at(0), 0x00);
        return Bytes(frame->begin() + link::PayloadStart, frame->end() - 1);
    }

    Bytes liveA() { return ask(fn::LiveBlockA, {0}).value(); }
    Bytes liveB() { return ask(fn::LiveBlockB, {0}).value(); }
    Bytes trend() { return ask(fn::TrendBlock, {0}).value(); }

    MemoryImage memory;
    LiveModel model;
    Settings settings;
    int commits = 0;
    bool commitSucceeds = true;
    UnitResponder responder{memory, model, settings, [this](const MemoryImage&) {
                                ++commits;
                                return commitSucceeds;
                            }};
};

struct LengthCase {
    std::uint8_t function;
    Bytes payload;
    std::size_t answerLength;
};

TEST_F(UnitResponderTest, answersEveryFunctionCodeWithItsPayloadLength) {
    const LengthCase cases[] = {
        {fn::FirmwareVersion, {0}, 3},
        {fn::LiveBlockA, {0}, 176},
        {fn::LiveBlockB, {0}, 48},
        {fn::TrendBlock, {0}, 108},
        {fn::ClockRead, {0}, 6},
        {fn::OperatingCommand, {0x03, 0x07}, 2},
        {fn::BatteryDataReset, {0}, 48},
        {fn::StorageDataReset, {0}, 48},
        {fn::ClockSet, {5, 3, 24, 13, 7, 9}, 68},
        {fn::ChargeFaultReset, {0x10, 0x01}, 2},
        {fn::MemoryWrite, {1, 2, 3}, 1},
        {fn::MemoryRead, {12}, 12},
        {fn::MemoryCommit, {0x55, 0xAA}, 2},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "function 0x" << std::hex << int{c.function});
        const auto answer =
            ask(c.function, c.payload, c.function == fn::MemoryWrite ? 0x1F0 : 0x60);
        ASSERT_TRUE(answer);
        EXPECT_EQ(answer->size(), c.answerLength);
    }
}

TEST_F(UnitResponderTest, staysSilentOnAnUnknownFunctionCode) {
    EXPECT_FALSE(ask(0x55, {0}));
}

TEST_F(UnitResponderTest, answersTheFirmwareVersionItIsSetTo) {
    EXPECT_EQ(ask(fn::FirmwareVersion, {0}), (Bytes{1, 7, 3}));
    settings.firmware = {1, 8, 0};
    EXPECT_EQ(ask(fn::FirmwareVersion, {0}), (Bytes{1, 8, 0}));
}

TEST_F(UnitResponderTest, memoryReadReturnsWhatAWriteStored) {
    EXPECT_EQ(ask(fn::MemoryWrite, {0x2C, 0x01, 12}, 0x060), Bytes{1});
    EXPECT_EQ(ask(fn::MemoryRead, {3}, 0x060), (Bytes{0x2C, 0x01, 12}));
    EXPECT_EQ(ask(fn::MemoryRead, {2}, 0x1C0), (Bytes{0x12, 0x04})) << "unit 1042";
}

TEST_F(UnitResponderTest, refusesWritesThatDoNotFitAndStoresNothing) {
    const MemoryImage before = memory;
    EXPECT_EQ(ask(fn::MemoryWrite, {1, 2}, 0x1FF), Bytes{0}) << "runs past the end";
    EXPECT_EQ(ask(fn::MemoryWrite, Bytes(65, 7), 0x000), Bytes{0}) << "more than 64 bytes";
    settings.writeStatus = 2;
    EXPECT_EQ(ask(fn::MemoryWrite, {9}, 0x060), Bytes{2});
    EXPECT_TRUE(std::ranges::equal(memory.bytes(), before.bytes()));
}

TEST_F(UnitResponderTest, answersAReadOutsideTheMemoryWithoutData) {
    EXPECT_EQ(ask(fn::MemoryRead, {16}, 0x1F8), Bytes{});
    EXPECT_EQ(ask(fn::MemoryRead, {240}, 0x000), Bytes{});
}

TEST_F(UnitResponderTest, commitsOnlyWithItsKeyAndStaysSilentWhenTheCommitIsLost) {
    EXPECT_TRUE(ask(fn::MemoryCommit, {0x55, 0x55}));
    EXPECT_EQ(commits, 0);
    EXPECT_TRUE(ask(fn::MemoryCommit, {0x55, 0xAA}));
    EXPECT_EQ(commits, 1);
    commitSucceeds = false;
    EXPECT_FALSE(ask(fn::MemoryCommit, {0x55, 0xAA}));
}

bool Bit(const Bytes& b, std::size_t at, int bit) {
    return (b.at(at) >> bit) & 1;
}

TEST_F(UnitResponderTest, blockAndStartSetAndClearTheBlockedLamps) {
    ask(fn::OperatingCommand, {0x03, 0x07});
    EXPECT_TRUE(Bit(liveA(), 33, 0));
    EXPECT_TRUE(Bit(liveA(), 34, 3));
    ask(fn::OperatingCommand, {0x02, 0x05});
    EXPECT_FALSE(Bit(liveA(), 33, 0));
    EXPECT_FALSE(Bit(liveA(), 34, 3));
}

TEST_F(UnitResponderTest, fullChargeLightsItsLampForAWhile) {
    ask(fn::OperatingCommand, {0x5A, 0x9B});
    EXPECT_TRUE(Bit(liveA(), 30, 2));
    model.advanceTo(LiveModel::FullChargeSeconds - 1, 1'700'000'059);
    EXPECT_TRUE(Bit(liveA(), 30, 2));
    model.advanceTo(LiveModel::FullChargeSeconds + 1, 1'700'000'061);
    EXPECT_FALSE(Bit(liveA(), 30, 2));
}

TEST_F(UnitResponderTest, batteryResetZeroesTheBatteryCountersAndAnswersTheNewBlock) {
    const Bytes before = trend();
    ASSERT_NE(GetU16(before, 88), 0);
    const Bytes answer = ask(fn::BatteryDataReset, {0}).value();
    EXPECT_EQ(answer, liveB());
    EXPECT_EQ(GetU32(answer, 0), 0u) << "Ah charged";
    EXPECT_EQ(GetU32(answer, 4), 0u) << "Ah discharged";
    const Bytes after = trend();
    EXPECT_EQ(GetU16(after, 88), 0) << "battery life used";
    EXPECT_EQ(GetU32(after, 56), 0u) << "battery energy supplied";
    EXPECT_EQ(GetU32(after, 48), GetU32(before, 48)) << "energy totals are not battery data";
}

TEST_F(UnitResponderTest, storageResetZeroesTheEnergyTotals) {
    ask(fn::StorageDataReset, {0});
    const Bytes t = trend();
    for (std::size_t at : {48, 52, 60, 64, 68, 72, 84})
        EXPECT_EQ(GetU32(t, at), 0u) << "byte " << at;
    EXPECT_NE(GetU32(t, 56), 0u) << "battery energy is a battery counter";
}

TEST_F(UnitResponderTest, chargeFaultResetClearsBothFaultLamps) {
    model.raiseChargeFault();
    EXPECT_TRUE(Bit(liveA(), 117, 2));
    EXPECT_TRUE(Bit(liveB(), 20, 1));
    ask(fn::ChargeFaultReset, {0x10, 0x01});
    EXPECT_FALSE(Bit(liveA(), 117, 2));
    EXPECT_FALSE(Bit(liveB(), 20, 1));
}

TEST_F(UnitResponderTest, clockRunsOnFromTheTimeItWasSet) {
    const Bytes answer = ask(fn::ClockSet, {5, 3, 24, 13, 7, 9}).value();
    EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 6), (Bytes{5, 3, 24, 13, 7, 9}));
    model.advanceTo(65, 1'700'000'065);
    EXPECT_EQ(ask(fn::ClockRead, {0}), (Bytes{5, 3, 24, 13, 8, 14}));
}

TEST_F(UnitResponderTest, ignoresAnImpossibleClockSetting) {
    const auto before = ask(fn::ClockRead, {0});
    const Bytes answer = ask(fn::ClockSet, {31, 2, 24, 13, 7, 9}).value();  // 31 February
    EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 6), before);
}

TEST_F(UnitResponderTest, flagsAParameterErrorWithItsNumberOnceTheMemoryHoldsOne) {
    EXPECT_FALSE(Bit(liveA(), 30, 4));
    ask(fn::MemoryWrite, {20, 0}, 0x060);  // 20 Ah
    const Bytes a = liveA();
    EXPECT_TRUE(Bit(a, 30, 4));
    EXPECT_EQ(a[96], 1);
    EXPECT_FALSE(Bit(a, 30, 5));
}

}  // namespace
}  // namespace orvane::unitsim
