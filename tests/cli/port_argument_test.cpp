#include "cli/port_argument.h"

#include <gtest/gtest.h>

namespace orvane::cli {
namespace {

struct PortCase {
    const char* argument;
    std::optional<int> entry;           // the list index of a "COM n" name
    std::optional<const char*> device;  // the path of a device
};

class PortArgumentTest : public ::testing::TestWithParam<PortCase> {};

TEST_P(PortArgumentTest, NamesAnEntryOrADeviceOrNothing) {
    const PortCase& c = GetParam();
    const std::optional<PortChoice> choice = ParsePortArgument(c.argument);
    if (!c.entry && !c.device) {
        EXPECT_FALSE(choice.has_value());
        return;
    }
    ASSERT_TRUE(choice.has_value());
    if (c.entry) {
        ASSERT_TRUE(std::holds_alternative<PortEntry>(*choice));
        EXPECT_EQ(std::get<PortEntry>(*choice).index, *c.entry);
    } else {
        ASSERT_TRUE(std::holds_alternative<PortDevice>(*choice));
        EXPECT_EQ(std::get<PortDevice>(*choice).path, *c.device);
    }
}

INSTANTIATE_TEST_SUITE_P(Spellings, PortArgumentTest,
                         ::testing::Values(PortCase{"COM 3", 2, {}}, PortCase{"COM3", 2, {}},
                                           PortCase{"com3", 2, {}}, PortCase{"Com 11", 10, {}},
                                           PortCase{"COM1", 0, {}}, PortCase{"COM 0", {}, {}},
                                           PortCase{"COM12", {}, {}}, PortCase{"COM", {}, {}},
                                           PortCase{"COM1a", {}, {}}, PortCase{"", {}, {}},
                                           PortCase{"/dev/ttyUSB0", {}, "/dev/ttyUSB0"},
                                           PortCase{"/dev/COM1", {}, "/dev/COM1"},
                                           PortCase{"ttyS0", {}, "ttyS0"}));

TEST(BindPortChoiceTest, AnEntryNameKeepsWhatTheEntryIsBoundTo) {
    link::PortTable ports;
    ports.setConfigured(4, "/dev/ttyS4");
    EXPECT_EQ(BindPortChoice(ports, PortEntry{4}), 4);
    EXPECT_EQ(ports.devicePath(4), "/dev/ttyS4");
}

TEST(BindPortChoiceTest, ADevicePathTakesItsOwnEntryElseTheFirstFreeOne) {
    link::PortTable ports;
    ports.setConfigured(0, "/dev/ttyS0");
    ports.setConfigured(2, "/dev/ttyUSB0");
    EXPECT_EQ(BindPortChoice(ports, PortDevice{"/dev/ttyUSB0"}), 2);
    EXPECT_EQ(BindPortChoice(ports, PortDevice{"/dev/ttyACM0"}), 1);
    EXPECT_EQ(ports.devicePath(1), "/dev/ttyACM0");
    EXPECT_EQ(ports.devicePath(0), "/dev/ttyS0");
}

TEST(BindPortChoiceTest, ADevicePathRebindsComOneWhenEveryEntryIsTaken) {
    link::PortTable ports;
    for (int index = 0; index < link::PortCount; ++index)
        ports.setConfigured(index, "/dev/ttyS" + std::to_string(index));
    EXPECT_EQ(BindPortChoice(ports, PortDevice{"/dev/pts/7"}), 0);
    EXPECT_EQ(ports.devicePath(0), "/dev/pts/7");
}

}  // namespace
}  // namespace orvane::cli
