// What the LED-matrix line tells the operator about a started link. Plain enum; any thread.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane::monitor {

enum class LinkCondition : std::uint8_t {
    starting,  // "Avviato", until the third calm tick
    ok,
    communicationError,
    firmwareError,
    communicationAndFirmwareError,  // both texts on the one line
};
inline constexpr std::size_t LinkConditionCount =
    static_cast<std::size_t>(LinkCondition::communicationAndFirmwareError) + 1;

}  // namespace orvane::monitor
