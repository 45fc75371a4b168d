#include "ui/pages/three_phase_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "ui/pages/page_building.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"
#include "widgets/trend_chart.h"

namespace orvane::ui {

namespace {

using namespace pages;

const QString kWidestValue = QStringLiteral("-16000.0");

// Names of one phase's controls end in its letter: `Ed_Ten_Conv_R`, `Lb_Tens_R`, ...
std::string Of(const char* stem, char phase) {
    return std::string(stem) + phase;
}

// The same caption width in every group, so the fields line up down the column.
QGridLayout* ReadingsGrid(QGroupBox* box) {
    QGridLayout* grid = GridIn(box);
    grid->setColumnMinimumWidth(0, 15 * box->fontMetrics().averageCharWidth());
    return grid;
}

QGroupBox* PhaseGroup(char phase, const QColor& colour) {
    QGroupBox* box = Group(Of("Gr_Fase_", phase).c_str());
    QGridLayout* grid = ReadingsGrid(box);
    grid->setColumnStretch(3, 1);
    AddRow(grid, 0, Caption(Of("Lb_Tens_", phase).c_str()),
           LiveField(Of("Ed_Ten_Conv_", phase).c_str(), kWidestValue), QStringLiteral("[V]"));
    AddRow(grid, 1, Caption(Of("Lb_Corr_", phase).c_str()),
           LiveField(Of("Ed_Corr_Conv_", phase).c_str(), kWidestValue), QStringLiteral("[A]"));
    AddRow(grid, 2, Caption(Of("Lb_Pot_", phase).c_str()),
           LiveField(Of("Ed_Pot_Conv_", phase).c_str(), kWidestValue), QStringLiteral("[W]"));
    // The phase's colour on `Trend_Trifase`.
    grid->addWidget(Swatch(Of("Lb_Col_Fase_", phase).c_str(), colour), 2, 3, Qt::AlignLeft);
    AddRow(grid, 3, Caption(Of("Lb_No_Fase_", phase).c_str()),
           StatusLamp(Of("Ld_No_Fase_", phase).c_str()));
    return box;
}

QGroupBox* GlobalsGroup() {
    QGroupBox* box = Group("Gr_Globali_Trif");
    QGridLayout* grid = ReadingsGrid(box);
    grid->setColumnStretch(2, 1);
    AddRow(grid, 0, Caption("Lb_Pot_Somma"), LiveField("Ed_Conv_Pot_Somma", kWidestValue),
           QStringLiteral("[W]"));
    AddRow(grid, 1, Caption("Lb_Ciclico_Sinistro"), StatusLamp("Ld_Ciclico_Sin"));
    return box;
}

}  // namespace

ThreePhasePage::ThreePhasePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tab_Trifase"));
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(3, 4, 6, 3);
    page->setSpacing(6);

    QGroupBox* readings = Group("Gr_Lettura_Trifase");
    auto* groups = new QVBoxLayout(readings);
    Compact(groups);
    groups->addWidget(PhaseGroup('R', colour::Lime));
    groups->addWidget(PhaseGroup('S', colour::Yellow));
    groups->addWidget(PhaseGroup('T', colour::Red));
    groups->addWidget(GlobalsGroup());
    groups->addStretch();
    readings->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    page->addWidget(readings);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    page->addLayout(right, 1);
    auto* chart = new widgets::TrendChart;
    chart->setObjectName(QStringLiteral("Trend_Trifase"));
    // Phases R, S, T; the unfed channels 4..8 keep their design colours.
    using namespace colour;
    DesignChart(chart,
                {Lime, Yellow, Red, Fuchsia, Orange, Aqua, ButtonHighlight, ButtonHighlight});
    chart->setScalesShown(false, true);
    chart->setLeftScaleChannel(0);
    chart->setRightScaleChannel(1);
    right->addWidget(chart, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(Button("Button1", QStringLiteral("<--")));
    buttons->addWidget(Button("Bt_Pul_Trend_Trifase"));
    buttons->addWidget(Button("Button3", QStringLiteral("-->")));
    buttons->addStretch();
    right->addLayout(buttons);
}

}  // namespace orvane::ui
