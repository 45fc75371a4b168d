// A window that does nothing: every write is dropped and every read answers the control's
// start value, so a benchmark measures the core's own work only.
#pragma once

#include "monitor/screen.h"

namespace orvane::bench {

class NullScreen final : public monitor::Screen, public monitor::ScreenReader {
  public:
    void setNumber(std::string_view, double) override {}
    void setLamp(std::string_view, bool) override {}
    void setDigits(std::string_view, double) override {}
    void setText(std::string_view, std::string_view) override {}
    void setAutoScroll(std::string_view, bool) override {}
    void setChecked(std::string_view, bool) override {}
    void setListItems(std::string_view, std::span<const std::string>) override {}
    void setListIndex(std::string_view, int) override {}
    void setVisible(std::string_view, bool) override {}
    void setEnabled(std::string_view, bool) override {}
    void setDate(std::string_view, monitor::CalendarDate) override {}
    void setTrendValue(monitor::Chart, int, float) override {}
    void setTrendVisible(monitor::Chart, int, bool) override {}
    void setTrendRange(monitor::Chart, int, double, double) override {}
    void setTrendUnit(monitor::Chart, int, std::string_view) override {}
    void setTrendScales(monitor::Chart, int, int) override {}
    void setTrendRecording(bool) override {}
    void setPollTimer(bool) override {}

    std::optional<double> number(std::string_view) const override { return 0.0; }
    bool isChecked(std::string_view) const override { return false; }
    int listIndex(std::string_view) const override { return 0; }
    std::string text(std::string_view) const override { return {}; }
    bool isVisible(std::string_view) const override { return true; }
    monitor::CalendarDate date(std::string_view) const override { return {}; }
};

}  // namespace orvane::bench
