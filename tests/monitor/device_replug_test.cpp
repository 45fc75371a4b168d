// A device that goes away while the link is started: the port closed, "Riconnessione..." on
// the line, the same device tried again about every second, polling going on at the step
// where it stopped once it is back (journalled and counted), and Stop ending the attempts.
#include <gtest/gtest.h>

#include "live_rig.h"

namespace orvane::monitor {
namespace {

using testing::LiveRig;
namespace controls = orvane::frontend::controls;

struct Unplugged : LiveRig {
    Unplugged() {
        ports.setConfigured(0, "/dev/serial/by-id/usb-FTDI_RS485-if00");
        control.StartLink();
        tick(3);  // up to LiveBlockB
        port.hangUp();
        port.absent = true;
        tick();  // the tick finds the port hung up
        functionsSent();
    }
};

TEST(DeviceReplug, aHungUpPortIsClosedAndTheLineSaysItReconnects) {
    Unplugged rig;
    EXPECT_FALSE(rig.link.IsPortOpen());
    EXPECT_EQ(rig.port.closeCount, 1);
    EXPECT_EQ(rig.matrix(), "Riconnessione...");
    EXPECT_EQ(rig.screen.text(controls::Bt_Open), "Ferma") << "still started";
    const journal::JournalEvent& lost = rig.program.journal.newest(0);
    EXPECT_EQ(lost.kind, journal::EventKind::reconnecting);
    EXPECT_EQ(lost.details, "/dev/serial/by-id/usb-FTDI_RS485-if00");
}

TEST(DeviceReplug, theSameDeviceIsTriedAboutEverySecondAndNothingIsSentMeanwhile) {
    Unplugged rig;
    const std::size_t opens = rig.port.openedPaths.size();
    rig.tick(3 * ReplugAttemptTicks);
    EXPECT_EQ(rig.port.openedPaths.size(), opens + 3);
    EXPECT_EQ(rig.port.openedPaths.back(), "/dev/serial/by-id/usb-FTDI_RS485-if00");
    EXPECT_TRUE(rig.functionsSent().empty());
    EXPECT_EQ(rig.matrix(), "Riconnessione...");
}

TEST(DeviceReplug, onceTheDeviceIsBackPollingGoesOnWhereItStopped) {
    Unplugged rig;
    const std::uint8_t step = rig.poll.PollStep;
    rig.tick(ReplugAttemptTicks - 1);
    rig.port.absent = false;
    rig.tick();  // the attempt opens it; this tick polls
    EXPECT_TRUE(rig.link.IsPortOpen());
    ASSERT_EQ(rig.functionsSent(), std::vector<int>{0x17}) << "the TrendBlock, step " << int(step);
    rig.tick(3);
    EXPECT_EQ(rig.matrix(), "Comunicazione OK");
    EXPECT_EQ(rig.program.busHealth.figures().reconnects, 1u);
    bool journalled = false;
    for (std::size_t i = 0; i < rig.program.journal.size(); ++i)
        journalled |= rig.program.journal.newest(i).kind == journal::EventKind::reconnected;
    EXPECT_TRUE(journalled);
}

TEST(DeviceReplug, stopEndsTheAttempts) {
    Unplugged rig;
    rig.tick();
    rig.control.Bt_OpenClick();
    EXPECT_EQ(rig.screen.text(controls::Bt_Open), "Avvia");
    const std::size_t opens = rig.port.openedPaths.size();
    rig.port.absent = false;
    rig.tick(3 * ReplugAttemptTicks);
    EXPECT_EQ(rig.port.openedPaths.size(), opens);
    EXPECT_FALSE(rig.link.IsPortOpen());
}

}  // namespace
}  // namespace orvane::monitor
