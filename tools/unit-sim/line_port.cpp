#include "unit-sim/line_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace orvane::unitsim {

namespace {

constexpr int WriteStallMs = 100;  // a peer that takes nothing for this long is not listening

std::string ErrnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool MakeRaw(int fd, bool serialLine) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    if (serialLine) {
        ::cfsetispeed(&tio, B19200);
        ::cfsetospeed(&tio, B19200);
        tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS | CSIZE);
        tio.c_cflag |= CS8 | CLOCAL | CREAD;
        tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    }
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace

double MonotonicMs() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void SleepUntilMs(double deadlineMs, const volatile std::sig_atomic_t* stop) {
    timespec deadline{};
    deadline.tv_sec = static_cast<time_t>(deadlineMs / 1000.0);
    deadline.tv_nsec = static_cast<long>(std::fmod(deadlineMs, 1000.0) * 1e6);
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR)
        if (stop && *stop)
            return;
}

std::unique_ptr<LinePort> LinePort::OpenPseudoTerminal(std::string& error) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0) {
        error = ErrnoText("cannot open a pseudo-terminal");
        return nullptr;
    }
    char name[128] = {};
    if (!MakeRaw(master, false) || ::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, name, sizeof name) != 0) {
        error = ErrnoText("cannot set up the pseudo-terminal");
        ::close(master);
        return nullptr;
    }
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0 || !MakeRaw(slave, false)) {
        error = ErrnoText(std::string("cannot open ") + name);
        if (slave >= 0)
            ::close(slave);
        ::close(master);
        return nullptr;
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    return std::unique_ptr<LinePort>(new LinePort(master, slave, name));
}

std::unique_ptr<LinePort> LinePort::OpenDevice(const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = ErrnoText("cannot open " + path);
        return nullptr;
    }
    if (!::isatty(fd) || !MakeRaw(fd, true)) {
        error = path + " is not a serial port that takes 19200 8N1";
        ::close(fd);
        return nullptr;
    }
    ::tcflush(fd, TCIOFLUSH);
    return std::unique_ptr<LinePort>(new LinePort(fd, -1, path));
}

LinePort::~LinePort() {
    ::close(fd_);
    if (heldSlave_ >= 0)
        ::close(heldSlave_);
}

std::size_t LinePort::readAvailable(std::span<std::uint8_t> into) {
    for (;;) {
        const ssize_t n = ::read(fd_, into.data(), into.size());
        if (n > 0)
            return static_cast<std::size_t>(n);
        if (n < 0 && errno == EINTR)
            continue;
        return 0;
    }
}

bool LinePort::writeAll(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return false;
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, WriteStallMs) <= 0)
            return false;
    }
    return true;
}

void LinePort::send(std::span<const std::uint8_t> bytes, bool pace,
                    const volatile std::sig_atomic_t* stop) {
    if (!pace) {
        writeAll(bytes);
        return;
    }
    const double start = MonotonicMs();
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (stop && *stop)
            return;
        // Every byte whose slot has begun goes out now; then wait for the next slot.
        const auto due = std::min(
            bytes.size(), static_cast<std::size_t>((MonotonicMs() - start) / ByteTimeMs) + 1);
        if (due > sent) {
            if (!writeAll(bytes.subspan(sent, due - sent)))
                return;
            sent = due;
        }
        if (sent < bytes.size())
            SleepUntilMs(start + static_cast<double>(sent) * ByteTimeMs, stop);
    }
}

PortSymlink::~PortSymlink() {
    if (linkPath_.empty())
        return;
    char target[4096];
    const ssize_t n = ::readlink(linkPath_.c_str(), target, sizeof target - 1);
    if (n >= 0 && std::string(target, static_cast<std::size_t>(n)) == target_)
        ::unlink(linkPath_.c_str());
}

bool PortSymlink::create(const std::string& linkPath, const std::string& target,
                         std::string& error) {
    struct stat st {};
    if (::lstat(linkPath.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        error = "will not replace " + linkPath + ": it is not a symbolic link";
        return false;
    }
    // Made under a temporary name and renamed over the old link, so the path never
    // vanishes or points nowhere for a program that opens it meanwhile.
    const std::string temp = linkPath + ".tmp." + std::to_string(::getpid());
    ::unlink(temp.c_str());
    if (::symlink(target.c_str(), temp.c_str()) != 0 ||
        ::rename(temp.c_str(), linkPath.c_str()) != 0) {
        error = ErrnoText("cannot create the link " + linkPath);
        ::unlink(temp.c_str());
        return false;
    }
    linkPath_ = linkPath;
    target_ = target;
    return true;
}

}  // namespace orvane::unitsim
