// Told about every finished request/answer exchange with the unit, whichever way it ran
// (the blocking routines or the event-driven ones), so the bus's health is counted in one
// place. Not owned by the link; set by the program root and outliving it. Window thread.
#pragma once

#include <chrono>

namespace orvane::link {

// How an exchange ended, as the bus sees it. An answer carrying the unit's own refusal
// status is a delivered answer (Answered): the bus worked.
enum class ExchangeOutcome {
    Answered,
    NoAnswer,       // nothing came back
    BadFrame,       // wrong length byte or checksum
    WrongAnswer,    // another function's answer, or too short for the request
};

class ExchangeObserver {
  public:
    virtual ~ExchangeObserver() = default;
    // `duration` runs from the first byte sent to the end of the answer's read.
    virtual void exchangeFinished(ExchangeOutcome outcome, std::chrono::microseconds duration) = 0;
};

}  // namespace orvane::link
