#include "ui/pages/trend_page.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/pages/control_widgets.h"
#include "ui/pages/fitted_button.h"
#include "ui/pages/page_building.h"
#include "ui/pages/realtime_data_column.h"
#include "widgets/trend_chart.h"

namespace orvane::ui {

namespace controls = frontend::controls;

TrendPage::TrendPage(QWidget* parent) : QWidget(parent) {
    using namespace pages;
    NameSelf(*this, controls::Tab_Trend);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(3, 3, 6, 3);
    page->setSpacing(6);
    page->addWidget(BuildRealtimeDataColumn());

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    page->addLayout(right, 1);

    // Channels 1..8: grid, house, battery power, battery voltage, panel power, the supply-stage
    // and charger temperatures, and the unfed eighth; each as its swatch on the left.
    using namespace colour;
    widgets::TrendChart* chart =
        DesignedChart(controls::Trend_1,
                      {Lime, Yellow, Red, Fuchsia, Orange, Aqua, ButtonHighlight, ButtonHighlight});
    chart->setScalesShown(true, true);
    chart->setLeftScaleChannel(1);
    chart->setRightScaleChannel(3);
    // Every channel waits for its "Ab." box.
    for (int channel = 1; channel <= 8; ++channel)
        chart->setChannelVisible(channel, false);
    right->addWidget(chart, 1);

    auto* controls = new QHBoxLayout;
    controls->setSpacing(4);
    QLabel* scaleCaption = Caption(controls::Lb_Cb_Scala_Sinistra);
    QComboBox* scale = List(controls::Cb_Scala);
    scaleCaption->setBuddy(scale);
    controls->addWidget(scaleCaption);
    controls->addWidget(scale);
    controls->addSpacing(24);
    controls->addWidget(Button(controls::Button24, QStringLiteral("<--")));
    controls->addWidget(Button(controls::Bt_Clear_Trend));
    controls->addWidget(Button(controls::Button23, QStringLiteral("-->")));
    controls->addStretch();
    // What the program remembers of the chart: a recording of every value, and the records
    // and the picture the chart holds now.
    controls->addWidget(BuildAs<FittedButton>(controls::Bt_Registra));  // counts its rows
    controls->addSpacing(12);
    controls->addWidget(Button(controls::Bt_Esporta_Trend_Csv));
    controls->addWidget(Button(controls::Bt_Esporta_Trend_Png));
    right->addLayout(controls);
}

}  // namespace orvane::ui
