// Drawing costs the live view depends on: a full chart repaint in the software rasteriser,
// and the (absent) repaint of a lamp rewritten with the state it already shows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <cmath>

#include "widgets/lamp.h"
#include "widgets/trend_chart.h"

namespace {

using orvane::widgets::Lamp;
using orvane::widgets::TrendChart;

void fillChart(TrendChart& chart, std::int64_t& now) {
    const QColor colours[] = {QColor(0, 255, 0),     QColor(255, 255, 0),  QColor(255, 0, 0),
                              QColor(255, 0, 255),   QColor(255, 128, 64), QColor(0, 255, 255),
                              QColor(255, 255, 255), QColor(255, 255, 255)};
    for (int ch = 1; ch <= 8; ++ch) {
        chart.setChannelColour(ch, colours[ch - 1]);
        chart.setChannelRange(ch, -1000, 1000);
        chart.setChannelUnit(ch, QStringLiteral("[W]"));
        chart.setChannelVisible(ch, ch <= 7);
    }
    chart.setCaption(QStringLiteral("Valori in tempo reale"));
    chart.setLeftScaleChannel(1);
    chart.setRightScaleChannel(3);
    chart.setRecording(true);
    for (int i = 0; i < 2000; ++i) {
        for (int ch = 1; ch <= 7; ++ch) {
            chart.setChannelValue(ch, float(900 * std::sin(i / (20.0 + 7 * ch)) + 40 * (i % 7)));
        }
        now += 1000;
        chart.tick();
    }
    chart.setRecording(false);
}

// Argument: the device pixel ratio (1 for a plain screen, 2 for HiDPI).
void trendChartFullRepaint(benchmark::State& state) {
    std::int64_t now = 1'700'000'000'000;
    TrendChart chart(nullptr, [&now] { return now; });
    chart.resize(793, 573);
    fillChart(chart, now);
    const auto ratio = static_cast<int>(state.range(0));
    QImage image(chart.size() * ratio, QImage::Format_ARGB32_Premultiplied);  // software raster
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["records"] = chart.model().recordCount();
    state.counters["drawn"] = std::min(chart.model().viewCapacity(), chart.model().recordCount());
}
BENCHMARK(trendChartFullRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

class PaintCounter : public QObject {
  public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

void lampUnchangedWrite(benchmark::State& state) {
    Lamp lamp;
    PaintCounter paints;
    lamp.installEventFilter(&paints);
    lamp.show();
    lamp.setActive(true);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    paints.count = 0;
    for (auto _ : state) {
        lamp.setActive(true);
        QApplication::processEvents();
    }
    state.counters["paints"] = paints.count;  // must stay 0
}
BENCHMARK(lampUnchangedWrite);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
