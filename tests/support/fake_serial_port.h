// In-memory serial port for tests: records every frame written and answers each one
// through a responder the test supplies. Single-threaded, no timing: a read returns at
// once with whatever the responder queued (up to the count asked for). It keeps the RTS
// line as a port without the kernel's RS-485 mode would (raised by the system at open) and
// records it at every write and read.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "link/delay.h"
#include "link/exchange_observer.h"
#include "link/monotonic_clock.h"
#include "link/serial_port.h"

namespace orvane::link {

// Outcomes print by name in test messages.
inline std::ostream& operator<<(std::ostream& os, ExchangeOutcome outcome) {
    constexpr const char* names[] = {"Answered", "NoAnswer", "BadFrame", "WrongAnswer"};
    return os << names[static_cast<int>(outcome)];
}

}  // namespace orvane::link

namespace orvane::testing {

using Bytes = std::vector<std::uint8_t>;

class FakeSerialPort final : public link::SerialPort {
  public:
    // Given the request just written, returns the bytes the unit sends back.
    using Responder = std::function<Bytes(const Bytes& request)>;

    void setResponder(Responder r) { responder_ = std::move(r); }
    void failNextOpen(link::OpenError e) { nextOpenError_ = e; }

    link::OpenError open(const std::string& devicePath) override {
        openedPaths.push_back(devicePath);
        if (nextOpenError_ != link::OpenError::None) {
            auto e = nextOpenError_;
            nextOpenError_ = link::OpenError::None;
            return e;
        }
        open_ = true;
        rts = true;
        return link::OpenError::None;
    }
    void close() override {
        open_ = false;
        ++closeCount;
    }
    bool isOpen() const override { return open_; }

    std::size_t write(std::span<const std::uint8_t> bytes) override {
        Bytes frame(bytes.begin(), bytes.end());
        written.push_back(frame);
        rtsWhileWriting.push_back(rts);
        undrained_ = true;
        if (responder_) {
            Bytes answer = responder_(frame);
            pending_.insert(pending_.end(), answer.begin(), answer.end());
        }
        return bytes.size();
    }
    void drainOutput() override { undrained_ = false; }
    void discardInput() override { ++discards; }
    bool kernelDrivesRts() const override { return kernelRs485; }
    void setRts(bool raised) override {
        ++rtsRequests;
        if (!raised && undrained_)
            ++rtsDroppedBeforeDrain;  // would cut the request short
        rts = raised;
    }

    // Bytes arrive one at a time, so an early-completion predicate sees every prefix and
    // ends the read where a real port would.
    std::size_t read(std::span<std::uint8_t> into, const link::ReadTimeouts&,
                     const link::ReadComplete& complete) override {
        lastReadSize = into.size();
        rtsWhileReading.push_back(rts);
        const std::size_t available = std::min(into.size(), pending_.size());
        std::size_t n = 0;
        while (n < available) {
            into[n] = pending_[n];
            ++n;
            if (complete && complete(into.first(n)))
                break;
        }
        lastReadDelivered = n;
        pending_.clear();  // the next request starts from a purged line
        return n;
    }

    std::vector<Bytes> written;
    std::vector<std::string> openedPaths;
    bool kernelRs485 = false;  // the driver switches RTS itself (the kernel's RS-485 mode)
    bool rts = false;
    std::vector<bool> rtsWhileWriting, rtsWhileReading;
    int rtsRequests = 0;
    int rtsDroppedBeforeDrain = 0;
    std::size_t lastReadSize = 0;
    std::size_t lastReadDelivered = 0;
    int closeCount = 0;
    int discards = 0;

  private:
    Responder responder_;
    std::deque<std::uint8_t> pending_;
    bool open_ = false;
    bool undrained_ = false;
    link::OpenError nextOpenError_ = link::OpenError::None;
};

// Time that moves only when a test moves it.
class FakeMonotonicClock final : public link::MonotonicClock {
  public:
    std::chrono::microseconds now() const override { return time; }
    void advance(std::chrono::microseconds by) { time += by; }
    std::chrono::microseconds time{1'000'000};
};

// Records the waits instead of sleeping; each moves `clock` on, when one is given.
class FakeDelay final : public link::Delay {
  public:
    void waitMs(unsigned ms) override {
        waits.push_back(ms);
        totalMs += ms;
        if (clock != nullptr)
            clock->advance(std::chrono::milliseconds(ms));
    }
    std::vector<unsigned> waits;
    unsigned long totalMs = 0;
    FakeMonotonicClock* clock = nullptr;
};

// An answer frame as the unit lays it out: same function code, payload + 7 bytes, XOR.
Bytes AnswerFrame(std::uint8_t function, const Bytes& payload);

}  // namespace orvane::testing
