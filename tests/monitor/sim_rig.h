// The whole program's live link over the real termios port to the unit simulator on a
// pseudo-terminal, blocking or on a real event loop, and the re-plug scenarios both run.
// Ticks are run by calling the timer handler; every wait is on the line or on the loop,
// never a sleep. Test thread only.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "link/posix_serial_port.h"
#include "live_rig.h"
#include "monitor/bus_health.h"
#include "monitor/device_replug.h"
#include "monitor/poll_steps.h"
#include "support/scratch_directory.h"
#include "support/unit_sim_process.h"

namespace orvane::monitor {

namespace controls = orvane::frontend::controls;
using testing::Bytes;
using testing::UnitSimProcess;

// The simulator and the termios port to it, there before the program that uses them.
// `loopOver`, when given, makes the loop the link runs on (a real event loop over the line);
// without it the link blocks.
using LoopMaker = std::function<std::unique_ptr<link::LinkEvents>(link::SerialPort& line)>;
struct SimulatorLine {
    SimulatorLine(std::vector<std::string> arguments, const LoopMaker& loopOver)
        : sim(std::move(arguments)), events(loopOver ? loopOver(line) : nullptr) {}
    UnitSimProcess sim;
    link::PosixSerialPort line;
    std::unique_ptr<link::LinkEvents> events;
};

// The whole program's live link over the real port to the simulator. The turnaround wait
// stays the fake's: the read after it waits for the bytes.
struct SimRig : SimulatorLine, testing::MonitorRig {
    explicit SimRig(std::vector<std::string> arguments = {}, const LoopMaker& loopOver = {})
        : SimulatorLine(std::move(arguments), loopOver),
          MonitorRig({.port = &line, .linkEvents = events.get()}) {
        if (sim.ready())
            sim.bindTo(ports, 0);
    }
    // Ticks until the cycle has read the unit's clock and is back at its first step, so a
    // whole cycle (and any command after the clock read) has been answered. On a loaded
    // machine the simulator may answer a request after the read has timed out; the cycle
    // then asks again on the next tick, as in the program, so the ticks needed vary.
    void tickToCycleStart() {
        bool clockRead = false;
        for (int i = 0; i < MaxTicksPerCycle; ++i) {
            const std::uint8_t before = poll.PollStep;
            tick();
            clockRead = clockRead || (before == poll_step::ClockRead && poll.PollStep != before);
            if (clockRead && poll.PollStep == poll_step::FirmwareVersion)
                return;
        }
        ADD_FAILURE() << "no whole poll cycle in " << MaxTicksPerCycle << " ticks";
    }
    // Ticks until `done` holds; false when it never does within the bound.
    template <typename Condition>
    bool tickUntil(Condition done) {
        for (int i = 0; i < MaxTicksPerCycle; ++i) {
            tick();
            if (done())
                return true;
        }
        return false;
    }
    // Far more ticks than a cycle takes with a few late answers: only a unit that stopped
    // answering altogether runs into it.
    static constexpr int MaxTicksPerCycle = 200;

    // Payload of the simulator's last answer with `function`, from its frame log.
    Bytes lastAnswerPayload(int function) const {
        Bytes payload;
        for (const UnitSimProcess::LoggedFrame& frame : sim.loggedFrames()) {
            const Bytes& f = frame.bytes;
            if (frame.fromUnit && f.size() > 7 && f[5] == function)
                payload.assign(f.begin() + 6, f.end() - 1);
        }
        return payload;
    }
};

// A folder for the simulator's link, there before the simulator.
struct LinkFolder {
    testing::ScratchDirectory folder;
    std::string linkPath() const { return folder.file("unit"); }
};

// The adapter pulled and plugged back in: the simulator ends (its end of the pseudo-terminal
// closes, so our end hangs up) and another one comes up behind the same link, which COM 1
// opens.
struct ReplugRig : LinkFolder, SimRig {
    explicit ReplugRig(const LoopMaker& loopOver = {}) : SimRig({"--link", linkPath()}, loopOver) {
        ports.setConfigured(0, linkPath());
    }
    std::size_t failedExchanges() const {
        const BusHealthFigures f = program.busHealth.figures();
        return f.total() - f.count(link::ExchangeOutcome::Answered);
    }
    bool journalled(journal::EventKind kind) const {
        for (std::size_t i = 0; i < program.journal.size(); ++i)
            if (program.journal.newest(i).kind == kind &&
                program.journal.newest(i).details == linkPath())
                return true;
        return false;
    }
};

// The whole round: polling, the device gone (seen before anything is sent into the dead
// line), attempts while it is missing, the device back and polling going on at its step,
// then Stop.
inline void PulledDeviceIsWaitedForAndPollingGoesOnOnceItIsBack(ReplugRig& rig) {
    ASSERT_TRUE(rig.sim.ready()) << rig.sim.error();
    rig.control.Bt_OpenClick();
    rig.tickToCycleStart();
    ASSERT_EQ(rig.matrix(), "Comunicazione OK");
    // Pulled in mid-cycle, so that the step it goes on at is not the first.
    ASSERT_TRUE(rig.tickUntil([&] { return rig.poll.PollStep == poll_step::TrendBlock; }));
    const std::size_t failedBefore = rig.failedExchanges();

    ASSERT_EQ(rig.sim.stop(), 0);
    rig.tick();
    EXPECT_FALSE(rig.link.IsPortOpen()) << "the hang-up is noticed before the tick's exchange";
    EXPECT_EQ(rig.matrix(), "Riconnessione...");
    EXPECT_EQ(rig.failedExchanges(), failedBefore) << "nothing was sent into the dead line";
    EXPECT_TRUE(rig.journalled(journal::EventKind::reconnecting));
    EXPECT_EQ(rig.screen.text(controls::Bt_Open), "Ferma") << "still started";

    rig.tick(2 * ReplugAttemptTicks);  // attempts while the device is missing
    EXPECT_FALSE(rig.link.IsPortOpen());
    EXPECT_EQ(rig.matrix(), "Riconnessione...");
    EXPECT_EQ(rig.poll.PollStep, poll_step::TrendBlock);

    UnitSimProcess back({"--link", rig.linkPath()});
    ASSERT_TRUE(back.ready()) << back.error();
    EXPECT_TRUE(rig.tickUntil([&] { return rig.link.IsPortOpen(); }));
    EXPECT_TRUE(rig.journalled(journal::EventKind::reconnected));
    EXPECT_EQ(rig.program.busHealth.figures().reconnects, 1u);
    ASSERT_TRUE(back.waitForLogLines(2)) << "the cycle's requests reach the new device";
    const UnitSimProcess::LoggedFrame first = back.loggedFrames().front();
    EXPECT_FALSE(first.fromUnit);
    EXPECT_EQ(first.bytes[5], 0x17) << "polling goes on with the trend block";
    EXPECT_TRUE(rig.tickUntil([&] { return rig.matrix() == "Comunicazione OK"; }));

    rig.control.Bt_OpenClick();  // Stop
    back.stop();
    rig.tick(2 * ReplugAttemptTicks);
    EXPECT_FALSE(rig.link.IsPortOpen());
    EXPECT_EQ(rig.screen.text(controls::Bt_Open), "Avvia");
    EXPECT_NE(rig.matrix(), "Riconnessione...");
}

// Stopped while waiting: a device that comes back afterwards is left alone.
inline void StopEndsTheAttemptsToReachAPulledDevice(ReplugRig& rig) {
    ASSERT_TRUE(rig.sim.ready()) << rig.sim.error();
    rig.control.Bt_OpenClick();
    rig.tickToCycleStart();
    ASSERT_EQ(rig.sim.stop(), 0);
    rig.tick(2);
    ASSERT_EQ(rig.matrix(), "Riconnessione...");
    rig.control.Bt_OpenClick();  // Stop

    UnitSimProcess back({"--link", rig.linkPath()});
    ASSERT_TRUE(back.ready()) << back.error();
    rig.tick(3 * ReplugAttemptTicks);
    EXPECT_FALSE(rig.link.IsPortOpen());
    EXPECT_TRUE(back.logLines().empty()) << "nothing reaches the device once stopped";
    EXPECT_EQ(rig.program.busHealth.figures().reconnects, 0u);
}

}  // namespace orvane::monitor
