// A window stand-in for the core tests: remembers the last value written to each control
// (so reads return what was written or set by the test), counts writes and logs their order,
// keeps every text written (a widget restarts on each change, even within one tick), follows
// the poll timer, and records the message boxes with scripted answers. Single-threaded.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "frontend/chart_contents.h"
#include "frontend/operator_dialogs.h"
#include "frontend/screen.h"
#include "monitor/local_clock.h"
#include "monitor/poll_timer.h"

namespace orvane::frontend {

// Handles print as their control's name in test messages.
template <ControlKind K>
std::ostream& operator<<(std::ostream& os, Control<K> control) {
    return os << control.name();
}
template <ControlKind... Ks>
std::ostream& operator<<(std::ostream& os, AnyOf<Ks...> control) {
    return os << control.name();
}
inline std::ostream& operator<<(std::ostream& os, AnyControl control) {
    return os << control.name();
}
inline std::ostream& operator<<(std::ostream& os, ControlId id) {
    return os << NameOf(id);
}

}  // namespace orvane::frontend

namespace orvane::testing {

// Last values by control. Indexed by handle (`screen.numbers[controls::AbNumEdit20]`) or by
// ControlId (a table walk); iterated as ControlId.
template <class T>
class ControlMap : public std::map<frontend::ControlId, T> {
    using Base = std::map<frontend::ControlId, T>;

  public:
    using Base::at;
    using Base::count;
    using Base::operator[];
    T& operator[](frontend::AnyControl c) { return Base::operator[](c.id()); }
    const T& at(frontend::AnyControl c) const { return Base::at(c.id()); }
    std::size_t count(frontend::AnyControl c) const { return Base::count(c.id()); }
    T get(frontend::AnyControl c, T fallback) const {
        const auto it = this->find(c.id());
        return it == this->end() ? fallback : it->second;
    }
};

// One write: the call's name ("setText") and its control.
struct ScreenWrite {
    std::string_view call;
    frontend::ControlId control;
    friend bool operator==(const ScreenWrite&, const ScreenWrite&) = default;
    friend std::ostream& operator<<(std::ostream& os, const ScreenWrite& w) {
        return os << w.call << " " << frontend::NameOf(w.control);
    }
};

class FakeScreen final : public frontend::Screen, public frontend::ScreenReader {
  public:
    void setNumber(frontend::NumberControl c, double v) override {
        numbers[c] = v;
        notNumbers.erase(c.id());
        ++writes;
        log("setNumber", c);
    }
    void setLamp(frontend::LampControl c, bool on) override {
        lamps[c] = on;
        ++writes;
        log("setLamp", c);
    }
    void setDigits(frontend::DigitsControl c, double v) override {
        digits[c] = v;
        ++writes;
        log("setDigits", c);
    }
    void setText(frontend::TextControl c, std::string_view t) override {
        texts[c] = std::string(t);
        textWrites[c].emplace_back(t);
        ++writes;
        log("setText", c);
    }
    void setAutoScroll(frontend::MatrixControl c, bool on) override {
        scroll[c] = on;
        log("setAutoScroll", c);
    }
    void setChecked(frontend::CheckControl c, bool on) override { checks[c] = on; }
    void setListItems(frontend::ListControl c, std::span<const std::string> items) override {
        lists[c].assign(items.begin(), items.end());
        indices[c] = -1;
    }
    void setListIndex(frontend::ListControl c, int i) override { indices[c] = i; }
    void setVisible(frontend::AnyControl c, bool v) override { visible[c] = v; }
    void setEnabled(frontend::AnyControl c, bool e) override { enabled[c] = e; }
    void setDate(frontend::DateControl c, frontend::CalendarDate d) override { dates[c] = d; }
    void setOutOfRange(frontend::Control<frontend::ControlKind::NumericField> c,
                       std::string_view tip) override {
        outOfRange[c] = std::string(tip);
    }
    void setTip(frontend::TipControl c, std::string_view tip) override {
        tips[c] = std::string(tip);
        ++writes;
        log("setTip", c);
    }
    void setTrendValue(frontend::Chart chart, int ch, float v) override {
        trendValues[{chart, ch}] = v;
    }
    void setTrendVisible(frontend::Chart chart, int ch, bool v) override {
        trendVisible[{chart, ch}] = v;
    }
    void setTrendRange(frontend::Chart chart, int ch, double from, double to) override {
        trendRanges[{chart, ch}] = {from, to};
    }
    void setTrendUnit(frontend::Chart chart, int ch, std::string_view unit) override {
        trendUnits[{chart, ch}] = std::string(unit);
    }
    void setTrendScales(frontend::Chart chart, int left, int right) override {
        trendScales[chart] = {left, right};
    }
    void setTrendRecording(bool on) override { recording = on; }

    std::optional<double> number(frontend::NumberControl c) const override {
        if (notNumbers.contains(c.id()))
            return std::nullopt;
        return numbers.get(c, 0.0);
    }
    bool isChecked(frontend::CheckControl c) const override { return checks.get(c, false); }
    int listIndex(frontend::ListControl c) const override { return indices.get(c, -1); }
    std::string text(frontend::TextControl c) const override { return texts.get(c, std::string()); }
    bool isVisible(frontend::AnyControl c) const override { return visible.get(c, true); }
    frontend::CalendarDate date(frontend::DateControl c) const override {
        return dates.get(c, frontend::CalendarDate{});
    }

    ControlMap<double> numbers, digits;
    // Fields showing operator text that is not a number, until a number is written.
    std::set<frontend::ControlId> notNumbers;
    ControlMap<bool> lamps, scroll, checks, visible, enabled;
    ControlMap<std::string> texts;
    ControlMap<std::string> outOfRange;  // the tip of each marked field; empty: not marked
    ControlMap<std::string> tips;
    ControlMap<std::vector<std::string>> textWrites;  // every one, in order
    ControlMap<std::vector<std::string>> lists;
    ControlMap<int> indices;
    ControlMap<frontend::CalendarDate> dates;
    std::map<std::pair<frontend::Chart, int>, float> trendValues;
    std::map<std::pair<frontend::Chart, int>, bool> trendVisible;
    std::map<std::pair<frontend::Chart, int>, std::pair<double, double>> trendRanges;
    std::map<std::pair<frontend::Chart, int>, std::string> trendUnits;
    std::map<frontend::Chart, std::pair<int, int>> trendScales;
    bool recording = false;
    long writes = 0;
    std::vector<ScreenWrite> writeLog;  // values, texts and scrolling, in order

  private:
    void log(std::string_view call, frontend::AnyControl c) { writeLog.push_back({call, c.id()}); }
};

// The window's poll timer: running or not.
class FakePollTimer final : public monitor::PollTimer {
  public:
    void setRunning(bool on) override { running = on; }
    bool running = false;
};

// Message boxes: records each one; questions take the next scripted answer (No when the
// script is empty, so an unexpected question never proceeds). `observe`, when set, is asked
// at each box for something the test wants to know about that moment (e.g. the cursor).
class FakeOperator final : public frontend::OperatorDialogs {
  public:
    enum class Kind { Information, Error, Question, ChangeQuestion, ChangeList };
    struct Box {
        Kind kind;
        std::string text;
        bool observed = false;  // what `observe` said when the box came
    };

    void inform(std::string_view t) override { record(Kind::Information, t); }
    void showError(std::string_view t) override { record(Kind::Error, t); }
    bool askYesNo(std::string_view t) override { return askAs(Kind::Question, t); }
    bool askAs(Kind kind, std::string_view t) {
        record(kind, t);
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    // The list of changes with Yes/No takes the next answer like any question.
    bool askChanges(const frontend::ChangeList& c) override {
        lists.push_back(c);
        return askAs(Kind::ChangeQuestion, c.message);
    }
    void showChanges(const frontend::ChangeList& c) override {
        lists.push_back(c);
        record(Kind::ChangeList, c.message);
    }

    std::vector<Box> boxes;
    std::vector<frontend::ChangeList> lists;  // every list shown, in order
    std::deque<bool> answers;
    std::function<bool()> observe;

  private:
    void record(Kind kind, std::string_view t) {
        boxes.push_back({kind, std::string(t), observe ? observe() : false});
    }
};

// The charts' records and pictures, as the test sets them.
class FakeCharts final : public frontend::ChartContents {
  public:
    std::vector<frontend::ChartRecord> heldRecords(frontend::Chart chart) const override {
        const auto it = records.find(chart);
        return it == records.end() ? std::vector<frontend::ChartRecord>{} : it->second;
    }
    std::string pictureAsPng(frontend::Chart) const override { return picture; }

    std::map<frontend::Chart, std::vector<frontend::ChartRecord>> records;
    std::string picture = "\x89PNG";
};

class FakeClock final : public monitor::LocalClock {
  public:
    monitor::LocalTime now() const override { return time; }
    monitor::LocalTime time{2024, 12, 9, 14, 5, 33};
};

}  // namespace orvane::testing
