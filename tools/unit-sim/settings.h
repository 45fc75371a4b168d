// What the operator can change while the simulator runs: the answered firmware version, the
// memory-write status, the line faults and the line timing. Set from the command line at
// start and from the control FIFO later. Plain data owned by the main loop; one thread.
#pragma once

#include <cstdint>

namespace orvane::unitsim {

struct FirmwareVersion {
    std::uint8_t major = 1;
    std::uint8_t minor = 7;
    std::uint8_t build = 3;
};

// Faults on the answers. A count N means every Nth answer (or request, for drop); 0 is off.
struct FaultSettings {
    bool silent = false;            // answer nothing at all
    unsigned corruptEvery = 0;      // one byte of the answer inverted
    unsigned truncateEvery = 0;     // only the first half of the answer sent
    unsigned dropEvery = 0;         // the request ignored
    bool leadingZero = false;       // a 0x00 ahead of each answer
    bool dupFirst = false;          // the answer's first byte sent twice
    bool wrongFunction = false;     // another function code, checksum still right
    unsigned gapMs = 0;             // a pause in the middle of each answer
    unsigned garbage = 0;           // random bytes ahead of each answer
    bool loseCommitAnswer = false;  // the EEPROM commit is kept but its answer never sent

    bool operator==(const FaultSettings&) const = default;
};

struct Settings {
    FirmwareVersion firmware;
    std::uint8_t writeStatus = 1;  // what memory writes answer; anything but 1 stores nothing
    FaultSettings faults;
    unsigned turnaroundMs = 2;  // from the end of a request to the start of its answer
    bool pace = false;          // send at the byte time of 19200 8N1
    // One-shot request to raise or clear the battery charge fault, taken by the main loop.
    enum class ChargeFault { Keep, Raise, Clear } chargeFault = ChargeFault::Keep;
};

}  // namespace orvane::unitsim
