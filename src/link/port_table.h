// Maps the eleven port-list entries "COM 1".."COM 11" to device paths. The list index is
// what the settings file stores, so the entries never move; on POSIX each index is bound to
// a device at start-up: entries configured by the installer win, the remaining indices take
// the serial devices present, in a stable order. Owned by the program root; window thread only.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::link {

inline constexpr int PortCount = 11;

// A serial device found on this machine.
struct SerialDevice {
    std::string path;         // what open() is given, e.g. /dev/serial/by-id/usb-FTDI_...
    std::string description;  // short human text, e.g. "FTDI USB-RS485"; may be empty
};

class PortTable {
  public:
    // "COM 1".."COM 11"; empty for an index outside the table.
    static std::string PortName(int index);

    // Binds an index to a device path chosen by the installer; an empty path clears it.
    void setConfigured(int index, std::string path);
    // Gives the indices without a configured path the present devices, in order, skipping
    // devices already configured elsewhere.
    void assignPresent(const std::vector<SerialDevice>& present);

    std::optional<std::string> devicePath(int index) const;
    // What discovery says of the entry's device ("FTDI USB-RS485"); empty when it says
    // nothing or the entry is bound to none.
    std::string description(int index) const;
    // The list text: "COM 1 — /dev/ttyUSB0 (FTDI USB-RS485)", or with `noDevice` (the
    // operator's word for it, given by the caller) for an entry bound to none: "COM 4 — none".
    std::string entryText(int index, std::string_view noDevice) const;
    // The same entry short enough for the closed list, by what tells its device apart: an
    // adapter's description or the readable part of its by-id name ("COM 1 — FTDI
    // USB-RS485 Cable"), otherwise the kernel's name ("COM 2 — ttyS0").
    std::string entryLabel(int index, std::string_view noDevice) const;

  private:
    struct Entry {
        std::string path;
        std::string description;
        bool configured = false;
    };
    // "COM n — " and what `device` says of the entry's device, or `noDevice`.
    template <class DeviceText>
    std::string entry(int index, std::string_view noDevice, DeviceText device) const;
    std::array<Entry, PortCount> entries_{};
};

// Serial devices present now: USB adapters by their /dev/serial/by-id names first, then
// the other serial ports that exist, each group in name order.
std::vector<SerialDevice> DiscoverSerialDevices();

}  // namespace orvane::link
