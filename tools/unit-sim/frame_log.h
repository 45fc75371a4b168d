// One line per frame on the line, for whoever wants to see the traffic:
// "<monotonic ms> rx|tx <hex bytes>". Each line is flushed at once so a reader sees it while
// the simulator runs. Owned by the main loop; one thread.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace orvane::unitsim {

enum class Direction { Received, Sent };

class FrameLog {
  public:
    FrameLog() = default;
    FrameLog(const FrameLog&) = delete;
    FrameLog& operator=(const FrameLog&) = delete;
    ~FrameLog();

    bool open(const std::string& path, std::string& error);
    bool isOpen() const { return file_ != nullptr; }
    // `monotonicMs`: CLOCK_MONOTONIC in milliseconds, comparable with other processes'.
    void record(double monotonicMs, Direction direction, std::span<const std::uint8_t> bytes);

    // The line as written, without its newline.
    static std::string FormatLine(double monotonicMs, Direction direction,
                                  std::span<const std::uint8_t> bytes);

  private:
    std::FILE* file_ = nullptr;
};

}  // namespace orvane::unitsim
