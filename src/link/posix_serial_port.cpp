#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#if defined(__linux__)
#include <linux/serial.h>
#endif

namespace orvane::link {

namespace {

using Clock = std::chrono::steady_clock;

// A write of n bytes may take at most 5 ms a byte plus 15 ms.
constexpr unsigned WriteMsPerByte = 5;
constexpr unsigned WriteMsConstant = 15;

// One byte of 19200 8N1 on the line: ten bits.
constexpr std::chrono::microseconds ByteTime{521};
// A line that delivers an answer byte by byte (a UART without FIFO, a paced peer) would wake
// the read some two thousand times a second. Once a byte is in and many more are still
// expected, the read lets a few gather before it looks again. It gathers only while more
// than that many bytes are still to come after the expected end, so the end of a frame is
// never seen later; a silence in mid-answer is seen at most this many byte times late.
constexpr std::size_t GatheredBytes = 4;

OpenError OpenErrorFrom(int error) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
        case ENOTDIR:
        // A /dev/ttyS node with no UART behind it refuses the open with EIO.
        case EIO:
            return OpenError::NoSuchDevice;
        case EACCES:
        case EPERM:
        case EROFS:
            return OpenError::PermissionDenied;
        case EBUSY:
            return OpenError::Busy;
        case ENOTTY:
        case EISDIR:
            return OpenError::NotASerialPort;
        default:
            return OpenError::Other;
    }
}

// poll() counts whole milliseconds; rounding up never returns before the time-out.
int PollTimeoutMs(Clock::duration remaining) {
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(remaining).count();
    if (us <= 0)
        return 0;
    return static_cast<int>((us + 999) / 1000);
}

bool DeviceGone(int error) {
    return error == EIO || error == ENXIO || error == ENODEV || error == EPIPE;
}

constexpr short HangUpEvents = POLLHUP | POLLERR | POLLNVAL;

}  // namespace

#if defined(__linux__) && defined(TIOCSRS485)
struct PosixSerialPort::Rs485State {
    serial_rs485 settings;
};
#else
struct PosixSerialPort::Rs485State {};
#endif

PosixSerialPort::PosixSerialPort() = default;
PosixSerialPort::~PosixSerialPort() {
    close();
}

OpenError PosixSerialPort::open(const std::string& devicePath) {
    close();
    // O_NONBLOCK: neither the open nor any later transfer may wait for a carrier or for
    // data; every wait is a poll() bounded by the line time-outs.
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return OpenErrorFrom(errno);
    fd_ = fd;
    vanished_ = false;

    if (!::isatty(fd_)) {
        close();
        return OpenError::NotASerialPort;
    }
    // TIOCEXCL keeps other programs out, but root passes it; the advisory lock is what
    // another instance of this program (or a terminal program that locks) runs into.
    if (::flock(fd_, LOCK_EX | LOCK_NB) < 0 && errno == EWOULDBLOCK) {
        close();
        return OpenError::Busy;
    }
    ::ioctl(fd_, TIOCEXCL);

    const OpenError configured = configure();
    if (configured != OpenError::None) {
        // A half-configured port is of no use to anyone: give it back at once.
        close();
        return configured;
    }
    return OpenError::None;
}

OpenError PosixSerialPort::configure() {
    termios settings{};
    if (::tcgetattr(fd_, &settings) < 0)
        return OpenError::ConfigureFailed;
    ::cfmakeraw(&settings);
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    // With VMIN 1 a non-blocking read that finds nothing says EAGAIN; a read returning 0
    // then only ever means the device hung up.
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (::cfsetispeed(&settings, B19200) < 0 || ::cfsetospeed(&settings, B19200) < 0)
        return OpenError::ConfigureFailed;
    if (::tcsetattr(fd_, TCSANOW, &settings) < 0)
        return OpenError::ConfigureFailed;

    // tcsetattr succeeds when any part of the request was taken; check the parts that
    // decide whether the unit can be understood at all.
    termios applied{};
    if (::tcgetattr(fd_, &applied) < 0)
        return OpenError::ConfigureFailed;
    const tcflag_t frameBits = CSIZE | PARENB | CSTOPB | CRTSCTS;
    if ((applied.c_cflag & frameBits) != CS8 || ::cfgetospeed(&applied) != B19200 ||
        ::cfgetispeed(&applied) != B19200 || (applied.c_iflag & (IXON | IXOFF)) != 0)
        return OpenError::ConfigureFailed;

    // DTR stays off. Ports without modem lines (a pty) refuse this; that is harmless.
    int dtr = TIOCM_DTR;
    ::ioctl(fd_, TIOCMBIC, &dtr);
    enableRs485();
    ::tcflush(fd_, TCIOFLUSH);
    return OpenError::None;
}

void PosixSerialPort::enableRs485() {
#if defined(__linux__) && defined(TIOCSRS485)
    serial_rs485 current{};
    // Most USB adapters switch direction in hardware and do not know this request.
    if (::ioctl(fd_, TIOCGRS485, &current) < 0)
        return;
    savedRs485_ = std::make_unique<Rs485State>(Rs485State{current});
    serial_rs485 wanted = current;
    wanted.flags |= SER_RS485_ENABLED | SER_RS485_RTS_ON_SEND;
    wanted.flags &= ~static_cast<decltype(wanted.flags)>(SER_RS485_RTS_AFTER_SEND);
    wanted.delay_rts_before_send = 0;
    wanted.delay_rts_after_send = 0;
    // The driver writes back what it accepted.
    if (::ioctl(fd_, TIOCSRS485, &wanted) == 0)
        rs485Enabled_ = (wanted.flags & SER_RS485_ENABLED);
#endif
}

void PosixSerialPort::restoreRs485() {
#if defined(__linux__) && defined(TIOCSRS485)
    if (savedRs485_ && !vanished_)
        ::ioctl(fd_, TIOCSRS485, &savedRs485_->settings);
#endif
    savedRs485_.reset();
    rs485Enabled_ = false;
}

void PosixSerialPort::close() {
    if (fd_ < 0)
        return;
    restoreRs485();
    // The exclusive flag belongs to the terminal, not to this descriptor: it would keep
    // locking out others for as long as anyone else still has the device open.
    if (!vanished_)
        ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);  // also drops the advisory lock
    fd_ = -1;
    vanished_ = false;
}

bool PosixSerialPort::hungUp() const {
    if (fd_ >= 0 && !vanished_) {
        // No events asked for: poll() reports a hang-up (and an error) all the same.
        pollfd p{fd_, 0, 0};
        if (::poll(&p, 1, 0) > 0 && (p.revents & HangUpEvents))
            vanished_ = true;
    }
    return vanished_;
}

void PosixSerialPort::markVanished(int error) {
    if (DeviceGone(error))
        vanished_ = true;
}

std::size_t PosixSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0 || vanished_)
        return 0;
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(WriteMsPerByte * bytes.size() + WriteMsConstant);
    std::size_t done = writeSome(bytes);
    while (done < bytes.size() && !vanished_) {
        // The driver's buffer is full: wait for room, but not past the write time-out.
        pollfd p{fd_, POLLOUT, 0};
        const int ready = ::poll(&p, 1, PollTimeoutMs(deadline - Clock::now()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        if (p.revents & HangUpEvents) {
            vanished_ = true;
            break;
        }
        done += writeSome(bytes.subspan(done));
    }
    return done;
}

void PosixSerialPort::drainOutput() {
    if (fd_ < 0 || vanished_)
        return;
    while (::tcdrain(fd_) < 0) {
        if (errno != EINTR) {
            markVanished(errno);
            return;
        }
    }
}

void PosixSerialPort::discardInput() {
    if (fd_ < 0 || vanished_)
        return;
    if (::tcflush(fd_, TCIFLUSH) < 0)
        markVanished(errno);
}

void PosixSerialPort::setRts(bool raised) {
    // In RS-485 mode the kernel raises RTS for each transmission and drops it after the
    // last stop bit, as the unit expects. A request would fight it and could hold our line
    // driver on while the answer comes in.
    if (fd_ < 0 || vanished_ || rs485Enabled_)
        return;
    int rts = TIOCM_RTS;
    ::ioctl(fd_, raised ? TIOCMBIS : TIOCMBIC, &rts);
}

std::size_t PosixSerialPort::read(std::span<std::uint8_t> into, const ReadTimeouts& timeouts,
                                  const ReadComplete& complete) {
    if (fd_ < 0 || vanished_ || into.empty())
        return 0;
    const auto start = Clock::now();
    const auto totalDeadline =
        start +
        std::chrono::milliseconds(timeouts.multiplierMs * into.size() + timeouts.constantMs);
    const auto interval = std::chrono::milliseconds(timeouts.intervalMs);
    std::size_t got = 0;
    Clock::time_point lastByte{};
    while (got < into.size()) {
        const auto until = got == 0 ? totalDeadline : std::min(totalDeadline, lastByte + interval);
        const auto now = Clock::now();
        if (now >= until)
            break;
        pollfd p{fd_, POLLIN, 0};
        const int ready = ::poll(&p, 1, PollTimeoutMs(until - now));
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (ready == 0)
            continue;  // the next round sees the deadline passed
        if (p.revents & POLLIN) {
            const ssize_t n = ::read(fd_, into.data() + got, into.size() - got);
            if (n > 0) {
                got += static_cast<std::size_t>(n);
                lastByte = Clock::now();
                if (complete && complete(into.first(got)))
                    break;
                // `into` holds one byte more than a well-formed answer (room for a leading
                // extra byte), hence the 1.
                if (into.size() - got > GatheredBytes + 1)
                    std::this_thread::sleep_until(
                        std::min<Clock::time_point>(lastByte + ByteTime * GatheredBytes, until));
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            // 0 from a hung-up terminal, EIO from one whose device is gone.
            if (n == 0)
                vanished_ = true;
            else
                markVanished(errno);
            break;
        }
        if (p.revents & HangUpEvents) {
            vanished_ = true;
            break;
        }
    }
    return got;
}

std::size_t PosixSerialPort::writeSome(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0 || vanished_)
        return 0;
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
            markVanished(errno);
        break;  // the driver's buffer is full: the caller comes back later
    }
    return done;
}

std::size_t PosixSerialPort::outputQueued() {
    if (fd_ < 0 || vanished_)
        return 0;
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) < 0) {
        markVanished(errno);
        return 0;
    }
    return static_cast<std::size_t>(std::max(queued, 0));
}

std::size_t PosixSerialPort::readSome(std::span<std::uint8_t> into) {
    if (fd_ < 0 || vanished_ || into.empty())
        return 0;
    for (;;) {
        const ssize_t n = ::read(fd_, into.data(), into.size());
        if (n > 0)
            return static_cast<std::size_t>(n);
        if (n < 0 && errno == EINTR)
            continue;
        // 0 from a hung-up terminal, EIO from one whose device is gone.
        if (n == 0)
            vanished_ = true;
        else if (errno != EAGAIN)
            markVanished(errno);
        return 0;
    }
}

}  // namespace orvane::link
