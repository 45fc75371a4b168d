// The simulator's end of the line: the master side of a pseudo-terminal (whose slave the
// configurator opens) or a real serial port, plus the optional symbolic link to the slave.
// Owned by the main loop; one thread.
#pragma once

#include <csignal>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace orvane::unitsim {

// One byte at 19200 baud with start, 8 data and stop bit.
inline constexpr double ByteTimeMs = 10.0 * 1000.0 / 19200.0;

double MonotonicMs();
// Sleeps until CLOCK_MONOTONIC reaches `deadlineMs`, or until `stop` is raised.
void SleepUntilMs(double deadlineMs, const volatile std::sig_atomic_t* stop);

class LinePort {
  public:
    // A new pseudo-terminal in raw mode at once (a fresh one echoes and translates until
    // told otherwise, even before anyone opens the slave). The slave stays open here too, so
    // the configurator closing its end never hangs the line up.
    static std::unique_ptr<LinePort> OpenPseudoTerminal(std::string& error);
    // A serial device at 19200 8N1 raw, no flow control.
    static std::unique_ptr<LinePort> OpenDevice(const std::string& path, std::string& error);

    LinePort(const LinePort&) = delete;
    LinePort& operator=(const LinePort&) = delete;
    ~LinePort();

    int fd() const { return fd_; }
    // The path the configurator opens: the slave's, or the device's.
    const std::string& portPath() const { return portPath_; }

    // What has arrived, without blocking. Returns the count; 0 when nothing is there.
    std::size_t readAvailable(std::span<std::uint8_t> into);
    // Sends the bytes; with `pace`, one every ByteTimeMs. Bytes the peer does not take within
    // a short while are dropped, as a line does when nobody listens.
    void send(std::span<const std::uint8_t> bytes, bool pace,
              const volatile std::sig_atomic_t* stop);

  private:
    LinePort(int fd, int heldSlave, std::string portPath)
        : fd_(fd), heldSlave_(heldSlave), portPath_(std::move(portPath)) {}
    bool writeAll(std::span<const std::uint8_t> bytes);

    int fd_;
    int heldSlave_;
    std::string portPath_;
};

// A symbolic link to the port, made (or an older link replaced) at start and removed at
// exit if it still points where it was made to point.
class PortSymlink {
  public:
    PortSymlink() = default;
    PortSymlink(const PortSymlink&) = delete;
    PortSymlink& operator=(const PortSymlink&) = delete;
    ~PortSymlink();

    // Refuses to replace anything but a symbolic link: a file there is not ours to delete.
    bool create(const std::string& linkPath, const std::string& target, std::string& error);

  private:
    std::string linkPath_;
    std::string target_;
};

}  // namespace orvane::unitsim
