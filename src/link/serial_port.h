// The byte-level serial port under the device link. The link owns one and drives it from
// the window thread only; implementations are the POSIX termios port and test fakes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace orvane::link {

// Why a port could not be opened; kept for the caller, who turns it into a message.
enum class OpenError {
    None,
    IndexOutOfRange,   // not one of the eleven entries
    NotMapped,         // the entry maps to no device
    NoSuchDevice,      // the device path does not exist (adapter unplugged)
    PermissionDenied,  // the user may not open it (not in the dialout group)
    Busy,              // another program holds the port
    NotASerialPort,    // the path is not a terminal device
    ConfigureFailed,   // the line settings could not be applied
    Other,
};

// Line timing of every read, in milliseconds: a read of n bytes returns when n bytes
// arrived, when `intervalMs` pass after a byte without another, or after
// `multiplierMs` * n + `constantMs` at the latest.
struct ReadTimeouts {
    unsigned intervalMs = 25;
    unsigned multiplierMs = 5;
    unsigned constantMs = 15;
};

// Told the bytes received so far; true once nothing more is needed, so the read can
// return before the time-outs run out.
using ReadComplete = std::function<bool(std::span<const std::uint8_t> received)>;

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens and configures the device (19200 8N1 raw, no flow control, DTR off, RS-485
    // direction by RTS where the driver supports it). On failure the port stays closed.
    virtual OpenError open(const std::string& devicePath) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Blocking write, bounded by 5 ms a byte + 15 ms. Returns the count written.
    virtual std::size_t write(std::span<const std::uint8_t> bytes) = 0;
    // Waits until every written byte has left the line driver.
    virtual void drainOutput() = 0;
    // Drops whatever has been received and not yet read.
    virtual void discardInput() = 0;
    // True when the driver itself raises RTS for each transmission and drops it after the
    // last stop bit (the kernel's RS-485 mode).
    virtual bool kernelDrivesRts() const = 0;
    // Raises or drops RTS; ignored while the kernel drives it. Failures are ignored by
    // callers.
    virtual void setRts(bool raised) = 0;
    // Blocking read of up to `into.size()` bytes under `timeouts`; `complete`, when given,
    // may end it early. Returns the count received. A vanished device returns 0 at once.
    virtual std::size_t read(std::span<std::uint8_t> into, const ReadTimeouts& timeouts,
                             const ReadComplete& complete) = 0;

    // Without waiting, for the event-driven link (its loop waits instead):
    // writes what the driver takes now and returns that count;
    virtual std::size_t writeSome(std::span<const std::uint8_t> bytes) = 0;
    // the bytes written that have not yet left the driver;
    virtual std::size_t outputQueued() = 0;
    // reads what has arrived, up to `into.size()` (0 when nothing has);
    virtual std::size_t readSome(std::span<std::uint8_t> into) = 0;
    // true once the device has gone away (adapter pulled, the far side of a pty closed):
    // every transfer then fails at once until the port is closed;
    virtual bool hungUp() const = 0;
    // the descriptor a loop watches for input (and hang-up); -1 while closed or for a port
    // without one.
    virtual int descriptor() const = 0;
};

}  // namespace orvane::link
