#include "ui/pages/grid_service_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/pages/page_building.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"

namespace orvane::ui {

namespace {

using namespace pages;

// Hz x 10 and percent x 10 limits are at most four digits.

struct Limit {
    const char* caption;
    const char* field;
    const char* range;  // its limit label
};

// A frequency limitation: the enable box, the start and end limits with their limit
// labels, and the rule that ties the two together.
QGroupBox* LimitationGroup(const char* name, const char* enable, const Limit& start,
                           const Limit& end, const char* rule) {
    QGroupBox* box = Group(name);
    QGridLayout* grid = RowGridIn(box);
    grid->addWidget(CheckBox(enable), 0, 0, 1, 3);
    int r = 1;
    for (const Limit& limit : {start, end}) {
        AddRow(grid, r, Caption(limit.caption), ParameterField(limit.field, kWidestParameterValue));
        grid->addWidget(Caption(limit.range), r++, 2);
    }
    grid->addWidget(Caption(rule), r, 0, 1, 3);
    return box;
}

QGroupBox* OvervoltageGroup() {
    return SwitchedFieldGroup({"Gr_SovraTensione", "Ck_Limite_Sovratensione",
                               "Lb_Init_SovraTensione", "Ed_Soglia_Init_Lim",
                               "Lb_Init_Limitazione"});
}

// "Tempo Ritardo Inserimento / Limitazioni in Frequenza:" [list] [ms]
QHBoxLayout* DelayRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    auto* caption = new QVBoxLayout;
    caption->setSpacing(0);
    QLabel* first = Caption("Lb_T_Ritardo_A1");
    caption->addWidget(first);
    caption->addWidget(Caption("Lb_T_Ritardo_A2"));
    row->addLayout(caption);
    QComboBox* delay = List("Ed_Combo_Ritardo");
    first->setBuddy(delay);
    row->addWidget(delay);
    row->addWidget(FixedText(QStringLiteral("[ms]"), "Label320"));
    row->addStretch();
    return row;
}

QGroupBox* GridServicesGroup() {
    QGroupBox* box = Group("Gr_Servizi_Rete");
    auto* column = new QVBoxLayout(box);
    Compact(column);
    column->setSpacing(6);
    column->addWidget(CheckBox("Ck_Ab_Servizi_Rete"));
    column->addWidget(LimitationGroup(
        "Gr_Sottofrequenza", "Ck_Ab_Lim_Sotto",
        {"Lb_Init_Sottofreq", "Ed_Lim_Min_Sotto_Freq", "Lb_Lim_Sotto_Freq_Min"},
        {"Lb_Fine_Sottofrequenza", "Ed_Lim_Max_Sotto_Freq", "Lb_Lim_Sotto_Freq_Max"},
        "Lb_Limiti_Sottofrequenza"));
    column->addWidget(
        LimitationGroup("Gr_SovraFrequenza", "Ck_Ab_Lim_Sovra",
                        {"Lb_Init_SovraFreq", "Ed_Lim_Min_Sovra_Freq", "Lb_Lim_Sovra_Freq_Min"},
                        {"Lb_Fine_Sovra_Freq", "Ed_Lim_Max_Sovra_Freq", "Lb_Lim_Sovra_Freq_Max"},
                        "Lb_Limiti_SovraFrequenza"));
    column->addLayout(DelayRow());
    column->addWidget(OvervoltageGroup());
    return box;
}

QGroupBox* SignalsGroup() {
    QGroupBox* box = Group("Gr_Segnalazioni_Cei_021");
    QGridLayout* grid = RowGridIn(box);
    AddRow(grid, 0, Caption("Lb_SovraFreq"), StatusLamp("Ld_Sovra_Filtro"));
    AddRow(grid, 1, Caption("Lb_SottoFreq"), StatusLamp("Ld_Sotto_Filtro"));
    AddRow(grid, 2, Caption("Lb_SovraTensione"), StatusLamp("Ld_Sovra_T_Filtro"));
    return box;
}

}  // namespace

GridServicePage::GridServicePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tab_Cei_021"));
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 8, 6, 6);
    page->setSpacing(8);
    page->addWidget(GridServicesGroup(), 0, Qt::AlignTop);
    page->addWidget(SignalsGroup(), 0, Qt::AlignTop);
    page->addStretch();
}

}  // namespace orvane::ui
