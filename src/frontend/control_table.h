// Every control of the window, listed once in `controls.def`: its layout name (the widget's
// objectName), its widget kind and where its caption comes from. The pages build their
// controls from this table, the Qt binding checks the built window against it, and the cores
// and the tests name a control by its typed handle (`controls::AbNumEdit20`): a misspelt
// name, or a handle of a kind a call does not take, does not compile. Constant data; any
// thread.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/message_catalogue.h"

namespace orvane::frontend {

// The widget classes the window is built from (the Qt binding maps each to its class).
enum class ControlKind : std::uint8_t {
    Window,       // the main window itself; its text is the title
    PageControl,  // the tab widget that holds the pages
    Page,         // one tab; its text and visibility are the tab's
    Group,        // group box; its text is the title
    Label,
    ChannelLabel,  // label filled with a trend channel's colour: swatch or coloured caption
    StyledLabel,   // raised or engraved caption
    Button,
    LargeButton,  // coloured command button
    CheckBox,
    RadioButton,
    CheckLamp,  // check box drawn as a lamp
    List,       // drop-down list
    PortList,   // the port list, whose closed box shows short labels
    NumericField,
    SpinField,  // numeric field with step buttons
    TextField,
    Lamp,
    DigitGroup,  // seven-segment digits
    MatrixLine,  // scrolling LED-matrix text line
    DatePicker,
    TrendChart,
    EventTable,  // the journal's rows, drawn from the journal itself
    Picture,     // drawn product picture
};
inline constexpr std::size_t ControlKindCount = static_cast<std::size_t>(ControlKind::Picture) + 1;

// Where a control's text comes from.
enum class CaptionSource : std::uint8_t {
    None,            // no text, or a fixed design text set by its page
    Row,             // a catalogue row, written whenever a language is applied
    RowWithProduct,  // the row followed by the product word
    FreeRow,         // a catalogue row, written when the free configuration is shown
    Elsewhere,       // written by the cores: link state, formatted limits, values
};

struct ControlCaption {
    CaptionSource source = CaptionSource::None;
    int row = 0;  // catalogue row for Row, RowWithProduct and FreeRow
};

// The words of the caption column in `controls.def`. Rows added since the table's first
// release are named (`row::JournalPage`), so renumbered catalogue rows carry the captions along.
namespace caption_column {
namespace row = catalogue::row;
inline constexpr ControlCaption NoCaption{};
inline constexpr ControlCaption SetElsewhere{CaptionSource::Elsewhere, 0};
constexpr ControlCaption Caption(int row) {
    return {CaptionSource::Row, row};
}
constexpr ControlCaption CaptionWithProduct(int row) {
    return {CaptionSource::RowWithProduct, row};
}
constexpr ControlCaption FreeCaption(int row) {
    return {CaptionSource::FreeRow, row};
}
}  // namespace caption_column

enum class ControlId : std::uint16_t {
#define ORVANE_CONTROL(name, kind, caption) name,
#include "frontend/controls.def"
#undef ORVANE_CONTROL
};

struct ControlInfo {
    std::string_view name;  // layout name = objectName
    ControlKind kind;
    ControlCaption caption;
};

inline constexpr std::size_t ControlCount =
#define ORVANE_CONTROL(name, kind, caption) 1 +
#include "frontend/controls.def"
#undef ORVANE_CONTROL
    0;

inline constexpr std::array<ControlInfo, ControlCount> ControlTable = [] {
    using namespace caption_column;
    return std::array<ControlInfo, ControlCount>{{
#define ORVANE_CONTROL(name, kind, caption) {#name, ControlKind::kind, caption},
#include "frontend/controls.def"
#undef ORVANE_CONTROL
    }};
}();

constexpr std::size_t IndexOf(ControlId id) {
    return static_cast<std::size_t>(id);
}
constexpr const ControlInfo& Describe(ControlId id) {
    return ControlTable[IndexOf(id)];
}
constexpr std::string_view NameOf(ControlId id) {
    return Describe(id).name;
}

// A control known to be of kind K. Handles come only from the table (`controls::`); building
// one of the wrong kind is refused at compile time.
template <ControlKind K>
class Control {
  public:
    static constexpr ControlKind kind = K;

    consteval explicit Control(ControlId id) : id_(id) {
        if (Describe(id).kind != K)
            throw "the table gives this control another kind";
    }
    constexpr ControlId id() const { return id_; }
    constexpr std::string_view name() const { return NameOf(id_); }

  private:
    ControlId id_;
};

template <ControlKind K, ControlKind... Ks>
inline constexpr bool OneOf = ((K == Ks) || ...);

// A control of any of the kinds Ks: what a call takes when several kinds answer it the same
// way (a number goes into a numeric or a spin field).
template <ControlKind... Ks>
class AnyOf {
  public:
    // clang-format off
    template <ControlKind K>
        requires OneOf<K, Ks...>
    constexpr AnyOf(Control<K> control) : id_(control.id()) {}

    // A narrower choice widens: a check box or radio button is also something checkable.
    template <ControlKind... Os>
        requires (OneOf<Os, Ks...> && ...)
    constexpr AnyOf(AnyOf<Os...> other) : id_(other.id()) {}
    // clang-format on

    constexpr ControlId id() const { return id_; }
    constexpr std::string_view name() const { return NameOf(id_); }

  private:
    ControlId id_;
};

// Any control at all: visibility and the enabled state, and the keys of lookups.
class AnyControl {
  public:
    template <ControlKind K>
    constexpr AnyControl(Control<K> control) : id_(control.id()) {}
    template <ControlKind... Ks>
    constexpr AnyControl(AnyOf<Ks...> control) : id_(control.id()) {}

    constexpr ControlId id() const { return id_; }
    constexpr std::string_view name() const { return NameOf(id_); }
    friend constexpr auto operator<=>(AnyControl, AnyControl) = default;

  private:
    ControlId id_;
};

// The handles: `controls::Lb_Tens_Rete` is the label `Lb_Tens_Rete`.
namespace controls {
#define ORVANE_CONTROL(name, kind, caption) \
    inline constexpr Control<ControlKind::kind> name{ControlId::name};
#include "frontend/controls.def"
#undef ORVANE_CONTROL
}  // namespace controls

}  // namespace orvane::frontend
