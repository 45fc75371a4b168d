// The termios port over a pseudo-terminal: why an open fails, exclusive use, the line it
// sets up, the read and write time-outs, and a device that goes away while open.
#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "support/elapsed.h"
#include "support/pty_peer.h"
#include "support/scratch_directory.h"

namespace orvane::link {
namespace {

using namespace std::chrono_literals;
using testing::Clock;
using testing::MsSince;
using testing::PeerAnswer;
using testing::PeerBytes;
using testing::PtyPeer;
using testing::ScratchDirectory;

const PeerBytes Request{0xEA, 0xAA, 0x08, 0x00, 0x00, 0x10, 0x00, 0x58};

TEST(PosixSerialPortOpen, namesTheReasonWhenAPathIsNoPort) {
    ScratchDirectory dir;
    const auto file = dir.path() / "notes.txt";
    std::fclose(std::fopen(file.c_str(), "w"));
    const struct {
        std::string path;
        OpenError expected;
    } cases[] = {
        {"/dev/serial/by-id/usb-unplugged-if00-port0", OpenError::NoSuchDevice},
        {"/dev/null", OpenError::NotASerialPort},
        {file.string(), OpenError::NotASerialPort},
        {dir.path().string(), OpenError::NotASerialPort},
    };
    for (const auto& c : cases) {
        PosixSerialPort port;
        EXPECT_EQ(port.open(c.path), c.expected) << c.path;
        EXPECT_FALSE(port.isOpen()) << c.path;
    }
}

TEST(PosixSerialPortOpen, tellsAUserWithoutAccessThatPermissionIsDenied) {
    PtyPeer peer;
    ASSERT_FALSE(peer.devicePath().empty());
    if (::geteuid() != 0) {
        ScratchDirectory dir;
        const auto locked = dir.path() / "locked";
        std::fclose(std::fopen(locked.c_str(), "w"));
        std::filesystem::permissions(locked, std::filesystem::perms::none);
        PosixSerialPort port;
        EXPECT_EQ(port.open(locked.string()), OpenError::PermissionDenied);
        return;
    }
    // Root may open anything: try as an ordinary user, who is not in the terminal's group.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgroups(0, nullptr) < 0 || ::setgid(65534) < 0 || ::setuid(65534) < 0)
            ::_exit(100);
        PosixSerialPort port;
        ::_exit(static_cast<int>(port.open(peer.devicePath())));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(OpenError::PermissionDenied));
}

TEST(PosixSerialPortOpen, refusesAPortAnotherHolderHasUntilItIsGivenBack) {
    PtyPeer peer;
    PosixSerialPort first;
    ASSERT_EQ(first.open(peer.devicePath()), OpenError::None);
    PosixSerialPort second;
    EXPECT_EQ(second.open(peer.devicePath()), OpenError::Busy);
    EXPECT_FALSE(second.isOpen());
    first.close();
    EXPECT_EQ(second.open(peer.devicePath()), OpenError::None);
    second.close();

    // Another program that locks the device the same way.
    const int other = ::open(peer.devicePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(second.open(peer.devicePath()), OpenError::Busy);
    ::close(other);
}

TEST(PosixSerialPortOpen, setsARaw19200Line) {
    PtyPeer peer;
    PosixSerialPort port;
    ASSERT_EQ(port.open(peer.devicePath()), OpenError::None);
    const int probe = ::open(peer.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(probe, 0);
    termios t{};
    ASSERT_EQ(::tcgetattr(probe, &t), 0);
    ::close(probe);
    EXPECT_EQ(::cfgetospeed(&t), B19200);
    EXPECT_EQ(::cfgetispeed(&t), B19200);
    EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
}

class PosixSerialPortRead : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(port.open(peer.devicePath()), OpenError::None); }
    std::size_t ask(PeerAnswer answer, std::span<std::uint8_t> into, ReadTimeouts timeouts = {},
                    const ReadComplete& complete = {}) {
        peer.answerWith([answer](const PeerBytes&) { return answer; });
        port.write(Request);
        return port.read(into, timeouts, complete);
    }
    static PeerAnswer Pieces(
        std::initializer_list<std::pair<std::chrono::milliseconds, PeerBytes>> p) {
        PeerAnswer a;
        for (const auto& [pause, bytes] : p)
            a.pieces.push_back({pause, bytes});
        return a;
    }

    PtyPeer peer;
    PosixSerialPort port;
    std::uint8_t buffer[256]{};
};

TEST_F(PosixSerialPortRead, nothingArrivingEndsAfterFiveMillisecondsAByteAndFifteen) {
    const auto start = Clock::now();
    EXPECT_EQ(ask(PeerAnswer::Silent(), std::span(buffer, 11)), 0u);
    const long ms = MsSince(start);
    EXPECT_GE(ms, 70);
    EXPECT_LT(ms, 70 + 150);
}

TEST_F(PosixSerialPortRead, answerStoppingShortEndsTwentyFiveMillisecondsAfterItsLastByte) {
    const auto start = Clock::now();
    // 100 bytes would allow 515 ms; three bytes and silence must not wait for that.
    EXPECT_EQ(ask(PeerAnswer::At({1, 2, 3}), std::span(buffer, 100)), 3u);
    const long ms = MsSince(start);
    EXPECT_GE(ms, 25);
    EXPECT_LT(ms, 300);
}

// The cases below stretch the time-outs so that a loaded machine delaying the peer by
// tens of milliseconds cannot change what they show.
TEST_F(PosixSerialPortRead, eachByteRestartsTheSilenceTimeOut) {
    const ReadTimeouts silence60{60, 20, 100};
    // Gaps of 20 ms never reach 60 ms: everything is collected.
    EXPECT_EQ(ask(Pieces({{0ms, {1, 2}}, {20ms, {3, 4}}, {20ms, {5, 6}}, {20ms, {7, 8}}}),
                  std::span(buffer, 20), silence60),
              8u);
    // A gap of 200 ms ends the read after the first piece.
    EXPECT_EQ(ask(Pieces({{0ms, {1, 2}}, {200ms, {3, 4}}}), std::span(buffer, 20), silence60), 2u);
}

TEST_F(PosixSerialPortRead, totalTimeOutEndsAnAnswerThatKeepsTrickling) {
    // 20 bytes allow 5 * 20 + 15 = 115 ms; a byte every 20 ms would take 225 ms for all 12.
    const ReadTimeouts patientSilence{100, 5, 15};
    PeerAnswer trickle;
    for (std::uint8_t i = 0; i < 12; ++i)
        trickle.pieces.push_back({i == 0 ? 0ms : 20ms, {i}});
    const auto start = Clock::now();
    const std::size_t got = ask(trickle, std::span(buffer, 20), patientSilence);
    const long ms = MsSince(start);
    EXPECT_GT(got, 0u);
    EXPECT_LT(got, 12u);
    EXPECT_GE(ms, 115);
    EXPECT_LT(ms, 225);
}

TEST_F(PosixSerialPortRead, stopsAtTheExpectedCountAndLeavesLaterBytesQueued) {
    const ReadTimeouts patient{150, 20, 300};
    EXPECT_EQ(ask(Pieces({{0ms, {1, 2, 3}}, {70ms, {4, 5, 6}}}), std::span(buffer, 3), patient),
              3u);
    EXPECT_EQ(port.read(std::span(buffer, 20), patient, {}), 3u);
    EXPECT_EQ(PeerBytes(buffer, buffer + 3), (PeerBytes{4, 5, 6}));
}

TEST_F(PosixSerialPortRead, returnsOnceTheCallerSaysTheAnswerIsComplete) {
    const ReadTimeouts patient{150, 20, 300};
    const auto twoHalves = Pieces({{0ms, {1, 2, 3}}, {70ms, {4, 5, 6}}});
    EXPECT_EQ(ask(twoHalves, std::span(buffer, 20), patient), 6u);
    const ReadComplete threeWillDo = [](std::span<const std::uint8_t> got) {
        return got.size() >= 3;
    };
    EXPECT_EQ(ask(twoHalves, std::span(buffer, 20), patient, threeWillDo), 3u);
}

TEST(PosixSerialPortWrite, givesUpWhenTheLineTakesNothingForFiveMillisecondsAByteAndFifteen) {
    // A terminal whose far side never reads: its buffers fill, then the write must stop.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    PosixSerialPort port;
    ASSERT_EQ(port.open(::ptsname(master)), OpenError::None);
    const PeerBytes chunk(16, 0x55);
    std::size_t written = chunk.size();
    long ms = 0;
    for (int i = 0; i < 100000 && written == chunk.size(); ++i) {
        const auto start = Clock::now();
        written = port.write(chunk);
        ms = MsSince(start);
    }
    EXPECT_LT(written, chunk.size());
    EXPECT_GE(ms, 5 * 16 + 15);
    EXPECT_LT(ms, 1000);
    port.close();
    ::close(master);
}

TEST(PosixSerialPortVanished, transfersFailAtOnceAndTheHandleStillCloses) {
    PtyPeer peer;
    PosixSerialPort port;
    ASSERT_EQ(port.open(peer.devicePath()), OpenError::None);
    peer.hangUp();
    std::uint8_t buffer[100];
    const auto start = Clock::now();
    EXPECT_EQ(port.read(buffer, ReadTimeouts{}, {}), 0u);
    EXPECT_TRUE(port.hungUp());
    EXPECT_EQ(port.write(Request), 0u);
    port.drainOutput();
    port.discardInput();
    port.setRts(true);
    EXPECT_EQ(port.read(buffer, ReadTimeouts{}, {}), 0u);
    // 100 bytes would be a 515 ms read on a live line.
    EXPECT_LT(MsSince(start), 100);
    EXPECT_TRUE(port.isOpen());
    port.close();
    EXPECT_FALSE(port.isOpen());
}

TEST(PosixSerialPortVanished, aHangUpIsSeenBetweenTransfersWithoutOne) {
    PtyPeer peer;
    PosixSerialPort port;
    ASSERT_EQ(port.open(peer.devicePath()), OpenError::None);
    EXPECT_FALSE(port.hungUp());
    peer.hangUp();
    EXPECT_TRUE(port.hungUp()) << "no read or write was needed to notice it";
    port.close();
    EXPECT_FALSE(port.hungUp());
}

}  // namespace
}  // namespace orvane::link
