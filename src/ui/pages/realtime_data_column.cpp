#include "ui/pages/realtime_data_column.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <span>
#include <variant>

#include "ui/pages/page_building.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"

namespace orvane::ui::pages {

namespace {

namespace controls = frontend::controls;

// A trended measurement's channel: its caption in the channel colour, the swatch and the
// "Ab." check box.
struct Channel {
    Control<ControlKind::ChannelLabel> caption;
    Control<ControlKind::ChannelLabel> swatch;
    const QColor* colour;
    Control<ControlKind::CheckBox> check;
};

// One measurement: its caption (a plain label, or its channel), field and unit.
struct MeasurementRow {
    std::variant<Control<ControlKind::Label>, Channel> caption;
    FieldControl field;
    const char* unit;
};

// Widest value the live view writes into these fields (grid power, signed).
const QString kWidestValue = QStringLiteral("-16000.0");

enum Column { CaptionColumn, SwatchColumn, FieldColumn, UnitColumn, CheckColumn };

QGroupBox* MeasurementGroup(Control<ControlKind::Group> group,
                            std::span<const MeasurementRow> rows) {
    QGroupBox* box = Group(group);
    QGridLayout* grid = GridIn(box);
    grid->setVerticalSpacing(2);
    // Same columns in every group, so the fields line up down the page in either language.
    const QFontMetrics metrics = box->fontMetrics();
    grid->setColumnMinimumWidth(CaptionColumn, 12 * metrics.averageCharWidth());
    grid->setColumnMinimumWidth(SwatchColumn, metrics.horizontalAdvance(QStringLiteral("    ")));
    grid->setColumnMinimumWidth(UnitColumn, metrics.horizontalAdvance(QStringLiteral("Ampere ")));
    grid->setColumnStretch(UnitColumn, 1);

    int r = 0;
    for (const MeasurementRow& row : rows) {
        const Channel* channel = std::get_if<Channel>(&row.caption);
        QLabel* caption = channel != nullptr
                              ? ColourCaption(channel->caption, *channel->colour)
                              : Caption(std::get<Control<ControlKind::Label>>(row.caption));
        grid->addWidget(caption, r, CaptionColumn);
        if (channel != nullptr)
            grid->addWidget(Swatch(channel->swatch, *channel->colour), r, SwatchColumn);
        widgets::NumericField* field = LiveField(row.field, kWidestValue);
        grid->addWidget(field, r, FieldColumn);
        caption->setBuddy(field);
        grid->addWidget(FixedText(QString::fromUtf8(row.unit)), r, UnitColumn);
        if (channel != nullptr) {
            QCheckBox* check = CheckBox(channel->check, QStringLiteral("Ab."));
            // "Ab." alone would not tell the eight boxes apart.
            NameFrom(check, channel->caption, "Ab.");
            grid->addWidget(check, r, CheckColumn);
        }
        ++r;
    }
    return box;
}

struct LampPair {
    Control<ControlKind::Lamp> lamp;
    Control<ControlKind::Label> caption;
};

// Lamps two to a row: lamp, caption, lamp, caption.
void AddLamps(QGridLayout* grid, int& row, std::span<const LampPair> lamps) {
    int column = 0;
    for (const LampPair& pair : lamps) {
        widgets::Lamp* lamp = StatusLamp(pair.lamp);
        QLabel* caption = Caption(pair.caption);
        caption->setBuddy(lamp);
        grid->addWidget(lamp, row, column);
        grid->addWidget(caption, row, column + 1);
        column = (column + 2) % 4;
        if (column == 0)
            ++row;
    }
    if (column != 0)
        ++row;
}

QGroupBox* FunctionsGroup() {
    QGroupBox* box = Group(controls::Gr_Dati_Funzionali);
    QGridLayout* grid = GridIn(box);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(3, 1);
    int row = 0;
    const LampPair blocked[] = {{controls::VrUserLed27, controls::Lb_Led_Blocco},
                                {controls::Ld_Rottura_Fusibile_Pann, controls::Lb_Led_Rott_Fuse}};
    AddLamps(grid, row, blocked);

    struct Value {
        Control<ControlKind::Label> caption;
        FieldControl field;
        const char* unit;
        const char* format = nullptr;
    };
    const Value values[] = {{controls::Lb_Carica_Disp, controls::AbNumEdit67, "%"},
                            {controls::Lb_Capacità_Att, controls::AbNumEdit68, "[Ah]"},
                            // Hundredths of a hertz tell whether the grid is in band.
                            {controls::Lb_Freq_Rete, controls::Ed_Freq_Rete, "[Hz]", "#0.0#"}};
    for (const Value& v : values) {
        QLabel* caption = Caption(v.caption);
        widgets::NumericField* field = LiveField(v.field, kWidestValue);
        if (v.format != nullptr)
            field->setFormat(QString::fromLatin1(v.format));
        caption->setBuddy(field);
        auto* fieldAndUnit = new QHBoxLayout;
        fieldAndUnit->setSpacing(3);
        fieldAndUnit->addWidget(field);
        fieldAndUnit->addWidget(FixedText(QString::fromUtf8(v.unit)));
        fieldAndUnit->addStretch();
        grid->addWidget(caption, row, 0, 1, 2);
        grid->addLayout(fieldAndUnit, row, 2, 1, 2);
        ++row;
    }

    const LampPair states[] = {
        {controls::Ld_Fault_Batt_In_Carica, controls::Lb_Fault_Carica},
        {controls::Led_All_Low_Tens_Ali, controls::Lb_Low_Alimentazione},
        {controls::Led_Carica_Completa, controls::Lb_Carica_Completa},
        {controls::Led_CB_Attivo, controls::Lb_Carica_Batt},
        {controls::Led_All_Termico, controls::Lb_Allarme_Termico},
        {controls::Led_Erogoazione_Attiva, controls::Lb_Led_Erogazione},
        {controls::Led_Old_Batt_Scarica, controls::Lb_Batt_Esaurita},
        {controls::Led_Reset_Inverter, controls::Lb_Ld_Reset_Inverter},
        {controls::Ld_Cum_Cei021, controls::Lb_Cum_All_Cei021},
        {controls::VrUserLed1, controls::Lb_Led_All_Generico},
    };
    AddLamps(grid, row, states);
    return box;
}

}  // namespace

QGroupBox* BuildRealtimeDataColumn() {
    using namespace colour;
    const MeasurementRow battery[] = {
        {Channel{controls::Lb_V_Batt, controls::Lb_Col_tr_1, &Fuchsia, controls::Ck_V_Batt},
         controls::AbNumEdit30, " Volt "},
        {controls::Lb_I_Batt, controls::AbNumEdit31, "Ampere"},
        {Channel{controls::Lb_P_Batteria, controls::Label24, &Red, controls::Ck_I_Batt},
         controls::AbNumEdit60, " Watt"},
    };
    const MeasurementRow panel[] = {
        {controls::Lb_V_Pann, controls::AbNumEdit32, " Volt"},
        {Channel{controls::Lb_P_Pannello, controls::Label25, &Orange, controls::Ck_P_Pann},
         controls::AbNumEdit95, " Watt"},
    };
    const MeasurementRow grid[] = {
        {controls::Lb_Tens_Rete, controls::AbNumEdit20, " Volt"},
        {controls::Lb_Corr_Rete, controls::AbNumEdit21, "Ampere"},
        {Channel{controls::Lb_Pot_Rete, controls::Label26, &Lime, controls::Ck_P_Rete},
         controls::AbNumEdit22, "Watt"},
    };
    const MeasurementRow house[] = {
        {controls::Lb_Tens_Casa, controls::AbNumEdit23, " Volt"},
        {controls::Lb_Corr_Casa, controls::AbNumEdit24, "Ampere"},
        {Channel{controls::Lb_Pot_Casa, controls::Label27, &Yellow, controls::Ck_P_Casa},
         controls::AbNumEdit25, "Watt"},
    };
    const MeasurementRow temperatures[] = {
        {controls::Lb_Temp_Batteria, controls::AbNumEdit26, "\u00B0C"},
        {Channel{controls::Lb_Temp_Erogazione, controls::Label28, &Aqua, controls::Ck_T_Diss},
         controls::AbNumEdit27, "\u00B0C"},
        {Channel{controls::Lb_Diss_Carica, controls::Label29, &ButtonHighlight,
                 controls::Ck_Temp_CB},
         controls::AbNumEdit28, "\u00B0C"},
    };

    QGroupBox* column = Group(controls::Gr_Gruppo_Dati);
    auto* groups = new QVBoxLayout(column);
    Compact(groups);
    groups->addWidget(MeasurementGroup(controls::Gr_Dati_Batteria, battery));
    groups->addWidget(MeasurementGroup(controls::Gr_Dati_Pannello, panel));
    groups->addWidget(MeasurementGroup(controls::Gr_Dati_Rete, grid));
    QGroupBox* houseGroup = MeasurementGroup(controls::Gr_Dati_Casa, house);
    groups->addWidget(houseGroup);
    houseGroup->hide();  // the unit's house meter is not shown; the window keeps it hidden
    groups->addWidget(MeasurementGroup(controls::Gr_Gruppo_Temperature, temperatures));
    groups->addWidget(FunctionsGroup());
    groups->addStretch();
    column->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    return column;
}

}  // namespace orvane::ui::pages
