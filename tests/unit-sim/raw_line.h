// The configurator's end of the simulator's pseudo-terminal without the device link: plain
// writes and reads in raw mode, for the tests that check the process itself.
// Test thread only.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane::testing {

using ByteVector = std::vector<std::uint8_t>;

// A request as the configurator lays it out: EA AA, length, address, function, payload, XOR.
ByteVector Request(std::uint8_t function, const ByteVector& payload, std::uint16_t address = 0);

// Reads from `fd` until `count` bytes arrived or it stays quiet for `quiet`.
ByteVector ReadUntil(int fd, std::size_t count, std::chrono::milliseconds quiet);

class RawLine {
  public:
    explicit RawLine(const std::string& path);
    ~RawLine();
    RawLine(const RawLine&) = delete;
    RawLine& operator=(const RawLine&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    void send(const ByteVector& bytes);
    // Reads until `count` bytes arrived or the line stays quiet for `quiet`.
    ByteVector receive(std::size_t count,
                       std::chrono::milliseconds quiet = std::chrono::milliseconds(300));
    // Sends a request and reads its answer of `answerPayload` bytes.
    ByteVector exchange(const ByteVector& request, std::size_t answerPayload);

  private:
    int fd_ = -1;
};

}  // namespace orvane::testing
