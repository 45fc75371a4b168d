#include "ui/window/qt_screen.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include <stdexcept>

#include "ui/pages/control_widgets.h"
#include "ui/pages/fitted_button.h"
#include "ui/window/qt_text.h"
#include "widgets/digit_group.h"
#include "widgets/lamp.h"
#include "widgets/led_matrix_line.h"
#include "widgets/numeric_field.h"
#include "widgets/styled_label.h"
#include "widgets/trend_chart.h"

namespace orvane::ui {

using frontend::AnyControl;
using frontend::ControlCount;
using frontend::ControlId;
using frontend::ControlInfo;
using frontend::ControlKind;
using frontend::ControlTable;
using frontend::IndexOf;

QtScreen::QtScreen(QWidget& window, QTabWidget& pages) : window_(window), pages_(pages) {
    std::string wrong;
    for (std::size_t i = 0; i < ControlCount; ++i) {
        const ControlInfo& info = ControlTable[i];
        const QString name = ToQString(info.name);
        QWidget* widget = info.kind == ControlKind::Window
                              ? (window.objectName() == name ? &window : nullptr)
                              : window.findChild<QWidget*>(name);
        const bool fits =
            widget != nullptr &&
            (info.kind == ControlKind::Window ||
             (info.kind == ControlKind::Page ? pageIndex(widget) >= 0
                                             : widget->metaObject() == &WidgetClassOf(info.kind)));
        if (!fits) {
            wrong += ' ';
            wrong += info.name;
            wrong += widget == nullptr
                         ? " (missing)"
                         : std::string(" (") + widget->metaObject()->className() + ')';
        }
        widgets_[i] = widget;
    }
    if (!wrong.empty())
        throw std::logic_error("controls missing from the window or of another class:" + wrong);
}

QWidget* QtScreen::widget(AnyControl control) const {
    return widgets_[IndexOf(control.id())];
}

template <class T>
T* QtScreen::as(AnyControl control) const {
    // Each widget's class was checked against its kind at construction.
    return static_cast<T*>(widget(control));
}

int QtScreen::pageIndex(const QWidget* widget) const {
    return widget == nullptr ? -1 : pages_.indexOf(const_cast<QWidget*>(widget));
}

widgets::TrendChart* QtScreen::chart(frontend::Chart which) const {
    return as<widgets::TrendChart>(frontend::ChartControl(which));
}

void QtScreen::setNumber(frontend::NumberControl control, double value) {
    as<widgets::NumericField>(control)->setValue(value);
}

void QtScreen::setLamp(frontend::LampControl control, bool active) {
    as<widgets::Lamp>(control)->setActive(active);
}

void QtScreen::setDigits(frontend::DigitsControl control, double value) {
    as<widgets::DigitGroup>(control)->setValue(value);
}

void QtScreen::setText(frontend::TextControl control, std::string_view text) {
    QWidget* w = widget(control);
    const QString t = ToQString(text);
    switch (Describe(control.id()).kind) {
        case ControlKind::Window:
            window_.setWindowTitle(t);
            break;
        case ControlKind::Page:
            pages_.setTabText(pageIndex(w), t);
            break;
        case ControlKind::Group:
            static_cast<QGroupBox*>(w)->setTitle(t);
            break;
        case ControlKind::Label:
        case ControlKind::ChannelLabel:
            if (auto* label = static_cast<QLabel*>(w); label->text() != t)
                label->setText(t);  // the firmware label is written on every tick
            break;
        case ControlKind::StyledLabel:
            static_cast<widgets::StyledLabel*>(w)->setText(t);
            break;
        case ControlKind::MatrixLine:
            static_cast<widgets::LedMatrixLine*>(w)->setText(t);
            break;
        case ControlKind::TrendChart:
            static_cast<widgets::TrendChart*>(w)->setCaption(t);
            break;
        case ControlKind::TextField:
            static_cast<QLineEdit*>(w)->setText(t);
            break;
        default:  // the buttons and boxes
            if (auto* fitted = dynamic_cast<FittedButton*>(w))
                fitted->relabel(t);
            else
                static_cast<QAbstractButton*>(w)->setText(t);
            break;
    }
}

void QtScreen::setAutoScroll(frontend::MatrixControl control, bool on) {
    as<widgets::LedMatrixLine>(control)->setAutoScroll(on);
}

void QtScreen::setChecked(frontend::CheckControl control, bool checked) {
    auto* button = as<QAbstractButton>(control);
    if (button->isChecked() == checked)
        return;
    // The checked radio button of a pair refuses to be unchecked; the unit's flags may
    // still say "neither", and the window must show what the set holds.
    auto* radio = qobject_cast<QRadioButton*>(button);
    const bool exclusive = radio != nullptr && radio->autoExclusive();
    if (exclusive && !checked)
        radio->setAutoExclusive(false);
    button->setChecked(checked);
    if (exclusive && !checked)
        radio->setAutoExclusive(true);
}

void QtScreen::setListItems(frontend::ListControl control, std::span<const std::string> items) {
    auto* list = as<QComboBox>(control);
    const QSignalBlocker quiet(list);
    list->clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items)
        texts.append(QString::fromStdString(item));
    list->addItems(texts);
    list->setCurrentIndex(-1);  // a refilled list has nothing selected until it is told
}

void QtScreen::setListIndex(frontend::ListControl control, int index) {
    auto* list = as<QComboBox>(control);
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void QtScreen::setVisible(AnyControl control, bool visible) {
    QWidget* w = widget(control);
    if (const int page = pageIndex(w); page >= 0)
        pages_.setTabVisible(page, visible);
    else
        w->setVisible(visible);
}

void QtScreen::setEnabled(AnyControl control, bool enabled) {
    widget(control)->setEnabled(enabled);
}

void QtScreen::setDate(frontend::DateControl control, frontend::CalendarDate date) {
    if (const QDate value(date.year, date.month, date.day); value.isValid())
        as<QDateEdit>(control)->setDate(value);
}

void QtScreen::setOutOfRange(frontend::Control<frontend::ControlKind::NumericField> control,
                             std::string_view tip) {
    as<widgets::NumericField>(control)->setOutOfRange(ToQString(tip));
}

void QtScreen::setTip(frontend::TipControl control, std::string_view tip) {
    widget(control)->setToolTip(ToQString(tip));
}

void QtScreen::setTrendValue(frontend::Chart which, int channel, float value) {
    if (auto* c = chart(which))
        c->setChannelValue(channel, value);
}

void QtScreen::setTrendVisible(frontend::Chart which, int channel, bool visible) {
    if (auto* c = chart(which))
        c->setChannelVisible(channel, visible);
}

void QtScreen::setTrendRange(frontend::Chart which, int channel, double from, double to) {
    if (auto* c = chart(which))
        c->setChannelRange(channel, from, to);
}

void QtScreen::setTrendUnit(frontend::Chart which, int channel, std::string_view unit) {
    if (auto* c = chart(which))
        c->setChannelUnit(channel, ToQString(unit));
}

void QtScreen::setTrendScales(frontend::Chart which, int leftChannel, int rightChannel) {
    if (auto* c = chart(which)) {
        c->setLeftScaleChannel(leftChannel);
        c->setRightScaleChannel(rightChannel);
    }
}

void QtScreen::setTrendRecording(bool on) {
    for (frontend::Chart which : {frontend::Chart::Trend1, frontend::Chart::Trifase})
        if (auto* c = chart(which))
            c->setRecording(on);
}

std::optional<double> QtScreen::number(frontend::NumberControl control) const {
    const auto* field = as<widgets::NumericField>(control);
    if (!field->holdsNumber())
        return std::nullopt;
    return field->value();
}

bool QtScreen::isChecked(frontend::CheckControl control) const {
    return as<QAbstractButton>(control)->isChecked();
}

int QtScreen::listIndex(frontend::ListControl control) const {
    return as<QComboBox>(control)->currentIndex();
}

std::string QtScreen::text(frontend::TextControl control) const {
    return captionOf(control.id());
}

std::string QtScreen::captionOf(ControlId id) const {
    const QWidget* w = widgets_[IndexOf(id)];
    QString t;
    switch (Describe(id).kind) {
        case ControlKind::Window:
            t = window_.windowTitle();
            break;
        case ControlKind::Page:
            t = pages_.tabText(pageIndex(w));
            break;
        case ControlKind::Group:
            t = static_cast<const QGroupBox*>(w)->title();
            break;
        case ControlKind::Label:
        case ControlKind::ChannelLabel:
            t = static_cast<const QLabel*>(w)->text();
            break;
        case ControlKind::StyledLabel:
            t = static_cast<const widgets::StyledLabel*>(w)->text();
            break;
        case ControlKind::MatrixLine:
            t = static_cast<const widgets::LedMatrixLine*>(w)->text();
            break;
        case ControlKind::TrendChart:
            t = static_cast<const widgets::TrendChart*>(w)->caption();
            break;
        case ControlKind::TextField:
            t = static_cast<const QLineEdit*>(w)->text();
            break;
        case ControlKind::List:
        case ControlKind::PortList:
            t = static_cast<const QComboBox*>(w)->currentText();
            break;
        case ControlKind::Button:
        case ControlKind::LargeButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::CheckLamp:
            t = static_cast<const QAbstractButton*>(w)->text();
            break;
        default:
            break;
    }
    return t.toStdString();
}

bool QtScreen::isVisible(AnyControl control) const {
    const QWidget* w = widget(control);
    if (const int page = pageIndex(w); page >= 0)
        return pages_.isTabVisible(page);
    // The control's own setting, as the cores set it, whether or not the window is shown.
    return !w->isHidden();
}

frontend::CalendarDate QtScreen::date(frontend::DateControl control) const {
    const QDate d = as<QDateEdit>(control)->date();
    return {d.year(), d.month(), d.day()};
}

static_assert(widgets::kTrendChannels == frontend::ChartChannels);

std::vector<frontend::ChartRecord> QtScreen::heldRecords(frontend::Chart which) const {
    std::vector<frontend::ChartRecord> records;
    const auto& held = chart(which)->model().records();
    records.reserve(held.size());
    for (const widgets::TrendRecord& r : held) {
        frontend::ChartRecord record{r.timeMs, {}};
        std::copy(r.values.begin(), r.values.end(), record.values.begin());
        records.push_back(record);
    }
    return records;
}

std::string QtScreen::pictureAsPng(frontend::Chart which) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !chart(which)->grab().save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}

}  // namespace orvane::ui
