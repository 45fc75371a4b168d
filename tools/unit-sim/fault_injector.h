// Turns a correct answer frame into what the faulty unit actually puts on the line, and
// decides which requests go unanswered. Owned by the main loop; one thread.
#pragma once

#include <cstdint>
#include <random>

#include "unit-sim/bytes.h"
#include "unit-sim/settings.h"

namespace orvane::unitsim {

// What goes on the line for one answer: `head`, then a pause of `gapMs`, then `tail`.
struct Transmission {
    Bytes head;
    unsigned gapMs = 0;
    Bytes tail;

    Bytes all() const;
};

class FaultInjector {
  public:
    explicit FaultInjector(std::uint32_t seed) : random_(seed) {}

    // Takes new settings. The count of a periodic fault starts again when its period
    // changes, so "corrupt 3" spoils the third answer from now on.
    void configure(const FaultSettings& settings);
    const FaultSettings& settings() const { return settings_; }

    // Called once per request for this unit: true when it is to be ignored.
    bool ignoreRequest();
    // Called once per request after the unit has acted on it: true when its answer is lost
    // on the way (the request took effect all the same).
    bool loseAnswerTo(const Bytes& request) const;
    // Called once per answer that is sent.
    Transmission shape(Bytes answerFrame);

  private:
    FaultSettings settings_;
    unsigned requests_ = 0;
    unsigned corruptCount_ = 0;
    unsigned truncateCount_ = 0;
    std::mt19937 random_;
};

}  // namespace orvane::unitsim
