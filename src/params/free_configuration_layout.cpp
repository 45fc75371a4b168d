#include "params/free_configuration_layout.h"

#include <array>
#include <string_view>

namespace orvane::params {

namespace {

struct Caption {
    std::string_view control;
    int row;  // catalogue row
};

// The rows of the free groups, in the order they are captioned.
constexpr std::array<Caption, 24> FreeCaptions{{
    {"Gr_Conf_Libera", 111},
    {"Lb_Soglia_Finecarica", 112},
    {"Lb_Soglia_MAntenimento", 113},
    {"Lb_Soglia_Tensione_Scarica", 114},
    {"Lb_Soglia_Sc_Prof_Erogazione", 115},
    {"Lb_Scarica_Prof_StdBY", 116},
    {"Lb_Div_Corr_Carica", 117},
    {"Lb_Perc_Cap_Assorbibile", 118},
    {"Lb_Soglia_Equalizzazione", 119},
    {"Lb_Soglia_Blocco", 120},
    {"Lb_Num_Cicli_Vita_Batteria", 121},
    {"Lb_Nota_Par_Liberi", 134},
    {"Lb_Num_Cicli_Vita_Unita", 135},
    {"Lb_Permille_Carica", 124},
    {"Lb_Permille_Scarica", 125},
    {"Lb_Carica_Com_Dopo", 126},
    {"Lb_Transito_Dopo", 127},
    {"Lb_Minuti_Tens_Costante", 128},
    {"Lb_Carica_Normale", 129},
    {"Lb_Minuti_Tens_Costante_1", 128},
    {"Lb_In_Carica_Completa", 130},
    {"Lb_Minuti_Equalizzazione", 133},
    {"Lb_Mod_Estate", 131},
    {"Lb_Mod_Inverno", 132},
}};

constexpr std::array<std::string_view, 2> FreeGroups{"Gr_Conf_Libera", "Gr_Par_Avanzati"};

constexpr std::array<std::string_view, 4> ProductPictures{"Immagine_Kelvora", "Immagine_Orvane",
                                                          "Immagine_Mirdal", "Immagine_Tessop"};
constexpr std::string_view OwnPicture = "Immagine_Orvane";

}  // namespace

FreeConfigurationLayout::FreeConfigurationLayout(monitor::Screen& screen,
                                                 const monitor::ScreenReader& input,
                                                 const catalogue::Language& language)
    : screen_(screen), input_(input), language_(language) {}

void FreeConfigurationLayout::ShowFreeConfiguration() {
    for (const Caption& c : FreeCaptions)
        screen_.setText(c.control, language_.text(c.row));
    for (std::string_view group : FreeGroups) {
        screen_.setVisible(group, true);
        screen_.setEnabled(group, true);
    }
    for (std::string_view picture : ProductPictures)
        screen_.setVisible(picture, false);
}

void FreeConfigurationLayout::HideFreeConfiguration() {
    for (std::string_view group : FreeGroups) {
        screen_.setVisible(group, false);
        screen_.setEnabled(group, false);
    }
    for (std::string_view picture : ProductPictures)
        screen_.setVisible(picture, picture == OwnPicture);
}

void FreeConfigurationLayout::Cb_Tipo_BattChange() {
    if (input_.listIndex("Cb_Tipo_Batt") == FreeConfigurationType)
        ShowFreeConfiguration();
    else
        HideFreeConfiguration();
}

}  // namespace orvane::params
