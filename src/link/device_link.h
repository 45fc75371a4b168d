// The program's single link to the unit: the open port, the 240-byte transmit buffer and
// the three request/answer transactions with their one-byte result codes. Owned by the
// program root for the whole run; used from the window thread only.
// Transactions block until their answer has been read; they never retry. RTS, which an
// RS-485 adapter may take as its direction, is up only while a request is sent (by the
// kernel in its RS-485 mode, else by the link) and never while an answer may come.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "link/delay.h"
#include "link/frame.h"
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
    // What came back: the count received and the receive area from the frame start on.
    struct Answer {
        std::size_t received;
        std::span<const std::uint8_t> frame;
    };

    // The one way every routine talks to the unit: builds the request, sends it, purges,
    // waits the turnaround where the shape asks for it, reads into the cleared receive area
    // and takes the frame start. Each routine checks the answer by its own rules.
    Answer transact(const Request& request, const AnswerShape& shape);
    // The memory routines' common checks on the answer copied into answer_: NoAnswer,
    // BadChecksum or WrongFunction (the same codes for both), or nothing when it is intact
    // and answers `functionCode`.
    std::optional<std::uint8_t> takeMemoryAnswer(const Answer& answer, std::uint8_t functionCode);
    std::size_t readAnswer(const AnswerShape& shape);
    void purge();

    SerialPort& port_;
    const PortTable& ports_;
    Delay& delay_;
    bool open_ = false;
    OpenError lastOpenError_ = OpenError::None;
    bool earlyCompletion_ = true;
    FrameBuffer tx_{};
    FrameBuffer answer_{};
    std::array<std::uint8_t, ReceiveAreaSize> received_{};
};

}  // namespace orvane::link
