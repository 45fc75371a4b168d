// Runtime settings by name: the control FIFO's lines and the command line.
#include "unit-sim/control.h"

#include <gtest/gtest.h>

#include "unit-sim/options.h"

namespace orvane::unitsim {
namespace {

struct LineCase {
    const char* line;
    bool (*holds)(const Settings&);
};

TEST(ControlLine, setsTheNamedSetting) {
    const LineCase cases[] = {
        {"silent on", [](const Settings& s) { return s.faults.silent; }},
        {"corrupt 3", [](const Settings& s) { return s.faults.corruptEvery == 3; }},
        {"  truncate   4  ", [](const Settings& s) { return s.faults.truncateEvery == 4; }},
        {"drop 2", [](const Settings& s) { return s.faults.dropEvery == 2; }},
        {"leading-zero on", [](const Settings& s) { return s.faults.leadingZero; }},
        {"dup-first on", [](const Settings& s) { return s.faults.dupFirst; }},
        {"wrong-function on", [](const Settings& s) { return s.faults.wrongFunction; }},
        {"gap 40", [](const Settings& s) { return s.faults.gapMs == 40; }},
        {"garbage 5", [](const Settings& s) { return s.faults.garbage == 5; }},
        {"write-status 0", [](const Settings& s) { return s.writeStatus == 0; }},
        {"turnaround 7", [](const Settings& s) { return s.turnaroundMs == 7; }},
        {"pace on", [](const Settings& s) { return s.pace; }},
        {"fw 1.8.0",
         [](const Settings& s) {
             return s.firmware.major == 1 && s.firmware.minor == 8 && s.firmware.build == 0;
         }},
        {"charge-fault on",
         [](const Settings& s) { return s.chargeFault == Settings::ChargeFault::Raise; }},
    };
    for (const LineCase& c : cases) {
        Settings s;
        std::string error;
        EXPECT_TRUE(ApplyControlLine(c.line, s, error)) << c.line << ": " << error;
        EXPECT_TRUE(c.holds(s)) << c.line;
    }
}

TEST(ControlLine, switchesOffWithOffOrZero) {
    Settings s;
    std::string error;
    for (const char* line :
         {"silent on", "silent off", "corrupt 3", "corrupt 0", "drop 2", "drop off"})
        ASSERT_TRUE(ApplyControlLine(line, s, error)) << line;
    EXPECT_EQ(s.faults, FaultSettings{});
}

TEST(ControlLine, refusesBadLinesWithAReasonAndChangesNothing) {
    for (const char* line : {"bogus 1", "silent maybe", "silent", "corrupt -1", "corrupt 3x",
                             "fw 1.8", "fw 1.256.0", "fw 1.8.0.1", "write-status 256", "gap", ""}) {
        Settings s;
        std::string error;
        EXPECT_FALSE(ApplyControlLine(line, s, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
        EXPECT_EQ(s.faults, FaultSettings{}) << line;
        EXPECT_EQ(s.firmware.minor, 7) << line;
        EXPECT_EQ(s.writeStatus, 1) << line;
    }
}

struct ArgvCase {
    std::vector<const char*> args;
    bool ok;
};

bool Parse(std::vector<const char*> args, Options& o, std::string& error) {
    args.insert(args.begin(), "orvane-unit-sim");
    return ParseOptions(static_cast<int>(args.size()), args.data(), o, error);
}

TEST(CommandLine, takesEveryFormOfOptionAndValue) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"--silent", "--corrupt", "3", "--gap=25", "--fw", "1.6.2", "--link",
                       "/tmp/tty", "--eeprom=/tmp/e", "--control", "/tmp/c", "--log", "/tmp/l",
                       "--seed", "9", "--day-minutes", "2", "--charge-fault"},
                      o, error))
        << error;
    EXPECT_TRUE(o.settings.faults.silent);
    EXPECT_EQ(o.settings.faults.corruptEvery, 3u);
    EXPECT_EQ(o.settings.faults.gapMs, 25u);
    EXPECT_EQ(o.settings.firmware.minor, 6);
    EXPECT_EQ(o.linkPath, "/tmp/tty");
    EXPECT_EQ(o.eepromPath, "/tmp/e");
    EXPECT_EQ(o.controlPath, "/tmp/c");
    EXPECT_EQ(o.logPath, "/tmp/l");
    EXPECT_TRUE(o.seedGiven);
    EXPECT_EQ(o.seed, 9u);
    EXPECT_EQ(o.dayMinutes, 2u);
    EXPECT_EQ(o.settings.chargeFault, Settings::ChargeFault::Raise);
}

TEST(CommandLine, refusesWhatItCannotUseWithAReason) {
    const std::vector<std::vector<const char*>> bad = {
        {"--corrupt"},
        {"--bogus"},
        {"stray"},
        {"--fw", "one"},
        {"--day-minutes", "0"},
        {"--link", "/tmp/a", "--device", "/dev/ttyS0"},
        {"--eeprom="},
        {"--seed", "-3"}};
    for (const auto& args : bad) {
        Options o;
        std::string error;
        EXPECT_FALSE(Parse(args, o, error)) << args.front();
        EXPECT_FALSE(error.empty()) << args.front();
    }
}

}  // namespace
}  // namespace orvane::unitsim
