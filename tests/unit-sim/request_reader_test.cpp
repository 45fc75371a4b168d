// Cutting requests out of the line's byte stream, and finding them again after noise.
#include "unit-sim/request_reader.h"

#include <gtest/gtest.h>

#include "link/frame.h"

namespace orvane::unitsim {
namespace {

Bytes Frame(std::uint8_t unit, std::uint8_t function, Bytes payload = {0x00}) {
    link::FrameBuffer tx{};
    const auto length = link::BuildFrame(tx, unit, link::MasterAddress, function, payload.data(),
                                         payload.size(), 0, 0);
    return Bytes(tx.begin(), tx.begin() + length);
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::vector<std::uint8_t> Functions(const std::vector<Bytes>& requests) {
    std::vector<std::uint8_t> f;
    for (const Bytes& r : requests)
        f.push_back(r.at(link::FunctionByte));
    return f;
}

Bytes WithBadChecksum(Bytes frame) {
    frame.back() ^= 0x01;
    return frame;
}

struct StreamCase {
    const char* name;
    Bytes stream;
    std::vector<std::uint8_t> functions;
};

class RequestReaderStream : public ::testing::TestWithParam<StreamCase> {};

TEST_P(RequestReaderStream, yieldsExactlyTheIntactRequestsForThisUnit) {
    RequestReader reader;
    EXPECT_EQ(Functions(reader.feed(GetParam().stream)), GetParam().functions);
    EXPECT_FALSE(reader.pending());
}

INSTANTIATE_TEST_SUITE_P(
    Streams, RequestReaderStream,
    ::testing::Values(StreamCase{"bareRequest", Frame(0xEA, 0x10), {0x10}},
                      StreamCase{"twoRequestsInOneChunk",
                                 Join({Frame(0xEA, 0x10), Frame(0xEA, 0x14)}),
                                 {0x10, 0x14}},
                      StreamCase{"noiseBeforeRequest",
                                 Join({{0x55, 0x00, 0xFF, 0x07}, Frame(0xEA, 0x17)}),
                                 {0x17}},
                      StreamCase{"frameForAnotherUnitSkippedWhole",
                                 Join({Frame(0xEB, 0x10, {0xEA, 0xAA, 0x08}), Frame(0xEA, 0x20)}),
                                 {0x20}},
                      StreamCase{"badChecksumThenGood",
                                 Join({WithBadChecksum(Frame(0xEA, 0x10)), Frame(0xEA, 0xA0)}),
                                 {0xA0}},
                      StreamCase{"falseStartClaimingALongFrame",
                                 Join({{0xEA, 0xAA, 0xF0, 0x01}, Frame(0xEA, 0x10)}),
                                 {0x10}},
                      StreamCase{"answerEchoedByTheAdapterIgnored",
                                 Join({Frame(0xAA, 0x10, {1, 7, 3}), Frame(0xEA, 0x14)}),
                                 {0x14}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RequestReader, waitsForTheRestOfARequestSplitAcrossReads) {
    const Bytes request = Frame(0xEA, 0xB1, {12});
    RequestReader reader;
    EXPECT_TRUE(reader.feed(std::span(request).first(2)).empty());
    EXPECT_TRUE(reader.feed(std::span(request).subspan(2, 4)).empty());
    EXPECT_TRUE(reader.pending());
    EXPECT_EQ(Functions(reader.feed(std::span(request).subspan(6))),
              std::vector<std::uint8_t>{0xB1});
    EXPECT_EQ(reader.discarded(), 0u);
}

TEST(RequestReader, dropsAHalfRequestOnceTheLineGoesQuiet) {
    const Bytes request = Frame(0xEA, 0x10);
    RequestReader reader;
    EXPECT_TRUE(reader.feed(std::span(request).first(5)).empty());
    EXPECT_TRUE(reader.expire().empty());
    EXPECT_FALSE(reader.pending());
    EXPECT_EQ(reader.discarded(), 5u);
    EXPECT_EQ(Functions(reader.feed(request)), std::vector<std::uint8_t>{0x10});
}

}  // namespace
}  // namespace orvane::unitsim
