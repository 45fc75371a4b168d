#include "ui/window/qt_screen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>

#include "ui/window/qt_text.h"
#include "widgets/digit_group.h"
#include "widgets/lamp.h"
#include "widgets/led_matrix_line.h"
#include "widgets/numeric_field.h"
#include "widgets/styled_label.h"
#include "widgets/trend_chart.h"

namespace orvane::ui {

QtScreen::QtScreen(QWidget& window, QTabWidget& pages, QTimer& timer)
    : window_(window), pages_(pages), timer_(timer) {}

QWidget* QtScreen::find(std::string_view control) const {
    // Looked up by the core's own text: a tick writes about a hundred names.
    if (const auto it = cache_.find(control); it != cache_.end() && it->second)
        return it->second;
    const QString name = ToQString(control);
    QWidget* widget = window_.objectName() == name ? &window_ : window_.findChild<QWidget*>(name);
    if (widget == nullptr) {
        missing_.emplace(control);
        return nullptr;
    }
    cache_.insert_or_assign(std::string(control), widget);
    return widget;
}

template <class T>
T* QtScreen::as(std::string_view control) const {
    return qobject_cast<T*>(find(control));
}

int QtScreen::pageIndex(const QWidget* widget) const {
    return widget == nullptr ? -1 : pages_.indexOf(const_cast<QWidget*>(widget));
}

widgets::TrendChart* QtScreen::chart(monitor::Chart which) const {
    return as<widgets::TrendChart>(which == monitor::Chart::Trend1 ? "Trend_1" : "Trend_Trifase");
}

void QtScreen::setNumber(std::string_view control, double value) {
    if (auto* field = as<widgets::NumericField>(control))
        field->setValue(value);
}

void QtScreen::setLamp(std::string_view control, bool active) {
    QWidget* widget = find(control);
    if (auto* lamp = qobject_cast<widgets::Lamp*>(widget))
        lamp->setActive(active);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setChecked(active);
}

void QtScreen::setDigits(std::string_view control, double value) {
    if (auto* digits = as<widgets::DigitGroup>(control))
        digits->setValue(value);
}

void QtScreen::setText(std::string_view control, std::string_view text) {
    QWidget* widget = find(control);
    if (widget == nullptr)
        return;
    const QString t = ToQString(text);
    if (widget == &window_) {
        window_.setWindowTitle(t);
    } else if (const int page = pageIndex(widget); page >= 0) {
        pages_.setTabText(page, t);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(t);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != t)  // the firmware label is written on every tick
            label->setText(t);
    } else if (auto* styled = qobject_cast<widgets::StyledLabel*>(widget)) {
        styled->setText(t);
    } else if (auto* matrix = qobject_cast<widgets::LedMatrixLine*>(widget)) {
        matrix->setText(t);
    } else if (auto* trend = qobject_cast<widgets::TrendChart*>(widget)) {
        trend->setCaption(t);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(t);
    } else if (auto* field = qobject_cast<widgets::NumericField*>(widget)) {
        (void)field;  // a numeric field takes numbers only
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(t);
    }
}

void QtScreen::setAutoScroll(std::string_view control, bool on) {
    if (auto* matrix = as<widgets::LedMatrixLine>(control))
        matrix->setAutoScroll(on);
}

void QtScreen::setChecked(std::string_view control, bool checked) {
    auto* button = as<QAbstractButton>(control);
    if (button == nullptr || button->isChecked() == checked)
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

void QtScreen::setListItems(std::string_view control, std::span<const std::string> items) {
    auto* list = as<QComboBox>(control);
    if (list == nullptr)
        return;
    const QSignalBlocker quiet(list);
    list->clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items)
        texts.append(QString::fromStdString(item));
    list->addItems(texts);
    list->setCurrentIndex(-1);  // a refilled list has nothing selected until it is told
}

void QtScreen::setListIndex(std::string_view control, int index) {
    auto* list = as<QComboBox>(control);
    if (list == nullptr)
        return;
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void QtScreen::setVisible(std::string_view control, bool visible) {
    QWidget* widget = find(control);
    if (widget == nullptr)
        return;
    if (const int page = pageIndex(widget); page >= 0)
        pages_.setTabVisible(page, visible);
    else
        widget->setVisible(visible);
}

void QtScreen::setEnabled(std::string_view control, bool enabled) {
    if (QWidget* widget = find(control))
        widget->setEnabled(enabled);
}

void QtScreen::setDate(std::string_view control, monitor::CalendarDate date) {
    const QDate value(date.year, date.month, date.day);
    if (auto* edit = as<QDateEdit>(control); edit != nullptr && value.isValid())
        edit->setDate(value);
}

void QtScreen::setTrendValue(monitor::Chart which, int channel, float value) {
    if (auto* c = chart(which))
        c->setChannelValue(channel, value);
}

void QtScreen::setTrendVisible(monitor::Chart which, int channel, bool visible) {
    if (auto* c = chart(which))
        c->setChannelVisible(channel, visible);
}

void QtScreen::setTrendRange(monitor::Chart which, int channel, double from, double to) {
    if (auto* c = chart(which))
        c->setChannelRange(channel, from, to);
}

void QtScreen::setTrendUnit(monitor::Chart which, int channel, std::string_view unit) {
    if (auto* c = chart(which))
        c->setChannelUnit(channel, ToQString(unit));
}

void QtScreen::setTrendScales(monitor::Chart which, int leftChannel, int rightChannel) {
    if (auto* c = chart(which)) {
        c->setLeftScaleChannel(leftChannel);
        c->setRightScaleChannel(rightChannel);
    }
}

void QtScreen::setTrendRecording(bool on) {
    for (monitor::Chart which : {monitor::Chart::Trend1, monitor::Chart::Trifase})
        if (auto* c = chart(which))
            c->setRecording(on);
}

void QtScreen::setPollTimer(bool enabled) {
    if (!enabled)
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start();
}

std::optional<double> QtScreen::number(std::string_view control) const {
    const auto* field = as<widgets::NumericField>(control);
    if (field == nullptr)
        return 0.0;
    if (!field->holdsNumber())
        return std::nullopt;
    return field->value();
}

bool QtScreen::isChecked(std::string_view control) const {
    const auto* button = as<QAbstractButton>(control);
    return button != nullptr && button->isChecked();
}

int QtScreen::listIndex(std::string_view control) const {
    const auto* list = as<QComboBox>(control);
    return list != nullptr ? list->currentIndex() : -1;
}

std::string QtScreen::text(std::string_view control) const {
    const QWidget* widget = find(control);
    QString t;
    if (widget == nullptr)
        return {};
    if (widget == &window_)
        t = window_.windowTitle();
    else if (const int page = pageIndex(widget); page >= 0)
        t = pages_.tabText(page);
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        t = group->title();
    else if (const auto* label = qobject_cast<const QLabel*>(widget))
        t = label->text();
    else if (const auto* styled = qobject_cast<const widgets::StyledLabel*>(widget))
        t = styled->text();
    else if (const auto* matrix = qobject_cast<const widgets::LedMatrixLine*>(widget))
        t = matrix->text();
    else if (const auto* trend = qobject_cast<const widgets::TrendChart*>(widget))
        t = trend->caption();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        t = button->text();
    else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        t = edit->text();
    else if (const auto* list = qobject_cast<const QComboBox*>(widget))
        t = list->currentText();
    return t.toStdString();
}

bool QtScreen::isVisible(std::string_view control) const {
    const QWidget* widget = find(control);
    if (widget == nullptr)
        return false;
    if (const int page = pageIndex(widget); page >= 0)
        return pages_.isTabVisible(page);
    // The control's own setting, as the cores set it, whether or not the window is shown.
    return !widget->isHidden();
}

monitor::CalendarDate QtScreen::date(std::string_view control) const {
    const auto* edit = as<QDateEdit>(control);
    if (edit == nullptr)
        return {};
    const QDate d = edit->date();
    return {d.year(), d.month(), d.day()};
}

}  // namespace orvane::ui
