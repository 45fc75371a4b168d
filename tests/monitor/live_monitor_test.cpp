// The unit's part of the tick without a window: every sink takes each tick's snapshot, in
// the order the sinks were given and the ticks ran, and nothing while the link is stopped.
#include "monitor/live_monitor.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "live_rig.h"

namespace orvane::monitor {
namespace {

using testing::LiveRig;

class RecordingSink final : public SnapshotSink {
  public:
    RecordingSink(std::string name, std::vector<std::string>& order)
        : name_(std::move(name)), order_(order) {}
    void take(const UnitSnapshot& snapshot) override {
        order_.push_back(name_);
        taken.push_back(snapshot);
    }
    std::vector<UnitSnapshot> taken;

  private:
    std::string name_;
    std::vector<std::string>& order_;
};

TEST(LiveMonitor, everySinkTakesEachTicksSnapshotInOrderAndNothingWhileStopped) {
    LiveRig rig;  // the scripted unit and the link; its window stays out of this monitor
    const ClockSettingFields clockFields{rig.screen};
    std::vector<std::string> order;
    RecordingSink first{"first", order}, second{"second", order};
    LiveMonitor monitor{rig.link, rig.poll, rig.data, clockFields, rig.language, {&first, &second}};

    monitor.Tick();
    EXPECT_TRUE(order.empty()) << "stopped";

    rig.control.StartLink();
    constexpr int Ticks = 12;  // two poll cycles of six ticks
    for (int i = 0; i < Ticks; ++i) {
        monitor.Tick();
        rig.settle();
    }
    ASSERT_EQ(order.size(), 2u * Ticks);
    for (int i = 0; i < Ticks; ++i)
        EXPECT_EQ((std::vector{order[2 * i], order[2 * i + 1]}),
                  (std::vector<std::string>{"first", "second"}));

    std::vector<bool> newBlock;
    std::vector<std::uint64_t> taken;
    for (const UnitSnapshot& s : first.taken) {
        newBlock.push_back(s.trendBlocks.newThisTick);
        taken.push_back(s.trendBlocks.taken);
    }
    // The TrendBlock is the fourth step of each cycle.
    EXPECT_EQ(newBlock, (std::vector<bool>{false, false, false, true, false, false, false, false,
                                           false, true, false, false}));
    EXPECT_EQ(taken, (std::vector<std::uint64_t>{0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2, 2}));
    EXPECT_EQ(first.taken[2].link.condition, LinkCondition::ok);
    EXPECT_EQ(first.taken.back().firmware.minor, 7);
    EXPECT_EQ(second.taken.back().trendBlocks.taken, 2u);
    EXPECT_TRUE(rig.screen.numbers.empty()) << "no window shows what this monitor decodes";
}

}  // namespace
}  // namespace orvane::monitor
