#include "widgets/trend_chart.h"

#include <QDateTime>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orvane::widgets {
namespace {

TrendModel::Clock orSystemClock(TrendModel::Clock clock) {
    if (clock)
        return clock;
    return [] { return static_cast<std::int64_t>(QDateTime::currentMSecsSinceEpoch()); };
}

TrendRgb toRgb(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

}  // namespace

TrendChart::TrendChart(QWidget* parent, TrendModel::Clock clock)
    : QWidget(parent), model_(orSystemClock(std::move(clock))) {
    installWidgetAccessibility();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the chart paints every pixel itself
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(model_.recordIntervalMs());
    connect(&timer_, &QTimer::timeout, this, &TrendChart::tick);
}

template <typename Change>
void TrendChart::change(Change&& apply) {
    const auto before = model_.revision();
    apply();
    if (model_.revision() != before)
        update();
}

void TrendChart::setChannelValue(int channel, float value) {
    model_.setValue(channel, value);
}

void TrendChart::setChannelVisible(int channel, bool visible) {
    change([&] { model_.setVisible(channel, visible); });
}

void TrendChart::setChannelRange(int channel, double from, double to) {
    change([&] { model_.setRange(channel, from, to); });
}

void TrendChart::setChannelUnit(int channel, const QString& unit) {
    change([&] { model_.setUnit(channel, unit.toStdString()); });
}

void TrendChart::setChannelColour(int channel, const QColor& colour) {
    change([&] { model_.setColour(channel, toRgb(colour)); });
}

void TrendChart::setChannelFormat(int channel, const QString& format) {
    change([&] { model_.setFormat(channel, format.toStdString()); });
}

void TrendChart::setCaption(const QString& caption) {
    if (caption == look_.caption)
        return;
    look_.caption = caption;
    update();
}

void TrendChart::setLeftScaleChannel(int channel) {
    change([&] { model_.setLeftScaleChannel(channel); });
}

void TrendChart::setRightScaleChannel(int channel) {
    change([&] { model_.setRightScaleChannel(channel); });
}

void TrendChart::setScalesShown(bool left, bool right) {
    if (left == look_.leftScale && right == look_.rightScale)
        return;
    look_.leftScale = left;
    look_.rightScale = right;
    fitView();
    update();
}

void TrendChart::setRecording(bool on) {
    change([&] { model_.setRecording(on); });
    if (on && !timer_.isActive())
        timer_.start();
    if (!on)
        timer_.stop();
}

void TrendChart::setRecordIntervalMs(int ms) {
    model_.setRecordIntervalMs(ms);
    timer_.setInterval(model_.recordIntervalMs());
}

void TrendChart::setGridWidth(int records) {
    change([&] { model_.setGridWidth(records); });
}

void TrendChart::setFollowCap(int records) {
    model_.setFollowCap(records);
}

void TrendChart::setFollowing(bool on) {
    change([&] { model_.setFollowing(on); });
}

void TrendChart::moveView(int records) {
    fitView();
    change([&] { model_.moveView(records); });
}

void TrendChart::pageOlder() {
    moveView(-model_.gridWidth());
}
void TrendChart::pageNewer() {
    moveView(model_.gridWidth());
}

void TrendChart::clear() {
    change([&] { model_.clear(); });
}

void TrendChart::tick() {
    fitView();  // a chart sized while hidden has had no resize event yet
    change([&] { model_.tick(); });
}

void TrendChart::decorate(bool& flag, bool on) {
    if (flag == on)
        return;
    flag = on;
    fitView();
    update();
}

void TrendChart::setUpperLimit(bool enabled, double percent, const QColor& colour) {
    look_.upperLimit = enabled;
    look_.upperLimitPercent = percent;
    look_.upperLimitColour = colour;
    update();
}

void TrendChart::setGridShown(bool on) {
    decorate(look_.grid, on);
}
void TrendChart::setTimeAxisShown(bool on) {
    decorate(look_.timeAxis, on);
}
void TrendChart::setCursorShown(bool on) {
    decorate(look_.cursor, on);
}
void TrendChart::setSeparatorsShown(bool on) {
    decorate(look_.separators, on);
}

QRect TrendChart::plotRect() const {
    return layoutTrendChart(rect(), font(), look_).plot;
}

void TrendChart::fitView() {
    // One record per logical pixel across the plot; HiDPI screens draw them finer.
    change([&] { model_.setViewCapacity(qMax(1, plotRect().width())); });
}

QString TrendChart::accessibleValue() const {
    return tr("%1 records, %2, %3")
        .arg(model_.recordCount())
        .arg(model_.isRecording() ? tr("recording") : tr("stopped"))
        .arg(model_.isFollowing() ? tr("following") : tr("view held"));
}

void TrendChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintTrendChart(p, rect(), font(), model_, look_, look_.cursor ? cursorX_ : std::nullopt);
}

void TrendChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitView();
}

void TrendChart::mouseMoveEvent(QMouseEvent* event) {
    const int x = qRound(event->position().x());
    const std::optional<int> cursor =
        plotRect().contains(event->position().toPoint()) ? std::optional<int>(x) : std::nullopt;
    if (cursor == cursorX_)
        return;
    cursorX_ = cursor;
    if (look_.cursor)
        update();
}

void TrendChart::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!cursorX_)
        return;
    cursorX_.reset();
    if (look_.cursor)
        update();
}

void TrendChart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitView();
}

}  // namespace orvane::widgets
