// Binding the eleven list entries to devices, and finding the devices of a machine laid
// out in a scratch directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "link/port_table.h"
#include "link/serial_discovery.h"
#include "support/scratch_directory.h"

namespace orvane::link {
namespace {

namespace fs = std::filesystem;

// A /dev and /sys of our own: device nodes are plain files, which is all discovery looks at.
class Machine {
  public:
    Machine() {
        roots.dev = root_.path() / "dev";
        roots.sys = root_.path() / "sys";
        fs::create_directories(roots.dev / "serial" / "by-id");
        fs::create_directories(roots.sys / "class" / "tty");
    }

    // A node with a device behind it; `uartType` is what a serial-core port reports.
    void port(const std::string& name, int uartType = -1) {
        std::ofstream(roots.dev / name).put('\n');
        const fs::path entry = roots.sys / "class" / "tty" / name;
        fs::create_directories(entry / "device");
        if (uartType >= 0)
            std::ofstream(entry / "type") << uartType << '\n';
    }
    void node(const std::string& name) { std::ofstream(roots.dev / name).put('\n'); }
    void byId(const std::string& name, const std::string& target) {
        fs::create_symlink("../../" + target, roots.dev / "serial" / "by-id" / name);
    }
    std::string dev(const std::string& name) const { return (roots.dev / name).string(); }
    std::string id(const std::string& name) const {
        return (roots.dev / "serial" / "by-id" / name).string();
    }

    DeviceRoots roots;

  private:
    testing::ScratchDirectory root_;
};

std::vector<std::string> Paths(const std::vector<SerialDevice>& devices) {
    std::vector<std::string> paths;
    for (const SerialDevice& d : devices)
        paths.push_back(d.path);
    return paths;
}

TEST(DiscoverSerialDevices, offersAdaptersByIdFirstThenTheOtherRealPortsInOrder) {
    Machine m;
    m.port("ttyUSB0");
    m.port("ttyUSB1");
    m.port("ttyACM0");
    m.port("ttyS0", 4);  // a 16550A
    m.port("ttyS10", 4);
    m.port("ttyS2", 4);
    m.port("ttyS1", 0);  // a slot with no UART
    m.node("ttyS3");     // no device at all
    m.node("tty0");
    m.node("ttyUSBx");
    m.byId("usb-FTDI_USB-RS485_Cable_FT0ABCDE-if00-port0", "ttyUSB1");
    m.byId("usb-1a86_USB2.0-Serial-if00-port0", "ttyUSB0");
    m.byId("usb-Gone_Adapter_12345678-if00-port0", "ttyUSB7");  // just pulled out

    const std::vector<SerialDevice> found = DiscoverSerialDevices(m.roots);
    EXPECT_EQ(Paths(found), (std::vector<std::string>{
                                m.id("usb-1a86_USB2.0-Serial-if00-port0"),
                                m.id("usb-FTDI_USB-RS485_Cable_FT0ABCDE-if00-port0"),
                                m.dev("ttyACM0"),
                                m.dev("ttyS0"),
                                m.dev("ttyS2"),
                                m.dev("ttyS10"),
                            }));
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found[1].description, "FTDI USB-RS485 Cable");
}

TEST(DiscoverSerialDevices, findsNothingOnAMachineWithoutPorts) {
    Machine m;
    m.node("tty1");
    EXPECT_TRUE(DiscoverSerialDevices(m.roots).empty());
    DeviceRoots nowhere{"/nonexistent/dev", "/nonexistent/sys"};
    EXPECT_TRUE(DiscoverSerialDevices(nowhere).empty());
}

TEST(DescribeById, keepsVendorAndModelAndDropsSerialNumberAndInterface) {
    const std::pair<const char*, const char*> cases[] = {
        {"usb-FTDI_USB-RS485_Cable_FT0ABCDE-if00-port0", "FTDI USB-RS485 Cable"},
        {"usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "FTDI FT232R USB UART"},
        {"usb-Silicon_Labs_CP2102_USB_to_UART_Bridge_Controller_0001-if00-port0",
         "Silicon Labs CP2102 USB to UART Bridge Controller"},
        // No serial number: nothing may be cut from the model.
        {"usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0",
         "Prolific Technology Inc. USB-Serial Controller"},
        {"usb-1a86_USB2.0-Serial-if00-port0", "1a86 USB2.0-Serial"},
        {"usb-Arduino__www.arduino.cc__0043_75735323030351F0C1B1-if00",
         "Arduino www.arduino.cc 0043"},
    };
    for (const auto& [name, text] : cases)
        EXPECT_EQ(DescribeById(name), text) << name;
}

TEST(PortTable, configuredEntriesWinAndPresentDevicesFillTheRestInOrder) {
    Machine m;
    m.port("ttyUSB0");
    m.byId("usb-FTDI_USB-RS485_Cable_FT0ABCDE-if00-port0", "ttyUSB0");
    PortTable table;
    table.setConfigured(2, "/dev/ttyAMA0");
    // The installer named the adapter by its kernel name; its by-id name is the same device.
    table.setConfigured(4, m.dev("ttyUSB0"));
    table.assignPresent({{m.id("usb-FTDI_USB-RS485_Cable_FT0ABCDE-if00-port0"), "FTDI"},
                         {"/dev/ttyS0", "built-in serial port"},
                         {"/dev/ttyAMA0", "on-board serial port"},
                         {"/dev/ttyS1", "built-in serial port"}});
    EXPECT_EQ(table.devicePath(0), "/dev/ttyS0");
    EXPECT_EQ(table.devicePath(1), "/dev/ttyS1");
    EXPECT_EQ(table.devicePath(2), "/dev/ttyAMA0");
    EXPECT_EQ(table.devicePath(3), std::nullopt);
    EXPECT_EQ(table.devicePath(4), m.dev("ttyUSB0"));
    EXPECT_EQ(table.devicePath(11), std::nullopt);
    EXPECT_EQ(table.entryText(0, "none"), "COM 1 \u2014 /dev/ttyS0 (built-in serial port)");
    EXPECT_EQ(table.entryText(3, "none"), "COM 4 \u2014 none");

    // A later scan with fewer devices frees the entries it no longer fills.
    table.assignPresent({{"/dev/ttyS0", ""}});
    EXPECT_EQ(table.devicePath(1), std::nullopt);
    EXPECT_EQ(table.devicePath(2), "/dev/ttyAMA0");
}

// The closed list has room for a short label only: it names what tells the device apart.
TEST(PortTable, labelsEachEntryByWhatTellsItsDeviceApart) {
    PortTable table;
    table.setConfigured(0, "/dev/serial/by-id/usb-FTDI_USB-RS485_Cable_FT0ABCDE-if00-port0");
    table.setConfigured(1, "/dev/pts/3");
    table.setConfigured(2, "/tmp/unit-link");
    table.assignPresent({{"/dev/serial/by-id/usb-1a86_USB2.0-Serial-if00-port0", "CH340 adapter"},
                         {"/dev/ttyS0", "built-in serial port"},
                         {"/dev/ttyS1", "built-in serial port"}});
    const std::pair<int, const char*> cases[] = {
        {0, "COM 1 \u2014 FTDI USB-RS485 Cable"},  // configured: read from its by-id name
        {1, "COM 2 \u2014 pts/3"},
        {2, "COM 3 \u2014 unit-link"},
        {3, "COM 4 \u2014 CH340 adapter"},
        {4, "COM 5 \u2014 ttyS0"},
        {5, "COM 6 \u2014 ttyS1"},
        {6, "COM 7 \u2014 none"},
        {11, ""},
    };
    for (const auto& [index, label] : cases)
        EXPECT_EQ(table.entryLabel(index, "none"), label) << index;
}

}  // namespace
}  // namespace orvane::link
