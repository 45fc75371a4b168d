#include "ui/pages/three_phase_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/pages/control_widgets.h"
#include "ui/pages/page_building.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"
#include "widgets/trend_chart.h"

namespace orvane::ui {

namespace controls = frontend::controls;

namespace {

using namespace pages;

const QString kWidestValue = QStringLiteral("-16000.0");

// One phase's controls; their names end in its letter.
struct Phase {
    Control<ControlKind::Group> group;
    Control<ControlKind::Label> voltageCaption;
    FieldControl voltage;
    Control<ControlKind::Label> currentCaption;
    FieldControl current;
    Control<ControlKind::Label> powerCaption;
    FieldControl power;
    Control<ControlKind::ChannelLabel> swatch;
    Control<ControlKind::Label> lossCaption;
    Control<ControlKind::Lamp> loss;
    const QColor& colour;
};

// The same caption width in every group, so the fields line up down the column.
QGridLayout* ReadingsGrid(QGroupBox* box) {
    QGridLayout* grid = GridIn(box);
    grid->setColumnMinimumWidth(0, 15 * box->fontMetrics().averageCharWidth());
    return grid;
}

QGroupBox* PhaseGroup(const Phase& phase) {
    QGroupBox* box = Group(phase.group);
    QGridLayout* grid = ReadingsGrid(box);
    grid->setColumnStretch(3, 1);
    AddRow(grid, 0, Caption(phase.voltageCaption), LiveField(phase.voltage, kWidestValue),
           QStringLiteral("[V]"));
    AddRow(grid, 1, Caption(phase.currentCaption), LiveField(phase.current, kWidestValue),
           QStringLiteral("[A]"));
    AddRow(grid, 2, Caption(phase.powerCaption), LiveField(phase.power, kWidestValue),
           QStringLiteral("[W]"));
    // The phase's colour on `Trend_Trifase`.
    grid->addWidget(Swatch(phase.swatch, phase.colour), 2, 3, Qt::AlignLeft);
    AddRow(grid, 3, Caption(phase.lossCaption), StatusLamp(phase.loss));
    return box;
}

QGroupBox* GlobalsGroup() {
    QGroupBox* box = Group(controls::Gr_Globali_Trif);
    QGridLayout* grid = ReadingsGrid(box);
    grid->setColumnStretch(2, 1);
    AddRow(grid, 0, Caption(controls::Lb_Pot_Somma),
           LiveField(controls::Ed_Conv_Pot_Somma, kWidestValue), QStringLiteral("[W]"));
    AddRow(grid, 1, Caption(controls::Lb_Ciclico_Sinistro), StatusLamp(controls::Ld_Ciclico_Sin));
    return box;
}

}  // namespace

ThreePhasePage::ThreePhasePage(QWidget* parent) : QWidget(parent) {
    NameSelf(*this, controls::Tab_Trifase);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(3, 4, 6, 3);
    page->setSpacing(6);

    QGroupBox* readings = Group(controls::Gr_Lettura_Trifase);
    auto* groups = new QVBoxLayout(readings);
    Compact(groups);
    using namespace frontend::controls;
    const Phase phases[] = {
        {Gr_Fase_R, Lb_Tens_R, Ed_Ten_Conv_R, Lb_Corr_R, Ed_Corr_Conv_R, Lb_Pot_R, Ed_Pot_Conv_R,
         Lb_Col_Fase_R, Lb_No_Fase_R, Ld_No_Fase_R, colour::Lime},
        {Gr_Fase_S, Lb_Tens_S, Ed_Ten_Conv_S, Lb_Corr_S, Ed_Corr_Conv_S, Lb_Pot_S, Ed_Pot_Conv_S,
         Lb_Col_Fase_S, Lb_No_Fase_S, Ld_No_Fase_S, colour::Yellow},
        {Gr_Fase_T, Lb_Tens_T, Ed_Ten_Conv_T, Lb_Corr_T, Ed_Corr_Conv_T, Lb_Pot_T, Ed_Pot_Conv_T,
         Lb_Col_Fase_T, Lb_No_Fase_T, Ld_No_Fase_T, colour::Red},
    };
    for (const Phase& phase : phases)
        groups->addWidget(PhaseGroup(phase));
    groups->addWidget(GlobalsGroup());
    groups->addStretch();
    readings->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    page->addWidget(readings);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    page->addLayout(right, 1);
    // Phases R, S, T; the unfed channels 4..8 keep their design colours.
    using namespace colour;
    widgets::TrendChart* chart =
        DesignedChart(controls::Trend_Trifase,
                      {Lime, Yellow, Red, Fuchsia, Orange, Aqua, ButtonHighlight, ButtonHighlight});
    chart->setScalesShown(false, true);
    chart->setLeftScaleChannel(0);
    chart->setRightScaleChannel(1);
    right->addWidget(chart, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addWidget(Button(controls::Button1, QStringLiteral("<--")));
    buttons->addWidget(Button(controls::Bt_Pul_Trend_Trifase));
    buttons->addWidget(Button(controls::Button3, QStringLiteral("-->")));
    buttons->addStretch();
    buttons->addWidget(Button(controls::Bt_Esporta_Trifase_Csv));
    buttons->addWidget(Button(controls::Bt_Esporta_Trifase_Png));
    right->addLayout(buttons);
}

}  // namespace orvane::ui
