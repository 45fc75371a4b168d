// The gallery: every indicator widget in its states and a chart filled with generated
// records, for looking at the widgets without a unit. Window thread only.
#pragma once

#include <QWidget>

namespace orvane::widgets {
class TrendChart;
class LedMatrixLine;
}  // namespace orvane::widgets

namespace orvane::gallery {

class GalleryWindow : public QWidget {
    Q_OBJECT

  public:
    explicit GalleryWindow(QWidget* parent = nullptr);

    // Puts the widgets into the states a still picture should show (hover, scroll phase).
    void prepareForScreenshot();

  private:
    QWidget* buildLeftColumn();
    QWidget* buildChartColumn();
    void fillChart();

    widgets::TrendChart* chart_ = nullptr;
    widgets::LedMatrixLine* scrolling_ = nullptr;
    QWidget* hoverButton_ = nullptr;
    std::int64_t fakeNow_ = 0;
};

}  // namespace orvane::gallery
