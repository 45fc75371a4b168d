#include "widgets/trend_model.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orvane::widgets {

TrendModel::TrendModel(Clock clock) : clock_(std::move(clock)) {}

TrendChannel* TrendModel::channelAt(int number) {
    if (number < 1 || number > kTrendChannels)
        return nullptr;
    return &channels_[static_cast<std::size_t>(number - 1)];
}

const TrendChannel& TrendModel::channel(int number) const {
    if (number < 1 || number > kTrendChannels)
        number = 1;
    return channels_[static_cast<std::size_t>(number - 1)];
}

void TrendModel::setValue(int number, float value) {
    if (TrendChannel* c = channelAt(number); c && std::isfinite(value))
        c->value = value;
}

void TrendModel::setVisible(int number, bool visible) {
    TrendChannel* c = channelAt(number);
    if (!c || c->visible == visible)
        return;
    c->visible = visible;
    ++revision_;
}

void TrendModel::setRange(int number, double from, double to) {
    TrendChannel* c = channelAt(number);
    if (!c || !std::isfinite(from) || !std::isfinite(to))
        return;
    if (c->rangeFrom == from && c->rangeTo == to)
        return;
    c->rangeFrom = from;
    c->rangeTo = to;
    ++revision_;
}

void TrendModel::setUnit(int number, std::string unit) {
    TrendChannel* c = channelAt(number);
    if (!c || c->unit == unit)
        return;
    c->unit = std::move(unit);
    ++revision_;
}

void TrendModel::setFormat(int number, std::string format) {
    TrendChannel* c = channelAt(number);
    if (!c || c->format == format)
        return;
    c->format = std::move(format);
    ++revision_;
}

void TrendModel::setColour(int number, TrendRgb colour) {
    TrendChannel* c = channelAt(number);
    if (!c || c->colour == colour)
        return;
    c->colour = colour;
    ++revision_;
}

void TrendModel::setLeftScaleChannel(int number) {
    if (number < 0 || number > kTrendChannels)
        number = 0;
    if (number == leftScale_)
        return;
    leftScale_ = number;
    ++revision_;
}

void TrendModel::setRightScaleChannel(int number) {
    if (number < 0 || number > kTrendChannels)
        number = 0;
    if (number == rightScale_)
        return;
    rightScale_ = number;
    ++revision_;
}

TrendScale TrendModel::scaleOf(int number) const {
    if (number < 1 || number > kTrendChannels)
        return {};
    const TrendChannel& c = channel(number);
    return {c.rangeFrom, c.rangeTo, c.unit, number};
}

void TrendModel::setRecording(bool on) {
    if (on == recording_)
        return;
    recording_ = on;
    // A break between runs keeps the plot from joining values across a gap in the link.
    if (on && records_.size() >= 2) {
        records_.back().separatorAfter = true;
        ++revision_;
    }
}

void TrendModel::tick() {
    if (!recording_)
        return;
    TrendRecord record;
    record.timeMs = clock_ ? clock_() : 0;
    for (std::size_t i = 0; i < channels_.size(); ++i)
        record.values[i] = channels_[i].value;
    records_.push_back(record);

    const int count = recordCount();
    if (following_ && count > followCap_) {
        discard(count - (followCap_ - gridWidth_));
    } else if (count > hardCap_) {
        discard(count - (hardCap_ - gridWidth_));
    }
    if (following_)
        keepNewestInView();
    ++revision_;
}

void TrendModel::discard(int count) {
    count = std::clamp(count, 0, recordCount());
    records_.erase(records_.begin(), records_.begin() + count);
    firstSerial_ += count;
    viewStart_ = std::max(0, viewStart_ - count);
}

void TrendModel::keepNewestInView() {
    const int newest = recordCount() - 1;
    if (newest < viewStart_ + viewCapacity_)
        return;
    const int overshoot = newest - (viewStart_ + viewCapacity_) + 1;
    const int jumps = (overshoot + gridWidth_ - 1) / gridWidth_;
    // A plot narrower than one grid width would jump past the newest record.
    viewStart_ = std::min(viewStart_ + jumps * gridWidth_, newest);
}

void TrendModel::setRecordIntervalMs(int ms) {
    recordIntervalMs_ = std::max(1, ms);
}

void TrendModel::setViewCapacity(int records) {
    records = std::max(1, records);
    if (records == viewCapacity_)
        return;
    viewCapacity_ = records;
    if (following_)
        keepNewestInView();
    ++revision_;
}

void TrendModel::setFollowing(bool on) {
    if (on == following_)
        return;
    following_ = on;
    if (on)
        keepNewestInView();
    ++revision_;
}

void TrendModel::moveView(int records) {
    following_ = false;
    const long long count = recordCount();
    long long start = static_cast<long long>(viewStart_) + records;
    if (start > count - 1)
        start = count - (gridWidth_ + 1);   // past the newest record
    start = std::max<long long>(0, start);  // before the oldest
    viewStart_ = static_cast<int>(start);
    ++revision_;
}

void TrendModel::clear() {
    records_.clear();
    firstSerial_ = 0;
    viewStart_ = 0;
    ++revision_;
}

void TrendModel::setGridWidth(int records) {
    gridWidth_ = std::max(1, records);
    followCap_ = std::max(followCap_, 2 * gridWidth_);
    hardCap_ = std::max(hardCap_, 2 * gridWidth_);
    ++revision_;
}

void TrendModel::setFollowCap(int records) {
    followCap_ = std::max(records, 2 * gridWidth_);
}

void TrendModel::setHardCap(int records) {
    hardCap_ = std::max(records, 2 * gridWidth_);
}

}  // namespace orvane::widgets
