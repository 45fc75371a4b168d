#include "ui/pages/free_parameter_groups.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/pages/page_building.h"
#include "widgets/numeric_field.h"

namespace orvane::ui::pages {

namespace {

// Widest value of a free parameter (life cycles, efficiencies, dividers up to 5000).

}  // namespace

QGroupBox* BuildFreeConfigurationGroup() {
    struct Row {
        const char* caption;
        const char* field;
        const char* limit;                // the limit label beside the field
        const char* fixedUnit = nullptr;  // a label whose text never changes
    };
    const Row rows[] = {
        {"Lb_Soglia_Finecarica", "Ed_Finecarica", "Label139"},
        {"Lb_Soglia_MAntenimento", "Ed_Mantenimento", "Label164"},
        {"Lb_Soglia_Tensione_Scarica", "Ed_Limite_Scarica", "Label140"},
        {"Lb_Soglia_Sc_Prof_Erogazione", "Ed_Scarica_Profonda_Erog", "Label142"},
        {"Lb_Scarica_Prof_StdBY", "Ed_Soglia_Sc_Prof_StandBy", "Label11"},
        {"Lb_Div_Corr_Carica", "Ed_Div_C", "Lb_Limiti_Div_Carica"},
        {"Lb_Perc_Cap_Assorbibile", "Ed_Perc_Capa_Ass", "Lb_Limite_Per_Cap_Assorbibile"},
        {"Lb_Soglia_Equalizzazione", "Ed_V_Equali", "Label177"},
        {"Lb_Soglia_Blocco", "Ed_Soglia_Temp_Batt_Blocco", "Lb_Soglia_Temp_Batt_Blocco",
         "\u00B0C*10 "},
        {"Lb_Num_Cicli_Vita_Batteria", "Ed_Num_Cicli_Vita_Batt", "Lb_Num_Cicli_Vita_Unita"},
        {"Lb_Permille_Carica", "Ed_Rend_Carica", "Label217"},
        {"Lb_Permille_Scarica", "Ed_Rend_Scarica", "Label216"},
    };
    QGroupBox* box = Group("Gr_Conf_Libera");
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
    grid->addWidget(Caption("Lb_Nota_Par_Liberi"), r, 0, 1, 3);
    return box;
}

QGroupBox* BuildAdvancedParametersGroup() {
    // Summer and winter value of one setting, under a caption of one or two lines.
    struct Pair {
        const char* firstLine;
        const char* secondLine;  // null: one line
        const char* summer;
        const char* winter;
        const char* limit;
    };
    const Pair pairs[] = {
        {"Str_Lb_Div_Corr_Finecarica_1", "Lb_Finec_Estate", "Ed_C_Finecarica_Est",
         "Ed_C_Finecarica_Inv", "Lb_Estremi_Div_Corr_Batt_Estate"},
        {"Lb_Carica_Com_Dopo", "Lb_Transito_Dopo", "Ed_C_Mol_Carica_Completa_Est",
         "Ed_C_Mol_Carica_Completa_Inv", "Label190"},
        {"Lb_Minuti_Tens_Costante", "Lb_Carica_Normale", "Ed_Minuti_T_Cost_CN_Est",
         "Ed_Minuti_T_Cost_CN_Inv", "Label175"},
        {"Lb_Minuti_Tens_Costante_1", "Lb_In_Carica_Completa", "Ed_Minuti_T_Cost_CC_Est",
         "Ed_Minuti_T_Cost_CC_Inv", "Label194"},
        {"Lb_Minuti_Equalizzazione", nullptr, "Ed_Min_Equali_Est", "Ed_Min_Equali_Inv", "Label179"},
    };
    enum { CaptionColumn, SummerColumn, WinterColumn, LimitColumn };

    QGroupBox* box = Group("Gr_Par_Avanzati");
    QGridLayout* grid = GridIn(box);
    grid->setColumnStretch(LimitColumn, 1);
    grid->addWidget(Caption("Lb_Mod_Estate"), 0, SummerColumn, Qt::AlignHCenter);
    grid->addWidget(Caption("Lb_Mod_Inverno"), 0, WinterColumn, Qt::AlignHCenter);
    int r = 1;
    for (const Pair& pair : pairs) {
        auto* caption = new QVBoxLayout;
        caption->setSpacing(0);
        caption->addWidget(Caption(pair.firstLine));
        if (pair.secondLine != nullptr)
            caption->addWidget(Caption(pair.secondLine));
        grid->addLayout(caption, r, CaptionColumn);
        widgets::NumericField* summer = ParameterField(pair.summer, kWidestParameterValue);
        widgets::NumericField* winter = ParameterField(pair.winter, kWidestParameterValue);
        grid->addWidget(summer, r, SummerColumn, Qt::AlignHCenter);
        grid->addWidget(winter, r, WinterColumn, Qt::AlignHCenter);
        // Each field is named by the whole row caption and its column's season.
        NameFrom(summer, {pair.firstLine, pair.secondLine, "Lb_Mod_Estate"});
        NameFrom(winter, {pair.firstLine, pair.secondLine, "Lb_Mod_Inverno"});
        grid->addWidget(Caption(pair.limit), r, LimitColumn);
        ++r;
    }
    return box;
}

}  // namespace orvane::ui::pages
