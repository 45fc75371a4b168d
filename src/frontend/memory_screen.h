// A window that is not shown: every control keeps what was last written to it and reads it
// back, so the cores' sequences that go through the controls (parameters shown and collected,
// the clock-setting fields, the selected port and language) work as in the window. Controls
// never written read as fresh ones would (zero, unchecked, nothing selected, no text,
// visible, enabled); trend channels are dropped. For a program without a window. Owned by
// that program; one thread.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "frontend/screen.h"
#include "frontend/unseen_screen.h"

namespace orvane::frontend {

class MemoryScreen final : public UnseenScreen, public ScreenReader {
  public:
    void setNumber(NumberControl c, double value) override { at(c).number = value; }
    void setLamp(LampControl c, bool active) override { at(c).checked = active; }
    void setDigits(DigitsControl c, double value) override { at(c).number = value; }
    void setText(TextControl c, std::string_view text) override { at(c).text = text; }
    void setChecked(CheckControl c, bool checked) override { at(c).checked = checked; }
    void setListItems(ListControl c, std::span<const std::string> items) override {
        at(c).items.assign(items.begin(), items.end());
    }
    void setListIndex(ListControl c, int index) override { at(c).index = index; }
    void setVisible(AnyControl c, bool visible) override { at(c).visible = visible; }
    void setEnabled(AnyControl c, bool enabled) override { at(c).enabled = enabled; }
    void setDate(DateControl c, CalendarDate date) override { at(c).date = date; }

    std::optional<double> number(NumberControl c) const override { return at(c).number; }
    bool isChecked(CheckControl c) const override { return at(c).checked; }
    int listIndex(ListControl c) const override { return at(c).index; }
    std::string text(TextControl c) const override { return at(c).text; }
    bool isVisible(AnyControl c) const override { return at(c).visible; }
    CalendarDate date(DateControl c) const override { return at(c).date; }

    // The entries last given to a list.
    const std::vector<std::string>& listItems(ListControl c) const { return at(c).items; }
    bool isEnabled(AnyControl c) const { return at(c).enabled; }

  private:
    struct State {
        double number = 0.0;
        bool checked = false;
        int index = -1;
        std::string text;
        std::vector<std::string> items;
        bool visible = true;
        bool enabled = true;
        CalendarDate date;
    };
    template <class Handle>
    State& at(Handle c) {
        return controls_[static_cast<std::size_t>(c.id())];
    }
    template <class Handle>
    const State& at(Handle c) const {
        return controls_[static_cast<std::size_t>(c.id())];
    }

    std::array<State, ControlCount> controls_{};
};

}  // namespace orvane::frontend
