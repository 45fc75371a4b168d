#include "link/device_link.h"

#include <algorithm>
#include <array>
#include <optional>

namespace orvane::link {

namespace {

// Frame start inside the received run, or nothing while the first bytes do not tell yet.
std::optional<std::size_t> KnownStart(StartRule rule, std::span<const std::uint8_t> got) {
    if (got.empty())
        return std::nullopt;
    if (got[0] == 0x00 || rule == StartRule::SkipLeadingZero)
        return FrameStart(rule, got[0], 0xFF);
    if (got.size() < 2)
        return std::nullopt;
    return FrameStart(rule, got[0], got[1]);
}

}  // namespace

DeviceLink::DeviceLink(SerialPort& port, const PortTable& ports, Delay& delay)
    : port_(port), ports_(ports), delay_(delay) {}

bool DeviceLink::OpenPort(std::uint8_t index) {
    if (open_)
        ClosePort();
    if (index >= PortCount) {
        lastOpenError_ = OpenError::IndexOutOfRange;
        return false;
    }
    const std::optional<std::string> path = ports_.devicePath(index);
    if (!path) {
        lastOpenError_ = OpenError::NotMapped;
        return false;
    }
    lastOpenError_ = port_.open(*path);
    open_ = lastOpenError_ == OpenError::None;
    // The system raises RTS when it opens a port; the bus stays free until the first request.
    if (open_ && !port_.kernelDrivesRts())
        port_.setRts(false);
    return open_;
}

bool DeviceLink::ClosePort() {
    if (open_) {
        port_.close();
        open_ = false;
    }
    return open_;
}

std::uint8_t DeviceLink::SendFrame(std::uint8_t length) {
    if (!open_)
        return 0;
    // Stale input (a late answer to an earlier request) must go before the request leaves;
    // once it is on the line, the unit's answer may arrive at any moment.
    port_.discardInput();
    // 0xFF is BuildFrame's refusal, not a length: never send past the buffer.
    const std::size_t bytes = std::min<std::size_t>(length, tx_.size());
    // Where the kernel does not switch the RS-485 direction, the link does what a toggle-mode
    // driver does: our line driver is on only while the request goes out, and off again
    // before the answer can start.
    const bool toggle = !port_.kernelDrivesRts();
    if (toggle)
        port_.setRts(true);
    const std::size_t written = port_.write(std::span(tx_.data(), bytes));
    if (toggle) {
        port_.drainOutput();
        port_.setRts(false);
    }
    return static_cast<std::uint8_t>(written);
}

void DeviceLink::purge() {
    if (!open_)
        return;
    // write() returns while the request is still in the UART. Discarding output now would
    // cut it short, so wait until it has gone out, then drop the input received meanwhile:
    // the local echo that some RS-485 adapters return of our own request.
    port_.drainOutput();
    port_.discardInput();
}

std::size_t DeviceLink::readAnswer(const AnswerShape& shape) {
    if (!open_)
        return 0;
    const std::span<std::uint8_t> into(received_.data(), shape.readBytes);
    ReadComplete complete;
    if (earlyCompletion_) {
        // Complete once the frame (by its own length byte) is in and it covers every byte
        // the routine looks at; an implausible length leaves the plain time-outs in charge.
        complete = [rule = shape.start, used = shape.checkedBytes,
                    size = into.size()](std::span<const std::uint8_t> got) {
            const std::optional<std::size_t> start = KnownStart(rule, got);
            if (!start || got.size() <= *start + LengthByte)
                return false;
            const std::size_t length = got[*start + LengthByte];
            const bool plausible =
                length >= std::max(FrameOverhead, used) && *start + length <= size;
            return plausible && got.size() >= *start + length;
        };
    }
    return port_.read(into, ReadTimeouts{}, complete);
}

DeviceLink::Answer DeviceLink::transact(const Request& request, const AnswerShape& shape) {
    received_.fill(0);
    const std::uint8_t length = BuildFrame(
        tx_, request.unitAddress, request.masterAddress, request.functionCode,
        request.payload.data(), request.payload.size(), request.addressLow, request.addressHigh);
    const std::chrono::microseconds sent = clock_->now();
    SendFrame(length);
    purge();
    if (shape.turnaround)
        delay_.waitMs(AnswerTurnaroundMs);
    const std::size_t received = readAnswer(shape);
    const std::chrono::microseconds took = clock_->now() - sent;
    const std::size_t start = FrameStart(shape.start, received_[0], received_[1]);
    return {received, std::span(received_).subspan(start), took};
}

void DeviceLink::report(ExchangeOutcome outcome, const Answer& answer) {
    if (observer_ != nullptr)
        observer_->exchangeFinished(outcome, answer.took);
}

std::optional<std::uint8_t> DeviceLink::takeMemoryAnswer(const Answer& answer,
                                                         std::uint8_t functionCode) {
    if (answer.received == 0)
        return write_result::NoAnswer;
    std::copy_n(answer.frame.begin(), answer_.size(), answer_.begin());
    if (!AnswerIntact(answer_))
        return write_result::BadChecksum;
    if (answer_[FunctionByte] != functionCode)
        return write_result::WrongFunction;
    return std::nullopt;
}

namespace {

// The memory routines share their first three codes (see takeMemoryAnswer).
static_assert(write_result::NoAnswer == read_result::NoAnswer &&
              write_result::BadChecksum == read_result::BadChecksum &&
              write_result::WrongFunction == read_result::WrongFunction);

std::uint8_t Low(std::uint16_t address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}
std::uint8_t High(std::uint16_t address) {
    return static_cast<std::uint8_t>(address >> 8);
}

}  // namespace

std::uint8_t DeviceLink::MemoryWrite(const std::uint8_t* data, std::uint16_t address,
                                     std::uint8_t count, std::uint8_t unitAddress) {
    count = std::min(count, MaxMemoryWriteBytes);
    // The unit answers at once; only a leading 0x00 goes. The status is byte 6: bytes 0..6
    // must be in.
    const Answer answer =
        transact({unitAddress, MasterAddress, function::MemoryWrite, std::span(data, count),
                  Low(address), High(address)},
                 {std::size_t{count} + 8, StartRule::SkipLeadingZero, PayloadStart + 1, false});
    const std::uint8_t result = checkWriteAnswer(answer);
    report(MemoryWriteOutcome(result), answer);
    return result;
}

std::uint8_t DeviceLink::checkWriteAnswer(const Answer& answer) {
    if (const std::optional<std::uint8_t> failed = takeMemoryAnswer(answer, function::MemoryWrite))
        return *failed;
    const std::uint8_t status = answer_[PayloadStart];
    if (status == 1)
        return write_result::Ok;
    // Statuses 252..255 would wrap into 0..3 and a refusal would read as success or as
    // another failure; they saturate at 255 instead.
    if (status > 0xFF - write_result::StatusBase)
        return 0xFF;
    return static_cast<std::uint8_t>(status + write_result::StatusBase);
}

std::uint8_t DeviceLink::MemoryRead(std::uint8_t* destination, std::uint16_t address,
                                    std::uint8_t count, std::uint8_t unitAddress) {
    if (count > MaxPayloadLength)
        return read_result::NoData;
    const std::uint8_t request[1] = {count};
    const Answer answer = transact(
        {unitAddress, MasterAddress, function::MemoryRead, request, Low(address), High(address)},
        {std::size_t{count} + 8, StartRule::SkipLeadingZeroOrRepeat, PayloadStart + count, true});
    const std::uint8_t result = checkReadAnswer(answer, destination, count);
    report(MemoryReadOutcome(result), answer);
    return result;
}

std::uint8_t DeviceLink::checkReadAnswer(const Answer& answer, std::uint8_t* destination,
                                         std::uint8_t count) {
    if (const std::optional<std::uint8_t> failed = takeMemoryAnswer(answer, function::MemoryRead))
        return *failed;
    if (answer_[LengthByte] == FrameOverhead)
        return read_result::NoData;
    std::copy_n(answer_.begin() + PayloadStart, count, destination);
    return read_result::Ok;
}

std::uint8_t DeviceLink::Exchange(std::uint8_t unitAddress, std::uint8_t masterAddress,
                                  std::uint8_t functionCode, std::span<std::uint8_t> buffer,
                                  std::uint8_t n, std::uint8_t addressLow, std::uint8_t addressHigh,
                                  std::uint8_t m) {
    const std::size_t frameBytes = std::size_t{m} + 8;
    // A request or answer payload above 233 bytes cannot fit a frame; a buffer too small
    // for the request or the answer is the caller's mistake. None of them sends anything.
    if (n > MaxPayloadLength || m > MaxPayloadLength ||
        buffer.size() < std::max<std::size_t>(n, frameBytes))
        return exchange_result::BadLength;

    const Answer answer = transact(
        {unitAddress, masterAddress, functionCode, buffer.first(n), addressLow, addressHigh},
        {frameBytes, StartRule::SkipLeadingZeroOrRepeat, PayloadStart + m, true});
    // The caller gets the answer area whatever arrived: it replaces the request payload.
    std::copy_n(answer.frame.begin(), frameBytes, buffer.begin());
    const std::uint8_t result = [&] {
        const std::size_t answerLength = buffer[LengthByte];
        if (answerLength == 0 || answerLength > frameBytes)
            return exchange_result::BadLength;
        if (answer.received < FrameOverhead)
            return exchange_result::TooShort;
        return AnswerIntact(buffer.first(frameBytes)) ? exchange_result::Ok
                                                      : exchange_result::BadChecksum;
    }();
    report(ExchangeOutcomeOf(result, answer.received, buffer[FunctionByte] == functionCode),
           answer);
    return result;
}

}  // namespace orvane::link
