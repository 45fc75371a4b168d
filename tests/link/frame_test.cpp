#include "link/frame.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane::link {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Built(const FrameBuffer& tx, std::uint8_t length) {
    return Bytes(tx.begin(), tx.begin() + length);
}

struct WorkedExample {
    const char* what;
    std::uint8_t function;
    Bytes payload;
    std::uint8_t addressLow;
    Bytes wire;
};

class WorkedExamples : public ::testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, buildTheBytesSentOnTheLine) {
    const WorkedExample& ex = GetParam();
    FrameBuffer tx{};
    const std::uint8_t length = BuildFrame(tx, UnitAddress, MasterAddress, ex.function,
                                           ex.payload.data(), ex.payload.size(), ex.addressLow, 0);
    EXPECT_EQ(Built(tx, length), ex.wire) << ex.what;
}

INSTANTIATE_TEST_SUITE_P(
    Requests, WorkedExamples,
    ::testing::Values(
        WorkedExample{"firmware version", 0x10, {0x00}, 0x00,
                      {0xEA, 0xAA, 0x08, 0x00, 0x00, 0x10, 0x00, 0x58}},
        WorkedExample{"memory read of 12 at 0x60", 0xB1, {0x0C}, 0x60,
                      {0xEA, 0xAA, 0x08, 0x60, 0x00, 0xB1, 0x0C, 0x95}},
        WorkedExample{"block", 0x22, {0x03, 0x07}, 0x00,
                      {0xEA, 0xAA, 0x09, 0x00, 0x00, 0x22, 0x03, 0x07, 0x6F}},
        WorkedExample{"commit", 0x32, {0x55, 0xAA}, 0x00,
                      {0xEA, 0xAA, 0x09, 0x00, 0x00, 0x32, 0x55, 0xAA, 0x84}}));

TEST(BuildFrame, largestPayloadFillsTheWholeFrame) {
    FrameBuffer tx{};
    Bytes payload(233, 0x5A);
    ASSERT_EQ(BuildFrame(tx, UnitAddress, MasterAddress, 0xB0, payload.data(), payload.size(), 0, 0),
              240);
    EXPECT_EQ(tx[2], 240);
    EXPECT_EQ(tx[239], Checksum(std::span(tx.data(), 239)));
}

TEST(BuildFrame, oversizedPayloadIsRefusedAndLeavesTheBufferAlone) {
    FrameBuffer tx{};
    tx.fill(0x77);
    Bytes payload(234, 0x01);
    EXPECT_EQ(BuildFrame(tx, UnitAddress, MasterAddress, 0xB0, payload.data(), payload.size(), 0, 0),
              FrameRefused);
    for (std::uint8_t b : tx) ASSERT_EQ(b, 0x77);
}

TEST(BuildFrame, emptyPayloadChecksumsTheHeaderOnly) {
    FrameBuffer tx{};
    ASSERT_EQ(BuildFrame(tx, UnitAddress, MasterAddress, 0x10, nullptr, 0, 0x12, 0x34), 7);
    EXPECT_EQ(tx[6], Checksum(std::span(tx.data(), 6)));
}

TEST(BuildFrame, shorterFrameAfterALongerOneLeavesZerosBehindItsChecksum) {
    FrameBuffer tx{};
    Bytes longPayload(100, 0xFF);
    BuildFrame(tx, UnitAddress, MasterAddress, 0xB0, longPayload.data(), longPayload.size(), 0, 0);
    const std::uint8_t one = 0;
    const std::uint8_t length = BuildFrame(tx, UnitAddress, MasterAddress, 0x10, &one, 1, 0, 0);
    for (std::size_t i = length; i < tx.size(); ++i) ASSERT_EQ(tx[i], 0) << "byte " << i;
}

TEST(FrameStart, memoryWriteDropsOnlyALeadingZero) {
    EXPECT_EQ(FrameStart(StartRule::SkipLeadingZero, 0x00, 0xAA), 1u);
    EXPECT_EQ(FrameStart(StartRule::SkipLeadingZero, 0xAA, 0xAA), 0u);
    EXPECT_EQ(FrameStart(StartRule::SkipLeadingZero, 0xAA, 0xEA), 0u);
}

TEST(FrameStart, readAndExchangeAlsoDropARepeatedFirstByte) {
    EXPECT_EQ(FrameStart(StartRule::SkipLeadingZeroOrRepeat, 0x00, 0xAA), 1u);
    EXPECT_EQ(FrameStart(StartRule::SkipLeadingZeroOrRepeat, 0xAA, 0xAA), 1u);
    EXPECT_EQ(FrameStart(StartRule::SkipLeadingZeroOrRepeat, 0xAA, 0xEA), 0u);
}

TEST(AnswerIntact, anySingleChangedByteOtherThanTheLengthIsDetected) {
    Bytes answer{0xAA, 0xEA, 0x0A, 0x00, 0x00, 0x10, 0x01, 0x07, 0x03};
    answer.push_back(Checksum(answer));
    ASSERT_TRUE(AnswerIntact(answer));
    for (std::size_t i = 0; i < answer.size(); ++i) {
        if (i == LengthByte) continue;
        Bytes bad = answer;
        bad[i] ^= 0x10;
        EXPECT_FALSE(AnswerIntact(bad)) << "byte " << i;
    }
}

TEST(AnswerIntact, lengthByteOutsideTheFrameIsNotIntact) {
    Bytes zeroLength{0xAA, 0xEA, 0x00, 0, 0, 0x10, 0};
    EXPECT_FALSE(AnswerIntact(zeroLength));
    Bytes pastTheEnd{0xAA, 0xEA, 0xF0, 0, 0, 0x10, 0};
    EXPECT_FALSE(AnswerIntact(pastTheEnd));
    // 0x01 ^ 0x02 == 0x03: the XOR over a "frame" of three bytes would pass.
    Bytes belowAFrame{0x01, 0x02, 0x03, 0, 0, 0xB0, 1, 0};
    EXPECT_FALSE(AnswerIntact(belowAFrame));
}

}  // namespace
}  // namespace orvane::link
