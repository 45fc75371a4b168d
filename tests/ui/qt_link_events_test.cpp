// The event-driven link on the window's event loop over the real termios port: a device that
// goes away in the middle of an exchange. The socket notifier wakes for the hang-up; the
// exchange must end there as unanswered, and the notifier must rest from then on, or the
// event loop would wake for the dead descriptor on every turn.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>

#include "link/device_link.h"
#include "link/posix_serial_port.h"
#include "link/transaction.h"
#include "support/fake_serial_port.h"
#include "support/pty_peer.h"
#include "ui/window/qt_link_events.h"

namespace orvane::ui {
namespace {

// The window's loop as the link sees it, counting the input wake-ups it passes on.
class CountingEvents final : public link::LinkEvents, link::LinkEventSink {
  public:
    explicit CountingEvents(QtLinkEvents& loop) : loop_(loop) { loop_.attach(this); }
    ~CountingEvents() override { loop_.attach(nullptr); }
    void attach(link::LinkEventSink* sink) override { sink_ = sink; }
    link::Micros now() const override { return loop_.now(); }
    void armTimer(link::Micros at) override { loop_.armTimer(at); }
    void cancelTimer() override { loop_.cancelTimer(); }
    void watchInput(bool on) override { loop_.watchInput(on); }
    int inputWakeUps = 0;

  private:
    void timerDue() override {
        if (sink_)
            sink_->timerDue();
    }
    void inputReady() override {
        ++inputWakeUps;
        if (sink_)
            sink_->inputReady();
    }
    QtLinkEvents& loop_;
    link::LinkEventSink* sink_ = nullptr;
};

// Turns of the event loop with nothing due; a notifier left on a hung-up descriptor fires
// on each of them.
constexpr int IdleTurns = 200;

void TurnIdle() {
    for (int i = 0; i < IdleTurns; ++i)
        QCoreApplication::processEvents();
}

struct HangUpCase {
    const char* when;
    testing::PeerBytes answerStart;  // what the device sends before it goes
    std::uint8_t code;               // a short answer is a bad one, as on a live line that stops
};

// The first `count` bytes of an answer frame of 100 data bytes.
testing::PeerBytes AnswerStart(std::size_t count) {
    testing::PeerBytes bytes(count, 0);
    bytes[0] = link::MasterAddress;
    bytes[1] = link::UnitAddress;
    bytes[link::LengthByte] = 108;
    return bytes;
}

class QtLinkEventsHangUp : public ::testing::TestWithParam<HangUpCase> {};

TEST_P(QtLinkEventsHangUp, endsTheExchangeAtOnceAndTheLoopStopsWakingForTheDevice) {
    testing::PtyPeer peer;
    ASSERT_FALSE(peer.devicePath().empty());
    peer.answerAlways(GetParam().answerStart);
    link::PosixSerialPort port;
    link::PortTable ports;
    ports.setConfigured(0, peer.devicePath());
    testing::FakeDelay delay;
    QtLinkEvents loop(port);
    CountingEvents events(loop);
    link::DeviceLink link(port, ports, delay, &events);
    ASSERT_TRUE(link.OpenPort(0));

    // 100 bytes asked for: a read that waits 5 ms a byte and 15 for a unit that stays silent.
    std::uint8_t data[100];
    constexpr link::Micros ReadTimeOut = std::chrono::milliseconds(5 * (sizeof data + 8) + 15);
    int code = -1;
    int wakeUpsAtEnd = -1;
    link.BeginMemoryRead(data, 0x0100, sizeof data, link::UnitAddress, [&](std::uint8_t c) {
        code = c;
        wakeUpsAtEnd = events.inputWakeUps;
    });
    ASSERT_EQ(peer.requests(1).size(), 1u);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    auto turnUntil = [&](auto done) {
        while (!done() && std::chrono::steady_clock::now() < deadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    };
    if (!GetParam().answerStart.empty())
        turnUntil([&] { return events.inputWakeUps > 0; });  // the first bytes are read
    const link::Micros goneAt = loop.now();
    peer.hangUp();
    turnUntil([&] { return code >= 0; });

    EXPECT_EQ(code, GetParam().code);
    EXPECT_LT(loop.now() - goneAt, ReadTimeOut) << "ended by the hang-up, not the time-out";
    EXPECT_TRUE(link.PortHungUp());
    TurnIdle();
    EXPECT_EQ(events.inputWakeUps, wakeUpsAtEnd) << "the hung-up port, still open";
    link.ClosePort();
    TurnIdle();
    EXPECT_EQ(events.inputWakeUps, wakeUpsAtEnd) << "the port closed";
}

INSTANTIATE_TEST_SUITE_P(
    InMidExchange, QtLinkEventsHangUp,
    ::testing::Values(HangUpCase{"beforeAnyAnswer", {}, link::read_result::NoAnswer},
                      HangUpCase{"afterTheFirstAnswerBytes", AnswerStart(8),
                                 link::read_result::BadChecksum},
                      HangUpCase{"withTheLastFewBytesStillToCome", AnswerStart(104),
                                 link::read_result::BadChecksum}),
    [](const ::testing::TestParamInfo<HangUpCase>& info) { return info.param.when; });

}  // namespace
}  // namespace orvane::ui
