#include "ui/pages/advanced_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <span>

#include "ui/pages/clock_groups.h"
#include "ui/pages/page_building.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"

namespace orvane::ui {

namespace {

using namespace pages;

struct Reading {
    const char* caption;
    const char* field;
};

// Rows of read-only values the unit reports; `widest` is the widest value they show.
void AddReadings(QGridLayout* grid, int& row, std::span<const Reading> readings,
                 const QString& widest) {
    for (const Reading& r : readings)
        AddRow(grid, row++, Caption(r.caption), LiveField(r.field, widest));
}

void AddLampRow(QGridLayout* grid, int row, const char* caption, const char* lamp) {
    AddRow(grid, row, Caption(caption), StatusLamp(lamp));
}

QGroupBox* BatteryCountersGroup() {
    QGroupBox* box = Group("Gr_Contatori_Batteria");
    QGridLayout* grid = RowGridIn(box);
    const Reading counters[] = {
        {"Lb_Carica_Disp_Perc", "Ed_Perc_Batt_Disponibile"},
        {"Lb_Capacita_Attuale", "Ed_Cap_Attuale_Batt"},
        {"Lb_Permille_Vita_Batt", "Ed_Num_Permille_Vita_Batteria"},
    };
    int row = 0;
    AddReadings(grid, row, counters, QStringLiteral("00000.0"));
    AddLampRow(grid, row++, "Lb_Segn_Batt_Esausta", "Ld_Batt_Esausta_Num_Cicli");
    grid->addWidget(Button("Bt_Cambio_Batteria"), row, 0, 1, 3);
    return box;
}

QGroupBox* ChargeFaultGroup() {
    QGroupBox* box = Group("Gr_Allarme_Carica_Batteria");
    QGridLayout* grid = RowGridIn(box);
    AddLampRow(grid, 0, "Lb_Fault_Batteria", "Ld_Fault_Batteria_Carica");
    grid->addWidget(Button("Bt_Azzera_All_Carica"), 1, 0, 1, 3, Qt::AlignLeft);
    return box;
}

// Energy totals are signed 32-bit watt-hours.
const QString kWidestEnergy = QStringLiteral("-2147483648");

QGroupBox* StorageDataGroup() {
    QGroupBox* box = Group("Grp_Dati_Accumulo");
    QGridLayout* grid = RowGridIn(box);
    const Reading totals[] = {
        {"Lb_Wh_Batt_Erogata", "Ed_Conv_Wh_Batt_Erog"},
        {"Lb_Wh_Pannello", "Ed_Conv_Wh_Pann"},
        {"Lb_Wh_Rete_Immessa", "Ed_Conv_Wh_Rete_Immessa"},
        {"Lb_Wh_Rete_Prelevata", "Ed_Conv_Wh_Rete_Prelevata"},
        {"Lb_Wh_Casa", "Ed_Conv_Wh_Casa"},
        {"Lb_Wh_Verso_Inv", "Ed_Conv_Wh_Verso_Inverter"},
    };
    int row = 0;
    AddReadings(grid, row, totals, kWidestEnergy);
    grid->addWidget(Button("Bt_Reset_Accumulo"), row, 0, 1, 3, Qt::AlignLeft);
    return box;
}

QGroupBox* MemoryErrorsGroup() {
    struct ErrorRow {
        const char* caption;
        const char* lamp;
        const char* number = nullptr;  // the unit's error number, where it reports one
    };
    const ErrorRow rows[] = {
        {"Lb_Err_Parametri", "Ld_Err_Par_Conf", "Ed_Err_Id_PAr"},
        {"Lb_Err_CEI_021", "Ld_Err_Serv_Rete", "Ed_Err_Serv_Rete"},
        {"Lb_Err_Par_Liberi", "Ld_Err_Par_Liberi", "Ed_Id_Err_Liberi"},
        {"Lb_Err_EUI", "Ld_No_Eui"},
        {"Lb_Err_Clock", "Ld_Clock_No_Presente"},
        {"Lb_Err_Dati_Storico", "Ld_Err_Contatori_Storico"},
        {"Lb_Err_Cont_Interni", "Ld_Err_Contatori_Interni"},
        {"Lb_Errore_Id", "Ld_Err_Id_Orvane"},
        {"Lb_Err_Dati_Accumulo", "Ld_Errore_Dati_Accumulo"},
    };
    QGroupBox* box = Group("Gr_Parametri_Runtime_Err_EEprom");
    QGridLayout* grid = GridIn(box);
    grid->setColumnStretch(3, 1);
    int r = 0;
    for (const ErrorRow& row : rows) {
        QLabel* caption = Caption(row.caption);
        widgets::Lamp* lamp = StatusLamp(row.lamp);
        grid->addWidget(caption, r, 0);
        grid->addWidget(lamp, r, 1);
        if (row.number != nullptr) {
            widgets::NumericField* number = LiveField(row.number, QStringLiteral("0000"));
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
    QGroupBox* box = Group("Gr_Nascosti");
    QGridLayout* grid = RowGridIn(box);
    const Reading totals[] = {
        {"Lb_Wh_Erogati", "Ed_Wh_Erogati"},
        {"Lb_Wh_Accumulati", "Ed_Wh_Accumulati"},
    };
    int row = 0;
    AddReadings(grid, row, totals, QStringLiteral("4294967295"));
    box->hide();  // kept for the unit's unsigned totals; the window never shows it
    return box;
}

QGroupBox* BlockConditionGroup() {
    QGroupBox* box = Group("Gr_Condizione_Blocco");
    QGridLayout* grid = RowGridIn(box);
    AddLampRow(grid, 0, "Lb_Ld_Blocco_Seriale", "Led_Blocco_Da_Seriale");
    AddLampRow(grid, 1, "Lb_Ld_Blocco_eth", "Led_Blocco_Da_Eth");
    return box;
}

// A group holding one list that its title names.
QGroupBox* ListGroup(const char* name, const char* list, const QString& title = {}) {
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
    setObjectName(QStringLiteral("Tab_Orologio"));
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
    clock->addWidget(ListGroup("Grp_Combo", "Combo_Skin", QStringLiteral("Skin Sw PC")));
    clock->addWidget(ListGroup("Gr_Selezione_Lingua", "Cb_Sel_Lingua"));
    clock->addStretch();
    page->addStretch();
}

}  // namespace orvane::ui
