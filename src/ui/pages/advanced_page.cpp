#include "ui/pages/advanced_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>
#include <span>

#include "ui/pages/clock_groups.h"
#include "ui/pages/control_widgets.h"
#include "ui/pages/page_building.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"

namespace orvane::ui {

namespace controls = frontend::controls;

namespace {

using namespace pages;

struct Reading {
    Control<ControlKind::Label> caption;
    FieldControl field;
};

// Rows of read-only values the unit reports; `widest` is the widest value they show.
void AddReadings(QGridLayout* grid, int& row, std::span<const Reading> readings,
                 const QString& widest) {
    for (const Reading& r : readings)
        AddRow(grid, row++, Caption(r.caption), LiveField(r.field, widest));
}

void AddLampRow(QGridLayout* grid, int row, Control<ControlKind::Label> caption,
                Control<ControlKind::Lamp> lamp) {
    AddRow(grid, row, Caption(caption), StatusLamp(lamp));
}

QGroupBox* BatteryCountersGroup() {
    QGroupBox* box = Group(controls::Gr_Contatori_Batteria);
    QGridLayout* grid = RowGridIn(box);
    const Reading counters[] = {
        {controls::Lb_Carica_Disp_Perc, controls::Ed_Perc_Batt_Disponibile},
        {controls::Lb_Capacita_Attuale, controls::Ed_Cap_Attuale_Batt},
        {controls::Lb_Permille_Vita_Batt, controls::Ed_Num_Permille_Vita_Batteria},
    };
    int row = 0;
    AddReadings(grid, row, counters, QStringLiteral("00000.0"));
    AddLampRow(grid, row++, controls::Lb_Segn_Batt_Esausta, controls::Ld_Batt_Esausta_Num_Cicli);
    grid->addWidget(Button(controls::Bt_Cambio_Batteria), row, 0, 1, 3);
    return box;
}

QGroupBox* ChargeFaultGroup() {
    QGroupBox* box = Group(controls::Gr_Allarme_Carica_Batteria);
    QGridLayout* grid = RowGridIn(box);
    AddLampRow(grid, 0, controls::Lb_Fault_Batteria, controls::Ld_Fault_Batteria_Carica);
    grid->addWidget(Button(controls::Bt_Azzera_All_Carica), 1, 0, 1, 3, Qt::AlignLeft);
    return box;
}

// Energy totals are signed 32-bit watt-hours.
const QString kWidestEnergy = QStringLiteral("-2147483648");

QGroupBox* StorageDataGroup() {
    QGroupBox* box = Group(controls::Grp_Dati_Accumulo);
    QGridLayout* grid = RowGridIn(box);
    const Reading totals[] = {
        {controls::Lb_Wh_Batt_Erogata, controls::Ed_Conv_Wh_Batt_Erog},
        {controls::Lb_Wh_Pannello, controls::Ed_Conv_Wh_Pann},
        {controls::Lb_Wh_Rete_Immessa, controls::Ed_Conv_Wh_Rete_Immessa},
        {controls::Lb_Wh_Rete_Prelevata, controls::Ed_Conv_Wh_Rete_Prelevata},
        {controls::Lb_Wh_Casa, controls::Ed_Conv_Wh_Casa},
        {controls::Lb_Wh_Verso_Inv, controls::Ed_Conv_Wh_Verso_Inverter},
    };
    int row = 0;
    AddReadings(grid, row, totals, kWidestEnergy);
    grid->addWidget(Button(controls::Bt_Reset_Accumulo), row, 0, 1, 3, Qt::AlignLeft);
    return box;
}

QGroupBox* MemoryErrorsGroup() {
    struct ErrorRow {
        Control<ControlKind::Label> caption;
        Control<ControlKind::Lamp> lamp;
        std::optional<FieldControl> number = {};  // the unit's error number, where it reports one
    };
    const ErrorRow rows[] = {
        {controls::Lb_Err_Parametri, controls::Ld_Err_Par_Conf, controls::Ed_Err_Id_PAr},
        {controls::Lb_Err_CEI_021, controls::Ld_Err_Serv_Rete, controls::Ed_Err_Serv_Rete},
        {controls::Lb_Err_Par_Liberi, controls::Ld_Err_Par_Liberi, controls::Ed_Id_Err_Liberi},
        {controls::Lb_Err_EUI, controls::Ld_No_Eui},
        {controls::Lb_Err_Clock, controls::Ld_Clock_No_Presente},
        {controls::Lb_Err_Dati_Storico, controls::Ld_Err_Contatori_Storico},
        {controls::Lb_Err_Cont_Interni, controls::Ld_Err_Contatori_Interni},
        {controls::Lb_Errore_Id, controls::Ld_Err_Id_Orvane},
        {controls::Lb_Err_Dati_Accumulo, controls::Ld_Errore_Dati_Accumulo},
    };
    QGroupBox* box = Group(controls::Gr_Parametri_Runtime_Err_EEprom);
    QGridLayout* grid = GridIn(box);
    grid->setColumnStretch(3, 1);
    int r = 0;
    for (const ErrorRow& row : rows) {
        QLabel* caption = Caption(row.caption);
        widgets::Lamp* lamp = StatusLamp(row.lamp);
        grid->addWidget(caption, r, 0);
        grid->addWidget(lamp, r, 1);
        if (row.number) {
            widgets::NumericField* number = LiveField(*row.number, QStringLiteral("0000"));
            grid->addWidget(number, r, 2);
            caption->setBuddy(number);
            NameFrom(lamp, row.caption);
        } else {
            caption->setBuddy(lamp);
        }
        ++r;
    }
    return box;
}

QGroupBox* HiddenTotalsGroup() {
    QGroupBox* box = Group(controls::Gr_Nascosti);
    QGridLayout* grid = RowGridIn(box);
    const Reading totals[] = {
        {controls::Lb_Wh_Erogati, controls::Ed_Wh_Erogati},
        {controls::Lb_Wh_Accumulati, controls::Ed_Wh_Accumulati},
    };
    int row = 0;
    AddReadings(grid, row, totals, QStringLiteral("4294967295"));
    box->hide();  // kept for the unit's unsigned totals; the window never shows it
    return box;
}

QGroupBox* BlockConditionGroup() {
    QGroupBox* box = Group(controls::Gr_Condizione_Blocco);
    QGridLayout* grid = RowGridIn(box);
    AddLampRow(grid, 0, controls::Lb_Ld_Blocco_Seriale, controls::Led_Blocco_Da_Seriale);
    AddLampRow(grid, 1, controls::Lb_Ld_Blocco_eth, controls::Led_Blocco_Da_Eth);
    return box;
}

// A group holding one list that its title names.
QGroupBox* ListGroup(Control<ControlKind::Group> name, Control<ControlKind::List> list,
                     const QString& title = {}) {
    QGroupBox* box = Group(name);
    box->setTitle(title);
    auto* row = new QHBoxLayout(box);
    Compact(row);
    QComboBox* combo = List(list);
    NameFrom(combo, name);
    row->addWidget(combo);
    row->addStretch();
    return box;
}

QVBoxLayout* Column(QHBoxLayout* page) {
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    page->addLayout(column);
    return column;
}

}  // namespace

AdvancedPage::AdvancedPage(QWidget* parent) : QWidget(parent) {
    NameSelf(*this, controls::Tab_Orologio);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 8, 6, 6);
    page->setSpacing(8);

    QVBoxLayout* battery = Column(page);
    battery->addWidget(BatteryCountersGroup());
    battery->addWidget(ChargeFaultGroup());
    battery->addWidget(StorageDataGroup());
    battery->addStretch();

    QVBoxLayout* unit = Column(page);
    unit->addWidget(MemoryErrorsGroup());
    unit->addWidget(HiddenTotalsGroup());
    unit->addWidget(BlockConditionGroup());
    unit->addStretch();

    QVBoxLayout* clock = Column(page);
    clock->addWidget(BuildClockReadingGroup());
    clock->addWidget(BuildClockSettingGroup());
    // The skin names are the same in every language, and so is this title.
    clock->addWidget(
        ListGroup(controls::Grp_Combo, controls::Combo_Skin, QStringLiteral("Skin Sw PC")));
    clock->addWidget(ListGroup(controls::Gr_Selezione_Lingua, controls::Cb_Sel_Lingua));
    clock->addStretch();
    page->addStretch();
}

}  // namespace orvane::ui
