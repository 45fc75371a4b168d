// Cuts request frames out of the byte stream that arrives on the line, and finds the next
// frame again after noise, a half-sent frame or a frame for another unit. Owned by the
// main loop; one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "unit-sim/bytes.h"

namespace orvane::unitsim {

class RequestReader {
  public:
    // Takes the bytes just received; returns the intact requests for this unit (address
    // 0xEA) that are now complete, oldest first.
    std::vector<Bytes> feed(std::span<const std::uint8_t> bytes);
    // The line went quiet with bytes pending: no frame can complete any more, so the
    // pending bytes are searched to the end and whatever is left is dropped.
    std::vector<Bytes> expire();

    bool pending() const { return !buffer_.empty(); }
    // Bytes thrown away as noise so far (frames for other units are not counted).
    std::size_t discarded() const { return discarded_; }

  private:
    enum class Scan { Complete, Incomplete, Invalid };
    Scan scanAt(std::size_t offset, std::size_t& length) const;
    bool completeRequestAt(std::size_t offset) const;
    std::vector<Bytes> extract(bool lineQuiet);

    Bytes buffer_;
    std::size_t discarded_ = 0;
};

}  // namespace orvane::unitsim
