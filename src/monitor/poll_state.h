// The poll members and stored answer blocks of the live link, what its LED-matrix line
// shows, plus the seven one-shot command flags. Plain data owned by the program root for
// the whole run; window thread only. Block byte k is answer payload byte k (answer frame
// byte 6 + k).
#pragma once

#include <array>
#include <cstdint>

#include "monitor/link_condition.h"

namespace orvane::monitor {

inline constexpr std::size_t FirmwareVersionSize = 3;
inline constexpr std::size_t LiveBlockASize = 176;
inline constexpr std::size_t LiveBlockBSize = 48;
inline constexpr std::size_t TrendBlockSize = 108;  // 54 little-endian words
inline constexpr std::size_t ClockBlockSize = 6;

// Raised by the command buttons, cleared by the poll cycle once the unit has answered.
struct CommandRequest {
    bool BlockRequest = false;
    bool RestartRequest = false;
    bool FullChargeRequest = false;
    bool SetClockRequest = false;
    bool BatteryResetRequest = false;
    bool StorageResetRequest = false;
    bool ChargeFaultResetRequest = false;
};

struct PollState {
    std::uint8_t PollStep = 0;
    std::int32_t CommErrorCount = 0;  // failed exchanges since the last good one
    bool LinkErrorFlag = false;       // five failures in a row; cleared by a good exchange
    std::uint8_t LinkOkDelay = 0;     // ticks before "Comunicazione OK" shows again
    bool FwVersionError = false;      // the unit's firmware is not 1.7.x
    // Set to starting by the link's start, then by the link-state display when it writes.
    LinkCondition LinkShown = LinkCondition::starting;

    std::array<std::uint8_t, FirmwareVersionSize> FirmwareVersion{};
    std::array<std::uint8_t, LiveBlockASize> LiveBlockA{};
    std::array<std::uint8_t, LiveBlockBSize> LiveBlockB{};
    std::array<std::uint8_t, TrendBlockSize> TrendBlock{};
    bool TrendBlockReady = false;  // a new TrendBlock is not yet decoded
    std::array<std::uint8_t, ClockBlockSize> ClockBlock{};

    CommandRequest Commands;
};

}  // namespace orvane::monitor
