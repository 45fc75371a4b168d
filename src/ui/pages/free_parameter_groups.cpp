#include "ui/pages/free_parameter_groups.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <optional>

#include "ui/pages/page_building.h"
#include "widgets/numeric_field.h"

namespace orvane::ui::pages {

namespace controls = frontend::controls;

QGroupBox* BuildFreeConfigurationGroup() {
    struct Row {
        Control<ControlKind::Label> caption;
        FieldControl field;
        Control<ControlKind::Label> limit;  // the limit label beside the field
        const char* fixedUnit = nullptr;    // a label whose text never changes
    };
    const Row rows[] = {
        {controls::Lb_Soglia_Finecarica, controls::Ed_Finecarica, controls::Label139},
        {controls::Lb_Soglia_MAntenimento, controls::Ed_Mantenimento, controls::Label164},
        {controls::Lb_Soglia_Tensione_Scarica, controls::Ed_Limite_Scarica, controls::Label140},
        {controls::Lb_Soglia_Sc_Prof_Erogazione, controls::Ed_Scarica_Profonda_Erog,
         controls::Label142},
        {controls::Lb_Scarica_Prof_StdBY, controls::Ed_Soglia_Sc_Prof_StandBy, controls::Label11},
        {controls::Lb_Div_Corr_Carica, controls::Ed_Div_C, controls::Lb_Limiti_Div_Carica},
        {controls::Lb_Perc_Cap_Assorbibile, controls::Ed_Perc_Capa_Ass,
         controls::Lb_Limite_Per_Cap_Assorbibile},
        {controls::Lb_Soglia_Equalizzazione, controls::Ed_V_Equali, controls::Label177},
        {controls::Lb_Soglia_Blocco, controls::Ed_Soglia_Temp_Batt_Blocco,
         controls::Lb_Soglia_Temp_Batt_Blocco, "\u00B0C*10 "},
        {controls::Lb_Num_Cicli_Vita_Batteria, controls::Ed_Num_Cicli_Vita_Batt,
         controls::Lb_Num_Cicli_Vita_Unita},
        {controls::Lb_Permille_Carica, controls::Ed_Rend_Carica, controls::Label217},
        {controls::Lb_Permille_Scarica, controls::Ed_Rend_Scarica, controls::Label216},
    };
    QGroupBox* box = Group(controls::Gr_Conf_Libera);
    QGridLayout* grid = RowGridIn(box);
    int r = 0;
    for (const Row& row : rows) {
        AddRow(grid, r, Caption(row.caption), ParameterField(row.field, kWidestParameterValue));
        grid->addWidget(row.fixedUnit != nullptr
                            ? FixedText(QString::fromUtf8(row.fixedUnit), row.limit)
                            : Caption(row.limit),
                        r, 2);
        ++r;
    }
    // Explains the "**" of the equalization rows.
    grid->addWidget(Caption(controls::Lb_Nota_Par_Liberi), r, 0, 1, 3);
    return box;
}

QGroupBox* BuildAdvancedParametersGroup() {
    // Summer and winter value of one setting, under a caption of one or two lines.
    struct Pair {
        Control<ControlKind::Label> firstLine;
        std::optional<Control<ControlKind::Label>> secondLine;  // none: one line
        FieldControl summer;
        FieldControl winter;
        Control<ControlKind::Label> limit;
    };
    const Pair pairs[] = {
        {controls::Str_Lb_Div_Corr_Finecarica_1, controls::Lb_Finec_Estate,
         controls::Ed_C_Finecarica_Est, controls::Ed_C_Finecarica_Inv,
         controls::Lb_Estremi_Div_Corr_Batt_Estate},
        {controls::Lb_Carica_Com_Dopo, controls::Lb_Transito_Dopo,
         controls::Ed_C_Mol_Carica_Completa_Est, controls::Ed_C_Mol_Carica_Completa_Inv,
         controls::Label190},
        {controls::Lb_Minuti_Tens_Costante, controls::Lb_Carica_Normale,
         controls::Ed_Minuti_T_Cost_CN_Est, controls::Ed_Minuti_T_Cost_CN_Inv, controls::Label175},
        {controls::Lb_Minuti_Tens_Costante_1, controls::Lb_In_Carica_Completa,
         controls::Ed_Minuti_T_Cost_CC_Est, controls::Ed_Minuti_T_Cost_CC_Inv, controls::Label194},
        {controls::Lb_Minuti_Equalizzazione, std::nullopt, controls::Ed_Min_Equali_Est,
         controls::Ed_Min_Equali_Inv, controls::Label179},
    };
    enum { CaptionColumn, SummerColumn, WinterColumn, LimitColumn };

    QGroupBox* box = Group(controls::Gr_Par_Avanzati);
    QGridLayout* grid = GridIn(box);
    grid->setColumnStretch(LimitColumn, 1);
    grid->addWidget(Caption(controls::Lb_Mod_Estate), 0, SummerColumn, Qt::AlignHCenter);
    grid->addWidget(Caption(controls::Lb_Mod_Inverno), 0, WinterColumn, Qt::AlignHCenter);
    int r = 1;
    for (const Pair& pair : pairs) {
        auto* caption = new QVBoxLayout;
        caption->setSpacing(0);
        caption->addWidget(Caption(pair.firstLine));
        if (pair.secondLine)
            caption->addWidget(Caption(*pair.secondLine));
        grid->addLayout(caption, r, CaptionColumn);
        widgets::NumericField* summer = ParameterField(pair.summer, kWidestParameterValue);
        widgets::NumericField* winter = ParameterField(pair.winter, kWidestParameterValue);
        grid->addWidget(summer, r, SummerColumn, Qt::AlignHCenter);
        grid->addWidget(winter, r, WinterColumn, Qt::AlignHCenter);
        // Each field is named by the whole row caption and its column's season.
        NameFrom(summer, {pair.firstLine, pair.secondLine, controls::Lb_Mod_Estate});
        NameFrom(winter, {pair.firstLine, pair.secondLine, controls::Lb_Mod_Inverno});
        grid->addWidget(Caption(pair.limit), r, LimitColumn);
        ++r;
    }
    return box;
}

}  // namespace orvane::ui::pages
