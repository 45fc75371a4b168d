#include "monitor/poll_steps.h"

#include <algorithm>
#include <array>

#include "link/frame.h"
#include "monitor/clock_setting.h"
#include "monitor/unit_snapshot_tables.h"

namespace orvane::monitor {

namespace {

namespace fn = link::function;
using namespace poll_step;

template <std::uint8_t Step>
constexpr std::uint8_t Goto(const PollState&) {
    return Step;
}

// After the clock read, a pending one-off command takes the next tick; otherwise the
// operating-command step decides whether anything is left to send.
std::uint8_t AfterClockRead(const PollState& poll) {
    const CommandRequest& c = poll.Commands;
    if (c.SetClockRequest)
        return ClockSet;
    if (c.BatteryResetRequest)
        return BatteryReset;
    if (c.ChargeFaultResetRequest)
        return ChargeFaultReset;
    if (c.StorageResetRequest)
        return StorageReset;
    return OperatingCommand;
}

// A later match replaces an earlier one: full charge beats block, block beats start.
bool OperatingCommandPayload(const PollState& poll, const ClockSettingSource&,
                             std::span<std::uint8_t> payload) {
    const CommandRequest& c = poll.Commands;
    if (!c.RestartRequest && !c.BlockRequest && !c.FullChargeRequest)
        return false;
    if (c.RestartRequest)
        payload[0] = 0x02, payload[1] = 0x05;
    if (c.BlockRequest)
        payload[0] = 0x03, payload[1] = 0x07;
    if (c.FullChargeRequest)
        payload[0] = 0x5A, payload[1] = 0x9B;
    return true;
}

// The same order: the command whose payload the step puts in the frame.
std::optional<DeviceCommand> OperatingCommandSent(const PollState& poll) {
    const CommandRequest& c = poll.Commands;
    if (c.FullChargeRequest)
        return DeviceCommand::fullCharge;
    if (c.BlockRequest)
        return DeviceCommand::block;
    if (c.RestartRequest)
        return DeviceCommand::restart;
    return std::nullopt;
}

template <DeviceCommand Command>
std::optional<DeviceCommand> Sends(const PollState&) {
    return Command;
}

bool ClockSettingRequest(const PollState&, const ClockSettingSource& clockSetting,
                         std::span<std::uint8_t> payload) {
    const ClockSetting setting = clockSetting.clockSetting();
    std::copy(setting.begin(), setting.end(), payload.begin());
    return true;
}

bool ChargeFaultResetPayload(const PollState&, const ClockSettingSource&,
                             std::span<std::uint8_t> payload) {
    payload[0] = 0x10;
    payload[1] = 0x01;
    return true;
}

void CheckFirmware(PollState& poll) {
    poll.FwVersionError = !IsExpectedFirmware(poll.FirmwareVersion);
}

const std::array<PollStepRow, 10> PollSteps{{
    {FirmwareVersion, fn::FirmwareVersion, 1, 3, nullptr,
     [](PollState& p) { return std::span<std::uint8_t>(p.FirmwareVersion); }, CheckFirmware,
     Goto<LiveBlockA>},
    {LiveBlockA, fn::LiveBlockA, 1, 176, nullptr,
     [](PollState& p) { return std::span<std::uint8_t>(p.LiveBlockA); }, nullptr, Goto<LiveBlockB>},
    {LiveBlockB, fn::LiveBlockB, 1, 48, nullptr,
     [](PollState& p) { return std::span<std::uint8_t>(p.LiveBlockB); }, nullptr, Goto<TrendBlock>},
    {TrendBlock, fn::TrendBlock, 1, 108, nullptr,
     [](PollState& p) { return std::span<std::uint8_t>(p.TrendBlock); },
     [](PollState& p) { p.TrendBlockReady = true; }, Goto<ClockRead>},
    {ClockRead, fn::ClockRead, 1, 6, nullptr,
     [](PollState& p) { return std::span<std::uint8_t>(p.ClockBlock); }, nullptr, AfterClockRead},
    {OperatingCommand, fn::OperatingCommand, 2, 2, OperatingCommandPayload, nullptr,
     [](PollState& p) {
         p.Commands.BlockRequest = p.Commands.RestartRequest = p.Commands.FullChargeRequest = false;
     },
     Goto<6>,  // 6 has no row: the cycle idles once and starts over
     OperatingCommandSent},
    {BatteryReset, fn::BatteryDataReset, 1, 48, nullptr,
     [](PollState& p) { return std::span<std::uint8_t>(p.LiveBlockB); },
     [](PollState& p) { p.Commands.BatteryResetRequest = false; }, Goto<FirmwareVersion>,
     Sends<DeviceCommand::batteryReset>},
    {StorageReset, fn::StorageDataReset, 1, 48, nullptr, nullptr,
     [](PollState& p) { p.Commands.StorageResetRequest = false; }, Goto<FirmwareVersion>,
     Sends<DeviceCommand::storageReset>},
    {ClockSet, fn::ClockSet, 6, 68, ClockSettingRequest,
     [](PollState& p) { return std::span<std::uint8_t>(p.ClockBlock); },
     [](PollState& p) { p.Commands.SetClockRequest = false; }, Goto<FirmwareVersion>,
     Sends<DeviceCommand::setClock>},
    {ChargeFaultReset, fn::ChargeFaultReset, 2, 2, ChargeFaultResetPayload, nullptr,
     [](PollState& p) { p.Commands.ChargeFaultResetRequest = false; }, Goto<FirmwareVersion>,
     Sends<DeviceCommand::chargeFaultReset>},
}};

}  // namespace

const PollStepRow* FindPollStep(std::uint8_t step) {
    const auto it = std::find_if(PollSteps.begin(), PollSteps.end(),
                                 [step](const PollStepRow& row) { return row.step == step; });
    return it == PollSteps.end() ? nullptr : &*it;
}

}  // namespace orvane::monitor
