// A unit's parameter memory behind FakeSerialPort: answers memory reads, writes and the
// commit as the unit does, and can be told to stop answering or to refuse a write.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "link/frame.h"
#include "support/fake_serial_port.h"

namespace orvane::params {

struct FakeUnit {
    std::array<std::uint8_t, 512> memory{};
    std::array<std::uint8_t, 512> committed{};
    int requests = 0;
    std::optional<int> silentFrom;   // 1-based request number from which nothing answers
    std::optional<int> refuseWrite;  // 1-based request number answered with status 0
    bool commitAnswered = true;

    void attach(testing::FakeSerialPort& port) {
        port.setResponder([this](const testing::Bytes& request) { return answer(request); });
    }

    testing::Bytes answer(const testing::Bytes& r) {
        ++requests;
        if (silentFrom && requests >= *silentFrom)
            return {};
        const std::size_t address = r[link::AddressLowByte] | (r[link::AddressHighByte] << 8);
        const std::size_t payload = r[link::LengthByte] - link::FrameOverhead;
        switch (r[link::FunctionByte]) {
            case link::function::MemoryRead: {
                const std::size_t count = r[link::PayloadStart];
                return testing::AnswerFrame(
                    link::function::MemoryRead,
                    testing::Bytes(memory.begin() + address, memory.begin() + address + count));
            }
            case link::function::MemoryWrite:
                if (refuseWrite && requests == *refuseWrite)
                    return testing::AnswerFrame(link::function::MemoryWrite, {0});
                std::copy_n(r.begin() + link::PayloadStart, payload, memory.begin() + address);
                return testing::AnswerFrame(link::function::MemoryWrite, {1});
            case link::function::MemoryCommit:
                if (!commitAnswered)
                    return {};
                committed = memory;
                return testing::AnswerFrame(link::function::MemoryCommit, {0x55, 0xAA});
        }
        return {};
    }

    std::uint16_t word(std::size_t address) const {
        return static_cast<std::uint16_t>(memory[address] | (memory[address + 1] << 8));
    }
};

}  // namespace orvane::params
