// Finding the serial devices present on this machine, to fill the port list. Reads the
// device and sysfs trees only; it never opens a port (opening one raises its modem lines).
// Thread: any (no state).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "link/port_table.h"

namespace orvane::link {

// Where the device nodes and the kernel's tty descriptions live; other roots let a test
// lay out a machine of its own.
struct DeviceRoots {
    std::filesystem::path dev = "/dev";
    std::filesystem::path sys = "/sys";
};

std::vector<SerialDevice> DiscoverSerialDevices(const DeviceRoots& roots);

// A short text for an adapter from its /dev/serial/by-id name:
// "usb-FTDI_USB-RS485_Cable_FT0ABCDE-if00-port0" -> "FTDI USB-RS485 Cable".
std::string DescribeById(std::string_view byIdName);

}  // namespace orvane::link
