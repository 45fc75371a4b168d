#include "ui/pages/page_building.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "ui/pages/channel_label.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"
#include "widgets/trend_chart.h"

namespace orvane::ui::pages {

namespace {

template <class W>
W* Named(W* widget, const char* name) {
    if (name != nullptr)
        widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

widgets::NumericField* Field(const char* name, const QString& widest) {
    auto* field = Named(new widgets::NumericField, name);
    field->setFormat(QStringLiteral("#0.#"));
    FitText(field, widest);
    return field;
}

}  // namespace

QGroupBox* Group(const char* name) {
    return Named(new QGroupBox, name);
}

QGridLayout* GridIn(QWidget* box) {
    auto* grid = new QGridLayout(box);
    Compact(grid);
    return grid;
}

QGridLayout* RowGridIn(QWidget* box) {
    QGridLayout* grid = GridIn(box);
    grid->setColumnStretch(2, 1);
    return grid;
}

void Compact(QLayout* layout) {
    layout->setContentsMargins(6, 3, 6, 4);
    layout->setSpacing(3);
}

QLabel* Caption(const char* name) {
    return Named(new QLabel, name);
}

QLabel* FixedText(const QString& text, const char* name) {
    return Named(new QLabel(text), name);
}

QLabel* Swatch(const char* name, const QColor& colour) {
    return Named(new ChannelLabel(QStringLiteral("    "), colour), name);
}

QLabel* ColourCaption(const char* name, const QColor& colour) {
    return Named(new ChannelLabel(QString(), colour), name);
}

widgets::NumericField* LiveField(const char* name, const QString& widest) {
    widgets::NumericField* field = Field(name, widest);
    // The unit rewrites it on every poll tick; typing into it would only be overwritten.
    field->setReadOnly(true);
    return field;
}

widgets::NumericField* ParameterField(const char* name, const QString& widest) {
    return Field(name, widest);
}

widgets::NumericField* OctetField(const char* name) {
    widgets::NumericField* field = Field(name, QStringLiteral("255"));
    field->setLowerLimit(0);
    field->setUpperLimit(255);
    return field;
}

widgets::Lamp* StatusLamp(const char* name) {
    auto* lamp = Named(new widgets::Lamp, name);
    // As tall as a line of 8-point text, so a column of lamps packs like a column of labels.
    const int side = lamp->fontMetrics().height() + 1;
    lamp->setFixedSize(side, side);
    lamp->setLowColours(QColor(255, 0, 0), QColor(0, 0, 0));
    lamp->setHighColours(QColor(0, 255, 0), QColor(0, 128, 0));
    return lamp;
}

QCheckBox* CheckBox(const char* name, const QString& text) {
    return Named(new QCheckBox(text), name);
}

QPushButton* Button(const char* name, const QString& text) {
    return Named(new QPushButton(text), name);
}

QComboBox* List(const char* name) {
    auto* list = Named(new QComboBox, name);
    list->setEditable(false);
    // The window refills the lists at every language change; follow the longest entry.
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

void FitText(QWidget* field, const QString& widest) {
    const QFontMetrics metrics = field->fontMetrics();
    field->setFixedWidth(metrics.horizontalAdvance(widest) + 2 * metrics.averageCharWidth() + 6);
}

void NameFrom(QWidget* control, const char* source, const char* suffix) {
    NameFrom(control, {source});
    if (suffix != nullptr)
        control->setProperty(kNameSuffixProperty, QString::fromLatin1(suffix));
}

void NameFrom(QWidget* control, std::initializer_list<const char*> sources) {
    QStringList names;
    for (const char* source : sources)
        if (source != nullptr)
            names.append(QString::fromUtf8(source));
    control->setProperty(kNameFromProperty, names);
}

QLabel* AddRow(QGridLayout* grid, int row, QLabel* caption, QWidget* control, const QString& unit) {
    grid->addWidget(caption, row, 0);
    grid->addWidget(control, row, 1);
    caption->setBuddy(control);
    if (unit.isEmpty())
        return nullptr;
    QLabel* unitLabel = FixedText(unit);
    grid->addWidget(unitLabel, row, 2);
    return unitLabel;
}

QGroupBox* SwitchedFieldGroup(const SwitchedField& names) {
    QGroupBox* box = Group(names.group);
    QGridLayout* grid = RowGridIn(box);
    grid->addWidget(CheckBox(names.check), 0, 0, 1, 3);
    AddRow(grid, 1, Caption(names.caption), ParameterField(names.field, kWidestParameterValue));
    grid->addWidget(Caption(names.limit), 1, 2);
    return box;
}

void DesignChart(widgets::TrendChart* chart, const QColor (&colours)[8]) {
    for (int channel = 1; channel <= 8; ++channel) {
        chart->setChannelColour(channel, colours[channel - 1]);
        chart->setChannelFormat(channel, QStringLiteral("##0.0"));
    }
    chart->setRecordIntervalMs(1000);
    chart->setGridWidth(60);
    chart->setFollowCap(2000);
    chart->setFollowing(true);
    chart->setCursorShown(true);
    chart->setGridShown(true);
    chart->setTimeAxisShown(true);
    chart->setSeparatorsShown(true);
    chart->setUpperLimit(true, 90, colour::Maroon);
    chart->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Its caption, drawn on the chart, names it.
    NameFrom(chart, chart->objectName().toUtf8().constData());
}

}  // namespace orvane::ui::pages
