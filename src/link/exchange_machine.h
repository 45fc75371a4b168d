// One request and its answer without blocking: the steps of the blocking sequence (discard
// stale input, RTS up, write, wait for the output to drain, RTS down, discard the echo, the
// turnaround, read under the line time-outs with early completion) as states, moved on by the
// loop's events. Owned by the DeviceLink, which judges what it received; window thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "link/link_events.h"
#include "link/serial_port.h"
#include "link/transaction.h"

namespace orvane::link {

class ExchangeMachine {
  public:
    // Told the count received once the read has ended (or the port hung up).
    using Finished = std::function<void(std::size_t received)>;

    // `port` and `events` must outlive the machine.
    ExchangeMachine(SerialPort& port, LinkEvents& events);

    // Whether the read ends as soon as the answer frame is in, or waits out the line.
    enum class ReadMode { EndWithFrame, WaitOut };

    // Sends `frame` (kept by the caller until finished) and reads the answer into `area`
    // (zeroed by the caller). `toggleRts`: the link raises RTS for the write itself.
    void start(std::span<const std::uint8_t> frame, const AnswerShape& shape,
               std::span<std::uint8_t> area, bool toggleRts, ReadMode mode, Finished finished);
    // A fixed wait alone; `finished` is told 0.
    void pause(unsigned ms, Finished finished);
    // Stops where it is; `finished` is never called. Nothing more is sent or read.
    void abandon();
    bool busy() const { return phase_ != Phase::Idle; }

    void timerDue();
    void inputReady();

  private:
    enum class Phase { Idle, Writing, Draining, Turnaround, Reading, Gathering, Pausing };

    void writeMore();
    void awaitDrain();
    void startRead();
    void readAvailable();
    void awaitInput();
    Micros readDeadline() const;
    void finish();

    SerialPort& port_;
    LinkEvents& events_;
    Phase phase_ = Phase::Idle;
    std::span<const std::uint8_t> frame_;
    AnswerShape shape_{};
    std::span<std::uint8_t> area_;
    bool toggleRts_ = false;
    ReadMode mode_ = ReadMode::EndWithFrame;
    Finished finished_;
    std::size_t written_ = 0;
    std::size_t received_ = 0;
    Micros writeDeadline_{};
    Micros totalDeadline_{};
    Micros lastByte_{};
};

}  // namespace orvane::link
