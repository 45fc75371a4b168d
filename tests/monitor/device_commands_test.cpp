// The command buttons' checks, their order and their messages, and the clock-setting
// payload built from the fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "live_rig.h"
#include "monitor/clock_setting.h"
#include "monitor/reset_snapshot.h"

namespace orvane::monitor {

namespace controls = orvane::frontend::controls;
namespace {

using testing::FakeOperator;
using testing::LiveRig;
using Press = void (DeviceCommands::*)();

struct Button {
    frontend::AnyControl button;
    Press press;
    bool CommandRequest::*flag;
    bool needsPort;
    const char* question;  // null: raised without asking
};

const Button Buttons[] = {
    {controls::Bt_Blocco, &DeviceCommands::Bt_BloccoClick, &CommandRequest::BlockRequest, false,
     nullptr},
    {controls::Bt_Riavvio, &DeviceCommands::Bt_RiavvioClick, &CommandRequest::RestartRequest, false,
     nullptr},
    {controls::Bt_Carica_Completa, &DeviceCommands::Bt_Carica_CompletaClick,
     &CommandRequest::FullChargeRequest, false, nullptr},
    {controls::Bt_Cambio_Batteria, &DeviceCommands::Bt_Cambio_BatteriaClick,
     &CommandRequest::BatteryResetRequest, true,
     "Questa operazione azzera tutti i dati di batteria,SI VUOLE PROCEDERE?"},
    {controls::Bt_Reset_Accumulo, &DeviceCommands::Bt_Reset_AccumuloClick,
     &CommandRequest::StorageResetRequest, true,
     "Questa operazione azzera tutti i dati di accumulo,SI VUOLE PROCEDERE?"},
    {controls::Bt_Azzera_All_Carica, &DeviceCommands::Bt_Azzera_All_CaricaClick,
     &CommandRequest::ChargeFaultResetRequest, true, nullptr},
};

TEST(CommandButtons, withTheLinkStartedRaiseTheirFlagAfterTheirQuestion) {
    for (const Button& b : Buttons) {
        LiveRig rig;
        rig.control.StartLink();
        rig.dialogs.answers = {true};
        (rig.commands.*b.press)();
        EXPECT_TRUE(rig.poll.Commands.*b.flag) << b.button.name();
        if (b.question) {
            ASSERT_FALSE(rig.dialogs.boxes.empty()) << b.button.name();
            EXPECT_EQ(rig.dialogs.boxes[0].kind, FakeOperator::Kind::Question);
            EXPECT_EQ(rig.dialogs.boxes[0].text, b.question);
        } else {
            EXPECT_TRUE(rig.dialogs.boxes.empty()) << b.button.name();
        }
    }
}

TEST(CommandButtons, answeringNoRaisesNothing) {
    for (const Button& b : Buttons) {
        if (!b.question)
            continue;
        LiveRig rig;
        rig.control.StartLink();
        rig.dialogs.answers = {false};
        (rig.commands.*b.press)();
        EXPECT_FALSE(rig.poll.Commands.*b.flag) << b.button.name();
    }
}

TEST(CommandButtons, aWrongFirmwareRefusesEveryButtonButTheClockFirst) {
    for (const Button& b : Buttons) {
        LiveRig rig;  // link stopped: the firmware refusal still comes first
        rig.poll.FwVersionError = true;
        rig.language.LanguageIndex = catalogue::English;
        (rig.commands.*b.press)();
        EXPECT_FALSE(rig.poll.Commands.*b.flag) << b.button.name();
        ASSERT_EQ(rig.dialogs.boxes.size(), 1u) << b.button.name();
        EXPECT_EQ(rig.dialogs.boxes[0].kind, FakeOperator::Kind::Information);
        EXPECT_EQ(rig.dialogs.boxes[0].text, "Impossible to proceed. Firmware version error");
    }
    LiveRig rig;
    rig.poll.FwVersionError = true;
    rig.commands.Bt_Set_ClockClick();
    EXPECT_TRUE(rig.poll.Commands.SetClockRequest);
    EXPECT_TRUE(rig.dialogs.boxes.empty());
}

TEST(CommandButtons, theResetsNeedAStartedLinkTheOperatingCommandsDoNot) {
    for (const Button& b : Buttons) {
        LiveRig rig;
        rig.dialogs.answers = {true};
        (rig.commands.*b.press)();
        EXPECT_EQ(rig.poll.Commands.*b.flag, !b.needsPort) << b.button.name();
        if (b.needsPort) {
            ASSERT_EQ(rig.dialogs.boxes.size(), 1u) << b.button.name() << ": refused before asking";
            EXPECT_EQ(rig.dialogs.boxes[0].text,
                      "Comunicazione seriale non attiva, impossibile procedere");
        }
    }
}

TEST(ResetSnapshots, eachResetKeepsWhatItErasesAfterTheYesAndBeforeItsFlag) {
    struct Case {
        Press press;
        bool CommandRequest::*flag;
        ResetKind kind;
    };
    for (const Case& c : {Case{&DeviceCommands::Bt_Cambio_BatteriaClick,
                               &CommandRequest::BatteryResetRequest, ResetKind::BatteryData},
                          Case{&DeviceCommands::Bt_Reset_AccumuloClick,
                               &CommandRequest::StorageResetRequest, ResetKind::EnergyTotals}}) {
        LiveRig rig;
        rig.control.StartLink();
        rig.dialogs.answers = {false};
        (rig.commands.*c.press)();
        EXPECT_TRUE(rig.snapshots.kept.empty()) << "No keeps nothing";

        rig.dialogs.answers = {true};
        rig.dialogs.observe = [&] { return rig.poll.Commands.*c.flag; };
        (rig.commands.*c.press)();
        EXPECT_EQ(rig.snapshots.kept, (std::vector<ResetKind>{c.kind}));
        EXPECT_TRUE(rig.poll.Commands.*c.flag);
        ASSERT_EQ(rig.dialogs.boxes.size(), 3u);
        EXPECT_EQ(rig.dialogs.boxes[2].text,
                  "Ultimi valori ricevuti salvati in /saves/Snapshot/kept.csv");
        EXPECT_FALSE(rig.dialogs.boxes[2].observed) << "named before the flag is raised";
    }
}

TEST(ResetSnapshots, withNoValueReceivedTheQuestionSaysNoneCanBeKept) {
    LiveRig rig;
    rig.control.StartLink();
    rig.snapshots.received = false;
    rig.language.LanguageIndex = catalogue::English;
    rig.dialogs.answers = {true};
    rig.commands.Bt_Reset_AccumuloClick();
    EXPECT_TRUE(rig.snapshots.kept.empty());
    EXPECT_TRUE(rig.poll.Commands.StorageResetRequest);
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text,
              "This operation reset all storage data. Do you want to proceed?\n"
              "No value received from the unit yet: no copy of them can be saved before the "
              "reset.");
}

TEST(ResetSnapshots, aSnapshotThatCannotBeSavedLetsTheOperatorDecide) {
    for (bool proceed : {false, true}) {
        LiveRig rig;
        rig.control.StartLink();
        rig.snapshots.failing = true;
        rig.dialogs.answers = {true, proceed};
        rig.commands.Bt_Cambio_BatteriaClick();
        EXPECT_EQ(rig.poll.Commands.BatteryResetRequest, proceed);
        EXPECT_EQ(rig.dialogs.boxes.back().kind, FakeOperator::Kind::Question);
        EXPECT_EQ(rig.dialogs.boxes.back().text,
                  "Impossibile salvare gli ultimi valori ricevuti in /saves/Snapshot/kept.csv\n"
                  "Procedere comunque con il reset?");
    }
}

TEST(ResetSnapshotCsv, holdsTheErasedValuesWithDateTimeIdentifierAndUnits) {
    UnitSnapshot s;
    const auto set = [&s](Measurement m, double v) {
        s.measurements[static_cast<std::size_t>(m)] = v;
    };
    set(Measurement::availableCharge, 85.3);
    set(Measurement::actualCapacity, 212.5);
    set(Measurement::batteryLifeUsed, 17);
    set(Measurement::energyGridFedWh, -1250);
    set(Measurement::energyHouseWh, 4000000);
    const LocalTime taken{2024, 12, 9, 14, 5, 33};
    EXPECT_EQ(ResetSnapshotCsv(ResetKind::BatteryData, s, taken, 4711),
              "date,time,unitId,quantity,value,unit\n"
              "2024-12-09,14:05:33,4711,availableCharge,85.3,%\n"
              "2024-12-09,14:05:33,4711,actualCapacity,212.5,Ah\n"
              "2024-12-09,14:05:33,4711,batteryLifeUsed,17,permille\n");
    const std::string energy = ResetSnapshotCsv(ResetKind::EnergyTotals, s, taken, 1);
    EXPECT_NE(energy.find("2024-12-09,14:05:33,1,energyGridFedWh,-1250,Wh\n"), std::string::npos);
    EXPECT_NE(energy.find(",energyHouseWh,4000000,Wh\n"), std::string::npos);
    EXPECT_EQ(std::count(energy.begin(), energy.end(), '\n'), 9) << "a header and eight totals";
    EXPECT_EQ(energy.find("availableCharge"), std::string::npos);
}

TEST(ClockSetting, bytesFromTheFields) {
    struct Case {
        frontend::CalendarDate date;
        double hour, minute, second;
        ClockSetting bytes;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {{2024, 3, 5}, 13, 7, 9, {5, 3, 24, 13, 7, 9}},
        {{1999, 12, 31}, 23, 59, 59, {31, 12, 1, 23, 59, 59}},  // before 2000: year byte 1
        {{2000, 1, 1}, 0, 0, 0, {1, 1, 0, 0, 0, 0}},
        {{2255, 6, 1}, 0, 0, 0, {1, 6, 255, 0, 0, 0}},
        {{2024, 3, 5}, 13.99, 7.5, 0.999, {5, 3, 24, 13, 7, 0}},  // truncated
        {{2024, 3, 5}, -0.5, -3, nan, {5, 3, 24, 0, 0, 0}},
        {{2024, 3, 5}, 300, inf, -inf, {5, 3, 24, 255, 255, 0}},  // pinned, never wrapped
        {{2400, 3, 5}, 1, 2, 3, {5, 3, 255, 1, 2, 3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClockSettingPayload(c.date, c.hour, c.minute, c.second), c.bytes)
            << c.date.year << " " << c.hour;
}

}  // namespace
}  // namespace orvane::monitor
