// Arbitrary received bytes as the answer to each of the three transactions. No check may
// read outside its buffers, a failed memory read leaves the destination alone, and ending
// the read as soon as the frame is in gives exactly the result of waiting out the line.
//
// Input: byte 0 picks the routine, byte 1 its count (MemoryWrite, MemoryRead) or expected
// answer payload (Exchange); the rest is what the port delivers, one byte at a time.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "link/device_link.h"
#include "support/fake_serial_port.h"

namespace {

using orvane::link::DeviceLink;
using orvane::link::PortTable;
using orvane::testing::Bytes;
using orvane::testing::FakeDelay;
using orvane::testing::FakeSerialPort;

struct Outcome {
    std::uint8_t result = 0;
    Bytes data;  // what the caller may look at afterwards
};

Outcome Run(bool early, std::uint8_t routine, std::uint8_t size, const Bytes& received) {
    FakeSerialPort port;
    FakeDelay delay;
    PortTable ports;
    ports.setConfigured(0, "/dev/fuzz");
    DeviceLink link{port, ports, delay};
    link.OpenPort(0);
    link.setEarlyCompletion(early);
    port.setResponder([&received](const Bytes&) { return received; });

    Outcome out;
    switch (routine % 3) {
        case 0: {
            std::array<std::uint8_t, 255> data{};
            out.result = link.MemoryWrite(data.data(), 0x0100, size, orvane::link::UnitAddress);
            break;
        }
        case 1: {
            // Exactly `size` bytes, so AddressSanitizer sees any write past the count.
            std::vector<std::uint8_t> destination(size, 0xC3);
            out.result = link.MemoryRead(destination.data(), 0x0100, size, orvane::link::UnitAddress);
            if (out.result != 0 &&
                std::any_of(destination.begin(), destination.end(), [](auto b) { return b != 0xC3; }))
                __builtin_trap();
            out.data = destination;
            break;
        }
        default: {
            std::vector<std::uint8_t> buffer(std::size_t{size} + 8, 0);
            buffer[0] = 0;  // one-byte request payload
            out.result = link.Exchange(orvane::link::UnitAddress, orvane::link::MasterAddress,
                                       0x10, buffer, 1, 0, 0, size);
            // Bytes behind the answer's own length are whatever followed it on the line.
            const std::size_t length = std::min<std::size_t>(buffer[2], buffer.size());
            out.data.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
            break;
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const Bytes received(data + 2, data + std::min<std::size_t>(size, 2 + 300));
    const Outcome early = Run(true, data[0], data[1], received);
    const Outcome plain = Run(false, data[0], data[1], received);
    if (early.result != plain.result || early.data != plain.data) __builtin_trap();
    return 0;
}
