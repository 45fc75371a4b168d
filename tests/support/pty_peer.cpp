#include "support/pty_peer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace orvane::testing {

namespace {

using Clock = std::chrono::steady_clock;

// Frame byte 2 holds the whole frame's length; the link only ever sends whole frames.
std::size_t CompleteFrameLength(const PeerBytes& pending) {
    if (pending.size() < 3)
        return 0;
    const std::size_t length = pending[2];
    if (length < 7)
        return pending.size();  // not a frame: take what is there
    return pending.size() >= length ? length : 0;
}

}  // namespace

PtyPeer::PtyPeer(std::chrono::microseconds turnaround) : turnaround_(turnaround) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) < 0 || ::unlockpt(master_) < 0)
        return;
    const char* name = ::ptsname(master_);
    if (name == nullptr)
        return;
    slaveKeeper_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveKeeper_ < 0)
        return;
    // Raw from the start, so nothing the peer writes is echoed back before the port under
    // test has configured the line itself.
    termios raw{};
    ::tcgetattr(slaveKeeper_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slaveKeeper_, TCSANOW, &raw);
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) < 0)
        return;
    path_ = name;
    thread_ = std::thread([this] { run(); });
}

PtyPeer::~PtyPeer() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    if (wake_[1] >= 0)
        (void)!::write(wake_[1], "x", 1);
    if (thread_.joinable())
        thread_.join();
    for (int fd : {master_, slaveKeeper_, wake_[0], wake_[1]})
        if (fd >= 0)
            ::close(fd);
}

void PtyPeer::answerWith(Script script) {
    std::lock_guard lock(mutex_);
    script_ = std::move(script);
}

void PtyPeer::answerAlways(PeerBytes bytes) {
    answerWith([bytes](const PeerBytes&) {
        return bytes.empty() ? PeerAnswer::Silent() : PeerAnswer::At(bytes);
    });
}

std::vector<PeerBytes> PtyPeer::requests(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [&] { return requests_.size() >= count; });
    return requests_;
}

void PtyPeer::hangUp() {
    std::unique_lock lock(mutex_);
    hangUpWanted_ = true;
    (void)!::write(wake_[1], "x", 1);
    changed_.notify_all();
    changed_.wait(lock, [&] { return hungUp_; });
}

void PtyPeer::gateOnListening() {
    std::lock_guard lock(mutex_);
    gated_ = true;
}

void PtyPeer::linkListening() {
    {
        std::lock_guard lock(mutex_);
        ++listening_;
    }
    changed_.notify_all();
}

bool PtyPeer::waitUntil(Clock::time_point when) {
    std::unique_lock lock(mutex_);
    return !changed_.wait_until(lock, when, [&] { return stop_ || hangUpWanted_; });
}

void PtyPeer::writeAll(const PeerBytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

void PtyPeer::answer(const PeerBytes& request, std::size_t number, Clock::time_point received) {
    PeerAnswer reply;
    {
        std::unique_lock lock(mutex_);
        if (script_)
            reply = script_(request);
        if (gated_) {
            changed_.wait(lock, [&] { return stop_ || hangUpWanted_ || listening_ >= number; });
        }
        if (stop_ || hangUpWanted_)
            return;
    }
    Clock::time_point at = received + turnaround_;
    for (const PeerAnswer::Piece& piece : reply.pieces) {
        at += piece.pause;
        if (!waitUntil(at))
            return;
        writeAll(piece.bytes);
    }
}

void PtyPeer::run() {
    PeerBytes pending;
    std::size_t answered = 0;
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stop_)
                return;
            if (hangUpWanted_ && !hungUp_) {
                ::close(master_);
                ::close(slaveKeeper_);
                master_ = slaveKeeper_ = -1;
                hungUp_ = true;
                changed_.notify_all();
            }
        }
        pollfd fds[2] = {{wake_[0], POLLIN, 0}, {master_, POLLIN, 0}};
        const nfds_t count = master_ >= 0 ? 2 : 1;
        if (::poll(fds, count, -1) < 0)
            continue;
        if (fds[0].revents & POLLIN) {
            char drain[16];
            while (::read(wake_[0], drain, sizeof drain) > 0) {
            }
        }
        if (count < 2 || !(fds[1].revents & POLLIN))
            continue;
        std::uint8_t chunk[512];
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n <= 0)
            continue;
        pending.insert(pending.end(), chunk, chunk + n);
        while (const std::size_t length = CompleteFrameLength(pending)) {
            const auto received = Clock::now();
            PeerBytes request(pending.begin(),
                              pending.begin() + static_cast<std::ptrdiff_t>(length));
            pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(length));
            {
                std::lock_guard lock(mutex_);
                requests_.push_back(request);
            }
            changed_.notify_all();
            answer(request, ++answered, received);
        }
    }
}

}  // namespace orvane::testing
