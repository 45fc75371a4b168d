// The unit's side of every function code: what each request does to the unit and the
// answer frame it gets back. Owned by the main loop; one thread.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "unit-sim/bytes.h"
#include "unit-sim/live_model.h"
#include "unit-sim/memory_image.h"
#include "unit-sim/settings.h"

namespace orvane::unitsim {

// Answer payload lengths of the fixed-size answers.
namespace answer_length {
inline constexpr std::size_t FirmwareVersion = 3;
inline constexpr std::size_t OperatingCommand = 2;
inline constexpr std::size_t DataReset = 48;
inline constexpr std::size_t ClockSet = 68;
inline constexpr std::size_t ChargeFaultReset = 2;
inline constexpr std::size_t MemoryCommit = 2;
}  // namespace answer_length

inline constexpr std::size_t MaxWriteBytes = 64;

class UnitResponder {
  public:
    // Keeps the committed memory; false when it could not (the commit then goes
    // unanswered, so the configurator does not report an export that was lost).
    using CommitHandler = std::function<bool(const MemoryImage&)>;

    // Every reference must outlive the responder.
    UnitResponder(MemoryImage& memory, LiveModel& model, const Settings& settings,
                  CommitHandler commit);

    // The answer frame to an intact request for this unit, or nothing when the unit stays
    // silent (unknown function code, failed commit).
    std::optional<Bytes> answer(std::span<const std::uint8_t> request);

  private:
    std::optional<Bytes> payloadFor(std::uint8_t function, std::uint16_t address,
                                    std::span<const std::uint8_t> payload);

    MemoryImage& memory_;
    LiveModel& model_;
    const Settings& settings_;
    CommitHandler commit_;
};

}  // namespace orvane::unitsim
