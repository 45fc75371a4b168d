#include "raw_line.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "link/frame.h"

namespace orvane::testing {

ByteVector Request(std::uint8_t function, const ByteVector& payload, std::uint16_t address) {
    link::FrameBuffer tx{};
    const std::uint8_t length = link::BuildFrame(
        tx, link::UnitAddress, link::MasterAddress, function, payload.data(), payload.size(),
        static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(address >> 8));
    return ByteVector(tx.begin(), tx.begin() + length);
}

RawLine::RawLine(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    termios tio{};
    ::tcgetattr(fd_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(fd_, TCSANOW, &tio);
    ::tcflush(fd_, TCIOFLUSH);
}

RawLine::~RawLine() {
    if (fd_ >= 0)
        ::close(fd_);
}

void RawLine::send(const ByteVector& bytes) {
    [[maybe_unused]] const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
}

ByteVector RawLine::receive(std::size_t count, std::chrono::milliseconds quiet) {
    return ReadUntil(fd_, count, quiet);
}

ByteVector ReadUntil(int fd, std::size_t count, std::chrono::milliseconds quiet) {
    ByteVector got;
    while (got.size() < count) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(quiet.count())) <= 0)
            break;
        std::uint8_t buffer[512];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

ByteVector RawLine::exchange(const ByteVector& request, std::size_t answerPayload) {
    send(request);
    return receive(answerPayload + link::FrameOverhead);
}

}  // namespace orvane::testing
