// The three transactions end to end: the real DeviceLink on the real termios port, a
// scripted unit on the far side of a pseudo-terminal.
#include <gtest/gtest.h>

#include <chrono>

#include "link/device_link.h"
#include "link/posix_serial_port.h"
#include "support/elapsed.h"
#include "support/fake_serial_port.h"
#include "support/pty_peer.h"

namespace orvane::link {
namespace {

using namespace std::chrono_literals;
using testing::AnswerFrame;
using testing::Bytes;
using testing::Clock;
using testing::MsSince;
using testing::PeerAnswer;
using testing::PtyPeer;

Bytes Prefixed(std::uint8_t first, Bytes frame) {
    frame.insert(frame.begin(), first);
    return frame;
}

// One link on its own port to the peer's device, as the window has it.
struct LinkToPeer {
    explicit LinkToPeer(PtyPeer& peer) : signalling(posix, peer) {
        ports.setConfigured(0, peer.devicePath());
    }
    PosixSerialPort posix;
    testing::ListeningSignalPort signalling;
    PortTable ports;
    SystemDelay delay;
    DeviceLink link{signalling, ports, delay};
};

class OverPty : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(peer.devicePath().empty());
        ASSERT_TRUE(link.OpenPort(0)) << static_cast<int>(link.lastOpenError());
    }
    std::uint8_t exchange(std::uint8_t function, const Bytes& payload, std::uint8_t m) {
        buffer.assign(240, 0);
        std::copy(payload.begin(), payload.end(), buffer.begin());
        return link.Exchange(UnitAddress, MasterAddress, function, buffer,
                             static_cast<std::uint8_t>(payload.size()), 0, 0, m);
    }

    PtyPeer peer;
    LinkToPeer side{peer};
    DeviceLink& link = side.link;
    Bytes buffer;
};

struct WireCase {
    const char* what;
    std::uint8_t function;
    Bytes payload;
    std::uint8_t answerPayload;  // m
    Bytes wire;
};

TEST_F(OverPty, requestsGoOutOnTheLineByteForByte) {
    const WireCase cases[] = {
        {"firmware version", 0x10, {0x00}, 3, {0xEA, 0xAA, 0x08, 0x00, 0x00, 0x10, 0x00, 0x58}},
        {"block", 0x22, {0x03, 0x07}, 2, {0xEA, 0xAA, 0x09, 0x00, 0x00, 0x22, 0x03, 0x07, 0x6F}},
        {"commit", 0x32, {0x55, 0xAA}, 2, {0xEA, 0xAA, 0x09, 0x00, 0x00, 0x32, 0x55, 0xAA, 0x84}},
    };
    std::size_t sent = 0;
    for (const WireCase& c : cases) {
        peer.answerAlways(AnswerFrame(c.function, Bytes(c.answerPayload, 0x11)));
        EXPECT_EQ(exchange(c.function, c.payload, c.answerPayload), exchange_result::Ok) << c.what;
        EXPECT_EQ(peer.requests(++sent).back(), c.wire) << c.what;
    }
    peer.answerAlways(AnswerFrame(function::MemoryRead, Bytes(12, 0x22)));
    Bytes data(12, 0);
    EXPECT_EQ(link.MemoryRead(data.data(), 0x0060, 12, UnitAddress), read_result::Ok);
    EXPECT_EQ(data, Bytes(12, 0x22));
    EXPECT_EQ(peer.requests(++sent).back(),
              (Bytes{0xEA, 0xAA, 0x08, 0x60, 0x00, 0xB1, 0x0C, 0x95}));
}

TEST_F(OverPty, memoryWriteOfSeventyBytesSendsTheFirstSixtyFourAndReadsSeventyTwo) {
    Bytes data(70);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i);
    peer.answerAlways(AnswerFrame(function::MemoryWrite, {1}));
    EXPECT_EQ(link.MemoryWrite(data.data(), 0x0123, 70, UnitAddress), write_result::Ok);
    const Bytes request = peer.requests(1).back();
    ASSERT_EQ(request.size(), 71u);
    EXPECT_EQ(request[2], 71);
    EXPECT_EQ(request[3], 0x23);
    EXPECT_EQ(request[4], 0x01);
    EXPECT_EQ(Bytes(request.begin() + 6, request.end() - 1),
              Bytes(data.begin(), data.begin() + 64));

    // Unanswered, the read waits for 72 bytes: 5 ms each plus 15, with no wait before it.
    peer.answerAlways({});
    const auto start = Clock::now();
    EXPECT_EQ(link.MemoryWrite(data.data(), 0x0123, 70, UnitAddress), write_result::NoAnswer);
    EXPECT_GE(MsSince(start), 5 * 72 + 15);
}

TEST_F(OverPty, memoryWritePassesTheUnitsStatusOn) {
    const std::uint8_t data[1] = {0x42};
    for (auto [status, expected] : {std::pair{1, 0}, {0, 4}, {2, 6}, {252, 255}}) {
        peer.answerAlways(AnswerFrame(function::MemoryWrite, {static_cast<std::uint8_t>(status)}));
        EXPECT_EQ(link.MemoryWrite(data, 0x0010, 1, UnitAddress), expected) << "status " << status;
    }
}

TEST_F(OverPty, memoryReadOfAnAnswerWithoutDataReportsFourAndLeavesTheDestination) {
    peer.answerAlways(AnswerFrame(function::MemoryRead, {}));
    Bytes data(8, 0x5A);
    EXPECT_EQ(link.MemoryRead(data.data(), 0x0040, 8, UnitAddress), read_result::NoData);
    EXPECT_EQ(data, Bytes(8, 0x5A));
}

TEST_F(OverPty, exchangeWithNoAnswerReportsThreeOnceTheReadTimesOut) {
    peer.answerAlways({});
    const auto start = Clock::now();
    EXPECT_EQ(exchange(function::FirmwareVersion, {0}, 3), exchange_result::BadLength);
    const long ms = MsSince(start);
    // 3 ms turnaround wait, then 11 bytes at 5 ms plus 15.
    EXPECT_GE(ms, 3 + 70);
    EXPECT_LT(ms, 3 + 70 + 150);
}

TEST_F(OverPty, exchangeOfSixBytesDeclaringSixIsTooShort) {
    peer.answerAlways({0xAA, 0xEA, 0x06, 0x00, 0x00, 0x10});
    EXPECT_EQ(exchange(function::FirmwareVersion, {0}, 3), exchange_result::TooShort);
}

TEST_F(OverPty, exchangeAcceptsALengthByteUpToTheExpectedFrameAndNoFurther) {
    peer.answerAlways(AnswerFrame(function::FirmwareVersion, {1, 2, 3, 4}));  // length 11
    EXPECT_EQ(exchange(function::FirmwareVersion, {0}, 3), exchange_result::Ok);
    peer.answerAlways(AnswerFrame(function::FirmwareVersion, {1, 2, 3, 4, 5}));  // length 12
    EXPECT_EQ(exchange(function::FirmwareVersion, {0}, 3), exchange_result::BadLength);
}

TEST_F(OverPty, aSecondLinkCannotOpenThePortWhileTheFirstHoldsIt) {
    LinkToPeer other{peer};
    EXPECT_FALSE(other.link.OpenPort(0));
    EXPECT_FALSE(other.link.IsPortOpen());
    EXPECT_EQ(other.link.lastOpenError(), OpenError::Busy);
    link.ClosePort();
    EXPECT_TRUE(other.link.OpenPort(0));
}

TEST_F(OverPty, aVanishedDeviceFailsEveryTransactionAtOnceAndStillCloses) {
    peer.hangUp();
    const std::uint8_t data[4] = {1, 2, 3, 4};
    Bytes dest(4, 0);
    const auto start = Clock::now();
    EXPECT_EQ(exchange(function::LiveBlockA, {0}, 176), exchange_result::BadLength);
    EXPECT_EQ(link.MemoryRead(dest.data(), 0, 4, UnitAddress), read_result::NoAnswer);
    EXPECT_EQ(link.MemoryWrite(data, 0, 4, UnitAddress), write_result::NoAnswer);
    // The live block alone would wait 935 ms on a silent line.
    EXPECT_LT(MsSince(start), 200);
    EXPECT_TRUE(link.IsPortOpen()) << "a transaction never changes the open state";
    EXPECT_FALSE(link.ClosePort());
    EXPECT_FALSE(link.IsPortOpen());
}

TEST(OverPtyOpen, aMissingDeviceIsReportedAsSuch) {
    PtyPeer peer;
    LinkToPeer side{peer};
    side.ports.setConfigured(0, "/dev/serial/by-id/usb-FTDI_USB-RS485_Cable_FT0GONE-if00-port0");
    EXPECT_FALSE(side.link.OpenPort(0));
    EXPECT_EQ(side.link.lastOpenError(), OpenError::NoSuchDevice);
}

// The same answers with the read ending as soon as the frame is in, and with the read
// waiting out the line's silence: every result and every byte handed back must agree.
struct Received {
    const char* name;
    Bytes (*bytes)(std::uint8_t function, std::size_t payload);
    int write, read, exchange;
};

constexpr std::size_t WritePayload = 1;  // the status byte
constexpr std::size_t ReadCount = 4;
constexpr std::uint8_t ExchangeM = 3;

Bytes Payload(std::uint8_t function, std::size_t size) {
    if (function == function::MemoryWrite)
        return {1};
    Bytes p(size);
    for (std::size_t i = 0; i < size; ++i)
        p[i] = static_cast<std::uint8_t>(0x30 + i);
    return p;
}
Bytes Bare(std::uint8_t fn, std::size_t n) {
    return AnswerFrame(fn, Payload(fn, n));
}
Bytes LeadingZero(std::uint8_t fn, std::size_t n) {
    return Prefixed(0x00, Bare(fn, n));
}
Bytes RepeatedFirst(std::uint8_t fn, std::size_t n) {
    return Prefixed(0xAA, Bare(fn, n));
}
Bytes OwnFirstTwoEqual(std::uint8_t fn, std::size_t n) {
    Bytes b = Bare(fn, n);
    b[1] = b[0];
    b.back() = Checksum(std::span(b.data(), b.size() - 1));
    return b;
}
Bytes Nothing(std::uint8_t, std::size_t) {
    return {};
}
Bytes OtherFunction(std::uint8_t, std::size_t n) {
    return Bare(0x55, n);
}
Bytes Corrupted(std::uint8_t fn, std::size_t n) {
    Bytes b = Bare(fn, n);
    b[6] ^= 0x04;
    return b;
}
Bytes CutShort(std::uint8_t fn, std::size_t n) {
    Bytes b = Bare(fn, n);
    b.resize(5);
    return b;
}
// Its XOR test passes over three bytes, yet three bytes are no frame.
Bytes LengthTooSmall(std::uint8_t fn, std::size_t n) {
    Bytes b = Bare(fn, n);
    b[0] = 0x01, b[1] = 0x02, b[2] = 0x03;
    return b;
}
Bytes LengthTooLarge(std::uint8_t fn, std::size_t n) {
    Bytes b = Bare(fn, n);
    b[2] = 0xFF;
    return b;
}

class EarlyAndPlain : public ::testing::TestWithParam<Received> {};

TEST_P(EarlyAndPlain, giveTheSameResultsAndData) {
    const Received& r = GetParam();
    PtyPeer peer;
    LinkToPeer side{peer};
    ASSERT_TRUE(side.link.OpenPort(0));
    for (const bool early : {true, false}) {
        SCOPED_TRACE(early ? "early" : "plain");
        side.link.setEarlyCompletion(early);

        const std::uint8_t data[WritePayload] = {0x42};
        peer.answerAlways(r.bytes(function::MemoryWrite, WritePayload));
        EXPECT_EQ(side.link.MemoryWrite(data, 0x0010, WritePayload, UnitAddress), r.write);

        peer.answerAlways(r.bytes(function::MemoryRead, ReadCount));
        Bytes dest(ReadCount, 0xEE);
        EXPECT_EQ(side.link.MemoryRead(dest.data(), 0x0010, ReadCount, UnitAddress), r.read);
        EXPECT_EQ(dest,
                  r.read == 0 ? Payload(function::MemoryRead, ReadCount) : Bytes(ReadCount, 0xEE));

        peer.answerAlways(r.bytes(function::FirmwareVersion, ExchangeM));
        Bytes buffer(240, 0);
        EXPECT_EQ(side.link.Exchange(UnitAddress, MasterAddress, function::FirmwareVersion, buffer,
                                     1, 0, 0, ExchangeM),
                  r.exchange);
        // What a caller finds in its buffer, frame and all, whichever way the read ended.
        Bytes expected = r.bytes(function::FirmwareVersion, ExchangeM);
        if (!expected.empty() &&
            (expected[0] == 0x00 || (expected.size() > 1 && expected[0] == expected[1])))
            expected.erase(expected.begin());
        expected.resize(240, 0);
        std::fill(expected.begin() + ExchangeM + 8, expected.end(), 0);
        EXPECT_EQ(buffer, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, EarlyAndPlain,
    ::testing::Values(
        Received{"bare", Bare, 0, 0, 0}, Received{"leadingZero", LeadingZero, 0, 0, 0},
        // The write takes the copy for the frame start and its length from the wrong byte.
        Received{"firstByteRepeated", RepeatedFirst, 2, 0, 0},
        Received{"ownFirstTwoBytesEqual", OwnFirstTwoEqual, 0, 2, 3},
        Received{"nothing", Nothing, 1, 1, 3}, Received{"otherFunction", OtherFunction, 3, 3, 0},
        Received{"corrupted", Corrupted, 2, 2, 1}, Received{"cutShort", CutShort, 2, 2, 2},
        Received{"lengthTooSmallForAFrame", LengthTooSmall, 2, 2, 1},
        Received{"lengthBeyondAnyFrame", LengthTooLarge, 2, 2, 3}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvane::link
