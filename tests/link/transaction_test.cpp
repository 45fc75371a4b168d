// The three transactions over an in-memory port: request bytes, read sizes, frame-start
// rules, result codes and what each exchange reports about the bus.
#include <gtest/gtest.h>

#include <chrono>

#include "link/device_link.h"
#include "support/fake_serial_port.h"

namespace orvane::link {
namespace {

using testing::AnswerFrame;
using testing::Bytes;

Bytes WithLeading(std::uint8_t first, Bytes frame) {
    frame.insert(frame.begin(), first);
    return frame;
}

// The link on the in-memory port, closed.
class LinkOnFakePort : public ::testing::Test {
  protected:
    testing::FakeSerialPort port;
    testing::FakeDelay delay;
    PortTable ports;
    DeviceLink link{port, ports, delay};
};
using OpenPort = LinkOnFakePort;

// The link open on entry "COM 1", answered with whatever the test gives.
class Transactions : public LinkOnFakePort {
  protected:
    Transactions() {
        ports.setConfigured(0, "/dev/fake0");
        EXPECT_TRUE(link.OpenPort(0));
    }
    void answerWith(Bytes answer) {
        port.setResponder([answer](const Bytes&) { return answer; });
    }
};

TEST_F(Transactions, memoryWriteSendsAtMostSixtyFourBytesAndReadsOneMoreThanTheAnswer) {
    answerWith(AnswerFrame(0xB0, {1}));
    Bytes data(70, 0x11);
    EXPECT_EQ(link.MemoryWrite(data.data(), 0x0080, 70, UnitAddress), 0);
    ASSERT_EQ(port.written.size(), 1u);
    EXPECT_EQ(port.written[0].size(), 71u);
    EXPECT_EQ(port.written[0][3], 0x80);
    EXPECT_EQ(port.lastReadSize, 72u);
    EXPECT_TRUE(delay.waits.empty()) << "a memory write reads at once";
}

TEST_F(Transactions, memoryWritePassesTheUnitStatusOnPlusFour) {
    const std::uint8_t data[1] = {0};
    // A status that would wrap past 255 must never read as success.
    for (auto [status, expected] : {std::pair{1, 0}, {0, 4}, {2, 6}, {251, 255}, {252, 255}}) {
        answerWith(AnswerFrame(0xB0, {static_cast<std::uint8_t>(status)}));
        EXPECT_EQ(link.MemoryWrite(data, 0, 1, UnitAddress), expected) << "status " << status;
    }
}

TEST_F(Transactions, memoryReadSendsTheWorkedRequestAndCopiesTheData) {
    Bytes data{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    answerWith(AnswerFrame(0xB1, data));
    Bytes dest(12, 0);
    EXPECT_EQ(link.MemoryRead(dest.data(), 0x0060, 12, UnitAddress), 0);
    EXPECT_EQ(dest, data);
    EXPECT_EQ(port.written[0], (Bytes{0xEA, 0xAA, 0x08, 0x60, 0x00, 0xB1, 0x0C, 0x95}));
    EXPECT_EQ(port.lastReadSize, 20u);
    EXPECT_EQ(delay.waits, std::vector<unsigned>{3});
}

TEST_F(Transactions, memoryReadOfAnAnswerWithoutDataIsRefusedAndLeavesTheDestination) {
    answerWith(AnswerFrame(0xB1, {}));
    Bytes dest(4, 0x55);
    EXPECT_EQ(link.MemoryRead(dest.data(), 0, 4, UnitAddress), 4);
    EXPECT_EQ(dest, Bytes(4, 0x55));
}

// What the link tells its observer about each exchange.
struct RecordedExchange {
    ExchangeOutcome outcome;
    std::chrono::microseconds took;
};
class RecordingObserver final : public ExchangeObserver {
  public:
    void exchangeFinished(ExchangeOutcome outcome, std::chrono::microseconds took) override {
        exchanges.push_back({outcome, took});
    }
    std::vector<RecordedExchange> exchanges;
};

// A result code and how the bus health counts it.
struct Classified {
    int code;
    ExchangeOutcome outcome;
};

struct AnswerCase {
    const char* name;
    // The answer each routine receives, laid out around that routine's function code.
    Bytes (*answer)(std::uint8_t function);
    Classified write;     // MemoryWrite
    Classified read;      // MemoryRead
    Classified exchange;  // Exchange (m = 1)
};

class AnswerTable : public Transactions, public ::testing::WithParamInterface<AnswerCase> {
  protected:
    AnswerTable() { link.setObserver(&observer); }
    void expectReported(const Classified& expected, const char* routine) {
        ASSERT_FALSE(observer.exchanges.empty()) << routine;
        EXPECT_EQ(observer.exchanges.back().outcome, expected.outcome) << routine;
    }
    RecordingObserver observer;
};

TEST_P(AnswerTable, eachRoutineClassifiesTheAnswerAndReportsItsOutcome) {
    const AnswerCase& c = GetParam();
    const std::uint8_t one[1] = {0};
    answerWith(c.answer(0xB0));
    EXPECT_EQ(link.MemoryWrite(one, 0, 1, UnitAddress), c.write.code);
    expectReported(c.write, "MemoryWrite");
    answerWith(c.answer(0xB1));
    Bytes dest(1);
    EXPECT_EQ(link.MemoryRead(dest.data(), 0, 1, UnitAddress), c.read.code);
    expectReported(c.read, "MemoryRead");
    answerWith(c.answer(0x10));
    Bytes buffer(240, 0);
    EXPECT_EQ(link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, 1), c.exchange.code);
    expectReported(c.exchange, "Exchange");
    EXPECT_EQ(observer.exchanges.size(), 3u) << "one report per exchange";
}

Bytes Bare(std::uint8_t fn) {
    return AnswerFrame(fn, {1});
}
Bytes LeadingZero(std::uint8_t fn) {
    Bytes b = Bare(fn);
    b.insert(b.begin(), 0x00);
    return b;
}
Bytes RepeatedFirst(std::uint8_t fn) {
    Bytes b = Bare(fn);
    b.insert(b.begin(), b[0]);
    return b;
}
Bytes Nothing(std::uint8_t) {
    return {};
}
Bytes WrongFunction(std::uint8_t) {
    return AnswerFrame(0x55, {1});
}
Bytes CorruptChecksum(std::uint8_t fn) {
    Bytes b = Bare(fn);
    b.back() ^= 0xFF;
    return b;
}
Bytes OneStrayByte(std::uint8_t) {
    return {0x55};
}
Bytes HeadOnly(std::uint8_t fn) {
    Bytes b = Bare(fn);
    b.resize(6);
    b[LengthByte] = 6;
    return b;
}
// Status 0 to a write (refused), a zero data byte to a read or an exchange.
Bytes ZeroPayload(std::uint8_t fn) {
    return AnswerFrame(fn, {0});
}
Bytes NoPayload(std::uint8_t fn) {
    return AnswerFrame(fn, {});
}

using enum ExchangeOutcome;
INSTANTIATE_TEST_SUITE_P(
    Framing, AnswerTable,
    ::testing::Values(
        AnswerCase{"bareAnswer", Bare, {0, Answered}, {0, Answered}, {0, Answered}},
        AnswerCase{"leadingZero", LeadingZero, {0, Answered}, {0, Answered}, {0, Answered}},
        // MemoryWrite takes the repeated byte as the frame start and reads its length from
        // the wrong byte.
        AnswerCase{"repeatedFirstByte", RepeatedFirst, {2, BadFrame}, {0, Answered}, {0, Answered}},
        AnswerCase{"nothing", Nothing, {1, NoAnswer}, {1, NoAnswer}, {3, NoAnswer}},
        // Exchange does not compare the function code, but the bus delivered no answer to it.
        AnswerCase{
            "wrongFunction", WrongFunction, {3, WrongAnswer}, {3, WrongAnswer}, {0, WrongAnswer}},
        AnswerCase{"corruptChecksum", CorruptChecksum, {2, BadFrame}, {2, BadFrame}, {1, BadFrame}},
        // Received, yet no length byte: noise, not silence.
        AnswerCase{"oneStrayByte", OneStrayByte, {2, BadFrame}, {2, BadFrame}, {3, BadFrame}},
        AnswerCase{"headOnly", HeadOnly, {2, BadFrame}, {2, BadFrame}, {2, WrongAnswer}},
        // The unit's own refusals are delivered answers.
        AnswerCase{"zeroPayload", ZeroPayload, {4, Answered}, {0, Answered}, {0, Answered}},
        // A write's answer without a status reads its checksum as the status: still intact.
        AnswerCase{"noPayload", NoPayload, {251, Answered}, {4, Answered}, {0, Answered}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Transactions, requestsRefusedBeforeSendingAreNoExchangeAndGoUnreported) {
    RecordingObserver observer;
    link.setObserver(&observer);
    Bytes buffer(240, 0);
    EXPECT_EQ(link.MemoryRead(buffer.data(), 0, MaxPayloadLength + 1, UnitAddress),
              read_result::NoData);
    EXPECT_EQ(
        link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, MaxPayloadLength + 1, 0, 0, 1),
        exchange_result::BadLength);
    EXPECT_TRUE(port.written.empty());
    EXPECT_TRUE(observer.exchanges.empty());
}

TEST_F(Transactions, anExchangeLastsFromItsRequestToTheEndOfItsRead) {
    testing::FakeMonotonicClock clock;
    RecordingObserver observer;
    link.setClock(clock);
    link.setObserver(&observer);
    delay.clock = &clock;  // the 3 ms turnaround passes on the same clock
    port.setResponder([&clock](const Bytes& request) {
        clock.advance(std::chrono::milliseconds(20));  // the request on the line, the unit
        return AnswerFrame(request[FunctionByte], {1});
    });
    clock.advance(std::chrono::seconds(5));  // before the exchange: not part of it
    Bytes buffer(240, 0);
    link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, 1);
    const std::uint8_t one[1] = {1};
    link.MemoryWrite(one, 0, 1, UnitAddress);
    ASSERT_EQ(observer.exchanges.size(), 2u);
    EXPECT_EQ(observer.exchanges[0].took, std::chrono::milliseconds(23));
    EXPECT_EQ(observer.exchanges[1].took, std::chrono::milliseconds(20)) << "no turnaround";
}

TEST_F(Transactions, exchangeWithNothingReceivedReportsABadLength) {
    answerWith({});
    Bytes buffer(240, 0);
    EXPECT_EQ(link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, 3), 3);
}

TEST_F(Transactions, exchangeOfSixBytesDeclaringSixIsTooShort) {
    answerWith({0xAA, 0xEA, 0x06, 0x00, 0x00, 0x10});
    Bytes buffer(240, 0);
    EXPECT_EQ(link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, 3), 2);
}

TEST_F(Transactions, exchangeBoundsTheLengthByteByTheExpectedAnswer) {
    Bytes buffer(240, 0);
    Bytes eleven = AnswerFrame(0x10, {1, 2, 3, 4});  // length 11 = m + 8 for m = 3
    answerWith(eleven);
    EXPECT_EQ(link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, 3), 0);
    Bytes twelve = AnswerFrame(0x10, {1, 2, 3, 4, 5});
    answerWith(twelve);
    EXPECT_EQ(link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, 3), 3);
}

TEST_F(Transactions, exchangeHandsBackTheWholeAnswerFrame) {
    answerWith(AnswerFrame(0x10, {1, 7, 3}));
    Bytes buffer(240, 0);
    ASSERT_EQ(link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, 3), 0);
    EXPECT_EQ(buffer[6], 1);
    EXPECT_EQ(buffer[7], 7);
    EXPECT_EQ(buffer[8], 3);
    EXPECT_EQ(port.lastReadSize, 11u);
}

TEST_F(Transactions, exchangeRefusesARequestPayloadNoFrameCanHold) {
    Bytes buffer(240, 0x01);
    EXPECT_EQ(link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 234, 0, 0, 3), 3);
    EXPECT_TRUE(port.written.empty());
}

TEST_F(Transactions, sendFrameNeverSendsPastTheTransmitBuffer) {
    link.SendFrame(FrameRefused);
    ASSERT_EQ(port.written.size(), 1u);
    EXPECT_EQ(port.written[0].size(), MaxFrameLength);
}

// An RS-485 adapter that switches direction by RTS drives the bus while RTS is up: up only
// while a request goes out, down before the answer can come.
class Rs485Direction : public Transactions {
  protected:
    void runEachRoutine() {
        const std::uint8_t one[1] = {0};
        answerWith(AnswerFrame(0xB0, {1}));
        EXPECT_EQ(link.MemoryWrite(one, 0, 1, UnitAddress), 0);
        answerWith(AnswerFrame(0xB1, {1}));
        Bytes dest(1);
        EXPECT_EQ(link.MemoryRead(dest.data(), 0, 1, UnitAddress), 0);
        answerWith(AnswerFrame(0x10, {1, 7, 3}));
        Bytes buffer(240, 0);
        EXPECT_EQ(link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, 3), 0);
    }
};

TEST_F(Rs485Direction, withoutTheKernelsModeRtsIsUpOnlyWhileEachRequestIsSent) {
    EXPECT_FALSE(port.rts) << "the bus is free from the open on";
    runEachRoutine();
    EXPECT_EQ(port.rtsWhileWriting, std::vector<bool>(3, true));
    EXPECT_EQ(port.rtsWhileReading, std::vector<bool>(3, false));
    EXPECT_EQ(port.rtsDroppedBeforeDrain, 0) << "the request had left the line";
    EXPECT_FALSE(port.rts);
}

TEST_F(Rs485Direction, withTheKernelsModeNoRequestReachesThePort) {
    link.ClosePort();
    port.kernelRs485 = true;
    port.rtsRequests = 0;
    ASSERT_TRUE(link.OpenPort(0));
    runEachRoutine();
    EXPECT_EQ(port.rtsRequests, 0);
}

// How many received bytes the read took before it returned, when the unit sends the
// answer followed by bytes that belong to nothing.
struct EarlyEnd {
    const char* name;
    Bytes answer;
    std::uint8_t m;
    std::size_t delivered;
};

class EarlyCompletion : public Transactions, public ::testing::WithParamInterface<EarlyEnd> {};

TEST_P(EarlyCompletion, endsTheExchangeReadWhereTheFrameEnds) {
    const EarlyEnd& c = GetParam();
    Bytes noise = c.answer;
    noise.insert(noise.end(), {0x5A, 0x5A, 0x5A, 0x5A});
    answerWith(noise);
    Bytes buffer(240, 0);
    link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, c.m);
    EXPECT_EQ(port.lastReadDelivered, c.delivered);

    link.setEarlyCompletion(false);
    link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, c.m);
    EXPECT_EQ(port.lastReadDelivered, std::min(noise.size(), std::size_t{c.m} + 8))
        << "a plain read takes all it can";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, EarlyCompletion,
    ::testing::Values(
        EarlyEnd{"wellFormed", AnswerFrame(0x10, {1, 2, 3}), 3, 10},
        EarlyEnd{"afterALeadingZero", WithLeading(0x00, AnswerFrame(0x10, {1, 2, 3, 4, 5})), 5, 13},
        EarlyEnd{"afterARepeatedFirstByte", WithLeading(0xAA, AnswerFrame(0x10, {1, 2, 3, 4, 5})),
                 5, 13},
        // Frames that cannot hold what the caller looks at leave the time-outs in charge.
        EarlyEnd{"shorterThanThePayloadAskedFor", AnswerFrame(0x10, {1}), 5, 12},
        EarlyEnd{"lengthBelowAnyFrame", {0x01, 0x02, 0x03, 0x00, 0x00, 0x10, 0x00, 0x00}, 5, 12},
        EarlyEnd{
            "lengthBeyondTheRead", {0xAA, 0xEA, 0x40, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00}, 5, 13}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Transactions, memoryReadsAndWritesEndWhereTheirFrameEnds) {
    Bytes answer = AnswerFrame(0xB1, {9, 8, 7, 6});
    answer.push_back(0x5A);
    answerWith(answer);
    Bytes dest(4);
    EXPECT_EQ(link.MemoryRead(dest.data(), 0, 4, UnitAddress), 0);
    EXPECT_EQ(port.lastReadDelivered, 11u);

    answer = AnswerFrame(0xB0, {1});
    answer.push_back(0x5A);
    answerWith(answer);
    EXPECT_EQ(link.MemoryWrite(dest.data(), 0, 4, UnitAddress), 0);
    EXPECT_EQ(port.lastReadDelivered, 8u);
}

TEST_F(Transactions, closedLinkSendsNothing) {
    link.ClosePort();
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_FALSE(link.ClosePort());
    Bytes buffer(240, 0);
    EXPECT_EQ(link.Exchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, 3), 3);
    EXPECT_TRUE(port.written.empty());
}

TEST_F(OpenPort, refusesIndicesOutsideTheTableAndUnmappedEntries) {
    ports.setConfigured(10, "/dev/fake10");
    EXPECT_FALSE(link.OpenPort(11));
    EXPECT_EQ(link.lastOpenError(), OpenError::IndexOutOfRange);
    EXPECT_FALSE(link.OpenPort(3));
    EXPECT_EQ(link.lastOpenError(), OpenError::NotMapped);
    EXPECT_TRUE(link.OpenPort(10));
    EXPECT_EQ(port.openedPaths.back(), "/dev/fake10");
}

TEST_F(OpenPort, keepsTheReasonOfAFailedOpen) {
    ports.setConfigured(0, "/dev/fake0");
    port.failNextOpen(OpenError::PermissionDenied);
    EXPECT_FALSE(link.OpenPort(0));
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_EQ(link.lastOpenError(), OpenError::PermissionDenied);
}

}  // namespace
}  // namespace orvane::link
