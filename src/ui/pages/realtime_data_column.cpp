#include "ui/pages/realtime_data_column.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <span>

#include "ui/pages/page_building.h"
#include "widgets/lamp.h"
#include "widgets/numeric_field.h"

namespace orvane::ui::pages {

namespace {

// One measurement: caption, field and unit; a trended one also has the channel's swatch and
// its "Ab." check box, and its caption carries the channel colour.
struct MeasurementRow {
    const char* caption;
    const char* field;
    const char* unit;
    const char* swatch = nullptr;
    const QColor* colour = nullptr;
    const char* check = nullptr;
};

// Widest value the live view writes into these fields (grid power, signed).
const QString kWidestValue = QStringLiteral("-16000.0");

enum Column { CaptionColumn, SwatchColumn, FieldColumn, UnitColumn, CheckColumn };

QGroupBox* MeasurementGroup(const char* name, std::span<const MeasurementRow> rows) {
    QGroupBox* box = Group(name);
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
        QLabel* caption =
            row.swatch != nullptr ? ColourCaption(row.caption, *row.colour) : Caption(row.caption);
        grid->addWidget(caption, r, CaptionColumn);
        if (row.swatch != nullptr)
            grid->addWidget(Swatch(row.swatch, *row.colour), r, SwatchColumn);
        widgets::NumericField* field = LiveField(row.field, kWidestValue);
        grid->addWidget(field, r, FieldColumn);
        caption->setBuddy(field);
        grid->addWidget(FixedText(QString::fromUtf8(row.unit)), r, UnitColumn);
        if (row.check != nullptr) {
            QCheckBox* check = CheckBox(row.check, QStringLiteral("Ab."));
            // "Ab." alone would not tell the eight boxes apart.
            NameFrom(check, row.caption, "Ab.");
            grid->addWidget(check, r, CheckColumn);
        }
        ++r;
    }
    return box;
}

struct LampPair {
    const char* lamp;
    const char* caption;
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
    QGroupBox* box = Group("Gr_Dati_Funzionali");
    QGridLayout* grid = GridIn(box);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(3, 1);
    int row = 0;
    const LampPair blocked[] = {{"VrUserLed27", "Lb_Led_Blocco"},
                                {"Ld_Rottura_Fusibile_Pann", "Lb_Led_Rott_Fuse"}};
    AddLamps(grid, row, blocked);

    struct Value {
        const char* caption;
        const char* field;
        const char* unit;
        const char* format = nullptr;
    };
    const Value values[] = {{"Lb_Carica_Disp", "AbNumEdit67", "%"},
                            {"Lb_Capacit\u00E0_Att", "AbNumEdit68", "[Ah]"},
                            // Hundredths of a hertz tell whether the grid is in band.
                            {"Lb_Freq_Rete", "Ed_Freq_Rete", "[Hz]", "#0.0#"}};
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
        {"Ld_Fault_Batt_In_Carica", "Lb_Fault_Carica"},
        {"Led_All_Low_Tens_Ali", "Lb_Low_Alimentazione"},
        {"Led_Carica_Completa", "Lb_Carica_Completa"},
        {"Led_CB_Attivo", "Lb_Carica_Batt"},
        {"Led_All_Termico", "Lb_Allarme_Termico"},
        {"Led_Erogoazione_Attiva", "Lb_Led_Erogazione"},
        {"Led_Old_Batt_Scarica", "Lb_Batt_Esaurita"},
        {"Led_Reset_Inverter", "Lb_Ld_Reset_Inverter"},
        {"Ld_Cum_Cei021", "Lb_Cum_All_Cei021"},
        {"VrUserLed1", "Lb_Led_All_Generico"},
    };
    AddLamps(grid, row, states);
    return box;
}

}  // namespace

QGroupBox* BuildRealtimeDataColumn() {
    using namespace colour;
    const MeasurementRow battery[] = {
        {"Lb_V_Batt", "AbNumEdit30", " Volt ", "Lb_Col_tr_1", &Fuchsia, "Ck_V_Batt"},
        {"Lb_I_Batt", "AbNumEdit31", "Ampere"},
        {"Lb_P_Batteria", "AbNumEdit60", " Watt", "Label24", &Red, "Ck_I_Batt"},
    };
    const MeasurementRow panel[] = {
        {"Lb_V_Pann", "AbNumEdit32", " Volt"},
        {"Lb_P_Pannello", "AbNumEdit95", " Watt", "Label25", &Orange, "Ck_P_Pann"},
    };
    const MeasurementRow grid[] = {
        {"Lb_Tens_Rete", "AbNumEdit20", " Volt"},
        {"Lb_Corr_Rete", "AbNumEdit21", "Ampere"},
        {"Lb_Pot_Rete", "AbNumEdit22", "Watt", "Label26", &Lime, "Ck_P_Rete"},
    };
    const MeasurementRow house[] = {
        {"Lb_Tens_Casa", "AbNumEdit23", " Volt"},
        {"Lb_Corr_Casa", "AbNumEdit24", "Ampere"},
        {"Lb_Pot_Casa", "AbNumEdit25", "Watt", "Label27", &Yellow, "Ck_P_Casa"},
    };
    const MeasurementRow temperatures[] = {
        {"Lb_Temp_Batteria", "AbNumEdit26", "\u00B0C"},
        {"Lb_Temp_Erogazione", "AbNumEdit27", "\u00B0C", "Label28", &Aqua, "Ck_T_Diss"},
        {"Lb_Diss_Carica", "AbNumEdit28", "\u00B0C", "Label29", &ButtonHighlight, "Ck_Temp_CB"},
    };

    QGroupBox* column = Group("Gr_Gruppo_Dati");
    auto* groups = new QVBoxLayout(column);
    Compact(groups);
    groups->addWidget(MeasurementGroup("Gr_Dati_Batteria", battery));
    groups->addWidget(MeasurementGroup("Gr_Dati_Pannello", panel));
    groups->addWidget(MeasurementGroup("Gr_Dati_Rete", grid));
    QGroupBox* houseGroup = MeasurementGroup("Gr_Dati_Casa", house);
    groups->addWidget(houseGroup);
    houseGroup->hide();  // the unit's house meter is not shown; the window keeps it hidden
    groups->addWidget(MeasurementGroup("Gr_Gruppo_Temperature", temperatures));
    groups->addWidget(FunctionsGroup());
    groups->addStretch();
    column->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    return column;
}

}  // namespace orvane::ui::pages
