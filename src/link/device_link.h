// The program's single link to the unit: the open port, the 240-byte transmit buffer and
// the three request/answer transactions with their one-byte result codes. Owned by the
// program root for the whole run; used from the window thread only.
// Each transaction comes in two forms over the same frames and judgements: the blocking
// routines (MemoryWrite, MemoryRead, Exchange), which return once the answer has been read,
// and the Begin... forms, which return at once and tell their completion when the loop's
// events have moved the exchange through (ExchangeMachine). A link built without a loop runs
// the Begin... forms through the blocking routines and completes them before returning.
// Transactions never retry and never overlap; each one that goes out is reported to the
// observer, if any. RTS, which an RS-485 adapter may take as its
// direction, is up only while a request is sent (by the kernel in its RS-485 mode, else by
// the link) and never while an answer may come.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "link/delay.h"
#include "link/exchange_machine.h"
#include "link/exchange_observer.h"
#include "link/frame.h"
#include "link/link_events.h"
#include "link/monotonic_clock.h"
#include "link/port_table.h"
#include "link/serial_port.h"
#include "link/transaction.h"

namespace orvane::link {

class DeviceLink final : private LinkEventSink {
  public:
    // Told the routine's result code.
    using Completion = std::function<void(std::uint8_t result)>;

    // `port`, `ports`, `delay` and `events` must outlive the link. Without `events` the
    // Begin... forms block as the routines do.
    DeviceLink(SerialPort& port, const PortTable& ports, Delay& delay,
               LinkEvents* events = nullptr);
    ~DeviceLink() override;
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Opens the device bound to list entry `index`. On failure the reason is kept in
    // lastOpenError() and the link stays closed.
    bool OpenPort(std::uint8_t index);
    // The device the port was last opened on (its stable path where the entry has one),
    // kept after the port closes so that the same device can be opened again.
    const std::string& openedDevice() const { return openedDevice_; }
    // Opens `devicePath` itself (the same device found again after it went away).
    bool OpenDevice(const std::string& devicePath);
    // Closes the port if open; returns the open flag afterwards (always false). An exchange
    // or pause still running is abandoned first: its answer is ignored and its completion
    // never told.
    bool ClosePort();
    // True once the open port's device has gone away (adapter pulled).
    bool PortHungUp() const { return open_ && port_.hungUp(); }
    bool IsPortOpen() const { return open_; }
    OpenError lastOpenError() const { return lastOpenError_; }

    // Sends the first `length` bytes of the transmit buffer; returns the count written,
    // reduced to 8 bits. Nothing is written while no port is open. Without the kernel's
    // RS-485 mode it returns once the request has left the line, with RTS dropped.
    std::uint8_t SendFrame(std::uint8_t length);

    std::uint8_t MemoryWrite(const std::uint8_t* data, std::uint16_t address, std::uint8_t count,
                             std::uint8_t unitAddress);
    // On result 0 the first `count` bytes of `destination` hold the data; otherwise it is
    // untouched. A count above 233 cannot fit an answer frame: refused with NoData, nothing
    // is sent.
    std::uint8_t MemoryRead(std::uint8_t* destination, std::uint16_t address, std::uint8_t count,
                            std::uint8_t unitAddress);
    // `buffer` holds the request payload (first n bytes) on entry and the answer frame
    // (m + 8 bytes from frame byte 0) on return; it must hold max(n, m + 8) bytes.
    std::uint8_t Exchange(std::uint8_t unitAddress, std::uint8_t masterAddress,
                          std::uint8_t functionCode, std::span<std::uint8_t> buffer, std::uint8_t n,
                          std::uint8_t addressLow, std::uint8_t addressHigh, std::uint8_t m);

    // The event-driven forms. Each returns at once (or, without a loop, once done) and tells
    // `done` the code its routine returns; `destination` and `buffer` must stay valid until
    // then. One at a time: while one runs (Busy) a second is refused with the routine's
    // no-answer code (BadLength for Exchange) and nothing is sent.
    void BeginMemoryWrite(const std::uint8_t* data, std::uint16_t address, std::uint8_t count,
                          std::uint8_t unitAddress, Completion done);
    void BeginMemoryRead(std::uint8_t* destination, std::uint16_t address, std::uint8_t count,
                         std::uint8_t unitAddress, Completion done);
    void BeginExchange(std::uint8_t unitAddress, std::uint8_t masterAddress,
                       std::uint8_t functionCode, std::span<std::uint8_t> buffer, std::uint8_t n,
                       std::uint8_t addressLow, std::uint8_t addressHigh, std::uint8_t m,
                       Completion done);
    // A fixed wait of the protocol (the pauses of the transfers), done with 0; it needs no
    // open port.
    void BeginPause(unsigned ms, Completion done);
    bool Busy() const { return machine_ && machine_->busy(); }
    // Stops what runs without telling its completion; nothing more is sent. The port stays
    // as it is.
    void Abandon();

    FrameBuffer& transmitBuffer() { return tx_; }
    const FrameBuffer& transmitBuffer() const { return tx_; }

    // Ends each read as soon as the answer frame is complete instead of waiting out the
    // 25 ms line silence. On by default; results are identical either way.
    void setEarlyCompletion(bool on) { earlyCompletion_ = on; }

    // Told about every exchange that went out, with its outcome and how long it took;
    // nothing: no one. The observer must outlive the link (or be unset first).
    void setObserver(ExchangeObserver* observer) { observer_ = observer; }
    // What the exchanges are timed by; the system's steady clock unless set. Must outlive
    // the link.
    void setClock(const MonotonicClock& clock) { clock_ = &clock; }

  private:
    // The one way every routine talks to the unit: builds the request, sends it, purges,
    // waits the turnaround where the shape asks for it, reads into the cleared receive area
    // and takes the frame start. Each routine checks the answer by its own rules.
    Answer transact(const Request& request, const AnswerShape& shape);
    std::size_t readAnswer(const AnswerShape& shape);
    void purge();
    std::span<const std::uint8_t> buildRequest(const Request& request);

    // The event-driven form of `transaction`; `judge` turns what came back into the code,
    // `classify` the code into what it means on the bus.
    using Judge = std::function<std::uint8_t(const Answer&)>;
    using Classify = std::function<ExchangeOutcome(std::uint8_t code, const Answer& answer)>;
    void begin(const Transaction& transaction, Judge judge, Classify classify, Completion done);
    // Every finished exchange, either form, passes here with its outcome and duration.
    void exchangeFinished(ExchangeOutcome outcome, Micros took);
    Micros now() const;
    void timerDue() override { machine_->timerDue(); }
    void inputReady() override { machine_->inputReady(); }

    SerialPort& port_;
    const PortTable& ports_;
    Delay& delay_;
    LinkEvents* events_;
    std::unique_ptr<ExchangeMachine> machine_;  // with a loop only
    std::string openedDevice_;
    bool open_ = false;
    OpenError lastOpenError_ = OpenError::None;
    bool earlyCompletion_ = true;
    ExchangeObserver* observer_ = nullptr;
    SteadyClock steadyClock_;
    const MonotonicClock* clock_ = &steadyClock_;
    FrameBuffer tx_{};
    FrameBuffer answer_{};
    std::array<std::uint8_t, 1> readRequest_{};  // the running MemoryRead's request payload
    std::array<std::uint8_t, ReceiveAreaSize> received_{};
};

}  // namespace orvane::link
