// What the cores write into the window and read back from it. Every call names its control by
// a typed handle from the control table, and each call takes only the kinds that can answer
// it: a lamp handle given to setNumber does not compile. Implemented by the Qt window and by
// the tests' recording fake; every call happens on the window thread. Texts are UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "frontend/control_table.h"

namespace orvane::frontend {

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

enum class Chart { Trend1, Trifase };  // `Trend_1`, `Trend_Trifase`

constexpr Control<ControlKind::TrendChart> ChartControl(Chart chart) {
    return chart == Chart::Trend1 ? controls::Trend_1 : controls::Trend_Trifase;
}

// What each call accepts.
using NumberControl = AnyOf<ControlKind::NumericField, ControlKind::SpinField>;
using LampControl = Control<ControlKind::Lamp>;
using DigitsControl = Control<ControlKind::DigitGroup>;
// Captions (the window's title, pages, groups, labels, buttons, boxes, charts), text fields
// and the LED-matrix line.
using TextControl = AnyOf<ControlKind::Window, ControlKind::Page, ControlKind::Group,
                          ControlKind::Label, ControlKind::ChannelLabel, ControlKind::StyledLabel,
                          ControlKind::Button, ControlKind::LargeButton, ControlKind::CheckBox,
                          ControlKind::RadioButton, ControlKind::CheckLamp, ControlKind::MatrixLine,
                          ControlKind::TrendChart, ControlKind::TextField>;
using MatrixControl = Control<ControlKind::MatrixLine>;
using CheckControl = AnyOf<ControlKind::CheckBox, ControlKind::RadioButton, ControlKind::CheckLamp>;
using ListControl = AnyOf<ControlKind::List, ControlKind::PortList>;
using DateControl = Control<ControlKind::DatePicker>;
// Labels that tell more in a tip than their line holds.
using TipControl = Control<ControlKind::Label>;

// A control whose text is a catalogue row, with its entry of the table's caption column.
struct CaptionedControl {
    TextControl control;
    ControlCaption caption;
};

namespace detail {
constexpr bool FromRow(ControlCaption caption) {
    return caption.source == CaptionSource::Row ||
           caption.source == CaptionSource::RowWithProduct ||
           caption.source == CaptionSource::FreeRow;
}
template <ControlKind K>
constexpr std::optional<CaptionedControl> CaptionedOrNot(Control<K> control) {
    const ControlCaption caption = Describe(control.id()).caption;
    if (!FromRow(caption))
        return std::nullopt;
    if constexpr (std::is_convertible_v<Control<K>, TextControl>)
        return CaptionedControl{control, caption};
    else
        throw "a control that shows no text cannot take a caption";
}
inline constexpr std::array<std::optional<CaptionedControl>, ControlCount> EveryControlCaptioned{
#define ORVANE_CONTROL(name, kind, caption) CaptionedOrNot(controls::name),
#include "frontend/controls.def"
#undef ORVANE_CONTROL
};
constexpr std::size_t CaptionedCount() {
    std::size_t n = 0;
    for (const auto& c : EveryControlCaptioned)
        n += c.has_value() ? 1 : 0;
    return n;
}
inline constexpr auto CaptionedIndices = [] {
    std::array<std::size_t, CaptionedCount()> indices{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < EveryControlCaptioned.size(); ++i)
        if (EveryControlCaptioned[i])
            indices[n++] = i;
    return indices;
}();
}  // namespace detail

// Every control whose caption is a catalogue row, in table order.
inline constexpr auto CaptionedControls = []<std::size_t... I>(std::index_sequence<I...>) {
    return std::array<CaptionedControl, sizeof...(I)>{
        *detail::EveryControlCaptioned[detail::CaptionedIndices[I]]...};
}
(std::make_index_sequence<detail::CaptionedCount()>());

class Screen {
  public:
    virtual ~Screen() = default;

    virtual void setNumber(NumberControl control, double value) = 0;
    virtual void setLamp(LampControl control, bool active) = 0;
    virtual void setDigits(DigitsControl control, double value) = 0;
    virtual void setText(TextControl control, std::string_view text) = 0;
    virtual void setAutoScroll(MatrixControl control, bool on) = 0;
    virtual void setChecked(CheckControl control, bool checked) = 0;
    virtual void setListItems(ListControl control, std::span<const std::string> items) = 0;
    virtual void setListIndex(ListControl control, int index) = 0;  // -1: none
    virtual void setVisible(AnyControl control, bool visible) = 0;  // pages: their tab
    virtual void setEnabled(AnyControl control, bool enabled) = 0;
    virtual void setDate(DateControl control, CalendarDate date) = 0;
    // Marks a numeric field whose value is outside its limits, `tip` telling them; an empty
    // tip clears the mark.
    virtual void setOutOfRange(Control<ControlKind::NumericField> control,
                               std::string_view tip) = 0;
    // The tip over a label (also its accessible description); lines separated by '\n'.
    virtual void setTip(TipControl control, std::string_view tip) = 0;

    // Trend channels are numbered 1..8.
    virtual void setTrendValue(Chart chart, int channel, float value) = 0;
    virtual void setTrendVisible(Chart chart, int channel, bool visible) = 0;
    virtual void setTrendRange(Chart chart, int channel, double from, double to) = 0;
    virtual void setTrendUnit(Chart chart, int channel, std::string_view unit) = 0;
    // Channels whose ranges label the left and right scales; 0: a plain 0..100 scale.
    virtual void setTrendScales(Chart chart, int leftChannel, int rightChannel) = 0;
    virtual void setTrendRecording(bool on) = 0;  // both charts
};

class ScreenReader {
  public:
    virtual ~ScreenReader() = default;

    // Nothing while the field shows text the operator typed that is not a number.
    virtual std::optional<double> number(NumberControl control) const = 0;
    virtual bool isChecked(CheckControl control) const = 0;
    virtual int listIndex(ListControl control) const = 0;  // -1: none selected
    virtual std::string text(TextControl control) const = 0;
    virtual bool isVisible(AnyControl control) const = 0;  // pages: their tab
    virtual CalendarDate date(DateControl control) const = 0;
};

}  // namespace orvane::frontend
