// Millisecond waits of the protocol (the 3 ms turnaround before a read, the pauses between
// parameter blocks). Injected so tests run without sleeping. Window thread only.
#pragma once

namespace orvane::link {

class Delay {
public:
    virtual ~Delay() = default;
    virtual void waitMs(unsigned milliseconds) = 0;
};

// Sleeps the calling thread.
class SystemDelay final : public Delay {
public:
    void waitMs(unsigned milliseconds) override;
};

}  // namespace orvane::link
