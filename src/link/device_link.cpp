#include "link/device_link.h"

#include <algorithm>
#include <array>
#include <optional>

namespace orvane::link {

DeviceLink::DeviceLink(SerialPort& port, const PortTable& ports, Delay& delay, LinkEvents* events)
    : port_(port), ports_(ports), delay_(delay), events_(events) {
    if (events_) {
        machine_ = std::make_unique<ExchangeMachine>(port_, *events_);
        events_->attach(this);
    }
}

DeviceLink::~DeviceLink() {
    if (events_) {
        Abandon();
        events_->attach(nullptr);
    }
}

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
    return OpenDevice(*path);
}

bool DeviceLink::OpenDevice(const std::string& devicePath) {
    if (open_)
        ClosePort();
    openedDevice_ = devicePath;
    lastOpenError_ = port_.open(devicePath);
    open_ = lastOpenError_ == OpenError::None;
    // The system raises RTS when it opens a port; the bus stays free until the first request.
    if (open_ && !port_.kernelDrivesRts())
        port_.setRts(false);
    return open_;
}

bool DeviceLink::ClosePort() {
    // Whatever runs is abandoned first: its answer must not arrive into a closed link.
    Abandon();
    if (open_) {
        port_.close();
        open_ = false;
    }
    return open_;
}

void DeviceLink::Abandon() {
    if (machine_)
        machine_->abandon();
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
    if (earlyCompletion_)
        complete = [&shape](std::span<const std::uint8_t> got) {
            return AnswerComplete(shape, got);
        };
    return port_.read(into, ReadTimeouts{}, complete);
}

std::span<const std::uint8_t> DeviceLink::buildRequest(const Request& request) {
    received_.fill(0);
    const std::uint8_t length = BuildFrame(
        tx_, request.unitAddress, request.masterAddress, request.functionCode,
        request.payload.data(), request.payload.size(), request.addressLow, request.addressHigh);
    // 0xFF is BuildFrame's refusal, not a length: never send past the buffer.
    return std::span(tx_.data(), std::min<std::size_t>(length, tx_.size()));
}

Answer DeviceLink::transact(const Request& request, const AnswerShape& shape) {
    const std::span<const std::uint8_t> frame = buildRequest(request);
    SendFrame(static_cast<std::uint8_t>(frame.size()));
    purge();
    if (shape.turnaround)
        delay_.waitMs(AnswerTurnaroundMs);
    const std::size_t received = readAnswer(shape);
    return TakeAnswer(shape, received_, received);
}

Micros DeviceLink::now() const {
    return events_ ? events_->now() : clock_->now();
}

void DeviceLink::exchangeFinished(ExchangeOutcome outcome, Micros took) {
    // The one place every finished exchange passes, blocking or not.
    if (observer_ != nullptr)
        observer_->exchangeFinished(outcome, took);
}

std::uint8_t DeviceLink::MemoryWrite(const std::uint8_t* data, std::uint16_t address,
                                     std::uint8_t count, std::uint8_t unitAddress) {
    const Transaction t = MemoryWriteTransaction(data, address, count, unitAddress);
    const Micros begun = now();
    const std::uint8_t code = JudgeMemoryWrite(transact(t.request, t.shape), answer_);
    exchangeFinished(MemoryWriteOutcome(code), now() - begun);
    return code;
}

std::uint8_t DeviceLink::MemoryRead(std::uint8_t* destination, std::uint16_t address,
                                    std::uint8_t count, std::uint8_t unitAddress) {
    const std::uint8_t request[1] = {count};
    const Transaction t = MemoryReadTransaction(request, address, unitAddress);
    if (t.refused)
        return *t.refused;
    const Micros begun = now();
    const std::uint8_t code =
        JudgeMemoryRead(transact(t.request, t.shape), answer_, destination, count);
    exchangeFinished(MemoryReadOutcome(code), now() - begun);
    return code;
}

std::uint8_t DeviceLink::Exchange(std::uint8_t unitAddress, std::uint8_t masterAddress,
                                  std::uint8_t functionCode, std::span<std::uint8_t> buffer,
                                  std::uint8_t n, std::uint8_t addressLow, std::uint8_t addressHigh,
                                  std::uint8_t m) {
    const Transaction t = ExchangeTransaction(unitAddress, masterAddress, functionCode, buffer, n,
                                              addressLow, addressHigh, m);
    if (t.refused)
        return *t.refused;
    const Micros begun = now();
    const Answer answer = transact(t.request, t.shape);
    const std::uint8_t code = JudgeExchange(answer, buffer, m);
    exchangeFinished(ExchangeOutcomeOf(code, answer.received, buffer[FunctionByte] == functionCode),
                     now() - begun);
    return code;
}

void DeviceLink::begin(const Transaction& t, Judge judge, Classify classify, Completion done) {
    if (t.refused) {
        done(*t.refused);
        return;
    }
    // A link that is closed sends nothing and reads nothing, as the blocking routines; the
    // turnaround they would wait is not worth a timer.
    if (!open_) {
        buildRequest(t.request);
        const Answer answer = TakeAnswer(t.shape, received_, 0);
        const std::uint8_t code = judge(answer);
        exchangeFinished(classify(code, answer), Micros{0});
        done(code);
        return;
    }
    const std::span<const std::uint8_t> frame = buildRequest(t.request);
    const Micros begun = now();
    const ExchangeMachine::ReadMode mode = earlyCompletion_
                                               ? ExchangeMachine::ReadMode::EndWithFrame
                                               : ExchangeMachine::ReadMode::WaitOut;
    machine_->start(frame, t.shape, received_, !port_.kernelDrivesRts(), mode,
                    [this, shape = t.shape, begun, judge = std::move(judge),
                     classify = std::move(classify), done = std::move(done)](std::size_t received) {
                        const Answer answer = TakeAnswer(shape, received_, received);
                        const std::uint8_t code = judge(answer);
                        exchangeFinished(classify(code, answer), now() - begun);
                        done(code);
                    });
}

void DeviceLink::BeginMemoryWrite(const std::uint8_t* data, std::uint16_t address,
                                  std::uint8_t count, std::uint8_t unitAddress, Completion done) {
    if (!machine_) {
        done(MemoryWrite(data, address, count, unitAddress));
        return;
    }
    if (Busy()) {
        done(write_result::NoAnswer);
        return;
    }
    begin(
        MemoryWriteTransaction(data, address, count, unitAddress),
        [this](const Answer& answer) { return JudgeMemoryWrite(answer, answer_); },
        [](std::uint8_t code, const Answer&) { return MemoryWriteOutcome(code); }, std::move(done));
}

void DeviceLink::BeginMemoryRead(std::uint8_t* destination, std::uint16_t address,
                                 std::uint8_t count, std::uint8_t unitAddress, Completion done) {
    if (!machine_) {
        done(MemoryRead(destination, address, count, unitAddress));
        return;
    }
    if (Busy()) {
        done(read_result::NoAnswer);
        return;
    }
    // The one-byte request payload must live as long as the exchange.
    readRequest_[0] = count;
    begin(
        MemoryReadTransaction(readRequest_, address, unitAddress),
        [this, destination, count](const Answer& answer) {
            return JudgeMemoryRead(answer, answer_, destination, count);
        },
        [](std::uint8_t code, const Answer&) { return MemoryReadOutcome(code); }, std::move(done));
}

void DeviceLink::BeginExchange(std::uint8_t unitAddress, std::uint8_t masterAddress,
                               std::uint8_t functionCode, std::span<std::uint8_t> buffer,
                               std::uint8_t n, std::uint8_t addressLow, std::uint8_t addressHigh,
                               std::uint8_t m, Completion done) {
    if (!machine_) {
        done(Exchange(unitAddress, masterAddress, functionCode, buffer, n, addressLow, addressHigh,
                      m));
        return;
    }
    if (Busy()) {
        done(exchange_result::BadLength);
        return;
    }
    begin(
        ExchangeTransaction(unitAddress, masterAddress, functionCode, buffer, n, addressLow,
                            addressHigh, m),
        [buffer, m](const Answer& answer) { return JudgeExchange(answer, buffer, m); },
        [buffer, functionCode](std::uint8_t code, const Answer& answer) {
            return ExchangeOutcomeOf(code, answer.received, buffer[FunctionByte] == functionCode);
        },
        std::move(done));
}

void DeviceLink::BeginPause(unsigned ms, Completion done) {
    if (!machine_) {
        delay_.waitMs(ms);
        done(0);
        return;
    }
    if (Busy()) {
        done(0);
        return;
    }
    machine_->pause(ms, [done = std::move(done)](std::size_t) { done(0); });
}

}  // namespace orvane::link
