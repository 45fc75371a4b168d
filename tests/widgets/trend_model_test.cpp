#include "widgets/trend_model.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>

namespace orvane::widgets {
namespace {

class TrendModelTest : public ::testing::Test {
  protected:
    std::int64_t now = 1'700'000'000'000;
    TrendModel model{[this] { return now; }};

    // One record per simulated second, as the widget's timer would take them.
    void record(int count) {
        for (int i = 0; i < count; ++i) {
            now += 1000;
            model.tick();
        }
    }
    void recordRun(int count) {
        model.setRecording(true);
        record(count);
        model.setRecording(false);
    }
};

// --- Recording -----------------------------------------------------------------------

TEST_F(TrendModelTest, recordsAreTakenOnlyWhileRecordingIsOn) {
    model.tick();
    EXPECT_EQ(model.recordCount(), 0);
    model.setRecording(true);
    record(3);
    model.setRecording(false);
    record(2);
    EXPECT_EQ(model.recordCount(), 3);
}

TEST_F(TrendModelTest, recordKeepsOnlyTheValueCurrentAtRecordTimeForAllChannels) {
    model.setVisible(2, false);
    model.setRecording(true);
    model.setValue(1, 10.0f);
    model.setValue(1, 20.0f);  // overwritten before the record: not kept
    model.setValue(2, -5.0f);  // hidden channels are recorded too
    model.setValue(8, 3.5f);
    now = 42'000;
    model.tick();

    ASSERT_EQ(model.recordCount(), 1);
    const TrendRecord& r = model.records().front();
    EXPECT_EQ(r.timeMs, 42'000);
    EXPECT_FLOAT_EQ(r.values[0], 20.0f);
    EXPECT_FLOAT_EQ(r.values[1], -5.0f);
    EXPECT_FLOAT_EQ(r.values[7], 3.5f);
    EXPECT_FLOAT_EQ(r.values[3], 0.0f);
}

TEST_F(TrendModelTest, nonFiniteValuesAndUnknownChannelsAreIgnored) {
    model.setValue(1, 7.0f);
    model.setValue(1, std::numeric_limits<float>::quiet_NaN());
    model.setValue(1, std::numeric_limits<float>::infinity());
    model.setValue(0, 1.0f);
    model.setValue(9, 1.0f);
    EXPECT_FLOAT_EQ(model.channel(1).value, 7.0f);
    recordRun(1);
    for (float v : model.records().front().values)
        EXPECT_TRUE(std::isfinite(v));
}

// --- Separators between runs ---------------------------------------------------------

TEST_F(TrendModelTest, restartingRecordingMarksASeparatorAfterTheLastRecord) {
    recordRun(2);
    recordRun(3);
    const auto& r = model.records();
    ASSERT_EQ(r.size(), 5u);
    EXPECT_TRUE(r[1].separatorAfter);
    for (int i : {0, 2, 3, 4})
        EXPECT_FALSE(r[static_cast<std::size_t>(i)].separatorAfter) << i;
}

TEST_F(TrendModelTest, restartingWithFewerThanTwoRecordsMarksNoSeparator) {
    model.setRecording(true);  // nothing recorded yet
    model.setRecording(false);
    recordRun(1);
    recordRun(1);
    for (const TrendRecord& r : model.records())
        EXPECT_FALSE(r.separatorAfter);
}

TEST_F(TrendModelTest, switchingRecordingOnWhileOnMarksNothing) {
    model.setRecording(true);
    record(4);
    model.setRecording(true);
    record(1);
    for (const TrendRecord& r : model.records())
        EXPECT_FALSE(r.separatorAfter);
}

// --- Following the newest record and the cap ------------------------------------------

TEST_F(TrendModelTest, followingViewJumpsByWholeGridWidthsWhenTheNewestFallsOffTheRight) {
    model.setViewCapacity(100);
    model.setRecording(true);
    record(100);  // indices 0..99 fill the view exactly
    EXPECT_EQ(model.viewStart(), 0);
    record(1);
    EXPECT_EQ(model.viewStart(), 60);
    record(59);  // newest index 159 still fits in 60..159
    EXPECT_EQ(model.viewStart(), 60);
    record(1);
    EXPECT_EQ(model.viewStart(), 120);
}

TEST_F(TrendModelTest, shrinkingTheViewWhileFollowingKeepsTheNewestRecordVisible) {
    model.setViewCapacity(500);
    recordRun(300);
    model.setViewCapacity(100);
    EXPECT_EQ(model.viewStart(), 240);  // four grid widths: newest 299 in 240..339
    model.setViewCapacity(20);          // narrower than a grid width
    EXPECT_LE(model.viewStart(), 299);
    EXPECT_GT(model.viewStart() + model.viewCapacity(), 299);
}

TEST_F(TrendModelTest, exceedingTheCapWhileFollowingDiscardsOldestToFreeOneGridWidth) {
    model.setViewCapacity(700);
    model.setRecording(true);
    record(2000);
    EXPECT_EQ(model.recordCount(), 2000);
    const int startBefore = model.viewStart();

    record(1);
    EXPECT_EQ(model.recordCount(), 1940);
    EXPECT_EQ(model.serialOf(0), 61);  // the oldest 61 records are gone
    EXPECT_EQ(model.records().back().timeMs, now);
    EXPECT_EQ(model.viewStart(), startBefore - 61);  // same records stay in view

    record(60);
    EXPECT_EQ(model.recordCount(), 2000);  // the freed room is used before the next discard
}

TEST_F(TrendModelTest, capDoesNotApplyOnceFollowingIsOffButTheHardCapDoes) {
    model.setHardCap(3000);
    model.setRecording(true);
    model.moveView(0);
    record(2500);
    EXPECT_EQ(model.recordCount(), 2500);
    record(501);
    EXPECT_EQ(model.recordCount(), 2940);
    EXPECT_EQ(model.viewStart(), 0);
}

// --- Moving the view -----------------------------------------------------------------

struct MoveCase {
    int records;
    int startBefore;
    int move;
    int startAfter;
};

void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << c.records << " records, start " << c.startBefore << ", move " << c.move;
}

class TrendMoveTest : public TrendModelTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(TrendMoveTest, movePutsTheFirstDisplayedRecordWithinTheRecords) {
    const MoveCase c = GetParam();
    model.setViewCapacity(100);
    recordRun(c.records);
    model.moveView(c.startBefore - model.viewStart());
    ASSERT_EQ(model.viewStart(), c.startBefore);
    model.moveView(c.move);
    EXPECT_EQ(model.viewStart(), c.startAfter);
    EXPECT_FALSE(model.isFollowing());
}

INSTANTIATE_TEST_SUITE_P(
    Clamps, TrendMoveTest,
    ::testing::Values(MoveCase{200, 60, 60, 120},   // plain move towards newer
                      MoveCase{200, 120, -60, 60},  // plain move towards older
                      MoveCase{200, 120, 79, 199},  // lands on the newest record: allowed
                      MoveCase{200, 120, 80, 139},  // past the newest: count - 61
                      MoveCase{200, 30, -60, 0},    // before the oldest: 0
                      MoveCase{30, 0, 60, 0},       // past the newest of a short run
                      MoveCase{0, 0, 60, 0},        // no records at all
                      MoveCase{0, 0, -60, 0}));

TEST_F(TrendModelTest, movingTheViewStopsFollowingForGoodAlsoAfterClearing) {
    model.setViewCapacity(100);
    model.setRecording(true);
    record(150);
    ASSERT_EQ(model.viewStart(), 60);
    model.moveView(-60);
    record(200);
    EXPECT_EQ(model.viewStart(), 0);
    EXPECT_EQ(model.recordCount(), 350);

    model.clear();
    record(250);
    EXPECT_EQ(model.viewStart(), 0);
    EXPECT_FALSE(model.isFollowing());
}

// --- Clearing ------------------------------------------------------------------------

TEST_F(TrendModelTest, clearingRemovesEveryRecordAndResetsTheViewButKeepsRecording) {
    model.setViewCapacity(100);
    model.setRecording(true);
    record(250);
    model.clear();
    EXPECT_EQ(model.recordCount(), 0);
    EXPECT_EQ(model.viewStart(), 0);
    EXPECT_TRUE(model.isRecording());
    EXPECT_TRUE(model.isFollowing());
    record(1);
    EXPECT_EQ(model.recordCount(), 1);
    EXPECT_EQ(model.serialOf(0), 0);
}

TEST_F(TrendModelTest, clearingWhileStoppedLeavesRecordingOff) {
    recordRun(5);
    model.clear();
    record(5);
    EXPECT_EQ(model.recordCount(), 0);
    EXPECT_FALSE(model.isRecording());
}

// --- Scales --------------------------------------------------------------------------

TEST_F(TrendModelTest, scaleIsLabelledFromTheSelectedChannelEvenWhenItIsHidden) {
    model.setRange(2, -16000, 16000);
    model.setUnit(2, "[W]");
    model.setVisible(2, false);
    model.setLeftScaleChannel(2);
    const TrendScale s = model.scaleOf(model.leftScaleChannel());
    EXPECT_EQ(s.channel, 2);
    EXPECT_DOUBLE_EQ(s.from, -16000);
    EXPECT_DOUBLE_EQ(s.to, 16000);
    EXPECT_EQ(s.unit, "[W]");
}

TEST_F(TrendModelTest, channelZeroAndUnknownNumbersGiveThePlainHundredScale) {
    model.setRange(4, 0, 60);
    model.setLeftScaleChannel(4);
    for (int n : {0, -1, 9}) {
        model.setLeftScaleChannel(n);
        const TrendScale s = model.scaleOf(model.leftScaleChannel());
        EXPECT_EQ(s.channel, 0) << n;
        EXPECT_DOUBLE_EQ(s.from, 0) << n;
        EXPECT_DOUBLE_EQ(s.to, 100) << n;
        EXPECT_EQ(s.unit, "") << n;
    }
}

// --- Repainting only on change -------------------------------------------------------

TEST_F(TrendModelTest, unchangedSettingsAndValueWritesDoNotAskForARepaint) {
    model.setRange(1, -5, 5);
    model.setUnit(1, "[V]");
    model.setVisible(1, true);
    model.setLeftScaleChannel(1);
    const auto revision = model.revision();
    model.setRange(1, -5, 5);
    model.setUnit(1, "[V]");
    model.setVisible(1, true);
    model.setLeftScaleChannel(1);
    model.setValue(1, 3.0f);  // drawn only once it is recorded
    EXPECT_EQ(model.revision(), revision);
    model.setVisible(1, false);
    EXPECT_NE(model.revision(), revision);
}

}  // namespace
}  // namespace orvane::widgets
