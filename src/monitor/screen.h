// What the cores write into the window and read back from it. Controls are named by the
// window's object names (`AbNumEdit20`, `Ld_Sovra_Filtro`, `Vr_String`, ...), so the window,
// the cores and the tests share one vocabulary. Implemented by the Qt window and by the
// tests' recording fake; every call happens on the window thread. Texts are UTF-8.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane::monitor {

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

enum class Chart { Trend1, Trifase };  // `Trend_1`, `Trend_Trifase`

class Screen {
  public:
    virtual ~Screen() = default;

    virtual void setNumber(std::string_view control, double value) = 0;  // numeric, spin
    virtual void setLamp(std::string_view control, bool active) = 0;
    virtual void setDigits(std::string_view control, double value) = 0;  // seven-segment
    // Labels, captions (buttons, groups, pages, the window title as "Form1"), text fields
    // and the LED-matrix line `Vr_String`.
    virtual void setText(std::string_view control, std::string_view text) = 0;
    virtual void setAutoScroll(std::string_view control, bool on) = 0;    // `Vr_String`
    virtual void setChecked(std::string_view control, bool checked) = 0;  // check, radio
    virtual void setListItems(std::string_view control,
                              std::span<const std::string> items) = 0;    // empties, refills
    virtual void setListIndex(std::string_view control, int index) = 0;   // -1: none
    virtual void setVisible(std::string_view control, bool visible) = 0;  // pages: their tab
    virtual void setEnabled(std::string_view control, bool enabled) = 0;
    virtual void setDate(std::string_view control, CalendarDate date) = 0;  // `Sel_Data`

    // Trend channels are numbered 1..8.
    virtual void setTrendValue(Chart chart, int channel, float value) = 0;
    virtual void setTrendVisible(Chart chart, int channel, bool visible) = 0;
    virtual void setTrendRange(Chart chart, int channel, double from, double to) = 0;
    virtual void setTrendUnit(Chart chart, int channel, std::string_view unit) = 0;
    // Channels whose ranges label the left and right scales; 0: a plain 0..100 scale.
    virtual void setTrendScales(Chart chart, int leftChannel, int rightChannel) = 0;
    virtual void setTrendRecording(bool on) = 0;  // both charts
    virtual void setPollTimer(bool enabled) = 0;  // `Timer1`
};

class ScreenReader {
  public:
    virtual ~ScreenReader() = default;

    // Nothing while the field shows text the operator typed that is not a number.
    virtual std::optional<double> number(std::string_view control) const = 0;
    virtual bool isChecked(std::string_view control) const = 0;
    virtual int listIndex(std::string_view control) const = 0;  // -1: none selected
    virtual std::string text(std::string_view control) const = 0;
    virtual bool isVisible(std::string_view control) const = 0;  // pages: their tab
    virtual CalendarDate date(std::string_view control) const = 0;
};

}  // namespace orvane::monitor
