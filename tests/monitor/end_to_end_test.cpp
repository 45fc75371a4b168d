// The live link end to end: the real termios port against the unit simulator on a
// pseudo-terminal. Ticks are run by calling the timer handler; every wait is a blocking
// read on the line, never a sleep.
#include <gtest/gtest.h>

#include <optional>

#include "link/posix_serial_port.h"
#include "live_rig.h"
#include "monitor/bus_health.h"
#include "monitor/device_replug.h"
#include "monitor/poll_steps.h"
#include "support/scratch_directory.h"
#include "support/unit_sim_process.h"
#include "ui/core/live_display.h"

namespace orvane::monitor {

namespace controls = orvane::frontend::controls;
namespace {

using testing::Bytes;
using testing::UnitSimProcess;

// The simulator and the termios port to it, there before the program that uses them.
struct SimulatorLine {
    explicit SimulatorLine(std::vector<std::string> arguments) : sim(std::move(arguments)) {}
    UnitSimProcess sim;
    link::PosixSerialPort line;
};

// The whole program's live link over the real port to the simulator. The turnaround wait
// stays the fake's: the read after it waits for the bytes.
struct SimRig : SimulatorLine, testing::MonitorRig {
    explicit SimRig(std::vector<std::string> arguments = {})
        : SimulatorLine(std::move(arguments)), MonitorRig({.port = &line}) {
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

TEST(EndToEnd, decodedValuesFollowTheSimulator) {
    SimRig rig;
    ASSERT_TRUE(rig.sim.ready()) << rig.sim.error();
    rig.control.Bt_OpenClick();
    ASSERT_TRUE(rig.link.IsPortOpen()) << rig.dialogs.boxes.at(0).text;
    rig.tickToCycleStart();
    rig.tickToCycleStart();

    EXPECT_EQ(rig.screen.text(controls::Label_Ver_FW), " 1. 7. 3");
    EXPECT_EQ(rig.screen.text(controls::Vr_String), "Comunicazione OK");
    EXPECT_NEAR(rig.screen.numbers[controls::Ed_Freq_Rete], 50.0, 0.1);
    EXPECT_GT(rig.screen.numbers[controls::AbNumEdit20], 200.0) << "grid voltage";
    EXPECT_LT(rig.screen.numbers[controls::AbNumEdit20], 260.0);

    const Bytes clock = rig.lastAnswerPayload(0xA0);
    ASSERT_EQ(clock.size(), 6u);
    EXPECT_EQ(rig.screen.digits[controls::Vr_Day], clock[0]);
    EXPECT_EQ(rig.screen.digits[controls::Vr_Mese], clock[1]);
    EXPECT_EQ(rig.screen.digits[controls::VrAnno], 2000 + clock[2]);
    EXPECT_EQ(rig.screen.digits[controls::VrOra], clock[3]);
    EXPECT_EQ(rig.screen.digits[controls::VrMin], clock[4]);
    EXPECT_EQ(rig.screen.digits[controls::VrSec], clock[5]);
}

TEST(EndToEnd, aBlockCommandLightsTheBlockedLampAndStartClearsIt) {
    SimRig rig;
    ASSERT_TRUE(rig.sim.ready()) << rig.sim.error();
    rig.control.StartLink();
    rig.tickToCycleStart();
    EXPECT_FALSE(rig.screen.lamps[controls::VrUserLed27]);

    rig.commands.Bt_BloccoClick();
    rig.tickToCycleStart();  // the command goes out
    EXPECT_FALSE(rig.poll.Commands.BlockRequest);
    rig.tickToCycleStart();  // and the status block shows it
    EXPECT_TRUE(rig.screen.lamps[controls::VrUserLed27]);
    EXPECT_TRUE(rig.screen.lamps[controls::VrUserLed2]);
    EXPECT_TRUE(rig.screen.lamps[controls::Led_Blocco_Da_Seriale]);

    rig.commands.Bt_RiavvioClick();
    rig.tickToCycleStart();
    rig.tickToCycleStart();
    EXPECT_FALSE(rig.screen.lamps[controls::VrUserLed27]);
}

TEST(EndToEnd, theClockSettingReachesTheUnitAndComesBackInTheDigits) {
    SimRig rig;
    ASSERT_TRUE(rig.sim.ready()) << rig.sim.error();
    rig.screen.dates[controls::Sel_Data] = {2030, 7, 14};
    rig.screen.numbers[controls::Num_Ora] = 8;
    rig.screen.numbers[controls::Num_Minuti] = 9;
    rig.screen.numbers[controls::Num_Secondi] = 10;
    rig.control.StartLink();
    rig.commands.Bt_Set_ClockClick();
    rig.tickToCycleStart();
    rig.tickToCycleStart();
    EXPECT_FALSE(rig.poll.Commands.SetClockRequest);
    EXPECT_EQ(rig.screen.digits[controls::VrAnno], 2030);
    EXPECT_EQ(rig.screen.digits[controls::Vr_Mese], 7);
    EXPECT_EQ(rig.screen.digits[controls::Vr_Day], 14);
    EXPECT_EQ(rig.screen.digits[controls::VrOra], 8);
    EXPECT_EQ(rig.screen.digits[controls::VrMin], 9);
    EXPECT_LE(rig.screen.digits[controls::VrSec] - 10, 2) << "the unit's clock runs on";
}

TEST(EndToEnd, anotherFirmwareShowsTheErrorAndRefusesCommands) {
    SimRig rig({"--fw", "1.8.0"});
    ASSERT_TRUE(rig.sim.ready()) << rig.sim.error();
    rig.control.StartLink();
    rig.tickToCycleStart();
    EXPECT_TRUE(rig.poll.FwVersionError);
    EXPECT_EQ(rig.screen.text(controls::Vr_String), "Errore versione FIRMWARE Orvane ");
    EXPECT_TRUE(rig.screen.scroll[controls::Vr_String]);
    EXPECT_EQ(rig.screen.text(controls::Label_Ver_FW), " 1. 8. 0");

    rig.commands.Bt_BloccoClick();
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text, "Impossibile eseguire per errore in versione FW");
    EXPECT_FALSE(rig.poll.Commands.BlockRequest);

    ASSERT_TRUE(rig.sim.control("fw 1.7.4"));
    rig.tickToCycleStart();
    EXPECT_FALSE(rig.poll.FwVersionError);
}

TEST(EndToEnd, aSilentUnitShowsTheErrorAndRecovery) {
    SimRig rig;
    ASSERT_TRUE(rig.sim.ready()) << rig.sim.error();
    rig.control.StartLink();
    rig.tickToCycleStart();
    ASSERT_TRUE(rig.sim.control("silent on"));
    rig.tick(6);
    EXPECT_EQ(rig.screen.text(controls::Vr_String), "Errore di comunicazione");
    ASSERT_TRUE(rig.sim.control("silent off"));
    // The first answer clears the error flag; the text changes only two ticks later, with
    // or without answers in between (it would take five failures to raise the flag again).
    ASSERT_TRUE(rig.tickUntil([&] { return !rig.poll.LinkErrorFlag; }));
    EXPECT_EQ(rig.screen.text(controls::Vr_String), "Errore di comunicazione");
    rig.tick();
    EXPECT_EQ(rig.screen.text(controls::Vr_String), "Errore di comunicazione");
    rig.tick();
    EXPECT_EQ(rig.screen.text(controls::Vr_String), "Comunicazione OK");
}

TEST(EndToEnd, answersWithAnotherFunctionCodeAreNotTakenForData) {
    SimRig rig;
    ASSERT_TRUE(rig.sim.ready()) << rig.sim.error();
    rig.control.StartLink();
    rig.tickToCycleStart();
    const double frequency = rig.screen.numbers[controls::Ed_Freq_Rete];
    ASSERT_TRUE(rig.sim.control("wrong-function on"));
    rig.tick(6);
    EXPECT_EQ(rig.screen.text(controls::Vr_String), "Errore di comunicazione");
    EXPECT_EQ(rig.screen.numbers[controls::Ed_Freq_Rete], frequency) << "the last good block stays";
}

// Each fault of the simulator shows in the strip's bus line under its own kind; each start
// counts afresh.
TEST(EndToEnd, theBusLineTellsFailuresByKindAndStartsAfreshAtEachStart) {
    SimRig rig;
    ASSERT_TRUE(rig.sim.ready()) << rig.sim.error();
    const BusHealthFigures& figures = rig.program.busHealth.figures();
    const auto tip = [&rig] {
        rig.program.busLine.refresh();
        return rig.screen.tips[controls::Lb_Stato_Bus];
    };
    const auto line = [&rig] { return rig.screen.text(controls::Lb_Stato_Bus); };
    struct Fault {
        const char* on;
        const char* off;
        link::ExchangeOutcome kind;
        const char* tipLabel;
    };
    const Fault faults[] = {
        {"silent on", "silent off", link::ExchangeOutcome::NoAnswer, "Senza risposta: "},
        {"corrupt 1", "corrupt 0", link::ExchangeOutcome::BadFrame,
         "Lunghezza o checksum errati: "},
        {"wrong-function on", "wrong-function off", link::ExchangeOutcome::WrongAnswer,
         "Funzione errata o risposta corta: "},
    };
    for (const Fault& fault : faults) {
        ASSERT_TRUE(rig.sim.control(fault.on));
        rig.control.StartLink();
        tip();
        EXPECT_EQ(line(), "Bus: nessuno scambio") << fault.on;
        rig.tick(6);
        // A late answer on a loaded machine may count as no answer; nothing is answered.
        EXPECT_GT(figures.count(fault.kind), 0u) << fault.on;
        EXPECT_EQ(figures.count(link::ExchangeOutcome::Answered), 0u) << fault.on;
        EXPECT_NE(tip().find(fault.tipLabel + std::to_string(figures.count(fault.kind))),
                  std::string::npos)
            << fault.on << ": " << rig.screen.tips[controls::Lb_Stato_Bus];
        EXPECT_EQ(line(), "Bus 0.0%") << fault.on;
        rig.control.StopLink();
        ASSERT_TRUE(rig.sim.control(fault.off));
    }

    rig.control.StartLink();
    rig.tickToCycleStart();
    rig.tickToCycleStart();
    tip();
    EXPECT_GT(figures.count(link::ExchangeOutcome::Answered), 0u);
    EXPECT_EQ(line().rfind("Bus ", 0), 0u) << line();
    EXPECT_NE(line().find(" ms/ciclo"), std::string::npos) << line();
}

TEST(EndToEnd, aPortWithoutTheSimulatorGivesTheOpeningError) {
    SimRig rig;
    ASSERT_TRUE(rig.sim.ready()) << rig.sim.error();
    rig.ports.setConfigured(4, "/dev/orvane-no-such-port");
    rig.screen.indices[controls::Cb_Sel_Porta] = 4;
    rig.language.LanguageIndex = catalogue::English;
    rig.control.StartLink();
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text.rfind("Opening Error 5\nDevice not found", 0), 0u)
        << rig.dialogs.boxes[0].text;
}

// The adapter pulled and plugged back in: the simulator ends (its end of the pseudo-terminal
// closes, so our end hangs up) and another one comes up behind the same link.
// A folder for the simulator's link, there before the simulator.
struct LinkFolder {
    testing::ScratchDirectory folder;
    std::string linkPath() const { return folder.file("unit"); }
};

struct ReplugRig : LinkFolder, SimRig {
    ReplugRig() : SimRig({"--link", linkPath()}) { ports.setConfigured(0, linkPath()); }
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

TEST(EndToEnd, aPulledDeviceIsWaitedForAndPollingGoesOnOnceItIsBack) {
    ReplugRig rig;
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

TEST(EndToEnd, stopEndsTheAttemptsToReachAPulledDevice) {
    ReplugRig rig;
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

}  // namespace
}  // namespace orvane::monitor
