// Arbitrary received bytes as the answer to each of the three transactions. No check may
// read outside its buffers, a failed memory read leaves the destination alone, ending the
// read as soon as the frame is in gives exactly the result of waiting out the line, and the
// event-driven form, however the bytes trickle in, gives the blocking form's result.
//
// Input: byte 0 picks the routine (low two bits) and how many bytes each read of the
// event-driven side gets (next two bits, 0: all there are), byte 1 the count (MemoryWrite,
// MemoryRead) or expected answer payload (Exchange); the rest is what the port delivers.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "link/device_link.h"
#include "support/fake_serial_port.h"
#include "support/simulated_loop.h"

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

enum class Path { blockingEarly, blockingPlain, eventDriven };

Outcome Run(Path path, std::uint8_t routine, std::uint8_t size, const Bytes& received) {
    FakeSerialPort port;
    FakeDelay delay;
    PortTable ports;
    ports.setConfigured(0, "/dev/fuzz");
    std::optional<orvane::testing::SimulatedLoop> loop;
    if (path == Path::eventDriven)
        loop.emplace(port);
    DeviceLink link{port, ports, delay, loop ? &*loop : nullptr};
    link.OpenPort(0);
    link.setEarlyCompletion(path != Path::blockingPlain);
    port.setResponder([&received](const Bytes&) { return received; });
    port.bytesPerRead = (routine >> 2) % 4;

    // Each routine in the form of its path; the event-driven one runs its loop to the end.
    std::uint8_t told = 0xEE;
    const auto run = [&](const std::function<std::uint8_t()>& blocking,
                         const std::function<void(std::function<void(std::uint8_t)>)>& begin) {
        if (!loop)
            return blocking();
        begin([&told](std::uint8_t code) { told = code; });
        loop->runUntilIdle();
        return told;
    };

    Outcome out;
    switch (routine % 4 % 3) {
        case 0: {
            std::array<std::uint8_t, 255> data{};
            out.result = run(
                [&] { return link.MemoryWrite(data.data(), 0x0100, size, orvane::link::UnitAddress); },
                [&](auto done) {
                    link.BeginMemoryWrite(data.data(), 0x0100, size, orvane::link::UnitAddress, done);
                });
            break;
        }
        case 1: {
            // Exactly `size` bytes, so AddressSanitizer sees any write past the count.
            std::vector<std::uint8_t> destination(size, 0xC3);
            out.result = run(
                [&] {
                    return link.MemoryRead(destination.data(), 0x0100, size,
                                           orvane::link::UnitAddress);
                },
                [&](auto done) {
                    link.BeginMemoryRead(destination.data(), 0x0100, size,
                                         orvane::link::UnitAddress, done);
                });
            if (out.result != 0 &&
                std::any_of(destination.begin(), destination.end(), [](auto b) { return b != 0xC3; }))
                __builtin_trap();
            out.data = destination;
            break;
        }
        default: {
            std::vector<std::uint8_t> buffer(std::size_t{size} + 8, 0);
            buffer[0] = 0;  // one-byte request payload
            out.result = run(
                [&] {
                    return link.Exchange(orvane::link::UnitAddress, orvane::link::MasterAddress,
                                         0x10, buffer, 1, 0, 0, size);
                },
                [&](auto done) {
                    link.BeginExchange(orvane::link::UnitAddress, orvane::link::MasterAddress,
                                       0x10, buffer, 1, 0, 0, size, done);
                });
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
    const Outcome early = Run(Path::blockingEarly, data[0], data[1], received);
    const Outcome plain = Run(Path::blockingPlain, data[0], data[1], received);
    if (early.result != plain.result || early.data != plain.data) __builtin_trap();
    const Outcome evented = Run(Path::eventDriven, data[0], data[1], received);
    if (evented.result != early.result || evented.data != early.data) __builtin_trap();
    return 0;
}
