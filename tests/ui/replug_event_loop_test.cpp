// Re-plug recovery with the link on the window's event loop (the socket notifier and timer
// the window uses), over the real termios port to the unit simulator killed and started again
// on the same link. The loop is turned until each tick's exchange has ended.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>

#include "monitor/sim_rig.h"
#include "ui/window/qt_link_events.h"

namespace orvane::monitor {
namespace {

struct EventLoopReplugRig : ReplugRig {
    EventLoopReplugRig()
        : ReplugRig(
              [](link::SerialPort& line) { return std::make_unique<ui::QtLinkEvents>(line); }) {
        runOwnLoop = [this] {
            // Far beyond the longest exchange's time-outs: only a link that never ends one
            // runs into it.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (link.Busy() && std::chrono::steady_clock::now() < deadline)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            EXPECT_FALSE(link.Busy()) << "an exchange that never ended";
        };
    }
};

TEST(EventLoopReplug, aPulledDeviceIsWaitedForAndPollingGoesOnOnceItIsBack) {
    EventLoopReplugRig rig;
    PulledDeviceIsWaitedForAndPollingGoesOnOnceItIsBack(rig);
}

TEST(EventLoopReplug, stopEndsTheAttemptsToReachAPulledDevice) {
    EventLoopReplugRig rig;
    StopEndsTheAttemptsToReachAPulledDevice(rig);
}

}  // namespace
}  // namespace orvane::monitor
