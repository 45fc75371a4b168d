// The timer-driven poll cycle against a scripted unit: step order, failure counting and
// restart, the link-state text, the firmware check, and how pending commands ride on the
// cycle (order, precedence, retries, what a stop keeps).
#include <gtest/gtest.h>

#include "live_rig.h"

namespace orvane::monitor {

namespace controls = orvane::frontend::controls;
namespace {

using testing::Bytes;
using testing::LiveRig;

constexpr const char* Started = "Avviato";
constexpr const char* Ok = "Comunicazione OK";
constexpr const char* CommError = "Errore di comunicazione";

std::vector<std::string> MatrixOverTicks(LiveRig& rig, int ticks) {
    std::vector<std::string> shown;
    for (int i = 0; i < ticks; ++i) {
        rig.tick();
        shown.push_back(rig.matrix());
    }
    return shown;
}

TEST(PollCycle, aCycleWithoutCommandsPollsFiveBlocksAndIdlesOnce) {
    LiveRig rig;
    rig.control.StartLink();
    rig.tick(12);
    EXPECT_EQ(rig.functionsSent(),
              (std::vector<int>{0x10, 0x14, 0x20, 0x17, 0xA0, 0x10, 0x14, 0x20, 0x17, 0xA0}));
    EXPECT_EQ(rig.poll.PollStep, 0);
}

TEST(PollCycle, requestsCarryTheUnitAndMasterAddressesAndOneZeroByte) {
    LiveRig rig;
    rig.control.StartLink();
    rig.tick();
    EXPECT_EQ(rig.port.written.at(0), (Bytes{0xEA, 0xAA, 0x08, 0x00, 0x00, 0x10, 0x00, 0x58}));
    EXPECT_EQ(rig.port.lastReadSize, 11u) << "3 payload bytes expected";
}

TEST(PollCycle, answersAreStoredAndShownOnTheNextDecoderRun) {
    LiveRig rig;
    rig.unit.liveBlockA[33] = 0x01;  // blocked
    rig.unit.clock = {1, 2, 25, 3, 4, 5};
    rig.control.StartLink();
    rig.tick(5);
    EXPECT_TRUE(rig.screen.lamps[controls::VrUserLed27]);
    EXPECT_EQ(rig.screen.digits[controls::VrAnno], 2025);
    EXPECT_EQ(rig.screen.text(controls::Label_Ver_FW), " 1. 7. 3");
}

TEST(PollCycle, silentUnitShowsStartedThenOkThenErrorFromTheSixthTick) {
    LiveRig rig;
    rig.unit.silent = true;
    rig.control.Bt_OpenClick();
    EXPECT_EQ(MatrixOverTicks(rig, 8), (std::vector<std::string>{Started, Started, Ok, Ok, Ok,
                                                                 CommError, CommError, CommError}));
    EXPECT_TRUE(rig.screen.scroll[controls::Vr_String]);
    // While silent the cycle keeps asking for the firmware version.
    for (int code : rig.functionsSent())
        EXPECT_EQ(code, 0x10);
}

TEST(PollCycle, fiveFailuresThenASuccessRestartWithoutShowingAnError) {
    LiveRig rig;
    rig.control.StartLink();
    rig.tick();                   // firmware version answered
    rig.unit.silentRequests = 5;  // LiveBlockA asked five times in vain
    const auto shown = MatrixOverTicks(rig, 6);
    for (const std::string& text : shown)
        EXPECT_NE(text, CommError);
    EXPECT_EQ(rig.functionsSent(), (std::vector<int>{0x10, 0x14, 0x14, 0x14, 0x14, 0x14, 0x10}));
    EXPECT_FALSE(rig.poll.LinkErrorFlag);
    EXPECT_EQ(rig.poll.CommErrorCount, 0);
}

TEST(PollCycle, afterSixFailuresOkReturnsOnTheThirdGoodTick) {
    LiveRig rig;
    rig.unit.silentRequests = 6;
    rig.control.StartLink();
    const auto shown = MatrixOverTicks(rig, 9);
    EXPECT_EQ(shown[5], CommError);
    EXPECT_EQ(shown[6], CommError) << "first good tick";
    EXPECT_EQ(shown[7], CommError) << "second good tick";
    EXPECT_EQ(shown[8], Ok);
    EXPECT_FALSE(rig.screen.scroll[controls::Vr_String]);
}

TEST(PollCycle, badChecksumsCountLikeSilence) {
    LiveRig rig;
    rig.port.setResponder([](const Bytes&) {
        Bytes frame = testing::AnswerFrame(0x10, {1, 7, 3});
        frame.back() ^= 0xFF;
        return frame;
    });
    rig.control.StartLink();
    rig.tick(6);
    EXPECT_EQ(rig.matrix(), CommError);
    EXPECT_EQ(rig.poll.FirmwareVersion, (std::array<std::uint8_t, 3>{0, 0, 0}))
        << "a corrupted answer is not stored";
}

TEST(PollCycle, anIntactAnswerThatDoesNotFitTheRequestIsNotStored) {
    struct Case {
        const char* name;
        Bytes answer;
    };
    const Case cases[] = {
        {"the answer to another request", testing::AnswerFrame(0x10, {1, 7, 3})},
        {"shorter than the block", testing::AnswerFrame(0x14, Bytes(100, 0xFF))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LiveRig rig;
        rig.unit.liveBlockA[33] = 0x01;
        rig.control.StartLink();
        rig.tick(6);
        rig.port.setResponder([&](const Bytes& request) {
            return request[5] == 0x14 ? c.answer : rig.unit.answer(request);
        });
        rig.tick(2);  // firmware request answered, then LiveBlockA
        EXPECT_EQ(rig.poll.LiveBlockA[33], 0x01) << "the last good block stays";
        EXPECT_EQ(rig.poll.CommErrorCount, 1);
        EXPECT_EQ(rig.poll.PollStep, 1) << "and is asked again";
    }
}

TEST(PollCycle, aCommandAnsweredWithAnotherFunctionCodeStaysPending) {
    LiveRig rig;
    rig.control.StartLink();
    rig.commands.Bt_BloccoClick();
    rig.tick(5);
    rig.port.setResponder([](const Bytes&) { return testing::AnswerFrame(0xA0, Bytes(2, 0)); });
    rig.tick();
    EXPECT_TRUE(rig.poll.Commands.BlockRequest);
}

TEST(FirmwareCheck, onlyTheOneSevenLineIsAccepted) {
    struct Case {
        Bytes version;
        bool error;
    };
    for (const Case& c : {Case{{1, 7, 0}, false}, Case{{1, 7, 9}, false}, Case{{1, 8, 0}, true},
                          Case{{2, 7, 3}, true}, Case{{0, 0, 0}, true}}) {
        LiveRig rig;
        rig.unit.firmware = c.version;
        rig.control.StartLink();
        rig.tick();
        EXPECT_EQ(rig.poll.FwVersionError, c.error)
            << int(c.version[0]) << "." << int(c.version[1]);
        EXPECT_EQ(rig.matrix() == "Errore versione FIRMWARE Orvane ", c.error);
    }
}

TEST(FirmwareCheck, withTheLinkAlsoFailingOneTextNamesBothInOrderAndHoldsFromTickToTick) {
    LiveRig rig;
    rig.unit.firmware = {1, 8, 0};
    rig.control.StartLink();
    rig.tick();  // the version answer raises the firmware error
    rig.unit.silent = true;
    rig.tick(5);  // five failures: the next tick raises the link error as well
    rig.screen.textWrites.clear();
    rig.tick(4);
    // Every write is the same text, so the matrix never starts its scroll again.
    EXPECT_EQ(rig.screen.textWrites[controls::Vr_String],
              std::vector<std::string>(
                  4, std::string(CommError) + " - Errore versione FIRMWARE Orvane "));
    EXPECT_TRUE(rig.screen.scroll[controls::Vr_String]);

    rig.unit.silent = false;
    rig.tick();
    EXPECT_EQ(rig.matrix(), "Errore versione FIRMWARE Orvane ") << "the link error has gone";
}

TEST(FirmwareCheck, aLaterGoodVersionClearsTheErrorAndOkReturns) {
    LiveRig rig;
    rig.unit.firmware = {1, 8, 0};
    rig.control.StartLink();
    rig.tick(6);
    EXPECT_TRUE(rig.screen.scroll[controls::Vr_String]);
    rig.unit.firmware = {1, 7, 9};
    rig.tick();  // the next version answer
    EXPECT_FALSE(rig.poll.FwVersionError);
    EXPECT_EQ(rig.screen.text(controls::Label_Ver_FW), " 1. 7. 9");
    rig.tick(2);
    EXPECT_EQ(rig.matrix(), Ok);
}

// ---- commands on the cycle ----

struct CommandCase {
    const char* name;
    void (DeviceCommands::*press)();
    Bytes frame;
    bool CommandRequest::*flag;
};

TEST(CommandFrames, everyCommandGoesOutAsTheUnitExpectsItAndOnlyOnce) {
    const CommandCase cases[] = {
        {"block",
         &DeviceCommands::Bt_BloccoClick,
         {0xEA, 0xAA, 0x09, 0x00, 0x00, 0x22, 0x03, 0x07, 0x6F},
         &CommandRequest::BlockRequest},
        {"start",
         &DeviceCommands::Bt_RiavvioClick,
         {0xEA, 0xAA, 0x09, 0x00, 0x00, 0x22, 0x02, 0x05, 0x6C},
         &CommandRequest::RestartRequest},
        {"full charge",
         &DeviceCommands::Bt_Carica_CompletaClick,
         {0xEA, 0xAA, 0x09, 0x00, 0x00, 0x22, 0x5A, 0x9B, 0xAA},
         &CommandRequest::FullChargeRequest},
        {"battery data reset",
         &DeviceCommands::Bt_Cambio_BatteriaClick,
         {0xEA, 0xAA, 0x08, 0x00, 0x00, 0x4B, 0x00, 0x03},
         &CommandRequest::BatteryResetRequest},
        {"storage data reset",
         &DeviceCommands::Bt_Reset_AccumuloClick,
         {0xEA, 0xAA, 0x08, 0x00, 0x00, 0x4A, 0x00, 0x02},
         &CommandRequest::StorageResetRequest},
        {"charge fault reset",
         &DeviceCommands::Bt_Azzera_All_CaricaClick,
         {0xEA, 0xAA, 0x09, 0x00, 0x00, 0x4E, 0x10, 0x01, 0x16},
         &CommandRequest::ChargeFaultResetRequest},
        {"clock setting",
         &DeviceCommands::Bt_Set_ClockClick,
         {0xEA, 0xAA, 0x0D, 0x00, 0x00, 0xA1, 0x05, 0x03, 0x18, 0x0D, 0x07, 0x09, 0xF1},
         &CommandRequest::SetClockRequest},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        LiveRig rig;
        rig.screen.dates[controls::Sel_Data] = {2024, 3, 5};
        rig.screen.numbers[controls::Num_Ora] = 13;
        rig.screen.numbers[controls::Num_Minuti] = 7;
        rig.screen.numbers[controls::Num_Secondi] = 9;
        rig.control.StartLink();
        rig.dialogs.answers = {true};
        (rig.commands.*c.press)();
        (rig.commands.*c.press)();  // a second press while pending changes nothing
        ASSERT_TRUE(rig.poll.Commands.*c.flag);
        rig.tick(18);
        int sent = 0;
        for (const Bytes& frame : rig.port.written) {
            if (frame[5] != c.frame[5])
                continue;
            ++sent;
            EXPECT_EQ(frame, c.frame);
        }
        EXPECT_EQ(sent, 1);
        EXPECT_FALSE(rig.poll.Commands.*c.flag);
    }
}

TEST(CommandFrames, theClockSettingAnswerRefreshesTheClockDigits) {
    LiveRig rig;
    rig.screen.dates[controls::Sel_Data] = {2030, 7, 14};
    rig.screen.numbers[controls::Num_Ora] = 8;
    rig.control.StartLink();
    rig.commands.Bt_Set_ClockClick();
    rig.tick(6);
    EXPECT_EQ(rig.functionsSent().back(), 0xA1);
    EXPECT_EQ(rig.poll.ClockBlock, (std::array<std::uint8_t, 6>{14, 7, 30, 8, 0, 0}));
    EXPECT_EQ(rig.screen.digits[controls::VrAnno], 2030);
}

TEST(CommandFrames, theBatteryResetAnswerReplacesTheCounterBlock) {
    LiveRig rig;
    rig.control.StartLink();
    rig.dialogs.answers = {true};
    rig.commands.Bt_Cambio_BatteriaClick();
    rig.tick(5);
    rig.unit.liveBlockB[20] = 0x02;  // only the reset's answer carries it
    rig.tick();
    EXPECT_EQ(rig.functionsSent().back(), 0x4B);
    EXPECT_TRUE(rig.screen.lamps[controls::Ld_Fault_Batteria_Carica]);
}

TEST(CommandOrder, oneOffCommandsGoFirstInTheirOrderThenTheOperatingCommand) {
    LiveRig rig;
    rig.control.StartLink();
    rig.dialogs.answers = {true, true};
    rig.commands.Bt_BloccoClick();
    rig.commands.Bt_Reset_AccumuloClick();
    rig.commands.Bt_Azzera_All_CaricaClick();
    rig.commands.Bt_Cambio_BatteriaClick();
    rig.commands.Bt_Set_ClockClick();
    rig.tick(40);
    std::vector<int> commands;
    for (int code : rig.functionsSent())
        if (code != 0x10 && code != 0x14 && code != 0x20 && code != 0x17 && code != 0xA0)
            commands.push_back(code);
    EXPECT_EQ(commands, (std::vector<int>{0xA1, 0x4B, 0x4E, 0x4A, 0x22}));
}

TEST(CommandOrder, fullChargeWinsOverBlockAndBlockOverStartAndOneFrameClearsThemAll) {
    struct Case {
        bool start, block, fullCharge;
        Bytes payload;
    };
    for (const Case& c :
         {Case{true, true, false, {0x03, 0x07}}, Case{false, true, true, {0x5A, 0x9B}},
          Case{true, true, true, {0x5A, 0x9B}}, Case{true, false, true, {0x5A, 0x9B}}}) {
        LiveRig rig;
        rig.control.StartLink();
        if (c.block)
            rig.commands.Bt_BloccoClick();
        if (c.start)
            rig.commands.Bt_RiavvioClick();
        if (c.fullCharge)
            rig.commands.Bt_Carica_CompletaClick();
        rig.tick(12);
        int sent = 0;
        for (const Bytes& frame : rig.port.written) {
            if (frame[5] != 0x22)
                continue;
            ++sent;
            EXPECT_EQ(Bytes(frame.begin() + 6, frame.begin() + 8), c.payload);
        }
        EXPECT_EQ(sent, 1);
        const CommandRequest& r = rig.poll.Commands;
        EXPECT_FALSE(r.BlockRequest || r.RestartRequest || r.FullChargeRequest);
    }
}

TEST(CommandOrder, aSuccessfulOperatingCommandIsFollowedByOneIdleTick) {
    LiveRig rig;
    rig.control.StartLink();
    rig.commands.Bt_BloccoClick();
    rig.tick(6);
    EXPECT_EQ(rig.functionsSent().back(), 0x22);
    rig.tick();
    EXPECT_TRUE(rig.functionsSent().empty());
    rig.tick();
    EXPECT_EQ(rig.functionsSent(), std::vector<int>{0x10});
}

TEST(CommandOrder, aFailedCommandKeepsItsFlagAndIsTriedAgainOnTheNextTick) {
    LiveRig rig;
    rig.control.StartLink();
    rig.dialogs.answers = {true};
    rig.commands.Bt_Reset_AccumuloClick();
    rig.tick(5);
    rig.unit.silentRequests = 1;
    rig.tick();
    EXPECT_TRUE(rig.poll.Commands.StorageResetRequest);
    rig.tick();
    EXPECT_FALSE(rig.poll.Commands.StorageResetRequest);
    const auto sent = rig.functionsSent();
    EXPECT_EQ(std::vector<int>(sent.end() - 2, sent.end()), (std::vector<int>{0x4A, 0x4A}));
}

TEST(CommandOrder, aBlockPressedWhileStoppedIsSentAfterTheNextStart) {
    LiveRig rig;
    rig.commands.Bt_BloccoClick();
    EXPECT_TRUE(rig.dialogs.boxes.empty());
    rig.control.StartLink();
    rig.tick(6);
    EXPECT_EQ(rig.functionsSent().back(), 0x22);
}

// ---- stop and start ----

TEST(StopAndStart, aStopKeepsTheOneOffResetsAndTheClockButDropsTheRest) {
    LiveRig rig;
    rig.control.StartLink();
    rig.dialogs.answers = {true, true};
    rig.commands.Bt_Cambio_BatteriaClick();
    rig.commands.Bt_Reset_AccumuloClick();
    rig.commands.Bt_Azzera_All_CaricaClick();
    rig.commands.Bt_BloccoClick();
    rig.commands.Bt_RiavvioClick();
    rig.commands.Bt_Carica_CompletaClick();
    rig.commands.Bt_Set_ClockClick();
    rig.tick(2);
    rig.control.StopLink();
    const CommandRequest& r = rig.poll.Commands;
    EXPECT_TRUE(r.SetClockRequest && r.BatteryResetRequest && r.StorageResetRequest);
    EXPECT_FALSE(r.BlockRequest || r.RestartRequest || r.FullChargeRequest ||
                 r.ChargeFaultResetRequest);

    rig.functionsSent();
    rig.control.StartLink();
    rig.tick(30);
    std::vector<int> commands;
    for (int code : rig.functionsSent())
        if (code == 0xA1 || code == 0x4B || code == 0x4A || code == 0x4E || code == 0x22)
            commands.push_back(code);
    EXPECT_EQ(commands, (std::vector<int>{0xA1, 0x4B, 0x4A}));
}

TEST(StopAndStart, pollingResumesAtTheStepWhereItStopped) {
    LiveRig rig;
    rig.control.StartLink();
    rig.tick(3);
    rig.control.StopLink();
    rig.functionsSent();
    rig.control.StartLink();
    rig.tick();
    EXPECT_EQ(rig.functionsSent(), std::vector<int>{0x17});
}

TEST(StopAndStart, aStopDuringCommunicationErrorsStartsAfreshWithStarted) {
    LiveRig rig;
    rig.unit.silent = true;
    rig.control.StartLink();
    rig.tick(7);
    rig.control.StopLink();
    EXPECT_EQ(rig.matrix(), "Fermo");
    rig.unit.silent = false;
    rig.control.StartLink();
    EXPECT_EQ(MatrixOverTicks(rig, 3), (std::vector<std::string>{Started, Started, Ok}));
}

// ---- the tick itself ----

TEST(Tick, whileStoppedTheTickSendsAndShowsNothing) {
    LiveRig rig;
    rig.tick(3);
    EXPECT_TRUE(rig.port.written.empty());
    EXPECT_EQ(rig.screen.writes, 0);
}

TEST(Tick, thePcClockIsFollowedWhileAskedEvenWithTheLinkStopped) {
    LiveRig rig;
    rig.screen.checks[controls::Ck_Agg_Clock] = true;
    rig.clock.time = {2031, 1, 2, 3, 4, 5};
    rig.tick();
    EXPECT_EQ(rig.screen.dates[controls::Sel_Data].year, 2031);
    EXPECT_EQ(rig.screen.numbers[controls::Num_Ora], 3);
    EXPECT_EQ(rig.screen.numbers[controls::Num_Secondi], 5);
    EXPECT_TRUE(rig.port.written.empty());
}

TEST(Tick, theClockSettingCarriesThePcTimeOfThePreviousTick) {
    LiveRig rig;
    rig.screen.checks[controls::Ck_Agg_Clock] = true;
    rig.clock.time = {2024, 3, 5, 13, 7, 9};
    rig.control.StartLink();
    rig.commands.Bt_Set_ClockClick();
    rig.tick(5);                               // ends on the clock read
    rig.clock.time = {2024, 3, 5, 13, 7, 10};  // a second later
    rig.tick();
    const Bytes& sent = rig.port.written.back();
    ASSERT_EQ(sent[5], 0xA1);
    EXPECT_EQ(Bytes(sent.begin() + 6, sent.begin() + 12), (Bytes{5, 3, 24, 13, 7, 9}));
    EXPECT_EQ(rig.screen.numbers[controls::Num_Secondi], 10) << "and then follows the clock again";
}

}  // namespace
}  // namespace orvane::monitor
