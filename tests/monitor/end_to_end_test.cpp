// The live link end to end: the real termios port against the unit simulator on a
// pseudo-terminal. Ticks are run by calling the timer handler; every wait is a blocking
// read on the line, never a sleep.
#include <gtest/gtest.h>

#include "sim_rig.h"
#include "ui/core/live_display.h"

namespace orvane::monitor {

namespace {

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

TEST(EndToEnd, aPulledDeviceIsWaitedForAndPollingGoesOnOnceItIsBack) {
    ReplugRig rig;
    PulledDeviceIsWaitedForAndPollingGoesOnOnceItIsBack(rig);
}

TEST(EndToEnd, stopEndsTheAttemptsToReachAPulledDevice) {
    ReplugRig rig;
    StopEndsTheAttemptsToReachAPulledDevice(rig);
}

}  // namespace
}  // namespace orvane::monitor
