// A window that is not there: every write is dropped and every read answers as a fresh
// control would (zero, unchecked, the first list entry, no text, visible; charts that hold
// nothing and show no picture). For a program
// without a window, and for benchmarks that measure the cores' own work only. Stateless;
// any thread.
#pragma once

#include "frontend/chart_contents.h"
#include "frontend/screen.h"
#include "frontend/unseen_screen.h"

namespace orvane::frontend {

class NullScreen final : public UnseenScreen, public ScreenReader, public ChartContents {
  public:
    void setNumber(NumberControl, double) override {}
    void setLamp(LampControl, bool) override {}
    void setDigits(DigitsControl, double) override {}
    void setText(TextControl, std::string_view) override {}
    void setChecked(CheckControl, bool) override {}
    void setListItems(ListControl, std::span<const std::string>) override {}
    void setListIndex(ListControl, int) override {}
    void setVisible(AnyControl, bool) override {}
    void setEnabled(AnyControl, bool) override {}
    void setDate(DateControl, CalendarDate) override {}

    std::optional<double> number(NumberControl) const override { return 0.0; }
    bool isChecked(CheckControl) const override { return false; }
    int listIndex(ListControl) const override { return 0; }
    std::string text(TextControl) const override { return {}; }
    bool isVisible(AnyControl) const override { return true; }
    CalendarDate date(DateControl) const override { return {}; }

    std::vector<ChartRecord> heldRecords(Chart) const override { return {}; }
    std::string pictureAsPng(Chart) const override { return {}; }
};

}  // namespace orvane::frontend
