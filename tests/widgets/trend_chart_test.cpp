#include "widgets/trend_chart.h"

#include <gtest/gtest.h>

#include "widget_test_support.h"

namespace orvane::widgets {
namespace {

using testing::PaintCounter;

class TrendChartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        chart.resize(400, 300);
        for (int ch = 1; ch <= 8; ++ch)
            chart.setChannelVisible(ch, false);
        chart.setChannelColour(1, QColor(255, 0, 0));
        chart.setChannelRange(1, -100, 100);
    }
    // Fraction of the plot's x range holding red pixels at the height of value 0.
    double redShareAtZero() {
        const QImage image = testing::render(chart);
        const QRect plot = chart.plotRect();
        const int y = plot.center().y();
        int red = 0;
        for (int x = plot.left(); x <= plot.right(); ++x) {
            for (int dy = -2; dy <= 2; ++dy) {
                const QColor c = image.pixelColor(x, y + dy);
                if (c.red() > 150 && c.green() < 80) {
                    ++red;
                    break;
                }
            }
        }
        return static_cast<double>(red) / plot.width();
    }
    void record(int count) {
        chart.setRecording(true);
        for (int i = 0; i < count; ++i) {
            now += 1000;
            chart.tick();
        }
    }

    std::int64_t now = 1'700'000'000'000;
    TrendChart chart{nullptr, [this] { return now; }};
};

TEST_F(TrendChartTest, recordTimerRunsOnlyWhileRecording) {
    EXPECT_EQ(chart.recordIntervalMs(), 1000);
    EXPECT_FALSE(chart.isRecordTimerActive());
    chart.setRecording(true);
    EXPECT_TRUE(chart.isRecordTimerActive());
    chart.setRecording(false);
    EXPECT_FALSE(chart.isRecordTimerActive());
}

TEST_F(TrendChartTest, viewHoldsOneRecordPerPixelOfThePlot) {
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    EXPECT_EQ(chart.model().viewCapacity(), chart.plotRect().width());
    chart.resize(600, 300);
    EXPECT_EQ(chart.model().viewCapacity(), chart.plotRect().width());
}

TEST_F(TrendChartTest, valueWritesDoNotRepaintButRecordsDo) {
    PaintCounter paints(&chart);
    ASSERT_TRUE(paints.showAndReset());
    for (int i = 0; i < 13; ++i)
        chart.setChannelValue(1, static_cast<float>(i));
    chart.setChannelVisible(1, false);  // unchanged
    PaintCounter::settle();
    EXPECT_EQ(paints.count, 0);
    record(1);
    PaintCounter::settle();
    EXPECT_GE(paints.count, 1);
}

TEST_F(TrendChartTest, channelTickedLaterShowsItsWholeRecordedHistory) {
    chart.setChannelValue(1, 0.0f);
    record(chart.plotRect().width());   // fills the view exactly
    EXPECT_LT(redShareAtZero(), 0.01);  // hidden: recorded, not drawn
    chart.setChannelVisible(1, true);
    EXPECT_GT(redShareAtZero(), 0.95);
}

TEST_F(TrendChartTest, arrowPagesMoveByOneGridWidthAndStopFollowing) {
    record(300);
    const int start = chart.model().viewStart();
    chart.pageOlder();
    EXPECT_EQ(chart.model().viewStart(), std::max(0, start - 60));
    EXPECT_FALSE(chart.isFollowing());
    chart.pageNewer();
    EXPECT_EQ(chart.model().viewStart(), std::max(0, start - 60) + 60);
    chart.clear();
    EXPECT_EQ(chart.model().recordCount(), 0);
    EXPECT_TRUE(chart.isRecording());
}

}  // namespace
}  // namespace orvane::widgets
