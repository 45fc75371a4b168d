// The record keeping of one eight-channel trend chart, free of any toolkit so it can be
// tested on its own. The chart widget owns one model, calls tick() from its record timer and
// reads the model to draw. Channel numbers run 1..8 as the window names them; calls with any
// other number are ignored. Not thread-safe: lives on the window thread with its widget.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

namespace orvane::widgets {

inline constexpr int kTrendChannels = 8;

struct TrendRgb {
    std::uint8_t red = 255;
    std::uint8_t green = 255;
    std::uint8_t blue = 255;
    friend bool operator==(const TrendRgb&, const TrendRgb&) = default;
};

struct TrendChannel {
    float value = 0.0f;  // current value, taken into the next record
    bool visible = true;
    double rangeFrom = 0.0;  // value drawn at the bottom of the plot
    double rangeTo = 100.0;  // value drawn at the top
    std::string unit;        // shown with the channel's scale, e.g. "[W]"
    std::string format = "##0.0";
    TrendRgb colour;
};

struct TrendRecord {
    std::int64_t timeMs = 0;  // from the model's clock, milliseconds since the epoch
    std::array<float, kTrendChannels> values{};
    bool separatorAfter = false;  // recording stopped after this record and started again
};

// What labels one scale: the selected channel's range and unit, or a plain 0..100.
struct TrendScale {
    double from = 0.0;
    double to = 100.0;
    std::string unit;
    int channel = 0;  // 0: the plain scale
};

class TrendModel {
  public:
    // Milliseconds since the epoch; injected so tests decide the time of every record.
    using Clock = std::function<std::int64_t()>;

    static constexpr int kDefaultRecordIntervalMs = 1000;
    static constexpr int kDefaultGridWidth = 60;
    static constexpr int kDefaultFollowCap = 2000;
    // Without following nothing would ever be discarded; a day of one-second records
    // (about 5 MB) bounds the memory of a program left running for weeks.
    static constexpr int kDefaultHardCap = 86400;

    explicit TrendModel(Clock clock);

    // Channels.
    const TrendChannel& channel(int number) const;  // out-of-range numbers give channel 1
    void setValue(int number, float value);         // non-finite values are refused
    void setVisible(int number, bool visible);
    void setRange(int number, double from, double to);
    void setUnit(int number, std::string unit);
    void setFormat(int number, std::string format);
    void setColour(int number, TrendRgb colour);

    // Scales: 0 is the plain 0..100 scale; numbers outside 0..8 fall back to it.
    void setLeftScaleChannel(int number);
    void setRightScaleChannel(int number);
    int leftScaleChannel() const { return leftScale_; }
    int rightScaleChannel() const { return rightScale_; }
    TrendScale scaleOf(int number) const;

    // Recording. tick() appends one record of all eight channels while recording is on.
    void setRecording(bool on);
    bool isRecording() const { return recording_; }
    void tick();
    void setRecordIntervalMs(int ms);  // the widget's timer period; at least 1 ms
    int recordIntervalMs() const { return recordIntervalMs_; }

    // View. The widget tells how many records fit across the plot.
    void setViewCapacity(int records);
    int viewCapacity() const { return viewCapacity_; }
    int viewStart() const { return viewStart_; }  // index of the first displayed record
    bool isFollowing() const { return following_; }
    void setFollowing(bool on);
    // Moves the first displayed record by a signed count and stops following.
    void moveView(int records);
    void clear();

    void setGridWidth(int records);  // at least 1
    int gridWidth() const { return gridWidth_; }
    void setFollowCap(int records);  // at least twice the grid width
    int followCap() const { return followCap_; }
    void setHardCap(int records);  // at least twice the grid width
    int hardCap() const { return hardCap_; }

    // Records, oldest first. serialOf(i) counts records since the last clear, so grid
    // lines stay on the same records when old ones are discarded.
    const std::deque<TrendRecord>& records() const { return records_; }
    int recordCount() const { return static_cast<int>(records_.size()); }
    std::int64_t serialOf(int index) const { return firstSerial_ + index; }

    // Bumped by every change that alters the drawing, so the widget repaints only then.
    std::uint64_t revision() const { return revision_; }

  private:
    TrendChannel* channelAt(int number);
    void discard(int count);
    void keepNewestInView();

    Clock clock_;
    std::array<TrendChannel, kTrendChannels> channels_{};
    std::deque<TrendRecord> records_;
    std::int64_t firstSerial_ = 0;
    int leftScale_ = 0;
    int rightScale_ = 0;
    bool recording_ = false;
    bool following_ = true;
    int recordIntervalMs_ = kDefaultRecordIntervalMs;
    int gridWidth_ = kDefaultGridWidth;
    int followCap_ = kDefaultFollowCap;
    int hardCap_ = kDefaultHardCap;
    int viewCapacity_ = 720;
    int viewStart_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace orvane::widgets
