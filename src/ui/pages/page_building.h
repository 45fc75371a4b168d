// Building blocks shared by the window's pages and its bottom strip. Every control is built
// from its handle in the control table (control_widgets.h), which gives it its class and
// object name, and nothing else the window owns: no language text, no value, no signal
// connection. The window later finds each control by its handle, writes its captions in the
// current language and wires its handlers.
//
// Accessible names follow the captions, so they follow the language: a caption label that
// names one control becomes its buddy; a control without a caption of its own points at the
// labels or group that name it through the property `orvaneNameFrom` (a list of their
// ControlIds, whose captions are read in order), plus a fixed, language-free
// `orvaneNameSuffix` where several controls share one caption.
//
// Everything built here belongs to the widget it is placed in; GUI thread only.
#pragma once

#include <QColor>
#include <QString>
#include <initializer_list>
#include <optional>

#include "frontend/control_table.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace orvane::widgets {
class Lamp;
class NumericField;
class TrendChart;
}  // namespace orvane::widgets

namespace orvane::ui::pages {

using frontend::Control;
using frontend::ControlKind;

inline constexpr char kNameFromProperty[] = "orvaneNameFrom";
inline constexpr char kNameSuffixProperty[] = "orvaneNameSuffix";

// The channel colours of the trend charts, their swatches and coloured captions, and the
// colours of the large command buttons. The button-highlight colour is the classic desktop's
// (white), fixed so that a colour skin cannot change what a channel looks like.
namespace colour {
inline const QColor Lime{0, 255, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor Red{255, 0, 0};
inline const QColor Fuchsia{255, 0, 255};
inline const QColor Orange{255, 128, 64};
inline const QColor Aqua{0, 255, 255};
inline const QColor ButtonHighlight{255, 255, 255};
inline const QColor Teal{0, 128, 128};
inline const QColor Maroon{128, 0, 0};
}  // namespace colour

// Groups and layouts. All pages use the same compact spacing, sized for an 8-point font.
QGroupBox* Group(Control<ControlKind::Group> control);
QGridLayout* GridIn(QWidget* box);
// A grid of rows (caption, control, unit or limit label) whose third column takes the spare
// width, so captions and controls stay together on the left.
QGridLayout* RowGridIn(QWidget* box);
void Compact(QLayout* layout);

// Labels.
QLabel* Caption(Control<ControlKind::Label> control);  // the window writes its text
QLabel* FixedText(const QString& text);                // design text, unnamed
QLabel* FixedText(const QString& text, Control<ControlKind::Label> control);
// In a channel colour under every skin (see channel_label.h): a swatch ("    ") and a
// caption the window writes.
QLabel* Swatch(Control<ControlKind::ChannelLabel> control, const QColor& colour);
QLabel* ColourCaption(Control<ControlKind::ChannelLabel> control, const QColor& colour);

// Inputs and indicators.
// `widest` is the widest text the field has to show, e.g. "-16000.0"; every parameter value
// fits in five digits.
inline const QString kWidestParameterValue = QStringLiteral("00000");
using FieldControl = Control<ControlKind::NumericField>;
widgets::NumericField* LiveField(FieldControl control, const QString& widest);  // read-only
widgets::NumericField* ParameterField(FieldControl control, const QString& widest);
widgets::NumericField* OctetField(FieldControl control);        // 0..255, editable
widgets::Lamp* StatusLamp(Control<ControlKind::Lamp> control);  // red/black off, lime/green on
QCheckBox* CheckBox(Control<ControlKind::CheckBox> control, const QString& text = {});
QPushButton* Button(Control<ControlKind::Button> control, const QString& text = {});
QComboBox* List(Control<ControlKind::List> control);  // not editable, empty

// Fixes the width of a field to show at most `widest` in its current font.
void FitText(QWidget* field, const QString& widest);

// Accessible-name links (see above): the controls whose text can name another.
using NameSource =
    frontend::AnyOf<ControlKind::Label, ControlKind::ChannelLabel, ControlKind::StyledLabel,
                    ControlKind::Group, ControlKind::TrendChart>;
void NameFrom(QWidget* control, NameSource source, const char* suffix = nullptr);
// Named by several captions in a row, e.g. a caption of two lines and its column's heading;
// empty sources are left out.
void NameFrom(QWidget* control, std::initializer_list<std::optional<NameSource>> sources);

// Grid rows: caption, control, optional unit label; the caption names the control. Returns
// the row's unit label, if any.
QLabel* AddRow(QGridLayout* grid, int row, QLabel* caption, QWidget* control,
               const QString& unit = {});

// A parameter group switched by a check box over one row: caption, field, limit label.
struct SwitchedField {
    Control<ControlKind::Group> group;
    Control<ControlKind::CheckBox> check;
    Control<ControlKind::Label> caption;
    FieldControl field;
    Control<ControlKind::Label> limit;
};
QGroupBox* SwitchedFieldGroup(const SwitchedField& names);

// A trend chart with the design settings shared by both charts: record interval, grid width,
// records kept while following, following on, cursor, grid, time axis, separators and the
// upper limit line; `colours` are channels 1..8.
widgets::TrendChart* DesignedChart(Control<ControlKind::TrendChart> control,
                                   const QColor (&colours)[8]);

}  // namespace orvane::ui::pages
