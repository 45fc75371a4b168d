// The poll state machine as data: one row per `PollStep` value that talks to the unit,
// with its function code, payload sizes, where the answer goes and which step follows.
// Constant table read by `PollCycle`.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "monitor/clock_setting.h"
#include "monitor/device_command.h"
#include "monitor/poll_state.h"

namespace orvane::monitor {

namespace poll_step {
inline constexpr std::uint8_t FirmwareVersion = 0;
inline constexpr std::uint8_t LiveBlockA = 1;
inline constexpr std::uint8_t LiveBlockB = 2;
inline constexpr std::uint8_t TrendBlock = 3;
inline constexpr std::uint8_t ClockRead = 4;
inline constexpr std::uint8_t OperatingCommand = 5;
inline constexpr std::uint8_t BatteryReset = 0x20;
inline constexpr std::uint8_t StorageReset = 0x30;
inline constexpr std::uint8_t ClockSet = 0x40;
inline constexpr std::uint8_t ChargeFaultReset = 0x50;
}  // namespace poll_step

struct PollStepRow {
    std::uint8_t step;
    std::uint8_t function;
    std::uint8_t n;  // request payload length
    std::uint8_t m;  // expected answer payload length
    // Writes the request payload over the cleared buffer; false: nothing to send this
    // tick. Null: the payload stays as cleared (a single 0x00).
    bool (*request)(const PollState&, const ClockSettingSource& clockSetting,
                    std::span<std::uint8_t> payload);
    // Block that receives the first answer payload bytes (as many as it holds); null: none.
    std::span<std::uint8_t> (*destination)(PollState&);
    void (*onSuccess)(PollState&);  // null: nothing beyond storing
    std::uint8_t (*next)(const PollState&);
    // The command this step would send now; null: the step carries none.
    std::optional<DeviceCommand> (*sends)(const PollState&) = nullptr;
};

// The row for `step`; null for a value without one (such a step sends nothing and the
// cycle starts over).
const PollStepRow* FindPollStep(std::uint8_t step);

}  // namespace orvane::monitor
