// The serial port on POSIX termios: an exclusive, raw 19200 8N1 line with the read and
// write time-outs the link relies on. All platform calls of the port live in this file
// pair. Owned by whoever owns the DeviceLink (the window); used from the window thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "link/serial_port.h"

namespace orvane::link {

class PosixSerialPort final : public SerialPort {
  public:
    PosixSerialPort();
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;
    ~PosixSerialPort() override;

    OpenError open(const std::string& devicePath) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }

    std::size_t write(std::span<const std::uint8_t> bytes) override;
    void drainOutput() override;
    void discardInput() override;
    bool kernelDrivesRts() const override { return rs485Enabled_; }
    void setRts(bool raised) override;
    std::size_t read(std::span<std::uint8_t> into, const ReadTimeouts& timeouts,
                     const ReadComplete& complete) override;
    std::size_t writeSome(std::span<const std::uint8_t> bytes) override;
    std::size_t outputQueued() override;
    std::size_t readSome(std::span<std::uint8_t> into) override;
    bool hungUp() const override;
    int descriptor() const override { return fd_; }

  private:
    OpenError configure();
    void enableRs485();
    void restoreRs485();
    void markVanished(int error);

    int fd_ = -1;
    // Set by whichever call first sees the device gone; hungUp() also looks for itself, so a
    // hang-up between exchanges is seen before anything is sent into the dead line.
    mutable bool vanished_ = false;
    bool rs485Enabled_ = false;
    // The driver's RS-485 settings found at open, given back at close so that the next
    // program using the port finds it as it was.
    struct Rs485State;
    std::unique_ptr<Rs485State> savedRs485_;
};

}  // namespace orvane::link
