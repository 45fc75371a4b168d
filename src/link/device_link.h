// The program's single link to the unit: the open port, the 240-byte transmit buffer and
// the three request/answer transactions with their one-byte result codes. Owned by the
// program root for the whole run; used from the window thread only.
// Transactions block until their answer has been read; they never retry. Each one that goes
// out is reported to the observer, if any. RTS, which an RS-485 adapter may take as its
// direction, is up only while a request is sent (by the kernel in its RS-485 mode, else by
// the link) and never while an answer may come.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "link/delay.h"
#include "link/exchange_observer.h"
#include "link/frame.h"
#include "link/monotonic_clock.h"
#include "link/port_table.h"
#include "link/serial_port.h"

namespace orvane::link {

// Result codes of MemoryWrite.
namespace write_result {
inline constexpr std::uint8_t Ok = 0;
inline constexpr std::uint8_t NoAnswer = 1;
inline constexpr std::uint8_t BadChecksum = 2;
inline constexpr std::uint8_t WrongFunction = 3;
inline constexpr std::uint8_t StatusBase = 4;  // + the unit's status byte
}  // namespace write_result

// Result codes of MemoryRead.
namespace read_result {
inline constexpr std::uint8_t Ok = 0;
inline constexpr std::uint8_t NoAnswer = 1;
inline constexpr std::uint8_t BadChecksum = 2;
inline constexpr std::uint8_t WrongFunction = 3;
inline constexpr std::uint8_t NoData = 4;
}  // namespace read_result

// Result codes of Exchange.
namespace exchange_result {
inline constexpr std::uint8_t Ok = 0;
inline constexpr std::uint8_t BadChecksum = 1;
inline constexpr std::uint8_t TooShort = 2;
inline constexpr std::uint8_t BadLength = 3;  // also: nothing received
}  // namespace exchange_result

// How a routine's result code reads on the bus, for an exchange that went out (a request a
// routine refuses before sending is no exchange and is never classified). A refusal in the
// unit's own answer (a write status, a read without data) is a delivered answer.
constexpr ExchangeOutcome MemoryWriteOutcome(std::uint8_t result) {
    switch (result) {
        case write_result::NoAnswer:
            return ExchangeOutcome::NoAnswer;
        case write_result::BadChecksum:
            return ExchangeOutcome::BadFrame;
        case write_result::WrongFunction:
            return ExchangeOutcome::WrongAnswer;
        default:  // written, or the unit's status
            return ExchangeOutcome::Answered;
    }
}
constexpr ExchangeOutcome MemoryReadOutcome(std::uint8_t result) {
    // The memory routines share their first three codes (see takeMemoryAnswer); NoData here
    // is the unit's answer without data.
    return MemoryWriteOutcome(result);
}
// `received`: the bytes the read took in; `sameFunction`: the answer frame carries the
// request's function code. Exchange itself does not compare it, but an intact answer to
// another request is no answer to this one.
constexpr ExchangeOutcome ExchangeOutcomeOf(std::uint8_t result, std::size_t received,
                                            bool sameFunction) {
    switch (result) {
        case exchange_result::Ok:
            return sameFunction ? ExchangeOutcome::Answered : ExchangeOutcome::WrongAnswer;
        case exchange_result::TooShort:
            return ExchangeOutcome::WrongAnswer;
        case exchange_result::BadLength:
            // A cleared receive area reads as a length byte of 0.
            return received == 0 ? ExchangeOutcome::NoAnswer : ExchangeOutcome::BadFrame;
        default:
            return ExchangeOutcome::BadFrame;
    }
}

inline constexpr std::uint8_t MaxMemoryWriteBytes = 64;
inline constexpr unsigned AnswerTurnaroundMs = 3;

class DeviceLink {
  public:
    // `port`, `ports` and `delay` must outlive the link.
    DeviceLink(SerialPort& port, const PortTable& ports, Delay& delay);
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Opens the device bound to list entry `index`. On failure the reason is kept in
    // lastOpenError() and the link stays closed.
    bool OpenPort(std::uint8_t index);
    // Closes the port if open; returns the open flag afterwards (always false).
    bool ClosePort();
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
    // A request as one routine lays it out.
    struct Request {
        std::uint8_t unitAddress;
        std::uint8_t masterAddress;
        std::uint8_t functionCode;
        std::span<const std::uint8_t> payload;
        std::uint8_t addressLow;
        std::uint8_t addressHigh;
    };
    // What one routine expects of its answer: the bytes it reads, how it finds the frame
    // start, how many frame bytes its checks look at (the read may end once they are in), and
    // whether the unit gets the turnaround before the read.
    struct AnswerShape {
        std::size_t readBytes;
        StartRule start;
        std::size_t checkedBytes;
        bool turnaround;
    };
    // What came back: the count received, the receive area from the frame start on, and
    // the time from sending the request to the end of the read.
    struct Answer {
        std::size_t received;
        std::span<const std::uint8_t> frame;
        std::chrono::microseconds took;
    };

    // The one way every routine talks to the unit: builds the request, sends it, purges,
    // waits the turnaround where the shape asks for it, reads into the cleared receive area
    // and takes the frame start. Each routine checks the answer by its own rules.
    Answer transact(const Request& request, const AnswerShape& shape);
    // The memory routines' common checks on the answer copied into answer_: NoAnswer,
    // BadChecksum or WrongFunction (the same codes for both), or nothing when it is intact
    // and answers `functionCode`.
    std::optional<std::uint8_t> takeMemoryAnswer(const Answer& answer, std::uint8_t functionCode);
    // Each routine's checks on its answer, giving its result code.
    std::uint8_t checkWriteAnswer(const Answer& answer);
    std::uint8_t checkReadAnswer(const Answer& answer, std::uint8_t* destination,
                                 std::uint8_t count);
    void report(ExchangeOutcome outcome, const Answer& answer);
    std::size_t readAnswer(const AnswerShape& shape);
    void purge();

    SerialPort& port_;
    const PortTable& ports_;
    Delay& delay_;
    bool open_ = false;
    OpenError lastOpenError_ = OpenError::None;
    bool earlyCompletion_ = true;
    ExchangeObserver* observer_ = nullptr;
    SteadyClock steadyClock_;
    const MonotonicClock* clock_ = &steadyClock_;
    FrameBuffer tx_{};
    FrameBuffer answer_{};
    std::array<std::uint8_t, ReceiveAreaSize> received_{};
};

}  // namespace orvane::link
