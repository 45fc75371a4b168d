// The event-driven transactions against the blocking ones: the same frames, waits, result
// codes and answers, and what only the event-driven form has (returning at once, the line
// time-outs on the loop's clock, abandoning, a hung-up port).
#include <gtest/gtest.h>

#include <optional>

#include "link/device_link.h"
#include "support/fake_serial_port.h"
#include "support/simulated_loop.h"

namespace orvane::link {
namespace {

using namespace std::chrono_literals;
using testing::AnswerFrame;
using testing::Bytes;

// One link of each kind, each on its own port, answered alike.
struct LinkPair {
    struct Side {
        testing::FakeSerialPort port;
        testing::FakeDelay delay;
        PortTable ports;
        std::optional<testing::SimulatedLoop> loop;
        std::optional<DeviceLink> link;
    };
    Side blocking, evented;

    LinkPair() {
        for (Side* side : {&blocking, &evented}) {
            side->ports.setConfigured(0, "/dev/fake0");
            if (side == &evented)
                side->loop.emplace(side->port);
            side->link.emplace(side->port, side->ports, side->delay,
                               side->loop ? &*side->loop : nullptr);
            EXPECT_TRUE(side->link->OpenPort(0));
        }
    }
    void answerWith(const Bytes& answer, std::size_t bytesPerRead = 0) {
        for (Side* side : {&blocking, &evented}) {
            side->port.setResponder([answer](const Bytes&) { return answer; });
            side->port.bytesPerRead = bytesPerRead;
        }
    }
    // Runs the event-driven form to its end; the code it told.
    template <typename Begin>
    std::uint8_t finish(Begin begin) {
        std::optional<std::uint8_t> code;
        begin(*evented.link, [&code](std::uint8_t c) { code = c; });
        EXPECT_FALSE(code) << "told before the loop ran";
        evented.loop->runUntilIdle();
        EXPECT_TRUE(code) << "never told";
        return code.value_or(0xEE);
    }
};

struct SameCase {
    const char* name;
    Bytes (*answer)(std::uint8_t function);
    std::size_t bytesPerRead;  // how the answer trickles in on the event-driven side
};

Bytes Bare(std::uint8_t fn) {
    return AnswerFrame(fn, {1, 2, 3});
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
Bytes OtherFunction(std::uint8_t) {
    return AnswerFrame(0x55, {1, 2, 3});
}
Bytes BadChecksum(std::uint8_t fn) {
    Bytes b = Bare(fn);
    b.back() ^= 0xFF;
    return b;
}
Bytes HeaderOnly(std::uint8_t fn) {
    return {0xAA, 0xEA, 0x06, 0x00, 0x00, fn};
}
Bytes FollowedByNoise(std::uint8_t fn) {
    Bytes b = Bare(fn);
    b.insert(b.end(), {0x5A, 0x5A, 0x5A});
    return b;
}
Bytes Refusal(std::uint8_t fn) {
    return AnswerFrame(fn, {7, 2, 3});  // a write's status 7
}
Bytes NoData(std::uint8_t fn) {
    return AnswerFrame(fn, {});
}

class SameResults : public ::testing::TestWithParam<SameCase> {
  protected:
    LinkPair pair;

    void expectSameWire() {
        EXPECT_EQ(pair.evented.port.written, pair.blocking.port.written);
        EXPECT_EQ(pair.evented.loop->pauses, pair.blocking.delay.waits);
    }
};

TEST_P(SameResults, memoryWriteGivesTheBlockingRoutinesCode) {
    pair.answerWith(GetParam().answer(function::MemoryWrite), GetParam().bytesPerRead);
    const Bytes data{9, 8, 7};
    const std::uint8_t expected =
        pair.blocking.link->MemoryWrite(data.data(), 0x80, 3, UnitAddress);
    EXPECT_EQ(pair.finish([&](DeviceLink& l, auto done) {
        l.BeginMemoryWrite(data.data(), 0x80, 3, UnitAddress, done);
    }),
              expected);
    expectSameWire();
}

TEST_P(SameResults, memoryReadGivesTheBlockingRoutinesCodeAndData) {
    pair.answerWith(GetParam().answer(function::MemoryRead), GetParam().bytesPerRead);
    Bytes blockingData(3, 0xC3), eventedData(3, 0xC3);
    const std::uint8_t expected =
        pair.blocking.link->MemoryRead(blockingData.data(), 0x60, 3, UnitAddress);
    EXPECT_EQ(pair.finish([&](DeviceLink& l, auto done) {
        l.BeginMemoryRead(eventedData.data(), 0x60, 3, UnitAddress, done);
    }),
              expected);
    EXPECT_EQ(eventedData, blockingData);
    expectSameWire();
}

TEST_P(SameResults, exchangeGivesTheBlockingRoutinesCodeAndFrame) {
    pair.answerWith(GetParam().answer(0x10), GetParam().bytesPerRead);
    Bytes blockingBuffer(240, 0), eventedBuffer(240, 0);
    const std::uint8_t expected =
        pair.blocking.link->Exchange(UnitAddress, MasterAddress, 0x10, blockingBuffer, 1, 0, 0, 3);
    EXPECT_EQ(pair.finish([&](DeviceLink& l, auto done) {
        l.BeginExchange(UnitAddress, MasterAddress, 0x10, eventedBuffer, 1, 0, 0, 3, done);
    }),
              expected);
    // Bytes past the answer's own length are whatever followed it on the line.
    const std::size_t length = std::min<std::size_t>(blockingBuffer[LengthByte], 11);
    EXPECT_EQ(Bytes(eventedBuffer.begin(), eventedBuffer.begin() + length),
              Bytes(blockingBuffer.begin(), blockingBuffer.begin() + length));
    expectSameWire();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SameResults,
    ::testing::Values(SameCase{"bareAnswer", Bare, 0}, SameCase{"byteByByte", Bare, 1},
                      SameCase{"leadingZero", LeadingZero, 0},
                      SameCase{"repeatedFirstByte", RepeatedFirst, 2},
                      SameCase{"nothing", Nothing, 0}, SameCase{"otherFunction", OtherFunction, 0},
                      SameCase{"badChecksum", BadChecksum, 0},
                      SameCase{"headerOnly", HeaderOnly, 1},
                      SameCase{"followedByNoise", FollowedByNoise, 1},
                      SameCase{"refusal", Refusal, 0}, SameCase{"noData", NoData, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The event-driven link alone, open on "COM 1".
class EventDriven : public ::testing::Test {
  protected:
    EventDriven() {
        ports.setConfigured(0, "/dev/fake0");
        EXPECT_TRUE(link.OpenPort(0));
    }
    void answerWith(Bytes answer) {
        port.setResponder([answer](const Bytes&) { return answer; });
    }
    void beginExchange(std::uint8_t m) {
        link.BeginExchange(UnitAddress, MasterAddress, 0x10, buffer, 1, 0, 0, m,
                           [this](std::uint8_t c) {
                               code = c;
                               toldAt = loop.now();
                           });
    }

    testing::FakeSerialPort port;
    testing::FakeDelay delay;
    PortTable ports;
    testing::SimulatedLoop loop{port};
    DeviceLink link{port, ports, delay, &loop};
    Bytes buffer = Bytes(240, 0);
    std::optional<std::uint8_t> code;
    Micros toldAt{-1};
};

TEST_F(EventDriven, aSilentUnitEndsTheReadAtTheLinesTotalTimeOut) {
    answerWith({});
    beginExchange(3);
    EXPECT_TRUE(link.Busy());
    loop.runFor(72ms);
    EXPECT_FALSE(code) << "3 ms turnaround + 11 bytes x 5 ms + 15 ms not yet over";
    loop.runFor(2ms);
    EXPECT_EQ(code, exchange_result::BadLength);
    EXPECT_EQ(toldAt, 73ms);
    EXPECT_FALSE(link.Busy());
}

TEST_F(EventDriven, anAnswerThatStopsHalfWayEndsTwentyFiveMillisecondsAfterItsLastByte) {
    Bytes half = AnswerFrame(0x10, Bytes(100, 1));
    half.resize(40);
    answerWith(half);
    beginExchange(100);
    loop.runUntilIdle();
    EXPECT_EQ(code, exchange_result::BadChecksum);
    EXPECT_EQ(toldAt, 3ms + 25ms);
}

TEST_F(EventDriven, aCompleteAnswerEndsTheReadAtOnce) {
    answerWith(AnswerFrame(0x10, {1, 2, 3}));
    beginExchange(3);
    loop.runUntilIdle();
    EXPECT_EQ(code, exchange_result::Ok);
    EXPECT_EQ(toldAt, 3ms) << "only the turnaround";
}

TEST_F(EventDriven, rtsDropsOnlyOnceTheRequestHasLeftTheLineAndStaysDownForTheAnswer) {
    port.queuedPolls = 3;
    answerWith(AnswerFrame(0x10, {1, 2, 3}));
    beginExchange(3);
    EXPECT_TRUE(port.rts) << "the request is still in the driver";
    loop.runUntilIdle();
    EXPECT_EQ(code, exchange_result::Ok);
    EXPECT_EQ(port.rtsWhileWriting, std::vector<bool>{true});
    EXPECT_EQ(port.rtsWhileReading, std::vector<bool>{false});
    EXPECT_EQ(port.rtsDroppedBeforeDrain, 0);
    EXPECT_FALSE(port.rts);
}

TEST_F(EventDriven, withTheKernelsRs485ModeTheLinkNeverTouchesRts) {
    link.ClosePort();
    port.kernelRs485 = true;
    ASSERT_TRUE(link.OpenPort(0));
    port.rtsRequests = 0;
    answerWith(AnswerFrame(0x10, {1, 2, 3}));
    beginExchange(3);
    loop.runUntilIdle();
    EXPECT_EQ(port.rtsRequests, 0);
}

TEST_F(EventDriven, closingDuringAnExchangeIgnoresItsAnswerAndSendsNothingMore) {
    answerWith(AnswerFrame(0x10, {1, 2, 3}));
    beginExchange(3);
    link.ClosePort();
    loop.runFor(1s);
    EXPECT_FALSE(code);
    EXPECT_FALSE(link.Busy());
    EXPECT_FALSE(loop.timerArmed());
    EXPECT_FALSE(loop.watching());
    EXPECT_EQ(port.written.size(), 1u);
}

TEST_F(EventDriven, aPortThatHangsUpDuringTheReadEndsTheExchangeAtOnce) {
    answerWith({});
    beginExchange(100);
    loop.runFor(10ms);
    port.hangUp();
    loop.runFor(1ms);
    EXPECT_EQ(code, exchange_result::BadLength);
    EXPECT_TRUE(link.PortHungUp());
}

TEST_F(EventDriven, aSecondExchangeWhileOneRunsIsRefusedUnsent) {
    answerWith(AnswerFrame(0x10, {1, 2, 3}));
    beginExchange(3);
    std::optional<std::uint8_t> second;
    Bytes other(240, 0);
    link.BeginExchange(UnitAddress, MasterAddress, 0x14, other, 1, 0, 0, 3,
                       [&second](std::uint8_t c) { second = c; });
    EXPECT_EQ(second, exchange_result::BadLength);
    loop.runUntilIdle();
    EXPECT_EQ(code, exchange_result::Ok);
    EXPECT_EQ(port.written.size(), 1u);
}

TEST_F(EventDriven, aPauseTellsItsEndOnTheLoopsClock) {
    bool done = false;
    link.BeginPause(150, [&done](std::uint8_t) { done = true; });
    loop.runFor(149ms);
    EXPECT_FALSE(done);
    loop.runFor(1ms);
    EXPECT_TRUE(done);
    EXPECT_EQ(loop.pauses, std::vector<unsigned>{150});
}

}  // namespace
}  // namespace orvane::link
