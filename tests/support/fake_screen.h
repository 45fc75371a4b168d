// A window stand-in for the core tests: remembers the last value written to each control
// (so reads return what was written or set by the test), counts writes, keeps every text
// written (a widget restarts on each change, even within one tick), and records the
// message boxes with scripted answers. Single-threaded.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "monitor/local_clock.h"
#include "monitor/operator_dialogs.h"
#include "monitor/screen.h"

namespace orvane::testing {

class FakeScreen final : public monitor::Screen, public monitor::ScreenReader {
  public:
    void setNumber(std::string_view c, double v) override {
        numbers[std::string(c)] = v;
        notNumbers.erase(std::string(c));
        ++writes;
    }
    void setLamp(std::string_view c, bool on) override {
        lamps[std::string(c)] = on;
        ++writes;
    }
    void setDigits(std::string_view c, double v) override {
        digits[std::string(c)] = v;
        ++writes;
    }
    void setText(std::string_view c, std::string_view t) override {
        texts[std::string(c)] = std::string(t);
        textWrites[std::string(c)].emplace_back(t);
        ++writes;
    }
    void setAutoScroll(std::string_view c, bool on) override { scroll[std::string(c)] = on; }
    void setChecked(std::string_view c, bool on) override { checks[std::string(c)] = on; }
    void setListItems(std::string_view c, std::span<const std::string> items) override {
        lists[std::string(c)].assign(items.begin(), items.end());
        indices[std::string(c)] = -1;
    }
    void setListIndex(std::string_view c, int i) override { indices[std::string(c)] = i; }
    void setVisible(std::string_view c, bool v) override { visible[std::string(c)] = v; }
    void setEnabled(std::string_view c, bool e) override { enabled[std::string(c)] = e; }
    void setDate(std::string_view c, monitor::CalendarDate d) override {
        dates[std::string(c)] = d;
    }
    void setTrendValue(monitor::Chart chart, int ch, float v) override {
        trendValues[{chart, ch}] = v;
    }
    void setTrendVisible(monitor::Chart chart, int ch, bool v) override {
        trendVisible[{chart, ch}] = v;
    }
    void setTrendRange(monitor::Chart chart, int ch, double from, double to) override {
        trendRanges[{chart, ch}] = {from, to};
    }
    void setTrendUnit(monitor::Chart chart, int ch, std::string_view unit) override {
        trendUnits[{chart, ch}] = std::string(unit);
    }
    void setTrendScales(monitor::Chart chart, int left, int right) override {
        trendScales[chart] = {left, right};
    }
    void setTrendRecording(bool on) override { recording = on; }
    void setPollTimer(bool on) override { timerEnabled = on; }

    std::optional<double> number(std::string_view c) const override {
        if (notNumbers.count(c) != 0)
            return std::nullopt;
        return find(numbers, c, 0.0);
    }
    bool isChecked(std::string_view c) const override { return find(checks, c, false); }
    int listIndex(std::string_view c) const override { return find(indices, c, -1); }
    std::string text(std::string_view c) const override { return find(texts, c, std::string()); }
    bool isVisible(std::string_view c) const override { return find(visible, c, true); }
    monitor::CalendarDate date(std::string_view c) const override {
        return find(dates, c, monitor::CalendarDate{});
    }

    std::map<std::string, double, std::less<>> numbers, digits;
    // Fields showing operator text that is not a number, until a number is written.
    std::set<std::string, std::less<>> notNumbers;
    std::map<std::string, bool, std::less<>> lamps, scroll, checks, visible, enabled;
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, std::vector<std::string>, std::less<>> textWrites;  // every one, in order
    std::map<std::string, std::vector<std::string>, std::less<>> lists;
    std::map<std::string, int, std::less<>> indices;
    std::map<std::string, monitor::CalendarDate, std::less<>> dates;
    std::map<std::pair<monitor::Chart, int>, float> trendValues;
    std::map<std::pair<monitor::Chart, int>, bool> trendVisible;
    std::map<std::pair<monitor::Chart, int>, std::pair<double, double>> trendRanges;
    std::map<std::pair<monitor::Chart, int>, std::string> trendUnits;
    std::map<monitor::Chart, std::pair<int, int>> trendScales;
    bool recording = false;
    bool timerEnabled = false;
    long writes = 0;

  private:
    template <class Map, class T>
    static T find(const Map& m, std::string_view c, T fallback) {
        auto it = m.find(c);
        return it == m.end() ? fallback : it->second;
    }
};

// Message boxes: records each one; questions take the next scripted answer (No when the
// script is empty, so an unexpected question never proceeds). `observe`, when set, is asked
// at each box for something the test wants to know about that moment (e.g. the cursor).
class FakeOperator final : public monitor::OperatorDialogs {
  public:
    enum class Kind { Information, Error, Question };
    struct Box {
        Kind kind;
        std::string text;
        bool observed = false;  // what `observe` said when the box came
    };

    void inform(std::string_view t) override { record(Kind::Information, t); }
    void showError(std::string_view t) override { record(Kind::Error, t); }
    bool askYesNo(std::string_view t) override {
        record(Kind::Question, t);
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    std::vector<Box> boxes;
    std::deque<bool> answers;
    std::function<bool()> observe;

  private:
    void record(Kind kind, std::string_view t) {
        boxes.push_back({kind, std::string(t), observe ? observe() : false});
    }
};

class FakeClock final : public monitor::LocalClock {
  public:
    monitor::LocalTime now() const override { return time; }
    monitor::LocalTime time{2024, 12, 9, 14, 5, 33};
};

}  // namespace orvane::testing
