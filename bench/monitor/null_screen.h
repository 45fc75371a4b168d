// A window that does nothing: every write is dropped and every read answers the control's
// start value, so a benchmark measures the core's own work only.
#pragma once

#include "frontend/screen.h"

namespace orvane::bench {

class NullScreen final : public frontend::Screen, public frontend::ScreenReader {
  public:
    void setNumber(frontend::NumberControl, double) override {}
    void setLamp(frontend::LampControl, bool) override {}
    void setDigits(frontend::DigitsControl, double) override {}
    void setText(frontend::TextControl, std::string_view) override {}
    void setAutoScroll(frontend::MatrixControl, bool) override {}
    void setChecked(frontend::CheckControl, bool) override {}
    void setListItems(frontend::ListControl, std::span<const std::string>) override {}
    void setListIndex(frontend::ListControl, int) override {}
    void setVisible(frontend::AnyControl, bool) override {}
    void setEnabled(frontend::AnyControl, bool) override {}
    void setDate(frontend::DateControl, frontend::CalendarDate) override {}
    void setOutOfRange(frontend::Control<frontend::ControlKind::NumericField>,
                       std::string_view) override {}
    void setTrendValue(frontend::Chart, int, float) override {}
    void setTrendVisible(frontend::Chart, int, bool) override {}
    void setTrendRange(frontend::Chart, int, double, double) override {}
    void setTrendUnit(frontend::Chart, int, std::string_view) override {}
    void setTrendScales(frontend::Chart, int, int) override {}
    void setTrendRecording(bool) override {}

    std::optional<double> number(frontend::NumberControl) const override { return 0.0; }
    bool isChecked(frontend::CheckControl) const override { return false; }
    int listIndex(frontend::ListControl) const override { return 0; }
    std::string text(frontend::TextControl) const override { return {}; }
    bool isVisible(frontend::AnyControl) const override { return true; }
    frontend::CalendarDate date(frontend::DateControl) const override { return {}; }
};

}  // namespace orvane::bench
