// The simulator as a process: its pseudo-terminal, its life cycle, the control FIFO, the
// frame log and the EEPROM file, seen from a plain raw line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "link/frame.h"
#include "raw_line.h"
#include "support/scratch_directory.h"
#include "support/unit_sim_process.h"

namespace orvane::testing {
namespace {

namespace fn = link::function;

const ByteVector FirmwareAnswer = {0xAA, 0xEA, 0x0A, 0x00, 0x00, 0x10, 0x01, 0x07, 0x03, 0x5F};

TEST(UnitSimProcess, answersTheFirmwareRequestOnItsPseudoTerminal) {
    UnitSimProcess sim;
    ASSERT_TRUE(sim.ready()) << sim.error();
    RawLine line(sim.slavePath());
    ASSERT_TRUE(line.isOpen());
    EXPECT_EQ(line.exchange(Request(fn::FirmwareVersion, {0x00}), 3), FirmwareAnswer);
}

TEST(UnitSimProcess, keepsServingAfterThePortIsClosedAndOpenedAgain) {
    UnitSimProcess sim;
    ASSERT_TRUE(sim.ready()) << sim.error();
    for (int i = 0; i < 3; ++i) {
        RawLine line(sim.slavePath());
        EXPECT_EQ(line.exchange(Request(fn::FirmwareVersion, {0x00}), 3), FirmwareAnswer) << i;
    }
}

TEST(UnitSimProcess, findsTheRequestBehindNoiseOnTheLine) {
    UnitSimProcess sim;
    ASSERT_TRUE(sim.ready()) << sim.error();
    RawLine line(sim.slavePath());
    ByteVector noisy = {0x13, 0xEA, 0x40, 0x99, 0xEA, 0xAA};  // a false start claiming 64 bytes
    const ByteVector request = Request(fn::FirmwareVersion, {0x00});
    noisy.insert(noisy.end(), request.begin(), request.end());
    EXPECT_EQ(line.exchange(noisy, 3), FirmwareAnswer);
    EXPECT_EQ(line.exchange(request, 3), FirmwareAnswer);
}

TEST(UnitSimProcess, endsWithExitCodeZeroOnSigtermAndSigintAndRemovesItsLinkAndFifo) {
    for (int signal : {SIGTERM, SIGINT}) {
        ScratchDirectory dir;
        const std::string link = dir.file("ttyORVANE");
        UnitSimProcess sim({"--link", link});
        ASSERT_TRUE(sim.ready()) << sim.error();
        ASSERT_EQ(std::filesystem::read_symlink(link), sim.slavePath());
        {
            RawLine line(link);
            EXPECT_EQ(line.exchange(Request(fn::FirmwareVersion, {0x00}), 3), FirmwareAnswer);
        }
        EXPECT_EQ(sim.stop(signal), 0) << "signal " << signal;
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
        EXPECT_FALSE(std::filesystem::exists(sim.controlPath()));
    }
}

TEST(UnitSimProcess, replacesAStaleLinkButNeverARegularFile) {
    ScratchDirectory dir;
    const std::string stale = dir.file("stale");
    std::filesystem::create_symlink("/nonexistent", stale);
    {
        UnitSimProcess sim({"--link", stale});
        ASSERT_TRUE(sim.ready()) << sim.error();
        EXPECT_EQ(std::filesystem::read_symlink(stale), sim.slavePath());
    }

    const std::string file = dir.file("notes.txt");
    std::ofstream(file) << "keep me";
    UnitSimProcess refused({"--link", file});
    EXPECT_FALSE(refused.ready());
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "keep me");
}

TEST(UnitSimProcess, controlFifoSwitchesSilenceOnAndOff) {
    UnitSimProcess sim;
    ASSERT_TRUE(sim.ready()) << sim.error();
    RawLine line(sim.slavePath());
    const ByteVector request = Request(fn::FirmwareVersion, {0x00});

    ASSERT_TRUE(sim.control("silent on"));
    EXPECT_TRUE(line.exchange(request, 3).empty());
    ASSERT_TRUE(sim.control("silent off"));
    EXPECT_EQ(line.exchange(request, 3), FirmwareAnswer);
    ASSERT_TRUE(sim.control("fw 1.8.0"));
    const ByteVector answer = line.exchange(request, 3);
    ASSERT_EQ(answer.size(), 10u);
    EXPECT_EQ(answer[7], 8);
}

TEST(UnitSimProcess, frameLogHasOneLinePerFrameWithTimeDirectionAndHexBytes) {
    UnitSimProcess sim({"--silent"});
    ASSERT_TRUE(sim.ready()) << sim.error();
    RawLine line(sim.slavePath());
    line.send(Request(fn::FirmwareVersion, {0x00}));  // unanswered: only an rx line
    ASSERT_TRUE(sim.waitForLogLines(1));
    ASSERT_TRUE(sim.control("silent off"));
    line.exchange(Request(fn::FirmwareVersion, {0x00}), 3);

    const auto lines = sim.logLines();
    ASSERT_EQ(lines.size(), 3u);
    const std::string request = " rx EA AA 08 00 00 10 00 58";
    const std::string answer = " tx AA EA 0A 00 00 10 01 07 03 5F";
    EXPECT_TRUE(lines[0].ends_with(request)) << lines[0];
    EXPECT_TRUE(lines[1].ends_with(request)) << lines[1];
    EXPECT_TRUE(lines[2].ends_with(answer)) << lines[2];
    const double rx = std::stod(lines[1]), tx = std::stod(lines[2]);
    EXPECT_GE(tx - rx, 2.0) << "the turnaround comes before the answer";
}

TEST(UnitSimProcess, pacedAnswersTakeTheByteTimeOfTheRealLine) {
    UnitSimProcess sim({"--pace"});
    ASSERT_TRUE(sim.ready()) << sim.error();
    RawLine line(sim.slavePath());
    const auto start = std::chrono::steady_clock::now();
    const ByteVector answer = line.exchange(Request(fn::LiveBlockA, {0x00}), 176);
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(answer.size(), 183u);
    // 8 request bytes, 2 ms turnaround and 183 answer bytes at 10 bits each, 19200 baud.
    EXPECT_GE(took, std::chrono::microseconds(static_cast<long>((8 + 182) * 520.8) + 2000));
}

TEST(UnitSimProcess, keepsCommittedMemoryInItsEepromFileAcrossRestarts) {
    ScratchDirectory dir;
    const std::string eeprom = dir.file("unit.eeprom");
    const ByteVector capacity = {0x2C, 0x01};  // 300 Ah
    {
        UnitSimProcess sim({"--eeprom", eeprom});
        ASSERT_TRUE(sim.ready()) << sim.error();
        RawLine line(sim.slavePath());
        EXPECT_EQ(line.exchange(Request(fn::MemoryWrite, capacity, 0x060), 1).at(6), 1);
        EXPECT_FALSE(std::filesystem::exists(eeprom)) << "nothing is kept before the commit";
        EXPECT_EQ(line.exchange(Request(fn::MemoryCommit, {0x55, 0xAA}), 2).size(), 9u);
        EXPECT_EQ(std::filesystem::file_size(eeprom), 512u);
    }
    UnitSimProcess again({"--eeprom", eeprom});
    ASSERT_TRUE(again.ready()) << again.error();
    RawLine line(again.slavePath());
    const ByteVector answer = line.exchange(Request(fn::MemoryRead, {2}, 0x060), 2);
    ASSERT_EQ(answer.size(), 9u);
    EXPECT_EQ(ByteVector(answer.begin() + 6, answer.begin() + 8), capacity);
}

TEST(UnitSimProcess, refusesAnEepromFileOfTheWrongSizeAndLeavesItAlone) {
    ScratchDirectory dir;
    const std::string eeprom = dir.file("short.eeprom");
    std::ofstream(eeprom, std::ios::binary) << "not a memory image";
    UnitSimProcess sim({"--eeprom", eeprom});
    EXPECT_FALSE(sim.ready());
    EXPECT_EQ(std::filesystem::file_size(eeprom), 18u);
}

TEST(UnitSimProcess, servesASerialDeviceGivenWithDevice) {
    // A terminal device of our own stands in for the RS-485 adapter.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    char name[128] = {};
    ASSERT_EQ(::ptsname_r(master, name, sizeof name), 0);
    termios tio{};
    ::tcgetattr(master, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(master, TCSANOW, &tio);
    {
        UnitSimProcess sim({"--device", name});
        ASSERT_TRUE(sim.ready()) << sim.error();
        EXPECT_EQ(sim.slavePath(), name);
        const ByteVector request = Request(fn::FirmwareVersion, {0x00});
        ASSERT_EQ(::write(master, request.data(), request.size()), 8);
        const ByteVector answer =
            ReadUntil(master, FirmwareAnswer.size(), std::chrono::milliseconds(2000));
        EXPECT_EQ(answer, FirmwareAnswer);
    }
    ::close(master);
}

}  // namespace
}  // namespace orvane::testing
