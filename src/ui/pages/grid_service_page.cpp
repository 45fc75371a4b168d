#include "ui/pages/grid_service_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/pages/control_widgets.h"
#include "ui/pages/page_building.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"

namespace orvane::ui {

namespace controls = frontend::controls;

namespace {

using namespace pages;

// Hz x 10 and percent x 10 limits are at most four digits.

struct Limit {
    Control<ControlKind::Label> caption;
    FieldControl field;
    Control<ControlKind::Label> range;  // its limit label
};

// A frequency limitation: the enable box, the start and end limits with their limit
// labels, and the rule that ties the two together.
QGroupBox* LimitationGroup(Control<ControlKind::Group> name, Control<ControlKind::CheckBox> enable,
                           const Limit& start, const Limit& end, Control<ControlKind::Label> rule) {
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
    return SwitchedFieldGroup({controls::Gr_SovraTensione, controls::Ck_Limite_Sovratensione,
                               controls::Lb_Init_SovraTensione, controls::Ed_Soglia_Init_Lim,
                               controls::Lb_Init_Limitazione});
}

// "Tempo Ritardo Inserimento / Limitazioni in Frequenza:" [list] [ms]
QHBoxLayout* DelayRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    auto* caption = new QVBoxLayout;
    caption->setSpacing(0);
    QLabel* first = Caption(controls::Lb_T_Ritardo_A1);
    caption->addWidget(first);
    caption->addWidget(Caption(controls::Lb_T_Ritardo_A2));
    row->addLayout(caption);
    QComboBox* delay = List(controls::Ed_Combo_Ritardo);
    first->setBuddy(delay);
    row->addWidget(delay);
    row->addWidget(FixedText(QStringLiteral("[ms]"), controls::Label320));
    row->addStretch();
    return row;
}

QGroupBox* GridServicesGroup() {
    QGroupBox* box = Group(controls::Gr_Servizi_Rete);
    auto* column = new QVBoxLayout(box);
    Compact(column);
    column->setSpacing(6);
    column->addWidget(CheckBox(controls::Ck_Ab_Servizi_Rete));
    column->addWidget(
        LimitationGroup(controls::Gr_Sottofrequenza, controls::Ck_Ab_Lim_Sotto,
                        {controls::Lb_Init_Sottofreq, controls::Ed_Lim_Min_Sotto_Freq,
                         controls::Lb_Lim_Sotto_Freq_Min},
                        {controls::Lb_Fine_Sottofrequenza, controls::Ed_Lim_Max_Sotto_Freq,
                         controls::Lb_Lim_Sotto_Freq_Max},
                        controls::Lb_Limiti_Sottofrequenza));
    column->addWidget(
        LimitationGroup(controls::Gr_SovraFrequenza, controls::Ck_Ab_Lim_Sovra,
                        {controls::Lb_Init_SovraFreq, controls::Ed_Lim_Min_Sovra_Freq,
                         controls::Lb_Lim_Sovra_Freq_Min},
                        {controls::Lb_Fine_Sovra_Freq, controls::Ed_Lim_Max_Sovra_Freq,
                         controls::Lb_Lim_Sovra_Freq_Max},
                        controls::Lb_Limiti_SovraFrequenza));
    column->addLayout(DelayRow());
    column->addWidget(OvervoltageGroup());
    return box;
}

QGroupBox* SignalsGroup() {
    QGroupBox* box = Group(controls::Gr_Segnalazioni_Cei_021);
    QGridLayout* grid = RowGridIn(box);
    AddRow(grid, 0, Caption(controls::Lb_SovraFreq), StatusLamp(controls::Ld_Sovra_Filtro));
    AddRow(grid, 1, Caption(controls::Lb_SottoFreq), StatusLamp(controls::Ld_Sotto_Filtro));
    AddRow(grid, 2, Caption(controls::Lb_SovraTensione), StatusLamp(controls::Ld_Sovra_T_Filtro));
    return box;
}

}  // namespace

GridServicePage::GridServicePage(QWidget* parent) : QWidget(parent) {
    NameSelf(*this, controls::Tab_Cei_021);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 8, 6, 6);
    page->setSpacing(8);
    page->addWidget(GridServicesGroup(), 0, Qt::AlignTop);
    page->addWidget(SignalsGroup(), 0, Qt::AlignTop);
    page->addStretch();
}

}  // namespace orvane::ui
