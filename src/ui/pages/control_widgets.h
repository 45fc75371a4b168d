// The Qt class behind each kind of control, and the one way a page creates a named control:
// from its handle, so the widget's class and objectName both come from the control table and
// a page cannot give a control another class or name. GUI thread only.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <concepts>
#include <utility>

#include "frontend/control_table.h"
#include "ui/pages/channel_label.h"
#include "ui/pages/port_list.h"
#include "ui/picture/product_picture.h"
#include "ui/window/qt_text.h"
#include "widgets/check_lamp.h"
#include "widgets/digit_group.h"
#include "widgets/lamp.h"
#include "widgets/large_button.h"
#include "widgets/led_matrix_line.h"
#include "widgets/numeric_field.h"
#include "widgets/spin_field.h"
#include "widgets/styled_label.h"
#include "widgets/trend_chart.h"

namespace orvane::ui {

template <frontend::ControlKind K>
struct WidgetFor;

#define ORVANE_WIDGET_FOR(kind, Class)              \
    template <>                                     \
    struct WidgetFor<frontend::ControlKind::kind> { \
        using type = Class;                         \
    };
// The window and its pages are classes of their own; they name themselves (NameSelf).
ORVANE_WIDGET_FOR(Window, QWidget)
ORVANE_WIDGET_FOR(Page, QWidget)
ORVANE_WIDGET_FOR(PageControl, QTabWidget)
ORVANE_WIDGET_FOR(Group, QGroupBox)
ORVANE_WIDGET_FOR(Label, QLabel)
ORVANE_WIDGET_FOR(ChannelLabel, ChannelLabel)
ORVANE_WIDGET_FOR(StyledLabel, widgets::StyledLabel)
ORVANE_WIDGET_FOR(Button, QPushButton)
ORVANE_WIDGET_FOR(LargeButton, widgets::LargeButton)
ORVANE_WIDGET_FOR(CheckBox, QCheckBox)
ORVANE_WIDGET_FOR(RadioButton, QRadioButton)
ORVANE_WIDGET_FOR(CheckLamp, widgets::CheckLamp)
ORVANE_WIDGET_FOR(List, QComboBox)
ORVANE_WIDGET_FOR(PortList, PortList)
ORVANE_WIDGET_FOR(NumericField, widgets::NumericField)
ORVANE_WIDGET_FOR(SpinField, widgets::SpinField)
ORVANE_WIDGET_FOR(TextField, QLineEdit)
ORVANE_WIDGET_FOR(Lamp, widgets::Lamp)
ORVANE_WIDGET_FOR(DigitGroup, widgets::DigitGroup)
ORVANE_WIDGET_FOR(MatrixLine, widgets::LedMatrixLine)
ORVANE_WIDGET_FOR(DatePicker, QDateEdit)
ORVANE_WIDGET_FOR(TrendChart, widgets::TrendChart)
ORVANE_WIDGET_FOR(EventTable, QTableView)
ORVANE_WIDGET_FOR(Picture, ProductPicture)
#undef ORVANE_WIDGET_FOR

template <frontend::ControlKind K>
using WidgetOf = typename WidgetFor<K>::type;

// The exact class a control of `kind` has in the window.
const QMetaObject& WidgetClassOf(frontend::ControlKind kind);

inline QString ObjectName(frontend::AnyControl control) {
    return ToQString(control.name());
}

// Creates the control's widget (constructor arguments passed on) under its layout name.
template <frontend::ControlKind K, class... Args>
WidgetOf<K>* Build(frontend::Control<K> control, Args&&... args) {
    auto* widget = new WidgetOf<K>(std::forward<Args>(args)...);
    widget->setObjectName(ObjectName(control));
    return widget;
}

// The same as a subclass that adds behaviour to the kind's class. Without a meta-object of
// its own, it still passes the window's check of each control's exact class.
template <class Class, frontend::ControlKind K, class... Args>
requires std::derived_from<Class, WidgetOf<K>> Class* BuildAs(frontend::Control<K> control,
                                                              Args&&... args) {
    auto* widget = new Class(std::forward<Args>(args)...);
    widget->setObjectName(ObjectName(control));
    return widget;
}

// The window and its pages, built as classes of their own, take their names here.
inline void NameSelf(
    QWidget& widget,
    frontend::AnyOf<frontend::ControlKind::Window, frontend::ControlKind::Page> control) {
    widget.setObjectName(ObjectName(control));
}

}  // namespace orvane::ui
