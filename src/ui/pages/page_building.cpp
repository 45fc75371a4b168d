#include "ui/pages/page_building.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVariantList>

#include "ui/pages/channel_label.h"
#include "ui/pages/control_widgets.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"
#include "widgets/trend_chart.h"

namespace orvane::ui::pages {

namespace {

widgets::NumericField* Field(FieldControl control, const QString& widest) {
    auto* field = Build(control);
    field->setFormat(QStringLiteral("#0.#"));
    FitText(field, widest);
    return field;
}

}  // namespace

QGroupBox* Group(Control<ControlKind::Group> control) {
    return Build(control);
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

QLabel* Caption(Control<ControlKind::Label> control) {
    return Build(control);
}

QLabel* FixedText(const QString& text) {
    return new QLabel(text);
}

QLabel* FixedText(const QString& text, Control<ControlKind::Label> control) {
    return Build(control, text);
}

QLabel* Swatch(Control<ControlKind::ChannelLabel> control, const QColor& colour) {
    return Build(control, QStringLiteral("    "), colour);
}

QLabel* ColourCaption(Control<ControlKind::ChannelLabel> control, const QColor& colour) {
    return Build(control, QString(), colour);
}

widgets::NumericField* LiveField(FieldControl control, const QString& widest) {
    widgets::NumericField* field = Field(control, widest);
    // The unit rewrites it on every poll tick; typing into it would only be overwritten.
    field->setReadOnly(true);
    return field;
}

widgets::NumericField* ParameterField(FieldControl control, const QString& widest) {
    return Field(control, widest);
}

widgets::NumericField* OctetField(FieldControl control) {
    widgets::NumericField* field = Field(control, QStringLiteral("255"));
    field->setLowerLimit(0);
    field->setUpperLimit(255);
    return field;
}

widgets::Lamp* StatusLamp(Control<ControlKind::Lamp> control) {
    auto* lamp = Build(control);
    // As tall as a line of 8-point text, so a column of lamps packs like a column of labels.
    const int side = lamp->fontMetrics().height() + 1;
    lamp->setFixedSize(side, side);
    lamp->setLowColours(QColor(255, 0, 0), QColor(0, 0, 0));
    lamp->setHighColours(QColor(0, 255, 0), QColor(0, 128, 0));
    return lamp;
}

QCheckBox* CheckBox(Control<ControlKind::CheckBox> control, const QString& text) {
    return Build(control, text);
}

QPushButton* Button(Control<ControlKind::Button> control, const QString& text) {
    return Build(control, text);
}

QComboBox* List(Control<ControlKind::List> control) {
    auto* list = Build(control);
    list->setEditable(false);
    // The window refills the lists at every language change; follow the longest entry.
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

void FitText(QWidget* field, const QString& widest) {
    const QFontMetrics metrics = field->fontMetrics();
    field->setFixedWidth(metrics.horizontalAdvance(widest) + 2 * metrics.averageCharWidth() + 6);
}

void NameFrom(QWidget* control, NameSource source, const char* suffix) {
    NameFrom(control, {source});
    if (suffix != nullptr)
        control->setProperty(kNameSuffixProperty, QString::fromLatin1(suffix));
}

void NameFrom(QWidget* control, std::initializer_list<std::optional<NameSource>> sources) {
    QVariantList ids;
    for (const std::optional<NameSource>& source : sources)
        if (source)
            ids.append(static_cast<int>(source->id()));
    control->setProperty(kNameFromProperty, ids);
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

widgets::TrendChart* DesignedChart(Control<ControlKind::TrendChart> control,
                                   const QColor (&colours)[8]) {
    widgets::TrendChart* chart = Build(control);
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
    NameFrom(chart, control);
    return chart;
}

}  // namespace orvane::ui::pages
