#include "unit-sim/frame_log.h"

#include <cerrno>
#include <cstring>

namespace orvane::unitsim {

FrameLog::~FrameLog() {
    if (file_)
        std::fclose(file_);
}

bool FrameLog::open(const std::string& path, std::string& error) {
    file_ = std::fopen(path.c_str(), "we");
    if (!file_) {
        error = "cannot open the frame log " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

std::string FrameLog::FormatLine(double monotonicMs, Direction direction,
                                 std::span<const std::uint8_t> bytes) {
    char head[48];
    std::snprintf(head, sizeof head, "%.3f %s", monotonicMs,
                  direction == Direction::Received ? "rx" : "tx");
    std::string line = head;
    static constexpr char digits[] = "0123456789ABCDEF";
    for (std::uint8_t b : bytes) {
        line += ' ';
        line += digits[b >> 4];
        line += digits[b & 0x0F];
    }
    return line;
}

void FrameLog::record(double monotonicMs, Direction direction,
                      std::span<const std::uint8_t> bytes) {
    if (!file_)
        return;
    const std::string line = FormatLine(monotonicMs, direction, bytes);
    std::fprintf(file_, "%s\n", line.c_str());
    std::fflush(file_);
}

}  // namespace orvane::unitsim
