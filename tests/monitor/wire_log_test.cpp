// One scripted session of the live link on the blocking link and on the event-driven one:
// the same frames in the same order, the same fixed waits, the same screen writes in the
// same order; and, on the event-driven link paced by the 75 ms timer, no tick queued behind
// an exchange that outlasts it, and no command sent twice.
#include <gtest/gtest.h>

#include <functional>

#include "live_rig.h"

namespace orvane::monitor {
namespace {

using namespace std::chrono_literals;
using testing::Bytes;
using testing::LiveRig;
using testing::Substitutes;

Substitutes Path(bool eventDriven) {
    Substitutes own;
    own.eventDriven = eventDriven;
    return own;
}

// Poll cycles, a command pressed, a silent spell, the unit back, a stop.
void Session(LiveRig& rig, const std::function<void(int)>& ticks) {
    rig.control.StartLink();
    ticks(8);
    rig.commands.Bt_BloccoClick();
    ticks(8);
    rig.unit.silent = true;
    ticks(12);
    rig.unit.silent = false;
    ticks(14);
    rig.control.StopLink();
    ticks(2);
}

TEST(WireLog, aSessionSendsTheSameFramesWaitsAndScreenWritesOnBothLinks) {
    LiveRig blocking{Path(false)}, evented{Path(true)};
    ASSERT_FALSE(blocking.loop);
    ASSERT_TRUE(evented.loop);
    Session(blocking, [&](int n) { blocking.tick(n); });
    Session(evented, [&](int n) { evented.tick(n); });

    EXPECT_EQ(evented.port.written, blocking.port.written);
    EXPECT_EQ(evented.delay.waits, blocking.delay.waits);
    EXPECT_EQ(evented.screen.writeLog, blocking.screen.writeLog);
    EXPECT_GT(blocking.port.written.size(), 30u);
}

// The event-driven link under the real timer: a tick every 75 ms of the loop's clock.
struct PacedRig : LiveRig {
    PacedRig() : LiveRig(Path(true)) {}
    void paced(int n) {
        for (int i = 0; i < n; ++i) {
            monitor.Timer1Timer();
            loop->runFor(75ms);
        }
    }
};

TEST(WireLog, underTheTimerTheEventDrivenLinkSendsWhatTheBlockingOneSends) {
    // A unit that answers within the tick: every tick's step runs on both links.
    const auto session = [](LiveRig& rig, const std::function<void(int)>& ticks) {
        rig.control.StartLink();
        ticks(8);
        rig.commands.Bt_Carica_CompletaClick();
        rig.commands.Bt_Set_ClockClick();
        ticks(16);
    };
    LiveRig blocking{Path(false)};
    PacedRig evented;
    session(blocking, [&](int n) { blocking.tick(n); });
    session(evented, [&](int n) { evented.paced(n); });
    EXPECT_EQ(evented.port.written, blocking.port.written);
    EXPECT_EQ(evented.delay.waits, blocking.delay.waits);
    EXPECT_EQ(evented.screen.writeLog, blocking.screen.writeLog);
}

TEST(WireLog, ticksThatFallDueDuringALongExchangeRunOnceWhenItEnds) {
    PacedRig rig;
    rig.control.StartLink();
    rig.paced(1);  // the firmware version
    rig.unit.silent = true;
    rig.paced(1);  // LiveBlockA: 184 bytes x 5 ms + 15 ms = 935 ms unanswered
    ASSERT_EQ(rig.functionsSent(), (std::vector<int>{0x10, 0x14}));
    rig.paced(11);  // 825 ms: eleven ticks fall due, none sends
    EXPECT_TRUE(rig.functionsSent().empty());
    rig.loop->runFor(50ms);  // the read times out; the due tick runs at once, once
    EXPECT_EQ(rig.functionsSent(), std::vector<int>{0x14});
    EXPECT_TRUE(rig.link.Busy());
}

TEST(WireLog, aCommandPressedWhileItsStepIsOnTheWayIsSentOnceAndAnotherLater) {
    PacedRig rig;
    rig.control.StartLink();
    rig.paced(5);  // up to the clock read
    rig.commands.Bt_RiavvioClick();
    rig.monitor.Timer1Timer();      // the operating command with the restart leaves
    rig.commands.Bt_BloccoClick();  // pressed before its answer is in
    rig.commands.Bt_RiavvioClick();
    rig.loop->runFor(75ms);
    rig.paced(7);
    std::vector<Bytes> commands;
    for (const Bytes& frame : rig.port.written)
        if (frame[5] == 0x22)
            commands.push_back(Bytes(frame.begin() + 6, frame.begin() + 8));
    EXPECT_EQ(commands, (std::vector<Bytes>{{0x02, 0x05}, {0x03, 0x07}}))
        << "the restart once, the block at the next cycle";
}

TEST(WireLog, stoppingDuringAnExchangeIgnoresItsAnswerAndSendsNothingMore) {
    PacedRig rig;
    rig.control.StartLink();
    rig.paced(1);
    rig.monitor.Timer1Timer();  // LiveBlockA on its way
    const std::size_t sent = rig.port.written.size();
    const PollState before = rig.poll;
    rig.control.StopLink();
    rig.paced(10);
    EXPECT_EQ(rig.port.written.size(), sent);
    EXPECT_EQ(rig.poll.LiveBlockA, before.LiveBlockA);
    EXPECT_EQ(rig.poll.PollStep, before.PollStep);
    EXPECT_FALSE(rig.link.Busy());
    EXPECT_FALSE(rig.loop->timerArmed());
}

}  // namespace
}  // namespace orvane::monitor
