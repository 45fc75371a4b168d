#include "link/exchange_machine.h"

#include <algorithm>
#include <utility>

namespace orvane::link {

namespace {

using std::chrono::milliseconds;

// A write of n bytes may take at most 5 ms a byte plus 15 ms; so may its drain.
constexpr unsigned WriteMsPerByte = 5;
constexpr unsigned WriteMsConstant = 15;
// One byte of 19200 8N1 on the line: ten bits.
constexpr Micros ByteTime{521};
// While many answer bytes are still to come, the read lets a few gather before it looks
// again rather than waking for each one; it never does so near the expected end, so the end
// of a frame is seen as early as before.
constexpr std::size_t GatheredBytes = 4;
// Room for a request the driver did not take at once.
constexpr Micros WriteRetry{1000};

Micros TotalTime(std::size_t bytes, unsigned perByteMs, unsigned constantMs) {
    return milliseconds(perByteMs * bytes + constantMs);
}

}  // namespace

ExchangeMachine::ExchangeMachine(SerialPort& port, LinkEvents& events)
    : port_(port), events_(events) {}

void ExchangeMachine::start(std::span<const std::uint8_t> frame, const AnswerShape& shape,
                            std::span<std::uint8_t> area, bool toggleRts, ReadMode mode,
                            Finished finished) {
    frame_ = frame;
    mode_ = mode;
    shape_ = shape;
    area_ = area;
    toggleRts_ = toggleRts;
    finished_ = std::move(finished);
    written_ = 0;
    received_ = 0;
    // Stale input (a late answer to an earlier request) must go before the request leaves.
    port_.discardInput();
    if (toggleRts_)
        port_.setRts(true);
    writeDeadline_ = events_.now() + TotalTime(frame_.size(), WriteMsPerByte, WriteMsConstant);
    writeMore();
}

void ExchangeMachine::pause(unsigned ms, Finished finished) {
    finished_ = std::move(finished);
    received_ = 0;
    phase_ = Phase::Pausing;
    events_.armPause(ms);
}

void ExchangeMachine::writeMore() {
    written_ += port_.writeSome(frame_.subspan(written_));
    if (written_ < frame_.size() && !port_.hungUp() && events_.now() < writeDeadline_) {
        phase_ = Phase::Writing;
        events_.armTimer(events_.now() + WriteRetry);
        return;
    }
    awaitDrain();
}

void ExchangeMachine::awaitDrain() {
    // The request is still in the UART when the write returns: RTS may drop, and the echo be
    // discarded, only once it has left the line.
    const std::size_t queued = port_.hungUp() ? 0 : port_.outputQueued();
    const Micros now = events_.now();
    if (queued > 0 && now < writeDeadline_) {
        phase_ = Phase::Draining;
        events_.armTimer(std::min(now + ByteTime * static_cast<long>(queued), writeDeadline_));
        return;
    }
    if (queued == 0)
        port_.drainOutput();  // the last byte's stop bit: at most a byte time
    if (toggleRts_)
        port_.setRts(false);
    // The local echo some RS-485 adapters return of our own request.
    port_.discardInput();
    if (shape_.turnaround) {
        phase_ = Phase::Turnaround;
        events_.armPause(AnswerTurnaroundMs);
        return;
    }
    startRead();
}

void ExchangeMachine::startRead() {
    phase_ = Phase::Reading;
    const ReadTimeouts t;
    totalDeadline_ = events_.now() + TotalTime(shape_.readBytes, t.multiplierMs, t.constantMs);
    if (port_.hungUp()) {
        finish();
        return;
    }
    awaitInput();
}

Micros ExchangeMachine::readDeadline() const {
    if (received_ == 0)
        return totalDeadline_;
    return std::min(totalDeadline_, lastByte_ + milliseconds(ReadTimeouts{}.intervalMs));
}

void ExchangeMachine::awaitInput() {
    phase_ = Phase::Reading;
    events_.watchInput(true);
    events_.armTimer(readDeadline());
}

void ExchangeMachine::readAvailable() {
    const std::size_t n = port_.readSome(area_.subspan(received_, shape_.readBytes - received_));
    const Micros now = events_.now();
    if (n > 0) {
        received_ += n;
        lastByte_ = now;
        const auto got = std::span<const std::uint8_t>(area_.data(), received_);
        if (received_ == shape_.readBytes ||
            (mode_ == ReadMode::EndWithFrame && AnswerComplete(shape_, got))) {
            finish();
            return;
        }
        // `area` holds one byte more than a well-formed answer (room for a leading extra
        // byte), hence the 1.
        if (shape_.readBytes - received_ > GatheredBytes + 1) {
            phase_ = Phase::Gathering;
            events_.watchInput(false);
            events_.armTimer(
                std::min(now + ByteTime * static_cast<long>(GatheredBytes), readDeadline()));
            return;
        }
    }
    if (port_.hungUp() || now >= readDeadline()) {
        finish();
        return;
    }
    awaitInput();
}

void ExchangeMachine::timerDue() {
    switch (phase_) {
        case Phase::Idle:
            return;
        case Phase::Writing:
            writeMore();
            return;
        case Phase::Draining:
            awaitDrain();
            return;
        case Phase::Turnaround:
            startRead();
            return;
        case Phase::Gathering:
            readAvailable();
            return;
        case Phase::Reading:
            if (events_.now() >= readDeadline())
                finish();
            else
                events_.armTimer(readDeadline());  // woken early: the time-out is still ahead
            return;
        case Phase::Pausing:
            finish();
            return;
    }
}

void ExchangeMachine::inputReady() {
    if (phase_ == Phase::Reading)
        readAvailable();
}

void ExchangeMachine::abandon() {
    events_.watchInput(false);
    events_.cancelTimer();
    phase_ = Phase::Idle;
    finished_ = nullptr;
}

void ExchangeMachine::finish() {
    events_.watchInput(false);
    events_.cancelTimer();
    phase_ = Phase::Idle;
    // The owner may start the next exchange from here.
    Finished finished = std::exchange(finished_, nullptr);
    if (finished)
        finished(received_);
}

}  // namespace orvane::link
